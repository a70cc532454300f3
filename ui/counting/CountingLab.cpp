#include "CountingLab.h"

#include "model/common/Conversions.h"
#include "model/random/DecayDraws.h"
#include "output/CountsFile.h"
#include "ui/ExportFile.h"
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

} // namespace

CountingLab::CountingLab(Platform& platform)
    : m_platform(platform)
{
    look::ownWindow(this, QStringLiteral("CountingLab"), tr("Counting lab"));

    tmrPlay = new QTimer(this);
    tmrPlay->setObjectName(QStringLiteral("tmrPlay"));
    tmrPlay->setInterval(kFrameMilliseconds);

    auto* left = new QVBoxLayout;
    left->addWidget(buildDetector());
    tabLab = new QTabWidget;
    look::name(tabLab, QStringLiteral("tabLab"), tr("Experiments"));
    tabLab->addTab(buildCounting(), tr("Counting"));
    tabLab->addTab(buildDating(), tr("Radiocarbon dating"));
    tabLab->addTab(buildRepeat(), tr("Repeat counts"));
    left->addWidget(tabLab, 1);
    auto* files = new QHBoxLayout;
    const look::ChartCommands commands = look::chartCommands();
    cmdSaveImage = commands.saveImage;
    cmdPrint = commands.print;
    cmdClose = commands.close;
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
    cboDetector = new QComboBox;
    look::name(cboDetector, QStringLiteral("cboDetector"), tr("Detector:"));
    cboDetector->addItems({tr("Ideal counter"), tr("Geiger tube")});
    form->addRow(tr("Detector:"), cboDetector);
    txtDeadTime = look::formField(form, QStringLiteral("txtDeadTime"), tr("Dead time (µs):"));
    txtDeadTime->setText(QStringLiteral("0"));
    cboDeadTime = new QComboBox;
    look::name(cboDeadTime, QStringLiteral("cboDeadTime"), tr("Dead time kind:"));
    cboDeadTime->addItems({tr("non-paralysable"), tr("paralysable")});
    form->addRow(tr("Dead time kind:"), cboDeadTime);
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
    return page;
}

QLayout* CountingLab::buildChartArea()
{
    chkLog = new QCheckBox(tr("Logarithmic scale"));
    chkLog->setObjectName(QStringLiteral("chkLog"));
    chartCounts = new PlotChart;
    look::name(chartCounts, QStringLiteral("chartCounts"), tr("Chart of the counts"));
    chartCounts->setFocusPolicy(Qt::StrongFocus); // so that a screen reader can reach its description
    frmLegend = new PlotLegend(*chartCounts, 4);
    look::name(frmLegend, QStringLiteral("frmLegend"), tr("Legend"));
    chartResiduals = new PlotChart;
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
    connect(cboFitModel, &QComboBox::currentIndexChanged, this, &CountingLab::cboMethod_Change);
    connect(cboDetector, &QComboBox::currentIndexChanged, this, &CountingLab::cboDetector_Change);
    connect(cmdSilver, &QPushButton::clicked, this, &CountingLab::cmdSilver_Click);
    connect(cmdRepeat, &QPushButton::clicked, this, &CountingLab::cmdRepeat_Click);
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

void CountingLab::setSample(const decay::LabRun& run, const QString& name)
{
    stop();
    m_session.setSample(run);
    m_importedName.clear();
    lstMembers->clear();
    for (const decay::ChainMember& member : run.chain.members) {
        if (member.stable())
            continue;
        auto* item = new QListWidgetItem(qtext(member.symbol), lstMembers);
        item->setData(Qt::UserRole, static_cast<int>(&member - run.chain.members.data()));
        item->setCheckState(Qt::Checked);
    }
    const TimeScale time = shownTime();
    const QString kind = run.random ? tr("random") : tr("exact");
    if (run.setup.grid.empty())
        lblSample->setText(tr("Sample: %1, %2 run of %3 steps of %4 %5.")
                               .arg(name, kind)
                               .arg(run.setup.steps)
                               .arg(numbers::significant(run.setup.step * time.perSecond, 6), time.unit));
    else
        //: %1 the sample, %2 exact or random, %3 the number of steps, %4 and %5 the last time and its unit.
        lblSample->setText(tr("Sample: %1, %2 run of %3 steps growing tenfold a decade, to %4 %5.")
                               .arg(name, kind)
                               .arg(run.setup.steps)
                               .arg(numbers::significant(run.setup.grid.back() * time.perSecond, 6), time.unit));
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
        {text(txtEfficiency), text(txtBackground), text(txtInterval), decimalPoint(*this), text(txtDeadTime),
         cboDeadTime->currentIndex() == 1 ? decay::DeadTime::Kind::Paralysable : decay::DeadTime::Kind::NonParalysable});
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
    const decay::NumberEntry seconds = decay::readBackgroundTime(text(txtBackgroundTime), decimalPoint(*this));
    if (!seconds.value) {
        m_platform.showError(this, tr("Counting lab"), modelText(seconds.error));
        return;
    }
    const decay::BackgroundMeasurement& background = m_session.measureBackground(*settings, *seconds.value, m_platform.randomSeed());
    lblBackground->setText(tr("Background: %1 counts in %2 s, %3 per second.")
                               .arg(numbers::count(background.counts), numbers::significant(*seconds.value, 6),
                                    numbers::withUncertainty(background.rate(), background.sigma())));
    showFit();
    showDating();
}

// Counting

// A counter for the sample as the entries set it; false, with a message, when it cannot count.
bool CountingLab::startCounting()
{
    if (!m_session.sample())
        return false;
    const auto settings = readSettings();
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
    const decay::Message refusal = m_session.start(*settings, std::move(chosen), m_platform.randomSeed());
    if (!refusal.empty()) {
        m_platform.showError(this, tr("Counting lab"), modelText(refusal));
        return false;
    }
    m_importedName.clear();
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
void CountingLab::cmdStep_Click()
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

void CountingLab::tmrPlay_Timer()
{
    playFor(static_cast<double>(m_frameClock.restart()) / 1000.0);
}

void CountingLab::playFor(double realSeconds)
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
    if (!m_session.counter()) {
        lblCounts->setText(QStringLiteral("0"));
        lblRate->setText(m_session.imported() ? tr("Counts imported from %1.").arg(m_importedName)
                                              : m_session.sample() ? tr("Press Start to count the sample.")
                                               : tr("No run to count: run a chain in the nuclide lab and press Counter there, "
                                                    "or import counts."));
        return;
    }
    const decay::CountInterval running = m_session.counter()->running();
    lblCounts->setText(numbers::count(running.counts));
    const TimeScale time = shownTime();
    QString rate = tr("Count rate: not yet known.");
    if (!m_session.counter()->intervals().empty()) {
        const decay::CountInterval& last = m_session.counter()->intervals().back();
        rate = tr("Count rate: %1 per second in the last interval.").arg(CountingPlots::rateText(last));
        const decay::DeadTime& dead = m_session.counter()->settings().deadTime;
        const double seconds = last.end - last.start;
        if (dead.tau > 0 && seconds > 0) {
            const double corrected = decay::trueRate(static_cast<double>(last.counts) / seconds, dead);
            rate += QLatin1Char(' ') + (std::isfinite(corrected)
                                            ? tr("Corrected for the dead time: %1 per second.").arg(numbers::significant(corrected, 4))
                                            : tr("Too many counts for the dead time to correct."));
        }
        if (m_session.counter()->saturated())
            rate += QLatin1Char(' ') + tr("The counter is saturated: more than 1/τ events a second reach it.");
    }
    lblRate->setText(rate + QLatin1Char('\n') +
                     tr("t = %1 of %2 %3; %4 intervals counted.")
                         .arg(numbers::significant(m_session.counter()->time() * time.perSecond, 6),
                              numbers::significant(m_session.counter()->endTime() * time.perSecond, 6), time.unit)
                         .arg(m_session.counter()->intervals().size()));
}

decay::FitData CountingLab::shownData() const
{
    return m_session.shownData();
}

decay::TimeUnit CountingLab::timeUnit() const
{
    return m_session.sample() ? m_session.sample()->unit : decay::TimeUnit::Second;
}

CountingLab::TimeScale CountingLab::shownTime() const
{
    const decay::CountingSession::ShownTime time = m_session.shownTime();
    return {time.toShown, time.timeUnit ? unitText(time.unit) : qtext(time.unit)};
}

// Chart

void CountingLab::tabLab_Change()
{
    showPlot();
}

void CountingLab::showPlot()
{
    const bool dating = tabLab->currentIndex() == 1, repeat = tabLab->currentIndex() == 2;
    PlotChart::Plot residuals;
    const PlotChart::Plot plot =
        repeat ? CountingPlots::repeats(m_session.repeats())
        : dating ? CountingPlots::dating(m_session.datings(), m_ageShown && m_session.datingSample() ? std::optional(m_session.datingSample()->age) : std::nullopt)
                 : CountingPlots::rates(rateData(), &residuals);
    chartResiduals->setVisible(!dating && !repeat);
    chartResiduals->setPlot(residuals);
    chartCounts->setPlot(plot);
    chartCounts->setAccessibleDescription(tr("%1. Across: %2; up: %3.").arg(plot.title, plot.xTitle, plot.yTitle));
    frmLegend->refresh();
}

decay::RatePlotData CountingLab::rateData() const
{
    return m_session.rateData(m_session.lastFit().has_value(), m_session.sample().has_value(), chkLog->isChecked());
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
    m_session.clearFit();
    const decay::FitData measured = shownData();
    if (playing())
        return tr("The half-life is fitted when the counting stops or pauses.");
    if (measured.intervals.size() < 2)
        return tr("A fit needs the counts of two intervals or more.");
    if (!m_session.imported() && m_session.counter() && m_session.counter()->saturated())
        return tr("No half-life is fitted: the paralysable counter was saturated, so that more events made it record fewer, "
                  "and its counts no longer say how many arrived. Count with a weaker sample or a shorter dead time.");
    const auto method = cboMethod->currentIndex() == 1 ? decay::FitMethod::WeightedLeastSquares : decay::FitMethod::PoissonLikelihood;
    const decay::HalfLifeFit& fit = m_session.fit(method, fitShape());
    const QString methodName = modelText({std::string(decay::methodName(method)), {}});
    QString shown;
    if (!fit.fitted()) {
        shown = tr("No half-life could be fitted (%1): %2").arg(methodName, modelText(fit.note));
    } else {
        const TimeScale time = shownTime();
        const QString first = numbers::withUncertainty(fit.halfLife * time.perSecond, fit.sigma * time.perSecond);
        if (fit.shape == decay::FitShape::TwoNuclides)
            //: %1 and %3 the two half-lives, %2 their unit, %4 the method.
            shown = tr("T\u00BD = %1 %2 and %3 %2 (%4)")
                        .arg(first, time.unit, numbers::withUncertainty(fit.secondHalfLife * time.perSecond, fit.secondSigma * time.perSecond), methodName);
        else if (fit.shape == decay::FitShape::Chain && m_session.sample())
            //: %1 the chain's first member, %2 its half-life, %3 the unit, %4 the method.
            shown = tr("T\u00BD of %1 = %2 %3 (%4)").arg(qtext(m_session.sample()->chain.members[0].symbol), first, time.unit, methodName);
        else
            shown = tr("T\u00BD = %1 %2 (%3)").arg(first, time.unit, methodName);
        if (fit.degreesOfFreedom > 0)
            //: %1 the chi-square, %2 the degrees of freedom, %3 their quotient, %4 the p-value.
            shown += QLatin1Char('\n') + tr("\u03C7\u00B2/\u03BD = %1/%2 = %3, p = %4")
                                             .arg(numbers::significant(fit.chiSquare, 4))
                                             .arg(fit.degreesOfFreedom)
                                             .arg(numbers::significant(fit.reducedChiSquare(), 3), numbers::significant(fit.pValue, 2));
        if (!fit.note.empty())
            shown += QLatin1Char('\n') + modelText(fit.note);
    }
    if (!m_session.imported() && !m_session.background())
        shown += QLatin1Char('\n') + tr("No background measured: the fit takes it as 0.");
    return shown;
}

void CountingLab::setCommands()
{
    const bool counting = m_session.counter() && !m_session.counter()->finished();
    cmdStart->setEnabled(m_session.sample().has_value());
    cmdPause->setEnabled(counting);
    cmdPause->setText(counting && !playing() ? tr("Resume") : tr("Pause"));
    cmdStep->setEnabled(m_session.sample().has_value() && !playing());
    cmdExportCounts->setEnabled(m_session.hasOwnCounts());
    cmdReveal->setEnabled(m_session.datingSample().has_value());
}
