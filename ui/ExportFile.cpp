#include "ExportFile.h"

#include "output/DataFileWriter.h"
#include "ui/Platform.h"

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
