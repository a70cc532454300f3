#include "FakePlatform.h"
#include "model/RunState.h"
#include "tests/ScratchMount.h"
#include "ui/PrintForm.h"
#include "ui/main/ProgramWindows.h"

#include <QFile>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

// Printing a window: to the default printer, or, when there is none or it cannot take the job,
// to a PDF file the user chooses instead.
class PrintFormTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void printsOnePageWithTheWindowsImage_data();
    void printsOnePageWithTheWindowsImage();
    void withoutPrinterOffersPdf_data();
    void withoutPrinterOffersPdf();
    void pdfThatCannotBeSavedLeavesTheOldFile_data();
    void pdfThatCannotBeSavedLeavesTheOldFile();

private:
    static QByteArray read(const QString& path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    // A PDF of one page that holds one image of the given width in pixels.
    static bool isOnePageWithImage(const QByteArray& pdf, int width)
    {
        const QString text = QString::fromLatin1(pdf);
        return pdf.startsWith("%PDF") && text.count(QRegularExpression("/Type\\s*/Page\\b(?!s)")) == 1
            && text.contains(QRegularExpression(QStringLiteral("/Subtype\\s*/Image[^>]*/Width\\s+%1\\b").arg(width)));
    }

    QTemporaryDir m_dir;
    std::unique_ptr<decay::RunState> m_state;
    std::unique_ptr<FakePlatform> m_platform;
    std::unique_ptr<ProgramWindows> m_windows;
};

void PrintFormTest::init()
{
    m_windows.reset();
    m_state = std::make_unique<decay::RunState>();
    m_platform = std::make_unique<FakePlatform>();
    m_windows = std::make_unique<ProgramWindows>(*m_state, *m_platform);
    m_windows->title().hide();
    m_windows->main().show();
}

void PrintFormTest::printsOnePageWithTheWindowsImage_data()
{
    QTest::addColumn<bool>("large");
    QTest::newRow("main window") << false;
    QTest::newRow("large graph window") << true;
}

void PrintFormTest::printsOnePageWithTheWindowsImage()
{
    QFETCH(bool, large);
    m_platform->printerFile = m_dir.filePath(QStringLiteral("printed.pdf"));
    QTest::mouseClick(m_windows->main().Command2, Qt::LeftButton);
    QWidget* window = &m_windows->main();
    QPushButton* print = m_windows->main().Command7;
    if (large) {
        m_windows->main().ShowLargeGraph();
        window = &m_windows->largeGraph();
        print = m_windows->largeGraph().Command6;
    }
    QTest::mouseClick(print, Qt::LeftButton);
    QVERIFY(isOnePageWithImage(read(m_platform->printerFile), window->width()));
    QVERIFY(m_platform->questions.isEmpty() && m_platform->errors.isEmpty());
}

void PrintFormTest::withoutPrinterOffersPdf_data()
{
    QTest::addColumn<QString>("printer"); // the default printer's output, relative to the folder
    QTest::addColumn<bool>("yes");
    QTest::addColumn<QString>("answer");  // the name chosen in the save dialog
    QTest::addColumn<QString>("saved");   // the file that then holds the page
    QTest::addColumn<QString>("problem"); // in the question, or in the error when the save fails

    QTest::newRow("no printer") << "" << true << "page.pdf" << "page.pdf" << "No printer is installed.";
    QTest::newRow("no printer, name without suffix") << "" << true << "page" << "page.pdf" << "No printer is installed.";
    QTest::newRow("printer that cannot start") << "missing/out.pdf" << true << "page.pdf" << "page.pdf" << "cannot take the job";
    QTest::newRow("no printer, No") << "" << false << "page.pdf" << "" << "No printer is installed.";
    QTest::newRow("no printer, dialog cancelled") << "" << true << "" << "" << "No printer is installed.";
    QTest::newRow("no printer, missing folder") << "" << true << "gone/page.pdf" << "" << "does not exist";
}

void PrintFormTest::withoutPrinterOffersPdf()
{
    QFETCH(QString, printer);
    QFETCH(bool, yes);
    QFETCH(QString, answer);
    QFETCH(QString, saved);
    QFETCH(QString, problem);
    QTemporaryDir dir;
    if (!printer.isEmpty())
        m_platform->printerFile = dir.filePath(printer);
    m_platform->yes = yes;
    if (!answer.isEmpty())
        m_platform->answers = {dir.filePath(answer)};

    QTest::mouseClick(m_windows->main().Command7, Qt::LeftButton);
    QCOMPARE(m_platform->questions.size(), 1);
    QVERIFY(m_platform->questions[0].contains(problem) || m_platform->errors.value(0).contains(problem));
    QCOMPARE(m_platform->offered.size(), yes ? 1 : 0);
    if (!saved.isEmpty())
        QVERIFY(isOnePageWithImage(read(dir.filePath(saved)), m_windows->main().width()));
    else
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::NoDotAndDotDot), QStringList());
}

void PrintFormTest::pdfThatCannotBeSavedLeavesTheOldFile_data()
{
    QTest::addColumn<bool>("readOnly");
    QTest::addColumn<QString>("reason");
    QTest::newRow("full disk") << false << "No space left on device";
    QTest::newRow("read-only folder") << true << "is not writable";
}

void PrintFormTest::pdfThatCannotBeSavedLeavesTheOldFile()
{
    QFETCH(bool, readOnly);
    QFETCH(QString, reason);
    const QString folder = m_dir.filePath(QStringLiteral("mnt"));
    QVERIFY(QDir().mkpath(folder));
    ScratchMount disk(folder);
    if (!disk.mounted())
        QSKIP("mounting a test file system needs root");
    const QString page = folder + QStringLiteral("/page.pdf");
    const QByteArray old = "%PDF-1.4 the page saved before";
    QFile file(page);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(old) == old.size());
    file.close();
    if (readOnly)
        QVERIFY(disk.makeReadOnly());
    else
        disk.fill();

    m_platform->answers = {page};
    QTest::mouseClick(m_windows->main().Command7, Qt::LeftButton);
    QCOMPARE(m_platform->errors.size(), 1);
    QVERIFY2(m_platform->errors[0].startsWith("The page was not saved.") && m_platform->errors[0].contains(reason),
             qPrintable(m_platform->errors[0]));
    QCOMPARE(read(page), old);
    QStringList files = QDir(folder).entryList(QDir::Files | QDir::Hidden);
    files.removeAll(QStringLiteral("filler"));
    QCOMPARE(files, QStringList{QStringLiteral("page.pdf")}); // no temporary file left behind
}

QTEST_MAIN(PrintFormTest)
#include "PrintFormTest.moc"
