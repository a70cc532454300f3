#include "FakePlatform.h"
#include "model/RunState.h"
#include "ui/charts/DecayChart.h"
#include "ui/main/ProgramWindows.h"

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
// the title window's animation, window re-creation, the large graph window and accessibility.
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
    void everyControlHasAnAccessibleName();
    void bothWaysOutEndTheProgram_data();
    void bothWaysOutEndTheProgram();

private:
    QWidget* window(const QString& name) const
    {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->objectName() == name)
                return w;
        qFatal("no window %s", qPrintable(name));
    }
    template <class T = QWidget>
    T* control(const QString& path) const // "window.control"
    {
        const QStringList parts = path.split('.');
        auto* found = window(parts[0])->findChild<T*>(parts[1]);
        if (!found)
            qFatal("no control %s", qPrintable(path));
        return found;
    }
    // Names of the visible windows, in alphabetical order; the backdrop only when asked for.
    QString visible(bool withBackdrop = false) const
    {
        QStringList names;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->isVisible() && !w->objectName().isEmpty() && (withBackdrop || w->objectName() != "Form3"))
                names.append(w->objectName());
        names.sort();
        return names.join(' ');
    }
    static void mouse(QWidget* widget, QEvent::Type type, QPoint pos = {2, 2})
    {
        QMouseEvent event(type, pos, widget->mapToGlobal(pos), Qt::LeftButton,
                          type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(widget, &event);
    }
    static void click(QWidget* widget, QPoint pos = {2, 2})
    {
        mouse(widget, QEvent::MouseButtonPress, pos);
        mouse(widget, QEvent::MouseButtonRelease, pos);
    }
    // Steps such as "Form1.Command1" (a click), "Referenc.background" or "copyrigh.close".
    void act(const QString& steps)
    {
        for (const QString& step : steps.split(' ', Qt::SkipEmptyParts)) {
            const QString target = step.section('.', 0, 0);
            const QString what = step.section('.', 1);
            if (what == "close")
                window(target)->close();
            else if (what == "Escape")
                QTest::keyClick(window(target)->focusWidget() ? window(target)->focusWidget() : window(target), Qt::Key_Escape);
            else if (what == "background")
                click(window(target));
            else
                click(control(step), control(step)->rect().center());
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        }
    }
    int shownNameLabel() const
    {
        int shown = -1;
        for (int i = 0; i < 8; ++i)
            if (m_windows->title().Label1[static_cast<std::size_t>(i)]->isVisible())
                shown = shown == -1 ? i : 99; // 99: more than one
        return shown;
    }

    std::unique_ptr<decay::RunState> m_state;
    std::unique_ptr<FakePlatform> m_platform;
    std::unique_ptr<ProgramWindows> m_windows;
};

void WindowsTest::init()
{
    m_windows.reset();
    m_state = std::make_unique<decay::RunState>();
    m_platform = std::make_unique<FakePlatform>();
    m_windows = std::make_unique<ProgramWindows>(*m_state, *m_platform);
    m_windows->main();
}

void WindowsTest::startUp()
{
    QCOMPARE(visible(true), QStringLiteral("Form3 titlform"));
    QWidget* backdrop = window("Form3");
    QVERIFY(!backdrop->isEnabled() && backdrop->windowState().testFlag(Qt::WindowMaximized));
    QCOMPARE(backdrop->geometry(), backdrop->screen()->geometry());
    QVERIFY(backdrop->windowFlags().testFlag(Qt::WindowStaysOnBottomHint));
    titlform& title = m_windows->title();
    QCOMPARE(title.size(), QSize(709, 470));
    QVERIFY(title.Timer1->isActive() && title.Timer1->interval() == 300);
    QCOMPARE(shownNameLabel(), -1); // nothing before the first tick, but the prompt
    QVERIFY(title.Label2->isVisible());
}

void WindowsTest::titleAnimation()
{
    // Labels 1 to 6 one tick each, 7 for four ticks, then round again from 0.
    const QList<int> expected = {1, 2, 3, 4, 5, 6, 7, 7, 7, 7, 0, 1, 2, 3, 4, 5, 6, 7, 7, 7, 7, 0, 1};
    QList<int> shown;
    for (int i = 0; i < expected.size(); ++i) {
        m_windows->title().Timer1_Timer();
        shown.append(shownNameLabel());
    }
    QCOMPARE(shown, expected);
    QCOMPARE(m_windows->title().TitleTick, 1);

    // It goes on, hidden, while the main window is in use.
    act("titlform.background");
    m_windows->title().Timer1_Timer();
    QCOMPARE(m_windows->title().TitleShown, 2);
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
    titlform& title = m_windows->title();
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
        if (kind != "dblclick")
            click(target);
        if (kind != "click")
            mouse(target, QEvent::MouseButtonDblClick);
    }
    QCOMPARE(visible(true), windows);
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
    act("titlform.background");
    act(steps);
    if (quits == 0)
        QCOMPARE(visible(), windows);
    QCOMPARE(m_platform->quits, quits);
}

void WindowsTest::closedWindowsComeBackLoadedAgain()
{
    act("titlform.background Form1.Command2 Form1.Command8");
    Introfrm* first = &m_windows->introduction();
    first->Text1->verticalScrollBar()->setValue(first->Text1->verticalScrollBar()->maximum());
    const int scrolled = first->Text1->verticalScrollBar()->value();
    QVERIFY(scrolled > 0);
    act("Introfrm.Command2 Referenc.Command1");
    QCOMPARE(&m_windows->introduction(), first); // hiding keeps it, scrolled as it was
    QCOMPARE(first->Text1->verticalScrollBar()->value(), scrolled);

    const QPointer<Introfrm> closed = first;
    act("Introfrm.close");
    QVERIFY(closed.isNull());
    QCOMPARE(m_windows->introduction().Text1->verticalScrollBar()->value(), 0);

    // The large graph window comes back with its ln button enabled, whatever the last run.
    act("Form1.Command5");
    QVERIFY(!m_windows->largeGraph().Command1->isEnabled());
    act("Form1.cmdLargeGraph larggraf.close Form1.cmdLargeGraph");
    QVERIFY(m_windows->largeGraph().Command1->isEnabled());
    QCOMPARE(control<QLineEdit>("Form1.Text4")->text(), QString::number(m_state->Nt[50])); // the run kept
}

void WindowsTest::texts()
{
    const QString intro = m_windows->introduction().Text1->toPlainText();
    QVERIFY(intro.startsWith("The decay of radioactive atoms is usually described as exponential equation A(t)"));
    for (const char* joint : {"Furthermore, As the time", "never be zero. The decay", "If the answer is \"yes\", then",
                              "I calculated the half life using T=Log(0.5)/-r."})
        QVERIFY2(intro.contains(QLatin1String(joint)), joint);
    QVERIFY(intro.endsWith("-r.") && !intro.contains('\n'));

    const QStringList quiz = m_windows->quiz().Label1->text().split("\n\n");
    QCOMPARE(quiz.size(), 3);
    QVERIFY(quiz[0].startsWith("     Assuming") && quiz[1].startsWith("      If you") && quiz[2].startsWith("     Half-life"));
    QVERIFY(quiz[0].contains("0.625 atom.  If") && quiz[1].endsWith("\"Can we have non-integer atoms?\". "));

    copyrigh& citation = m_windows->citation();
    QCOMPARE(citation.Label7->text().count('\n'), 1);
    QCOMPARE(citation.Label6->text().count('\n'), 3);
    QCOMPARE(m_windows->dedication().windowTitle(), QStringLiteral("Dedication"));
}

void WindowsTest::dedicationPhotographIsCentred()
{
    Vater& dedication = m_windows->dedication();
    QCOMPARE(dedication.Picture2->pos(), QPoint(3, 9));
    // A photograph larger than its frame is cut off equally on opposite sides.
    dedication.Picture2->resize(dedication.Frame1->width() + 100, dedication.Frame1->height() + 40);
    dedication.Form_Load();
    QCOMPARE(dedication.Picture2->pos(), QPoint(-50, -20));
}

void WindowsTest::largeGraph()
{
    act("titlform.background Form1.Command2");
    QVERIFY(!control("Form1.Command2")->isEnabled());
    act("Form1.cmdLargeGraph");
    larggraf& large = m_windows->largeGraph();
    DecayChart* chart = large.MSChart1;
    QCOMPARE(chart->title(), QStringLiteral("Decayed atoms vs. time"));
    QCOMPARE(chart->axis(DecayChart::Axis::Y).title, QStringLiteral("Atoms"));
    QCOMPARE(chart->data(51, 2), m_state->dNt[50]);
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
    QVERIFY(!control("Form1.Command2")->isEnabled()); // left as it was

    act("Form1.Command5");
    QVERIFY(!large.Command1->isEnabled());
    act("Form1.Command2");
    QVERIFY(large.Command1->isEnabled());
}

void WindowsTest::largeGraphLnViewSkipsCountsWithoutLogarithm()
{
    // Before any run every count is 0: the ln view is empty.
    act("titlform.background Form1.cmdLargeGraph larggraf.Command1");
    QCOMPARE(m_windows->largeGraph().MSChart1->rowCount(), 0);

    // A random run that ran out at step 1, then a large graph window opened anew.
    act("larggraf.close");
    control<QLineEdit>("Form1.rrate")->setText("1");
    act("Form1.Command5 Form1.cmdLargeGraph larggraf.close Form1.cmdLargeGraph larggraf.Command1");
    QCOMPARE(m_state->tzero, 1);
    QCOMPARE(m_windows->largeGraph().MSChart1->rowCount(), 1);
}

void WindowsTest::everyControlHasAnAccessibleName()
{
    m_windows->main().Timer1_Timer(); // the clock shows a text
    QList<QWidget*> windows = {&m_windows->main(), &m_windows->title(), &m_windows->largeGraph(), &m_windows->introduction(),
                               &m_windows->references(), &m_windows->quiz(), &m_windows->citation(), &m_windows->dedication(),
                               &m_windows->classExperiment()};
    for (QWidget* w : windows) {
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
    QCOMPARE(QAccessible::queryAccessibleInterface(control("Form1.Label14"))->text(QAccessible::Name),
             control<QLabel>("Form1.Label14")->text());
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
    m_windows.reset();
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
