#pragma once

#include "model/common/Progress.h"
#include "model/nuclides/ChainActivity.h"
#include "model/nuclides/LabPlot.h"
#include "model/nuclides/LabRun.h"
#include "model/nuclides/NuclideLabSession.h"
#include "model/nuclides/NuclideTable.h"
#include "model/nuclides/TableChain.h"

#include <QFutureWatcher>
#include <QWidget>

#include <memory>
#include <optional>

class NuclideChart;
class PlotLegend;
class PlotChart;
class Platform;
class QCheckBox;
class QComboBox;
class QFormLayout;
class QGroupBox;
class QLabel;
class QToolButton;
class QLayout;
class QLineEdit;
class QProgressBar;
class QRadioButton;
class QPushButton;
class QTableWidget;
class QTimer;

// Real nuclides in real time: a chain from the nuclide table or one the user types in, run
// exactly or atom by atom, shown as numbers of atoms, activities or the activity of a daughter
// against its parent's, with the equilibrium that ratio settles into.
class NuclideLab : public QWidget {
    Q_OBJECT

public:
    explicit NuclideLab(Platform& platform);
    ~NuclideLab() override;

    // The members table's columns.
    enum Column { ColName, ColHalfLife, ColUnit, ColDaughter, ColBranch, ColAtoms, ColAmountUnit, ColMode, ColumnCount };
    // The list of units of a member's amount, in the row of the members table.
    QComboBox* amountUnit(int row) const;

    // What the last run computed; the chart, the file and the counter show it.
    const std::optional<decay::LabRun>& result() const { return m_session.result(); }
    const decay::NuclideTable& table() const { return m_session.table(); }
    // A random run is going on its own thread; the entries wait for it.
    bool running() const;

    // The worksheet: the run, the chart, the equilibrium and questions, on one page.
    void paintWorksheet(QPainter& painter) const;

    QComboBox* cboNuclide;
    QLineEdit* txtThreshold;
    QTableWidget* tblMembers;
    QLineEdit* txtStep;
    QComboBox* cboStepUnit;
    QComboBox* cboGrid;
    QLineEdit* txtFirstTime;
    QComboBox* cboFirstUnit;
    QLineEdit* txtLastTime;
    QComboBox* cboLastUnit;
    QLineEdit* txtPerDecade;
    QLineEdit* txtSteps;
    QPushButton* cmdExact;
    QPushButton* cmdRandom;
    QProgressBar* barProgress;
    QPushButton* cmdCancel;
    QComboBox* cboMilk;
    QLineEdit* txtMilkStep;
    QPushButton* cmdMilk;
    QLabel* lblStatus;
    QLabel* lblNotes;
    QToolButton* cmdNotes;
    QLabel* lblNoteList;
    QRadioButton* optAtoms;
    QRadioButton* optActivity;
    QRadioButton* optRatio;
    QCheckBox* chkLog;
    QComboBox* cboActivityUnit;
    QComboBox* cboDaughter;
    QComboBox* cboOver;
    PlotChart* chartLab;
    PlotLegend* frmLegend;
    QLabel* lblEquilibrium;
    QPushButton* cmdExport;
    QPushButton* cmdSaveImage;
    QPushButton* cmdPrint;
    QPushButton* cmdCounter;
    QPushButton* cmdShowAtoms;
    QPushButton* cmdChart;
    QPushButton* cmdOpenLesson;
    QPushButton* cmdMakeLesson;
    QPushButton* cmdClose;

    void cboNuclide_Change();
    void txtThreshold_Change();
    void cmdExact_Click();
    void cmdRandom_Click();
    void cmdMilk_Click();
    void cmdCancel_Click();
    void optView_Click();
    void cboDaughter_Change();
    void cboOver_Change();
    void cboGrid_Change();
    void cmdExport_Click();
    void cmdSaveImage_Click();
    void cmdPrint_Click();
    void cmdCounter_Click();
    void cmdShowAtoms_Click();
    void cmdChart_Click();
    void cmdOpenLesson_Click();
    void cmdMakeLesson_Click();
    void cmdClose_Click();
    // Shows the chain that starts at a radioactive nuclide of the table, offered from then on.
    void showChainOf(const QString& symbol);

signals:
    // A run has finished and result() holds it.
    void runDone();
    // The last run is to be counted.
    void countRequested();
    // The program's lessons answer these.
    void openLessonRequested();
    void makeLessonRequested();

private:
    QLayout* buildEntries();
    QLayout* buildChartArea();
    void connectHandlers();
    void showLinks(const std::optional<decay::Chain>& chain);
    void showMembers(const decay::Chain& chain);
    void tblMembers_Point(int row);
    void showCustomMembers();
    std::optional<decay::Chain> readChain();
    decay::RunSetupTexts readSetup(const decay::Chain& chain, bool milk) const;
    void run(bool random, bool milk);
    void Run_Finished();
    void tmrProgress_Timer();
    void showRun();
    bool runFailed(const decay::Message& error);
    void setRunning(bool running);
    void stopRun();
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showPlot();
    decay::LabView view() const;
    void showEquilibrium();
    std::optional<decay::Chain> viewedChain() const;
    void showDefaults();
    int rowOf(QWidget* field) const;
    void showUpstream(const std::optional<decay::Chain>& chain);
    void setResultCommands();
    void showChainOnChart();

    Platform& m_platform;
    decay::NuclideLabSession m_session;
    bool m_custom = false; // a chain typed into the members table, read anew at every run
    QFormLayout* m_runForm = nullptr;
    QGroupBox* m_sampleBox = nullptr;
    QGroupBox* m_runBox = nullptr;
    QTimer* tmrProgress = nullptr;
    std::shared_ptr<decay::ProgressCounter> m_progress; // of the random run going, else empty
    int m_work = 1;                                      // its steps
    QFutureWatcher<std::optional<decay::LabRun>>* m_watcher = nullptr;
    bool m_lastRandom = false;
    NuclideChart* m_nuclideChart = nullptr;
    QStringList m_notes; // what the table chain shown leaves out
};
