#pragma once

#include <QFont>
#include <QRect>

class QCursor;
class QIcon;
class QPixmap;
class QWidget;

// What every window of the program shares: layout units, the three type faces, the pointing-hand
// cursor and the drawn images.
namespace look {

// Twips to device-independent pixels: 15 twips make one pixel at 96 dpi.
int tw(int twips);
QRect twipsRect(int left, int top, int width, int height);

enum class Face { TimesNewRoman, MsSansSerif, Arial };
QFont font(Face face, double points, bool bold = true);

// Maps the layout's type faces to installed metric-compatible ones; call once at start-up.
void registerFontSubstitutes();

// The 32 x 32 pointing hand shown over everything that leads somewhere.
const QCursor& handCursor();

// One of the program's drawn images ("icon", "photo", "quiz") at the given size in pixels.
QPixmap picture(const QString& name, QSize size);
QIcon windowIcon();

// Gives a widget its object name and the name a screen reader announces.
void name(QWidget* widget, const QString& objectName, const QString& accessibleName);

} // namespace look
