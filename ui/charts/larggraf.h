#pragma once

#include <QWidget>

namespace decay {
struct RunState;
}
class DecayChart;
class Platform;
class QPushButton;
class Windows;

// The large graph window: the four views of the last run on a chart of two and a half times the
// main window's, with its own buttons to switch views, print, go back or quit.
class larggraf : public QWidget {
    Q_OBJECT

public:
    larggraf(const decay::RunState& state, Platform& platform, Windows& windows);

    // The same views as the main window's, on this window's chart; none touches another control.
    void ShowNvsT();
    void ShowdNvsT();
    void ShowlnNtvsT();
    void ShowNnextvsN();

    DecayChart* MSChart1;
    QPushButton* Command1; // "lnN(t) vs. t"; the runs set whether it is enabled
    QPushButton* Command2;
    QPushButton* Command3;
    QPushButton* command4; // "Main form"
    QPushButton* Command5; // "Quit"
    QPushButton* Command6; // "Print"
    QPushButton* Command7;

    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command7_Click();
    void Command6_Click();
    void command4_Click();
    void Command5_Click();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    const decay::RunState& m_state;
    Platform& m_platform;
    Windows& m_windows;
};
