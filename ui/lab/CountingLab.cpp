#include "CountingLab.h"

#include "model/Conversions.h"
#include "model/DecayDraws.h"
#include "output/CountsFile.h"
#include "ui/ExportFile.h"
#include "ui/ImageFile.h"
#include "ui/Look.h"
#include "ui/ModelText.h"
#include "ui/Platform.h"
#include "ui/PrintForm.h"
#include "ui/WorksheetPage.h"
#include "ui/experiment/ChartLegend.h"
#include "ui/experiment/ExperimentChart.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QPainter>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

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
// More intervals than a chart shows apart as points with error bars: drawn as a line, with the
// error bars of evenly spaced intervals among them.
constexpr std::size_t kMostMarkedIntervals = 300;

const QColor kCountColor(0, 70, 170);
const QColor kBackgroundColor(150, 150, 150, 110);
const QColor kFitColor(200, 30, 30);
const QColor kModernColor(0, 130, 60);

QString number(double value, int digits = 6)
{
    return QLocale().toString(value, 'g', digits);
}

// A value and its uncertainty, both rounded to the place of the uncertainty's second digit.
QString withSigma(double value, double sigma)
{
    if (!(sigma > 0) || !std::isfinite(sigma) || !std::isfinite(value))
        return number(value);
    const int place = static_cast<int>(std::floor(std::log10(sigma))) - 1;
    const double unit = std::pow(10.0, place);
    const int decimals = std::clamp(-place, 0, 12);
    return QStringLiteral("%1 \u00B1 %2")
        .arg(QLocale().toString(std::round(value / unit) * unit, 'f', decimals), QLocale().toString(std::round(sigma / unit) * unit, 'f', decimals));
}

// A number typed in a field, within [low, high]; empty for anything else.
std::optional<double> fieldValue(const QLineEdit* field, const QWidget& window, double low, double high)
{
    const auto value = decay::strictValue(text(field), decimalPoint(window));
    return value && *value >= low && *value <= high ? value : std::nullopt;
}

// An error bar from `low` to `high` at `x`.
QPolygonF bar(double x, double low, double high)
{
    return QPolygonF{QPointF(x, low), QPointF(x, high)};
}

} // namespace

CountingLab::CountingLab(Platform& platform)
    : m_platform(platform)
{
    setObjectName(QStringLiteral("CountingLab"));
    setWindowTitle(tr("Counting lab"));
    setAttribute(Qt::WA_DeleteOnClose);
    setAttribute(Qt::WA_QuitOnClose, false); // closing it never ends the program
    setWindowIcon(look::windowIcon());

    tmrPlay = new QTimer(this);
    tmrPlay->setObjectName(QStringLiteral("tmrPlay"));
    tmrPlay->setInterval(kFrameMilliseconds);

    auto* left = new QVBoxLayout;
    left->addWidget(buildDetector());
    tabLab = new QTabWidget;
    look::name(tabLab, QStringLiteral("tabLab"), tr("Experiments"));
    tabLab->addTab(buildCounting(), tr("Counting"));
    tabLab->addTab(buildDating(), tr("Radiocarbon dating"));
    left->addWidget(tabLab, 1);
    auto* files = new QHBoxLayout;
    cmdSaveImage = look::plainButton(QStringLiteral("cmdSaveImage"), tr("Save chart as image..."));
    cmdPrint = look::plainButton(QStringLiteral("cmdPrint"), tr("Print worksheet"));
    cmdClose = look::plainButton(QStringLiteral("cmdClose"), tr("Close"));
    for (QPushButton* b : {cmdSaveImage, cmdPrint, cmdClose})
        files->addWidget(b);
    left->addLayout(files);

    auto* top = new QHBoxLayout(this);
    top->addLayout(left);
    top->addLayout(buildChartArea(), 1);
    connectHandlers();
    lblSample->setText(tr("No run to count yet."));
    showLamp();
    showCounts();
    showFit();
    showDating();
    setCommands();
    resize(1180, 760);
}

CountingLab::~CountingLab() = default;

// The detector and the background measurement, which both experiments share.
QWidget* CountingLab::buildDetector()
{
    auto* box = new QGroupBox(tr("Detector"));
    look::name(box, QStringLiteral("frmDetector"), box->title());
    auto* form = new QFormLayout(box);
    txtEfficiency = look::formField(form, QStringLiteral("txtEfficiency"), tr("Efficiency:"));
    txtEfficiency->setText(QStringLiteral("0") + qtext(decimalPoint(*this)) + QStringLiteral("1"));
    txtBackground = look::formField(form, QStringLiteral("txtBackground"), tr("Background rate (per second):"));
    txtBackground->setText(QStringLiteral("0") + qtext(decimalPoint(*this)) + QStringLiteral("5"));
    txtBackgroundTime = look::formField(form, QStringLiteral("txtBackgroundTime"), tr("Background counting time (s):"));
    txtBackgroundTime->setText(QStringLiteral("600"));
    cmdBackground = look::plainButton(QStringLiteral("cmdBackground"), tr("Measure background"));
    form->addRow(QString(), cmdBackground);
    lblBackground = new QLabel;
    lblBackground->setObjectName(QStringLiteral("lblBackground"));
    lblBackground->setWordWrap(true);
    form->addRow(lblBackground);
    return box;
}

// The run's counter: what it counts, the play, the display and the fit.
QWidget* CountingLab::buildCounting()
{
    auto* page = new QWidget;
    look::name(page, QStringLiteral("pageCounting"), tr("Counting"));
    auto* layout = new QVBoxLayout(page);
    lblSample = new QLabel;
    lblSample->setObjectName(QStringLiteral("lblSample"));
    lblSample->setWordWrap(true);
    layout->addWidget(lblSample);
    auto* form = new QFormLayout;
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
    layout->addLayout(form);

    cmdStart = look::plainButton(QStringLiteral("cmdStart"), tr("Start"));
    cmdStart->setDefault(true);
    cmdPause = look::plainButton(QStringLiteral("cmdPause"), tr("Pause"));
    cmdStep = look::plainButton(QStringLiteral("cmdStep"), tr("Step"));
    chkSound = new QCheckBox(tr("Sound"));
    chkSound->setObjectName(QStringLiteral("chkSound"));
    lblLamp = new QFrame;
    look::name(lblLamp, QStringLiteral("lblLamp"), tr("Count lamp"));
    lblLamp->setFixedSize(22, 22);
    auto* play = new QHBoxLayout;
    for (QWidget* w : {static_cast<QWidget*>(cmdStart), static_cast<QWidget*>(cmdPause), static_cast<QWidget*>(cmdStep)})
        play->addWidget(w);
    play->addStretch();
    play->addWidget(chkSound);
    play->addWidget(lblLamp);
    layout->addLayout(play);

    lblCounts = new QLabel;
    lblCounts->setObjectName(QStringLiteral("lblCounts"));
    lblCounts->setAccessibleDescription(tr("Counts in this interval"));
    QFont big = lblCounts->font();
    big.setPointSizeF(big.pointSizeF() * 2.2);
    big.setBold(true);
    lblCounts->setFont(big);
    lblCounts->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    lblCounts->setFrameShape(QFrame::StyledPanel);
    lblRate = new QLabel;
    lblRate->setObjectName(QStringLiteral("lblRate"));
    lblRate->setWordWrap(true);
    layout->addWidget(lblCounts);
    layout->addWidget(lblRate);

    auto* fitForm = new QFormLayout;
    cboMethod = new QComboBox;
    look::name(cboMethod, QStringLiteral("cboMethod"), tr("Fit method:"));
    for (auto method : {decay::FitMethod::PoissonLikelihood, decay::FitMethod::WeightedLeastSquares})
        cboMethod->addItem(modelText(std::string(decay::methodName(method))));
    fitForm->addRow(tr("Fit method:"), cboMethod);
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
    return page;
}

// A sample of old carbon: its mass, its age hidden or typed, and counts of it for a chosen time.
QWidget* CountingLab::buildDating()
{
    auto* page = new QWidget;
    look::name(page, QStringLiteral("pageDating"), tr("Radiocarbon dating"));
    auto* layout = new QVBoxLayout(page);
    auto* form = new QFormLayout;
    txtCarbon = look::formField(form, QStringLiteral("txtCarbon"), tr("Carbon (g):"));
    txtCarbon->setText(QStringLiteral("100"));
    txtAge = look::formField(form, QStringLiteral("txtAge"), tr("Age (years, empty for a hidden one):"));
    cmdNewSample = look::plainButton(QStringLiteral("cmdNewSample"), tr("New sample"));
    form->addRow(QString(), cmdNewSample);
    txtDatingTime = look::formField(form, QStringLiteral("txtDatingTime"), tr("Counting time (min):"));
    txtDatingTime->setText(QStringLiteral("60"));
    cmdCountSample = look::plainButton(QStringLiteral("cmdCountSample"), tr("Count sample"));
    cmdReveal = look::plainButton(QStringLiteral("cmdReveal"), tr("Show the true age"));
    auto* row = new QHBoxLayout;
    row->addWidget(cmdCountSample);
    row->addWidget(cmdReveal);
    form->addRow(QString(), row);
    layout->addLayout(form);
    lblDating = new QLabel;
    lblDating->setObjectName(QStringLiteral("lblDating"));
    lblDating->setWordWrap(true);
    lblDating->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    layout->addWidget(lblDating, 1);
    return page;
}

QLayout* CountingLab::buildChartArea()
{
    chkLog = new QCheckBox(tr("Logarithmic scale"));
    chkLog->setObjectName(QStringLiteral("chkLog"));
    chartCounts = new ExperimentChart;
    look::name(chartCounts, QStringLiteral("chartCounts"), tr("Chart of the counts"));
    chartCounts->setFocusPolicy(Qt::StrongFocus); // so that a screen reader can reach its description
    frmLegend = new ChartLegend(*chartCounts, 4);
    look::name(frmLegend, QStringLiteral("frmLegend"), tr("Legend"));
    chartResiduals = new ExperimentChart;
    look::name(chartResiduals, QStringLiteral("chartResiduals"), tr("Residuals of the fit"));
    chartResiduals->setFixedHeight(170);
    auto* right = new QVBoxLayout;
    right->addWidget(chkLog);
    right->addWidget(chartCounts, 1);
    right->addWidget(frmLegend);
    right->addWidget(chartResiduals);
    return right;
}

void CountingLab::connectHandlers()
{
    connect(cmdBackground, &QPushButton::clicked, this, &CountingLab::cmdBackground_Click);
    connect(cmdStart, &QPushButton::clicked, this, &CountingLab::cmdStart_Click);
    connect(cmdPause, &QPushButton::clicked, this, &CountingLab::cmdPause_Click);
    connect(cmdStep, &QPushButton::clicked, this, &CountingLab::cmdStep_Click);
    connect(tmrPlay, &QTimer::timeout, this, &CountingLab::tmrPlay_Timer);
    connect(cboMethod, &QComboBox::currentIndexChanged, this, &CountingLab::cboMethod_Change);
    connect(cmdImport, &QPushButton::clicked, this, &CountingLab::cmdImport_Click);
    connect(cmdExportCounts, &QPushButton::clicked, this, &CountingLab::cmdExportCounts_Click);
    connect(cmdNewSample, &QPushButton::clicked, this, &CountingLab::cmdNewSample_Click);
    connect(cmdCountSample, &QPushButton::clicked, this, &CountingLab::cmdCountSample_Click);
    connect(cmdReveal, &QPushButton::clicked, this, &CountingLab::cmdReveal_Click);
    connect(tabLab, &QTabWidget::currentChanged, this, &CountingLab::tabLab_Change);
    connect(chkLog, &QCheckBox::toggled, this, &CountingLab::showPlot);
    connect(cmdSaveImage, &QPushButton::clicked, this, &CountingLab::cmdSaveImage_Click);
    connect(cmdPrint, &QPushButton::clicked, this, &CountingLab::cmdPrint_Click);
    connect(cmdClose, &QPushButton::clicked, this, &CountingLab::cmdClose_Click);
}

// Sample

void CountingLab::setSample(const NuclideLab::Result& run, const QString& name)
{
    stop();
    m_counter.reset();
    m_imported.reset();
    m_sample = Sample{run, name};
    lstMembers->clear();
    for (const decay::ChainMember& member : run.chain.members) {
        if (member.stable())
            continue;
        auto* item = new QListWidgetItem(qtext(member.symbol), lstMembers);
        item->setData(Qt::UserRole, static_cast<int>(&member - run.chain.members.data()));
        item->setCheckState(Qt::Checked);
    }
    const TimeScale time = shownTime();
    lblSample->setText(tr("Sample: %1, %2 run of %3 steps of %4 %5.")
                           .arg(name, run.random ? tr("random") : tr("exact"))
                           .arg(run.setup.steps)
                           .arg(number(run.setup.step * time.perSecond), time.unit));
    showCounts();
    showFit();
    setCommands();
}

bool CountingLab::playing() const
{
    return tmrPlay->isActive();
}

bool CountingLab::lampLit() const
{
    return m_lampLeft > 0;
}

std::optional<decay::CounterSettings> CountingLab::readSettings()
{
    const auto entry = decay::readCounterSettings(
        {text(txtEfficiency), text(txtBackground), text(txtInterval), decimalPoint(*this)});
    if (!entry.settings)
        m_platform.showError(this, tr("Counting lab"), modelText(entry.error));
    return entry.settings;
}

// Background

void CountingLab::cmdBackground_Click()
{
    const auto settings = readSettings();
    if (!settings)
        return;
    const auto seconds = fieldValue(txtBackgroundTime, *this, 1, 1e7);
    if (!seconds) {
        m_platform.showError(this, tr("Counting lab"), tr("The background counting time must be a number of seconds from 1 to 1E+07."));
        return;
    }
    decay::DecayDraws draws(m_platform.randomSeed());
    m_background = decay::measureBackground(draws, settings->background, *seconds);
    lblBackground->setText(tr("Background: %1 counts in %2 s, %3 per second.")
                               .arg(m_background->counts)
                               .arg(number(*seconds))
                               .arg(withSigma(m_background->rate(), m_background->sigma())));
    showFit();
    showDating();
}

// Counting

// A counter for the sample as the entries set it; false, with a message, when it cannot count.
bool CountingLab::startCounting()
{
    if (!m_sample)
        return false;
    const auto settings = readSettings();
    if (!settings)
        return false;
    std::vector<bool> chosen(m_sample->run.chain.members.size(), false);
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
    const NuclideLab::Result& run = m_sample->run;
    decay::SampleRun sample = decay::countedSample(run.counts, chosen, run.setup.step, run.random);
    const std::string refusal = decay::countingRefusal(sample, *settings);
    if (!refusal.empty()) {
        m_platform.showError(this, tr("Counting lab"), modelText(refusal));
        return false;
    }
    m_counter.emplace(std::move(sample), *settings, m_platform.randomSeed());
    m_imported.reset();
    m_fit.reset();
    m_playTime = 0;
    return true;
}

void CountingLab::cmdStart_Click()
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
void CountingLab::cmdPause_Click()
{
    if (!m_counter || m_counter->finished())
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
void CountingLab::cmdStep_Click()
{
    if (!m_counter || m_counter->finished()) {
        stop();
        if (!startCounting())
            return;
    }
    stop();
    const std::int64_t before = totalCounts();
    m_counter->advanceTo(m_counter->time() + m_sample->run.setup.step);
    m_playTime = m_counter->time();
    counted(totalCounts() - before, 0);
    // Paused, no frame comes to put the lamp out.
    QTimer::singleShot(static_cast<int>(kFlashSeconds * 1000), this, [this] {
        if (!playing())
            counted(0, kFlashSeconds);
    });
    showFit();
    setCommands();
}

void CountingLab::tmrPlay_Timer()
{
    playFor(static_cast<double>(m_frameClock.restart()) / 1000.0);
}

void CountingLab::playFor(double realSeconds)
{
    if (!m_counter || !playing())
        return;
    const std::int64_t before = totalCounts();
    const std::size_t intervals = m_counter->intervals().size();
    const int speed = cboSpeed->currentIndex();
    if (speed >= 0 && speed < static_cast<int>(std::size(kSpeeds))) {
        m_playTime += realSeconds * kSpeeds[speed];
        m_counter->advanceTo(m_playTime);
    } else {
        QElapsedTimer slice;
        slice.start();
        while (!m_counter->finished() && slice.nsecsElapsed() < static_cast<qint64>(kFastSliceSeconds * 1e9))
            m_counter->advanceTo(m_counter->time() + m_sample->run.setup.step);
        m_playTime = m_counter->time();
    }
    counted(totalCounts() - before, realSeconds);
    if (m_counter->finished()) {
        stop();
        showFit();
        setCommands();
    } else if (m_counter->intervals().size() != intervals) {
        showPlot();
    }
}

// The loudspeaker clicks and the lamp flashes for the counts of a frame; at high rates the clicks
// come no faster than a loudspeaker can sound them apart, and the lamp stays lit.
void CountingLab::counted(std::int64_t newCounts, double realSeconds)
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

void CountingLab::showLamp()
{
    if (m_lampShownLit == lampLit())
        return;
    m_lampShownLit = lampLit();
    lblLamp->setStyleSheet(m_lampShownLit ? QStringLiteral("background: #ffb000; border: 2px solid #805000; border-radius: 11px;")
                                          : QStringLiteral("background: #404040; border: 2px solid #202020; border-radius: 11px;"));
    lblLamp->setAccessibleDescription(m_lampShownLit ? tr("lit") : tr("dark"));
}

std::int64_t CountingLab::totalCounts() const
{
    std::int64_t sum = m_counter->running().counts;
    for (const decay::CountInterval& interval : m_counter->intervals())
        sum += interval.counts;
    return sum;
}

// Stops the play; the lamp goes out with it.
void CountingLab::stop()
{
    tmrPlay->stop();
    m_lampLeft = 0;
    showLamp();
}

// The running interval's counts, the rate of the last complete one, and how far the run is.
void CountingLab::showCounts()
{
    if (!m_counter) {
        lblCounts->setText(QStringLiteral("0"));
        lblRate->setText(m_imported ? tr("Counts imported from %1.").arg(m_imported->fileName)
                                    : m_sample ? tr("Press Start to count the sample.")
                                               : tr("No run to count: run a chain in the nuclide lab and press Counter there, "
                                                    "or import counts."));
        return;
    }
    const decay::CountInterval running = m_counter->running();
    lblCounts->setText(QString::number(running.counts));
    const TimeScale time = shownTime();
    QString rate = tr("Count rate: not yet known.");
    if (!m_counter->intervals().empty()) {
        const decay::CountInterval& last = m_counter->intervals().back();
        rate = tr("Count rate: %1 per second in the last interval.").arg(number(static_cast<double>(last.counts) / (last.end - last.start)));
    }
    lblRate->setText(rate + QLatin1Char('\n') +
                     tr("t = %1 of %2 %3; %4 intervals counted.")
                         .arg(number(m_counter->time() * time.perSecond), number(m_counter->endTime() * time.perSecond), time.unit)
                         .arg(m_counter->intervals().size()));
}

decay::FitData CountingLab::shownData() const
{
    if (m_imported)
        return m_imported->counts.data;
    if (!m_counter)
        return {};
    return decay::countedData(m_counter->intervals(), m_background.value_or(decay::BackgroundMeasurement{}));
}

decay::TimeUnit CountingLab::timeUnit() const
{
    return m_sample ? m_sample->run.unit : decay::TimeUnit::Second;
}

CountingLab::TimeScale CountingLab::shownTime() const
{
    if (m_imported)
        return {1, qtext(m_imported->counts.timeUnit)};
    if (m_sample)
        return {1 / decay::unitSeconds(m_sample->run.unit), unitText(decay::unitName(m_sample->run.unit))};
    return {1, QString()};
}

// Chart

void CountingLab::tabLab_Change()
{
    showPlot();
}

void CountingLab::showPlot()
{
    const bool dating = tabLab->currentIndex() == 1;
    ExperimentChart::Plot residuals;
    const ExperimentChart::Plot plot = dating ? datingPlot() : ratePlot(&residuals);
    chartResiduals->setVisible(!dating);
    chartResiduals->setPlot(residuals);
    chartCounts->setPlot(plot);
    chartCounts->setAccessibleDescription(tr("%1. Across: %2; up: %3.").arg(plot.title, plot.xTitle, plot.yTitle));
    frmLegend->refresh();
}

// The count rate of every interval with its error bar, the background and the fit; the fit's
// residuals go to `residuals`.
ExperimentChart::Plot CountingLab::ratePlot(ExperimentChart::Plot* residuals) const
{
    ExperimentChart::Plot plot;
    plot.logY = chkLog->isChecked();
    const decay::FitData measured = shownData();
    const auto [toShown, unit] = shownTime();
    const QString perTime = m_imported ? (unit.isEmpty() ? tr("per unit of time") : tr("per %1").arg(unit)) : tr("per second");
    plot.title = measured.intervals.empty() ? (m_sample ? tr("Press Start to count the sample") : tr("No counts yet"))
                                        : tr("Count rate with \u221AN error bars");
    plot.xTitle = unit.isEmpty() ? tr("t") : tr("t [%1]").arg(unit);
    plot.yTitle = tr("Count rate [%1]").arg(perTime);
    if (residuals) {
        residuals->title = tr("Residuals of the fit");
        residuals->xTitle = plot.xTitle;
        residuals->yTitle = tr("(counts \u2212 fit) / \u03C3");
    }

    const std::size_t barEvery = (measured.intervals.size() + kMostMarkedIntervals - 1) / kMostMarkedIntervals;
    ExperimentChart::Layer countLayer{tr("Counts"), kCountColor, barEvery <= 1 ? ExperimentChart::Layer::Kind::Points : ExperimentChart::Layer::Kind::Lines};
    countLayer.width = barEvery <= 1 ? 1.5 : 1;
    ExperimentChart::Layer bars{countLayer.name, kCountColor};
    bars.inLegend = false;
    bars.width = 1;
    QPolygonF points, low, high, fitLine, residualPoints;
    const bool fitted = m_fit && m_fit->fitted() && m_fit->expected.size() == measured.intervals.size();
    const double backgroundSigma =
        measured.backgroundTime > 0 ? decay::BackgroundMeasurement{measured.backgroundCounts, measured.backgroundTime}.sigma() : 0;
    const auto backgroundAt = [&](std::size_t k) {
        const decay::CountInterval& interval = measured.intervals[k];
        const double length = interval.end - interval.start;
        return measured.backgroundRate * (k < measured.exposure.size() ? measured.exposure[k] : length) / length;
    };
    for (std::size_t k = 0; k < measured.intervals.size(); ++k) {
        const decay::CountInterval& interval = measured.intervals[k];
        const double length = interval.end - interval.start;
        const double x = (interval.start + interval.end) / 2 * toShown;
        const double n = static_cast<double>(interval.counts);
        points.append(QPointF(x, n / length));
        if (k % barEvery == 0)
            bars.lines.push_back(bar(x, (n - std::sqrt(n)) / length, (n + std::sqrt(n)) / length));
        // The background's steps, only where its rate changes, and at both ends.
        const double b = backgroundAt(k);
        if (k == 0 || k + 1 == measured.intervals.size() || b != backgroundAt(k - 1) || b != backgroundAt(k + 1))
            for (double t : {interval.start * toShown, interval.end * toShown}) {
                low.append(QPointF(t, b - backgroundSigma));
                high.append(QPointF(t, b + backgroundSigma));
            }
        if (fitted) {
            fitLine.append(QPointF(x, m_fit->expected[k] / length));
            residualPoints.append(QPointF(x, m_fit->residuals[k]));
        }
    }
    countLayer.lines.push_back(points);
    plot.layers.push_back(std::move(bars));
    plot.layers.push_back(std::move(countLayer));
    if (!measured.intervals.empty() && (measured.backgroundRate > 0 || measured.backgroundTime > 0)) {
        ExperimentChart::Layer background{tr("Background"), kBackgroundColor, ExperimentChart::Layer::Kind::Band};
        background.lines = {low, high};
        plot.layers.push_back(std::move(background));
    }
    if (fitted) {
        ExperimentChart::Layer fit{tr("Fit"), kFitColor};
        fit.width = 2;
        fit.lines.push_back(fitLine);
        plot.layers.push_back(std::move(fit));
        if (residuals) {
            ExperimentChart::Layer zero{tr("Zero"), Qt::black};
            zero.width = 1;
            zero.inLegend = false;
            zero.lines.push_back(QPolygonF{QPointF(measured.intervals.front().start * toShown, 0), QPointF(measured.intervals.back().end * toShown, 0)});
            ExperimentChart::Layer spread{tr("Residuals"), kFitColor, ExperimentChart::Layer::Kind::Points};
            spread.inLegend = false;
            spread.lines.push_back(residualPoints);
            residuals->layers.push_back(std::move(zero));
            residuals->layers.push_back(std::move(spread));
        }
    }
    return plot;
}

// Both ages from every count of the dating sample against the counting time, with the true age
// once shown: longer counts narrow the error bars.
ExperimentChart::Plot CountingLab::datingPlot() const
{
    ExperimentChart::Plot plot;
    plot.title = m_datings.empty() ? tr("Press Count sample to date the sample") : tr("Age from each count of the sample");
    plot.xTitle = tr("Counting time [min]");
    plot.yTitle = tr("Age [years]");
    plot.logX = true;
    double shortest = 1e300, longest = 0;
    for (std::size_t a = 0; a < 2; ++a) {
        ExperimentChart::Layer ages{a == 0 ? tr("Conventional age (5568 y)") : tr("Age with 5700 y"), a == 0 ? kCountColor : kModernColor,
                                    ExperimentChart::Layer::Kind::Points};
        ExperimentChart::Layer bars{ages.name, ages.color};
        bars.inLegend = false;
        QPolygonF points;
        for (const Dating& d : m_datings) {
            const decay::DatedAge& age = d.result.ages[a];
            const double x = d.count.seconds / 60 * (a == 0 ? 0.97 : 1.03); // side by side
            shortest = std::min(shortest, x);
            longest = std::max(longest, x);
            points.append(QPointF(x, age.age));
            if (!age.lowerLimit)
                bars.lines.push_back(bar(x, age.age - age.sigma, age.age + age.sigma));
        }
        ages.lines.push_back(points);
        plot.layers.push_back(std::move(bars));
        plot.layers.push_back(std::move(ages));
    }
    if (m_ageShown && m_datingSample && !m_datings.empty()) {
        ExperimentChart::Layer truth{tr("True age"), Qt::black};
        truth.width = 1;
        truth.lines.push_back(QPolygonF{QPointF(shortest * 0.8, m_datingSample->age), QPointF(longest * 1.25, m_datingSample->age)});
        plot.layers.push_back(std::move(truth));
    }
    return plot;
}

// Fit

void CountingLab::cboMethod_Change()
{
    showFit();
}

// The half-life from the counts shown, once the counting stops or pauses, and the chart with it.
void CountingLab::showFit()
{
    lblFit->setText(fitText());
    showPlot();
}

QString CountingLab::fitText()
{
    m_fit.reset();
    const decay::FitData measured = shownData();
    if (playing())
        return tr("The half-life is fitted when the counting stops or pauses.");
    if (measured.intervals.size() < 2)
        return tr("A fit needs the counts of two intervals or more.");
    const auto method = cboMethod->currentIndex() == 1 ? decay::FitMethod::WeightedLeastSquares : decay::FitMethod::PoissonLikelihood;
    m_fit = method == decay::FitMethod::WeightedLeastSquares ? decay::fitWeightedLeastSquares(measured) : decay::fitPoissonLikelihood(measured);
    const QString methodName = modelText(std::string(decay::methodName(method)));
    QString shown;
    if (!m_fit->fitted()) {
        shown = tr("No half-life could be fitted (%1): %2").arg(methodName, modelText(m_fit->note));
    } else {
        const TimeScale time = shownTime();
        shown = tr("T\u00BD = %1 %2 (%3)").arg(withSigma(m_fit->halfLife * time.perSecond, m_fit->sigma * time.perSecond), time.unit, methodName);
        if (!m_fit->note.empty())
            shown += QLatin1Char('\n') + modelText(m_fit->note);
    }
    if (!m_imported && !m_background)
        shown += QLatin1Char('\n') + tr("No background measured: the fit takes it as 0.");
    return shown;
}

// Files

void CountingLab::cmdImport_Click()
{
    const QString title = tr("Import counts");
    const auto file = importFile(*this, m_platform, title, tr("Counts (*.csv *.txt *.tsv);;All files (*)"), 8 << 20,
                                 tr("The counts were not imported.\n\n%1 cannot be read: %2"));
    if (!file)
        return;
    const auto read = decay::readCounts(std::string_view(file->bytes.constData(), static_cast<std::size_t>(file->bytes.size())), decimalPoint(*this));
    if (!read.counts) {
        m_platform.showError(this, title, tr("The counts were not imported from %1.\n\n%2").arg(file->name, modelText(read.error)));
        return;
    }
    stop();
    m_counter.reset();
    m_imported = Imported{*read.counts, file->name};
    tabLab->setCurrentIndex(0);
    showCounts();
    showFit();
    setCommands();
}

void CountingLab::cmdExportCounts_Click()
{
    if (!m_counter || !m_sample || m_counter->intervals().empty())
        return;
    exportFile(*this, m_platform,
               {tr("Export counts CSV"), tr("Atomdrift counts.csv"), tr("CSV files (*.csv)"), {QStringLiteral("csv")},
                tr("The counts were not saved.")},
               [this](const QString&) { return ExportBytes{QByteArray::fromStdString(decay::countsFileText(shownData(), timeUnit())), {}}; });
}

void CountingLab::cmdSaveImage_Click()
{
    saveImage(*this, m_platform, tr("Save chart as image"), chartCounts->size(),
              [this](QPainter& painter, QSize size) { chartCounts->paint(painter, size); });
}

void CountingLab::cmdPrint_Click()
{
    printPage(*this, m_platform, tr("Print worksheet"), tr("Atomdrift counting lab.pdf"),
              [this](QPainter& painter) { paintWorksheet(painter); });
}

void CountingLab::cmdClose_Click()
{
    close();
}

void CountingLab::paintWorksheet(QPainter& painter) const
{
    WorksheetPage page(painter);
    page.heading(tr("Atomdrift \u2014 Counting lab"));
    page.paragraph(tr("%1 Efficiency %2, background %3 per second. %4")
                       .arg(m_imported ? tr("Counts imported from %1.").arg(m_imported->fileName) : lblSample->text(), txtEfficiency->text(),
                            txtBackground->text(), lblBackground->text()),
                   17, false, 12);
    page.picture(560, [this](QPainter& chartPainter, QSizeF size) {
        ExperimentChart rates;
        rates.setPlot(ratePlot(nullptr));
        rates.setHidden(chartCounts->hidden());
        rates.paint(chartPainter, size);
    });
    page.paragraph(lblFit->text(), 17, true, 16);
    page.questions({
        tr("Why are the error bars longer, compared with the count rate, late in the run than early on?"),
        tr("Measure the background for ten times as long and fit again. What changes in the half-life and its "
           "uncertainty, and why?"),
        tr("How much longer would you have to count to halve the uncertainty of the half-life?"),
    });
}

// Radiocarbon dating

void CountingLab::cmdNewSample_Click()
{
    const auto grams = fieldValue(txtCarbon, *this, 0.001, 10000);
    if (!grams) {
        m_platform.showError(this, tr("Counting lab"), tr("The carbon must be a number of grams from 0.001 to 10000."));
        return;
    }
    m_ageHidden = text(txtAge).find_first_not_of(' ') == std::string::npos;
    decay::DecayDraws draws(m_platform.randomSeed());
    if (m_ageHidden) {
        m_datingSample = decay::hiddenSample(draws, *grams);
    } else {
        const auto age = fieldValue(txtAge, *this, 0, 100000);
        if (!age) {
            m_platform.showError(this, tr("Counting lab"), tr("The age must be a number of years from 0 to 100000, or empty for a hidden one."));
            return;
        }
        m_datingSample = decay::DatingSample{*age, *grams};
    }
    m_datings.clear();
    m_ageShown = false;
    showDating();
    showPlot();
    setCommands();
}

void CountingLab::cmdCountSample_Click()
{
    if (!m_datingSample)
        cmdNewSample_Click();
    if (!m_datingSample)
        return;
    const auto settings = readSettings();
    if (!settings)
        return;
    const auto minutes = fieldValue(txtDatingTime, *this, 0.1, 1e6);
    if (!minutes) {
        m_platform.showError(this, tr("Counting lab"), tr("The counting time must be a number of minutes from 0.1 to 1E+06."));
        return;
    }
    // The background is counted for as long as the sample, as a dating laboratory does, so that a
    // longer count narrows both.
    decay::DecayDraws draws(m_platform.randomSeed());
    const decay::DatingCount count = decay::countSample(draws, *m_datingSample, *settings, *minutes * 60);
    const decay::BackgroundMeasurement background = decay::measureBackground(draws, settings->background, count.seconds);
    m_datings.push_back({count, background, decay::dateSample(count, background, m_datingSample->carbonGrams, settings->efficiency)});
    showDating();
    showPlot();
    setCommands();
}

void CountingLab::cmdReveal_Click()
{
    m_ageShown = m_datingSample.has_value();
    showDating();
    showPlot();
}

// The last count's ratio and both ages, and the true age once shown.
void CountingLab::showDating()
{
    QString shown;
    if (!m_datingSample) {
        shown = tr("Press New sample for a piece of old carbon, then Count sample. Longer counting gives a smaller "
                   "uncertainty.");
    } else {
        shown = m_ageHidden ? tr("A sample of %1 g of carbon, of unknown age.").arg(number(m_datingSample->carbonGrams))
                            : tr("A sample of %1 g of carbon.").arg(number(m_datingSample->carbonGrams));
        if (!m_datings.empty()) {
            const Dating& last = m_datings.back();
            shown += QLatin1Char('\n') + tr("Counted for %1 min: %2 counts, and %3 of background in as long; %4 % of the "
                                             "activity of modern carbon.")
                                             .arg(number(last.count.seconds / 60))
                                             .arg(last.count.counts)
                                             .arg(last.background.counts)
                                             .arg(withSigma(100 * last.result.ratio, 100 * last.result.ratioSigma));
            for (const decay::DatedAge& age : last.result.ages) {
                const QString label = &age == last.result.ages.data() ? tr("Conventional radiocarbon age (Libby half-life, 5568 y)")
                                                                      : tr("Age with the half-life 5700 y");
                shown += QLatin1Char('\n') + (age.lowerLimit ? tr("%1: at least %2 y").arg(label, number(age.age))
                                                             : tr("%1: %2 y").arg(label, withSigma(age.age, age.sigma)));
            }
            if (!last.result.note.empty())
                shown += QLatin1Char('\n') + modelText(last.result.note);
        }
        if (m_ageShown)
            shown += QLatin1Char('\n') + tr("True age: %1 y.").arg(number(m_datingSample->age, 6));
    }
    lblDating->setText(shown);
}

void CountingLab::setCommands()
{
    const bool counting = m_counter && !m_counter->finished();
    cmdStart->setEnabled(m_sample.has_value());
    cmdPause->setEnabled(counting);
    cmdPause->setText(counting && !playing() ? tr("Resume") : tr("Pause"));
    cmdStep->setEnabled(m_sample.has_value() && !playing());
    cmdExportCounts->setEnabled(m_counter && !m_counter->intervals().empty());
    cmdReveal->setEnabled(m_datingSample.has_value());
}
