#include "tests/ui/TestProgram.h"
#include "ui/Look.h"
#include "ui/run/StartPart.h"

// Every window together, driven as a user would: which windows are visible after each step,
// the title window's animation, window re-creation, the large graph window, the main window's
// menu, the part chosen on the command line and accessibility.
class WindowsTest : public QObject {
    Q_OBJECT

    ProgramWindows& windows() { return m_program->windows; }
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

    // The texts of the menu that a right click on `widget` opens, none when it opens none. The
    // action named `choice` is chosen from it with the keyboard; without one, Escape closes it.
    static QStringList contextMenu(QWidget* widget, const QString& choice = {})
    {
        QStringList texts;
        bool answered = false;
        const auto answer = [&] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            if (!menu || std::exchange(answered, true))
                return;
            QAction* chosen = nullptr;
            for (QAction* action : menu->actions()) {
                texts.append(action->text());
                if (!choice.isEmpty() && action->objectName() == choice)
                    chosen = action;
            }
            menu->setActiveAction(chosen);
            QTest::keyClick(menu, chosen ? Qt::Key_Return : Qt::Key_Escape);
        };
        const QObject pending; // a menu that waits for its choice is answered from its own loop
        QTimer::singleShot(0, &pending, answer);
        const QPoint at = widget->rect().center();
        QContextMenuEvent event(QContextMenuEvent::Mouse, at, widget->mapToGlobal(at));
        QApplication::sendEvent(widget, &event);
        answer(); // one that popped up and returned at once
        return texts;
    }

    ProgramFixture m_program;

private slots:
    void init() { m_program.restart(); }

    void startUp()
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

    void titleAnimation()
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

    void titleDismissal_data()
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

    void titleDismissal()
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

    // Paths through the windows: each step, then the windows visible after it (the backdrop left
    // out), or "quit" when the step ended the program.
    void navigation_data()
    {
        QTest::addColumn<QString>("path");
        QTest::newRow("Q") << "Form1.Command1>copyrigh copyrigh.close>Form1 Form1.Command1>copyrigh copyrigh.Escape>Form1 "
                              "Form1.Command1>copyrigh copyrigh.Command1>Vater Vater.Escape>Vater Vater.Command1>quit";
        QTest::newRow("dedication's close box") << "Form1.Command1>copyrigh copyrigh.Command1>Vater Vater.close>quit";
        QTest::newRow("More") << "Form1.Command8>Introfrm Introfrm.Command1>Form1 Form1.Label12>Introfrm Introfrm.Command2>Referenc "
                                 "Referenc.Label1(1)>Referenc Referenc.Command1>Introfrm Introfrm.Escape>Form1";
        QTest::newRow("photograph") << "Form1.Picture1>Introfrm Introfrm.Command2>Referenc Referenc.Escape>Introfrm "
                                       "Introfrm.close>Form1 Form1.Label10>Form1,Introfrm";
        QTest::newRow("author panel") << "Form1.Label10>Form1,Introfrm Introfrm.Command1>Form1 Form1.Label10>Introfrm";
        QTest::newRow("More after a close") << "Form1.Command8>Introfrm Introfrm.close>Form1 Form1.Command8>Introfrm";
        QTest::newRow("References, background") << "Form1.Command8>Introfrm Introfrm.Command2>Referenc Referenc.background>Form1 "
                                                   "Form1.Command11>Quiz Quiz.Command1>Form1 Form1.Command11>Quiz Quiz.close>Form1 "
                                                   "Form1.Command11>Quiz Quiz.Escape>Form1";
        QTest::newRow("References, close box") << "Form1.Command8>Introfrm Introfrm.Command2>Referenc Referenc.close>Form1 "
                                                  "Form1.Escape>Form1";
        QTest::newRow("Large") << "Form1.cmdLargeGraph>larggraf larggraf.command4>Form1 Form1.cmdLargeGraph>larggraf larggraf.close>Form1 "
                                  "Form1.cmdLargeGraph>larggraf larggraf.Escape>Form1 Form1.cmdLargeGraph>larggraf "
                                  "larggraf.Command5>copyrigh copyrigh.close>Form1";
        QTest::newRow("Large beside the references") << "Form1.Label10>Form1,Introfrm Introfrm.Command2>Form1,Referenc "
                                                        "Form1.cmdLargeGraph>Referenc,larggraf Referenc.background>Form1";
        QTest::newRow("main window's close box") << "Form1.Command8>Introfrm Introfrm.Command1>Form1 Form1.close>quit";
    }

    void navigation()
    {
        QFETCH(QString, path);
        act("titlform.background");
        QStringList walked;
        for (const QString& step : path.split(' ')) {
            const int quits = m_program->platform.quits;
            act(step.section('>', 0, 0));
            walked.append(step.section('>', 0, 0) + '>' + (m_program->platform.quits > quits ? "quit" : shownWindows().join(',')));
        }
        QCOMPARE(walked.join(' '), path);
    }

    // A right click anywhere on the main window, from the start, offers the class experiment and
    // the labs and opens the one chosen beside it; a click of the left button on the title label
    // still leads to the introduction.
    void mainWindowMenuOpensTheLabs_data()
    {
        QTest::addColumn<QString>("where");
        QTest::addColumn<QString>("choice");  // the action chosen, none for Escape
        QTest::addColumn<QString>("windows"); // visible afterwards
        QTest::newRow("background, class experiment") << "Form1" << "actClassExperiment" << "ClassExperiment,Form1";
        QTest::newRow("title label, nuclide lab") << "Form1.Label12" << "actNuclideLab" << "Form1,NuclideLab";
        QTest::newRow("instructions over the hidden chart, counting lab") << "Form1.Label14" << "actCountingLab" << "CountingLab,Form1";
        QTest::newRow("author frame, Escape") << "Form1.Frame1" << "" << "Form1";
        QTest::newRow("disabled save button") << "Form1.Command10" << "" << "Form1";
    }

    void mainWindowMenuOpensTheLabs()
    {
        QFETCH(QString, where);
        QFETCH(QString, choice);
        QFETCH(QString, windows);
        act("titlform.background");
        QCOMPARE(contextMenu(&get(where), choice), QStringList({"Class experiment...", "Nuclide lab...", "Counting lab...", "Open lesson...",
                                                                "Make lesson...", "Collect hand-ins..."}));
        QCOMPARE(shownWindows().join(','), windows);
        act("Form1.Label12");
        QVERIFY(shownWindows().contains("Introfrm") && !get("Form1").isVisible());
    }

    // An entry field keeps its edit menu, while a disabled one offers the window's menu; after a
    // run the chart keeps its own.
    void fieldsAndChartKeepTheirMenus()
    {
        const QStringList labs = {"Class experiment...", "Nuclide lab...", "Counting lab...", "Open lesson...", "Make lesson...",
                                  "Collect hand-ins..."};
        act("titlform.background");
        const QStringList field = contextMenu(&get("Form1.txtN0"));
        QVERIFY(!field.isEmpty() && !field.contains(labs[0]));
        act("Form1.rrate"); // disables the half-life
        QCOMPARE(contextMenu(&get("Form1.halftime")), labs);
        act("Form1.Command2");
        QCOMPARE(contextMenu(windows().main().MSChart1->viewport()), labs + QStringList({"Save chart as image...", "Copy data", "Show the atoms..."}));
    }

    void partOnTheCommandLine_data()
    {
        QTest::addColumn<QString>("arguments"); // after the program's name
        QTest::addColumn<int>("part");
        QTest::addColumn<QString>("error");
        const QString names = "The parts are: run, experiment, nuclides, counting.";
        QTest::newRow("none") << "" << int(Part::Run) << "";
        QTest::newRow("run") << "--part run" << int(Part::Run) << "";
        QTest::newRow("experiment") << "--part experiment" << int(Part::Experiment) << "";
        QTest::newRow("nuclides, with =") << "--part=nuclides" << int(Part::Nuclides) << "";
        QTest::newRow("counting") << "--part counting" << int(Part::Counting) << "";
        QTest::newRow("unknown") << "--part lab" << int(Part::Run) << "Unknown part \"lab\". " + names;
        QTest::newRow("empty") << "--part=" << int(Part::Run) << "Unknown part \"\". " + names;
    }

    void partOnTheCommandLine()
    {
        QFETCH(QString, arguments);
        QFETCH(int, part);
        QFETCH(QString, error);
        QCommandLineParser parser;
        addStartOptions(parser);
        QVERIFY(parser.parse(QStringList("atomdrift") + arguments.split(' ', Qt::SkipEmptyParts)));
        const StartRequest request = startRequest(parser);
        QCOMPARE(request.error, error);
        QCOMPARE(int(request.part), part);
    }

    // The designed start puts up the title window; any other part shows its window alone.
    void startsInThePart_data()
    {
        QTest::addColumn<int>("part");
        QTest::addColumn<QString>("windows"); // visible, the backdrop included
        QTest::newRow("run") << int(Part::Run) << "Form3 titlform";
        QTest::newRow("experiment") << int(Part::Experiment) << "ClassExperiment";
        QTest::newRow("nuclides") << int(Part::Nuclides) << "NuclideLab";
        QTest::newRow("counting") << int(Part::Counting) << "CountingLab";
    }

    void startsInThePart()
    {
        QFETCH(int, part);
        QFETCH(QString, windows);
        startIn(Part(part), m_program->windows, m_program->platform);
        QCOMPARE(shownWindows(true).join(' '), windows);
    }

    // The program started in a lab ends with the last window it shows: a counting lab beside the
    // nuclide lab, as the lab's counter opens it, outlives the lab and its chart of nuclides.
    void partEndsWithItsLastWindow()
    {
        startIn(Part::Nuclides, windows(), m_program->platform);
        windows().nuclideLab().cmdChart->click();
        windows().countingLab().show();
        act("NuclideLab.close");
        QCoreApplication::sendPostedEvents();
        QCOMPARE(shownWindows(), QStringList("CountingLab"));
        QCOMPARE(m_program->platform.quits, 0);
        act("CountingLab.close");
        QCoreApplication::sendPostedEvents();
        QCOMPARE(m_program->platform.quits, 1);
    }

    void closedWindowsComeBackLoadedAgain()
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

    void dedicationPhotographIsCentred()
    {
        Vater& dedication = windows().dedication();
        QCOMPARE(dedication.Picture2->pos(), QPoint(3, 9));
        // A photograph larger than its frame is cut off equally on opposite sides.
        dedication.Picture2->resize(dedication.Frame1->width() + 100, dedication.Frame1->height() + 40);
        dedication.Form_Load();
        QCOMPARE(dedication.Picture2->pos(), QPoint(-50, -20));
    }

    void largeGraph()
    {
        act("titlform.background Form1.Command2 Form1.cmdLargeGraph");
        DecayChart* chart = windows().largeGraph().MSChart1;
        const auto shown = [&] { return QStringLiteral("%1|%2|%3x%4").arg(chart->title(), chart->axis(DecayChart::Axis::Y).title).arg(chart->rowCount()).arg(chart->columnCount()); };
        QCOMPARE(shown(), QStringLiteral("Decayed atoms vs. time|Atoms|51x2")); // the window's own axis title
        QCOMPARE(chart->data(51, 2), m_program->state.dNt[50]);
        act("larggraf.Command2");
        QCOMPARE(shown(), QStringLiteral("Decayed atoms vs. time|Decayed atoms|51x2"));
        act("larggraf.Command7");
        QCOMPARE(shown(), QStringLiteral("N(t+1) vs. N(t) (Blue line: y=x)|N(t+1)|51x4"));
        act("larggraf.Command1");
        QCOMPARE(shown(), QStringLiteral("ln(atoms) vs. time|ln(atoms)|51x2"));
        act("larggraf.Command3 larggraf.command4");
        QCOMPARE(chart->title(), QStringLiteral("Atoms vs. time"));
        QVERIFY(!get("Form1.Command2").isEnabled()); // RUN left as the atoms view of the main window set it

        act("Form1.Command5 Form1.Command2"); // a deterministic run enables the ln button again
        QVERIFY(windows().largeGraph().Command1->isEnabled());
    }

    void largeGraphLnViewSkipsCountsWithoutLogarithm()
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

    // A sample of the layout's positions, tooltips and hand cursors against the windows.
    void layout()
    {
        everyWindow(windows());
        const struct {
            const char* control;
            QRect twips; // left, top, width, height
            const char* toolTip;
            bool hand; // over what leads on when clicked, labels and buttons alike; none over the rest
        } rows[] = {
            {"Form1.Label12", {120, 120, 4095, 495}, "", true},
            {"Form1.Frame2", {4320, 120, 6612, 5292}, "", false},
            {"Form1.Command7", {3480, 1680, 495, 372}, "Print this page", true},
            {"Form1.Command10", {2880, 3720, 495, 375}, "Save simulation data", false},
            {"Form1.MSChart1", {96, 192, 6324, 4500}, "Click here to see more graph", false},
            {"larggraf.MSChart1", {96, 96, 10572, 6924}, "", false},
            {"larggraf.Command6", {7080, 7080, 855, 495}, "Print this page", true},
            {"titlform.Label2", {1200, 4800, 1695, 1095}, "", true},
            {"Introfrm.Command2", {4320, 5760, 1575, 495}, "", true},
            {"Vater.Command1", {1320, 7320, 4575, 495}, "", false},
        };
        for (const auto& row : rows) {
            const QWidget& widget = get(row.control);
            const QRect& t = row.twips;
            QCOMPARE(widget.geometry(), look::twipsRect(t.x(), t.y(), t.width(), t.height()));
            QCOMPARE(widget.toolTip(), QString::fromUtf8(row.toolTip));
            QCOMPARE(widget.cursor().shape() == Qt::BitmapCursor, row.hand);
        }
    }

    // Every control a screen reader can reach has a name; a label's is the text it shows, and an
    // entry field's the caption of the label beside it. The chart of nuclides is the lab's.
    void everyControlHasAnAccessibleName()
    {
        windows().main().Timer1_Timer(); // the clock shows a text
        windows().nuclideLab().cmdChart->click();
        for (QWidget* w : everyWindow(windows())) {
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

    // With the program's own platform: the event loop ends although the backdrop never closes,
    // after "God rest his soul" and after the main window's close box.
    void bothWaysOutEndTheProgram()
    {
        m_program.end();
        for (const bool closeBox : {false, true}) {
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
    }
};

QTEST_MAIN(WindowsTest)
#include "WindowsTest.moc"
