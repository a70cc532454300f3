#include "FakePlatform.h"
#include "model/Conversions.h"
#include "model/RunState.h"
#include "output/DataFile.h"
#include "ui/Look.h"
#include "ui/charts/DecayChart.h"
#include "ui/main/ClockText.h"
#include "ui/main/Form1.h"

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <cmath>
#include <memory>

class Form1Test : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void startUp();
    void everyControlIsNamedAndInTabOrder();
    void typicalRoad();
    void enterReplacesUnusableEntries_data();
    void enterReplacesUnusableEntries();
    void aLetterInTheRateBecomesZero();
    void clickingTheHalfLifeAfterARun();
    void rateClickAndDoubleClick_data();
    void rateClickAndDoubleClick();
    void randomRun();
    void chartClicksCycleTheViews();
    void gridExamples();
    void lnViewStopsBeforeTheFirstZero();
    void viewButtonsWithoutAValidRun();
    void save();
    void saveFailureLeavesTheFileAlone();
    void closingEndsTheProgram();
    void clock();

private:
    template <class T>
    T* widget(const char* name) const
    {
        T* found = m_form->findChild<T*>(QString::fromLatin1(name));
        if (!found)
            qFatal("no widget %s", name);
        return found;
    }
    QLineEdit* field(const char* name) const { return widget<QLineEdit>(name); }
    QPushButton* button(const char* name) const { return widget<QPushButton>(name); }
    DecayChart* chart() const { return widget<DecayChart>("MSChart1"); }
    void enter(QWidget* target) { QTest::keyClick(target, Qt::Key_Return); }
    void retype(QLineEdit* target, const QString& text)
    {
        target->selectAll();
        QTest::keyClicks(target, text);
    }
    bool enabled(const char* name) const { return button(name)->isEnabled(); }

    std::unique_ptr<decay::RunState> m_state;
    std::unique_ptr<FakePlatform> m_platform;
    std::unique_ptr<Form1> m_form;
};

void Form1Test::init()
{
    m_state = std::make_unique<decay::RunState>();
    m_platform = std::make_unique<FakePlatform>();
    m_form = std::make_unique<Form1>(*m_state, *m_platform);
    QVERIFY(!m_form->isVisible()); // loading leaves the window to whoever shows it first
    m_form->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_form.get()));
}

void Form1Test::cleanup()
{
    m_form.reset();
    m_platform.reset();
    m_state.reset();
}

void Form1Test::startUp()
{
    QCOMPARE(m_form->windowTitle(), QStringLiteral("Atomdrift of Radioactive Atoms"));
    QCOMPARE(m_form->minimumSize(), m_form->maximumSize());
    QCOMPARE(field("txtN0")->text(), QStringLiteral("100"));
    QCOMPARE(field("simut")->text(), QStringLiteral("50"));
    QCOMPARE(field("rrate")->text(), QStringLiteral("0.1"));
    QCOMPARE(field("halftime")->text(), QStringLiteral("6.93147180559945"));
    QVERIFY(field("Text4")->text().isEmpty());
    QVERIFY(enabled("Command2") && enabled("Command5"));
    QVERIFY(!enabled("Command10") && !enabled("Command3"));
    QVERIFY(widget<QLabel>("Label13")->isVisible() && widget<QLabel>("Label14")->isVisible());
    QVERIFY(!chart()->isVisible());
    QCOMPARE(m_state->tmax, 50);
    QVERIFY(widget<QLabel>("Label8")->text().contains(QStringLiteral("2031")));
    QVERIFY(widget<QLabel>("Label14")->text().startsWith(QStringLiteral("Press Enter or click Run to run this program using default values.  If")));
    QCOMPARE(m_form->focusWidget(), button("Command2"));

    // The photograph sits 100 twips from the frame's right edge, centred from top to bottom.
    const QWidget* frame = widget<QWidget>("Frame1");
    const QWidget* photo = widget<QWidget>("Picture1");
    QCOMPARE(photo->x(), frame->width() - photo->width() - look::tw(100));
    QCOMPARE(photo->y(), (frame->height() - photo->height()) / 2);
}

void Form1Test::everyControlIsNamedAndInTabOrder()
{
    const char* const tabOrder[] = {"Picture1", "Command6", "Command4", "Command3", "halftime", "txtN0", "rrate",
                                    "Text4", "simut", "Command8", "Command9", "Command7", "Command10", "Command5",
                                    "Command2", "Command1", "Command11", "MSChart1", "cmdLargeGraph"};
    // The focus chain is a ring: walking it from the first control meets the others in order.
    QWidget* current = widget<QWidget>(tabOrder[0]);
    int steps = 0;
    for (const char* name : tabOrder) {
        QWidget* expected = widget<QWidget>(name);
        QVERIFY2(!expected->accessibleName().isEmpty(), name);
        while (current != expected && steps++ < 200)
            current = current->nextInFocusChain();
        QVERIFY2(current == expected, name);
    }
    QVERIFY(steps < 100); // one turn of the ring at most
    for (const char* name : {"Label1", "Label2", "Label3", "Label4", "Label6", "Label7", "Label8", "Label10",
                             "Label11", "Label12", "Label13", "Label14", "Frame1", "Frame2", "Frame3", "Frame4"})
        QVERIFY2(!widget<QWidget>(name)->accessibleName().isEmpty(), name);
    QCOMPARE(field("txtN0")->accessibleName(), QStringLiteral("Initial number of atoms:"));
}

void Form1Test::typicalRoad()
{
    retype(field("txtN0"), QStringLiteral("200"));
    QCOMPARE(m_state->RunValid, std::string("No"));
    enter(field("txtN0"));
    QCOMPARE(m_form->focusWidget(), button("Command2"));
    enter(button("Command2"));

    QCOMPARE(widget<QLabel>("Label4")->text(), QStringLiteral("Number of atoms at t=50"));
    QCOMPARE(field("Text4")->text(), QString::fromStdString(decay::numberText(200 * std::exp(-5.0))));
    QVERIFY(chart()->isVisible());
    QVERIFY(!widget<QLabel>("Label13")->isVisible() && !widget<QLabel>("Label14")->isVisible());
    for (const char* name : {"Command10", "Command3", "Command4", "Command6", "Command9"})
        QVERIFY2(enabled(name), name);
    QVERIFY(!enabled("Command2")); // the atoms view disables RUN
    QCOMPARE(chart()->title(), QStringLiteral("Atoms vs. time"));

    QTest::mouseClick(button("Command6"), Qt::LeftButton);
    QCOMPARE(chart()->title(), QStringLiteral("Decayed atoms vs. time"));
    QCOMPARE(chart()->axis(DecayChart::Axis::Y).title, QStringLiteral("Decayed atoms"));
}

void Form1Test::enterReplacesUnusableEntries_data()
{
    QTest::addColumn<QString>("fieldName");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("kept");
    QTest::addColumn<QString>("otherName");
    QTest::addColumn<QString>("other");

    QTest::newRow("N0 12.5 becomes 100") << "txtN0" << "12.5" << "100" << "" << "";
    QTest::newRow("N0 0 becomes 100") << "txtN0" << "0" << "100" << "" << "";
    QTest::newRow("N0 -3 becomes 100") << "txtN0" << "-3" << "100" << "" << "";
    QTest::newRow("N0 letters become 100") << "txtN0" << "abc" << "100" << "" << "";
    QTest::newRow("N0 12abc is kept") << "txtN0" << "12abc" << "12abc" << "" << "";
    QTest::newRow("time 5000 becomes 3000") << "simut" << "5000" << "3000" << "" << "";
    QTest::newRow("time 3000.5 becomes 3000") << "simut" << "3000.5" << "3000" << "" << "";
    QTest::newRow("time 0 becomes 50") << "simut" << "0" << "50" << "" << "";
    QTest::newRow("time 12.5 becomes 50") << "simut" << "12.5" << "50" << "" << "";
    QTest::newRow("time 20x is kept") << "simut" << "20x" << "20x" << "" << "";
    QTest::newRow("half-life 5 gives the rate") << "halftime" << "5" << "5" << "rrate" << "0.138629436111989";
    QTest::newRow("half-life 0 becomes 5") << "halftime" << "0" << "5" << "rrate" << "0.138629436111989";
    QTest::newRow("half-life -2 becomes 5") << "halftime" << "-2" << "5" << "rrate" << "0.138629436111989";
    QTest::newRow("half-life letters become 5") << "halftime" << "x" << "5" << "rrate" << "0.138629436111989";
    QTest::newRow("half-life too small becomes 5") << "halftime" << "1e-320" << "5" << "rrate" << "0.138629436111989";
    QTest::newRow("half-life 1 gives ln 2") << "halftime" << "1" << "1" << "rrate" << "0.693147180559945";
    QTest::newRow("rate 0 becomes 0.1") << "rrate" << "0" << "0.1" << "halftime" << "6.93147180559945";
    QTest::newRow("rate -1 becomes 0.1") << "rrate" << "-1" << "0.1" << "halftime" << "6.93147180559945";
    QTest::newRow("rate too small becomes 0.1") << "rrate" << "1e-320" << "0.1" << "halftime" << "6.93147180559945";
    QTest::newRow("rate 0.5 gives the half-life") << "rrate" << "0.5" << "0.5" << "halftime" << "1.38629436111989";
}

void Form1Test::enterReplacesUnusableEntries()
{
    QFETCH(QString, fieldName);
    QFETCH(QString, typed);
    QFETCH(QString, kept);
    QFETCH(QString, otherName);
    QFETCH(QString, other);

    QLineEdit* target = field(fieldName.toLatin1().constData());
    target->setText(typed);
    QVERIFY(!enabled("Command2"));
    enter(target);
    QCOMPARE(target->text(), kept);
    if (!otherName.isEmpty()) {
        QCOMPARE(field(otherName.toLatin1().constData())->text(), other);
        QVERIFY(field(otherName.toLatin1().constData())->isEnabled());
    }
    QVERIFY(enabled("Command2"));
    QCOMPARE(m_form->focusWidget(), button("Command2"));
    for (const char* name : {"Command3", "Command4", "Command6", "Command9"})
        QVERIFY2(!enabled(name), name);
}

void Form1Test::aLetterInTheRateBecomesZero()
{
    QLineEdit* rate = field("rrate");
    rate->setFocus();
    QTest::keyClick(rate, Qt::Key_End);
    QTest::keyClicks(rate, QStringLiteral("x"));
    QCOMPARE(rate->text(), QStringLiteral("0"));
    enter(rate);
    QCOMPARE(rate->text(), QStringLiteral("0.1"));
    QCOMPARE(field("halftime")->text(), QStringLiteral("6.93147180559945"));
}

void Form1Test::clickingTheHalfLifeAfterARun()
{
    QTest::mouseClick(button("Command2"), Qt::LeftButton);
    QVERIFY(chart()->isVisible());
    QTest::mouseClick(field("halftime"), Qt::LeftButton);
    QVERIFY(field("rrate")->text().isEmpty());
    QVERIFY(!field("rrate")->isEnabled());
    QVERIFY(!chart()->isVisible());
    QVERIFY(!enabled("Command2"));
    QVERIFY(field("Text4")->text().isEmpty());
    QCOMPARE(widget<QLabel>("Label4")->text(), QStringLiteral("Number of atoms at t=50"));
    QVERIFY(enabled("Command10")); // saving still offers the last run

    retype(field("halftime"), QStringLiteral("5"));
    enter(field("halftime"));
    QCOMPARE(field("rrate")->text(), QStringLiteral("0.138629436111989"));
    QVERIFY(field("rrate")->isEnabled());
    QCOMPARE(m_form->focusWidget(), button("Command2"));
}

void Form1Test::rateClickAndDoubleClick_data()
{
    QTest::addColumn<bool>("doubleClick");
    QTest::newRow("click") << false;
    QTest::newRow("double-click") << true;
}

void Form1Test::rateClickAndDoubleClick()
{
    QFETCH(bool, doubleClick);
    if (doubleClick)
        QTest::mouseDClick(field("rrate"), Qt::LeftButton);
    else
        QTest::mouseClick(field("rrate"), Qt::LeftButton);
    QVERIFY(field("halftime")->text().isEmpty());
    QVERIFY(!field("halftime")->isEnabled());
    QCOMPARE(field("rrate")->text(), QStringLiteral("0.1"));
    QCOMPARE(m_state->RunValid, std::string("No"));
}

void Form1Test::randomRun()
{
    // A confirmed simulation time reaches the random run only through a deterministic run.
    field("simut")->setText(QStringLiteral("20"));
    enter(field("simut"));
    QTest::mouseClick(button("Command5"), Qt::LeftButton);
    QCOMPARE(widget<QLabel>("Label4")->text(), QStringLiteral("Number of atoms at t=50"));
    QCOMPARE(field("Text4")->text(), QString::fromStdString(decay::numberText(m_state->Nt[50])));
    QCOMPARE(m_platform->seeds, 1u);
    for (int t = 0; t <= 51; ++t)
        QCOMPARE(m_state->Nt[t], std::floor(m_state->Nt[t]));
    QVERIFY(!enabled("Command3"));
    for (const char* name : {"Command4", "Command6", "Command9", "Command2", "Command10"})
        QVERIFY2(enabled(name), name);
    QVERIFY(chart()->isVisible());
    QCOMPARE(m_form->focusWidget(), button("Command6"));

    enter(button("Command6"));
    QCOMPARE(chart()->title(), QStringLiteral("Decayed atoms vs. time"));

    enter(field("simut"));
    enter(button("Command2"));
    QCOMPARE(widget<QLabel>("Label4")->text(), QStringLiteral("Number of atoms at t=20"));
    QTest::mouseClick(button("Command5"), Qt::LeftButton);
    QCOMPARE(widget<QLabel>("Label4")->text(), QStringLiteral("Number of atoms at t=20"));
}

void Form1Test::chartClicksCycleTheViews()
{
    QTest::mouseClick(button("Command5"), Qt::LeftButton);
    const QString expected[] = {QStringLiteral("Decayed atoms vs. time"), QStringLiteral("ln(atoms) vs. time"),
                                QStringLiteral("N(t+1) vs. N(t) (blue line: y=x)"), QStringLiteral("Atoms vs. time"),
                                QStringLiteral("Decayed atoms vs. time")};
    for (int click = 0; click < 5; ++click) {
        QVERIFY(enabled("Command2") == (click < 4));
        QTest::mouseClick(chart()->viewport(), Qt::LeftButton);
        QCOMPARE(chart()->title(), expected[click]);
    }
    QCOMPARE(m_form->ViewCycle, 1);
}

void Form1Test::gridExamples()
{
    QTest::mouseClick(button("Command2"), Qt::LeftButton);
    DecayChart* grid = chart();
    QCOMPARE(grid->rowCount(), 51);
    QCOMPARE(grid->columnCount(), 2);
    QCOMPARE(grid->data(1, 1), 0.0);
    QCOMPARE(grid->data(1, 2), 100.0);
    QCOMPARE(grid->data(2, 2), 100 * std::exp(-0.1));
    QCOMPARE(grid->data(51, 1), 50.0);
    QCOMPARE(grid->data(51, 2), 100 * std::exp(-0.1 * 50));
    QTest::mouseClick(button("Command6"), Qt::LeftButton);
    QCOMPARE(grid->data(1, 2), 100 - 100 * std::exp(-0.1));
    QTest::mouseClick(button("Command9"), Qt::LeftButton);
    QCOMPARE(grid->data(51, 1), m_state->Nt[50]);
    QCOMPARE(grid->data(51, 2), m_state->Nt[51]);

    field("simut")->setText(QStringLiteral("2"));
    enter(field("simut"));
    QTest::mouseClick(button("Command2"), Qt::LeftButton);
    QTest::mouseClick(button("Command9"), Qt::LeftButton);
    QCOMPARE(grid->rowCount(), 3);
    QCOMPARE(grid->columnCount(), 4);
    for (int t = 0; t <= 2; ++t) {
        QCOMPARE(grid->data(t + 1, 1), m_state->Nt[t]);
        QCOMPARE(grid->data(t + 1, 2), m_state->Nt[t + 1]);
        QCOMPARE(grid->data(t + 1, 3), m_state->Nt[t]);
        QCOMPARE(grid->data(t + 1, 4), m_state->Nt[t]);
    }

    // A simulation time of 0, run without confirming it: one point in every view.
    field("simut")->setText(QStringLiteral("0"));
    m_form->Command2_Click();
    QCOMPARE(grid->rowCount(), 1);
    QTest::mouseClick(button("Command9"), Qt::LeftButton);
    QCOMPARE(grid->rowCount(), 1);
    QCOMPARE(grid->data(1, 2), m_state->Nt[1]);
}

void Form1Test::lnViewStopsBeforeTheFirstZero()
{
    // A random run whose atoms ran out at step 37.
    m_state->Nt.fill(0);
    for (int t = 0; t < 37; ++t)
        m_state->Nt[t] = 100 - t;
    m_state->tzero = 37;
    m_state->Extinct = "Yes";
    m_state->RunValid = "Yes";
    m_form->ViewCycle = 1;
    m_form->MSChart1_Click();
    QCOMPARE(chart()->title(), QStringLiteral("ln(atoms) vs. time"));
    QCOMPARE(chart()->rowCount(), 37);
    QCOMPARE(m_form->lnNlast, 36);
    QCOMPARE(chart()->data(37, 2), std::log(64.0));

    // No logarithm at all: zero atoms from the start gives an empty ln view.
    field("txtN0")->setText(QStringLiteral("0"));
    m_form->Command2_Click();
    m_form->Command3_Click();
    QCOMPARE(chart()->rowCount(), 0);
}

void Form1Test::viewButtonsWithoutAValidRun()
{
    m_form->Command6_Click();
    QCOMPARE(chart()->rowCount(), 51);
    QCOMPARE(chart()->data(51, 2), 0.0);
    QVERIFY(!chart()->isVisible());
    QVERIFY(enabled("Command3"));
    QVERIFY(!enabled("Command2"));

    button("Command3")->setEnabled(false);
    m_form->Command9_Click();
    QVERIFY(enabled("Command3"));
    QCOMPARE(m_form->focusWidget(), button("Command3"));

    QTest::mouseClick(button("Command5"), Qt::LeftButton);
    QTest::mouseClick(button("Command9"), Qt::LeftButton);
    QCOMPARE(m_form->focusWidget(), button("Command6"));
    QVERIFY(enabled("Command2"));
}

void Form1Test::save()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("decay.csv"));
    QTest::mouseClick(button("Command2"), Qt::LeftButton);

    QTest::mouseClick(button("Command10"), Qt::LeftButton); // cancelled
    QVERIFY(!QFile::exists(path));

    m_platform->answers = {path};
    QTest::mouseClick(button("Command10"), Qt::LeftButton);
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll().toStdString(), decay::dataFileText(*m_state));
    file.close();

    // A changed entry leaves saving enabled; cancelling keeps the earlier file.
    field("txtN0")->setText(QStringLiteral("7"));
    QTest::mouseClick(button("Command10"), Qt::LeftButton);
    QCOMPARE(m_platform->offered, (QStringList{QString(), QString(), path}));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(file.readAll().startsWith("\"T\",\"N(t)\",\"dN(t)\",\"lnN(t)\"\r\n0,100,"));
    QVERIFY(m_platform->errors.isEmpty());
}

void Form1Test::saveFailureLeavesTheFileAlone()
{
    QTemporaryDir dir;
    QTest::mouseClick(button("Command2"), Qt::LeftButton);
    m_platform->answers = {dir.filePath(QStringLiteral("missing/decay.csv")), dir.path()};
    QTest::mouseClick(button("Command10"), Qt::LeftButton);
    QTest::mouseClick(button("Command10"), Qt::LeftButton);
    QCOMPARE(m_platform->errors.size(), 2);
    QVERIFY(m_platform->errors[0].contains(QStringLiteral("does not exist")));
    QVERIFY(QFileInfo(dir.path()).isDir());
}

void Form1Test::closingEndsTheProgram()
{
    m_form->close();
    QCOMPARE(m_platform->quits, 1);
}

void Form1Test::clock()
{
    QVERIFY(widget<QLabel>("Label6")->text().isEmpty());
    QVERIFY(widget<QTimer>("Timer1")->isActive());
    QCOMPARE(widget<QTimer>("Timer1")->interval(), 500);
    QTRY_COMPARE(widget<QLabel>("Label6")->text(), clockText(m_platform->clock, m_form->locale()));

    const QLocale us(QLocale::English, QLocale::UnitedStates);
    const QDateTime midnight(QDate(2031, 5, 17), QTime(0, 0));
    QCOMPARE(clockText(midnight, us), us.toString(midnight.date(), QLocale::ShortFormat));
    QVERIFY(clockText(m_platform->clock, us).startsWith(us.toString(midnight.date(), QLocale::ShortFormat) + ' '));
}

QTEST_MAIN(Form1Test)
#include "Form1Test.moc"
