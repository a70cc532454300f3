#include "NuclideLab.h"

#include "NuclideChart.h"

#include "model/common/Conversions.h"
#include "model/common/NumberEntry.h"
#include "model/common/TimeUnits.h"

#include "output/ChainFile.h"
#include "ui/ExportFile.h"
#include "ui/atoms/AtomsWindow.h"
#include "ui/ImageFile.h"
#include "ui/Look.h"
#include "ui/ModelText.h"
#include "ui/Numbers.h"
#include "ui/Platform.h"
#include "ui/PrintForm.h"
#include "ui/TimeText.h"
#include "ui/WorksheetPage.h"
#include "ui/charts/PlotChart.h"
#include "ui/charts/PlotLegend.h"
#include "ui/nuclides/LabPlots.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QFile>
#include <QFormLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QTimer>
#include <QToolButton>
#include <QtConcurrent>
#include <QVBoxLayout>

#include <algorithm>
#include <array>

using look::decimalPoint;
using look::qtext;
using look::text;

namespace {

// The table compiled into the program; the tests parse the same file, so a fault in it shows
// there first.
QString loadTable(decay::NuclideLabSession& session)
{
    QFile file(QStringLiteral(":/data/nuclides.txt"));
    const QByteArray bytes = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    const std::string problem = session.loadTable(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    if (problem.empty())
        return {};
    return NuclideLab::tr("The nuclide table cannot be read (%1); only a custom chain can be run.").arg(qtext(problem));
}

QComboBox* comboBox(const QString& objectName, const QString& accessibleName, const QStringList& items)
{
    auto* box = new QComboBox;
    look::name(box, objectName, accessibleName);
    box->addItems(items);
    return box;
}

// The units a member's amount can be given in, each with its place in the model's list.
QComboBox* amountUnitBox(const QString& objectName, const QString& accessibleName, const std::vector<decay::AmountUnit>& units)
{
    const QStringList names{NuclideLab::tr("atoms"), NuclideLab::tr("grams"), NuclideLab::tr("becquerel")};
    auto* box = comboBox(objectName, accessibleName, {});
    const QStringList keys{QStringLiteral("atoms"), QStringLiteral("g"), QStringLiteral("Bq")}; // as a lesson names them
    for (decay::AmountUnit unit : units) {
        box->addItem(names[static_cast<int>(unit)], static_cast<int>(unit));
        box->setItemData(box->count() - 1, keys[static_cast<int>(unit)], look::kChoiceKeyRole);
    }
    return box;
}

QTableWidgetItem* cell(const QString& text, bool editable)
{
    auto* item = new QTableWidgetItem(text);
    if (!editable)
        item->setFlags(item->flags() & ~Qt::ItemIsEditable);
    return item;
}

// A list's choice, the first when none is made.
template <class T, std::size_t N> T chosen(const std::array<T, N>& items, const QComboBox* box)
{
    const int index = box->currentIndex();
    return items[index >= 0 && static_cast<std::size_t>(index) < N ? static_cast<std::size_t>(index) : 0];
}

} // namespace

NuclideLab::NuclideLab(Platform& platform)
    : m_platform(platform)
{
    look::ownWindow(this, QStringLiteral("NuclideLab"), tr("Nuclide lab"));

    const QString problem = loadTable(m_session);
    auto* top = new QHBoxLayout(this);
    top->addLayout(buildEntries());
    top->addLayout(buildChartArea(), 1);
    m_watcher = new QFutureWatcher<std::optional<decay::LabRun>>(this);
    tmrProgress = new QTimer(this);
    tmrProgress->setObjectName(QStringLiteral("tmrProgress"));
    tmrProgress->setInterval(50); // the bar moves twenty times a second
    connectHandlers();
    cboNuclide_Change();
    if (!problem.isEmpty())
        lblStatus->setText(problem);
    resize(1200, 760);
}

// The chain, its members and the run's entries above the commands.
QLayout* NuclideLab::buildEntries()
{
    auto* sample = m_sampleBox = new QGroupBox(tr("Sample"));
    look::name(sample, QStringLiteral("frmSample"), sample->title());
    auto* sampleLayout = new QVBoxLayout(sample);
    auto* chooser = new QFormLayout;
    QStringList chains;
    for (const std::string& first : table().chainStarts)
        chains.append(LabPlots::nuclideTitle(*table().find(first)));
    chains.append(tr("Custom chain"));
    cboNuclide = comboBox(QStringLiteral("cboNuclide"), tr("Nuclide"), chains);
    // A lesson names a chain by its first member, whatever the user's language.
    for (int i = 0; i < static_cast<int>(table().chainStarts.size()); ++i)
        cboNuclide->setItemData(i, qtext(table().chainStarts[static_cast<std::size_t>(i)]), look::kChoiceKeyRole);
    cboNuclide->setItemData(cboNuclide->count() - 1, QStringLiteral("custom"), look::kChoiceKeyRole);
    cmdChart = look::plainButton(QStringLiteral("cmdChart"), tr("Chart of nuclides..."));
    auto* nuclideRow = new QHBoxLayout;
    nuclideRow->addWidget(cboNuclide, 1);
    nuclideRow->addWidget(cmdChart);
    chooser->addRow(tr("Nuclide:"), nuclideRow);
    txtThreshold = look::formField(chooser, QStringLiteral("txtThreshold"), tr("Leave out branches below (%):"));
    txtThreshold->setText(numbers::entry(100 * m_session.threshold(), 6));
    sampleLayout->addLayout(chooser);
    tblMembers = new QTableWidget(0, ColumnCount);
    look::name(tblMembers, QStringLiteral("tblMembers"), tr("Members of the chain"));
    tblMembers->setHorizontalHeaderLabels({tr("Nuclide"), tr("Half-life"), tr("Unit"),
                                           tr("Decays to"), tr("Branch fraction"), tr("Initial amount"), tr("Amount unit"), tr("Decay mode")});
    tblMembers->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    tblMembers->verticalHeader()->setDefaultSectionSize(26);
    tblMembers->setMinimumWidth(660);
    tblMembers->setIconSize(QSize(20, 12)); // the members' line samples
    tblMembers->horizontalHeader()->setStretchLastSection(true);
    // The amounts beside the half-lives, where a narrow table still shows them without scrolling.
    tblMembers->horizontalHeader()->moveSection(ColAtoms, ColDaughter);
    tblMembers->horizontalHeader()->moveSection(ColAmountUnit, ColDaughter + 1);
    sampleLayout->addWidget(tblMembers);

    auto* runBox = m_runBox = new QGroupBox(tr("Run"));
    look::name(runBox, QStringLiteral("frmRun"), runBox->title());
    auto* form = new QFormLayout(runBox);
    m_runForm = form;
    cboGrid = comboBox(QStringLiteral("cboGrid"), tr("Time grid:"), {tr("uniform"), tr("logarithmic")});
    form->addRow(tr("Time grid:"), cboGrid);
    txtStep = new QLineEdit;
    look::name(txtStep, QStringLiteral("txtStep"), tr("Time step:"));
    cboStepUnit = comboBox(QStringLiteral("cboStepUnit"), tr("Time unit"), timeUnitNames());
    auto* stepRow = new QHBoxLayout;
    stepRow->addWidget(txtStep, 1);
    stepRow->addWidget(cboStepUnit);
    form->addRow(tr("Time step:"), stepRow);
    txtSteps = look::formField(form, QStringLiteral("txtSteps"), tr("Number of steps:"));
    const auto timeRow = [&](QLineEdit*& field, QComboBox*& unit, const QString& name, const QString& unitName, const QString& label) {
        field = new QLineEdit;
        look::name(field, name, label);
        unit = comboBox(unitName, tr("Time unit"), timeUnitNames());
        auto* row = new QHBoxLayout;
        row->addWidget(field, 1);
        row->addWidget(unit);
        form->addRow(label, row);
    };
    timeRow(txtFirstTime, cboFirstUnit, QStringLiteral("txtFirstTime"), QStringLiteral("cboFirstUnit"), tr("First time:"));
    timeRow(txtLastTime, cboLastUnit, QStringLiteral("txtLastTime"), QStringLiteral("cboLastUnit"), tr("Last time:"));
    txtPerDecade = look::formField(form, QStringLiteral("txtPerDecade"), tr("Points per decade:"));
    // A lesson names a time unit by its symbol.
    for (QComboBox* units : {cboStepUnit, cboFirstUnit, cboLastUnit})
        for (int i = 0; i < units->count() && i < static_cast<int>(decay::kTimeUnits.size()); ++i)
            units->setItemData(i, qtext(std::string(decay::unitName(decay::kTimeUnits[static_cast<std::size_t>(i)]))), look::kChoiceKeyRole);
    cmdExact = look::plainButton(QStringLiteral("cmdExact"), tr("Exact"));
    cmdExact->setDefault(true);
    cmdRandom = look::plainButton(QStringLiteral("cmdRandom"), tr("Random"));
    auto* runRow = new QHBoxLayout;
    runRow->addWidget(cmdExact);
    runRow->addWidget(cmdRandom);
    form->addRow(QString(), runRow);
    cboMilk = comboBox(QStringLiteral("cboMilk"), tr("Member to milk:"), {});
    form->addRow(tr("Member to milk:"), cboMilk);
    txtMilkStep = look::formField(form, QStringLiteral("txtMilkStep"), tr("Milk after step:"));
    cmdMilk = look::plainButton(QStringLiteral("cmdMilk"), tr("Milk"));
    form->addRow(QString(), cmdMilk);

    // Outside the run's box, which waits while a random run goes.
    barProgress = new QProgressBar;
    look::name(barProgress, QStringLiteral("barProgress"), tr("Progress"));
    barProgress->setRange(0, 1000);
    barProgress->setTextVisible(false);
    cmdCancel = look::plainButton(QStringLiteral("cmdCancel"), tr("Cancel"));
    cmdCancel->setEnabled(false);
    auto* progressRow = new QHBoxLayout;
    progressRow->addWidget(barProgress, 1);
    progressRow->addWidget(cmdCancel);

    lblStatus = new QLabel;
    lblStatus->setObjectName(QStringLiteral("lblStatus"));
    lblStatus->setWordWrap(true);
    // What the table chain leaves out, in a sentence, with the notes behind a disclosure.
    lblNotes = new QLabel;
    lblNotes->setObjectName(QStringLiteral("lblNotes"));
    lblNotes->setWordWrap(true);
    cmdNotes = new QToolButton;
    cmdNotes->setCheckable(true);
    cmdNotes->setArrowType(Qt::RightArrow);
    cmdNotes->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    look::name(cmdNotes, QStringLiteral("cmdNotes"), tr("Details"));
    cmdNotes->setText(tr("Details"));
    lblNoteList = new QLabel;
    lblNoteList->setObjectName(QStringLiteral("lblNoteList"));
    lblNoteList->setWordWrap(true);
    lblNoteList->setVisible(false);
    connect(cmdNotes, &QToolButton::toggled, this, [this](bool open) {
        cmdNotes->setArrowType(open ? Qt::DownArrow : Qt::RightArrow);
        lblNoteList->setVisible(open);
    });
    cmdExport = look::plainButton(QStringLiteral("cmdExport"), tr("Export CSV..."));
    const look::ChartCommands commands = look::chartCommands();
    cmdSaveImage = commands.saveImage;
    cmdPrint = commands.print;
    cmdCounter = look::plainButton(QStringLiteral("cmdCounter"), tr("Counter..."));
    cmdShowAtoms = look::plainButton(QStringLiteral("cmdShowAtoms"), tr("Show the atoms..."));
    cmdClose = commands.close;
    cmdOpenLesson = look::plainButton(QStringLiteral("cmdOpenLesson"), tr("Open lesson..."));
    cmdMakeLesson = look::plainButton(QStringLiteral("cmdMakeLesson"), tr("Make lesson..."));

    auto* left = new QVBoxLayout;
    left->addWidget(sample, 1);
    left->addWidget(runBox);
    left->addLayout(progressRow);
    left->addWidget(lblStatus);
    auto* notesRow = new QHBoxLayout;
    notesRow->addWidget(lblNotes, 1);
    notesRow->addWidget(cmdNotes, 0, Qt::AlignTop);
    left->addLayout(notesRow);
    left->addWidget(lblNoteList);
    auto* files = new QHBoxLayout;
    for (QPushButton* b : {cmdExport, cmdSaveImage, cmdPrint, cmdCounter, cmdClose})
        files->addWidget(b);
    auto* lessons = new QHBoxLayout;
    lessons->addWidget(cmdOpenLesson);
    lessons->addWidget(cmdMakeLesson);
    lessons->addStretch();
    lessons->addWidget(cmdShowAtoms);
    left->addLayout(lessons);
    left->addLayout(files);
    return left;
}

// The views with their settings, the chart, its legend and the equilibrium in words.
QLayout* NuclideLab::buildChartArea()
{
    optAtoms = new QRadioButton(tr("Atoms N(t)"));
    optAtoms->setObjectName(QStringLiteral("optAtoms"));
    optActivity = new QRadioButton(tr("Activity A(t)"));
    optActivity->setObjectName(QStringLiteral("optActivity"));
    optRatio = new QRadioButton(tr("Activity ratio"));
    optRatio->setObjectName(QStringLiteral("optRatio"));
    QHBoxLayout* viewRow = look::viewRow(this, {optAtoms, optActivity, optRatio});
    chkLog = new QCheckBox(tr("Logarithmic scale"));
    chkLog->setObjectName(QStringLiteral("chkLog"));
    viewRow->addWidget(chkLog);
    viewRow->addStretch();

    QStringList units;
    for (decay::ActivityUnit unit : decay::kActivityUnits)
        units.append(qtext(std::string(decay::activityUnitName(unit))));
    cboActivityUnit = comboBox(QStringLiteral("cboActivityUnit"), tr("Activity unit:"), units);
    cboDaughter = comboBox(QStringLiteral("cboDaughter"), tr("Daughter:"), {});
    cboOver = comboBox(QStringLiteral("cboOver"), tr("Over:"), {});
    for (QComboBox* members : {cboDaughter, cboOver})
        members->setMinimumContentsLength(6); // "Pa-234m" whole
    auto* settings = new QHBoxLayout;
    settings->addWidget(new QLabel(tr("Activity unit:")));
    settings->addWidget(cboActivityUnit);
    settings->addSpacing(16);
    settings->addWidget(new QLabel(tr("Daughter:")));
    settings->addWidget(cboDaughter);
    settings->addWidget(new QLabel(tr("Over:")));
    settings->addWidget(cboOver);
    settings->addStretch();

    chartLab = new PlotChart;
    look::name(chartLab, QStringLiteral("chartLab"), tr("Chart of the nuclide lab"));
    chartLab->setFocusPolicy(Qt::StrongFocus); // so that a screen reader can reach its description
    frmLegend = new PlotLegend(*chartLab, 4);
    look::name(frmLegend, QStringLiteral("frmLegend"), tr("Legend"));
    lblEquilibrium = new QLabel;
    lblEquilibrium->setObjectName(QStringLiteral("lblEquilibrium"));
    lblEquilibrium->setWordWrap(true);

    auto* right = new QVBoxLayout;
    right->addLayout(viewRow);
    right->addLayout(settings);
    right->addWidget(chartLab, 1);
    right->addWidget(frmLegend);
    right->addWidget(lblEquilibrium);
    return right;
}

void NuclideLab::connectHandlers()
{
    connect(cboNuclide, &QComboBox::currentIndexChanged, this, &NuclideLab::cboNuclide_Change);
    connect(txtThreshold, &QLineEdit::editingFinished, this, &NuclideLab::txtThreshold_Change);
    connect(cboGrid, &QComboBox::currentIndexChanged, this, &NuclideLab::cboGrid_Change);
    tblMembers->setMouseTracking(true);
    tblMembers->viewport()->installEventFilter(this);
    tblMembers->installEventFilter(this);
    connect(tblMembers, &QTableWidget::cellEntered, this, &NuclideLab::tblMembers_Point);
    connect(tblMembers, &QTableWidget::currentCellChanged, this, &NuclideLab::tblMembers_Point);
    connect(cmdExact, &QPushButton::clicked, this, &NuclideLab::cmdExact_Click);
    connect(cmdRandom, &QPushButton::clicked, this, &NuclideLab::cmdRandom_Click);
    connect(cmdMilk, &QPushButton::clicked, this, &NuclideLab::cmdMilk_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &NuclideLab::cmdCancel_Click);
    connect(m_watcher, &QFutureWatcherBase::finished, this, &NuclideLab::Run_Finished);
    connect(tmrProgress, &QTimer::timeout, this, &NuclideLab::tmrProgress_Timer);
    for (QRadioButton* option : {optAtoms, optActivity, optRatio})
        connect(option, &QRadioButton::toggled, this, &NuclideLab::optView_Click);
    connect(chkLog, &QCheckBox::toggled, this, &NuclideLab::optView_Click);
    connect(cboActivityUnit, &QComboBox::currentIndexChanged, this, &NuclideLab::optView_Click);
    connect(cboDaughter, &QComboBox::currentIndexChanged, this, &NuclideLab::cboDaughter_Change);
    connect(cboOver, &QComboBox::currentIndexChanged, this, &NuclideLab::cboOver_Change);
    connect(cmdExport, &QPushButton::clicked, this, &NuclideLab::cmdExport_Click);
    connect(cmdSaveImage, &QPushButton::clicked, this, &NuclideLab::cmdSaveImage_Click);
    connect(cmdPrint, &QPushButton::clicked, this, &NuclideLab::cmdPrint_Click);
    connect(cmdCounter, &QPushButton::clicked, this, &NuclideLab::cmdCounter_Click);
    connect(cmdShowAtoms, &QPushButton::clicked, this, &NuclideLab::cmdShowAtoms_Click);
    connect(cmdChart, &QPushButton::clicked, this, &NuclideLab::cmdChart_Click);
    connect(cmdOpenLesson, &QPushButton::clicked, this, &NuclideLab::cmdOpenLesson_Click);
    connect(cmdMakeLesson, &QPushButton::clicked, this, &NuclideLab::cmdMakeLesson_Click);
    connect(cmdClose, &QPushButton::clicked, this, &NuclideLab::cmdClose_Click);
}

// Chain

void NuclideLab::cboNuclide_Change()
{
    const int index = cboNuclide->currentIndex();
    const bool custom = index < 0 || index >= static_cast<int>(table().chainStarts.size());
    m_custom = custom;
    QStringList notes; // what the table chain leaves out
    decay::Message summary;
    if (custom) {
        showCustomMembers();
    } else {
        const decay::TableChain entry = m_session.chooseTable(table().chainStarts[static_cast<std::size_t>(index)]);
        for (const decay::Message& note : entry.notes)
            notes.append(modelText(note));
        summary = entry.summary;
        if (entry.chain)
            showMembers(*entry.chain);
        else
            lblStatus->setText(modelText(entry.error));
    }
    // A chain read here is the session's chain shown, whose entries the defaults are.
    const std::optional<decay::Chain> chain = readChain();
    if (chain)
        showDefaults();
    showLinks(chain);
    lblStatus->setText(custom ? tr("Type up to five members: a name, a half-life (empty for a stable member), "
                                               "the number of the member it decays to and the branch fraction.")
                              : tr("Press Exact for the continuous solution or Random for a run atom by atom."));
    lblNotes->setText(modelText(summary));
    m_notes = notes;
    lblNoteList->setText(notes.join(QLatin1Char('\n')));
    lblNotes->setVisible(!notes.isEmpty());
    cmdNotes->setVisible(!notes.isEmpty());
    cmdNotes->setChecked(false);
    setResultCommands();
    showPlot();
    showEquilibrium();
    showChainOnChart();
}

// The chart of nuclides, once open, draws the chain shown and says what it leaves out.
void NuclideLab::showChainOnChart()
{
    if (!m_nuclideChart)
        return;
    const QString start = m_custom ? QString() : qtext(table().chainStarts[static_cast<std::size_t>(cboNuclide->currentIndex())]);
    m_nuclideChart->labChain_Change(start, m_session.shown(), m_notes);
}

// The entries a chain starts with: its grid, and the amount of its first member.
void NuclideLab::showDefaults()
{
    const std::optional<decay::NuclideLabSession::Defaults> shown = m_session.defaults();
    if (!shown)
        return;
    // The lists hold the model's units and grids in their order.
    const decay::RunSetupTexts& entries = shown->entries;
    txtStep->setText(numbers::entry(entries.step));
    cboStepUnit->setCurrentIndex(static_cast<int>(entries.unit));
    txtSteps->setText(numbers::entry(entries.steps));
    txtFirstTime->setText(numbers::entry(entries.first));
    cboFirstUnit->setCurrentIndex(static_cast<int>(entries.firstUnit));
    txtLastTime->setText(numbers::entry(entries.last));
    cboLastUnit->setCurrentIndex(static_cast<int>(entries.lastUnit));
    txtPerDecade->setText(numbers::entry(entries.perDecade));
    cboGrid->setCurrentIndex(static_cast<int>(entries.grid));
    cboGrid_Change();
    txtMilkStep->setText(QString::number(shown->milkStep));
    // A typed chain keeps the amounts and units of its example.
    for (int row = 0; !m_custom && row < tblMembers->rowCount(); ++row)
        if (auto* unit = amountUnit(row); unit && static_cast<std::size_t>(row) < entries.amountUnits.size())
            unit->setCurrentIndex(std::max(unit->findData(static_cast<int>(entries.amountUnits[static_cast<std::size_t>(row)])), 0));
    if (!m_custom && tblMembers->rowCount() > 0 && tblMembers->item(0, ColAtoms))
        tblMembers->item(0, ColAtoms)->setText(numbers::entry(entries.initial.front()));
    (shown->view.kind == decay::LabView::Kind::Activity ? optActivity : optAtoms)->setChecked(true);
    chkLog->setChecked(shown->view.logY);
}

// A uniform grid takes a step and a number of steps, a logarithmic one a first and a last time
// and the points per decade.
void NuclideLab::cboGrid_Change()
{
    const bool logarithmic = cboGrid->currentIndex() == 1;
    for (QWidget* field : {static_cast<QWidget*>(txtStep), static_cast<QWidget*>(txtSteps)})
        m_runForm->setRowVisible(rowOf(field), !logarithmic);
    for (QWidget* field : {static_cast<QWidget*>(txtFirstTime), static_cast<QWidget*>(txtLastTime), static_cast<QWidget*>(txtPerDecade)})
        m_runForm->setRowVisible(rowOf(field), logarithmic);
}

// The row of the run's form that holds the field, alone or in a row of its own with its unit.
int NuclideLab::rowOf(QWidget* field) const
{
    for (int row = 0; row < m_runForm->rowCount(); ++row) {
        QLayoutItem* item = m_runForm->itemAt(row, QFormLayout::FieldRole);
        if (!item)
            continue;
        if (item->widget() == field)
            return row;
        if (QLayout* layout = item->layout(); layout && layout->indexOf(field) >= 0)
            return row;
    }
    return -1;
}

// A new threshold builds the table chain anew; one that cannot be read says why and keeps the last.
void NuclideLab::txtThreshold_Change()
{
    const double before = m_session.threshold();
    const decay::NumberEntry entry = m_session.setThreshold(text(txtThreshold), decimalPoint(*this));
    if (!entry.value) {
        m_platform.showError(this, tr("Nuclide lab"), modelText(entry.error));
        txtThreshold->setText(numbers::entry(100 * before, 6));
        return;
    }
    if (m_session.threshold() != before)
        cboNuclide_Change();
}

// The members to milk and the daughters to compare, of the chain shown or of the one just run (a
// custom chain may have changed since it was shown).
void NuclideLab::showLinks(const std::optional<decay::Chain>& chain)
{
    const QSignalBlocker quiet(cboDaughter);
    cboMilk->clear();
    cboDaughter->clear();
    if (chain) {
        for (const decay::ChainMember& member : chain->members)
            cboMilk->addItem(qtext(member.symbol));
        cboMilk->setCurrentIndex(std::min(1, chain->size() - 1)); // the daughter, as a generator is eluted
        for (int i = 1; i < chain->size(); ++i)
            if (!chain->members[static_cast<std::size_t>(i)].stable() && !decay::upstreamMembers(*chain, i).empty())
                cboDaughter->addItem(qtext(chain->members[static_cast<std::size_t>(i)].symbol), i);
    }
    showUpstream(chain);
}

// The members upstream of the chosen daughter, its main parent first chosen.
void NuclideLab::showUpstream(const std::optional<decay::Chain>& chain)
{
    const QSignalBlocker quiet(cboOver);
    cboOver->clear();
    if (!chain || cboDaughter->count() == 0)
        return;
    const int daughter = cboDaughter->currentData().toInt();
    const decay::ChainLink* main = nullptr;
    for (const decay::ChainLink& link : chain->links)
        if (link.daughter == daughter && (!main || link.fraction > main->fraction))
            main = &link;
    for (int i : decay::upstreamMembers(*chain, daughter)) {
        cboOver->addItem(qtext(chain->members[static_cast<std::size_t>(i)].symbol), i);
        if (main && main->parent == i)
            cboOver->setCurrentIndex(cboOver->count() - 1);
    }
}

// Pointing at a member, or moving to its row, highlights its curves as its legend entry does;
// none for -1.
void NuclideLab::tblMembers_Point(int row)
{
    QString name;
    if (m_custom && row >= 0 && tblMembers->item(row, ColName))
        name = tblMembers->item(row, ColName)->text().trimmed();
    else if (!m_custom && row >= 0 && m_session.shown() && row < m_session.shown()->size())
        name = qtext(m_session.shown()->members[static_cast<std::size_t>(row)].symbol);
    chartLab->setHighlighted(name);
}

// The pointer leaving the members table, or the focus, takes the highlight with it.
bool NuclideLab::eventFilter(QObject* watched, QEvent* event)
{
    if ((watched == tblMembers->viewport() && event->type() == QEvent::Leave) || (watched == tblMembers && event->type() == QEvent::FocusOut))
        tblMembers_Point(-1);
    return QWidget::eventFilter(watched, event);
}

QComboBox* NuclideLab::amountUnit(int row) const
{
    return qobject_cast<QComboBox*>(tblMembers->cellWidget(row, ColAmountUnit));
}

// A chain of the table: its members as the table gives them; only the initial amounts and their
// units are entries.
void NuclideLab::showMembers(const decay::Chain& chain)
{
    tblMembers->setRowCount(chain.size());
    const std::vector<std::string> modes = chain.modeTexts();
    for (int row = 0; row < chain.size(); ++row) {
        const decay::ChainMember& member = chain.members[static_cast<std::size_t>(row)];
        const decay::Nuclide* nuclide = table().find(member.symbol);
        QStringList daughters, fractions;
        for (const decay::ChainLink& link : chain.links)
            if (link.parent == row) {
                daughters.append(qtext(chain.members[static_cast<std::size_t>(link.daughter)].symbol));
                fractions.append(numbers::significant(link.fraction, 6));
            }
        tblMembers->removeCellWidget(row, ColUnit);
        tblMembers->setItem(row, ColName, cell(nuclide ? LabPlots::nuclideTitle(*nuclide) : qtext(member.title), false));
        tblMembers->item(row, ColName)->setIcon(QIcon(PlotLegend::memberSwatch(row)));
        QTableWidgetItem* halfLife = cell(nuclide ? LabPlots::halfLifeValue(*nuclide) : tr("stable"), false);
        if (nuclide)
            halfLife->setToolTip(LabPlots::halfLifeSource(*nuclide));
        tblMembers->setItem(row, ColHalfLife, halfLife);
        tblMembers->setItem(row, ColUnit, cell(nuclide ? LabPlots::halfLifeUnit(*nuclide) : QString(), false));
        tblMembers->setItem(row, ColDaughter, cell(daughters.join(QStringLiteral(", ")), false));
        tblMembers->setItem(row, ColBranch, cell(fractions.join(QStringLiteral(", ")), false));
        tblMembers->setItem(row, ColMode, cell(qtext(modes[static_cast<std::size_t>(row)]), false));
        tblMembers->setItem(row, ColAtoms, cell(row == 0 ? QStringLiteral("1000000") : QStringLiteral("0"), true));
        tblMembers->setCellWidget(row, ColAmountUnit, amountUnitBox(QStringLiteral("cboAmountUnit%1").arg(row + 1),
                                                                    tr("Amount unit of %1").arg(qtext(member.symbol)), decay::amountUnitsOf(member)));
    }
}

// A custom chain: every cell an entry, the units chosen from a list, an example to start from.
void NuclideLab::showCustomMembers()
{
    const QStringList names = {tr("Parent"), tr("Daughter"), tr("Stable"), {}, {}};
    const QStringList halfLives = {QStringLiteral("10"), QStringLiteral("1"), {}, {}, {}};
    tblMembers->setRowCount(decay::kMostCustomMembers);
    for (int row = 0; row < decay::kMostCustomMembers; ++row) {
        tblMembers->setItem(row, ColName, cell(names[row], true));
        tblMembers->setItem(row, ColHalfLife, cell(halfLives[row], true));
        tblMembers->setItem(row, ColUnit, cell({}, false));
        auto* unit = comboBox(QStringLiteral("cboUnit%1").arg(row + 1), tr("Unit of member %1").arg(row + 1), timeUnitNames());
        unit->setCurrentIndex(static_cast<int>(decay::TimeUnit::Hour));
        tblMembers->setCellWidget(row, ColUnit, unit);
        tblMembers->setItem(row, ColDaughter, cell(row < 2 ? QString::number(row + 2) : QString(), true));
        tblMembers->setItem(row, ColBranch, cell(row < 2 ? QStringLiteral("1") : QString(), true));
        tblMembers->setItem(row, ColMode, cell({}, false));
        tblMembers->setItem(row, ColAtoms, cell(row == 0 ? QStringLiteral("1000000") : QStringLiteral("0"), true));
        // A typed member has no molar mass; a stable one's becquerel the model refuses with its reason.
        tblMembers->setCellWidget(row, ColAmountUnit, amountUnitBox(QStringLiteral("cboAmountUnit%1").arg(row + 1),
                                                                    tr("Amount unit of member %1").arg(row + 1),
                                                                    {decay::AmountUnit::Atoms, decay::AmountUnit::Becquerel}));
    }
}

// The chosen chain, or the custom one as typed; a message says what is wrong with it.
std::optional<decay::Chain> NuclideLab::readChain()
{
    if (!m_custom)
        return m_session.shown();
    const auto cellText = [this](int row, int column) {
        const QTableWidgetItem* item = tblMembers->item(row, column);
        return item ? item->text().trimmed() : QString();
    };
    decay::CustomChainTexts texts;
    texts.decimalPoint = decimalPoint(*this);
    int members = 0;
    while (members < tblMembers->rowCount() && !cellText(members, ColName).isEmpty())
        ++members;
    QString problem;
    for (int row = 0; row < members && problem.isEmpty(); ++row) {
        const auto* unit = qobject_cast<const QComboBox*>(tblMembers->cellWidget(row, ColUnit));
        texts.members.push_back({cellText(row, ColName).toStdString(), cellText(row, ColHalfLife).toStdString(),
                                 unit ? chosen(decay::kTimeUnits, unit) : decay::TimeUnit::Second});
        const QString daughter = cellText(row, ColDaughter);
        if (daughter.isEmpty())
            continue;
        bool whole = false;
        const int to = daughter.toInt(&whole);
        if (!whole || to < 1 || to > members)
            problem = tr("Member %1 decays to \"%2\": give the number of a member from 1 to %3, or leave it empty.")
                          .arg(row + 1).arg(daughter).arg(members);
        else
            texts.links.push_back({row, to - 1, cellText(row, ColBranch).toStdString()});
    }
    const auto entry = problem.isEmpty() ? m_session.chooseCustom(texts) : decay::ChainEntry{};
    if (!entry.chain)
        m_platform.showError(this, tr("Nuclide lab"), problem.isEmpty() ? modelText(entry.error) : problem);
    return entry.chain;
}

decay::RunSetupTexts NuclideLab::readSetup(const decay::Chain& chain, bool milk) const
{
    decay::RunSetupTexts texts;
    // A custom chain puts parents before daughters, whatever the order they were typed in.
    for (int member = 0; member < chain.size(); ++member) {
        int row = member;
        for (int r = 0; m_custom && r < tblMembers->rowCount(); ++r)
            if (tblMembers->item(r, ColName) && tblMembers->item(r, ColName)->text().trimmed().toStdString() == chain.members[static_cast<std::size_t>(member)].symbol)
                row = r;
        texts.initial.push_back(tblMembers->item(row, ColAtoms) ? tblMembers->item(row, ColAtoms)->text().toStdString() : std::string());
        const QComboBox* unit = amountUnit(row);
        texts.amountUnits.push_back(unit ? decay::kAmountUnits[static_cast<std::size_t>(std::clamp(unit->currentData().toInt(), 0, 2))]
                                         : decay::AmountUnit::Atoms);
    }
    texts.grid = chosen(decay::kGridKinds, cboGrid);
    texts.step = text(txtStep);
    texts.unit = chosen(decay::kTimeUnits, cboStepUnit);
    texts.steps = text(txtSteps);
    texts.first = text(txtFirstTime);
    texts.firstUnit = chosen(decay::kTimeUnits, cboFirstUnit);
    texts.last = text(txtLastTime);
    texts.lastUnit = chosen(decay::kTimeUnits, cboLastUnit);
    texts.perDecade = text(txtPerDecade);
    if (milk) {
        texts.milkStep = text(txtMilkStep);
        texts.milkMember = std::max(cboMilk->currentIndex(), 0);
    }
    texts.decimalPoint = decimalPoint(*this);
    return texts;
}

// Runs

void NuclideLab::cmdExact_Click()
{
    run(false, false);
}

void NuclideLab::cmdRandom_Click()
{
    run(true, false);
}

// Milking repeats the last kind of run with the chosen member taken away after the chosen step.
void NuclideLab::cmdMilk_Click()
{
    run(m_lastRandom, true);
}

void NuclideLab::run(bool random, bool milk)
{
    const std::optional<decay::Chain> chain = readChain();
    if (!chain)
        return;
    const decay::RunSetupTexts texts = readSetup(*chain, milk);
    const std::uint64_t seed = m_platform.randomSeed();
    if (!random) {
        const look::BusyCursor busy; // a few milliseconds, even for the longest chain
        const decay::NuclideLabSession::Outcome outcome = m_session.runNow(texts, false, seed);
        if (outcome.ran)
            showRun();
        else if (runFailed(outcome.error))
            run(random, milk);
        return;
    }
    const auto prepared = m_session.prepare(texts, true);
    if (const auto* refusal = std::get_if<decay::Message>(&prepared)) {
        if (runFailed(*refusal))
            run(random, milk);
        return;
    }
    const auto& ready = std::get<decay::NuclideLabSession::Prepared>(prepared);
    m_progress = std::make_shared<decay::ProgressCounter>();
    m_work = std::max(ready.setup.steps, 1);
    setRunning(true);
    m_watcher->setFuture(QtConcurrent::run([ready, seed, progress = m_progress] {
        return decay::NuclideLabSession::run(ready, seed, progress.get());
    }));
}

void NuclideLab::cmdCancel_Click()
{
    if (running())
        m_progress->cancel();
}

void NuclideLab::tmrProgress_Timer()
{
    if (running())
        barProgress->setValue(static_cast<int>(std::min<std::int64_t>(m_progress->done() * 1000 / m_work, 1000)));
}

void NuclideLab::Run_Finished()
{
    const bool cancelled = m_progress && m_progress->cancelled();
    std::optional<decay::LabRun> result = m_watcher->future().takeResult();
    setRunning(false);
    if (cancelled) {
        barProgress->setValue(0);
        lblStatus->setText(tr("The random run was cancelled."));
        return;
    }
    barProgress->setValue(barProgress->maximum());
    if (!result) {
        runFailed({});
        return;
    }
    m_session.setResult(std::move(result));
    showRun();
}

bool NuclideLab::running() const
{
    return m_progress != nullptr;
}

// While a random run goes, only its Cancel and the views of the run before take input.
void NuclideLab::setRunning(bool running)
{
    if (!running)
        m_progress.reset();
    m_sampleBox->setEnabled(!running);
    m_runBox->setEnabled(!running);
    cmdCancel->setEnabled(running);
    if (running) {
        barProgress->setValue(0);
        tmrProgress->start();
    } else {
        tmrProgress->stop();
    }
    setResultCommands();
}

// The random run looks at the cancel after every step, so this waits a millisecond or so.
void NuclideLab::stopRun()
{
    if (!running())
        return;
    m_progress->cancel();
    m_watcher->waitForFinished();
    setRunning(false);
}

NuclideLab::~NuclideLab()
{
    stopRun();
    // The table's last events come while the chart may be gone already.
    tblMembers->viewport()->removeEventFilter(this);
    tblMembers->removeEventFilter(this);
}

void NuclideLab::closeEvent(QCloseEvent* event)
{
    stopRun();
    QWidget::closeEvent(event);
}

// The model's message on entries it cannot run; without one, a run that came to nothing. True
// when the user took the change of the entries it offered, to run with.
bool NuclideLab::runFailed(const decay::Message& error)
{
    if (error.empty()) {
        m_platform.showError(this, tr("Nuclide lab"), tr("The chain could not be run with these entries."));
        return false;
    }
    return changedOnRefusal(m_platform, this, tr("Nuclide lab"), error, [this](const decay::Remedy::Change& change) {
        QLineEdit* entry = change.entry == decay::Remedy::Entry::Step    ? txtStep
                           : change.entry == decay::Remedy::Entry::Steps ? txtSteps
                           : change.entry == decay::Remedy::Entry::PointsPerDecade ? txtPerDecade : nullptr;
        if (entry)
            entry->setText(numbers::entry(change.value, 15));
    });
}

void NuclideLab::showRun()
{
    const decay::LabRun& ran = *m_session.result();
    if (m_custom) {
        const int milked = cboMilk->currentIndex();
        showLinks(ran.chain);
        cboMilk->setCurrentIndex(std::min(milked, cboMilk->count() - 1));
    }
    m_lastRandom = ran.random;
    lblStatus->setText(modelText(m_session.statusReport(text(txtStep)), decay::kNuclideLabContext));
    setResultCommands();
    showPlot();
    showEquilibrium();
    emit runDone();
}

void NuclideLab::setResultCommands()
{
    for (QWidget* w : {cmdExport, cmdSaveImage, cmdPrint, cmdCounter})
        w->setEnabled(result().has_value() && !running());
    // Only a random run's atoms are followed one by one.
    cmdShowAtoms->setEnabled(result().has_value() && result()->random && !running());
    cmdMilk->setEnabled(cboMilk->count() > 0);
}

// Chart

void NuclideLab::optView_Click()
{
    showPlot();
}

void NuclideLab::cboDaughter_Change()
{
    showUpstream(viewedChain());
    cboOver_Change();
}

void NuclideLab::cboOver_Change()
{
    showPlot();
    showEquilibrium();
}

decay::LabView NuclideLab::view() const
{
    decay::LabView shown;
    shown.kind = optRatio->isChecked() ? decay::LabView::Kind::Ratio : optActivity->isChecked() ? decay::LabView::Kind::Activity : decay::LabView::Kind::Atoms;
    shown.logY = chkLog->isChecked();
    shown.activityUnit = chosen(decay::kActivityUnits, cboActivityUnit);
    shown.daughter = cboDaughter->count() > 0 ? cboDaughter->currentData().toInt() : -1;
    shown.over = cboOver->count() > 0 ? cboOver->currentData().toInt() : -1;
    return shown;
}

void NuclideLab::showPlot()
{
    const decay::LabRun* run = result() ? &*result() : nullptr;
    const PlotChart::Plot plot = LabPlots::plot(run, view());
    chartLab->setPlot(plot);
    chartLab->setAccessibleDescription(LabPlots::description(plot, run));
    frmLegend->refresh();
}

// The chain the views and the equilibrium speak of: the one run last, else the table chain shown
// (a typed one is read when it runs).
std::optional<decay::Chain> NuclideLab::viewedChain() const
{
    if (result())
        return result()->chain;
    return m_custom ? std::nullopt : m_session.shown();
}

void NuclideLab::showEquilibrium()
{
    const std::optional<decay::Chain> chain = viewedChain();
    if (!chain || cboDaughter->count() == 0 || cboOver->count() == 0) {
        lblEquilibrium->setText(chain ? tr("The chain has no radioactive daughter, so no equilibrium of activities.") : QString());
        return;
    }
    // The run's start, or before a run a pure start of the first member.
    const std::vector<double> initial = result() ? result()->setup.initial : decay::pureStart(*chain);
    lblEquilibrium->setText(LabPlots::equilibriumText(*chain, initial, cboDaughter->currentData().toInt(), cboOver->currentData().toInt()));
}

// Files and printing

void NuclideLab::cmdExport_Click()
{
    if (!result())
        return;
    exportFile(*this, m_platform,
               {tr("Export CSV"), tr("Atomdrift %1.csv").arg(qtext(result()->chain.members.front().symbol)),
                tr("CSV files (*.csv)"), {QStringLiteral("csv")}, tr("The run was not saved.")},
               [this](const QString&) {
                   return ExportBytes{QByteArray::fromStdString(decay::chainFileText(*result())), {}};
               });
}

void NuclideLab::cmdSaveImage_Click()
{
    saveImage(*this, m_platform, tr("Save chart as image"), chartLab->size(),
              [this](QPainter& painter, QSize size) { chartLab->paint(painter, size); });
}

void NuclideLab::cmdPrint_Click()
{
    printPage(*this, m_platform, tr("Print worksheet"), tr("Atomdrift nuclide lab.pdf"),
              [this](QPainter& painter) { paintWorksheet(painter); });
}

void NuclideLab::cmdCounter_Click()
{
    if (result())
        emit countRequested();
}

// The atoms of the last random run in a window of their own, which outlives this one.
void NuclideLab::cmdShowAtoms_Click()
{
    if (!result())
        return;
    auto* atoms = new AtomsWindow(decay::atomsOfLab(&*result()), 1);
    atoms->show();
}

void NuclideLab::cmdChart_Click()
{
    if (!m_nuclideChart) {
        m_nuclideChart = new NuclideChart(table(), this);
        connect(m_nuclideChart, &NuclideChart::nuclideChosen, this, &NuclideLab::showChainOf);
        connect(this, &NuclideLab::runDone, m_nuclideChart, [this] { m_nuclideChart->labRun_Done(*result()); });
        showChainOnChart();
    }
    m_nuclideChart->show();
    m_nuclideChart->raise();
    m_nuclideChart->activateWindow();
}

void NuclideLab::showChainOf(const QString& symbol)
{
    const std::size_t offered = table().chainStarts.size();
    const std::optional<std::size_t> at = m_session.offer(symbol.toStdString());
    if (!at)
        return;
    if (*at == offered) {
        cboNuclide->insertItem(static_cast<int>(offered), LabPlots::nuclideTitle(*table().find(symbol.toStdString())));
        cboNuclide->setItemData(static_cast<int>(offered), symbol, look::kChoiceKeyRole);
    }
    cboNuclide->setCurrentIndex(static_cast<int>(*at));
}

void NuclideLab::cmdOpenLesson_Click()
{
    emit openLessonRequested();
}

void NuclideLab::cmdMakeLesson_Click()
{
    emit makeLessonRequested();
}

void NuclideLab::cmdClose_Click()
{
    close();
}

void NuclideLab::paintWorksheet(QPainter& painter) const
{
    WorksheetPage page(painter);
    page.heading(tr("Atomdrift — Nuclide lab"));
    page.paragraph(tr("Chain: %1. %2").arg(cboNuclide->currentText(), lblStatus->text()), 18, false, 12);
    page.picture(520, [this](QPainter& chartPainter, QSizeF size) { chartLab->paint(chartPainter, size); });
    if (!lblEquilibrium->text().isEmpty())
        page.paragraph(lblEquilibrium->text(), 17, false, 16);
    page.questions({
        tr("Read from the chart the time at which the daughter's activity is largest. Compare it with "
                       "ln(\u03BB_B/\u03BB_A)/(\u03BB_B\u2212\u03BB_A)."),
        tr("Which kind of equilibrium does the chain reach, and why does the half-life of the parent decide it?"),
        tr("After milking, how long does the daughter take to grow back to half of its activity before? "
                       "Which half-life sets that time?"),
    });
}
