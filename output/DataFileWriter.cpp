#include "DataFileWriter.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

namespace decay {
namespace {

// The context of this file's texts in the translations.
struct DataFileWriter {
    Q_DECLARE_TR_FUNCTIONS(DataFileWriter)
};

} // namespace

QString writeFileAtomically(const QString& path, const std::string& bytes)
{
    const QFileInfo target(path);
    if (target.exists() && !target.isFile())
        return DataFileWriter::tr("%1 is not a regular file.").arg(QDir::toNativeSeparators(path));
    if (!target.dir().exists())
        return DataFileWriter::tr("The folder %1 does not exist.").arg(QDir::toNativeSeparators(target.absolutePath()));

    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return DataFileWriter::tr("Cannot create %1: %2").arg(QDir::toNativeSeparators(path), file.errorString());
    const auto size = static_cast<qint64>(bytes.size());
    // A full disk can show only when the buffer is flushed, so flush and check before commit.
    if (file.write(bytes.data(), size) != size || !file.flush()) {
        const QString reason = file.errorString();
        file.cancelWriting(); // the temporary file goes, the target stays as it was
        return DataFileWriter::tr("Cannot write %1: %2").arg(QDir::toNativeSeparators(path), reason);
    }
    if (!file.commit())
        return DataFileWriter::tr("Cannot save %1: %2").arg(QDir::toNativeSeparators(path), file.errorString());
    return {};
}

} // namespace decay
