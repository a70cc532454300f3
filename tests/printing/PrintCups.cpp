#include "tests/ui/TestProgram.h"

#include <cstdio>

// The program's real print path against a real print server, driven by cups-print-test:
//   PrintCups print      prints the main window and the large graph window to the default printer
//   PrintCups none FILE  prints the main window without a default printer, saving the page to FILE
//   PrintCups ink FILE   checks that FILE is a PDF file of one page whose image is not blank

namespace {

// The tests' platform (questions answered Yes, the save dialog with a name) with the program's
// own printer lookup.
class CupsPlatform final : public FakePlatform {
public:
    std::unique_ptr<QPrinter> defaultPrinter() override { return QtPlatform().defaultPrinter(); }
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
    if (!answer.isEmpty())
        platform.answers = {answer};
    ProgramWindows windows(state, platform);
    windows.title().hide();
    Form1& main = windows.main();
    main.show();
    main.Command2->click();
    main.Command7->click();
    const QString messages = (platform.questions + platform.errors).join('\n');
    if (answer.isEmpty()) {
        main.ShowLargeGraph();
        windows.largeGraph().Command6->click();
        return messages.isEmpty() ? 0 : fail("printing asked: " + messages);
    }
    if (platform.questions.size() != 1 || !platform.questions[0].startsWith("No printer is installed."))
        return fail("without a printer it asked: " + messages);
    return platform.errors.isEmpty() ? 0 : fail("saving the page failed: " + messages);
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
