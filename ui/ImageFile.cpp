#include "ImageFile.h"

#include "output/DataFileWriter.h"
#include "ui/Platform.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QSvgGenerator>

QByteArray pngBytes(QSize size, const PicturePainter& paint)
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        paint(painter, size);
    }
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return buffer.data();
}

QByteArray svgBytes(QSize size, const QString& title, const PicturePainter& paint)
{
    QBuffer buffer;
    QSvgGenerator svg;
    svg.setOutputDevice(&buffer);
    svg.setSize(size);
    svg.setViewBox(QRect(QPoint(), size));
    svg.setTitle(title);
    {
        QPainter painter(&svg);
        painter.fillRect(QRect(QPoint(), size), Qt::white);
        paint(painter, size);
    }
    return buffer.data();
}

void saveImage(QWidget& parent, Platform& platform, const QString& title, QSize size, const PicturePainter& paint)
{
    QString path = platform.askSaveFileName(&parent, QStringLiteral("Atomdrift chart.png"),
                                            QStringLiteral("PNG images (*.png);;SVG drawings (*.svg)"));
    if (path.isEmpty())
        return;
    const bool svg = QFileInfo(path).suffix().toLower() == QStringLiteral("svg");
    if (!svg && QFileInfo(path).suffix().toLower() != QStringLiteral("png"))
        path += QStringLiteral(".png");
    const QByteArray bytes = svg ? svgBytes(size, title, paint) : pngBytes(size, paint);
    const QString error = decay::writeFileAtomically(path, bytes.toStdString());
    if (!error.isEmpty())
        platform.showError(&parent, title, QStringLiteral("The image was not saved.\n\n") + error);
}
