#pragma once

#include "model/lesson/Lesson.h"

#include <QDateTime>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <memory>

class QPrinter;
class QSoundEffect;
class QWidget;

// What the windows need from the world outside the program: the clock, the random seed, the
// save-file dialog, the printer, message boxes and the end of the program. The program uses
// QtPlatform; tests put in their own, so that every handler runs without a dialog, a printer,
// a clock or a screen.
class Platform {
public:
    virtual ~Platform() = default;

    virtual QDateTime now() const = 0;
    // A fresh seed for each random run, taken from the clock.
    virtual std::uint64_t randomSeed() = 0;
    // The seed of one kind of the counting lab's random actions: a fresh one, unless a lesson
    // gives each kind its own seeds.
    virtual std::uint64_t drawSeed(decay::LessonDraw draw);
    // The modal save-file dialog, opened on `previous` and showing the files that `filter`
    // names (all files when empty); an empty text when the user cancelled.
    virtual QString askSaveFileName(QWidget* parent, const QString& previous, const QString& filter) = 0;
    // The modal open-file dialog for an existing file; an empty text when the user cancelled.
    virtual QString askOpenFileName(QWidget* parent, const QString& filter) = 0;
    // The same for any number of existing files at once; empty when the user cancelled.
    virtual QStringList askOpenFileNames(QWidget* parent, const QString& filter);
    // The default printer, or none when no printer is installed.
    virtual std::unique_ptr<QPrinter> defaultPrinter() = 0;
    virtual void showError(QWidget* parent, const QString& title, const QString& text) = 0;
    // A question answered with Yes (true) or No.
    virtual bool askYesNo(QWidget* parent, const QString& title, const QString& text) = 0;
    // A refusal with the change of the entries that takes its cause away: true when the user
    // takes the change (`offer` is its button), false when the box is closed.
    virtual bool offerChange(QWidget* parent, const QString& title, const QString& text, const QString& offer) = 0;
    // Ends the program at once: every window closes and every timer stops.
    virtual void quit() = 0;
    // One click of the counter's loudspeaker; nothing where there is no sound device.
    virtual void playClick() = 0;
};

class QtPlatform final : public Platform {
public:
    QtPlatform();
    ~QtPlatform() override;
    QDateTime now() const override;
    std::uint64_t randomSeed() override;
    QString askSaveFileName(QWidget* parent, const QString& previous, const QString& filter) override;
    QString askOpenFileName(QWidget* parent, const QString& filter) override;
    QStringList askOpenFileNames(QWidget* parent, const QString& filter) override;
    std::unique_ptr<QPrinter> defaultPrinter() override;
    void showError(QWidget* parent, const QString& title, const QString& text) override;
    bool askYesNo(QWidget* parent, const QString& title, const QString& text) override;
    bool offerChange(QWidget* parent, const QString& title, const QString& text, const QString& offer) override;
    void quit() override;
    void playClick() override;

private:
    // Made at the first click, so that a muted counter never opens the sound device.
    std::unique_ptr<QSoundEffect> m_click;
};
