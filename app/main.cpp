#include "model/run/RunState.h"
#include "ui/Look.h"
#include "ui/Platform.h"
#include "ui/Translations.h"
#include "ui/run/ProgramWindows.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    installTranslations(app);
    QApplication::setWindowIcon(look::windowIcon());

    decay::RunState state;
    QtPlatform platform;
    ProgramWindows windows(state, platform);
    windows.main(); // loads hidden and puts up the backdrop and the title window
    return QApplication::exec();
}
