#include "NuclideChart.h"

#include "ui/Look.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSortFilterProxyModel>
#include <QStandardItemModel>
#include <QTabWidget>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>
#include <limits>

using look::qtext;

namespace {

// A run plays in about this many frames of 40 ms.
constexpr int kPlayFrames = 100;

// The items of one row of the table, the half-life sorting by seconds (stable last).
QList<QStandardItem*> tableRow(const decay::Nuclide& nuclide, int position)
{
    auto* name = new QStandardItem(nuclideName(nuclide));
    name->setData(position, Qt::UserRole + 1);
    name->setData(nuclide.z * 1000 + nuclide.a, Qt::UserRole);
    auto* z = new QStandardItem(QString::number(nuclide.z));
    z->setData(nuclide.z, Qt::UserRole);
    auto* n = new QStandardItem(QString::number(nuclide.a - nuclide.z));
    n->setData(nuclide.a - nuclide.z, Qt::UserRole);
    auto* life = new QStandardItem(halfLifeShown(nuclide));
    life->setData(nuclide.stable() ? std::numeric_limits<double>::infinity() : nuclide.halfLife, Qt::UserRole);
    auto* spin = new QStandardItem(qtext(nuclide.spinParity));
    spin->setData(qtext(nuclide.spinParity), Qt::UserRole);
    auto* modes = new QStandardItem(chart::modesText(nuclide));
    modes->setData(modes->text(), Qt::UserRole);
    QList<QStandardItem*> row{name, z, n, life, spin, modes};
    for (QStandardItem* item : row)
        item->setEditable(false);
    return row;
}

} // namespace

// The window

NuclideChart::NuclideChart(const decay::NuclideTable& table, QWidget* lab)
    : QWidget(lab, Qt::Window)
    , m_table(table)
{
    setObjectName(QStringLiteral("NuclideChart"));
    setWindowTitle(tr("Chart of nuclides"));
    setWindowIcon(look::windowIcon());
    auto* layout = new QVBoxLayout(this);
    auto* top = new QHBoxLayout;
    txtSearch = new QLineEdit;
    look::name(txtSearch, QStringLiteral("txtSearch"), tr("Find nuclide:"));
    txtSearch->setPlaceholderText(tr("U-238, 238U or uranium 238"));
    auto* findLabel = new QLabel(tr("Find nuclide:"));
    findLabel->setBuddy(txtSearch);
    cboColour = new QComboBox;
    look::name(cboColour, QStringLiteral("cboColour"), tr("Colour by:"));
    cboColour->addItems({tr("Main decay mode"), tr("Half-life")});
    auto* colourLabel = new QLabel(tr("Colour by:"));
    colourLabel->setBuddy(cboColour);
    top->addWidget(findLabel);
    top->addWidget(txtSearch, 1);
    top->addWidget(colourLabel);
    top->addWidget(cboColour);
    layout->addLayout(top);
    tabViews = new QTabWidget;
    look::name(tabViews, QStringLiteral("tabViews"), tr("Chart or table"));
    tabViews->addTab(buildChartPage(), tr("Chart"));
    tabViews->addTab(buildTablePage(), tr("Table"));
    layout->addWidget(tabViews, 1);
    lblDescription = new QLabel;
    lblDescription->setObjectName(QStringLiteral("lblDescription"));
    lblDescription->setWordWrap(true);
    layout->addWidget(lblDescription);
    lblNotes = new QLabel;
    lblNotes->setObjectName(QStringLiteral("lblNotes"));
    lblNotes->setWordWrap(true);
    lblNotes->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    layout->addWidget(lblNotes);
    lblSource = new QLabel(tr("Data: NUBASE2020, F.G. Kondev, M. Wang, W.J. Huang, S. Naimi and G. Audi, Chinese Physics C 45, "
                              "030001 (2021), under the CC BY 3.0 licence."));
    lblSource->setObjectName(QStringLiteral("lblSource"));
    lblSource->setWordWrap(true);
    layout->addWidget(lblSource);
    auto* commands = new QHBoxLayout;
    cmdShowChain = look::plainButton(QStringLiteral("cmdShowChain"), tr("Show chain in the lab"));
    cmdClose = look::plainButton(QStringLiteral("cmdClose"), tr("Close"));
    commands->addStretch(1);
    commands->addWidget(cmdShowChain);
    commands->addWidget(cmdClose);
    layout->addLayout(commands);

    m_player = new QTimer(this);
    m_player->setInterval(40);
    connect(m_player, &QTimer::timeout, this, &NuclideChart::playStep);
    connect(txtSearch, &QLineEdit::returnPressed, this, &NuclideChart::txtSearch_Enter);
    connect(cboColour, &QComboBox::currentIndexChanged, this, &NuclideChart::cboColour_Change);
    connect(txtFilter, &QLineEdit::textChanged, this, &NuclideChart::txtFilter_Change);
    connect(tblNuclides, &QTableView::activated, this, &NuclideChart::tblNuclides_Activate);
    connect(tabViews, &QTabWidget::currentChanged, this, [this] { fillTable(); showDescription(); });
    connect(picChart, &NuclideMap::chosen, this, &NuclideChart::choose);
    connect(picChart, &NuclideMap::selectionChanged, this, &NuclideChart::showDescription);
    connect(picChart, &NuclideMap::viewChanged, this, &NuclideChart::showDescription);
    connect(cmdShowChain, &QPushButton::clicked, this, &NuclideChart::cmdShowChain_Click);
    connect(cmdClose, &QPushButton::clicked, this, &NuclideChart::cmdClose_Click);
    resize(1000, 720);
}

QWidget* NuclideChart::buildChartPage()
{
    picChart = new NuclideMap(m_table);
    look::name(picChart, QStringLiteral("picChart"), tr("Chart of nuclides"));
    return picChart;
}

QWidget* NuclideChart::buildTablePage()
{
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    auto* form = new QFormLayout;
    txtFilter = look::formField(form, QStringLiteral("txtFilter"), tr("Filter:"));
    layout->addLayout(form);
    tblNuclides = new QTableView;
    look::name(tblNuclides, QStringLiteral("tblNuclides"), tr("Nuclides"));
    m_model = new QStandardItemModel(0, 6, this);
    m_model->setHorizontalHeaderLabels({tr("Nuclide"), tr("Z"), tr("N"), tr("Half-life"), tr("Spin and parity"), tr("Decay modes")});
    m_proxy = new QSortFilterProxyModel(this);
    m_proxy->setSourceModel(m_model);
    m_proxy->setSortRole(Qt::UserRole);
    m_proxy->setFilterKeyColumn(0);
    m_proxy->setFilterCaseSensitivity(Qt::CaseInsensitive);
    tblNuclides->setModel(m_proxy);
    tblNuclides->setSortingEnabled(true);
    tblNuclides->setSelectionBehavior(QAbstractItemView::SelectRows);
    tblNuclides->setSelectionMode(QAbstractItemView::SingleSelection);
    tblNuclides->horizontalHeader()->setStretchLastSection(true);
    tblNuclides->verticalHeader()->hide();
    layout->addWidget(tblNuclides, 1);
    return page;
}

// The table's 5,000 rows are made when it is first shown, so that the chart opens at once.
void NuclideChart::fillTable()
{
    if (m_model->rowCount() > 0 || tabViews->currentIndex() != 1)
        return;
    const decay::NuclideTable& table = m_table;
    for (std::size_t i = 0; i < table.nuclides.size(); ++i)
        m_model->appendRow(tableRow(table.nuclides[i], static_cast<int>(i)));
    tblNuclides->sortByColumn(0, Qt::AscendingOrder);
    tblNuclides->resizeColumnsToContents();
}

void NuclideChart::txtSearch_Enter()
{
    const auto found = chart::findNuclide(txtSearch->text(), m_table, chart::elementText);
    if (!found) {
        lblDescription->setText(tr("No nuclide of the table is called \"%1\".").arg(txtSearch->text()));
        return;
    }
    const int position = m_table.position(*found);
    picChart->select(position);
    if (tabViews->currentIndex() == 1) {
        for (int row = 0; row < m_proxy->rowCount(); ++row)
            if (m_proxy->index(row, 0).data(Qt::UserRole + 1).toInt() == position)
                tblNuclides->selectRow(row);
    }
}

void NuclideChart::cboColour_Change()
{
    picChart->setColouring(cboColour->currentIndex() == 1 ? chart::Colouring::HalfLife : chart::Colouring::MainMode);
    showDescription();
}

void NuclideChart::txtFilter_Change()
{
    m_proxy->setFilterFixedString(txtFilter->text());
    showDescription();
}

void NuclideChart::tblNuclides_Activate()
{
    const QModelIndex current = tblNuclides->currentIndex();
    if (!current.isValid())
        return;
    const int position = m_proxy->index(current.row(), 0).data(Qt::UserRole + 1).toInt();
    picChart->select(position);
    choose(position);
}

void NuclideChart::cmdShowChain_Click()
{
    if (picChart->selected() >= 0)
        choose(picChart->selected());
}

void NuclideChart::cmdClose_Click()
{
    close();
}

// A radioactive nuclide's chain goes into the lab; a stable one has none.
void NuclideChart::choose(int position)
{
    const decay::Nuclide& nuclide = m_table.nuclides[static_cast<std::size_t>(position)];
    if (nuclide.stable()) {
        lblDescription->setText(tr("%1 is stable: it has no chain.").arg(nuclideName(nuclide)));
        return;
    }
    emit nuclideChosen(qtext(nuclide.symbol));
}

// The chain as the lab built it, at the lab's threshold: a custom chain's members are not on the chart.
void NuclideChart::labChain_Change(const QString& start, const std::optional<decay::Chain>& chain, const QStringList& notes)
{
    m_player->stop();
    picChart->setChain(start.isEmpty() ? std::nullopt : chain);
    // A chain chosen elsewhere moves the chart to it; one clicked on the chart is in sight.
    if (const int position = m_table.position(start.toStdString()); position >= 0 && position != picChart->selected())
        picChart->select(position);
    // What the lab's chain leaves out: weak branches, fission, modes without a share, members
    // beyond what a run takes.
    lblNotes->setText(notes.isEmpty() || start.isEmpty() ? QString() : tr("Left out of the chain: %1").arg(notes.join(QLatin1Char(' '))));
    showDescription();
}

// The lab's last run, played from its first step to its last in about four seconds.
void NuclideChart::labRun_Done(const decay::LabRun& run)
{
    m_played = run;
    picChart->setChain(run.chain);
    m_playedStep = 0;
    m_player->start();
}

void NuclideChart::playStep()
{
    const auto& result = m_played;
    if (!result || result->atoms.members != result->chain.size()) {
        m_player->stop();
        return;
    }
    const decay::ChainSeries& counts = result->atoms;
    const int step = std::min(m_playedStep, counts.steps);
    double all = 0;
    for (int member = 0; member < counts.members; ++member)
        all += counts.at(member, step);
    std::vector<double> shares;
    for (int member = 0; member < counts.members; ++member)
        shares.push_back(all > 0 ? counts.at(member, step) / all : 0);
    picChart->setLit(shares);
    if (step >= counts.steps)
        m_player->stop();
    m_playedStep += std::max(1, counts.steps / kPlayFrames);
}

QString NuclideChart::description() const
{
    const QSizeF area = picChart->area().size();
    const auto [firstN, lastN, firstZ, lastZ] =
        decay::shownRange(picChart->view(), area.width(), area.height(), picChart->grid().maxN(), picChart->grid().maxZ());
    int shown = 0, stable = 0;
    for (const decay::Nuclide& nuclide : m_table.nuclides) {
        const int n = nuclide.a - nuclide.z;
        if (nuclide.state == 0 && n >= firstN && n <= lastN && nuclide.z >= firstZ && nuclide.z <= lastZ) {
            ++shown;
            stable += nuclide.stable() ? 1 : 0;
        }
    }
    //: %1 to %4 the neutron and proton numbers shown, %5 "main decay mode" or "half-life", %6 and %7 counts.
    QString text = tr("The chart shows N %1 to %2 and Z %3 to %4, coloured by %5: %6 nuclides, %7 of them stable.")
                       .arg(firstN).arg(std::max(firstN, lastN)).arg(firstZ).arg(std::max(firstZ, lastZ))
                       .arg(cboColour->currentIndex() == 1 ? tr("half-life", "the chart is coloured by") : tr("main decay mode", "the chart is coloured by"))
                       .arg(shown).arg(stable);
    if (picChart->selected() >= 0) {
        const decay::Nuclide& nuclide = m_table.nuclides[static_cast<std::size_t>(picChart->selected())];
        text += QLatin1Char(' ') + tr("Chosen: %1, half-life %2%3.")
                                      .arg(nuclideName(nuclide), halfLifeShown(nuclide),
                                           nuclide.modes.empty() ? QString() : QStringLiteral(", ") + chart::modesText(nuclide));
    }
    if (tabViews->currentIndex() == 1)
        text += QLatin1Char(' ') + tr("The table lists %1 nuclides.").arg(m_proxy->rowCount());
    return text;
}

void NuclideChart::showDescription()
{
    const QString text = description();
    lblDescription->setText(text);
    picChart->setAccessibleDescription(text);
}
