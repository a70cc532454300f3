#pragma once

#include <QWidget>

// The dark-blue backdrop behind the title window: covers the whole screen, takes no input, has
// no taskbar entry and stays behind every other window.
class Form3 : public QWidget {
    Q_OBJECT

public:
    Form3();

protected:
    void closeEvent(QCloseEvent* event) override;
};
