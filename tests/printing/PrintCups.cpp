#include "model/RunState.h"
#include "ui/Platform.h"
#include "ui/main/ProgramWindows.h"

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>

#include <cstdio>

// The program's real print path against a real print server, driven by cups-print-test:
//   PrintCups print      prints the main window and the large graph window to the default printer
//   PrintCups none FILE  prints the main window without a default printer, saving the page to FILE
//   PrintCups ink FILE   checks that FILE is a PDF file of one page whose image is not blank

namespace {

// The program's own printer lookup; the questions answered Yes and the save dialog with a name.
class CupsPlatform final : public Platform {
public:
    QDateTime now() const override { return m_real.now(); }
    std::uint64_t randomSeed() override { return 1; }
    QString askSaveFileName(QWidget*, const QString&, const QString&) override { return answer; }
    QString askOpenFileName(QWidget*, const QString&) override { return {}; }
    std::unique_ptr<QPrinter> defaultPrinter() override { return m_real.defaultPrinter(); }
    void showError(QWidget*, const QString&, const QString& text) override { messages.append(text); }
    bool askYesNo(QWidget*, const QString&, const QString& text) override
    {
        messages.append(text);
        return true;
    }
    void quit() override {}
    void playClick() override {}

    QString answer;
    QStringList messages;

private:
    QtPlatform m_real;
};

int fail(const QString& text)
{
    std::fprintf(stderr, "%s\n", qPrintable(text));
    return 1;
}

// Prints after a run with the default entries, so that the pages show a chart too.
int print(const QString& answer)
{
    decay::RunState state;
    CupsPlatform platform;
    platform.answer = answer;
    ProgramWindows windows(state, platform);
    Form1& main = windows.main();
    windows.title().hide();
    main.show();
    main.Command2->click();
    main.Command7->click();
    if (answer.isEmpty()) {
        main.ShowLargeGraph();
        windows.largeGraph().Command6->click();
        return platform.messages.isEmpty() ? 0 : fail("printing asked: " + platform.messages.join('\n'));
    }
    if (!platform.messages.value(0).startsWith("No printer is installed."))
        return fail("without a printer it asked: " + platform.messages.join('\n'));
    return platform.messages.size() == 1 ? 0 : fail("saving the page failed: " + platform.messages.last());
}

// Renders every page of the file; there must be one, and it must not be blank.
int ink(const QString& pdf)
{
    QTemporaryDir dir;
    if (QProcess::execute("pdftoppm", {"-r", "30", "-png", pdf, dir.filePath("page")}) != 0)
        return fail("pdftoppm cannot render " + pdf);
    const QStringList pages = QDir(dir.path()).entryList({"*.png"}, QDir::Files);
    if (pages.size() != 1)
        return fail(QStringLiteral("%1 has %2 pages").arg(pdf).arg(pages.size()));
    const QImage page = QImage(dir.filePath(pages.first())).convertToFormat(QImage::Format_RGB32);
    qsizetype inked = 0;
    for (int y = 0; y < page.height(); ++y)
        for (int x = 0; x < page.width(); ++x)
            inked += page.pixel(x, y) != qRgb(255, 255, 255);
    const qsizetype all = qsizetype(page.width()) * page.height();
    std::printf("%s: one page, %lld of %lld pixels not white\n", qPrintable(pdf), static_cast<long long>(inked),
                static_cast<long long>(all));
    // A window's image covers much of the page; a few stray pixels are no image.
    return inked * 20 > all ? 0 : fail("the page is blank");
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    const QString mode = args.value(1);
    if (mode == "print")
        return print({});
    if (mode == "none" && args.size() == 3)
        return print(args[2]);
    if (mode == "ink" && args.size() == 3)
        return ink(args[2]);
    return fail("usage: PrintCups print | none FILE | ink FILE");
}
