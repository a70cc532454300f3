#pragma once

#include "PulseInput.h"

#include "model/counting/PulseDetector.h"
#include "model/counting/PulseRecord.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QStringList>
#include <QWidget>

#include <functional>
#include <vector>

class Platform;
class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;

namespace decay {
class CountingSession;
}

// The last seconds of the input's waveform, the threshold on either side, and the pulses found.
class WaveStrip : public QWidget {
public:
    WaveStrip();
    void add(const PulseBatch& batch);
    void clear();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::vector<float> m_low, m_high;
    std::vector<double> m_pulses;
    double m_sampleRate = 48000, m_time = 0, m_threshold = 0;
};

// "Real counter": a Geiger counter's clicks through the sound input, or a recording of them, as the
// counting lab's source beside the simulated sample. The detector runs on the input's own thread;
// the box shows the waveform with the threshold and the pulses, the live count and rate, the lamp
// and the click, and once the listening stops hands the pulses' times to the lab, whose intervals,
// background, fits, dead time, repeat counts and export are the simulated counter's.
class RealCounterBox : public QWidget {
    Q_DECLARE_TR_FUNCTIONS(CountingLab)

public:
    // `changed` follows whatever the lab shows from the pulses.
    RealCounterBox(decay::CountingSession& session, Platform& platform, std::function<void()> changed);
    ~RealCounterBox() override;

    bool listening() const { return m_input != nullptr; }
    const std::vector<double>& times() const { return m_times; }
    // Shows the repeat counts taken from the pulses.
    std::function<void()> repeated;
    // A recording, analysed as if live; false, with a message, when it could not be read.
    bool openRecording(const QString& path);

    QPushButton* cmdCounterGuide;
    QLabel* lblCounterGuide;
    QComboBox* cboInput;
    QLineEdit* txtPulseThreshold;
    QLineEdit* txtHoldOff;
    QLabel* lblHoldOff;
    QPushButton* cmdListen;
    QPushButton* cmdStopListening;
    QPushButton* cmdOpenRecording;
    QPushButton* cmdRecordedBackground;
    QPushButton* cmdRecordedRepeats;
    QCheckBox* chkRealSound;
    QFrame* lblRealLamp;
    WaveStrip* picWave;
    QLabel* lblLiveCount;
    QLabel* lblLiveRate;
    QLineEdit* txtRecordedInterval;
    QPushButton* cmdExportPulseTimes;

    void cmdListen_Click();
    void cmdStopListening_Click();
    void cmdOpenRecording_Click();
    void cmdRecordedBackground_Click();
    void cmdRecordedRepeats_Click();
    void detector_Edited();
    void txtRecordedInterval_Edited();
    void cmdExportPulseTimes_Click();

protected:
    void showEvent(QShowEvent* event) override;

private:
    decay::PulseSettings settings() const;
    decay::PulseRecord record() const;
    void input_PulsesFound(const PulseBatch& batch);
    void input_Failed(const QString& message);
    void fresh();
    void showLive();
    void handOver();
    void setCommands();
    void lampOff();

    decay::CountingSession& m_session;
    Platform& m_platform;
    std::function<void()> m_changed;
    PulseInput* m_input = nullptr;
    std::vector<double> m_times;
    QStringList m_notes; // what a recording's file was wrong with
    decay::PulseReport m_report;
    double m_seconds = 0;
    double m_holdOff = 0;
    QTimer* m_lamp;
    QElapsedTimer m_sinceClick;
    bool m_devicesListed = false;
};
