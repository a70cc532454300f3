#pragma once

#include <QWidget>

class Platform;
class QFrame;
class QLabel;
class QPushButton;

// The dedication: a photograph and the button that ends the program.
class Vater : public QWidget {
    Q_OBJECT

public:
    explicit Vater(Platform& platform);

    QFrame* Frame1;
    QLabel* Picture2;
    QPushButton* Command1; // "God rest his soul"

    void Form_Load();
    void Command1_Click();

private:
    Platform& m_platform;
};
