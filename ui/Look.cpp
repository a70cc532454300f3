#include "Look.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCoreApplication>
#include <QCursor>
#include <QFormLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSvgRenderer>
#include <QWidget>

#include <algorithm>
#include <cmath>

namespace look {

// At the screen's logical resolution, which also turns the fonts' points into pixels, so that
// texts and the boxes they sit in grow together.
int tw(int twips)
{
    static const double dotsPerInch = QGuiApplication::primaryScreen() ? QGuiApplication::primaryScreen()->logicalDotsPerInch() : 96.0;
    return static_cast<int>(std::lround(twips * dotsPerInch / 1440.0));
}

QRect twipsRect(int left, int top, int width, int height)
{
    return {tw(left), tw(top), tw(width), tw(height)};
}

namespace {

// The layout's type faces, mapped to installed metric-compatible ones.
void registerFontSubstitutes()
{
    QFont::insertSubstitutions(QStringLiteral("Times New Roman"), {QStringLiteral("Liberation Serif"), QStringLiteral("Tinos")});
    QFont::insertSubstitutions(QStringLiteral("Arial"), {QStringLiteral("Liberation Sans"), QStringLiteral("Arimo")});
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"), {QStringLiteral("Liberation Sans"), QStringLiteral("Arimo")});
}

} // namespace

QFont font(Face face, double points, bool bold)
{
    static const bool substituted = (registerFontSubstitutes(), true);
    Q_UNUSED(substituted);
    static const char* const families[] = {"Times New Roman", "MS Sans Serif", "Arial"};
    QFont f(QString::fromLatin1(families[static_cast<int>(face)]));
    f.setPointSizeF(points);
    f.setBold(bold);
    return f;
}

// Drawn for the screen's device pixels, so that it stays sharp when the screen is scaled.
QPixmap picture(const QString& name, QSize size)
{
    QSvgRenderer renderer(QStringLiteral(":/images/%1.svg").arg(name));
    const qreal ratio = qGuiApp ? qGuiApp->devicePixelRatio() : 1.0;
    QPixmap pixmap(size * ratio);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
    return pixmap;
}

const QCursor& handCursor()
{
    // The fingertip of the drawing is the hot spot.
    static const QCursor cursor(picture(QStringLiteral("hand"), {32, 32}), 11, 1);
    return cursor;
}

QIcon windowIcon()
{
    QIcon icon;
    for (int size : {16, 32, 64})
        icon.addPixmap(picture(QStringLiteral("icon"), {size, size}));
    return icon;
}

void name(QWidget* widget, const QString& objectName, const QString& accessibleName)
{
    widget->setObjectName(objectName);
    widget->setAccessibleName(accessibleName);
}

void fixedWindow(QWidget* window, const QString& objectName, const QString& title, QSize clientTwips, const QColor& background)
{
    window->setObjectName(objectName);
    window->setWindowFlags(Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                           | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    window->setWindowTitle(title);
    window->setFixedSize(tw(clientTwips.width()), tw(clientTwips.height()));
    setBackground(window, background);
    centreOnScreen(window);
}

void setBackground(QWidget* widget, const QColor& color)
{
    widget->setAutoFillBackground(true);
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, color);
    widget->setPalette(palette);
}

void centreOnScreen(QWidget* window)
{
    if (const QScreen* screen = window->screen())
        window->move(screen->availableGeometry().center() - QPoint(window->width() / 2, window->height() / 2));
}

QLabel* label(QWidget* parent, const QString& objectName, const QString& caption, QRect geometry, const QFont& font)
{
    auto* label = new QLabel(caption, parent);
    label->setObjectName(objectName);
    label->setTextFormat(Qt::PlainText);
    label->setFont(font);
    // Never lower than one line of its font, so that no caption loses its descenders.
    geometry.setHeight(std::max(geometry.height(), label->fontMetrics().boundingRect(QStringLiteral("Xg")).height()));
    label->setGeometry(geometry);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setWordWrap(true);
    return label;
}

void paintLabel(QLabel* label, const QColor& text, const QColor& background, bool border)
{
    label->setStyleSheet(QStringLiteral("QLabel { color: %1; background: %2; border: %3; }")
                             .arg(text.name(), background.name(), border ? QStringLiteral("1px solid black") : QStringLiteral("none")));
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
}

QPushButton* button(QWidget* parent, const QString& objectName, const QString& caption, const QString& toolTip,
                    QRect geometry, const QFont& font, bool hand)
{
    auto* button = new QPushButton(caption, parent);
    name(button, objectName, caption.isEmpty() ? toolTip : caption);
    button->setToolTip(toolTip);
    button->setGeometry(geometry);
    button->setFont(font);
    button->setAutoDefault(true); // Enter presses the button that has the focus
    if (hand)
        button->setCursor(handCursor());
    return button;
}

QLabel* photo(QWidget* parent, const QString& objectName, const QString& description, const QString& image, QRect geometry)
{
    auto* label = new QLabel(parent);
    name(label, objectName, description);
    label->setGeometry(geometry);
    label->setPixmap(picture(image, geometry.size()));
    return label;
}

namespace {

class ClickFilter : public QObject {
public:
    ClickFilter(QWidget* widget, std::function<void()> click, std::function<void()> doubleClick)
        : QObject(widget), m_widget(widget), m_click(std::move(click)), m_doubleClick(std::move(doubleClick))
    {
        widget->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        const auto type = event->type();
        if (type == QEvent::KeyPress && m_widget->hasFocus()) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key != Qt::Key_Return && key != Qt::Key_Enter && key != Qt::Key_Space)
                return false;
            m_click();
            return true;
        }
        if (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonRelease && type != QEvent::MouseButtonDblClick)
            return false;
        const auto* mouse = static_cast<QMouseEvent*>(event);
        const QPoint pos = mouse->position().toPoint();
        if (mouse->button() != Qt::LeftButton || !m_widget->isEnabled() || m_widget->childAt(pos))
            return false;
        if (type == QEvent::MouseButtonPress) {
            m_pressed = true;
        } else if (type == QEvent::MouseButtonDblClick) {
            m_pressed = false;
            if (m_doubleClick)
                m_doubleClick();
        } else if (m_pressed) {
            m_pressed = false;
            if (m_widget->rect().contains(pos))
                m_click();
        }
        return true;
    }

private:
    QWidget* m_widget;
    std::function<void()> m_click;
    std::function<void()> m_doubleClick;
    bool m_pressed = false;
};

} // namespace

QLineEdit* formField(QFormLayout* form, const QString& objectName, const QString& label)
{
    auto* edit = new QLineEdit;
    name(edit, objectName, label);
    form->addRow(label, edit);
    return edit;
}

QPushButton* plainButton(const QString& objectName, const QString& caption)
{
    auto* button = new QPushButton(caption);
    name(button, objectName, caption);
    return button;
}

void ownWindow(QWidget* window, const QString& objectName, const QString& title)
{
    window->setObjectName(objectName);
    window->setWindowTitle(title);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->setAttribute(Qt::WA_QuitOnClose, false);
    window->setWindowIcon(windowIcon());
}

ChartCommands chartCommands()
{
    return {plainButton(QStringLiteral("cmdSaveImage"), QCoreApplication::translate("Look", "Save chart as image...")),
            plainButton(QStringLiteral("cmdPrint"), QCoreApplication::translate("Look", "Print worksheet")),
            plainButton(QStringLiteral("cmdClose"), QCoreApplication::translate("Look", "Close"))};
}

namespace {

class ViewRow {
    Q_DECLARE_TR_FUNCTIONS(ViewRow)
};

} // namespace

QHBoxLayout* viewRow(QWidget* window, std::initializer_list<QRadioButton*> options)
{
    auto* group = new QButtonGroup(window);
    auto* row = new QHBoxLayout;
    row->addWidget(new QLabel(ViewRow::tr("View:")));
    for (QRadioButton* option : options) {
        group->addButton(option);
        row->addWidget(option);
    }
    if (options.size() > 0)
        (*options.begin())->setChecked(true);
    return row;
}

std::string text(const QLineEdit* field)
{
    return field->text().toStdString();
}

QString qtext(const std::string& text)
{
    return QString::fromStdString(text);
}

std::string decimalPoint(const QWidget& widget)
{
    return widget.locale().decimalPoint().toStdString();
}

void onClick(QWidget* widget, std::function<void()> click, std::function<void()> doubleClick)
{
    new ClickFilter(widget, std::move(click), std::move(doubleClick));
}

namespace {

// Calls `action` on the events of a window that `picks` chooses, also those its controls pass on;
// a consumed event goes no further.
class EventHook : public QObject {
public:
    EventHook(QWidget* window, std::function<bool(const QEvent*)> picks, std::function<void()> action, bool consume)
        : QObject(window), m_picks(std::move(picks)), m_action(std::move(action)), m_consume(consume)
    {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (!m_picks(event))
            return false;
        m_action();
        return m_consume;
    }

private:
    std::function<bool(const QEvent*)> m_picks;
    std::function<void()> m_action;
    bool m_consume;
};

} // namespace

void onClose(QWidget* window, std::function<void()> unload)
{
    new EventHook(window, [](const QEvent* event) { return event->type() == QEvent::Close; }, std::move(unload), false);
}

void onEscape(QWidget* window, std::function<void()> back)
{
    const auto escape = [](const QEvent* event) {
        return event->type() == QEvent::KeyPress && static_cast<const QKeyEvent*>(event)->key() == Qt::Key_Escape;
    };
    new EventHook(window, escape, std::move(back), true);
}

BusyCursor::BusyCursor()
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
}

BusyCursor::~BusyCursor()
{
    QApplication::restoreOverrideCursor();
}

} // namespace look
