#pragma once

#include "ui/Platform.h"

#include <QStringList>

// A platform that tests steer: a fixed clock, counted seeds, scripted save-dialog answers and
// recorded messages.
class FakePlatform final : public Platform {
public:
    QDateTime now() const override { return clock; }
    std::uint64_t randomSeed() override { return ++seeds; }
    QString askSaveFileName(QWidget*, const QString& previous) override
    {
        offered.append(previous);
        return answers.isEmpty() ? QString() : answers.takeFirst();
    }
    void showError(QWidget*, const QString&, const QString& text) override { errors.append(text); }
    void quit() override { ++quits; }

    QDateTime clock{QDate(2031, 5, 17), QTime(10, 20, 30)};
    std::uint64_t seeds = 0;
    QStringList answers;  // next save-dialog results; empty means cancel
    QStringList offered;  // names the dialog opened on
    QStringList errors;
    int quits = 0;
};
