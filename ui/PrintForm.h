#pragma once

#include <QByteArray>

class Platform;
class QImage;
class QWidget;

// Prints an image of the window's client area as it looks now, scaled to fit the page and
// centred, to the default printer as one job. With no printer, or a printer that cannot start
// the job, it says so and offers to save the page as a PDF file instead.
void PrintForm(QWidget& window, Platform& platform);

// The same page as a one-page PDF document.
QByteArray pagePdf(const QImage& image);
