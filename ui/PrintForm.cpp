#include "PrintForm.h"

#include "output/DataFileWriter.h"
#include "ui/Platform.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QWidget>

namespace {

const QString kTitle = QStringLiteral("Print this page");

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
QString printImage(const QImage& image, Platform& platform)
{
    const std::unique_ptr<QPrinter> printer = platform.defaultPrinter();
    if (!printer)
        return QStringLiteral("No printer is installed.");
    printer->setDocName(QStringLiteral("Atomdrift"));
    QPainter painter;
    if (!painter.begin(printer.get()))
        return QStringLiteral("The printer %1 cannot take the job.").arg(printer->printerName());
    paintPage(painter, image);
    painter.end();
    return {};
}

void savePdf(QWidget& window, const QImage& image, Platform& platform)
{
    QString path = platform.askSaveFileName(&window, QStringLiteral("Atomdrift.pdf"), QStringLiteral("PDF files (*.pdf)"));
    if (path.isEmpty())
        return;
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".pdf");
    const QString error = decay::writeFileAtomically(path, pagePdf(image).toStdString());
    if (!error.isEmpty())
        platform.showError(&window, kTitle, QStringLiteral("The page was not saved.\n\n") + error);
}

} // namespace

QByteArray pagePdf(const QImage& image)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setCreator(QStringLiteral("Atomdrift"));
    writer.setTitle(QStringLiteral("Atomdrift"));
    writer.setResolution(300);
    QPainter painter(&writer);
    paintPage(painter, image);
    painter.end();
    return buffer.data();
}

void PrintForm(QWidget& window, Platform& platform)
{
    const QImage image = window.grab().toImage();
    const QString problem = printImage(image, platform);
    if (problem.isEmpty())
        return;
    if (platform.askYesNo(&window, kTitle, problem + QStringLiteral("\n\nSave the page as a PDF file instead?")))
        savePdf(window, image, platform);
}
