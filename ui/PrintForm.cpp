#include "PrintForm.h"

#include "ui/Platform.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QWidget>

namespace {

// The context of this file's texts in the translations.
struct PrintPage {
    Q_DECLARE_TR_FUNCTIONS(PrintPage)
};

// Draws the image as large as the page allows without changing its shape, centred.
void paintPage(QPainter& painter, const QImage& image)
{
    const QRect page = painter.viewport();
    QSize size = image.size();
    size.scale(page.size(), Qt::KeepAspectRatio);
    QRect target(QPoint(), size);
    target.moveCenter(page.center());
    painter.drawImage(target, image);
}

// Returns an empty text when the page went to the printer, else why it did not.
QString printToDefault(const PagePainter& paint, Platform& platform)
{
    const std::unique_ptr<QPrinter> printer = platform.defaultPrinter();
    if (!printer)
        return PrintPage::tr("No printer is installed.");
    printer->setDocName(QStringLiteral("Atomdrift"));
    QPainter painter;
    if (!painter.begin(printer.get()))
        return PrintPage::tr("The printer %1 cannot take the job.").arg(printer->printerName());
    paint(painter);
    if (!painter.end())
        return PrintPage::tr("The printer %1 did not finish the job.").arg(printer->printerName());
    return {};
}

} // namespace

ExportBytes pagePdf(const PagePainter& paint)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setCreator(QStringLiteral("Atomdrift"));
    writer.setTitle(QStringLiteral("Atomdrift"));
    writer.setResolution(300);
    QPainter painter;
    if (!painter.begin(&writer))
        return {{}, PrintPage::tr("The page could not be drawn as a PDF document.")};
    paint(painter);
    if (!painter.end())
        return {{}, PrintPage::tr("The page could not be drawn as a PDF document.")};
    return {buffer.data(), {}};
}

void printPage(QWidget& window, Platform& platform, const QString& title, const QString& pdfName, const PagePainter& paint)
{
    const QString problem = printToDefault(paint, platform);
    if (problem.isEmpty())
        return;
    if (platform.askYesNo(&window, title, problem + QStringLiteral("\n\n") + PrintPage::tr("Save the page as a PDF file instead?")))
        exportFile(window, platform,
                   {title, pdfName, PrintPage::tr("PDF files (*.pdf)"), {QStringLiteral("pdf")}, PrintPage::tr("The page was not saved.")},
                   [&paint](const QString&) { return pagePdf(paint); });
}

void PrintForm(QWidget& window, Platform& platform)
{
    const QImage image = window.grab().toImage();
    printPage(window, platform, PrintPage::tr("Print this page"), QStringLiteral("Atomdrift.pdf"),
              [&image](QPainter& painter) { paintPage(painter, image); });
}
