#pragma once

#include "model/counting/Counter.h"
#include "model/counting/HalfLifeFit.h"
#include "model/nuclides/LabRun.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QWidget>

#include <cstdint>
#include <functional>
#include <optional>

class Platform;
class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QStackedWidget;
class RealCounterBox;
class QTimer;

namespace decay {
class CountingSession;
}

// The counting lab's first page: the run counted in play, with clicks and a lamp, the count rate,
// the fitted half-life, and counts imported and exported.
class CountingTab : public QWidget {
    Q_DECLARE_TR_FUNCTIONS(CountingLab)

public:
    using Settings = std::function<std::optional<decay::CounterSettings>()>;
    using Change = std::function<void(const decay::Remedy::Change&)>;
    // `settings` reads the detector; `changed` follows whatever the chart of the counts shows.
    // `backgroundTime`: the detector's entry, for the background measured before a first count;
    // `takeChange` puts a change the counter's refusal offers into the detector's entries.
    CountingTab(decay::CountingSession& session, Platform& platform, Settings settings, std::function<std::string()> backgroundTime,
                std::function<void()> changed, Change takeChange);

    // The run to count, named as the nuclide lab names it; counting starts again from nothing.
    void setSample(const decay::LabRun& run, const QString& name);
    // The sample as the worksheet names it.
    const QString& sampleName() const { return m_sampleName; }
    bool playing() const;
    int clicks() const { return m_clicks; } // the loudspeaker's clicks since the window opened
    bool lampLit() const;
    decay::FitShape fitShape() const;
    // Plays the counting on by `realSeconds` of the clock at the chosen speed, as a frame of the
    // play timer does.
    void playFor(double realSeconds);
    // Stops the play; the lamp goes out with it.
    void stop();
    void showFit();

    QRadioButton* optSimulated;
    QRadioButton* optRealCounter;
    QStackedWidget* stkSource;
    RealCounterBox* frmRealCounter;
    QLabel* lblSample;
    QLineEdit* txtActivation;
    QPushButton* cmdSilver;
    QListWidget* lstMembers;
    QLineEdit* txtInterval;
    QComboBox* cboSpeed;
    QPushButton* cmdStart;
    QPushButton* cmdPause;
    QPushButton* cmdStep;
    QCheckBox* chkSound;
    QFrame* lblLamp;
    QLabel* lblCounts;
    QLabel* lblRate;
    QComboBox* cboMethod;
    QComboBox* cboFitModel;
    QLabel* lblFit;
    QPushButton* cmdImport;
    QPushButton* cmdExportCounts;
    QTimer* tmrPlay;

    void optSource_Click();
    void cmdSilver_Click();
    void cmdStart_Click();
    void cmdPause_Click();
    void cmdStep_Click();
    void tmrPlay_Timer();
    void cboMethod_Change();
    void cmdImport_Click();
    void cmdExportCounts_Click();

private:
    void connectHandlers();
    void showSample();
    bool startCounting();
    void counted(std::int64_t newCounts, double realSeconds);
    void showLamp();
    void showCounts();
    void setCommands();

    decay::CountingSession& m_session;
    Platform& m_platform;
    Settings m_settings;
    std::function<std::string()> m_backgroundTime;
    std::function<void()> m_changed;
    Change m_takeChange;
    QString m_sampleName;
    double m_playTime = 0;     // seconds of the run played so far
    QElapsedTimer m_frameClock;
    double m_sinceClick = 1;   // real seconds since the loudspeaker last clicked
    double m_lampLeft = 0;     // real seconds the lamp stays lit
    bool m_lampShownLit = true;
    int m_clicks = 0;
};
