#include "PulseInput.h"

#include <QAudioSource>
#include <QCoreApplication>
#include <QIODevice>
#include <QMetaObject>

#include <algorithm>
#include <cstring>

PulseReader::PulseReader(const decay::PulseSettings& settings) : m_detector(settings)
{
}

namespace {

// One sample of the first channel of the frame at `p`, full scale +-1.
float firstSample(const char* p, QAudioFormat::SampleFormat format)
{
    switch (format) {
    case QAudioFormat::Int16: {
        qint16 value;
        std::memcpy(&value, p, sizeof value);
        return static_cast<float>(value) / 32768.0f;
    }
    case QAudioFormat::Int32: {
        qint32 value;
        std::memcpy(&value, p, sizeof value);
        return static_cast<float>(static_cast<double>(value) / 2147483648.0);
    }
    case QAudioFormat::Float: {
        float value;
        std::memcpy(&value, p, sizeof value);
        return value;
    }
    case QAudioFormat::UInt8: return (static_cast<float>(static_cast<unsigned char>(*p)) - 128.0f) / 128.0f;
    default: return 0.0f;
    }
}

} // namespace

void PulseReader::readFrom(QIODevice& input, const QAudioFormat& format)
{
    const int frame = format.bytesPerFrame();
    if (frame <= 0)
        return;
    m_partial += input.readAll();
    const auto frames = static_cast<std::size_t>(m_partial.size() / frame);
    m_samples.resize(frames);
    for (std::size_t k = 0; k < frames; ++k)
        m_samples[k] = firstSample(m_partial.constData() + k * static_cast<std::size_t>(frame), format.sampleFormat());
    m_partial.remove(0, static_cast<qsizetype>(frames) * frame);
    for (const float s : m_samples) {
        m_stretchLow = m_inStretch ? std::min(m_stretchLow, s) : s;
        m_stretchHigh = m_inStretch ? std::max(m_stretchHigh, s) : s;
        if (++m_inStretch == kWaveStretch) {
            m_low.push_back(m_stretchLow);
            m_high.push_back(m_stretchHigh);
            m_inStretch = 0;
        }
    }
    m_detector.process(m_samples, m_pulses);
    emitBatch();
}

void PulseReader::listen(const QAudioDevice& device, const decay::PulseSettings& settings)
{
    stop();
    m_detector = decay::PulseDetector(settings);
    m_partial.clear();
    m_low.clear();
    m_high.clear();
    m_inStretch = 0;
    if (device.isNull()) {
        emit failed(tr("There is no sound input to listen to."));
        return;
    }
    QAudioFormat format = device.preferredFormat();
    format.setChannelCount(1);
    format.setSampleRate(48000);
    format.setSampleFormat(QAudioFormat::Float);
    if (!device.isFormatSupported(format))
        format = device.preferredFormat();
    if (format.sampleRate() != static_cast<int>(m_detector.settings().sampleRate))
        m_detector = decay::PulseDetector({.sampleRate = static_cast<double>(format.sampleRate()), .thresholdFactor = settings.thresholdFactor,
                                           .holdOff = settings.holdOff});
    m_format = format;
    m_source = new QAudioSource(device, format, this);
    connect(m_source, &QAudioSource::stateChanged, this, &PulseReader::source_StateChanged);
    m_input = m_source->start();
    if (!m_input) {
        emit failed(tr("The sound input cannot be opened."));
        return;
    }
    connect(m_input, &QIODevice::readyRead, this, &PulseReader::input_ReadyRead);
}

void PulseReader::setDetector(double thresholdFactor, double holdOff)
{
    m_detector.setThresholdFactor(thresholdFactor);
    m_detector.setHoldOff(holdOff);
}

void PulseReader::input_ReadyRead()
{
    if (m_input)
        readFrom(*m_input, m_format);
}

// A device that stops by itself was unplugged or taken away: what was counted stays.
void PulseReader::source_StateChanged(QAudio::State state)
{
    if (state == QAudio::StoppedState && m_source && m_source->error() != QAudio::NoError) {
        emit failed(m_source->error() == QAudio::OpenError ? tr("The sound input cannot be opened.")
                                                           : tr("The sound input stopped; the pulses counted until then are kept."));
        stop();
    }
}

void PulseReader::stop()
{
    if (m_source) {
        m_source->disconnect(this);
        m_source->stop();
        m_source->deleteLater();
        m_source = nullptr;
        m_input = nullptr;
    }
    m_detector.flush(m_pulses);
    emitBatch();
}

void PulseReader::emitBatch()
{
    if (m_pulses.empty() && m_samples.empty())
        return;
    emit pulsesFound({std::move(m_pulses), m_detector.report(), m_detector.time(), std::move(m_low), std::move(m_high), m_detector.settings().sampleRate});
    m_pulses.clear();
    m_low.clear();
    m_high.clear();
}

PulseInput::PulseInput(const decay::PulseSettings& settings, QObject* parent)
    : QObject(parent), m_reader(new PulseReader(settings))
{
    m_reader->moveToThread(&m_thread);
    connect(&m_thread, &QThread::finished, m_reader, &QObject::deleteLater);
    connect(m_reader, &PulseReader::pulsesFound, this, &PulseInput::pulsesFound);
    connect(m_reader, &PulseReader::failed, this, &PulseInput::failed);
    m_thread.start();
}

PulseInput::~PulseInput()
{
    QMetaObject::invokeMethod(m_reader, &PulseReader::stop, Qt::BlockingQueuedConnection);
    m_thread.quit();
    m_thread.wait();
}

void PulseInput::listen(const QAudioDevice& device, const decay::PulseSettings& settings)
{
    QMetaObject::invokeMethod(m_reader, [this, device, settings] { m_reader->listen(device, settings); });
}

void PulseInput::setDetector(double thresholdFactor, double holdOff)
{
    QMetaObject::invokeMethod(m_reader, [this, thresholdFactor, holdOff] { m_reader->setDetector(thresholdFactor, holdOff); });
}

void PulseInput::finish()
{
    QMetaObject::invokeMethod(m_reader, &PulseReader::stop, Qt::BlockingQueuedConnection);
    QCoreApplication::sendPostedEvents(this, QEvent::MetaCall);
}

void PulseInput::stop()
{
    QMetaObject::invokeMethod(m_reader, &PulseReader::stop);
}
