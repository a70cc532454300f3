#pragma once

#include "ui/counting/CountingTab.h"

class QLabel;
class QLineEdit;
class QPushButton;

// The counting lab's dating page: a sample of old carbon, its age hidden or typed, counted for a
// chosen time against modern carbon; or a real sample, recorded with the real counter.
class DatingTab : public QWidget {
    Q_DECLARE_TR_FUNCTIONS(CountingLab)

public:
    // `settings` reads the detector; `changed` follows whatever the chart of the ages shows.
    DatingTab(decay::CountingSession& session, Platform& platform, CountingTab::Settings settings, std::function<void()> changed);

    QLineEdit* txtCarbon;
    QLineEdit* txtAge;
    QPushButton* cmdNewSample;
    QLineEdit* txtDatingTime;
    QPushButton* cmdCountSample;
    QPushButton* cmdReveal;
    QPushButton* cmdDateRecording;
    QLabel* lblDating;

    void cmdNewSample_Click();
    void cmdCountSample_Click();
    void cmdReveal_Click();
    // The real counter's recording dated as a sample of the carbon typed, against its recorded
    // background, with the detector's efficiency.
    void cmdDateRecording_Click();
    // The last count's ratio and its ages, and the true age once shown.
    void showDating();

private:
    decay::CountingSession& m_session;
    Platform& m_platform;
    CountingTab::Settings m_settings;
    std::function<void()> m_changed;
};
