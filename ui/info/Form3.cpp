#include "Form3.h"

#include "ui/Look.h"

#include <QCloseEvent>
#include <QScreen>

Form3::Form3()
    : QWidget(nullptr, Qt::Window | Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnBottomHint | Qt::WindowDoesNotAcceptFocus)
{
    setObjectName(QStringLiteral("Form3"));
    setAccessibleName(tr("Atomdrift backdrop"));
    look::setBackground(this, QColor(0, 0, 64));
    setEnabled(false);
    // Without a window manager the maximised state alone would leave the window at its default
    // size, so it also takes the screen's size itself.
    if (const QScreen* screen = this->screen())
        setGeometry(screen->geometry());
}

// It leaves only when the title window hides it.
void Form3::closeEvent(QCloseEvent* event)
{
    event->ignore();
}
