#pragma once

#include "model/experiment/ClassData.h"
#include "model/experiment/EnsembleStats.h"

#include <QFutureWatcher>
#include <QWidget>

#include <memory>
#include <optional>

class PlotLegend;
class PlotChart;
class Platform;
class QButtonGroup;
class QLabel;
class QLayout;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QTableWidget;
class QTimer;

// The class experiment: every student of a class makes the random decay run once; the window
// shows all the runs beside the theory, the half-lives the class measures, and a class's own
// dice or coin counts. The runs are made on every core while the window stays responsive.
class ClassExperiment : public QWidget {
    Q_OBJECT

public:
    ClassExperiment(const decay::EnsembleParams& initial, Platform& platform);
    ~ClassExperiment() override;

    // A run and its statistics, made together away from the user-interface thread.
    struct Result {
        decay::Ensemble ensemble;
        decay::EnsembleStats stats;
    };
    const std::optional<Result>& result() const { return m_result; }
    bool running() const;

    // The worksheet: parameters, chart, half-life table and questions, on one page.
    void paintWorksheet(QPainter& painter) const;

    QLineEdit* txtAtoms;
    QLineEdit* txtRate;
    QLineEdit* txtHalfLife;
    QLineEdit* txtLastStep;
    QLineEdit* txtRuns;
    QLineEdit* txtSeed;
    QPushButton* cmdNewSeed;
    QPushButton* cmdRun;
    QPushButton* cmdCancel;
    QProgressBar* barProgress;
    QLabel* lblStatus;
    QRadioButton* optCounts;
    QRadioButton* optLog;
    QRadioButton* optHalfLives;
    PlotChart* chartExperiment;
    PlotLegend* frmLegend;
    QTableWidget* tblHalfLives;
    QLabel* lblHalfLives;
    QPushButton* cmdImport;
    QPushButton* cmdExport;
    QSpinBox* spnAtomsRun;
    QPushButton* cmdShowAtoms;
    QPushButton* cmdSaveImage;
    QPushButton* cmdPrint;
    QPushButton* cmdOpenLesson;
    QPushButton* cmdMakeLesson;
    QPushButton* cmdClose;
    QTimer* tmrProgress;

    void cmdRun_Click();
    void cmdCancel_Click();
    void cmdNewSeed_Click();
    void txtRate_Change();
    void txtHalfLife_Change();
    void optView_Click();
    void cmdImport_Click();
    void cmdExport_Click();
    void cmdShowAtoms_Click();
    void cmdSaveImage_Click();
    void cmdPrint_Click();
    void cmdOpenLesson_Click();
    void cmdMakeLesson_Click();
    void cmdClose_Click();
    void tmrProgress_Timer();
    void Run_Finished();

signals:
    // The program's lessons answer these.
    void openLessonRequested();
    void makeLessonRequested();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildWidgets(const decay::EnsembleParams& initial);
    QWidget* buildParameters(const decay::EnsembleParams& initial);
    QLayout* buildControls(QWidget* parameters);
    QLayout* buildChartArea();
    void connectHandlers();
    void setRunning(bool running);
    void stopRun();
    void showPlot();
    void showHalfLives();

    Platform& m_platform;
    std::shared_ptr<decay::ProgressCounter> m_progress; // shared with the run in progress
    std::int64_t m_work = 1;
    QFutureWatcher<std::optional<Result>>* m_watcher;
    std::optional<Result> m_result;
    std::optional<decay::ClassData> m_data;
    std::optional<decay::DecayFit> m_fit;
};
