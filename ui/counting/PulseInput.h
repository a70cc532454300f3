#pragma once

#include "model/counting/PulseDetector.h"

#include <QAudio>
#include <QAudioDevice>
#include <QAudioFormat>
#include <QByteArray>
#include <QMetaType>
#include <QObject>
#include <QString>
#include <QThread>

#include <vector>

class QAudioSource;
class QIODevice;

// The pulses found since the last batch, and what the detector says of the input so far.
struct PulseBatch {
    std::vector<decay::Pulse> pulses;
    decay::PulseReport report;
    double seconds = 0; // of input taken in
    // The waveform, coarsely: the least and the greatest sample of every kWaveStretch.
    std::vector<float> low, high;
    double sampleRate = 0;
};
inline constexpr int kWaveStretch = 64;
Q_DECLARE_METATYPE(PulseBatch)

// Reads a sound input's samples, on the thread it lives on, and hands them to the model's pulse
// detector as they come, whatever the size of the pieces; the pulses go out in batches.
class PulseReader : public QObject {
    Q_OBJECT
public:
    explicit PulseReader(const decay::PulseSettings& settings);

    // Everything `input` holds now, as samples of `format`: 16- or 32-bit integers or floats, any
    // number of channels, the first taken. The live input's path, and a test's.
    void readFrom(QIODevice& input, const QAudioFormat& format);
    // Listens to `device` in the format nearest a counter's needs that it offers, with a fresh
    // detector of `settings` at the device's sample rate.
    void listen(const QAudioDevice& device, const decay::PulseSettings& settings);
    // The threshold and the hold-off, from the next block on.
    void setDetector(double thresholdFactor, double holdOff);
    // Stops listening; the samples held back are examined, and the last pulses go out.
    void stop();

signals:
    void pulsesFound(const PulseBatch& batch);
    void failed(const QString& message);

private:
    void input_ReadyRead();
    void source_StateChanged(QAudio::State state);
    void emitBatch();

    decay::PulseDetector m_detector;
    QAudioSource* m_source = nullptr;
    QIODevice* m_input = nullptr;
    QAudioFormat m_format;
    QByteArray m_partial; // the bytes of a frame not yet whole
    std::vector<float> m_samples;
    std::vector<decay::Pulse> m_pulses;
    std::vector<float> m_low, m_high;
    float m_stretchLow = 0, m_stretchHigh = 0;
    int m_inStretch = 0;
};

// A reader on a thread of its own, for a window: it asks for listening and stopping, and hears the
// pulses by queued signals. Destroying it stops the input and waits for the thread.
class PulseInput : public QObject {
    Q_OBJECT
public:
    explicit PulseInput(const decay::PulseSettings& settings, QObject* parent = nullptr);
    ~PulseInput() override;

    void listen(const QAudioDevice& device, const decay::PulseSettings& settings);
    void setDetector(double thresholdFactor, double holdOff);
    void stop();
    // Stops listening and hands out the last pulses, those the detector held back, before it returns.
    void finish();

signals:
    void pulsesFound(const PulseBatch& batch);
    void failed(const QString& message);

private:
    QThread m_thread;
    PulseReader* m_reader; // lives on m_thread, deleted when it finishes
};
