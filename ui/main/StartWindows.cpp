#include "StartWindows.h"

#include "Form1.h"

#include <QScreen>

void showStartWindows(Form1& main)
{
    if (const QScreen* screen = main.screen()) {
        QRect frame = main.frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        main.move(frame.topLeft());
    }
    main.show();
}
