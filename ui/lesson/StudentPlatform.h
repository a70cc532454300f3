#pragma once

#include "ui/Platform.h"

#include <map>
#include <optional>

// The program's platform with one change while a lesson is open: every random run takes the
// student's seed, so that the run the student sees is the one the lesson marks against. Without a
// lesson each run takes a fresh seed, as always.
class StudentPlatform final : public Platform {
public:
    explicit StudentPlatform(Platform& platform);

    // The student's seed, or none; the counts of each kind of action start again.
    void setSeed(std::optional<std::uint64_t> seed);
    std::optional<std::uint64_t> seed() const { return m_seed; }

    QDateTime now() const override;
    std::uint64_t randomSeed() override;
    // The student's seed for the first action of a kind, a seed of its own for each one after.
    std::uint64_t drawSeed(decay::LessonDraw draw) override;
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
    Platform& m_platform;
    std::optional<std::uint64_t> m_seed;
    std::map<decay::LessonDraw, int> m_draws; // the actions of each kind taken with the student's seed
};
