#include "tests/ui/TestProgram.h"
#include "model/common/Conversions.h"
#include "output/DataFile.h"
#include "ui/run/ClockText.h"

#include <cmath>

class Form1Test : public QObject {
    Q_OBJECT

    static QLineEdit* field(const QString& name) { return &get<QLineEdit>("Form1." + name); }
    static QString text(const QString& names) { return texts("Form1", names); }
    static QString enabled(const QString& names) { return ::enabled("Form1", names); }
    static void click(const QString& name) { ::click(&get("Form1." + name)); }
    static void enter(const QString& name) { QTest::keyClick(&get("Form1." + name), Qt::Key_Return); }
    Form1& form() { return m_program->windows.main(); }
    DecayChart* chart() { return form().MSChart1; }
    QString title() { return chart()->title(); }
    QWidget* focus() { return form().focusWidget(); }

    ProgramFixture m_program;

private slots:
    void init()
    {
        m_program.restart();
        QVERIFY(!form().isVisible()); // loading leaves the window to the title window
        form().show();
        QVERIFY(QTest::qWaitForWindowExposed(&form()));
    }

    void startUp()
    {
        QCOMPARE(text("txtN0 simut rrate halftime Text4"), QStringLiteral("100|50|0.1|6.93147180559945|"));
        QCOMPARE(enabled("Command2 Command5 Command10 Command3"), QStringLiteral("Command2 Command5"));
        QVERIFY(form().Label13->isVisible() && form().Label14->isVisible() && !chart()->isVisible());
        QCOMPARE(m_program->state.tmax, 50);
        QVERIFY(text("Label8").contains(QStringLiteral("2031")));
        QCOMPARE(focus(), form().Command2);
        // The photograph sits 100 twips from the frame's right edge, centred from top to bottom.
        QCOMPARE(form().Picture1->pos(), QPoint(321, 12));
    }

    void keyboardAlone()
    {
        form().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&form()));
        const auto tab = [&] { QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : &form(), Qt::Key_Tab); };
        const auto tabTo = [&](const QString& name) {
            for (int i = 0; i < 40 && (!focus() || focus()->objectName() != name); ++i)
                tab();
            return focus() && focus()->objectName() == name;
        };

        // Once round the enabled controls from the photograph, in the layout's order.
        QVERIFY(tabTo("Picture1"));
        QStringList walked;
        do {
            walked.append(focus()->objectName());
            tab();
        } while (focus()->objectName() != "Picture1" && walked.size() < 40);
        QCOMPARE(walked.join(' '), QStringLiteral("Picture1 halftime txtN0 rrate Text4 simut Command8 Command7 Command5 Command2 "
                                                  "Command1 Command11 cmdLargeGraph"));

        // Type a new initial number, confirm, run, show the decayed atoms and save: keys only.
        QTemporaryDir dir;
        m_program->platform.answers = {dir.filePath(QStringLiteral("keys.csv"))};
        QVERIFY(tabTo("txtN0"));
        QTest::keyClick(focus(), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(focus(), QStringLiteral("50"));
        QTest::keyClick(focus(), Qt::Key_Return);
        QTest::keyClick(focus(), Qt::Key_Return);
        QCOMPARE(m_program->state.Nt[0], 50);
        QVERIFY(tabTo("Command6"));
        QTest::keyClick(focus(), Qt::Key_Space);
        QCOMPARE(title(), QStringLiteral("Decayed atoms vs. time"));
        QVERIFY(tabTo("Command10"));
        QTest::keyClick(focus(), Qt::Key_Return);
        QVERIFY(QFileInfo::exists(dir.filePath(QStringLiteral("keys.csv"))));

        // The photograph, which leads to the introduction, answers Space too.
        QVERIFY(tabTo("Picture1"));
        QTest::keyClick(focus(), Qt::Key_Space);
        QVERIFY(m_program->windows.introduction().isVisible() && !form().isVisible());
    }

    void typicalRoad()
    {
        field("txtN0")->selectAll();
        QTest::keyClicks(field("txtN0"), QStringLiteral("200"));
        QCOMPARE(m_program->state.RunValid, std::string("No"));
        enter("txtN0");
        QCOMPARE(focus(), form().Command2);
        enter("Command2");
        QCOMPARE(focus(), nullptr); // RUN is disabled now, and Enter presses nothing else

        QCOMPARE(text("Label4 Text4"), "Number of atoms at t=50|" + QString::fromStdString(decay::numberText(200 * std::exp(-5.0))));
        QVERIFY(chart()->isVisible() && !form().Label13->isVisible() && !form().Label14->isVisible());
        // The atoms view disables RUN.
        QCOMPARE(enabled("Command10 Command3 Command4 Command6 Command9 Command2"), QStringLiteral("Command10 Command3 Command4 Command6 Command9"));
        QCOMPARE(QAccessible::queryAccessibleInterface(chart())->text(QAccessible::Description),
                 QStringLiteral("Atoms vs. time. Y axis: Atoms. X axis: Time. 51 points, from (0, 200) to (50, 1.34759)."));
        DecayChart* grid = chart();
        QCOMPARE(grid->data(2, 2), 200 * std::exp(-0.1));
        click("Command6");
        QVERIFY(chart()->accessibleDescription().startsWith("Decayed atoms vs. time. Y axis: Decayed atoms. X axis: Time. 51 points"));
        QCOMPARE(grid->data(1, 2), 200 - 200 * std::exp(-0.1));
        click("Command9");
        QCOMPARE(QPointF(grid->data(51, 1), grid->data(51, 2)), QPointF(m_program->state.Nt[50], m_program->state.Nt[51]));

        // A simulation time of 0, run without confirming it: one point in every view.
        field("simut")->setText(QStringLiteral("0"));
        form().Command2_Click();
        QCOMPARE(grid->rowCount(), 1);
        click("Command9");
        QCOMPARE(QPointF(grid->data(1, 1), grid->data(1, 2)), QPointF(m_program->state.Nt[0], m_program->state.Nt[1]));
    }

    void enterReplacesUnusableEntries_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("kept");
        QTest::addColumn<QString>("other"); // the rate or half-life written alongside

        for (const char* typed : {"12.5", "0", "-3", "abc"})
            QTest::addRow("N0 %s becomes 100", typed) << "txtN0" << typed << "100" << "";
        QTest::newRow("N0 12abc is kept") << "txtN0" << "12abc" << "12abc" << "";
        QTest::newRow("time 5000 becomes 3000") << "simut" << "5000" << "3000" << "";
        QTest::newRow("time 3000.5 becomes 3000") << "simut" << "3000.5" << "3000" << "";
        for (const char* typed : {"0", "12.5", "x"})
            QTest::addRow("time %s becomes 50", typed) << "simut" << typed << "50" << "";
        QTest::newRow("time 20x is kept") << "simut" << "20x" << "20x" << "";
        QTest::newRow("half-life 1 gives ln 2") << "halftime" << "1" << "1" << "0.693147180559945";
        for (const char* typed : {"5", "0", "-2", "x", "1e-320"})
            QTest::addRow("half-life %s gives 5", typed) << "halftime" << typed << "5" << "0.138629436111989";
        QTest::newRow("rate 0.5") << "rrate" << "0.5" << "0.5" << "1.38629436111989";
        for (const char* typed : {"0", "-1", "1e-320"})
            QTest::addRow("rate %s becomes 0.1", typed) << "rrate" << typed << "0.1" << "6.93147180559945";
    }

    void enterReplacesUnusableEntries()
    {
        QFETCH(QString, name);
        QFETCH(QString, typed);
        QFETCH(QString, kept);
        QFETCH(QString, other);

        field(name)->setText(typed);
        QCOMPARE(enabled("Command2"), QString());
        enter(name);
        QCOMPARE(field(name)->text(), kept);
        if (!other.isEmpty())
            QCOMPARE(field(name == "rrate" ? "halftime" : "rrate")->text(), other);
        QCOMPARE(focus(), form().Command2);
        QCOMPARE(enabled("Command2 rrate halftime Command3 Command4 Command6 Command9"), QStringLiteral("Command2 rrate halftime"));
    }

    void rateAndHalfLifeClicks()
    {
        // Anything typed into the rate that is no number turns it into 0 at once.
        field("rrate")->setFocus();
        QTest::keyClicks(field("rrate"), QStringLiteral("x"));
        QCOMPARE(field("rrate")->text(), QStringLiteral("0"));

        enter("rrate");
        enter("Command2");
        QTest::mouseClick(field("halftime"), Qt::LeftButton);
        QVERIFY(field("rrate")->text().isEmpty() && !field("rrate")->isEnabled());
        QTest::mouseClick(field("rrate"), Qt::LeftButton); // a disabled field takes no click
        QVERIFY(field("halftime")->isEnabled() && !field("halftime")->text().isEmpty());
        QVERIFY(!chart()->isVisible());
        QCOMPARE(enabled("Command2 Command10"), QStringLiteral("Command10"));
        QCOMPARE(text("Label4 Text4"), QStringLiteral("Number of atoms at t=50|"));
        field("halftime")->setText(QStringLiteral("5"));
        enter("halftime");
        QCOMPARE(field("rrate")->text(), QStringLiteral("0.138629436111989"));

        QTest::mouseClick(field("rrate"), Qt::LeftButton);
        QVERIFY(field("halftime")->text().isEmpty() && !field("halftime")->isEnabled());
        enter("rrate");
        QTest::mouseDClick(field("rrate"), Qt::LeftButton);
        QVERIFY(field("halftime")->text().isEmpty() && !field("halftime")->isEnabled());
    }

    void randomRun()
    {
        // A confirmed simulation time reaches the random run only through a deterministic run.
        field("simut")->setText(QStringLiteral("20"));
        enter("simut");
        click("Command5");
        QCOMPARE(text("Label4 Text4"), "Number of atoms at t=50|" + QString::fromStdString(decay::numberText(m_program->state.Nt[50])));
        QCOMPARE(m_program->platform.seeds, 1u);
        QVERIFY(m_program->platform.busyAtSeed && !QGuiApplication::overrideCursor()); // busy only while it runs
        QCOMPARE(enabled("Command3 Command4 Command6 Command9 Command2 Command10"), QStringLiteral("Command4 Command6 Command9 Command2 Command10"));
        QVERIFY(chart()->isVisible());
        click("Command9");
        QCOMPARE(focus(), form().Command6);
        QVERIFY(form().Command2->isEnabled());
        m_program->state.RunValid = "No"; // only code gets here: a change disables the view buttons
        form().Command9_Click();
        QCOMPARE(focus(), form().Command3);
        form().Command3->setEnabled(false);
        form().Command6_Click();
        QCOMPARE(enabled("Command3 Command2"), QStringLiteral("Command3"));
        enter("Command6");
        QCOMPARE(title(), QStringLiteral("Decayed atoms vs. time"));

        enter("simut");
        enter("Command2");
        click("Command5");
        QCOMPARE(text("Label4"), QStringLiteral("Number of atoms at t=20"));
    }

    void chartClicksCycleTheViews()
    {
        click("Command5");
        const QStringList titles = {"Decayed atoms vs. time", "ln(atoms) vs. time", "N(t+1) vs. N(t) (blue line: y=x)",
                                    "Atoms vs. time", "Decayed atoms vs. time"};
        for (int i = 0; i < titles.size(); ++i) {
            QCOMPARE(form().Command2->isEnabled(), i < 4); // until the atoms view comes round
            ::click(chart()->viewport());
            QCOMPARE(title(), titles[i]);
        }
        QCOMPARE(form().ViewCycle, 1);
    }

    void lnViewStopsBeforeTheFirstZero()
    {
        // A random run whose atoms ran out at step 37.
        decay::RunState& state = m_program->state;
        for (int t = 0; t < 37; ++t)
            state.Nt[t] = 100 - t;
        state.tzero = 37;
        state.Extinct = "Yes";
        form().ViewCycle = 1;
        form().MSChart1_Click();
        QCOMPARE(title(), QStringLiteral("ln(atoms) vs. time"));
        QCOMPARE(chart()->rowCount(), 37);
        QCOMPARE(form().lnNlast, 36);
        QCOMPARE(chart()->data(37, 2), std::log(64.0));

        // Counts with no logarithm from the start give an empty ln view.
        field("txtN0")->setText(QStringLiteral("-4"));
        form().Command2_Click();
        form().Command3_Click();
        QCOMPARE(chart()->rowCount(), 0);
    }

    void save()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("decay.csv"));
        FakePlatform& platform = m_program->platform;
        click("Command2");
        click("Command10"); // cancelled
        platform.answers = {path};
        click("Command10");
        const std::string expected = decay::dataFileText(m_program->state);
        QCOMPARE(fileBytes(path).toStdString(), expected);

        // A changed entry leaves saving enabled; cancelling keeps the earlier file.
        field("txtN0")->setText(QStringLiteral("7"));
        click("Command10");
        QCOMPARE(platform.offered, (QStringList{QString(), QString(), path}));
        QCOMPARE(fileBytes(path).toStdString(), expected);

        platform.answers = {dir.filePath(QStringLiteral("missing/decay.csv")), dir.path()};
        click("Command10");
        click("Command10");
        QCOMPARE(platform.errors.size(), 2);
        QVERIFY(platform.errors[0].contains(QStringLiteral("does not exist")));
        QVERIFY(QFileInfo(dir.path()).isDir());
    }

    void clockTicks()
    {
        QVERIFY(text("Label6").isEmpty());
        QTRY_COMPARE(text("Label6"), clockText(m_program->platform.clock, form().locale()));
        const QLocale us(QLocale::English, QLocale::UnitedStates);
        QCOMPARE(clockText(QDateTime(QDate(2031, 5, 17), QTime(0, 0)), us), QStringLiteral("5/17/31"));
    }
};

QTEST_MAIN(Form1Test)
#include "Form1Test.moc"
