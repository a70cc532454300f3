#include "Introfrm.h"

#include "ui/Look.h"
#include "ui/Windows.h"

#include <QPlainTextEdit>
#include <QPushButton>

using look::Face;
using look::twipsRect;

Introfrm::Introfrm(Windows& windows)
    : m_windows(windows)
{
    look::fixedWindow(this, QStringLiteral("Introfrm"), tr("Introduction"), {7650, 6375}, QColor(192, 192, 192));
    setAttribute(Qt::WA_DeleteOnClose);
    setFont(look::font(Face::TimesNewRoman, 12, false));
    const QFont bold = look::font(Face::TimesNewRoman, 12);

    Text1 = new QPlainTextEdit(this);
    look::name(Text1, QStringLiteral("Text1"), tr("Introduction"));
    Text1->setGeometry(twipsRect(240, 120, 7215, 5415));
    Text1->setFont(bold);
    Text1->setReadOnly(true);
    Text1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Text1->viewport()->setCursor(look::handCursor());
    Command1 = look::button(this, QStringLiteral("Command1"), tr("OK"), QString(), twipsRect(1800, 5760, 1215, 495), bold, true);
    Command2 = look::button(this, QStringLiteral("Command2"), tr("References"), QString(),
                            twipsRect(4320, 5760, 1575, 495), bold, true);

    connect(Text1, &QPlainTextEdit::textChanged, this, &Introfrm::Text1_Change);
    connect(Command1, &QPushButton::clicked, this, &Introfrm::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Introfrm::Command2_Click);
    look::onEscape(this, [this] { Command1_Click(); });
    look::onClose(this, [this] { Command1_Click(); }); // the close box goes back as OK does
    Form_Load();
}

// Setting the text raises its change handler, so loading also shows the main window.
void Introfrm::Form_Load()
{
    // One paragraph: every piece but the last ends with a space.
    Text1->setPlainText(tr("The decay of radioactive atoms is usually described as exponential equation "
                          "A(t)=A(0)Exp(-rt), where A(t) and A(0) are the number of atoms at time t "
                          "and time zero, respectively. The parameter r is the decay rate. "
                          "However, the exponential equation gives non-integer results. Furthermore, "
                          "As the time approaches infinity, A(t) approaches zero. But, it will never "
                          "be zero. "
                          "The decay of radioactive atoms is actually binomial function. "
                          "It means that there are only two possibilities for each atom. "
                          "Decay or not. If the answer is \"yes\", then it is no more radioactive. "
                          "If the answer is \"no\", then it remains radioactive. "
                          "Based on the binomial phenomenon, the number of radioactive atoms "
                          "will always be integers. The parameter r is the probability that an atom "
                          "will decay after one time interval. This can be simulated using random number. "
                          "As soon as the last atom is decayed, there is no radioactive atom [i.e., A(t)=0]. "
                          "Each time you try the random decay, you will get different result. "
                          "It reflects the stochastic property of the decay of radioactive atoms. "
                          "The above equation A(t)=A(0)Exp(-rt) in the integral form of dA/dt=-rA. "
                          "If you calculate the half life using T=Log(0.5)/Log(1-r), "
                          "then you will get different result. In this program, I calculated the "
                          "half life using T=Log(0.5)/-r."));
}

void Introfrm::Text1_Change()
{
    hide();
    m_windows.main().show();
}

void Introfrm::Command1_Click()
{
    hide();
    m_windows.main().show();
}

void Introfrm::Command2_Click()
{
    hide();
    m_windows.references().show();
}

