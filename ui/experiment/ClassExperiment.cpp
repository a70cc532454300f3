#include "ClassExperiment.h"

#include "ui/atoms/AtomsWindow.h"
#include "ui/charts/PlotLegend.h"
#include "ui/charts/PlotChart.h"
#include "ExperimentPlots.h"
#include "model/atoms/AtomHistory.h"
#include "model/common/Conversions.h"
#include "model/run/Entries.h"
#include "output/ExperimentFile.h"
#include "ui/ExportFile.h"
#include "ui/ImageFile.h"
#include "ui/Look.h"
#include "ui/Numbers.h"
#include "ui/ModelText.h"
#include "ui/Platform.h"
#include "ui/PrintForm.h"
#include "ui/WorksheetPage.h"

#include <QCloseEvent>
#include <QFormLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>
#include <QtConcurrent>

#include <cmath>
#include <thread>

using look::decimalPoint;
using look::qtext;
using look::text;

ClassExperiment::ClassExperiment(const decay::EnsembleParams& initial, Platform& platform)
    : m_platform(platform)
{
    buildWidgets(initial);
    connectHandlers();
    setRunning(false);
    showPlot();
    showHalfLives();
}

ClassExperiment::~ClassExperiment()
{
    stopRun();
}

void ClassExperiment::buildWidgets(const decay::EnsembleParams& initial)
{
    setObjectName(QStringLiteral("ClassExperiment"));
    setWindowTitle(tr("Class experiment"));
    setAttribute(Qt::WA_DeleteOnClose);
    setAttribute(Qt::WA_QuitOnClose, false); // closing it never ends the program
    setWindowIcon(look::windowIcon());

    auto* top = new QHBoxLayout(this);
    top->addLayout(buildControls(buildParameters(initial)));
    top->addLayout(buildChartArea(), 1);

    tmrProgress = new QTimer(this);
    tmrProgress->setObjectName(QStringLiteral("tmrProgress"));
    tmrProgress->setInterval(50); // the bar moves twenty times a second
    m_watcher = new QFutureWatcher<std::optional<Result>>(this);
    resize(1120, 740);
}

// The class's entries, filled from the main window's.
QWidget* ClassExperiment::buildParameters(const decay::EnsembleParams& initial)
{
    auto* parameters = new QGroupBox(tr("The class"));
    look::name(parameters, QStringLiteral("frmParameters"), parameters->title());
    auto* form = new QFormLayout(parameters);
    txtAtoms = look::formField(form, QStringLiteral("txtAtoms"), tr("Initial number of atoms:"));
    txtRate = look::formField(form, QStringLiteral("txtRate"), tr("Decay rate per step:"));
    txtHalfLife = look::formField(form, QStringLiteral("txtHalfLife"), tr("Half-life (steps):"));
    txtLastStep = look::formField(form, QStringLiteral("txtLastStep"), tr("Last step:"));
    txtRuns = look::formField(form, QStringLiteral("txtRuns"), tr("Runs (students):"));
    txtSeed = look::formField(form, QStringLiteral("txtSeed"), tr("Seed:"));
    cmdNewSeed = look::plainButton(QStringLiteral("cmdNewSeed"), tr("New seed"));
    form->addRow(QString(), cmdNewSeed);
    for (QLineEdit* edit : {txtAtoms, txtRate, txtHalfLife, txtLastStep, txtRuns, txtSeed})
        edit->setMinimumWidth(160);
    txtAtoms->setText(QString::number(initial.atoms));
    txtRate->setText(qtext(decay::numberText(initial.rate)));
    txtHalfLife->setText(qtext(decay::lnTwoOverText(text(txtRate), ".").value_or(std::string())));
    txtLastStep->setText(QString::number(initial.lastStep));
    txtRuns->setText(QString::number(initial.runs));
    txtSeed->setText(QString::number(m_platform.randomSeed()));
    txtHalfLife->setCursorPosition(0);
    return parameters;
}

// The entries above Run, Cancel, the progress and the file commands.
QLayout* ClassExperiment::buildControls(QWidget* parameters)
{
    cmdRun = look::plainButton(QStringLiteral("cmdRun"), tr("Run"));
    cmdRun->setDefault(true);
    cmdCancel = look::plainButton(QStringLiteral("cmdCancel"), tr("Cancel"));
    barProgress = new QProgressBar;
    look::name(barProgress, QStringLiteral("barProgress"), tr("Progress"));
    barProgress->setRange(0, 1000);
    barProgress->setTextVisible(false);
    lblStatus = new QLabel(tr("Press Run: every student makes one random decay run."));
    lblStatus->setObjectName(QStringLiteral("lblStatus"));
    lblStatus->setWordWrap(true);
    cmdImport = look::plainButton(QStringLiteral("cmdImport"), tr("Import class data..."));
    cmdExport = look::plainButton(QStringLiteral("cmdExport"), tr("Export runs as CSV..."));
    spnAtomsRun = new QSpinBox;
    look::name(spnAtomsRun, QStringLiteral("spnAtomsRun"), tr("Run whose atoms to show"));
    spnAtomsRun->setRange(1, 1);
    // The screen reader reaches the box's own field, which carries its name too.
    if (auto* field = spnAtomsRun->findChild<QLineEdit*>())
        field->setAccessibleName(spnAtomsRun->accessibleName());
    cmdShowAtoms = look::plainButton(QStringLiteral("cmdShowAtoms"), tr("Show the atoms..."));
    cmdSaveImage = look::plainButton(QStringLiteral("cmdSaveImage"), tr("Save chart as image..."));
    cmdPrint = look::plainButton(QStringLiteral("cmdPrint"), tr("Print worksheet"));
    cmdOpenLesson = look::plainButton(QStringLiteral("cmdOpenLesson"), tr("Open lesson..."));
    cmdMakeLesson = look::plainButton(QStringLiteral("cmdMakeLesson"), tr("Make lesson..."));
    cmdClose = look::plainButton(QStringLiteral("cmdClose"), tr("Close"));

    auto* left = new QVBoxLayout;
    left->addWidget(parameters);
    auto* runRow = new QHBoxLayout;
    runRow->addWidget(cmdRun);
    runRow->addWidget(cmdCancel);
    left->addLayout(runRow);
    left->addWidget(barProgress);
    left->addWidget(lblStatus);
    left->addStretch();
    for (QPushButton* b : {cmdImport, cmdExport})
        left->addWidget(b);
    auto* atomsRow = new QHBoxLayout;
    auto* atomsLabel = new QLabel(tr("Run:"));
    atomsLabel->setBuddy(spnAtomsRun);
    atomsRow->addWidget(atomsLabel);
    atomsRow->addWidget(spnAtomsRun);
    atomsRow->addWidget(cmdShowAtoms, 1);
    left->addLayout(atomsRow);
    for (QPushButton* b : {cmdSaveImage, cmdPrint})
        left->addWidget(b);
    auto* lessonRow = new QHBoxLayout;
    lessonRow->addWidget(cmdOpenLesson);
    lessonRow->addWidget(cmdMakeLesson);
    left->addLayout(lessonRow);
    left->addWidget(cmdClose);
    return left;
}

// The views, the chart with its legend and the half-lives the class measured.
QLayout* ClassExperiment::buildChartArea()
{
    optCounts = new QRadioButton(tr("N(t)"));
    optCounts->setObjectName(QStringLiteral("optCounts"));
    optLog = new QRadioButton(tr("ln N(t)"));
    optLog->setObjectName(QStringLiteral("optLog"));
    optHalfLives = new QRadioButton(tr("Half-lives"));
    optHalfLives->setObjectName(QStringLiteral("optHalfLives"));
    QHBoxLayout* viewRow = look::viewRow(this, {optCounts, optLog, optHalfLives});
    viewRow->addStretch();
    chartExperiment = new PlotChart;
    look::name(chartExperiment, QStringLiteral("chartExperiment"), tr("Chart of the class experiment"));
    frmLegend = new PlotLegend(*chartExperiment, 4); // two rows at most, whatever the language
    look::name(frmLegend, QStringLiteral("frmLegend"), tr("Legend"));

    tblHalfLives = new QTableWidget(4, 2);
    look::name(tblHalfLives, QStringLiteral("tblHalfLives"), tr("Half-lives"));
    tblHalfLives->setHorizontalHeaderLabels({tr("Class mean"), tr("Standard deviation")});
    tblHalfLives->setVerticalHeaderLabels({tr("Half-life where N first falls to N0/2"),
                                           tr("Half-life from the slope of ln N"),
                                           tr("ln 2 / r (the continuous law)"),
                                           tr("ln 2 / −ln(1−q) (exact for the draws)")});
    tblHalfLives->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tblHalfLives->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    tblHalfLives->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    tblHalfLives->verticalHeader()->setDefaultSectionSize(24);
    tblHalfLives->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    tblHalfLives->setFixedHeight(tblHalfLives->horizontalHeader()->sizeHint().height() + 4 * 24 + 2 * tblHalfLives->frameWidth());
    lblHalfLives = new QLabel;
    lblHalfLives->setObjectName(QStringLiteral("lblHalfLives"));
    lblHalfLives->setWordWrap(true);

    auto* right = new QVBoxLayout;
    right->addLayout(viewRow);
    right->addWidget(chartExperiment, 1);
    right->addWidget(frmLegend);
    right->addWidget(tblHalfLives);
    right->addWidget(lblHalfLives);

    return right;
}

void ClassExperiment::connectHandlers()
{
    connect(cmdRun, &QPushButton::clicked, this, &ClassExperiment::cmdRun_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &ClassExperiment::cmdCancel_Click);
    connect(cmdNewSeed, &QPushButton::clicked, this, &ClassExperiment::cmdNewSeed_Click);
    connect(txtRate, &QLineEdit::textEdited, this, &ClassExperiment::txtRate_Change);
    connect(txtHalfLife, &QLineEdit::textEdited, this, &ClassExperiment::txtHalfLife_Change);
    for (QRadioButton* option : {optCounts, optLog, optHalfLives})
        connect(option, &QRadioButton::toggled, this, &ClassExperiment::optView_Click);
    connect(cmdImport, &QPushButton::clicked, this, &ClassExperiment::cmdImport_Click);
    connect(cmdExport, &QPushButton::clicked, this, &ClassExperiment::cmdExport_Click);
    connect(cmdShowAtoms, &QPushButton::clicked, this, &ClassExperiment::cmdShowAtoms_Click);
    connect(cmdSaveImage, &QPushButton::clicked, this, &ClassExperiment::cmdSaveImage_Click);
    connect(cmdPrint, &QPushButton::clicked, this, &ClassExperiment::cmdPrint_Click);
    connect(cmdOpenLesson, &QPushButton::clicked, this, &ClassExperiment::cmdOpenLesson_Click);
    connect(cmdMakeLesson, &QPushButton::clicked, this, &ClassExperiment::cmdMakeLesson_Click);
    connect(cmdClose, &QPushButton::clicked, this, &ClassExperiment::cmdClose_Click);
    connect(tmrProgress, &QTimer::timeout, this, &ClassExperiment::tmrProgress_Timer);
    connect(m_watcher, &QFutureWatcher<std::optional<Result>>::finished, this, &ClassExperiment::Run_Finished);
}

// The atoms of the chosen run in a window of their own, which outlives this one.
void ClassExperiment::cmdShowAtoms_Click()
{
    if (!m_result)
        return;
    const int run = spnAtomsRun->value() - 1;
    auto* atoms = new AtomsWindow(decay::atomsOfExperiment(&m_result->ensemble, run), decay::runSeed(m_result->ensemble.params.seed, run));
    atoms->setWindowTitle(tr("The atoms of run %1").arg(run + 1));
    atoms->show();
}

bool ClassExperiment::running() const
{
    return m_progress != nullptr;
}

// Runs

void ClassExperiment::cmdRun_Click()
{
    const auto entry = decay::readEnsemble(
        {text(txtAtoms), text(txtRate), text(txtLastStep), text(txtRuns), text(txtSeed), decimalPoint(*this)});
    if (!entry.params) {
        m_platform.showError(this, tr("Class experiment"), modelText(entry.error));
        return;
    }
    m_progress = std::make_shared<decay::ProgressCounter>();
    m_work = std::max<std::int64_t>(decay::ensembleWork(*entry.params), 1);
    setRunning(true);
    lblStatus->setText(tr("%1 runs on %2 cores...").arg(entry.params->runs).arg(std::max(std::thread::hardware_concurrency(), 1u)));
    m_watcher->setFuture(QtConcurrent::run([params = *entry.params, progress = m_progress]() -> std::optional<Result> {
        auto ensemble = decay::runEnsemble(params, *progress);
        if (!ensemble)
            return std::nullopt;
        auto stats = decay::ensembleStats(*ensemble);
        return Result{std::move(*ensemble), std::move(stats)};
    }));
}

void ClassExperiment::cmdCancel_Click()
{
    if (!running())
        return;
    m_progress->cancel();
    cmdCancel->setEnabled(false);
    lblStatus->setText(tr("Cancelling..."));
}

void ClassExperiment::tmrProgress_Timer()
{
    if (running())
        barProgress->setValue(static_cast<int>(m_progress->done() * 1000 / m_work));
}

void ClassExperiment::Run_Finished()
{
    std::optional<Result> result = m_watcher->future().takeResult();
    if (!result) {
        setRunning(false);
        lblStatus->setText(tr("Cancelled; the chart shows the class before."));
        return;
    }
    m_result = std::move(result);
    setRunning(false);
    barProgress->setValue(barProgress->maximum());
    const decay::EnsembleParams& p = m_result->ensemble.params;
    lblStatus->setText(tr("%1 runs of %2 atoms to step %3; a draw decays with q = %4.")
                           .arg(p.runs).arg(p.atoms).arg(p.lastStep).arg(QLocale().toString(m_result->stats.q, 'g', 10)));
    showPlot();
    showHalfLives();
}

void ClassExperiment::setRunning(bool running)
{
    if (!running)
        m_progress.reset();
    for (QWidget* w : std::initializer_list<QWidget*>{txtAtoms, txtRate, txtHalfLife, txtLastStep, txtRuns, txtSeed, cmdNewSeed, cmdRun, cmdImport})
        w->setEnabled(!running);
    cmdCancel->setEnabled(running);
    for (QWidget* w : std::initializer_list<QWidget*>{cmdExport, cmdSaveImage, cmdPrint, spnAtomsRun, cmdShowAtoms})
        w->setEnabled(!running && m_result);
    if (!running && m_result)
        spnAtomsRun->setMaximum(m_result->ensemble.params.runs);
    barProgress->setValue(running ? 0 : barProgress->value());
    if (running)
        tmrProgress->start();
    else
        tmrProgress->stop();
}

// A run still going stops within one slice of steps, a few milliseconds.
void ClassExperiment::stopRun()
{
    if (!running())
        return;
    m_progress->cancel();
    m_watcher->waitForFinished();
}

void ClassExperiment::closeEvent(QCloseEvent* event)
{
    stopRun();
    event->accept();
}

void ClassExperiment::cmdOpenLesson_Click()
{
    emit openLessonRequested();
}

void ClassExperiment::cmdMakeLesson_Click()
{
    emit makeLessonRequested();
}

void ClassExperiment::cmdClose_Click()
{
    close();
}

// Parameters

void ClassExperiment::cmdNewSeed_Click()
{
    txtSeed->setText(QString::number(m_platform.randomSeed()));
    txtHalfLife->setCursorPosition(0);
}

// Rate and half-life are ln 2 over each other: typing one writes the other.
void ClassExperiment::txtRate_Change()
{
    txtHalfLife->setText(qtext(decay::lnTwoOverText(text(txtRate), decimalPoint(*this)).value_or(std::string())));
    txtHalfLife->setCursorPosition(0);
}

void ClassExperiment::txtHalfLife_Change()
{
    txtRate->setText(qtext(decay::lnTwoOverText(text(txtHalfLife), decimalPoint(*this)).value_or(std::string())));
    txtRate->setCursorPosition(0);
}

// Chart

void ClassExperiment::optView_Click()
{
    showPlot();
}

void ClassExperiment::showPlot()
{
    const ExperimentView view = optLog->isChecked() ? ExperimentView::LnCounts
                                : optHalfLives->isChecked() ? ExperimentView::HalfLives : ExperimentView::Counts;
    chartExperiment->setPlot(experimentPlot(view, m_result ? &m_result->ensemble : nullptr, m_result ? &m_result->stats : nullptr,
                                            m_data ? &*m_data : nullptr, m_fit ? &*m_fit : nullptr));
    frmLegend->refresh();
}

void ClassExperiment::showHalfLives()
{
    const auto set = [this](int row, int column, const QString& value) {
        auto* item = new QTableWidgetItem(value);
        item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        tblHalfLives->setItem(row, column, item);
    };
    if (!m_result) {
        tblHalfLives->clearContents();
        lblHalfLives->setText(tr("The class has made no runs yet."));
    } else {
        const decay::EnsembleStats& s = m_result->stats;
        set(0, 0, numbers::decimals(s.halving.mean, 2));
        set(0, 1, numbers::decimals(s.halving.sd, 2));
        set(1, 0, numbers::decimals(s.slopeHalfLife.mean, 2));
        set(1, 1, numbers::decimals(s.slopeHalfLife.sd, 2));
        set(2, 0, numbers::decimals(s.continuousHalfLife, 2));
        set(3, 0, numbers::decimals(s.discreteHalfLife, 2));
        const int runs = m_result->ensemble.params.runs;
        lblHalfLives->setText(tr("%1 of %2 runs fell to N0/2 by the last step; %3 of %2 runs gave a falling line of ln N.")
                                  .arg(s.halving.count).arg(runs).arg(s.slopeHalfLife.count));
    }
    if (m_data) {
        const QString fit = m_fit ? tr("decay probability %1 per throw, half-life %2 throws")
                                        .arg(numbers::decimals(m_fit->probability, 4), numbers::decimals(m_fit->halfLife, 2))
                                  : tr("the counts do not fall, so no decay probability fits them");
        lblHalfLives->setText(lblHalfLives->text() + QLatin1Char('\n') + tr("Class data (%1 groups, %2 throws): %3.")
                                                         .arg(m_data->counts.size()).arg(m_data->steps.size()).arg(fit));
    }
}

// Files and printing

void ClassExperiment::cmdImport_Click()
{
    const QString title = tr("Import class data");
    const auto file = importFile(*this, m_platform, title, tr("Class data (*.csv *.txt *.tsv);;All files (*)"), static_cast<qint64>(decay::kLargestClassFile),
                                 tr("The class data were not imported.\n\n%1 cannot be read: %2"));
    if (!file)
        return;
    const auto read = decay::readClassData(std::string_view(file->bytes.constData(), static_cast<std::size_t>(file->bytes.size())), decimalPoint(*this));
    if (!read.data) {
        m_platform.showError(this, title, tr("The class data were not imported from %1.\n\n%2").arg(file->name, modelText(read.error)));
        return;
    }
    m_data = read.data;
    m_fit = decay::fitClassData(*m_data);
    showPlot();
    showHalfLives();
}

void ClassExperiment::cmdExport_Click()
{
    if (!m_result)
        return;
    exportFile(*this, m_platform,
               {tr("Export runs as CSV"), tr("Atomdrift class.csv"), tr("CSV files (*.csv)"),
                {QStringLiteral("csv")}, tr("The runs were not saved.")},
               [this](const QString&) {
                   return ExportBytes{QByteArray::fromStdString(decay::experimentFileText(m_result->ensemble, m_result->stats)), {}};
               });
}

void ClassExperiment::cmdSaveImage_Click()
{
    saveImage(*this, m_platform, tr("Save chart as image"), chartExperiment->size(),
              [this](QPainter& painter, QSize size) { chartExperiment->paint(painter, size); });
}

void ClassExperiment::cmdPrint_Click()
{
    printPage(*this, m_platform, tr("Print worksheet"), tr("Atomdrift worksheet.pdf"),
              [this](QPainter& painter) { paintWorksheet(painter); });
}

void ClassExperiment::paintWorksheet(QPainter& painter) const
{
    WorksheetPage page(painter);
    page.heading(tr("Atomdrift — Class experiment"));
    const decay::EnsembleParams p = m_result ? m_result->ensemble.params : decay::EnsembleParams{};
    const QLocale locale;
    page.paragraph(tr("Every student of a class of %1 let %2 atoms decay, one random draw per atom and step, with the decay "
                      "rate r = %3 per step, up to step %4 (seed %5). A draw decays with the exact probability q = %6.")
                       .arg(p.runs).arg(p.atoms).arg(locale.toString(p.rate, 'g', 10)).arg(p.lastStep).arg(p.seed)
                       .arg(m_result ? locale.toString(m_result->stats.q, 'g', 10) : QStringLiteral("\u2014")),
                   18, false, 12);
    page.picture(500, [this](QPainter& chartPainter, QSizeF size) { chartExperiment->paint(chartPainter, size); });

    std::vector<QStringList> rows = {{QString(), tr("Class mean"), tr("Standard deviation")}};
    for (int row = 0; row < tblHalfLives->rowCount(); ++row) {
        const auto cell = [&](int column) { return tblHalfLives->item(row, column) ? tblHalfLives->item(row, column)->text() : QString(); };
        rows.push_back({tblHalfLives->verticalHeaderItem(row)->text(), cell(0), cell(1)});
    }
    page.table(rows);
    if (!lblHalfLives->text().isEmpty())
        page.paragraph(lblHalfLives->text(), 16, false, 16);
    page.questions({
        tr("Your own run is one of the thin lines. At which step did your atoms first fall to half of N0? "
           "How far is that from the class mean, measured in standard deviations?"),
        tr("The class mean follows N0·(1−q)^t, not N0·e^(−r·t). Why? Which of the two "
           "half-lives in the table does the class find?"),
        tr("How would the ±1σ band of the class change with four times as many atoms? "
           "Guess first, then try it in the program."),
    });
}
