#include "DataFileWriter.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

namespace decay {

QString writeFileAtomically(const QString& path, const std::string& bytes)
{
    const QFileInfo target(path);
    if (target.exists() && !target.isFile())
        return QStringLiteral("%1 is not a regular file.").arg(QDir::toNativeSeparators(path));
    if (!target.dir().exists())
        return QStringLiteral("The folder %1 does not exist.").arg(QDir::toNativeSeparators(target.absolutePath()));

    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return QStringLiteral("Cannot create %1: %2").arg(QDir::toNativeSeparators(path), file.errorString());
    const auto size = static_cast<qint64>(bytes.size());
    // A full disk can show only when the buffer is flushed, so flush and check before commit.
    if (file.write(bytes.data(), size) != size || !file.flush()) {
        const QString reason = file.errorString();
        file.cancelWriting(); // the temporary file goes, the target stays as it was
        return QStringLiteral("Cannot write %1: %2").arg(QDir::toNativeSeparators(path), reason);
    }
    if (!file.commit())
        return QStringLiteral("Cannot save %1: %2").arg(QDir::toNativeSeparators(path), file.errorString());
    return {};
}

} // namespace decay
