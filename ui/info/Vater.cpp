#include "Vater.h"

#include "ui/Look.h"
#include "ui/Platform.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QPushButton>

#include <cmath>

using look::twipsRect;

Vater::Vater(Platform& platform)
    : m_platform(platform)
{
    look::fixedWindow(this, QStringLiteral("Vater"), tr("Dedication"), {6960, 7956}, Qt::white);
    setAttribute(Qt::WA_DeleteOnClose);

    Frame1 = new QFrame(this);
    look::name(Frame1, QStringLiteral("Frame1"), tr("Dedication"));
    Frame1->setFrameShape(QFrame::Box);
    Frame1->setGeometry(twipsRect(360, 240, 6132, 6972));
    look::setBackground(Frame1, QApplication::palette().color(QPalette::Window));
    Picture2 = look::photo(Frame1, QStringLiteral("Picture2"), tr("Photograph: a quiet lake at dusk"), QStringLiteral("dedication"),
                           twipsRect(0, 0, 6048, 6708));
    Command1 = look::button(this, QStringLiteral("Command1"), tr("God rest his soul"), QString(),
                            twipsRect(1320, 7320, 4575, 495), look::font(look::Face::TimesNewRoman, 14.4), false);

    connect(Command1, &QPushButton::clicked, this, &Vater::Command1_Click);
    // Every other window is hidden by now, so closing this one ends the program too.
    look::onClose(this, [this] { m_platform.quit(); });
    Form_Load();
}

// The photograph sits in the middle of the frame; one larger than the frame is cut off equally
// on opposite sides.
void Vater::Form_Load()
{
    const auto half = [](int outer, int inner) { return static_cast<int>(std::lround((outer - inner) / 2.0)); };
    Picture2->move(half(Frame1->width(), Picture2->width()), half(Frame1->height(), Picture2->height()));
}

void Vater::Command1_Click()
{
    m_platform.quit();
}
