#include "tests/ui/TestProgram.h"
#include "ui/charts/PlotLegend.h"
#include "ui/charts/PlotChart.h"

// The class experiment window and the way into it from the charts of both windows.
class ClassExperimentTest : public QObject {
    Q_OBJECT

    ClassExperiment& experiment() { return m_program->windows.classExperiment(); }
    static QAction* action(QWidget* owner, const char* name) { return owner->findChild<QAction*>(QString::fromLatin1(name)); }

    QTemporaryDir m_dir;
    ProgramFixture m_program;

private slots:
    void init() { m_program.restart().showMain(); }

    void opensOnceFromEitherWindowWithTheMainWindowsFields()
    {
        Form1& form = m_program->windows.main();
        form.txtN0->setText(QStringLiteral("40000")); // more than a run can hold
        form.rrate->setText(QStringLiteral("0.25"));
        form.simut->setText(QStringLiteral("80"));
        opensOnceFromEitherChart(*m_program, &ProgramWindows::classExperiment, Qt::Key_E, "actClassExperiment", [](ClassExperiment& w) {
            const QString fields = "txtAtoms txtRate txtHalfLife txtLastStep txtRuns txtSeed";
            QCOMPARE(texts("ClassExperiment", fields), QStringLiteral("32767|0.25|2.77258872223978|80|30|1"));
            w.cmdNewSeed->click();
            QCOMPARE(texts("ClassExperiment", fields), QStringLiteral("32767|0.25|2.77258872223978|80|30|2"));
        });
    }

    void rightButtonLeavesTheChartClickAlone()
    {
        Form1& form = m_program->windows.main();
        form.Command2->click();
        DecayChart* chart = form.MSChart1;
        QCOMPARE(chart->contextMenuPolicy(), Qt::ActionsContextMenu); // the menu of the chart's actions
        click(chart->viewport(), Qt::RightButton);
        QCOMPARE(form.ViewCycle, 0);
        QCOMPARE(chart->title(), QStringLiteral("Atoms vs. time"));
    }

    void chartMenuCopiesAndSaves()
    {
        Form1& form = m_program->windows.main();
        form.Command2->click();
        action(form.MSChart1, "actCopyData")->trigger();
        QVERIFY(QGuiApplication::clipboard()->text().startsWith(QStringLiteral("Time\tAtoms\n0\t100\n1\t90.4837418035959\n")));
        // PNG, SVG, and PNG for a name without an ending.
        for (const auto& [name, saved, starts] : {std::tuple{"a.png", "a.png", "\x89PNG"}, {"b.svg", "b.svg", "<?xml"}, {"c", "c.png", "\x89PNG"}}) {
            m_program->platform.answers = {m_dir.filePath(name)};
            action(form.MSChart1, "actSaveChart")->trigger();
            QVERIFY2(fileBytes(m_dir.filePath(saved)).startsWith(starts), name);
        }
        QVERIFY(m_program->platform.errors.isEmpty());
    }

    void runsTheClassExportsAndPrintsIt()
    {
        ClassExperiment& w = experiment();
        const QString buttons = "cmdRun cmdCancel cmdExport cmdSaveImage cmdPrint";
        QCOMPARE(enabled("ClassExperiment", buttons), QStringLiteral("cmdRun"));
        w.txtAtoms->setText(QStringLiteral("200"));
        w.txtRuns->setText(QStringLiteral("150"));
        w.txtLastStep->setText(QStringLiteral("60"));
        w.cmdRun->click();
        QTRY_VERIFY(!w.running());
        QVERIFY(w.result());
        QCOMPARE(w.result()->ensemble.params.runs, 150);
        QCOMPARE(w.barProgress->value(), w.barProgress->maximum());
        QCOMPARE(enabled("ClassExperiment", buttons), QStringLiteral("cmdRun cmdExport cmdSaveImage cmdPrint"));

        // A sample of 100 runs is drawn; the legend hides and shows a layer.
        const auto& layers = w.chartExperiment->plot().layers;
        const auto runs = std::find_if(layers.begin(), layers.end(), [](const auto& l) { return l.name == "Runs"; });
        QCOMPARE(runs->lines.size(), std::size_t(100));
        const QList<QCheckBox*> boxes = w.frmLegend->findChildren<QCheckBox*>();
        (*std::find_if(boxes.begin(), boxes.end(), [](const QCheckBox* box) { return box->text() == "Runs"; }))->click();
        QVERIFY(!w.chartExperiment->isShown(*runs));
        w.optLog->click();
        QVERIFY(!w.chartExperiment->isShown(w.chartExperiment->plot().layers.front())); // still off in the ln view
        QCOMPARE(w.tblHalfLives->item(2, 0)->text(), QStringLiteral("6.93"));
        QCOMPARE(w.tblHalfLives->item(3, 0)->text(), QStringLiteral("6.58"));

        m_program->platform.answers = {m_dir.filePath("class")};
        w.cmdExport->click();
        QCOMPARE(fileBytes(m_dir.filePath("class.csv")).count("\r\n"), 62);

        // The worksheet: one page, printed without a question.
        m_program->platform.printerFile = m_dir.filePath("worksheet.pdf");
        w.cmdPrint->click();
        QCOMPARE(pdfPages(fileBytes(m_program->platform.printerFile)), 1);
        QVERIFY(m_program->platform.questions.isEmpty());
    }

    void cancelAnswersAtOnce()
    {
        ClassExperiment& w = experiment();
        w.txtAtoms->setText(QStringLiteral("32767"));
        w.txtRate->setText(QStringLiteral("0"));
        w.txtLastStep->setText(QStringLiteral("3000"));
        w.txtRuns->setText(QStringLiteral("1000"));
        w.cmdRun->click();
        QVERIFY(w.running());
        QCOMPARE(enabled("ClassExperiment", "cmdRun cmdCancel txtAtoms cmdImport"), QStringLiteral("cmdCancel"));
        QTRY_VERIFY(w.barProgress->value() > 0); // the window answers while the runs go on
        w.cmdCancel->click();
        QTRY_VERIFY_WITH_TIMEOUT(!w.running(), 1000);
        QVERIFY(!w.result() && w.lblStatus->text().startsWith(QStringLiteral("Cancelled")));
        QCOMPARE(enabled("ClassExperiment", "cmdRun cmdCancel cmdExport"), QStringLiteral("cmdRun"));
    }

    void refusesUnusableEntries()
    {
        ClassExperiment& w = experiment();
        w.txtRuns->setText(QStringLiteral("1001"));
        w.cmdRun->click();
        QVERIFY(!w.running());
        QCOMPARE(m_program->platform.errors, QStringList("The number of runs must be a whole number from 1 to 1,000."));
        QTest::keyClicks(w.txtHalfLife, QStringLiteral("x")); // typing the half-life writes the rate
        QCOMPARE(w.txtRate->text(), QString());
        w.txtHalfLife->clear();
        QTest::keyClicks(w.txtHalfLife, QStringLiteral("2"));
        QCOMPARE(w.txtRate->text(), QStringLiteral("0.346573590279973"));
    }

    void importsClassData_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("error"); // the message shown, empty when it is taken

        QTest::newRow("dice of two groups") << QByteArray("throw;A;B\r\n0;60;40\r\n1;50;33\r\n2;42;28\r\n3;35;23\r\n") << "";
        QTest::newRow("a bad line") << QByteArray("0,60\n1,50\n2,4x\n")
                                    << "The class data were not imported from data.csv.\n\nLine 3, field 2: \"4x\" is not a number.";
        // A null file stands for a folder of that name, which opens but cannot be read.
        QTest::newRow("a folder") << QByteArray() << "The class data were not imported.\n\nfolder.csv cannot be read: file to open is a directory";
    }

    void importsClassData()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, error);
        ClassExperiment& w = experiment();
        if (file.isNull()) {
            QVERIFY(QDir(m_dir.path()).mkpath(QStringLiteral("folder.csv")));
            m_program->platform.answers = {m_dir.filePath(QStringLiteral("folder.csv"))};
        } else {
            m_program->platform.answers = {writtenFile(m_dir.filePath("data.csv"), file)};
        }
        w.cmdImport->click();
        if (!error.isEmpty()) {
            QCOMPARE(m_program->platform.errors, QStringList(error));
            QVERIFY(w.chartExperiment->plot().layers.empty()); // nothing taken
            return;
        }
        QVERIFY(m_program->platform.errors.isEmpty());
        QVERIFY(w.lblHalfLives->text().contains(QStringLiteral("Class data (2 groups, 4 throws): decay probability 0.1651 per throw")));
        QCOMPARE(w.chartExperiment->plot().layers.size(), std::size_t(2)); // the groups and their fit
        QCOMPARE(w.chartExperiment->plot().layers[0].lines.size(), std::size_t(2));
    }
};

QTEST_MAIN(ClassExperimentTest)
#include "ClassExperimentTest.moc"
