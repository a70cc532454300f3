#include "larggraf.h"

#include "ChartActions.h"
#include "ChartViews.h"
#include "DecayChart.h"
#include "model/run/RunState.h"
#include "ui/Look.h"
#include "ui/PrintForm.h"
#include "ui/Windows.h"

#include <QAction>
#include <QPushButton>

using look::twipsRect;

larggraf::larggraf(const decay::RunState& state, Platform& platform, Windows& windows)
    : m_state(state)
    , m_platform(platform)
    , m_windows(windows)
{
    look::fixedWindow(this, QStringLiteral("larggraf"), tr("Form2"), {10776, 7728}, Qt::white);
    setAttribute(Qt::WA_DeleteOnClose);

    MSChart1 = new DecayChart(this);
    look::name(MSChart1, QStringLiteral("MSChart1"), tr("Graph"));
    MSChart1->setGeometry(twipsRect(96, 96, 10572, 6924));

    const QFont font = look::font(look::Face::TimesNewRoman, 12);
    const auto button = [&](const char* name, const QString& caption, int left, int width, bool hand) {
        return look::button(this, QString::fromLatin1(name), caption, QString(),
                            twipsRect(left, 7080, width, 495), font, hand);
    };
    Command1 = button("Command1", tr("lnN(t) vs. t"), 240, 1575, true);
    Command2 = button("Command2", tr("dN(t) vs. t"), 1920, 1455, true);
    Command3 = button("Command3", tr("N(t) vs. t"), 3480, 1455, true);
    Command7 = button("Command7", tr("N(t+1) vs. N(t)"), 5040, 1935, false);
    Command6 = button("Command6", tr("Print"), 7080, 855, true);
    Command6->setToolTip(tr("Print this page"));
    command4 = button("command4", tr("Main form"), 8040, 1455, true);
    Command5 = button("Command5", tr("Quit"), 9600, 975, true);
    const QList<QWidget*> tabOrder = {Command1, Command2, Command3, command4, Command5, Command6, Command7, MSChart1};
    for (qsizetype i = 1; i < tabOrder.size(); ++i)
        setTabOrder(tabOrder[i - 1], tabOrder[i]);

    connect(Command1, &QPushButton::clicked, this, &larggraf::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &larggraf::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &larggraf::Command3_Click);
    connect(Command7, &QPushButton::clicked, this, &larggraf::Command7_Click);
    connect(Command6, &QPushButton::clicked, this, &larggraf::Command6_Click);
    connect(command4, &QPushButton::clicked, this, &larggraf::command4_Click);
    connect(Command5, &QPushButton::clicked, this, &larggraf::Command5_Click);
    look::onEscape(this, [this] { command4_Click(); });
    look::onClose(this, [this] { command4_Click(); }); // the close box goes back as "Main form" does
    addChartActions(*MSChart1, *this, m_platform, m_windows);
    // The main chart's "Show the atoms..." of the same run.
    if (auto* showAtoms = m_windows.main().findChild<QAction*>(QStringLiteral("actShowAtoms")))
        MSChart1->addAction(showAtoms);
    m_windows.main().installEventFilter(this);
}

// The main window and this one are never shown together: whatever shows the main window, also
// a window that was left open beside it, hides this one.
bool larggraf::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Show && watched == &m_windows.main())
        hide();
    return QWidget::eventFilter(watched, event);
}

void larggraf::ShowNvsT()
{
    drawView(*MSChart1, m_state, ChartView::AtomsVsTime, m_state.tmax);
}

void larggraf::ShowdNvsT()
{
    drawView(*MSChart1, m_state, ChartView::DecayedVsTime, m_state.tmax);
}

// Over every step up to tmax, ending before the first count that has no logarithm: a newly
// opened window has this button enabled even after a random run that ran out of atoms.
void larggraf::ShowlnNtvsT()
{
    drawView(*MSChart1, m_state, ChartView::LnAtomsVsTime, m_state.tmax);
}

void larggraf::ShowNnextvsN()
{
    ViewTitles titles = defaultTitles(ChartView::NextVsNow);
    titles.chart = tr("N(t+1) vs. N(t) (Blue line: y=x)");
    drawView(*MSChart1, m_state, ChartView::NextVsNow, m_state.tmax, titles);
}

void larggraf::Command1_Click()
{
    ShowlnNtvsT();
}

void larggraf::Command2_Click()
{
    ShowdNvsT();
}

void larggraf::Command3_Click()
{
    ShowNvsT();
}

void larggraf::Command7_Click()
{
    ShowNnextvsN();
}

void larggraf::Command6_Click()
{
    PrintForm(*this, m_platform);
}

void larggraf::command4_Click()
{
    hide();
    m_windows.main().show();
}

void larggraf::Command5_Click()
{
    hide();
    m_windows.citation().show();
}

