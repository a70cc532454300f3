#include "CountingTab.h"

#include "model/counting/CountingSession.h"
#include "output/CountsFile.h"
#include "ui/ExportFile.h"
#include "ui/Look.h"
#include "ui/ModelText.h"
#include "ui/Numbers.h"
#include "ui/Platform.h"
#include "CounterDisplay.h"
#include "RealCounterBox.h"
#include "ui/charts/PlotLegend.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QFrame>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QSignalBlocker>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>
#include <iterator>

using look::decimalPoint;
using look::qtext;
using look::text;

namespace {

// Speeds of play: seconds of the run per second of the clock; the last plays as fast as the
// window can count, a slice of each frame at a time.
constexpr double kSpeeds[] = {1, 10, 100, 1000};
constexpr double kFastSliceSeconds = 0.008;
// A loudspeaker cannot sound more distinct clicks than this; the lamp shows each count as long.
constexpr double kMostClicksPerSecond = 30;
constexpr double kFlashSeconds = 0.06;
constexpr int kFrameMilliseconds = 16;

} // namespace

CountingTab::CountingTab(decay::CountingSession& session, Platform& platform, Settings settings, std::function<std::string()> backgroundTime,
                         std::function<void()> changed, Change takeChange)
    : m_session(session)
    , m_platform(platform)
    , m_settings(std::move(settings))
    , m_backgroundTime(std::move(backgroundTime))
    , m_changed(std::move(changed))
    , m_takeChange(std::move(takeChange))
{
    look::name(this, QStringLiteral("pageCounting"), tr("Counting"));
    tmrPlay = new QTimer(this);
    tmrPlay->setObjectName(QStringLiteral("tmrPlay"));
    tmrPlay->setInterval(kFrameMilliseconds);

    auto* layout = new QVBoxLayout(this);
    // The source: the simulated sample, or a real counter through the sound input.
    optSimulated = new QRadioButton(tr("Simulated sample"));
    optSimulated->setObjectName(QStringLiteral("optSimulated"));
    optSimulated->setChecked(true);
    optRealCounter = new QRadioButton(tr("Real counter"));
    optRealCounter->setObjectName(QStringLiteral("optRealCounter"));
    auto* sources = new QHBoxLayout;
    sources->addWidget(optSimulated);
    sources->addWidget(optRealCounter);
    sources->addStretch();
    layout->addLayout(sources);
    stkSource = new QStackedWidget;
    look::name(stkSource, QStringLiteral("stkSource"), tr("Source"));
    auto* simulated = new QWidget;
    auto* simulatedLayout = new QVBoxLayout(simulated);
    simulatedLayout->setContentsMargins(0, 0, 0, 0);
    lblSample = new QLabel;
    lblSample->setObjectName(QStringLiteral("lblSample"));
    lblSample->setWordWrap(true);
    simulatedLayout->addWidget(lblSample);
    auto* form = new QFormLayout;
    txtActivation = look::formField(form, QStringLiteral("txtActivation"), tr("Silver activation time (s):"));
    txtActivation->setText(QStringLiteral("300"));
    cmdSilver = look::plainButton(QStringLiteral("cmdSilver"), tr("Count activated silver"));
    form->addRow(QString(), cmdSilver);
    lstMembers = new QListWidget;
    look::name(lstMembers, QStringLiteral("lstMembers"), tr("Members counted:"));
    lstMembers->setMaximumHeight(78);
    form->addRow(tr("Members counted:"), lstMembers);
    txtInterval = look::formField(form, QStringLiteral("txtInterval"), tr("Counting interval (steps):"));
    txtInterval->setText(QStringLiteral("1"));
    cboSpeed = new QComboBox;
    look::name(cboSpeed, QStringLiteral("cboSpeed"), tr("Speed:"));
    for (double speed : kSpeeds)
        cboSpeed->addItem(tr("%1\u00D7").arg(speed));
    cboSpeed->addItem(tr("As fast as possible"));
    cboSpeed->setCurrentIndex(3);
    form->addRow(tr("Speed:"), cboSpeed);
    simulatedLayout->addLayout(form);

    cmdStart = look::plainButton(QStringLiteral("cmdStart"), tr("Start"));
    cmdStart->setDefault(true);
    cmdPause = look::plainButton(QStringLiteral("cmdPause"), tr("Pause"));
    cmdStep = look::plainButton(QStringLiteral("cmdStep"), tr("Step"));
    chkSound = new QCheckBox(tr("Sound"));
    chkSound->setObjectName(QStringLiteral("chkSound"));
    lblLamp = counterdisplay::lamp(QStringLiteral("lblLamp"));
    auto* play = new QHBoxLayout;
    for (QWidget* w : {static_cast<QWidget*>(cmdStart), static_cast<QWidget*>(cmdPause), static_cast<QWidget*>(cmdStep)})
        play->addWidget(w);
    play->addStretch();
    play->addWidget(chkSound);
    play->addWidget(lblLamp);
    simulatedLayout->addLayout(play);

    lblCounts = counterdisplay::counts(QStringLiteral("lblCounts"), tr("Counts in this interval"));
    lblRate = new QLabel;
    lblRate->setObjectName(QStringLiteral("lblRate"));
    lblRate->setWordWrap(true);
    simulatedLayout->addWidget(lblCounts);
    simulatedLayout->addWidget(lblRate);
    frmRealCounter = new RealCounterBox(m_session, m_platform, [this] {
        showFit();
        setCommands();
    });
    stkSource->addWidget(simulated);
    stkSource->addWidget(frmRealCounter);
    layout->addWidget(stkSource);

    auto* fitForm = new QFormLayout;
    cboMethod = new QComboBox;
    look::name(cboMethod, QStringLiteral("cboMethod"), tr("Fit method:"));
    for (auto method : {decay::FitMethod::PoissonLikelihood, decay::FitMethod::WeightedLeastSquares})
        cboMethod->addItem(modelText({std::string(decay::methodName(method)), {}}));
    fitForm->addRow(tr("Fit method:"), cboMethod);
    cboFitModel = new QComboBox;
    look::name(cboFitModel, QStringLiteral("cboFitModel"), tr("Fit model:"));
    for (auto shape : {decay::FitShape::OneNuclide, decay::FitShape::TwoNuclides, decay::FitShape::Chain})
        cboFitModel->addItem(modelText({std::string(decay::shapeName(shape)), {}}));
    fitForm->addRow(tr("Fit model:"), cboFitModel);
    layout->addLayout(fitForm);
    lblFit = new QLabel;
    lblFit->setObjectName(QStringLiteral("lblFit"));
    lblFit->setWordWrap(true);
    layout->addWidget(lblFit);
    layout->addStretch();
    cmdImport = look::plainButton(QStringLiteral("cmdImport"), tr("Import counts..."));
    cmdExportCounts = look::plainButton(QStringLiteral("cmdExportCounts"), tr("Export counts CSV..."));
    auto* files = new QHBoxLayout;
    files->addWidget(cmdImport);
    files->addWidget(cmdExportCounts);
    layout->addLayout(files);

    connectHandlers();
    showSample();
    showLamp();
}

void CountingTab::connectHandlers()
{
    connect(optRealCounter, &QRadioButton::toggled, this, &CountingTab::optSource_Click);
    connect(cmdSilver, &QPushButton::clicked, this, &CountingTab::cmdSilver_Click);
    connect(cmdStart, &QPushButton::clicked, this, &CountingTab::cmdStart_Click);
    connect(cmdPause, &QPushButton::clicked, this, &CountingTab::cmdPause_Click);
    connect(cmdStep, &QPushButton::clicked, this, &CountingTab::cmdStep_Click);
    connect(tmrPlay, &QTimer::timeout, this, &CountingTab::tmrPlay_Timer);
    connect(cboMethod, &QComboBox::currentIndexChanged, this, &CountingTab::cboMethod_Change);
    connect(cboFitModel, &QComboBox::currentIndexChanged, this, &CountingTab::cboMethod_Change);
    connect(cmdImport, &QPushButton::clicked, this, &CountingTab::cmdImport_Click);
    connect(cmdExportCounts, &QPushButton::clicked, this, &CountingTab::cmdExportCounts_Click);
}

// The simulated counter stops when the real one is chosen; each keeps what it counted.
void CountingTab::optSource_Click()
{
    stop();
    stkSource->setCurrentIndex(optRealCounter->isChecked() ? 1 : 0);
}

// Sample

void CountingTab::setSample(const decay::LabRun& run, const QString& name)
{
    stop();
    m_session.setSample(run);
    m_sampleName = name;
    showSample();
}

void CountingTab::showSample()
{
    lstMembers->clear();
    for (const decay::CountingSession::Member& member : m_session.countable()) {
        auto* item = new QListWidgetItem(QIcon(PlotLegend::memberSwatch(member.place)), qtext(member.symbol), lstMembers);
        item->setData(Qt::UserRole, member.place);
        item->setCheckState(Qt::Checked);
    }
    lblSample->setText(modelText(m_session.sampleMessage(m_sampleName.toStdString()), decay::kCountingContext));
    // The list holds the shapes in the model's order.
    const QSignalBlocker quiet(cboFitModel);
    cboFitModel->setCurrentIndex(static_cast<int>(m_session.defaultShape()));
    showCounts();
    showFit();
    setCommands();
}

void CountingTab::cmdSilver_Click()
{
    const decay::Message refusal = m_session.activateSilver(text(txtActivation), decimalPoint(*this), m_platform.drawSeed(decay::LessonDraw::Silver));
    if (!refusal.empty()) {
        m_platform.showError(this, tr("Counting lab"), modelText(refusal));
        return;
    }
    stop();
    showSample();
}

bool CountingTab::playing() const
{
    return tmrPlay->isActive();
}

bool CountingTab::lampLit() const
{
    return m_lampLeft > 0;
}

// The shape the list names; one nuclide for a place it does not have.
decay::FitShape CountingTab::fitShape() const
{
    switch (cboFitModel->currentIndex()) {
    case 1: return decay::FitShape::TwoNuclides;
    case 2: return decay::FitShape::Chain;
    default: return decay::FitShape::OneNuclide;
    }
}

// Counting

// A counter for the sample as the entries set it; false, with a message, when it cannot count.
bool CountingTab::startCounting()
{
    if (!m_session.sample())
        return false;
    const auto settings = m_settings();
    if (!settings)
        return false;
    std::vector<bool> chosen(m_session.sample()->chain.members.size(), false);
    bool any = false;
    for (int row = 0; row < lstMembers->count(); ++row)
        if (lstMembers->item(row)->checkState() == Qt::Checked) {
            chosen[static_cast<std::size_t>(lstMembers->item(row)->data(Qt::UserRole).toInt())] = true;
            any = true;
        }
    if (!any) {
        m_platform.showError(this, tr("Counting lab"), tr("Tick at least one member to count."));
        return false;
    }
    const decay::Message refusal =
        m_session.start(*settings, std::move(chosen), m_platform.drawSeed(decay::LessonDraw::Counter),
                        m_platform.drawSeed(decay::LessonDraw::Background), m_backgroundTime(), decimalPoint(*this));
    if (!refusal.empty())
        return changedOnRefusal(m_platform, this, tr("Counting lab"), refusal, m_takeChange) && startCounting();
    m_playTime = 0;
    m_changed(); // the background, when it was measured first
    return true;
}

void CountingTab::cmdStart_Click()
{
    stop();
    if (!startCounting())
        return;
    m_frameClock.start();
    tmrPlay->start();
    showCounts();
    showFit();
    setCommands();
}

// Pauses the play, or plays on from where it was paused.
void CountingTab::cmdPause_Click()
{
    if (!m_session.counter() || m_session.counter()->finished())
        return;
    if (playing()) {
        stop();
    } else {
        m_frameClock.start();
        tmrPlay->start();
    }
    showFit();
    setCommands();
}

// One step of the run, paused; the first press starts the counting.
void CountingTab::cmdStep_Click()
{
    if (!m_session.counter() || m_session.counter()->finished()) {
        stop();
        if (!startCounting())
            return;
    }
    stop();
    const std::int64_t recorded = m_session.advanceStep();
    m_playTime = m_session.counter()->time();
    counted(recorded, 0);
    // Paused, no frame comes to put the lamp out.
    QTimer::singleShot(static_cast<int>(kFlashSeconds * 1000), this, [this] {
        if (!playing())
            counted(0, kFlashSeconds);
    });
    showFit();
    setCommands();
}

void CountingTab::tmrPlay_Timer()
{
    playFor(static_cast<double>(m_frameClock.restart()) / 1000.0);
}

void CountingTab::playFor(double realSeconds)
{
    if (!m_session.counter() || !playing())
        return;
    std::int64_t recorded = 0;
    const std::size_t intervals = m_session.counter()->intervals().size();
    const int speed = cboSpeed->currentIndex();
    if (speed >= 0 && speed < static_cast<int>(std::size(kSpeeds))) {
        m_playTime += realSeconds * kSpeeds[speed];
        recorded = m_session.playTo(m_playTime);
    } else {
        QElapsedTimer slice;
        slice.start();
        while (!m_session.counter()->finished() && slice.nsecsElapsed() < static_cast<qint64>(kFastSliceSeconds * 1e9))
            recorded += m_session.advanceStep();
        m_playTime = m_session.counter()->time();
    }
    counted(recorded, realSeconds);
    if (m_session.counter()->finished()) {
        stop();
        showFit();
        setCommands();
    } else if (m_session.counter()->intervals().size() != intervals) {
        m_changed();
    }
}

// The loudspeaker clicks and the lamp flashes for the counts of a frame; at high rates the clicks
// come no faster than a loudspeaker can sound them apart, and the lamp stays lit.
void CountingTab::counted(std::int64_t newCounts, double realSeconds)
{
    m_sinceClick += realSeconds;
    m_lampLeft = std::max(m_lampLeft - realSeconds, 0.0);
    if (newCounts > 0) {
        m_lampLeft = kFlashSeconds;
        if (chkSound->isChecked() && m_sinceClick >= 1 / kMostClicksPerSecond) {
            m_platform.playClick();
            ++m_clicks;
            m_sinceClick = 0;
        }
    }
    showLamp();
    showCounts();
}

void CountingTab::showLamp()
{
    if (m_lampShownLit == lampLit())
        return;
    m_lampShownLit = lampLit();
    counterdisplay::showLamp(lblLamp, m_lampShownLit);
}

void CountingTab::stop()
{
    tmrPlay->stop();
    m_lampLeft = 0;
    showLamp();
}

// The running interval's counts, the rate of the last complete one, and how far the run is.
void CountingTab::showCounts()
{
    lblCounts->setText(numbers::count(m_session.counter() ? m_session.counter()->running().counts : 0));
    lblRate->setText(modelText(m_session.counterReport(), decay::kCountingContext));
}

void CountingTab::cboMethod_Change()
{
    showFit();
}

// The half-life from the counts shown, once the counting stops or pauses, and the chart with it.
void CountingTab::showFit()
{
    const auto method = cboMethod->currentIndex() == 1 ? decay::FitMethod::WeightedLeastSquares : decay::FitMethod::PoissonLikelihood;
    lblFit->setText(modelText(m_session.fitReport(method, fitShape(), playing()), decay::kCountingContext));
    m_changed();
}

void CountingTab::setCommands()
{
    const bool counting = m_session.counter() && !m_session.counter()->finished();
    cmdStart->setEnabled(m_session.sample().has_value());
    cmdPause->setEnabled(counting);
    cmdPause->setText(counting && !playing() ? tr("Resume") : tr("Pause"));
    cmdStep->setEnabled(m_session.sample().has_value() && !playing());
    cmdExportCounts->setEnabled(m_session.hasOwnCounts() || m_session.recording());
}

// Files

void CountingTab::cmdImport_Click()
{
    const QString title = tr("Import counts");
    const auto file = importFile(*this, m_platform, title, tr("Counts (*.csv *.txt *.tsv);;All files (*)"), static_cast<qint64>(decay::kLargestCountsFile),
                                 tr("The counts were not imported.\n\n%1 cannot be read: %2"));
    if (!file)
        return;
    stop();
    const decay::Message refusal = m_session.importCounts(std::string_view(file->bytes.constData(), static_cast<std::size_t>(file->bytes.size())),
                                                          decimalPoint(*this), file->name.toStdString());
    if (!refusal.empty()) {
        m_platform.showError(this, title, tr("The counts were not imported from %1.\n\n%2").arg(file->name, modelText(refusal)));
        return;
    }
    showCounts();
    showFit();
    setCommands();
}

void CountingTab::cmdExportCounts_Click()
{
    if (!m_session.hasOwnCounts() && !m_session.recording())
        return;
    // A real counter's counts are in seconds; the simulated sample's in its run's unit.
    const decay::TimeUnit unit = m_session.recording() ? decay::TimeUnit::Second : m_session.sample()->unit;
    exportFile(*this, m_platform,
               {tr("Export counts CSV"), tr("Atomdrift counts.csv"), tr("CSV files (*.csv)"), {QStringLiteral("csv")},
                tr("The counts were not saved.")},
               [this, unit](const QString&) {
                   return ExportBytes{QByteArray::fromStdString(decay::countsFileText(m_session.shownData(), unit)), {}};
               });
}
