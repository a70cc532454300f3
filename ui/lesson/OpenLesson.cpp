#include "OpenLesson.h"

#include "LessonFiles.h"
#include "model/lesson/HandOut.h"
#include "ui/Look.h"
#include "ui/ModelText.h"
#include "ui/Platform.h"

#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

OpenLesson::OpenLesson(Platform& platform, const QString& purpose)
    : m_platform(platform)
{
    look::ownWindow(this, QStringLiteral("OpenLesson"), purpose);
    setWindowModality(Qt::ApplicationModal);

    auto* examplesLabel = new QLabel(tr("Example lessons:"));
    lstExamples = new QListWidget;
    look::name(lstExamples, QStringLiteral("lstExamples"), examplesLabel->text());
    for (const QString& path : lessonfiles::examples()) {
        QFile file(path);
        const QByteArray bytes = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
        const decay::LessonRead read = decay::readLesson(bytes.toStdString(), QFileInfo(path).fileName().toStdString());
        auto* item = new QListWidgetItem(read.lesson ? lessonfiles::shown(read.lesson->title) : QFileInfo(path).completeBaseName());
        item->setData(Qt::UserRole, path);
        lstExamples->addItem(item);
    }
    if (lstExamples->count() > 0)
        lstExamples->setCurrentRow(0);
    examplesLabel->setBuddy(lstExamples);

    auto* linkLabel = new QLabel(tr("Or paste a lesson's link:"));
    txtLink = new QLineEdit;
    look::name(txtLink, QStringLiteral("txtLink"), linkLabel->text());
    txtLink->setPlaceholderText(QStringLiteral("atomdrift.html#lesson=..."));
    linkLabel->setBuddy(txtLink);

    cmdFile = look::plainButton(QStringLiteral("cmdFile"), tr("Open a lesson file..."));
    cmdOpen = look::plainButton(QStringLiteral("cmdOpen"), tr("Open"));
    cmdOpen->setDefault(true);
    cmdCancel = look::plainButton(QStringLiteral("cmdCancel"), tr("Cancel"));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(examplesLabel);
    layout->addWidget(lstExamples, 1);
    layout->addWidget(linkLabel);
    layout->addWidget(txtLink);
    auto* commands = new QHBoxLayout;
    commands->addWidget(cmdFile);
    commands->addStretch();
    commands->addWidget(cmdOpen);
    commands->addWidget(cmdCancel);
    layout->addLayout(commands);
    resize(560, 420);

    connect(lstExamples, &QListWidget::itemDoubleClicked, this, &OpenLesson::lstExamples_DblClick);
    connect(txtLink, &QLineEdit::returnPressed, this, &OpenLesson::cmdOpen_Click);
    connect(cmdFile, &QPushButton::clicked, this, &OpenLesson::cmdFile_Click);
    connect(cmdOpen, &QPushButton::clicked, this, &OpenLesson::cmdOpen_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &OpenLesson::cmdCancel_Click);
}

void OpenLesson::lstExamples_DblClick()
{
    txtLink->clear();
    cmdOpen_Click();
}

void OpenLesson::cmdFile_Click()
{
    const QString path = m_platform.askOpenFileName(this, tr("Lessons (*.atomdrift);;All files (*)"));
    if (!path.isEmpty())
        take(lessonfiles::readLessonFile(path));
}

// A link typed or pasted goes before the example chosen.
void OpenLesson::cmdOpen_Click()
{
    const QString link = txtLink->text().trimmed();
    if (!link.isEmpty()) {
        take(decay::readLessonLink(link.toStdString(), tr("from the link").toStdString()));
        return;
    }
    const QListWidgetItem* item = lstExamples->currentItem();
    if (!item)
        return;
    const QString path = item->data(Qt::UserRole).toString();
    QFile file(path);
    const QByteArray bytes = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    take(decay::readLesson(bytes.toStdString(), QFileInfo(path).fileName().toStdString()));
}

void OpenLesson::cmdCancel_Click()
{
    close();
}

void OpenLesson::take(const decay::LessonRead& read)
{
    if (!read.lesson) {
        m_platform.showError(this, windowTitle(), tr("The lesson was not opened.") + QStringLiteral("\n\n") + modelText(read.error));
        return;
    }
    hide();
    emit lessonChosen(*read.lesson);
    close();
}
