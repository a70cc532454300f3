#pragma once

#include <QWidget>

#include <array>

class QLabel;
class QPushButton;
class Windows;

// Two textbooks to read on.
class Referenc : public QWidget {
    Q_OBJECT

public:
    explicit Referenc(Windows& windows);

    std::array<QLabel*, 3> Label1; // heading, then the two references
    QPushButton* Command1;         // "OK"

    void Command1_Click();
    void Form_Click();

private:
    Windows& m_windows;
};
