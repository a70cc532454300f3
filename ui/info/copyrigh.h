#pragma once

#include <QWidget>

class QLabel;
class QPushButton;
class Windows;

// How to cite the program, its terms of use and where new versions are published; the first
// step out of the program.
class copyrigh : public QWidget {
    Q_OBJECT

public:
    explicit copyrigh(Windows& windows);

    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label3;
    QLabel* Label4;
    QLabel* Label5;
    QLabel* Label6;
    QLabel* Label7;
    QLabel* Picture1;
    QPushButton* Command1; // "OK"

    void Form_Load();
    void Command1_Click();
    void Form_Unload();

private:
    Windows& m_windows;
};
