#include "Form1.h"

#include "model/atoms/AtomHistory.h"
#include "model/common/Conversions.h"
#include "model/run/Entries.h"
#include "model/run/LnCounts.h"
#include "model/run/Runs.h"
#include "output/DataFile.h"
#include "output/DataFileWriter.h"
#include "ui/Look.h"
#include "ui/ModelText.h"
#include "ui/Platform.h"
#include "ui/PrintForm.h"
#include "ui/Windows.h"
#include "ui/atoms/AtomsWindow.h"
#include "ui/charts/ChartActions.h"
#include "ui/charts/ChartViews.h"
#include "ui/charts/DecayChart.h"
#include "ui/charts/larggraf.h"
#include "ui/run/ClockText.h"

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMouseEvent>
#include <QPushButton>
#include <QTimer>

using look::decimalPoint;
using look::Face;
using look::qtext;
using look::text;
using look::tw;
using look::twipsRect;

namespace {

QLineEdit* makeField(QWidget* parent, const QString& objectName, const QString& label, const QString& initial,
                     QRect geometry, const QColor& textColor)
{
    auto* field = new QLineEdit(initial, parent);
    look::name(field, objectName, label);
    field->setGeometry(geometry);
    field->setFont(look::font(Face::MsSansSerif, 9.6));
    QPalette palette = field->palette();
    palette.setColor(QPalette::Text, textColor);
    palette.setColor(QPalette::Base, Qt::white);
    field->setPalette(palette);
    return field;
}

QGroupBox* makeFrame(QWidget* parent, const QString& objectName, const QString& caption, QRect geometry)
{
    auto* frame = new QGroupBox(caption, parent);
    look::name(frame, objectName, caption);
    // The caption sits on the frame's top line, over a white gap.
    frame->setStyleSheet(QStringLiteral(
        "QGroupBox { background: white; border: 1px solid #a0a0a0; margin-top: 6px; }"
        "QGroupBox::title { subcontrol-origin: margin; left: 6px; padding: 0 2px; background: white; }"));
    frame->setGeometry(geometry);
    return frame;
}

} // namespace

Form1::Form1(decay::RunState& state, Platform& platform, Windows& windows)
    : m_state(state)
    , m_platform(platform)
    , m_windows(windows)
{
    buildWidgets();
    connectHandlers();
    Form_Load();
}

void Form1::buildWidgets()
{
    look::fixedWindow(this, QStringLiteral("Form1"), tr("Atomdrift of Radioactive Atoms"), {11076, 8124}, Qt::white);
    setWindowIcon(look::windowIcon());
    setFont(look::font(Face::MsSansSerif, 7.8));

    const QFont tnr12 = look::font(Face::TimesNewRoman, 12);

    Label12 = look::label(this, QStringLiteral("Label12"), QStringLiteral("Atomdrift"), twipsRect(120, 120, 4095, 495),
                        look::font(Face::TimesNewRoman, 15.6));
    look::paintLabel(Label12, QColor(255, 255, 0), QColor(255, 0, 0));
    Label12->setCursor(look::handCursor());
    Label8 = look::label(this, QStringLiteral("Label8"), QString(), twipsRect(360, 720, 3132, 252), font());
    Label8->setAlignment(Qt::AlignHCenter | Qt::AlignTop);

    buildIntroduction();
    Label6 = look::label(this, QStringLiteral("Label6"), QString(), twipsRect(120, 3360, 4092, 372), tnr12);
    Label6->setAccessibleDescription(tr("Clock"));
    look::paintLabel(Label6, Qt::black, QColor(255, 255, 0));

    buildDataFrame();
    buildGraphFrame();
    buildAuthorFrame();

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(500);

    // Tab order, first to last.
    const QList<QWidget*> tabOrder = {Picture1, Command6, Command4, Command3, halftime, txtN0, rrate,
                                      Text4, simut, Command8, Command9, Command7, Command10, Command5,
                                      Command2, Command1, Command11, MSChart1, cmdLargeGraph};
    for (qsizetype i = 1; i < tabOrder.size(); ++i)
        setTabOrder(tabOrder[i - 1], tabOrder[i]);
}

// The frame of the introduction, with its "More ..." and print buttons.
void Form1::buildIntroduction()
{
    const QFont tnr12 = look::font(Face::TimesNewRoman, 12);
    Frame4 = makeFrame(this, QStringLiteral("Frame4"), tr("Introduction"), twipsRect(120, 1080, 4095, 2172));
    Label7 = look::label(Frame4, QStringLiteral("Label7"),
                       tr("The decay of radioactive atoms is similar to the exponential growth.  The instantaneous "
                          "rate r is ln2/T, where T is the half-life of the radioactive elements."),
                       twipsRect(120, 240, 3852, 1692), tnr12);
    Command8 = look::button(Frame4, QStringLiteral("Command8"), tr("More ..."), tr("More introduction"),
                          twipsRect(2280, 1680, 1095, 375), font(), true);
    Command7 = look::button(Frame4, QStringLiteral("Command7"), tr("P"), tr("Print this page"),
                          twipsRect(3480, 1680, 495, 372), tnr12, true);

}

// The entries, the result box and the run commands.
void Form1::buildDataFrame()
{
    const QFont tnr12 = look::font(Face::TimesNewRoman, 12);
    Frame3 = makeFrame(this, QStringLiteral("Frame3"), tr("Data and run"), twipsRect(120, 3840, 4095, 4215));
    Label2 = look::label(Frame3, QStringLiteral("Label2"), tr("Initial number of atoms:"), twipsRect(120, 240, 1815, 615), tnr12);
    Label3 = look::label(Frame3, QStringLiteral("Label3"), tr("Simulation for t=0 to t ="), twipsRect(2160, 240, 1815, 615), tnr12);
    txtN0 = makeField(Frame3, QStringLiteral("txtN0"), Label2->text(), QStringLiteral("100"), twipsRect(120, 840, 1815, 375), Qt::blue);
    simut = makeField(Frame3, QStringLiteral("simut"), Label3->text(), QStringLiteral("50"), twipsRect(2160, 840, 1815, 375), Qt::blue);
    Label1 = look::label(Frame3, QStringLiteral("Label1"), tr("The instantaneous decay rate:"), twipsRect(120, 1320, 3492, 372), tnr12);
    Label1->setToolTip(tr("The intrinsic rate r:"));
    rrate = makeField(Frame3, QStringLiteral("rrate"), Label1->text(), QStringLiteral("0.1"), twipsRect(120, 1680, 3855, 375), Qt::blue);
    Label11 = look::label(Frame3, QStringLiteral("Label11"), tr("The half-life:"), twipsRect(120, 2160, 3255, 375), tnr12);
    halftime = makeField(Frame3, QStringLiteral("halftime"), Label11->text(), QString(), twipsRect(120, 2520, 3855, 375), Qt::red);
    // As wide as the box below it, so that "Number of atoms at t=3000" fits on its one line.
    Label4 = look::label(Frame3, QStringLiteral("Label4"), tr("No. of atoms:"), twipsRect(120, 2880, 3855, 375), tnr12);
    Label4->setWordWrap(false);
    Text4 = makeField(Frame3, QStringLiteral("Text4"), Label4->text(), QString(), twipsRect(120, 3240, 3855, 375), Qt::blue);
    Text4->setReadOnly(true);
    Command2 = look::button(Frame3, QStringLiteral("Command2"), tr("RUN"), QString(), twipsRect(120, 3720, 735, 375), tnr12, true);
    Command5 = look::button(Frame3, QStringLiteral("Command5"), tr("Random decay"), tr("Random decay"),
                          twipsRect(960, 3720, 1815, 375), look::font(Face::TimesNewRoman, 11.4), true);
    Command10 = look::button(Frame3, QStringLiteral("Command10"), tr("S"), tr("Save simulation data"),
                           twipsRect(2880, 3720, 495, 375), tnr12, false);
    Command10->setEnabled(false);
    Command1 = look::button(Frame3, QStringLiteral("Command1"), tr("Q"), tr("Quit this program"),
                          twipsRect(3480, 3720, 495, 375), tnr12, true);

}

// The chart, the welcome and the instructions in its place, and the view buttons.
void Form1::buildGraphFrame()
{
    const QFont tnr12 = look::font(Face::TimesNewRoman, 12);
    const QFont mss = look::font(Face::MsSansSerif, 9.6);
    Frame2 = makeFrame(this, QStringLiteral("Frame2"), tr("Graph"), twipsRect(4320, 120, 6612, 5292));
    MSChart1 = new DecayChart(Frame2);
    look::name(MSChart1, QStringLiteral("MSChart1"), tr("Graph"));
    MSChart1->setToolTip(tr("Click here to see more graph"));
    MSChart1->setGeometry(twipsRect(96, 192, 6324, 4500));
    MSChart1->hide();
    Label13 = look::label(Frame2, QStringLiteral("Label13"), tr("Welcome to Atomdrift!"), twipsRect(120, 240, 5415, 495),
                        look::font(Face::TimesNewRoman, 15.6));
    look::paintLabel(Label13, QColor(0, 0, 255), QColor(255, 255, 0));
    Label14 = look::label(Frame2, QStringLiteral("Label14"), QString(), twipsRect(120, 840, 5415, 3015), tnr12);
    Label14->setAccessibleDescription(tr("Instructions"));
    look::paintLabel(Label14, QColor(255, 255, 0), QColor(0, 0, 255));
    Command3 = look::button(Frame2, QStringLiteral("Command3"), tr("lnN vs. t"), tr("lnN(t) vs t"),
                          twipsRect(120, 4800, 1140, 372), mss, true);
    Command3->setEnabled(false);
    Command6 = look::button(Frame2, QStringLiteral("Command6"), tr("dN vs. t"), tr("dN vs. time"),
                          twipsRect(1320, 4800, 1092, 372), mss, true);
    Command4 = look::button(Frame2, QStringLiteral("Command4"), tr("N(t) vs. t"), tr("N(t) vs. time"),
                          twipsRect(2520, 4800, 1116, 372), mss, true);
    Command9 = look::button(Frame2, QStringLiteral("Command9"), tr("N(t+1) vs. N(t)"), tr("N(t+1) vs. N(t)"),
                          twipsRect(3720, 4800, 1692, 375), mss, false);
    cmdLargeGraph = look::button(Frame2, QStringLiteral("cmdLargeGraph"), tr("Large"), QString(),
                               twipsRect(5520, 4800, 876, 375), mss, false);

}

// The author's frame: the dedication, the quiz and the photograph.
void Form1::buildAuthorFrame()
{
    Frame1 = makeFrame(this, QStringLiteral("Frame1"), tr("Author"), twipsRect(4320, 5520, 6612, 2532));
    Label10 = look::label(Frame1, QStringLiteral("Label10"), QString(), twipsRect(120, 240, 4092, 2172), look::font(Face::TimesNewRoman, 11.4));
    Label10->setAccessibleDescription(tr("Author"));
    Label10->setCursor(look::handCursor());
    Label10->setWordWrap(false);
    Command11 = look::button(Frame1, QStringLiteral("Command11"), QString(), QString(), twipsRect(4080, 1800, 615, 615), font(), false);
    Command11->setAccessibleName(tr("Quiz"));
    Command11->setIcon(look::picture(QStringLiteral("quiz"), {tw(615) - 10, tw(615) - 10}));
    Command11->setIconSize({tw(615) - 10, tw(615) - 10});
    Picture1 = look::photo(Frame1, QStringLiteral("Picture1"), tr("Photograph: an atom drawn in light"), QStringLiteral("photo"),
                           twipsRect(4800, 240, 1692, 2172));
    Picture1->setCursor(look::handCursor());
    Picture1->setFocusPolicy(Qt::TabFocus);

}

void Form1::connectHandlers()
{
    connect(Command2, &QPushButton::clicked, this, &Form1::Command2_Click);
    connect(Command5, &QPushButton::clicked, this, &Form1::Command5_Click);
    connect(Command3, &QPushButton::clicked, this, &Form1::Command3_Click);
    connect(Command4, &QPushButton::clicked, this, &Form1::Command4_Click);
    connect(Command6, &QPushButton::clicked, this, &Form1::Command6_Click);
    connect(Command9, &QPushButton::clicked, this, &Form1::Command9_Click);
    connect(Command10, &QPushButton::clicked, this, &Form1::Command10_Click);
    connect(Command1, &QPushButton::clicked, this, &Form1::Command1_Click);
    connect(Command7, &QPushButton::clicked, this, &Form1::Command7_Click);
    connect(Command8, &QPushButton::clicked, this, &Form1::Command8_Click);
    connect(Command11, &QPushButton::clicked, this, &Form1::Command11_Click);
    connect(cmdLargeGraph, &QPushButton::clicked, this, &Form1::cmdLargeGraph_Click);
    look::onClick(Label12, [this] { Label12_Click(); });
    look::onClick(Label10, [this] { Label10_Click(); });
    look::onClick(Picture1, [this] { Picture1_Click(); });
    connect(MSChart1, &DecayChart::clicked, this, &Form1::MSChart1_Click);
    addChartActions(*MSChart1, *this, m_platform, m_windows);
    // The chart's menu also shows the atoms of the last random run one by one.
    auto* actShowAtoms = new QAction(tr("Show the atoms..."), MSChart1);
    actShowAtoms->setObjectName(QStringLiteral("actShowAtoms"));
    MSChart1->addAction(actShowAtoms);
    connect(actShowAtoms, &QAction::triggered, this, &Form1::actShowAtoms_Click);
    // A right click anywhere else on the window, before any run as after one, offers the class
    // experiment and the labs: the window's actions. The entry fields keep their edit menus.
    setContextMenuPolicy(Qt::ActionsContextMenu);
    connect(Timer1, &QTimer::timeout, this, &Form1::Timer1_Timer);

    // textChanged also follows writes from code, inside the write, as the handlers expect.
    connect(txtN0, &QLineEdit::textChanged, this, &Form1::txtN0_Change);
    connect(simut, &QLineEdit::textChanged, this, &Form1::simut_Change);
    connect(rrate, &QLineEdit::textChanged, this, &Form1::rrate_Change);
    connect(halftime, &QLineEdit::textChanged, this, &Form1::halftime_Change);
    connect(txtN0, &QLineEdit::returnPressed, this, &Form1::txtN0_KeyPress);
    connect(simut, &QLineEdit::returnPressed, this, &Form1::simut_KeyPress);
    connect(rrate, &QLineEdit::returnPressed, this, &Form1::rrate_KeyPress);
    connect(halftime, &QLineEdit::returnPressed, this, &Form1::halftime_KeyPress);
    rrate->installEventFilter(this);
    halftime->installEventFilter(this);
    for (QPushButton* button : findChildren<QPushButton*>())
        button->installEventFilter(this); // for the window's menu over a disabled one
    look::onClose(this, [this] { Form_Unload(); });
}

void Form1::Form_Load()
{
    QWidget& backdrop = m_windows.backdrop();
    backdrop.show();
    backdrop.setWindowState(Qt::WindowMaximized);
    QWidget& title = m_windows.title();
    title.show();
    title.setWindowState(Qt::WindowNoState);
    title.activateWindow(); // key presses go to the title window
    Label8->setText(tr("© %1 The Atomdrift Project").arg(m_platform.now().date().year()));
    Label10->setText(tr("The Atomdrift Project\n"
                        "\n"
                        "team@example.org\n"
                        "Atomdrift Teaching Software\n"
                        "Physics Classroom Tools Group\n"
                        "1 Example Road\n"
                        "Example City EX 01234\n"
                        "www.example.org/atomdrift"));
    Label14->setText(tr("Press Enter or click Run to run this program using default values.  "
                        "If you change the default value, please press ENTER to confirm "
                        "the change. If you try \"random decay\", the decay rate is then the "
                        "probability that an atom will decay after one time interval. "
                        "If you run random decay with a large initial number of atoms, it will  "
                        "take a while (please wait for the result). Click on the graph to see large graph. "
                        "Comments are welcome."));
    hide();
    halftime->setText(qtext(decay::lnTwoOverText(text(rrate), decimalPoint(*this)).value_or(std::string())));
    Label13->show();
    Label14->show();
    m_state.tmax = decay::toInt16(decay::lenientValue(text(simut)).value_or(50)).value_or(50);
    Command2->setEnabled(true);
    Picture1->move(Frame1->width() - Picture1->width() - tw(100), (Frame1->height() - Picture1->height()) / 2);
    Timer1->start();
    // The instructions invite Enter to run the defaults, so RUN starts with the focus.
    Command2->setFocus();
}

void Form1::Form_Unload()
{
    m_platform.quit();
}

// Runs

void Form1::showRun(const decay::RunOutcome& outcome)
{
    Label13->hide();
    Label14->hide();
    Label4->setText(modelText(outcome.label));
    Text4->setText(qtext(outcome.box));
    ShowNvsT();
    MSChart1->show();
    Command10->setEnabled(true);
    Command3->setEnabled(outcome.lnViewEnabled);
    Command4->setEnabled(true);
    Command6->setEnabled(true);
    Command9->setEnabled(true);
    if (outcome.runEnabled) // the atoms view has disabled it
        Command2->setEnabled(true);
    if (outcome.focusDecayedView)
        Command6->setFocus();
    m_windows.largeGraph().Command1->setEnabled(outcome.lnViewEnabled);
}

void Form1::Command2_Click()
{
    const auto outcome = decay::runDeterministic(m_state, {text(txtN0), text(rrate), text(simut), decimalPoint(*this)});
    if (outcome.ran)
        showRun(outcome);
}

// A large random run takes a while; the busy cursor shows that the program is at work.
void Form1::Command5_Click()
{
    const look::BusyCursor busy;
    const auto outcome = decay::runRandom(m_state, {text(txtN0), text(rrate), {}, decimalPoint(*this)}, m_platform.randomSeed());
    if (outcome.ran)
        showRun(outcome);
}

// Chart views

void Form1::ShowNvsT()
{
    drawView(*MSChart1, m_state, ChartView::AtomsVsTime, m_state.tmax);
    disableRun();
}

void Form1::ShowdNvsT()
{
    drawView(*MSChart1, m_state, ChartView::DecayedVsTime, m_state.tmax);
}

void Form1::ShowlnNtvsT()
{
    const int last = decay::mainViewLastStep(m_state, ChartView::LnAtomsVsTime);
    lnNlast = static_cast<std::int16_t>(decay::lastLogStep(m_state, last));
    drawView(*MSChart1, m_state, ChartView::LnAtomsVsTime, lnNlast);
}

void Form1::ShowNnextvsN()
{
    drawView(*MSChart1, m_state, ChartView::NextVsNow, m_state.tmax);
}

// Draws the decayed atoms on the large graph window's chart and goes over to that window.
void Form1::ShowLargeGraph()
{
    larggraf& large = m_windows.largeGraph();
    ViewTitles titles = defaultTitles(ChartView::DecayedVsTime);
    titles.yAxis = tr("Atoms");
    drawView(*large.MSChart1, m_state, ChartView::DecayedVsTime, m_state.tmax, titles);
    hide();
    large.show();
}

void Form1::cmdLargeGraph_Click()
{
    ShowLargeGraph();
}

void Form1::Command4_Click()
{
    ShowNvsT();
}

void Form1::Command6_Click()
{
    ShowdNvsT();
    if (!decay::isYes(m_state.RunValid))
        Command3->setEnabled(true);
    disableRun();
}

void Form1::Command3_Click()
{
    ShowlnNtvsT();
    disableRun();
}

void Form1::Command9_Click()
{
    ShowNnextvsN();
    if (!decay::isYes(m_state.RunValid)) {
        Command3->setEnabled(true);
        Command3->setFocus();
    } else {
        Command6->setFocus();
    }
}

// The atoms of the last random run in a window of their own; before one, the window says so.
void Form1::actShowAtoms_Click()
{
    auto* atoms = new AtomsWindow(decay::atomsOfRun(m_state, {text(txtN0), text(rrate), {}, decimalPoint(*this)}), 1);
    atoms->show();
}

void Form1::MSChart1_Click()
{
    ViewCycle = ViewCycle + 1 > 3 ? 0 : static_cast<std::int16_t>(ViewCycle + 1);
    switch (ViewCycle) {
    case 0: ShowNvsT(); break;
    case 1: ShowdNvsT(); break;
    case 2: ShowlnNtvsT(); break;
    default: ShowNnextvsN(); break;
    }
}

// Saving

void Form1::Command10_Click()
{
    const QString path = m_platform.askSaveFileName(this, m_fileName, QString());
    if (path.isEmpty())
        return;
    m_fileName = path;
    const QString error = decay::writeFileAtomically(path, decay::dataFileText(m_state));
    if (!error.isEmpty())
        m_platform.showError(this, tr("Save simulation data"),
                             tr("The simulation data were not saved.") + QStringLiteral("\n\n") + error);
}

// Commands that lead to other windows, print, and quit

void Form1::Command1_Click()
{
    hide();
    m_windows.citation().show();
}

void Form1::Command7_Click()
{
    PrintForm(*this, m_platform);
}

void Form1::Command8_Click()
{
    m_windows.introduction().show();
    hide();
}

void Form1::Label12_Click()
{
    m_windows.introduction().show();
    hide();
}

// Hides first: a newly created introduction shows this window again while it loads.
void Form1::Label10_Click()
{
    hide();
    m_windows.introduction().show();
}

void Form1::Picture1_Click()
{
    m_windows.introduction().show();
    hide();
}

void Form1::Command11_Click()
{
    m_windows.quiz().show();
    hide();
}

// Clock

void Form1::Timer1_Timer()
{
    Label6->setText(clockText(m_platform.now(), locale()));
}

// Parameter entry

void Form1::invalidate()
{
    m_state.RunValid = "No";
    Text4->clear();
    MSChart1->hide();
    for (QPushButton* button : {Command3, Command4, Command6, Command9})
        button->setEnabled(false);
    disableRun();
}

// Qt hands the focus of a control being disabled on to the next one, where a further Enter would
// press "Q"; a disabled RUN takes the focus away with it instead, so Enter does nothing.
void Form1::disableRun()
{
    if (focusWidget() == Command2)
        Command2->clearFocus();
    Command2->setEnabled(false);
}

void Form1::confirm()
{
    Command2->setEnabled(true);
    Command2->setFocus();
    for (QPushButton* button : {Command3, Command4, Command6, Command9})
        button->setEnabled(false);
}

void Form1::txtN0_Change()
{
    invalidate();
}

void Form1::simut_Change()
{
    invalidate();
}

void Form1::rrate_Change()
{
    invalidate();
    // Anything that is no number becomes 0 at once; a number too large is let through.
    if (!rrate->text().isEmpty() && !decay::isNumberText(text(rrate), decimalPoint(*this)))
        rrate->setText(QStringLiteral("0"));
}

void Form1::halftime_Change()
{
    // A half-life that is no number stays as typed; Enter replaces it by 5.
    invalidate();
}

void Form1::txtN0_KeyPress()
{
    if (const auto replacement = decay::confirmInitialAtoms(text(txtN0)))
        txtN0->setText(qtext(*replacement));
    confirm();
}

void Form1::simut_KeyPress()
{
    if (const auto replacement = decay::confirmSimulationTime(text(simut)))
        simut->setText(qtext(*replacement));
    confirm();
}

// Confirming the rate or the half-life writes the other of the two and enables it again.
void Form1::confirmRatePair(QLineEdit* confirmed, QLineEdit* other, const decay::RateEntry& entry)
{
    if (entry.replacement)
        confirmed->setText(qtext(*entry.replacement));
    other->setText(qtext(entry.other));
    confirm();
    other->setEnabled(true);
}

void Form1::halftime_KeyPress()
{
    confirmRatePair(halftime, rrate, decay::confirmHalfLife(text(halftime), decimalPoint(*this)));
}

void Form1::rrate_KeyPress()
{
    confirmRatePair(rrate, halftime, decay::confirmRate(text(rrate), decimalPoint(*this)));
}

void Form1::halftime_Click()
{
    rrate->setEnabled(false);
    rrate->clear();
}

void Form1::rrate_Click()
{
    halftime->clear();
    halftime->setEnabled(false);
}

void Form1::rrate_DblClick()
{
    rrate_Click();
}

// Clicks on the rate and half-life fields: left button only, and never on a disabled field,
// which sees the mouse here although it ignores it. A disabled field or button keeps the right
// button's request for a menu to itself; the window's menu answers it, as everywhere else.
bool Form1::eventFilter(QObject* watched, QEvent* event)
{
    const auto type = event->type();
    if (type == QEvent::ContextMenu && !static_cast<QWidget*>(watched)->isEnabled()) {
        const auto* request = static_cast<QContextMenuEvent*>(event);
        QContextMenuEvent forwarded(request->reason(), mapFromGlobal(request->globalPos()), request->globalPos(), request->modifiers());
        QApplication::sendEvent(this, &forwarded);
        return true;
    }
    if ((type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick)
        && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton && static_cast<QWidget*>(watched)->isEnabled()) {
        if (watched == halftime && type == QEvent::MouseButtonPress)
            halftime_Click();
        else if (watched == rrate)
            type == QEvent::MouseButtonPress ? rrate_Click() : rrate_DblClick();
    }
    return QWidget::eventFilter(watched, event);
}
