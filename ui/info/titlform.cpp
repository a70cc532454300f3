#include "titlform.h"

#include "ui/Look.h"
#include "ui/Windows.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

using look::Face;
using look::twipsRect;

namespace {

struct NameLabel {
    double points;
    Qt::Alignment alignment;
    QRect twips;
};

const NameLabel kNameLabels[8] = {
    {18, Qt::AlignHCenter, {3120, 6240, 5775, 495}},
    {24, Qt::AlignHCenter, {4680, 5160, 5655, 615}},
    {30, Qt::AlignHCenter, {4560, 4080, 6255, 855}},
    {36, Qt::AlignRight, {3120, 2160, 7455, 975}},
    {43.8, Qt::AlignRight, {2280, 360, 8175, 1215}},
    {54, Qt::AlignHCenter, {240, 960, 7935, 1455}},
    {64.8, Qt::AlignLeft, {120, 2280, 10335, 1695}},
    {48, Qt::AlignHCenter, {720, 3360, 8535, 1695}},
};

} // namespace

titlform::titlform(Windows& windows)
    : QWidget(nullptr, Qt::Window | Qt::Tool | Qt::FramelessWindowHint)
    , m_windows(windows)
{
    setObjectName(QStringLiteral("titlform"));
    setWindowTitle(QStringLiteral("Atomdrift"));
    setAccessibleName(QStringLiteral("Atomdrift"));
    setFixedSize(look::tw(10635), look::tw(7050));
    look::setBackground(this, QColor(0, 0, 64));
    look::centreOnScreen(this);
    setFocusPolicy(Qt::StrongFocus);

    for (int i = 0; i < 8; ++i) {
        const NameLabel& n = kNameLabels[i];
        QLabel* label = look::label(this, QStringLiteral("Label1(%1)").arg(i), QStringLiteral("Atomdrift"),
                                    twipsRect(n.twips.x(), n.twips.y(), n.twips.width(), n.twips.height()),
                                    look::font(Face::TimesNewRoman, n.points, false));
        label->setWordWrap(false);
        label->setAlignment(n.alignment | Qt::AlignTop);
        label->setStyleSheet(QStringLiteral("QLabel { color: #ffff00; background: transparent; }"));
        label->hide();
        look::onClick(label, [this, i] { Label1_Click(i); }, [this, i] { Label1_DblClick(i); });
        Label1[static_cast<std::size_t>(i)] = label;
    }
    Label2 = look::label(this, QStringLiteral("Label2"), tr("Press any key or click mouse to start."),
                         twipsRect(1200, 4800, 1695, 1095), look::font(Face::TimesNewRoman, 13.8, false));
    look::paintLabel(Label2, QColor(255, 255, 0), QColor(255, 0, 0));
    Label2->setCursor(look::handCursor());
    look::onClick(Label2, [this] { Label2_Click(); }, [this] { Label2_DblClick(); });
    look::onClick(this, [this] { Form_Click(); }, [this] { Form_DblClick(); });

    // Reached by Tab only, so that the first key pressed still leads on to the main window.
    const QFont small = look::font(Face::MsSansSerif, 9.6, false);
    cmdOpenLesson = look::button(this, QStringLiteral("cmdOpenLesson"), tr("Open lesson..."), QString(), twipsRect(3900, 6480, 2000, 375), small, false);
    cmdMakeLesson = look::button(this, QStringLiteral("cmdMakeLesson"), tr("Make lesson..."), QString(), twipsRect(6000, 6480, 2000, 375), small, false);
    cmdCollect = look::button(this, QStringLiteral("cmdCollect"), tr("Collect hand-ins..."), QString(), twipsRect(8100, 6480, 2400, 375), small, false);
    for (QPushButton* command : {cmdOpenLesson, cmdMakeLesson, cmdCollect})
        command->setFocusPolicy(Qt::TabFocus);
    connect(cmdOpenLesson, &QPushButton::clicked, this, &titlform::cmdOpenLesson_Click);
    connect(cmdMakeLesson, &QPushButton::clicked, this, &titlform::cmdMakeLesson_Click);
    connect(cmdCollect, &QPushButton::clicked, this, &titlform::cmdCollect_Click);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    connect(Timer1, &QTimer::timeout, this, &titlform::Timer1_Timer);
    Form_Load();
}

void titlform::Form_Load()
{
    Timer1->start(300);
}

// Labels 0 to 6 show for one tick each, label 7 for the four ticks 7 to 10.
void titlform::Timer1_Timer()
{
    TitleTick = TitleTick + 1 > 10 ? 0 : static_cast<std::int16_t>(TitleTick + 1);
    if (TitleTick <= 7) {
        Label1[static_cast<std::size_t>(TitleShown)]->hide();
        Label1[static_cast<std::size_t>(TitleTick)]->show();
        TitleShown = TitleTick;
    }
}

void titlform::toMainWindow()
{
    hide();
    QWidget& main = m_windows.main();
    main.show();
    main.raise();
    main.activateWindow();
}

void titlform::Form_KeyPress()
{
    toMainWindow();
}

void titlform::Form_Click()
{
    toMainWindow();
}

void titlform::Label1_Click(int)
{
    toMainWindow();
}

void titlform::Label2_Click()
{
    toMainWindow();
}

void titlform::Label2_DblClick()
{
    toMainWindow();
}

// The click that came before has hidden this window already.
void titlform::Form_DblClick()
{
    m_windows.backdrop().hide();
    m_windows.main().show();
}

void titlform::Label1_DblClick(int)
{
    Form_DblClick();
}

void titlform::cmdOpenLesson_Click()
{
    m_windows.openLesson(*this);
}

void titlform::cmdMakeLesson_Click()
{
    m_windows.makeLesson(*this);
}

void titlform::cmdCollect_Click()
{
    m_windows.collectHandIns();
}

// Only keys that type a character count: Enter and Escape do, arrows and Shift alone do not.
void titlform::keyPressEvent(QKeyEvent* event)
{
    if (event->text().isEmpty())
        QWidget::keyPressEvent(event);
    else
        Form_KeyPress();
}

// A window manager's close command dismisses it like a key press; the window itself stays.
void titlform::closeEvent(QCloseEvent* event)
{
    event->ignore();
    toMainWindow();
}
