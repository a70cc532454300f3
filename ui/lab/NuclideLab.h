#pragma once

#include "model/ChainActivity.h"
#include "model/ChainRuns.h"
#include "model/NuclideTable.h"

#include <QWidget>

#include <optional>
#include <string_view>

class ChartLegend;
class ExperimentChart;
class NuclideChart;
class Platform;
class QCheckBox;
class QComboBox;
class QLabel;
class QLayout;
class QLineEdit;
class QRadioButton;
class QPushButton;
class QTableWidget;

// A time unit's symbol ("h", or NUBASE's "My") as the user's language writes it; one it does not
// know as it is.
QString unitText(std::string_view unit);

// Real nuclides in real time: a chain from the nuclide table or one the user types in, run
// exactly or atom by atom, shown as numbers of atoms, activities or the activity of a daughter
// against its parent's, with the equilibrium that ratio settles into.
class NuclideLab : public QWidget {
    Q_OBJECT

public:
    explicit NuclideLab(Platform& platform);

    // The members table's columns.
    enum Column { ColName, ColHalfLife, ColUnit, ColDaughter, ColBranch, ColAtoms, ColumnCount };

    // What the last run computed; the chart and the file show it.
    struct Result {
        decay::Chain chain;
        decay::RunSetup setup;
        decay::TimeUnit unit;    // of the step entry, the file's and the chart's time
        bool random = false;
        decay::ChainSeries counts;   // the random run's, or the exact solution
        std::optional<decay::ChainSeries> expected; // of a random run
    };
    const std::optional<Result>& result() const { return m_result; }
    const decay::NuclideTable& table() const { return m_table; }

    // The worksheet: the run, the chart, the equilibrium and questions, on one page.
    void paintWorksheet(QPainter& painter) const;

    QComboBox* cboNuclide;
    QTableWidget* tblMembers;
    QLineEdit* txtStep;
    QComboBox* cboStepUnit;
    QLineEdit* txtSteps;
    QPushButton* cmdExact;
    QPushButton* cmdRandom;
    QComboBox* cboMilk;
    QLineEdit* txtMilkStep;
    QPushButton* cmdMilk;
    QLabel* lblStatus;
    QRadioButton* optAtoms;
    QRadioButton* optActivity;
    QRadioButton* optRatio;
    QCheckBox* chkLog;
    QComboBox* cboActivityUnit;
    QComboBox* cboDaughter;
    ExperimentChart* chartLab;
    ChartLegend* frmLegend;
    QLabel* lblEquilibrium;
    QPushButton* cmdExport;
    QPushButton* cmdSaveImage;
    QPushButton* cmdPrint;
    QPushButton* cmdCounter;
    QPushButton* cmdChart;
    QPushButton* cmdClose;

    void cboNuclide_Change();
    void cmdExact_Click();
    void cmdRandom_Click();
    void cmdMilk_Click();
    void optView_Click();
    void cboDaughter_Change();
    void cmdExport_Click();
    void cmdSaveImage_Click();
    void cmdPrint_Click();
    void cmdCounter_Click();
    void cmdChart_Click();
    void cmdClose_Click();
    // Shows the chain that starts at a radioactive nuclide of the table, offered from then on.
    void showChainOf(const QString& symbol);

signals:
    // The last run is to be counted.
    void countRequested();

private:
    QLayout* buildEntries();
    QLayout* buildChartArea();
    void connectHandlers();
    void showLinks(const std::optional<decay::Chain>& chain);
    void showMembers(const decay::Chain& chain);
    void showCustomMembers();
    std::optional<decay::Chain> readChain();
    std::optional<decay::RunSetup> readSetup(const decay::Chain& chain, bool milk);
    void run(bool random, bool milk);
    void showPlot();
    void showEquilibrium();
    void setResultCommands();

    Platform& m_platform;
    decay::NuclideTable m_table;
    std::optional<decay::Chain> m_chain; // the chosen table chain; empty for a custom chain
    std::optional<Result> m_result;
    bool m_lastRandom = false;
    NuclideChart* m_nuclideChart = nullptr;
};
