#include "Look.h"

#include <QCursor>
#include <QIcon>
#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>
#include <QWidget>

#include <cmath>

namespace look {

int tw(int twips)
{
    return static_cast<int>(std::lround(twips / 15.0));
}

QRect twipsRect(int left, int top, int width, int height)
{
    return {tw(left), tw(top), tw(width), tw(height)};
}

QFont font(Face face, double points, bool bold)
{
    static const char* const families[] = {"Times New Roman", "MS Sans Serif", "Arial"};
    QFont f(QString::fromLatin1(families[static_cast<int>(face)]));
    f.setPointSizeF(points);
    f.setBold(bold);
    return f;
}

void registerFontSubstitutes()
{
    QFont::insertSubstitutions(QStringLiteral("Times New Roman"), {QStringLiteral("Liberation Serif"), QStringLiteral("Tinos")});
    QFont::insertSubstitutions(QStringLiteral("Arial"), {QStringLiteral("Liberation Sans"), QStringLiteral("Arimo")});
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"), {QStringLiteral("Liberation Sans"), QStringLiteral("Arimo")});
}

QPixmap picture(const QString& name, QSize size)
{
    QSvgRenderer renderer(QStringLiteral(":/images/%1.svg").arg(name));
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    renderer.render(&painter);
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

} // namespace look
