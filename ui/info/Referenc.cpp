#include "Referenc.h"

#include "ui/Look.h"
#include "ui/Windows.h"

#include <QLabel>
#include <QPushButton>

using look::Face;
using look::twipsRect;

Referenc::Referenc(Windows& windows)
    : m_windows(windows)
{
    look::fixedWindow(this, QStringLiteral("Referenc"), tr("References"), {8685, 5730}, Qt::white);
    setAttribute(Qt::WA_DeleteOnClose);
    const QFont bold = look::font(Face::TimesNewRoman, 12);

    Label1[0] = look::label(this, QStringLiteral("Label1(0)"), tr("References"), twipsRect(240, 240, 6735, 255), bold);
    // Literature references stand as published, in every language.
    Label1[1] = look::label(this, QStringLiteral("Label1(1)"),
                            QStringLiteral("Eason, G., Coles, C. W. and Gettinby, G. (1980). Mathematics and Statistics "
                                           "for the Bio-Sciences. Ellis Horwood, Chichester."),
                            twipsRect(240, 1440, 8415, 615), bold);
    Label1[2] = look::label(this, QStringLiteral("Label1(2)"),
                            QStringLiteral("Spain, J. D. (1982). BASIC Microcomputer Models in Biology. "
                                           "Addison-Wesley, Reading, Massachusetts."),
                            twipsRect(240, 720, 8295, 615), bold);
    for (QLabel* label : Label1)
        look::onClick(label, [] {}); // a click on a reference is not one on the background
    Command1 = look::button(this, QStringLiteral("Command1"), tr("OK"), QString(), twipsRect(3960, 5040, 855, 495), bold, true);

    connect(Command1, &QPushButton::clicked, this, &Referenc::Command1_Click);
    look::onEscape(this, [this] { Command1_Click(); });
    look::onClose(this, [this] { Form_Click(); }); // closing it leads back to the main window
    look::onClick(this, [this] { Form_Click(); });
}

void Referenc::Command1_Click()
{
    hide();
    m_windows.introduction().show();
}

void Referenc::Form_Click()
{
    m_windows.main().show();
    hide();
}

