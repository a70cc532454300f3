#include "RealCounterBox.h"

#include "CounterDisplay.h"

#include "model/common/Conversions.h"
#include "model/counting/CountingSession.h"
#include "model/counting/PulseRecord.h"
#include "model/counting/PulseTexts.h"
#include "output/CountsFile.h"
#include "output/WavFile.h"
#include "ui/ExportFile.h"
#include "ui/Look.h"
#include "ui/ModelText.h"
#include "ui/Numbers.h"
#include "ui/Platform.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMediaDevices>
#include <QPainter>
#include <QProgressDialog>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>
#include <fstream>

using look::decimalPoint;
using look::text;

namespace {

// The strip shows this many seconds of the input.
constexpr double kWaveSeconds = 2;
// A loudspeaker sounds at most 30 distinct clicks a second; the lamp shows each count as long.
constexpr qint64 kLeastClickGapMs = 33;
constexpr int kFlashMilliseconds = 60;

} // namespace

WaveStrip::WaveStrip()
{
    setFixedHeight(90);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

void WaveStrip::clear()
{
    m_low.clear();
    m_high.clear();
    m_pulses.clear();
    m_time = m_threshold = 0;
    update();
}

void WaveStrip::add(const PulseBatch& batch)
{
    m_sampleRate = batch.sampleRate > 0 ? batch.sampleRate : m_sampleRate;
    m_low.insert(m_low.end(), batch.low.begin(), batch.low.end());
    m_high.insert(m_high.end(), batch.high.begin(), batch.high.end());
    const auto keep = static_cast<std::size_t>(kWaveSeconds * m_sampleRate / kWaveStretch);
    if (m_low.size() > 2 * keep) {
        m_low.erase(m_low.begin(), m_low.end() - static_cast<std::ptrdiff_t>(keep));
        m_high.erase(m_high.begin(), m_high.end() - static_cast<std::ptrdiff_t>(keep));
    }
    for (const decay::Pulse& pulse : batch.pulses)
        m_pulses.push_back(pulse.time);
    m_time = batch.seconds;
    std::erase_if(m_pulses, [this](double t) { return t < m_time - kWaveSeconds; });
    m_threshold = batch.report.threshold;
    update();
}

void WaveStrip::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    const double w = width(), h = height();
    p.fillRect(rect(), Qt::white);
    p.setPen(palette().mid().color());
    p.drawRect(rect().adjusted(0, 0, -1, -1));
    const auto y = [h](double v) { return h / 2 - v * (h / 2 - 2); };
    const auto shown = std::min(m_low.size(), static_cast<std::size_t>(kWaveSeconds * m_sampleRate / kWaveStretch));
    p.setPen(QColor(0x00, 0x72, 0xb2));
    for (std::size_t i = 0; i < shown; ++i) {
        const std::size_t k = m_low.size() - shown + i;
        const double x = w * static_cast<double>(i) / static_cast<double>(std::max<std::size_t>(shown, 1));
        p.drawLine(QPointF(x, y(m_high[k])), QPointF(x, y(m_low[k]) + 1));
    }
    if (m_threshold > 0) {
        p.setPen(QPen(QColor(0xd5, 0x5e, 0x00), 1, Qt::DashLine));
        for (double v : {m_threshold, -m_threshold})
            p.drawLine(QPointF(0, y(v)), QPointF(w, y(v)));
    }
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    for (double t : m_pulses)
        p.drawRect(QRectF(w * (t - (m_time - kWaveSeconds)) / kWaveSeconds - 1, 0, 2, 8));
}

RealCounterBox::RealCounterBox(decay::CountingSession& session, Platform& platform, std::function<void()> changed)
    : m_session(session)
    , m_platform(platform)
    , m_changed(std::move(changed))
{
    look::name(this, QStringLiteral("frmRealCounter"), tr("Real counter"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    // The guide, folded away until asked for: the counting needs the room.
    cmdCounterGuide = look::plainButton(QStringLiteral("cmdCounterGuide"), tr("How to connect a counter"));
    cmdCounterGuide->setCheckable(true);
    layout->addWidget(cmdCounterGuide, 0, Qt::AlignLeft);
    lblCounterGuide = new QLabel(QStringLiteral("%1\n%2\n%3")
                                     .arg(
                                          tr("Connect the counter's headphone or loudspeaker output to the computer's microphone or line input with a cable, or hold a microphone close to its loudspeaker."),
                                          tr("Press Listen and watch the waveform: every click should stand well above the threshold line, and none should reach the top or the bottom of the strip. Turn the counter's volume or the input level down when the program says the input clips, up when clicks are missed."),
                                          tr("Count the background first with the source away and take it as the background, then count the source.")));
    lblCounterGuide->setObjectName(QStringLiteral("lblCounterGuide"));
    lblCounterGuide->setWordWrap(true);
    lblCounterGuide->hide();
    layout->addWidget(lblCounterGuide);
    connect(cmdCounterGuide, &QPushButton::toggled, lblCounterGuide, &QLabel::setVisible);

    auto* form = new QFormLayout;
    cboInput = new QComboBox;
    look::name(cboInput, QStringLiteral("cboInput"), tr("Sound input:"));
    cboInput->addItem(tr("The system's default"), QByteArray());
    form->addRow(tr("Sound input:"), cboInput);
    txtPulseThreshold = look::formField(form, QStringLiteral("txtPulseThreshold"), tr("Threshold (times the noise floor):"));
    txtPulseThreshold->setText(numbers::entry(decay::PulseSettings{}.thresholdFactor, 6));
    txtHoldOff = look::formField(form, QStringLiteral("txtHoldOff"), tr("Hold-off (ms):"));
    txtHoldOff->setText(numbers::entry(decay::PulseSettings{}.holdOff * 1000, 6));
    layout->addLayout(form);
    lblHoldOff = new QLabel;
    lblHoldOff->setObjectName(QStringLiteral("lblHoldOff"));
    lblHoldOff->setWordWrap(true);
    layout->addWidget(lblHoldOff);

    cmdListen = look::plainButton(QStringLiteral("cmdListen"), tr("Listen"));
    cmdStopListening = look::plainButton(QStringLiteral("cmdStopListening"), tr("Stop"));
    cmdOpenRecording = look::plainButton(QStringLiteral("cmdOpenRecording"), tr("Open recording..."));
    cmdRecordedBackground = look::plainButton(QStringLiteral("cmdRecordedBackground"), tr("Take as background"));
    cmdRecordedRepeats = look::plainButton(QStringLiteral("cmdRecordedRepeats"), tr("Take as repeat counts"));
    chkRealSound = new QCheckBox(tr("Sound"));
    chkRealSound->setObjectName(QStringLiteral("chkRealSound"));
    lblRealLamp = counterdisplay::lamp(QStringLiteral("lblRealLamp"));
    auto* commands = new QHBoxLayout;
    for (QWidget* w : std::initializer_list<QWidget*>{cmdListen, cmdStopListening, cmdOpenRecording, cmdRecordedBackground})
        commands->addWidget(w);
    commands->addStretch();
    commands->addWidget(chkRealSound);
    commands->addWidget(lblRealLamp);
    layout->addLayout(commands);

    picWave = new WaveStrip;
    look::name(picWave, QStringLiteral("picWave"), tr("The input's waveform, with the threshold and the pulses found"));
    layout->addWidget(picWave);
    lblLiveCount = counterdisplay::counts(QStringLiteral("lblLiveCount"), tr("Pulses counted"));
    layout->addWidget(lblLiveCount);
    lblLiveRate = new QLabel;
    lblLiveRate->setObjectName(QStringLiteral("lblLiveRate"));
    lblLiveRate->setWordWrap(true);
    layout->addWidget(lblLiveRate);
    auto* intervalForm = new QFormLayout;
    txtRecordedInterval = look::formField(intervalForm, QStringLiteral("txtRecordedInterval"), tr("Counting interval (s):"));
    txtRecordedInterval->setText(QStringLiteral("1"));
    cmdExportPulseTimes = look::plainButton(QStringLiteral("cmdExportPulseTimes"), tr("Export pulse times CSV..."));
    auto* files = new QHBoxLayout;
    files->addWidget(cmdRecordedRepeats);
    files->addWidget(cmdExportPulseTimes);
    intervalForm->addRow(QString(), files);
    layout->addLayout(intervalForm);

    m_lamp = new QTimer(this);
    m_lamp->setSingleShot(true);
    connect(m_lamp, &QTimer::timeout, this, &RealCounterBox::lampOff);
    connect(cmdListen, &QPushButton::clicked, this, &RealCounterBox::cmdListen_Click);
    connect(cmdStopListening, &QPushButton::clicked, this, &RealCounterBox::cmdStopListening_Click);
    connect(cmdOpenRecording, &QPushButton::clicked, this, &RealCounterBox::cmdOpenRecording_Click);
    connect(cmdRecordedBackground, &QPushButton::clicked, this, &RealCounterBox::cmdRecordedBackground_Click);
    connect(txtPulseThreshold, &QLineEdit::editingFinished, this, &RealCounterBox::detector_Edited);
    connect(txtHoldOff, &QLineEdit::editingFinished, this, &RealCounterBox::detector_Edited);
    connect(txtRecordedInterval, &QLineEdit::editingFinished, this, &RealCounterBox::txtRecordedInterval_Edited);
    connect(cmdExportPulseTimes, &QPushButton::clicked, this, &RealCounterBox::cmdExportPulseTimes_Click);
    connect(cmdRecordedRepeats, &QPushButton::clicked, this, &RealCounterBox::cmdRecordedRepeats_Click);
    m_sinceClick.start();
    detector_Edited();
    lampOff();
    showLive();
    setCommands();
}

RealCounterBox::~RealCounterBox() = default;

// The sound system is asked for its inputs only when the real counter is shown: opening the lab
// for the simulated sample starts no audio.
void RealCounterBox::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (m_devicesListed)
        return;
    m_devicesListed = true;
    for (const QAudioDevice& device : QMediaDevices::audioInputs())
        cboInput->addItem(device.description(), device.id());
}

// The detector's entries, each its default when it cannot be read; the detector keeps them
// within what it takes.
decay::PulseSettings RealCounterBox::settings() const
{
    decay::PulseSettings settings;
    const auto read = [this](const QLineEdit* field, double fallback) {
        const auto value = decay::strictValue(text(field), decimalPoint(*this));
        return value && std::isfinite(*value) ? *value : fallback;
    };
    settings.thresholdFactor = std::clamp(read(txtPulseThreshold, settings.thresholdFactor), decay::kLeastThresholdFactor, decay::kGreatestThresholdFactor);
    settings.holdOff = std::clamp(read(txtHoldOff, settings.holdOff * 1000) / 1000, decay::kShortestHoldOff, decay::kLongestHoldOff);
    return settings;
}

void RealCounterBox::detector_Edited()
{
    const decay::PulseSettings s = settings();
    txtPulseThreshold->setText(numbers::entry(s.thresholdFactor, 6));
    txtHoldOff->setText(numbers::entry(s.holdOff * 1000, 6));
    lblHoldOff->setText(modelText(decay::holdOffMessage(s.holdOff)));
    if (m_input)
        m_input->setDetector(s.thresholdFactor, s.holdOff);
}

void RealCounterBox::fresh()
{
    m_times.clear();
    m_report = {};
    m_seconds = 0;
    picWave->clear();
    m_notes.clear();
    showLive();
}

void RealCounterBox::cmdListen_Click()
{
    if (m_input)
        return;
    const QByteArray id = cboInput->currentData().toByteArray();
    QAudioDevice device = QMediaDevices::defaultAudioInput();
    for (const QAudioDevice& each : QMediaDevices::audioInputs())
        if (each.id() == id)
            device = each;
    if (device.isNull()) {
        m_platform.showError(this, tr("Real counter"),
                             tr("There is no sound input. Connect the counter's headphone or loudspeaker output (a cable, or a microphone close to its loudspeaker), or open a recording."));
        return;
    }
    fresh();
    const decay::PulseSettings s = settings();
    m_holdOff = s.holdOff;
    m_input = new PulseInput(s, this);
    connect(m_input, &PulseInput::pulsesFound, this, &RealCounterBox::input_PulsesFound);
    connect(m_input, &PulseInput::failed, this, &RealCounterBox::input_Failed);
    m_input->listen(device, s);
    setCommands();
}

void RealCounterBox::input_PulsesFound(const PulseBatch& batch)
{
    for (const decay::Pulse& pulse : batch.pulses)
        m_times.push_back(pulse.time);
    m_report = batch.report;
    m_seconds = batch.seconds;
    picWave->add(batch);
    if (!batch.pulses.empty()) {
        counterdisplay::showLamp(lblRealLamp, true);
        m_lamp->start(kFlashMilliseconds);
        if (chkRealSound->isChecked() && m_sinceClick.elapsed() >= kLeastClickGapMs) {
            m_platform.playClick();
            m_sinceClick.restart();
        }
    }
    showLive();
}

void RealCounterBox::lampOff()
{
    counterdisplay::showLamp(lblRealLamp, false);
}

// The input failed or stopped by itself (unplugged): what was counted stays and goes to the lab.
void RealCounterBox::input_Failed(const QString& message)
{
    const bool had = !m_times.empty() || m_seconds > 0;
    delete m_input;
    m_input = nullptr;
    setCommands();
    m_platform.showError(this, tr("Real counter"), message);
    if (had)
        handOver();
}

void RealCounterBox::cmdStopListening_Click()
{
    if (!m_input)
        return;
    // Its last pulses, held back by the detector, come before it goes.
    m_input->finish();
    delete m_input;
    m_input = nullptr;
    handOver();
    setCommands();
}

void RealCounterBox::showLive()
{
    lblLiveCount->setText(numbers::count(static_cast<long long>(m_times.size())));
    // The rate so far, then what a recording's file and the detector noticed.
    const decay::Message rate = decay::liveCountMessage(static_cast<std::int64_t>(m_times.size()), m_seconds);
    QStringList lines{rate.empty() ? tr("Press Listen, or open a recording.") : modelText(rate)};
    lines += m_notes;
    for (const decay::Message& warning : decay::inputWarnings(m_report))
        lines.append(modelText(warning));
    lblLiveRate->setText(lines.join(QLatin1Char('\n')));
}

void RealCounterBox::setCommands()
{
    cmdListen->setEnabled(!m_input);
    cmdStopListening->setEnabled(m_input != nullptr);
    cmdOpenRecording->setEnabled(!m_input);
    cmdRecordedBackground->setEnabled(!m_input && m_seconds > 0);
    cboInput->setEnabled(!m_input);
    cmdExportPulseTimes->setEnabled(!m_input && m_session.recording().has_value());
    cmdRecordedRepeats->setEnabled(!m_input && m_session.recording().has_value());
}

// The recording's counts, interval by interval, as counts of a long-lived source repeated: do they
// spread as Poisson's do?
void RealCounterBox::cmdRecordedRepeats_Click()
{
    if (m_input || !m_session.recording())
        return;
    m_session.repeatRecording();
    if (repeated)
        repeated();
}

void RealCounterBox::cmdExportPulseTimes_Click()
{
    if (!m_session.recording())
        return;
    exportFile(*this, m_platform,
               {tr("Export pulse times CSV"), tr("Atomdrift pulses.csv"), tr("CSV files (*.csv)"), {QStringLiteral("csv")},
                tr("The pulse times were not saved.")},
               [this](const QString&) { return ExportBytes{QByteArray::fromStdString(decay::pulseTimesText(*m_session.recording())), {}}; });
}

decay::PulseRecord RealCounterBox::record() const
{
    decay::PulseRecord r;
    r.times = m_times;
    r.seconds = m_seconds;
    r.gaps = m_report.gaps;
    r.holdOff = m_holdOff;
    return r;
}

// The pulses to the lab: counted in intervals of the width typed, shown and fitted.
void RealCounterBox::handOver()
{
    if (m_seconds <= 0)
        return;
    const decay::Message refusal = m_session.useRecording(record(), text(txtRecordedInterval), decimalPoint(*this));
    if (!refusal.empty()) {
        m_platform.showError(this, tr("Real counter"), modelText(refusal, decay::kCountingContext));
        return;
    }
    m_changed();
}

void RealCounterBox::txtRecordedInterval_Edited()
{
    if (!m_input && m_seconds > 0)
        handOver();
}

void RealCounterBox::cmdRecordedBackground_Click()
{
    if (m_input || m_seconds <= 0) {
        m_platform.showError(this, tr("Real counter"), tr("Listen with the source away first, then stop, then take the counts as the background."));
        return;
    }
    m_session.useRecordedBackground(record());
    m_changed();
}

void RealCounterBox::cmdOpenRecording_Click()
{
    const QString path = m_platform.askOpenFileName(this, tr("Recordings (*.wav);;All files (*)"));
    if (!path.isEmpty())
        openRecording(path);
}

// A recording as if live: read a piece at a time through the same detector, with a progress bar
// that can cancel a long one (what was read until then is kept).
bool RealCounterBox::openRecording(const QString& path)
{
    std::ifstream in(path.toStdString(), std::ios::binary);
    const QString title = tr("Open recording");
    if (!in) {
        m_platform.showError(this, title, tr("%1 cannot be read: %2").arg(path, tr("the file cannot be opened.")));
        return false;
    }
    QProgressDialog progress(tr("Reading %1...").arg(path), tr("Cancel"), 0, 1000, this);
    progress.setObjectName(QStringLiteral("dlgRecordingProgress"));
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(500);
    const decay::PulseSettings s = settings();
    const decay::RecordedPulses found = decay::detectPulsesInWav(in, s, [&progress](double done) {
        progress.setValue(static_cast<int>(done * 1000));
        QCoreApplication::processEvents();
        return !progress.wasCanceled();
    });
    progress.reset();
    if (!found.error.empty() && found.seconds <= 0) {
        m_platform.showError(this, title, tr("%1 cannot be read: %2").arg(path, modelText(found.error)));
        return false;
    }
    fresh();
    for (const decay::Pulse& pulse : found.pulses)
        m_times.push_back(pulse.time);
    m_report = found.report;
    m_seconds = found.seconds;
    m_holdOff = s.holdOff;
    for (const decay::Message* message : {&found.error, &found.warning})
        if (!message->empty())
            m_notes.append(modelText(*message));
    showLive();
    handOver();
    setCommands();
    return true;
}
