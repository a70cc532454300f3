#pragma once

#include "model/counting/CountingSession.h"

#include <QWidget>

class CountingTab;
class DatingTab;
class DetectorBox;
class Platform;
class PlotChart;
class PlotLegend;
class QCheckBox;
class QPainter;
class QPushButton;
class QTabWidget;
class RepeatTab;

// A detector beside a run of the nuclide lab: counts with background and noise, played in time
// with clicks and a lamp, the count rate with its error bars, a fitted half-life with its
// uncertainty, a student's own counts, the dating of a sample of old carbon and repeat counts.
// The window shows one counting session: its pages read their entries and call it, and the chart
// beside them draws what it holds.
class CountingLab : public QWidget {
    Q_OBJECT

public:
    explicit CountingLab(Platform& platform);
    ~CountingLab() override;

    // The run to count, as the nuclide lab made and named it; counting starts again from nothing.
    void setSample(const decay::LabRun& run, const QString& name);
    const decay::CountingSession& session() const { return m_session; }

    // The worksheet: the count rate, the fit and questions, on one page.
    void paintWorksheet(QPainter& painter) const;

    DetectorBox* detector = nullptr;
    QTabWidget* tabLab = nullptr;
    CountingTab* counting = nullptr;
    DatingTab* dating = nullptr;
    RepeatTab* repeat = nullptr;
    QCheckBox* chkLog = nullptr;
    PlotChart* chartCounts = nullptr;
    PlotLegend* frmLegend = nullptr;
    PlotChart* chartResiduals = nullptr;
    QPushButton* cmdSaveImage = nullptr;
    QPushButton* cmdPrint = nullptr;
    QPushButton* cmdOpenLesson = nullptr;
    QPushButton* cmdMakeLesson = nullptr;
    QPushButton* cmdClose = nullptr;

    void tabLab_Change();
    void cmdSaveImage_Click();
    void cmdPrint_Click();
    void cmdOpenLesson_Click();
    void cmdMakeLesson_Click();
    void cmdClose_Click();

signals:
    // The program's lessons answer these.
    void openLessonRequested();
    void makeLessonRequested();

private:
    QLayout* buildChartArea();
    void connectHandlers();
    decay::RatePlotData rateData() const;
    // The chart of the page shown.
    void showPlot();

    Platform& m_platform;
    decay::CountingSession m_session;
};
