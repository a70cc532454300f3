#pragma once

#include "model/lesson/Lesson.h"

#include <QWidget>

class Platform;
class QLineEdit;
class QListWidget;
class QPushButton;

// "Open lesson...": one of the example lessons, a lesson file, or a link pasted from a mail or a
// learning platform. A lesson that cannot be read is refused with what is wrong, and nothing opens.
class OpenLesson : public QWidget {
    Q_OBJECT

public:
    // `purpose` heads the window: opening a lesson, or choosing the one that hand-ins answer.
    OpenLesson(Platform& platform, const QString& purpose);

    QListWidget* lstExamples;
    QLineEdit* txtLink;
    QPushButton* cmdFile;
    QPushButton* cmdOpen;
    QPushButton* cmdCancel;

    void lstExamples_DblClick();
    void cmdFile_Click();
    void cmdOpen_Click();
    void cmdCancel_Click();

signals:
    // The lesson read; the window closes after.
    void lessonChosen(const decay::Lesson& lesson);

private:
    void take(const decay::LessonRead& read);

    Platform& m_platform;
};
