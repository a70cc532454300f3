#include "copyrigh.h"

#include "ui/Look.h"
#include "ui/Windows.h"

#include <QLabel>
#include <QPushButton>

using look::Face;
using look::twipsRect;

namespace {

const QColor kGrey(192, 192, 192);
const QColor kBlue(0, 0, 255);

} // namespace

copyrigh::copyrigh(Windows& windows)
    : m_windows(windows)
{
    look::fixedWindow(this, QStringLiteral("copyrigh"), tr("Please cite Atomdrift"), {8760, 7116}, kGrey);
    setAttribute(Qt::WA_DeleteOnClose);
    const QFont plain = look::font(Face::TimesNewRoman, 12, false);

    Label1 = look::label(this, QStringLiteral("Label1"), tr("You are welcome to use this program for personal research."),
                         twipsRect(600, 120, 7815, 375), plain);
    Label2 = look::label(this, QStringLiteral("Label2"),
                         tr("You may copy Atomdrift and give it to students and colleagues free of charge, "
                            "as long as it stays unchanged and this notice goes with it. It comes without "
                            "any warranty: check what it computes before you rely on it."),
                         twipsRect(480, 480, 7935, 1575), plain);
    Label3 = look::label(this, QStringLiteral("Label3"),
                         tr("Atomdrift is protected by copyright law and by international treaties."),
                         twipsRect(360, 2160, 4815, 975), look::font(Face::TimesNewRoman, 12));
    Label4 = look::label(this, QStringLiteral("Label4"), tr("All rights reserved."), twipsRect(5280, 2160, 2775, 375), plain);
    Label5 = look::label(this, QStringLiteral("Label5"), tr("The Atomdrift Project, 2025-2026"),
                         twipsRect(5280, 2640, 3375, 375), plain);
    Label7 = look::label(this, QStringLiteral("Label7"), QString(), twipsRect(360, 3240, 4815, 1935), plain);
    Label6 = look::label(this, QStringLiteral("Label6"), QString(), twipsRect(360, 5280, 4815, 1695), plain);
    for (QLabel* label : {Label1, Label2, Label4, Label5})
        look::paintLabel(label, kBlue, kGrey, false);
    look::paintLabel(Label3, QColor(255, 255, 0), QColor(255, 0, 0));
    look::paintLabel(Label7, QColor(255, 255, 0), kBlue);
    Label7->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    look::paintLabel(Label6, Qt::black, QColor(0, 255, 255));
    Picture1 = look::photo(this, QStringLiteral("Picture1"), tr("Photograph: an atom drawn in light"), QStringLiteral("photo"),
                           twipsRect(6240, 3960, 1656, 2172));
    Command1 = look::button(this, QStringLiteral("Command1"), tr("OK"), QString(), twipsRect(6480, 6360, 1215, 495),
                            look::font(Face::MsSansSerif, 7.8), true);

    connect(Command1, &QPushButton::clicked, this, &copyrigh::Command1_Click);
    look::onEscape(this, [this] { Form_Unload(); }); // turns back from quitting, as the close box does
    look::onClose(this, [this] { Form_Unload(); });
    Form_Load();
}

void copyrigh::Form_Load()
{
    Label7->setText(tr("If you use Atomdrift in research papers, " "please cite it as follows:") + QLatin1Char('\n')
                    + tr("The Atomdrift Project (2026). Atomdrift: a simulation of the decay "
                         "of radioactive atoms. https://www.example.org/atomdrift"));
    Label6->setText(tr("New versions at www.example.org/atomdrift") + QLatin1Char('\n')
                    + tr("The Atomdrift Project") + QLatin1Char('\n')
                    + QStringLiteral("mirror.example.org/atomdrift") + QLatin1Char('\n')
                    + tr("Example Physics Teaching Laboratory"));
}

void copyrigh::Command1_Click()
{
    hide();
    m_windows.dedication().show();
}

// Closing it turns back from quitting.
void copyrigh::Form_Unload()
{
    hide();
    m_windows.main().show();
}

