#pragma once

#include "model/lesson/Lesson.h"

#include <QString>
#include <QStringList>

#include <string>

// What the lesson windows share: the language a lesson is shown in, the lesson files on disk and
// the example lessons compiled into the program.
namespace lessonfiles {

// The language of the program's texts, as a lesson names it: the first of the desktop's languages
// that the program speaks, else English.
std::string userLanguage();
// A text of the lesson in that language, or in the lesson's first.
QString shown(const decay::LessonText& text);

// A file's text, read whole up to `most` bytes; `error` says why not, naming the file.
struct FileText {
    std::string text;
    QString error;
};
FileText readFile(const QString& path, std::size_t most);
// The lesson in the file, or why not, naming the file.
decay::LessonRead readLessonFile(const QString& path);

// The example lessons shipped with the program, by resource path, in order of their file names.
QStringList examples();

} // namespace lessonfiles
