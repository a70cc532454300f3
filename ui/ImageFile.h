#pragma once

#include "ui/ExportFile.h"

#include <QSize>

#include <functional>

class Platform;
class QPainter;
class QWidget;

// Paints a picture of the given size in pixels, with (0, 0) at its top left.
using PicturePainter = std::function<void(QPainter&, QSize)>;

// Asks for a file name and saves the picture there as a PNG image, or as an SVG drawing when the
// name ends in .svg; any other name that does not end in .png gets .png added. An existing file
// is replaced whole or not at all; a failure is shown under `title`.
void saveImage(QWidget& parent, Platform& platform, const QString& title, QSize size, const PicturePainter& paint);

// The picture as the bytes of a PNG image or an SVG drawing.
ExportBytes pngBytes(QSize size, const PicturePainter& paint);
ExportBytes svgBytes(QSize size, const QString& title, const PicturePainter& paint);
