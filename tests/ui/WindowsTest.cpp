#include "TestProgram.h"
#include "ui/Look.h"
#include "ui/charts/DecayChart.h"

#include <QAccessible>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTimer>
#include <QtTest>

#include <memory>

// Every window together, driven as a user would: which windows are visible after each step,
// the title window's animation, window re-creation, the large graph window, layout and
// accessibility.
class WindowsTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void startUp();
    void titleAnimation();
    void titleDismissal_data();
    void titleDismissal();
    void navigation_data();
    void navigation();
    void closedWindowsComeBackLoadedAgain();
    void texts();
    void dedicationPhotographIsCentred();
    void largeGraph();
    void largeGraphLnViewSkipsCountsWithoutLogarithm();
    void layout_data();
    void layout();
    void everyControlHasAnAccessibleName();
    void bothWaysOutEndTheProgram_data();
    void bothWaysOutEndTheProgram();

private:
    ProgramWindows& windows() { return m_program->windows; }
    QList<QWidget*> everyWindow()
    {
        return {&windows().main(), &windows().title(), &windows().largeGraph(), &windows().introduction(), &windows().references(),
                &windows().quiz(), &windows().citation(), &windows().dedication(), &windows().classExperiment()};
    }
    // Steps such as "Form1.Command1" (a click), "Referenc.background", "copyrigh.close" or "Quiz.Escape".
    static void act(const QString& steps)
    {
        for (const QString& step : steps.split(' ', Qt::SkipEmptyParts)) {
            QWidget& window = get(step.section('.', 0, 0));
            const QString what = step.section('.', 1);
            if (what == "close")
                window.close();
            else if (what == "Escape")
                key(window.focusWidget() ? window.focusWidget() : &window, Qt::Key_Escape);
            else
                click(what == "background" ? &window : &get(step));
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        }
    }
    // The one name label shown, -1 for none and 99 for more than one.
    int shownNameLabel()
    {
        int shown = -1;
        for (int i = 0; i < 8; ++i)
            if (windows().title().Label1[static_cast<std::size_t>(i)]->isVisible())
                shown = shown == -1 ? i : 99;
        return shown;
    }

    std::unique_ptr<TestProgram> m_program;
};

void WindowsTest::init()
{
    m_program.reset();
    m_program = std::make_unique<TestProgram>();
}

void WindowsTest::startUp()
{
    QCOMPARE(shownWindows(true), QStringList({"Form3", "titlform"}));
    QWidget& backdrop = get("Form3");
    QVERIFY(!backdrop.isEnabled() && backdrop.windowState().testFlag(Qt::WindowMaximized));
    QCOMPARE(backdrop.geometry(), backdrop.screen()->geometry());
    QVERIFY(backdrop.windowFlags().testFlag(Qt::WindowStaysOnBottomHint));
    QVERIFY(windows().title().Timer1->isActive());
    QCOMPARE(shownNameLabel(), -1); // nothing before the first tick, but the prompt
    QVERIFY(windows().title().Label2->isVisible());
}

void WindowsTest::titleAnimation()
{
    // Labels 1 to 6 one tick each, 7 for four ticks, then round again from 0.
    const QList<int> expected = {1, 2, 3, 4, 5, 6, 7, 7, 7, 7, 0, 1, 2, 3, 4, 5, 6, 7, 7, 7, 7, 0, 1};
    QList<int> shown;
    for (int i = 0; i < expected.size(); ++i) {
        windows().title().Timer1_Timer();
        shown.append(shownNameLabel());
    }
    QCOMPARE(shown, expected);
    QCOMPARE(windows().title().TitleTick, 1);

    // It goes on, hidden, while the main window is in use.
    act("titlform.background");
    windows().title().Timer1_Timer();
    QCOMPARE(windows().title().TitleShown, 2);
}

void WindowsTest::titleDismissal_data()
{
    QTest::addColumn<QString>("gesture");
    QTest::addColumn<QString>("windows"); // visible afterwards, the backdrop included

    for (const char* key : {"a", "Enter", "Escape", "Space"})
        QTest::addRow("key %s", key) << QStringLiteral("key %1").arg(key) << "Form1 Form3";
    for (const char* key : {"Left", "F1", "Shift"})
        QTest::addRow("key %s does nothing", key) << QStringLiteral("key %1").arg(key) << "Form3 titlform";
    for (const char* where : {"background", "name", "prompt"}) {
        QTest::addRow("click on the %s", where) << QStringLiteral("click %1").arg(where) << "Form1 Form3";
        QTest::addRow("double-click on the %s", where) << QStringLiteral("double %1").arg(where)
                                                       << (QString(where) == "prompt" ? "Form1 Form3" : "Form1");
    }
    // A double-click event alone, without the click before it, leaves the title window up.
    QTest::newRow("double-click event on the background") << "dblclick background" << "Form1 titlform";
    QTest::newRow("double-click event on the prompt") << "dblclick prompt" << "Form1 Form3";
}

void WindowsTest::titleDismissal()
{
    QFETCH(QString, gesture);
    QFETCH(QString, windows);
    titlform& title = m_program->windows.title();
    for (int i = 0; i < 3; ++i)
        title.Timer1_Timer(); // the name shows in label 3
    const QString kind = gesture.section(' ', 0, 0);
    const QString where = gesture.section(' ', 1);
    if (kind == "key") {
        const QMap<QString, Qt::Key> keys = {{"a", Qt::Key_A}, {"Enter", Qt::Key_Return}, {"Escape", Qt::Key_Escape},
                                             {"Space", Qt::Key_Space}, {"Left", Qt::Key_Left}, {"F1", Qt::Key_F1},
                                             {"Shift", Qt::Key_Shift}};
        QTest::keyClick(&title, keys[where]);
    } else {
        QWidget* target = where == "name" ? title.Label1[3] : where == "prompt" ? static_cast<QWidget*>(title.Label2) : &title;
        if (kind == "dblclick")
            mouse(target, QEvent::MouseButtonDblClick);
        else
            click(target, Qt::LeftButton, kind == "double");
    }
    QCOMPARE(shownWindows(true).join(' '), windows);
}

void WindowsTest::navigation_data()
{
    QTest::addColumn<QString>("steps");
    QTest::addColumn<QString>("windows"); // visible afterwards, the backdrop left out
    QTest::addColumn<int>("quits");

    QTest::newRow("Q") << "Form1.Command1" << "copyrigh" << 0;
    QTest::newRow("Q, then the citation's close box") << "Form1.Command1 copyrigh.close" << "Form1" << 0;
    QTest::newRow("Q, OK") << "Form1.Command1 copyrigh.Command1" << "Vater" << 0;
    QTest::newRow("Q, OK, God rest his soul") << "Form1.Command1 copyrigh.Command1 Vater.Command1" << "Vater" << 1;
    QTest::newRow("dedication's close box ends the program") << "Form1.Command1 copyrigh.Command1 Vater.close" << "" << 1;
    QTest::newRow("More") << "Form1.Command8" << "Introfrm" << 0;
    QTest::newRow("title label") << "Form1.Label12" << "Introfrm" << 0;
    QTest::newRow("photograph") << "Form1.Picture1" << "Introfrm" << 0;
    QTest::newRow("author panel, first time") << "Form1.Label10" << "Form1 Introfrm" << 0;
    QTest::newRow("author panel, later") << "Form1.Command8 Introfrm.Command1 Form1.Label10" << "Introfrm" << 0;
    QTest::newRow("author panel, after a close") << "Form1.Command8 Introfrm.close Form1.Label10" << "Form1 Introfrm" << 0;
    QTest::newRow("More after a close") << "Form1.Command8 Introfrm.close Form1.Command8" << "Introfrm" << 0;
    QTest::newRow("introduction OK") << "Form1.Command8 Introfrm.Command1" << "Form1" << 0;
    QTest::newRow("References") << "Form1.Command8 Introfrm.Command2" << "Referenc" << 0;
    QTest::newRow("References, OK") << "Form1.Command8 Introfrm.Command2 Referenc.Command1" << "Introfrm" << 0;
    QTest::newRow("References, background") << "Form1.Command8 Introfrm.Command2 Referenc.background" << "Form1" << 0;
    QTest::newRow("References, a reference") << "Form1.Command8 Introfrm.Command2 Referenc.Label1(1)" << "Referenc" << 0;
    QTest::newRow("References, close box") << "Form1.Command8 Introfrm.Command2 Referenc.close" << "Form1" << 0;
    QTest::newRow("quiz") << "Form1.Command11" << "Quiz" << 0;
    QTest::newRow("quiz, back") << "Form1.Command11 Quiz.Command1" << "Form1" << 0;
    QTest::newRow("quiz, close box") << "Form1.Command11 Quiz.close" << "Form1" << 0;
    QTest::newRow("Large") << "Form1.cmdLargeGraph" << "larggraf" << 0;
    QTest::newRow("Large, Main form") << "Form1.cmdLargeGraph larggraf.command4" << "Form1" << 0;
    QTest::newRow("Large, close box") << "Form1.cmdLargeGraph larggraf.close" << "Form1" << 0;
    QTest::newRow("Large, Quit") << "Form1.cmdLargeGraph larggraf.Command5" << "copyrigh" << 0;
    QTest::newRow("Large beside the references, then the main window")
        << "Form1.Label10 Introfrm.Command2 Form1.cmdLargeGraph Referenc.background" << "Form1" << 0;
    QTest::newRow("Large, Quit, citation's close box") << "Form1.cmdLargeGraph larggraf.Command5 copyrigh.close" << "Form1" << 0;
    // Escape takes a window's obvious way back, and does nothing where there is none.
    QTest::newRow("introduction, Escape") << "Form1.Command8 Introfrm.Escape" << "Form1" << 0;
    QTest::newRow("References, Escape") << "Form1.Command8 Introfrm.Command2 Referenc.Escape" << "Introfrm" << 0;
    QTest::newRow("quiz, Escape") << "Form1.Command11 Quiz.Escape" << "Form1" << 0;
    QTest::newRow("Q, Escape") << "Form1.Command1 copyrigh.Escape" << "Form1" << 0;
    QTest::newRow("Large, Escape") << "Form1.cmdLargeGraph larggraf.Escape" << "Form1" << 0;
    QTest::newRow("dedication, Escape") << "Form1.Command1 copyrigh.Command1 Vater.Escape" << "Vater" << 0;
    QTest::newRow("main window, Escape") << "Form1.Escape" << "Form1" << 0;
    QTest::newRow("main window's close box") << "Form1.Command8 Introfrm.Command1 Form1.close" << "" << 1;
}

void WindowsTest::navigation()
{
    QFETCH(QString, steps);
    QFETCH(QString, windows);
    QFETCH(int, quits);
    act("titlform.background " + steps);
    if (quits == 0)
        QCOMPARE(shownWindows().join(' '), windows);
    QCOMPARE(m_program->platform.quits, quits);
}

void WindowsTest::closedWindowsComeBackLoadedAgain()
{
    act("titlform.background Form1.Command2 Form1.Command8");
    Introfrm* first = &windows().introduction();
    QScrollBar* bar = first->Text1->verticalScrollBar();
    bar->setValue(bar->maximum());
    const int scrolled = bar->value();
    QVERIFY(scrolled > 0);
    act("Introfrm.Command2 Referenc.Command1");
    QCOMPARE(&windows().introduction(), first); // hiding keeps it, scrolled as it was
    QCOMPARE(bar->value(), scrolled);

    const QPointer<Introfrm> closed = first;
    act("Introfrm.close");
    QVERIFY(closed.isNull());
    QCOMPARE(windows().introduction().Text1->verticalScrollBar()->value(), 0);

    // The large graph window comes back with its ln button enabled, whatever the last run.
    act("Form1.Command5");
    QVERIFY(!windows().largeGraph().Command1->isEnabled());
    act("Form1.cmdLargeGraph larggraf.close Form1.cmdLargeGraph");
    QVERIFY(windows().largeGraph().Command1->isEnabled());
    QCOMPARE(get<QLineEdit>("Form1.Text4").text(), QString::number(m_program->state.Nt[50])); // the run kept
}

void WindowsTest::texts()
{
    const QString intro = windows().introduction().Text1->toPlainText();
    QVERIFY(intro.startsWith("The decay of radioactive atoms is usually described as exponential equation A(t)"));
    for (const char* joint : {"Furthermore, As the time", "never be zero. The decay", "If the answer is \"yes\", then",
                              "I calculated the half life using T=Log(0.5)/-r."})
        QVERIFY2(intro.contains(QLatin1String(joint)), joint);
    QVERIFY(intro.endsWith("-r.") && !intro.contains('\n'));

    const QStringList quiz = windows().quiz().Label1->text().split("\n\n");
    QCOMPARE(quiz.size(), 3);
    QVERIFY(quiz[0].startsWith("     Assuming") && quiz[1].startsWith("      If you") && quiz[2].startsWith("     Half-life"));
    QVERIFY(quiz[0].contains("0.625 atom.  If") && quiz[1].endsWith("\"Can we have non-integer atoms?\". "));

    QCOMPARE(windows().citation().Label7->text().count('\n'), 1);
    QCOMPARE(windows().citation().Label6->text().count('\n'), 3);
    QCOMPARE(windows().dedication().windowTitle(), QStringLiteral("Dedication"));
}

void WindowsTest::dedicationPhotographIsCentred()
{
    Vater& dedication = windows().dedication();
    QCOMPARE(dedication.Picture2->pos(), QPoint(3, 9));
    // A photograph larger than its frame is cut off equally on opposite sides.
    dedication.Picture2->resize(dedication.Frame1->width() + 100, dedication.Frame1->height() + 40);
    dedication.Form_Load();
    QCOMPARE(dedication.Picture2->pos(), QPoint(-50, -20));
}

void WindowsTest::largeGraph()
{
    act("titlform.background Form1.Command2 Form1.cmdLargeGraph");
    DecayChart* chart = windows().largeGraph().MSChart1;
    QCOMPARE(chart->title(), QStringLiteral("Decayed atoms vs. time"));
    QCOMPARE(chart->axis(DecayChart::Axis::Y).title, QStringLiteral("Atoms"));
    QCOMPARE(chart->data(51, 2), m_program->state.dNt[50]);
    act("larggraf.Command2");
    QCOMPARE(chart->axis(DecayChart::Axis::Y).title, QStringLiteral("Decayed atoms"));
    act("larggraf.Command7");
    QCOMPARE(chart->title(), QStringLiteral("N(t+1) vs. N(t) (Blue line: y=x)"));
    QCOMPARE(chart->columnCount(), 4);
    act("larggraf.Command1");
    QCOMPARE(chart->title(), QStringLiteral("ln(atoms) vs. time"));
    QCOMPARE(chart->rowCount(), 51);
    act("larggraf.Command3 larggraf.command4");
    QCOMPARE(chart->title(), QStringLiteral("Atoms vs. time"));
    QVERIFY(!get("Form1.Command2").isEnabled()); // RUN left as the atoms view of the main window set it

    act("Form1.Command5");
    QVERIFY(!windows().largeGraph().Command1->isEnabled());
    act("Form1.Command2");
    QVERIFY(windows().largeGraph().Command1->isEnabled());
}

void WindowsTest::largeGraphLnViewSkipsCountsWithoutLogarithm()
{
    // Before any run every count is 0: the ln view is empty.
    act("titlform.background Form1.cmdLargeGraph larggraf.Command1");
    QCOMPARE(windows().largeGraph().MSChart1->rowCount(), 0);

    // A random run that ran out at step 1, then a large graph window opened anew.
    act("larggraf.close");
    get<QLineEdit>("Form1.rrate").setText("1");
    act("Form1.Command5 Form1.cmdLargeGraph larggraf.close Form1.cmdLargeGraph larggraf.Command1");
    QCOMPARE(m_program->state.tzero, 1);
    QCOMPARE(windows().largeGraph().MSChart1->rowCount(), 1);
}

// A sample of the layout's positions (in twips), tooltips and hand cursors, across the windows.
void WindowsTest::layout_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QRect>("twips"); // left, top, width, height
    QTest::addColumn<QString>("toolTip");
    QTest::addColumn<bool>("hand");
    QTest::newRow("title") << "Form1.Label12" << QRect(120, 120, 4095, 495) << "" << true;
    QTest::newRow("chart frame") << "Form1.Frame2" << QRect(4320, 120, 6612, 5292) << "" << false;
    QTest::newRow("rate") << "Form1.rrate" << QRect(120, 1680, 3855, 375) << "" << false;
    QTest::newRow("print") << "Form1.Command7" << QRect(3480, 1680, 495, 372) << "Print this page" << true;
    QTest::newRow("save") << "Form1.Command10" << QRect(2880, 3720, 495, 375) << "Save simulation data" << false;
    QTest::newRow("chart") << "Form1.MSChart1" << QRect(96, 192, 6324, 4500) << "Click here to see more graph" << false;
    QTest::newRow("next-step view") << "Form1.Command9" << QRect(3720, 4800, 1692, 375) << "N(t+1) vs. N(t)" << false;
    QTest::newRow("large chart") << "larggraf.MSChart1" << QRect(96, 96, 10572, 6924) << "" << false;
    QTest::newRow("large print") << "larggraf.Command6" << QRect(7080, 7080, 855, 495) << "Print this page" << true;
    QTest::newRow("large next-step view") << "larggraf.Command7" << QRect(5040, 7080, 1935, 495) << "" << false;
    QTest::newRow("title prompt") << "titlform.Label2" << QRect(1200, 4800, 1695, 1095) << "" << true;
    QTest::newRow("references") << "Introfrm.Command2" << QRect(4320, 5760, 1575, 495) << "" << true;
    QTest::newRow("a reference") << "Referenc.Label1(1)" << QRect(240, 1440, 8415, 615) << "" << false;
    QTest::newRow("citation block") << "copyrigh.Label7" << QRect(360, 3240, 4815, 1935) << "" << false;
    QTest::newRow("dedication button") << "Vater.Command1" << QRect(1320, 7320, 4575, 495) << "" << false;
}

void WindowsTest::layout()
{
    QFETCH(QString, control);
    QFETCH(QRect, twips);
    QFETCH(QString, toolTip);
    QFETCH(bool, hand);
    everyWindow();
    const QWidget& widget = get(control);
    QCOMPARE(widget.geometry(), look::twipsRect(twips.x(), twips.y(), twips.width(), twips.height()));
    QCOMPARE(widget.toolTip(), toolTip);
    QCOMPARE(widget.cursor().shape() == Qt::BitmapCursor, hand);
}

// Every control a screen reader can reach has a name; a label's is the text it shows, and an
// entry field's the caption of the label beside it.
void WindowsTest::everyControlHasAnAccessibleName()
{
    windows().main().Timer1_Timer(); // the clock shows a text
    for (QWidget* w : everyWindow()) {
        for (QWidget* c : w->findChildren<QWidget*>()) {
            const bool control = !c->objectName().isEmpty() && !c->objectName().startsWith("qt_");
            if (!control && c->focusPolicy() == Qt::NoFocus)
                continue;
            const QString name = QAccessible::queryAccessibleInterface(c)->text(QAccessible::Name);
            const QString where = w->objectName() + '.' + c->objectName() + " in " + c->parentWidget()->objectName();
            QVERIFY2(!name.isEmpty(), qPrintable(where));
            if (auto* label = qobject_cast<QLabel*>(c); label && !label->text().isEmpty())
                QVERIFY2(name == label->text(), qPrintable(where));
        }
    }
    QCOMPARE(get("Form1.txtN0").accessibleName(), QStringLiteral("Initial number of atoms:"));
}

void WindowsTest::bothWaysOutEndTheProgram_data()
{
    QTest::addColumn<bool>("closeBox");
    QTest::newRow("God rest his soul") << false;
    QTest::newRow("main window's close box") << true;
}

// With the program's own platform: the event loop ends although the backdrop never closes.
void WindowsTest::bothWaysOutEndTheProgram()
{
    QFETCH(bool, closeBox);
    m_program.reset();
    decay::RunState state;
    QtPlatform platform;
    ProgramWindows windows(state, platform);
    windows.main();
    QTimer::singleShot(0, [&] {
        if (closeBox)
            windows.main().close();
        else
            windows.dedication().Command1->click();
    });
    QTimer::singleShot(5000, [] { QCoreApplication::exit(1); }); // a program that did not end
    QCOMPARE(QCoreApplication::exec(), 0);
}

QTEST_MAIN(WindowsTest)
#include "WindowsTest.moc"
