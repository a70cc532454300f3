#include "ExportFile.h"

#include "output/DataFileWriter.h"
#include "ui/Platform.h"

#include <QFile>
#include <QFileInfo>

bool exportFile(QWidget& parent, Platform& platform, const ExportRequest& request,
                const std::function<ExportBytes(const QString& suffix)>& make)
{
    QString path = platform.askSaveFileName(&parent, request.offered, request.filter);
    if (path.isEmpty())
        return false;
    QString suffix = QFileInfo(path).suffix().toLower();
    if (!request.suffixes.contains(suffix)) {
        suffix = request.suffixes.value(0);
        path += QLatin1Char('.') + suffix;
    }
    const ExportBytes made = make(suffix);
    const QString error = made.error.isEmpty() ? decay::writeFileAtomically(path, made.bytes.toStdString()) : made.error;
    if (error.isEmpty())
        return true;
    platform.showError(&parent, request.title, request.failed + QStringLiteral("\n\n") + error);
    return false;
}

std::optional<ImportedFile> importFile(QWidget& parent, Platform& platform, const QString& title, const QString& filter,
                                       qint64 largest, const QString& cannotRead)
{
    const QString path = platform.askOpenFileName(&parent, filter);
    if (path.isEmpty())
        return std::nullopt;
    QFile file(path);
    ImportedFile read{QFileInfo(path).fileName(), file.open(QIODevice::ReadOnly) ? file.read(largest + 1) : QByteArray()};
    if (file.error() != QFileDevice::NoError) {
        platform.showError(&parent, title, cannotRead.arg(read.name, file.errorString()));
        return std::nullopt;
    }
    return read;
}
