#include "FakePlatform.h"
#include "model/Conversions.h"
#include "model/RunState.h"
#include "output/DataFile.h"
#include "ui/Look.h"
#include "ui/charts/DecayChart.h"
#include "ui/main/ClockText.h"
#include "ui/main/Form1.h"
#include "ui/main/ProgramWindows.h"

#include <QAccessible>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include <cmath>
#include <memory>

class Form1Test : public QObject {
    Q_OBJECT

private slots:
    void init();
    void startUp();
    void layout_data();
    void layout();
    void tabOrder();
    void keyboardAlone();
    void typicalRoad();
    void enterReplacesUnusableEntries_data();
    void enterReplacesUnusableEntries();
    void rateAndHalfLifeClicks();
    void randomRun();
    void chartClicksCycleTheViews();
    void lnViewStopsBeforeTheFirstZero();
    void save();
    void closingEndsTheProgramAndTheClockTicks();

private:
    template <class T = QWidget>
    T* get(const QString& name) const
    {
        T* found = m_form->findChild<T*>(name);
        if (!found)
            qFatal("no widget %s", qPrintable(name));
        return found;
    }
    QLineEdit* field(const QString& name) const { return get<QLineEdit>(name); }
    QString text(const QString& name) const { return get<QLabel>(name)->text(); }
    QString title() const { return get<DecayChart>("MSChart1")->title(); }
    DecayChart* chart() const { return get<DecayChart>("MSChart1"); }
    void click(const QString& name) { QTest::mouseClick(get(name), Qt::LeftButton); }
    void enter(const QString& name) { QTest::keyClick(get(name), Qt::Key_Return); }
    // Space-separated object names that must all be enabled, or all disabled.
    bool allEnabled(const QString& names, bool enabled) const
    {
        for (const QString& name : names.split(' '))
            if (get(name)->isEnabled() != enabled)
                return false;
        return true;
    }
    QWidget* focus() const { return m_form->focusWidget(); }

    std::unique_ptr<decay::RunState> m_state;
    std::unique_ptr<FakePlatform> m_platform;
    std::unique_ptr<ProgramWindows> m_windows;
    Form1* m_form = nullptr;
};

void Form1Test::init()
{
    m_windows.reset();
    m_state = std::make_unique<decay::RunState>();
    m_platform = std::make_unique<FakePlatform>();
    m_windows = std::make_unique<ProgramWindows>(*m_state, *m_platform);
    m_form = &m_windows->main();
    QVERIFY(!m_form->isVisible()); // loading leaves the window to the title window
    m_form->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_form));
}

void Form1Test::startUp()
{
    QCOMPARE(m_form->windowTitle(), QStringLiteral("Atomdrift of Radioactive Atoms"));
    QCOMPARE(m_form->minimumSize(), m_form->maximumSize());
    QCOMPARE(field("txtN0")->text() + field("simut")->text() + field("rrate")->text(), QStringLiteral("100500.1"));
    QCOMPARE(field("halftime")->text(), QStringLiteral("6.93147180559945"));
    QVERIFY(field("Text4")->text().isEmpty());
    QVERIFY(allEnabled("Command2 Command5", true) && allEnabled("Command10 Command3", false));
    QVERIFY(get("Label13")->isVisible() && get("Label14")->isVisible() && !chart()->isVisible());
    QCOMPARE(m_state->tmax, 50);
    QVERIFY(text("Label8").contains(QStringLiteral("2031")));
    QVERIFY(text("Label14").startsWith("Press Enter or click Run to run this program using default values.  If"));
    QCOMPARE(focus(), get("Command2"));

    // The photograph sits 100 twips from the frame's right edge, centred from top to bottom.
    QCOMPARE(get("Picture1")->pos(), QPoint(321, 12));
}

void Form1Test::layout_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("twips"); // left, top, width, height
    QTest::addColumn<QString>("toolTip");
    QTest::addColumn<bool>("hand");
    QTest::newRow("Label12") << "Label12" << QRect(120, 120, 4095, 495) << "" << true;
    QTest::newRow("Frame2") << "Frame2" << QRect(4320, 120, 6612, 5292) << "" << false;
    QTest::newRow("Command8") << "Command8" << QRect(2280, 1680, 1095, 375) << "More introduction" << true;
    QTest::newRow("Command7") << "Command7" << QRect(3480, 1680, 495, 372) << "Print this page" << true;
    QTest::newRow("rrate") << "rrate" << QRect(120, 1680, 3855, 375) << "" << false;
    QTest::newRow("Label1") << "Label1" << QRect(120, 1320, 3492, 372) << "The intrinsic rate r:" << false;
    QTest::newRow("Command5") << "Command5" << QRect(960, 3720, 1815, 375) << "Random decay" << true;
    QTest::newRow("Command10") << "Command10" << QRect(2880, 3720, 495, 375) << "Save simulation data" << false;
    QTest::newRow("Command1") << "Command1" << QRect(3480, 3720, 495, 375) << "Quit this program" << true;
    QTest::newRow("MSChart1") << "MSChart1" << QRect(96, 192, 6324, 4500) << "Click here to see more graph" << false;
    QTest::newRow("Command3") << "Command3" << QRect(120, 4800, 1140, 372) << "lnN(t) vs t" << true;
    QTest::newRow("Command6") << "Command6" << QRect(1320, 4800, 1092, 372) << "dN vs. time" << true;
    QTest::newRow("Command4") << "Command4" << QRect(2520, 4800, 1116, 372) << "N(t) vs. time" << true;
    QTest::newRow("Command9") << "Command9" << QRect(3720, 4800, 1692, 375) << "N(t+1) vs. N(t)" << false;
    QTest::newRow("Command11") << "Command11" << QRect(4080, 1800, 615, 615) << "" << false;
}

void Form1Test::layout()
{
    QFETCH(QString, name);
    QFETCH(QRect, twips);
    QFETCH(QString, toolTip);
    QFETCH(bool, hand);
    const QWidget* control = get(name);
    QCOMPARE(control->geometry(), look::twipsRect(twips.x(), twips.y(), twips.width(), twips.height()));
    QCOMPARE(control->toolTip(), toolTip);
    QCOMPARE(control->cursor().shape() == Qt::BitmapCursor, hand);
}

void Form1Test::tabOrder()
{
    const QStringList tabOrder = QStringLiteral("Picture1 Command6 Command4 Command3 halftime txtN0 rrate Text4 simut "
                                                "Command8 Command9 Command7 Command10 Command5 Command2 Command1 "
                                                "Command11 MSChart1 cmdLargeGraph").split(' ');
    // The focus chain is a ring: walking it once from the first control meets the others in order.
    QWidget* current = get(tabOrder.first());
    int steps = 0;
    for (const QString& name : tabOrder) {
        while (current != get(name) && steps++ < 100)
            current = current->nextInFocusChain();
        QVERIFY2(current == get(name), qPrintable(name));
    }
    QCOMPARE(field("txtN0")->accessibleName(), QStringLiteral("Initial number of atoms:"));
}

void Form1Test::keyboardAlone()
{
    m_form->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_form));
    const auto tab = [&] { QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : m_form, Qt::Key_Tab); };
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
    m_platform->answers = {dir.filePath(QStringLiteral("keys.csv"))};
    QVERIFY(tabTo("txtN0"));
    QTest::keyClick(focus(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(focus(), QStringLiteral("50"));
    QTest::keyClick(focus(), Qt::Key_Return);
    QTest::keyClick(focus(), Qt::Key_Return);
    QCOMPARE(m_state->Nt[0], 50);
    QVERIFY(tabTo("Command6"));
    QTest::keyClick(focus(), Qt::Key_Space);
    QCOMPARE(title(), QStringLiteral("Decayed atoms vs. time"));
    QVERIFY(tabTo("Command10"));
    QTest::keyClick(focus(), Qt::Key_Return);
    QVERIFY(QFileInfo::exists(dir.filePath(QStringLiteral("keys.csv"))));

    // The photograph, which leads to the introduction, answers Space too.
    QVERIFY(tabTo("Picture1"));
    QTest::keyClick(focus(), Qt::Key_Space);
    QVERIFY(m_windows->introduction().isVisible() && !m_form->isVisible());
}

void Form1Test::typicalRoad()
{
    field("txtN0")->selectAll();
    QTest::keyClicks(field("txtN0"), QStringLiteral("200"));
    QCOMPARE(m_state->RunValid, std::string("No"));
    enter("txtN0");
    QCOMPARE(focus(), get("Command2"));
    enter("Command2");
    QCOMPARE(focus(), nullptr); // RUN is disabled now, and Enter presses nothing else

    QCOMPARE(text("Label4"), QStringLiteral("Number of atoms at t=50"));
    QCOMPARE(field("Text4")->text(), QString::fromStdString(decay::numberText(200 * std::exp(-5.0))));
    QVERIFY(chart()->isVisible() && !get("Label13")->isVisible() && !get("Label14")->isVisible());
    QVERIFY(allEnabled("Command10 Command3 Command4 Command6 Command9", true));
    QVERIFY(allEnabled("Command2", false)); // the atoms view disables RUN
    QCOMPARE(title(), QStringLiteral("Atoms vs. time"));
    QCOMPARE(QAccessible::queryAccessibleInterface(chart())->text(QAccessible::Description),
             QStringLiteral("Atoms vs. time. Y axis: Atoms. X axis: Time. 51 points, from (0, 200) to (50, 1.34759)."));
    DecayChart* grid = chart();
    QCOMPARE(grid->rowCount(), 51);
    QCOMPARE(QPointF(grid->data(1, 1), grid->data(1, 2)), QPointF(0, 200));
    QCOMPARE(grid->data(2, 2), 200 * std::exp(-0.1));
    QCOMPARE(QPointF(grid->data(51, 1), grid->data(51, 2)), QPointF(50, 200 * std::exp(-5.0)));
    click("Command6");
    QCOMPARE(title(), QStringLiteral("Decayed atoms vs. time"));
    QVERIFY(chart()->accessibleDescription().startsWith("Decayed atoms vs. time. Y axis: Decayed atoms."));
    QCOMPARE(grid->data(1, 2), 200 - 200 * std::exp(-0.1));
    click("Command9");
    QCOMPARE(QPointF(grid->data(51, 1), grid->data(51, 2)), QPointF(m_state->Nt[50], m_state->Nt[51]));

    // A simulation time of 0, run without confirming it: one point in every view.
    field("simut")->setText(QStringLiteral("0"));
    m_form->Command2_Click();
    QCOMPARE(grid->rowCount(), 1);
    click("Command9");
    QCOMPARE(QPointF(grid->data(1, 1), grid->data(1, 2)), QPointF(m_state->Nt[0], m_state->Nt[1]));
}

void Form1Test::enterReplacesUnusableEntries_data()
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

void Form1Test::enterReplacesUnusableEntries()
{
    QFETCH(QString, name);
    QFETCH(QString, typed);
    QFETCH(QString, kept);
    QFETCH(QString, other);

    field(name)->setText(typed);
    QVERIFY(allEnabled("Command2", false));
    enter(name);
    QCOMPARE(field(name)->text(), kept);
    if (!other.isEmpty())
        QCOMPARE(field(name == "rrate" ? "halftime" : "rrate")->text(), other);
    QCOMPARE(focus(), get("Command2"));
    QVERIFY(allEnabled("Command2 rrate halftime", true) && allEnabled("Command3 Command4 Command6 Command9", false));
}

void Form1Test::rateAndHalfLifeClicks()
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
    QVERIFY(!chart()->isVisible() && field("Text4")->text().isEmpty());
    QVERIFY(allEnabled("Command2", false) && allEnabled("Command10", true));
    QCOMPARE(text("Label4"), QStringLiteral("Number of atoms at t=50"));
    field("halftime")->setText(QStringLiteral("5"));
    enter("halftime");
    QCOMPARE(field("rrate")->text(), QStringLiteral("0.138629436111989"));

    QTest::mouseClick(field("rrate"), Qt::LeftButton);
    QVERIFY(field("halftime")->text().isEmpty() && !field("halftime")->isEnabled());
    enter("rrate");
    QTest::mouseDClick(field("rrate"), Qt::LeftButton);
    QVERIFY(field("halftime")->text().isEmpty() && !field("halftime")->isEnabled());
}

void Form1Test::randomRun()
{
    // A confirmed simulation time reaches the random run only through a deterministic run.
    field("simut")->setText(QStringLiteral("20"));
    enter("simut");
    click("Command5");
    QCOMPARE(text("Label4"), QStringLiteral("Number of atoms at t=50"));
    QCOMPARE(field("Text4")->text(), QString::fromStdString(decay::numberText(m_state->Nt[50])));
    QCOMPARE(m_platform->seeds, 1u);
    QVERIFY(m_platform->busyAtSeed && !QGuiApplication::overrideCursor()); // busy only while it runs
    QVERIFY(allEnabled("Command3", false) && allEnabled("Command4 Command6 Command9 Command2 Command10", true));
    QVERIFY(chart()->isVisible());
    QCOMPARE(focus(), get("Command6"));
    click("Command9");
    QCOMPARE(focus(), get("Command6"));
    QVERIFY(allEnabled("Command2", true));
    m_state->RunValid = "No"; // only code gets here: a change disables the view buttons
    m_form->Command9_Click();
    QCOMPARE(focus(), get("Command3"));
    get("Command3")->setEnabled(false);
    m_form->Command6_Click();
    QVERIFY(allEnabled("Command3", true) && allEnabled("Command2", false));
    enter("Command6");
    QCOMPARE(title(), QStringLiteral("Decayed atoms vs. time"));

    enter("simut");
    enter("Command2");
    click("Command5");
    QCOMPARE(text("Label4"), QStringLiteral("Number of atoms at t=20"));
}

void Form1Test::chartClicksCycleTheViews()
{
    click("Command5");
    const QStringList titles = {"Decayed atoms vs. time", "ln(atoms) vs. time", "N(t+1) vs. N(t) (blue line: y=x)",
                                "Atoms vs. time", "Decayed atoms vs. time"};
    for (int i = 0; i < titles.size(); ++i) {
        QCOMPARE(get("Command2")->isEnabled(), i < 4); // until the atoms view comes round
        QTest::mouseClick(chart()->viewport(), Qt::LeftButton);
        QCOMPARE(title(), titles[i]);
    }
    QCOMPARE(m_form->ViewCycle, 1);
}

void Form1Test::lnViewStopsBeforeTheFirstZero()
{
    // A random run whose atoms ran out at step 37.
    for (int t = 0; t < 37; ++t)
        m_state->Nt[t] = 100 - t;
    m_state->tzero = 37;
    m_state->Extinct = "Yes";
    m_form->ViewCycle = 1;
    m_form->MSChart1_Click();
    QCOMPARE(title(), QStringLiteral("ln(atoms) vs. time"));
    QCOMPARE(chart()->rowCount(), 37);
    QCOMPARE(m_form->lnNlast, 36);
    QCOMPARE(chart()->data(37, 2), std::log(64.0));

    // Counts with no logarithm from the start give an empty ln view.
    field("txtN0")->setText(QStringLiteral("-4"));
    m_form->Command2_Click();
    m_form->Command3_Click();
    QCOMPARE(chart()->rowCount(), 0);
}

void Form1Test::save()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("decay.csv"));
    click("Command2");
    click("Command10"); // cancelled
    m_platform->answers = {path};
    click("Command10");
    const auto saved = [&] {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : std::string();
    };
    const std::string expected = decay::dataFileText(*m_state);
    QCOMPARE(saved(), expected);

    // A changed entry leaves saving enabled; cancelling keeps the earlier file.
    field("txtN0")->setText(QStringLiteral("7"));
    click("Command10");
    QCOMPARE(m_platform->offered, (QStringList{QString(), QString(), path}));
    QCOMPARE(saved(), expected);

    m_platform->answers = {dir.filePath(QStringLiteral("missing/decay.csv")), dir.path()};
    click("Command10");
    click("Command10");
    QCOMPARE(m_platform->errors.size(), 2);
    QVERIFY(m_platform->errors[0].contains(QStringLiteral("does not exist")));
    QVERIFY(QFileInfo(dir.path()).isDir());
}

void Form1Test::closingEndsTheProgramAndTheClockTicks()
{
    QVERIFY(text("Label6").isEmpty());
    QTRY_COMPARE(text("Label6"), clockText(m_platform->clock, m_form->locale()));
    const QLocale us(QLocale::English, QLocale::UnitedStates);
    QCOMPARE(clockText(QDateTime(QDate(2031, 5, 17), QTime(0, 0)), us), QStringLiteral("5/17/31"));

    m_form->close();
    QCOMPARE(m_platform->quits, 1);
}

QTEST_MAIN(Form1Test)
#include "Form1Test.moc"
