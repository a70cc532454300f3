#include "model/run/RunState.h"
#include "ui/Look.h"
#include "ui/Platform.h"
#include "ui/Translations.h"
#include "ui/run/ProgramWindows.h"
#include "ui/run/StartPart.h"

#include <QApplication>
#include <QCommandLineParser>

#include <cstdio>
#include <cstdlib>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationVersion(QStringLiteral(ATOMDRIFT_VERSION));
    installTranslations(app);
    QApplication::setWindowIcon(look::windowIcon());

    QCommandLineParser parser;
    addStartOptions(parser);
    parser.process(app); // --help, --version and unknown options end the program here
    const StartRequest request = startRequest(parser);
    if (!request.error.isEmpty()) {
        std::fprintf(stderr, "%s: %s\n", qPrintable(QCoreApplication::applicationName()), qPrintable(request.error));
        return EXIT_FAILURE;
    }

    decay::RunState state;
    QtPlatform platform;
    ProgramWindows windows(state, platform);
    windows.main(); // loads hidden and puts up the backdrop and the title window
    startIn(request.part, windows, platform);
    if (!request.lesson.isEmpty())
        windows.lessons().openFile(request.lesson);
    return QApplication::exec();
}
