#include "tests/ui/TestProgram.h"

// Printing a window: to the default printer, or, when there is none or it cannot take the job,
// to a PDF file the user chooses instead. Saving that file goes through the atomic writer, whose
// own test makes the write fail.
class PrintFormTest : public QObject {
    Q_OBJECT

private slots:
    void printsOrSavesOnePage_data()
    {
        QTest::addColumn<bool>("large");      // the large graph window, else the main window
        QTest::addColumn<QString>("printer"); // the default printer's output, relative to the folder
        QTest::addColumn<bool>("yes");
        QTest::addColumn<QString>("answer");  // the name chosen in the save dialog
        QTest::addColumn<QString>("saved");   // the file that then holds the page
        QTest::addColumn<QString>("problem"); // in the question, or in the error when the save fails

        QTest::newRow("main window") << false << "printed.pdf" << true << "" << "printed.pdf" << "";
        QTest::newRow("large graph window") << true << "printed.pdf" << true << "" << "printed.pdf" << "";
        QTest::newRow("no printer") << false << "" << true << "page.pdf" << "page.pdf" << "No printer is installed.";
        QTest::newRow("no printer, name without suffix") << false << "" << true << "page" << "page.pdf" << "No printer is installed.";
        QTest::newRow("printer that cannot start") << true << "missing/out.pdf" << true << "page.pdf" << "page.pdf" << "cannot take the job";
        QTest::newRow("no printer, No") << false << "" << false << "page.pdf" << "" << "No printer is installed.";
        QTest::newRow("no printer, dialog cancelled") << false << "" << true << "" << "" << "No printer is installed.";
        QTest::newRow("no printer, missing folder") << false << "" << true << "gone/page.pdf" << "" << "does not exist";
    }

    void printsOrSavesOnePage()
    {
        QFETCH(bool, large);
        QFETCH(QString, printer);
        QFETCH(bool, yes);
        QFETCH(QString, answer);
        QFETCH(QString, saved);
        QFETCH(QString, problem);
        QTemporaryDir dir;
        TestProgram program;
        FakePlatform& platform = program.platform;
        if (!printer.isEmpty())
            platform.printerFile = dir.filePath(printer);
        platform.yes = yes;
        if (!answer.isEmpty())
            platform.answers = {dir.filePath(answer)};

        Form1& main = program.showMain();
        click(main.Command2);
        if (large)
            main.ShowLargeGraph();
        QWidget& window = large ? static_cast<QWidget&>(program.windows.largeGraph()) : main;
        click(large ? program.windows.largeGraph().Command6 : main.Command7);

        QCOMPARE(platform.questions.size(), problem.isEmpty() ? 0 : 1);
        QVERIFY(platform.questions.value(0).contains(problem) || platform.errors.value(0).contains(problem));
        QVERIFY(platform.errors.isEmpty() || platform.errors[0].startsWith("The page was not saved."));
        QCOMPARE(platform.offered.size(), !problem.isEmpty() && yes ? 1 : 0);
        if (saved.isEmpty()) {
            QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::NoDotAndDotDot), QStringList());
            return;
        }
        // One page that holds one image as wide as the window.
        const QByteArray pdf = fileBytes(dir.filePath(saved));
        QCOMPARE(pdfPages(pdf), 1);
        QVERIFY(QString::fromLatin1(pdf).contains(QRegularExpression(QStringLiteral("/Subtype\\s*/Image[^>]*/Width\\s+%1\\b").arg(window.width()))));
    }
};

QTEST_MAIN(PrintFormTest)
#include "PrintFormTest.moc"
