#pragma once

#include <QWidget>

class QPlainTextEdit;
class QPushButton;
class Windows;

// The introduction: the two ways of modelling decay, in prose.
class Introfrm : public QWidget {
    Q_OBJECT

public:
    explicit Introfrm(Windows& windows);

    QPlainTextEdit* Text1;
    QPushButton* Command1; // "OK"
    QPushButton* Command2; // "References"

    void Form_Load();
    void Text1_Change();
    void Command1_Click();
    void Command2_Click();

private:
    Windows& m_windows;
};
