#pragma once

#include <QWidget>

class QLabel;
class QPushButton;
class Windows;

// A question on non-integer numbers of atoms.
class Quiz : public QWidget {
    Q_OBJECT

public:
    explicit Quiz(Windows& windows);

    QLabel* Label1;
    QPushButton* Command1; // "Back to the mainform"

    void Form_Load();
    void Command1_Click();

private:
    Windows& m_windows;
};
