#pragma once

#include <QWidget>

#include <array>
#include <cstdint>

class QLabel;
class QPushButton;
class QTimer;
class Windows;

// The title window: the program's name in yellow on dark blue, one of eight sizes and places at
// a time, beside a prompt. A key press or click leads on to the main window.
class titlform : public QWidget {
    Q_OBJECT

public:
    explicit titlform(Windows& windows);

    std::array<QLabel*, 8> Label1; // the name, in eight sizes and places
    QLabel* Label2;                // the prompt
    // Lessons, beside the way on to the main window.
    QPushButton* cmdOpenLesson;
    QPushButton* cmdMakeLesson;
    QPushButton* cmdCollect;
    QTimer* Timer1;

    // Animation state: ticks 0..10, and the name label shown last.
    std::int16_t TitleTick = 0;
    std::int16_t TitleShown = 0;

    void Form_Load();
    void Timer1_Timer();
    void Form_KeyPress();
    void Form_Click();
    void Form_DblClick();
    void Label1_Click(int index);
    void Label1_DblClick(int index);
    void Label2_Click();
    void Label2_DblClick();
    void cmdOpenLesson_Click();
    void cmdMakeLesson_Click();
    void cmdCollect_Click();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void toMainWindow();

    Windows& m_windows;
};
