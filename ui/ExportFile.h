#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

class Platform;
class QWidget;

// A file that the user saves from a window: the dialog opens on `offered` and shows `filter`;
// a name whose suffix is none of `suffixes` (lower case, no dot) gets the first one added.
struct ExportRequest {
    QString title;   // heads the failure message
    QString offered;
    QString filter;
    QStringList suffixes;
    QString failed;  // the failure message's first sentence, such as "The page was not saved."
};

// A file's bytes, or why they could not be made.
struct ExportBytes {
    QByteArray bytes;
    QString error;
};

// Asks for the file name, makes the bytes for the suffix the name ends in and replaces the file
// with them whole or not at all; a failure is shown with what went wrong. True when the file was
// written.
bool exportFile(QWidget& parent, Platform& platform, const ExportRequest& request,
                const std::function<ExportBytes(const QString& suffix)>& make);

// A file that the user opens into a window, read whole.
struct ImportedFile {
    QString name; // without its folder, for messages
    QByteArray bytes;
};
// Asks for the file and reads at most `largest` bytes and one more, so that a larger file can be
// refused as such; a file that cannot be read is shown under `title` with `cannotRead`, whose %1 is
// the file's name and %2 the reason. Empty then, and when the user cancelled.
std::optional<ImportedFile> importFile(QWidget& parent, Platform& platform, const QString& title, const QString& filter,
                                       qint64 largest, const QString& cannotRead);
