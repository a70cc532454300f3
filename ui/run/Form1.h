#pragma once

#include <QWidget>

#include <cstdint>

namespace decay {
struct RateEntry;
struct RunOutcome;
struct RunState;
}
class DecayChart;
class Platform;
class Windows;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;

// The main window: parameter entry, the two runs, the chart with its four views, saving the last
// run, printing, and the ways to the other windows. Controls and handlers carry the names the
// rest of the program knows them by.
class Form1 : public QWidget {
    Q_OBJECT

public:
    // Runs the load step: puts up the backdrop and the title window and stays hidden itself.
    Form1(decay::RunState& state, Platform& platform, Windows& windows);

    // The chart views of this window; the atoms view also disables RUN.
    void ShowNvsT();
    void ShowdNvsT();
    void ShowlnNtvsT();
    void ShowNnextvsN();
    // Draws the decayed atoms in the large graph window and goes over to it.
    void ShowLargeGraph();

    std::int16_t ViewCycle = 0; // view chosen by the last click on the chart, 0..3
    std::int16_t lnNlast = 0;   // last step plotted by the ln view

    QGroupBox* Frame1;
    QGroupBox* Frame2;
    QGroupBox* Frame3;
    QGroupBox* Frame4;
    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label3;
    QLabel* Label4;
    QLabel* Label6;
    QLabel* Label7;
    QLabel* Label8;
    QLabel* Label10;
    QLabel* Label11;
    QLabel* Label12;
    QLabel* Label13;
    QLabel* Label14;
    QLineEdit* txtN0;
    QLineEdit* simut;
    QLineEdit* rrate;
    QLineEdit* halftime;
    QLineEdit* Text4;
    QPushButton* Command1;
    QPushButton* Command2;
    QPushButton* Command3;
    QPushButton* Command4;
    QPushButton* Command5;
    QPushButton* Command6;
    QPushButton* Command7;
    QPushButton* Command8;
    QPushButton* Command9;
    QPushButton* Command10;
    QPushButton* Command11;
    QPushButton* cmdLargeGraph;
    QLabel* Picture1;
    DecayChart* MSChart1;
    QTimer* Timer1;

    void Form_Load();
    void Form_Unload();
    void Command2_Click();
    void Command5_Click();
    void Command3_Click();
    void Command4_Click();
    void Command6_Click();
    void Command9_Click();
    void Command10_Click();
    void MSChart1_Click();
    void actShowAtoms_Click();
    void cmdLargeGraph_Click();
    void Command1_Click();
    void Command7_Click();
    void Command8_Click();
    void Command11_Click();
    void Label12_Click();
    void Label10_Click();
    void Picture1_Click();
    void Timer1_Timer();

    void txtN0_Change();
    void simut_Change();
    void rrate_Change();
    void halftime_Change();
    void txtN0_KeyPress();
    void simut_KeyPress();
    void rrate_KeyPress();
    void halftime_KeyPress();
    void rrate_Click();
    void rrate_DblClick();
    void halftime_Click();

    // The user's decimal point, as the entry fields read numbers.

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildWidgets();
    void buildIntroduction();
    void buildDataFrame();
    void buildGraphFrame();
    void buildAuthorFrame();
    void connectHandlers();
    void invalidate();
    void disableRun();
    void confirm();
    void confirmRatePair(QLineEdit* confirmed, QLineEdit* other, const decay::RateEntry& entry);
    void showRun(const decay::RunOutcome& outcome);

    decay::RunState& m_state;
    Platform& m_platform;
    Windows& m_windows;
    QString m_fileName; // offered again by the next save
};
