#pragma once

#include "ui/counting/CountingTab.h"

class QLabel;
class QLineEdit;
class QPushButton;

// The counting lab's repeat counts: a long-lived source counted for the same time again and
// again through the detector's dead time, and what the spread of the counts says.
class RepeatTab : public QWidget {
    Q_DECLARE_TR_FUNCTIONS(CountingLab)

public:
    // `settings` reads the detector; `changed` follows new counts.
    RepeatTab(decay::CountingSession& session, Platform& platform, CountingTab::Settings settings, std::function<void()> changed);

    QLineEdit* txtRepeats;
    QLineEdit* txtRepeatRate;
    QLineEdit* txtRepeatTime;
    QPushButton* cmdRepeat;
    QLabel* lblRepeat;

    void cmdRepeat_Click();
    // The session's repeat counts, however they came: the test's words and the chart.
    void showRepeats();

private:
    decay::CountingSession& m_session;
    Platform& m_platform;
    CountingTab::Settings m_settings;
    std::function<void()> m_changed;
};
