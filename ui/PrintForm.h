#pragma once

#include "ui/ExportFile.h"

#include <functional>

class Platform;
class QPainter;
class QWidget;

// Paints one page onto a painter whose viewport is the page's printable area.
using PagePainter = std::function<void(QPainter&)>;

// Prints an image of the window's client area as it looks now, scaled to fit the page and
// centred, to the default printer as one job. With no printer, or a printer that cannot start
// the job, it says so and offers to save the page as a PDF file instead.
void PrintForm(QWidget& window, Platform& platform);

// The same for a page painted by `paint`; `title` heads the messages, `pdfName` is the PDF file
// offered.
void printPage(QWidget& window, Platform& platform, const QString& title, const QString& pdfName, const PagePainter& paint);

// The page as a one-page PDF document.
ExportBytes pagePdf(const PagePainter& paint);
