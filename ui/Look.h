#pragma once

#include <QColor>
#include <QFont>
#include <QRect>

#include <functional>
#include <initializer_list>
#include <string>

class QCursor;
class QIcon;
class QFormLayout;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QPixmap;
class QPushButton;
class QRadioButton;
class QWidget;

// What every window of the program shares: layout units, the three type faces, the pointing-hand
// cursor, the drawn images and the building blocks of the windows.
namespace look {

// Twips to device-independent pixels at the screen's logical resolution: 15 twips make one pixel
// at 96 dpi.
int tw(int twips);
QRect twipsRect(int left, int top, int width, int height);

enum class Face { TimesNewRoman, MsSansSerif, Arial };
QFont font(Face face, double points, bool bold = true);

// The 32 x 32 pointing hand shown over everything that leads somewhere.
const QCursor& handCursor();

// One of the program's drawn images ("icon", "photo", "quiz", "dedication") at the given size
// in pixels.
QPixmap picture(const QString& name, QSize size);
QIcon windowIcon();

// The model reads and writes std::string, the widgets QString.
std::string text(const QLineEdit* field);
QString qtext(const std::string& text);
// The decimal point of the widget's locale, which the model's number checks take.
std::string decimalPoint(const QWidget& widget);

// The role of a list item's key, by which a lesson names the item whatever the user's language (a
// nuclide's symbol, a time unit's symbol); an item without a key goes by its place in the list.
inline constexpr int kChoiceKeyRole = 0x0100 + 40; // Qt::UserRole + 40

// Gives a widget its object name and the name a screen reader announces.
void name(QWidget* widget, const QString& objectName, const QString& accessibleName);

// Makes `window` a top-level window with a fixed border, a title and a close box but no
// minimise or maximise button, a client area of the given twips, the given background, centred
// on the screen.
void fixedWindow(QWidget* window, const QString& objectName, const QString& title, QSize clientTwips, const QColor& background);
void setBackground(QWidget* widget, const QColor& color);
void centreOnScreen(QWidget* window);

// A word-wrapped label at the top left of its box. A label's accessible name is its text, so it
// gets none of its own.
QLabel* label(QWidget* parent, const QString& objectName, const QString& caption, QRect geometry, const QFont& font);
// Coloured text on a coloured background, centred, with or without a single-line border.
void paintLabel(QLabel* label, const QColor& text, const QColor& background, bool border = true);
QPushButton* button(QWidget* parent, const QString& objectName, const QString& caption, const QString& toolTip,
                    QRect geometry, const QFont& font, bool hand);
// An entry field in a form of the program's own windows, named after its label; and a button
// for a laid-out window, named after its caption.
QLineEdit* formField(QFormLayout* form, const QString& objectName, const QString& label);
QPushButton* plainButton(const QString& objectName, const QString& caption);
// Makes `window` one of the program's own windows (the class experiment, the labs): named and
// titled, deleted when closed, and never ending the program by closing.
void ownWindow(QWidget* window, const QString& objectName, const QString& title);
// The commands at the foot of those windows: save the chart as an image, print the worksheet,
// close; named cmdSaveImage, cmdPrint and cmdClose.
struct ChartCommands {
    QPushButton* saveImage;
    QPushButton* print;
    QPushButton* close;
};
ChartCommands chartCommands();

// The row that chooses a chart's view: "View:" and the options, of which one is chosen at a time,
// the first to start with. The caller adds what else the row holds, and its stretch.
QHBoxLayout* viewRow(QWidget* window, std::initializer_list<QRadioButton*> options);
// A picture of one of the drawn images, filling its box.
QLabel* photo(QWidget* parent, const QString& objectName, const QString& description, const QString& image, QRect geometry);

// Left-button clicks on `widget` itself, not on one of its children: a click when the button is
// released over the widget it was pressed on, and a double-click on the second press, which is
// not reported as a click too. A widget that takes the focus is also clicked by Enter and Space.
// A disabled widget reports nothing.
void onClick(QWidget* widget, std::function<void()> click, std::function<void()> doubleClick = {});

// Runs `unload` when the window is being closed by its close box; the close goes on, and a window
// that deletes itself on close is then destroyed.
void onClose(QWidget* window, std::function<void()> unload);

// Escape anywhere in `window` takes the window's way back.
void onEscape(QWidget* window, std::function<void()> back);

// The busy cursor over every window of the program for as long as it lives.
class BusyCursor {
public:
    BusyCursor();
    ~BusyCursor();
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
};

} // namespace look
