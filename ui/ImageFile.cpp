#include "ImageFile.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QImage>
#include <QPainter>
#include <QSvgGenerator>

namespace {

// The context of this file's texts in the translations.
struct ImageFile {
    Q_DECLARE_TR_FUNCTIONS(ImageFile)
};

} // namespace

ExportBytes pngBytes(QSize size, const PicturePainter& paint)
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    if (image.isNull())
        return {{}, ImageFile::tr("There is not enough memory for an image of %1 x %2 pixels.").arg(size.width()).arg(size.height())};
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        paint(painter, size);
    }
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "PNG"))
        return {{}, ImageFile::tr("The picture could not be encoded as a PNG image.")};
    return {buffer.data(), {}};
}

ExportBytes svgBytes(QSize size, const QString& title, const PicturePainter& paint)
{
    QBuffer buffer;
    QSvgGenerator svg;
    svg.setOutputDevice(&buffer);
    svg.setSize(size);
    svg.setViewBox(QRect(QPoint(), size));
    svg.setTitle(title);
    QPainter painter;
    if (!painter.begin(&svg))
        return {{}, ImageFile::tr("The picture could not be drawn as an SVG drawing.")};
    painter.fillRect(QRect(QPoint(), size), Qt::white);
    paint(painter, size);
    if (!painter.end())
        return {{}, ImageFile::tr("The picture could not be drawn as an SVG drawing.")};
    return {buffer.data(), {}};
}

void saveImage(QWidget& parent, Platform& platform, const QString& title, QSize size, const PicturePainter& paint)
{
    exportFile(parent, platform,
               {title, ImageFile::tr("Atomdrift chart.png"), ImageFile::tr("PNG images (*.png);;SVG drawings (*.svg)"),
                {QStringLiteral("png"), QStringLiteral("svg")}, ImageFile::tr("The image was not saved.")},
               [&](const QString& suffix) { return suffix == QLatin1String("svg") ? svgBytes(size, title, paint) : pngBytes(size, paint); });
}
