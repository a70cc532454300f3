#include "LessonFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>

namespace lessonfiles {
namespace {

// The context of this file's texts in the translations.
struct LessonFiles {
    Q_DECLARE_TR_FUNCTIONS(LessonFiles)
};

} // namespace

std::string userLanguage()
{
    for (const QString& language : QLocale::system().uiLanguages()) {
        const std::string code = QLocale(language).name().section(QLatin1Char('_'), 0, 0).toStdString();
        for (std::string_view spoken : decay::kLessonLanguages)
            if (code == spoken)
                return code;
    }
    return "en";
}

QString shown(const decay::LessonText& text)
{
    return QString::fromStdString(text.in(userLanguage()));
}

FileText readFile(const QString& path, std::size_t most)
{
    QFile file(path);
    const QString name = QFileInfo(path).fileName();
    if (!file.open(QIODevice::ReadOnly))
        return {{}, LessonFiles::tr("%1 cannot be read: %2").arg(name, file.errorString())};
    const QByteArray bytes = file.read(static_cast<qint64>(most) + 1);
    if (file.error() != QFileDevice::NoError)
        return {{}, LessonFiles::tr("%1 cannot be read: %2").arg(name, file.errorString())};
    // A larger file is handed on cut one byte past the limit, so that the model names it too large.
    return {bytes.toStdString(), {}};
}

decay::LessonRead readLessonFile(const QString& path)
{
    const FileText read = readFile(path, decay::kMostLessonBytes);
    if (!read.error.isEmpty())
        return {std::nullopt, decay::Message{"%1", {read.error.toStdString()}}};
    return decay::readLesson(read.text, QFileInfo(path).fileName().toStdString());
}

QStringList examples()
{
    QStringList paths;
    const QDir folder(QStringLiteral(":/lessons"));
    for (const QString& name : folder.entryList({QStringLiteral("*.atomdrift")}, QDir::Files, QDir::Name))
        paths.append(folder.filePath(name));
    return paths;
}

} // namespace lessonfiles
