#include "Quiz.h"

#include "ui/Look.h"
#include "ui/Windows.h"

#include <QLabel>
#include <QPushButton>

using look::Face;
using look::twipsRect;

namespace {

const QColor kLightGreen(128, 255, 128);

} // namespace

Quiz::Quiz(Windows& windows)
    : m_windows(windows)
{
    look::fixedWindow(this, QStringLiteral("Quiz"), tr("Quiz"), {9855, 7545}, kLightGreen);
    setAttribute(Qt::WA_DeleteOnClose);

    Label1 = look::label(this, QStringLiteral("Label1"), QString(), twipsRect(840, 600, 8175, 5895), look::font(Face::TimesNewRoman, 18));
    look::setBackground(Label1, kLightGreen);
    Command1 = look::button(this, QStringLiteral("Command1"), tr("Back to the mainform"), QString(),
                            twipsRect(3600, 6840, 3015, 495), look::font(Face::TimesNewRoman, 12), false);

    connect(Command1, &QPushButton::clicked, this, &Quiz::Command1_Click);
    look::onEscape(this, [this] { Command1_Click(); });
    look::onClose(this, [this] { Command1_Click(); }); // the close box goes back as the button does
    Form_Load();
}

void Quiz::Form_Load()
{
    // Three indented paragraphs with an empty line between them.
    Label1->setText(tr("     Assuming the half-life a radioactive elements is a year and at the beginning"
                      " you have 10 atoms, how many atoms left after 4 years?"
                      " The answer is 0.625 atom.  If the number of atoms must be integer,"
                      " how can you have 0.625 atom?\n\n"
                      "      If you use the equation N(t)=N(0)*0.5^t to calculate the"
                      " number of radioactive atoms after t half-life time intervals,"
                      " you will certainly encounter this question \"Can we have non-integer"
                      " atoms?\". \n\n"
                      "     Half-life is a descriptive method based on statisitics."
                      " The decay of radioactive atom is a matter of quantal phenomenon."));
}

void Quiz::Command1_Click()
{
    hide();
    m_windows.main().show();
}

