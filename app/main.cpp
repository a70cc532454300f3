#include "model/RunState.h"
#include "ui/Look.h"
#include "ui/Platform.h"
#include "ui/main/Form1.h"
#include "ui/main/StartWindows.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    look::registerFontSubstitutes();
    QApplication::setWindowIcon(look::windowIcon());

    decay::RunState state;
    QtPlatform platform;
    Form1 form(state, platform); // loads itself and stays hidden
    showStartWindows(form);
    return QApplication::exec();
}
