#pragma once

#include "NuclideMap.h"

#include "model/nuclides/LabRun.h"

#include <QWidget>

#include <optional>
#include <vector>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSortFilterProxyModel;
class QStandardItemModel;
class QTabWidget;
class QTableView;
class QTimer;

// The chart of nuclides window of the nuclide lab, with a searchable table of the same nuclides
// for keyboard and screen-reader users.
class NuclideChart : public QWidget {
    Q_OBJECT

public:
    NuclideChart(const decay::NuclideTable& table, QWidget* lab);

    QLineEdit* txtSearch;
    QComboBox* cboColour;
    QTabWidget* tabViews;
    NuclideMap* picChart;
    QLineEdit* txtFilter;
    QTableView* tblNuclides;
    QLabel* lblDescription;
    QLabel* lblNotes;
    QLabel* lblSource;
    QPushButton* cmdShowChain;
    QPushButton* cmdClose;

    void txtSearch_Enter();
    void cboColour_Change();
    void txtFilter_Change();
    void tblNuclides_Activate();
    void cmdShowChain_Click();
    void cmdClose_Click();
    // The lab shows the table chain from `start` with what it leaves out, or a custom chain (no
    // start), or ran `run`, which is played.
    void labChain_Change(const QString& start, const std::optional<decay::Chain>& chain, const QStringList& notes);
    void labRun_Done(const decay::LabRun& run);

    // The text a screen reader reads for the chart: what is shown, what is chosen.
    QString description() const;

signals:
    // A nuclide whose chain the lab is to show.
    void nuclideChosen(const QString& symbol);

private:
    QWidget* buildChartPage();
    QWidget* buildTablePage();
    void fillTable();
    void showDescription();
    void choose(int position);
    void playStep();

    const decay::NuclideTable& m_table;
    std::optional<decay::LabRun> m_played;
    QStandardItemModel* m_model = nullptr;
    QSortFilterProxyModel* m_proxy = nullptr;
    QTimer* m_player = nullptr;
    int m_playedStep = 0;
};
