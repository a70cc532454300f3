#pragma once

#include "model/counting/CountingSession.h"
#include "model/counting/Counter.h"
#include "model/counting/CountsImport.h"
#include "model/nuclides/LabRun.h"
#include "model/counting/Radiocarbon.h"
#include "model/counting/RepeatCounts.h"
#include "ui/counting/CountingPlots.h"

#include <QElapsedTimer>
#include <QWidget>

#include <optional>
#include <vector>

class PlotLegend;
class Platform;
class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTabWidget;
class QTimer;

// A detector beside a run of the nuclide lab: counts with background and noise, played in time
// with clicks and a lamp, the count rate with its error bars, a fitted half-life with its
// uncertainty, a student's own counts, and the dating of a sample of old carbon.
class CountingLab : public QWidget {
    Q_OBJECT

public:
    explicit CountingLab(Platform& platform);
    ~CountingLab() override;

    // The run to count, as the nuclide lab made it; counting starts again from nothing.
    void setSample(const decay::LabRun& run, const QString& name);

    // The counts shown, with their background, in seconds; imported counts in their own unit.
    decay::FitData shownData() const;
    decay::TimeUnit timeUnit() const; // of the run counted; seconds when there is none
    const std::optional<decay::Counter>& counter() const { return m_session.counter(); }
    const std::optional<decay::BackgroundMeasurement>& background() const { return m_session.background(); }
    bool playing() const;
    int clicks() const { return m_clicks; } // the loudspeaker's clicks since the window opened
    bool lampLit() const;

    // Plays the counting on by `realSeconds` of the clock at the chosen speed, as a frame of the
    // play timer does.
    void playFor(double realSeconds);

    // The worksheet: the count rate, the fit and questions, on one page.
    void paintWorksheet(QPainter& painter) const;

    QComboBox* cboDetector;
    QLineEdit* txtDeadTime;
    QComboBox* cboDeadTime;
    QLineEdit* txtEfficiency;
    QLineEdit* txtBackground;
    QLineEdit* txtBackgroundTime;
    QPushButton* cmdBackground;
    QLabel* lblBackground;
    QTabWidget* tabLab;
    QLabel* lblSample;
    QLineEdit* txtActivation;
    QPushButton* cmdSilver;
    QListWidget* lstMembers;
    QLineEdit* txtInterval;
    QPushButton* cmdStart;
    QPushButton* cmdPause;
    QPushButton* cmdStep;
    QComboBox* cboSpeed;
    QCheckBox* chkSound;
    QFrame* lblLamp;
    QLabel* lblCounts;
    QLabel* lblRate;
    QComboBox* cboMethod;
    QComboBox* cboFitModel;
    QLabel* lblFit;
    QPushButton* cmdImport;
    QPushButton* cmdExportCounts;
    QLineEdit* txtCarbon;
    QLineEdit* txtAge;
    QPushButton* cmdNewSample;
    QLineEdit* txtDatingTime;
    QPushButton* cmdCountSample;
    QPushButton* cmdReveal;
    QLabel* lblDating;
    QLineEdit* txtRepeats;
    QLineEdit* txtRepeatRate;
    QLineEdit* txtRepeatTime;
    QPushButton* cmdRepeat;
    QLabel* lblRepeat;
    QCheckBox* chkLog;
    PlotChart* chartCounts;
    PlotLegend* frmLegend;
    PlotChart* chartResiduals;
    QPushButton* cmdSaveImage;
    QPushButton* cmdPrint;
    QPushButton* cmdClose;
    QTimer* tmrPlay;

    void cmdBackground_Click();
    void cmdStart_Click();
    void cmdPause_Click();
    void cmdStep_Click();
    void tmrPlay_Timer();
    void cboMethod_Change();
    void cmdImport_Click();
    void cmdExportCounts_Click();
    void cboDetector_Change();
    void cmdSilver_Click();
    void cmdRepeat_Click();
    void cmdNewSample_Click();
    void cmdCountSample_Click();
    void cmdReveal_Click();
    void tabLab_Change();
    void cmdSaveImage_Click();
    void cmdPrint_Click();
    void cmdClose_Click();

private:
    QWidget* buildDetector();
    QWidget* buildCounting();
    QWidget* buildDating();
    QWidget* buildRepeat();
    void showRepeat();
    decay::FitShape fitShape() const;
    QLayout* buildChartArea();
    void connectHandlers();
    std::optional<decay::CounterSettings> readSettings();
    bool startCounting();
    void stop();
    void counted(std::int64_t newCounts, double realSeconds);
    void showLamp();
    void showCounts();
    void showPlot();
    decay::RatePlotData rateData() const;
    void showFit();
    QString fitText();
    // Seconds of the data shown, in the unit shown: the run's for own counts, the file's for imported ones.
    struct TimeScale {
        double perSecond = 1;
        QString unit;
    };
    TimeScale shownTime() const;
    void showDating();
    void setCommands();

    Platform& m_platform;
    decay::CountingSession m_session;
    QString m_importedName;  // of the file whose counts are shown
    double m_playTime = 0;     // seconds of the run played so far
    QElapsedTimer m_frameClock;
    double m_sinceClick = 1;   // real seconds since the loudspeaker last clicked
    double m_lampLeft = 0;     // real seconds the lamp stays lit
    bool m_lampShownLit = true;
    int m_clicks = 0;
    bool m_ageHidden = true;
    bool m_ageShown = false;
};
