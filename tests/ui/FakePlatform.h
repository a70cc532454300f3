#pragma once

#include "ui/Platform.h"

#include <QCursor>
#include <QGuiApplication>
#include <QPrinter>
#include <QStringList>

// A platform that tests steer: a fixed clock, counted seeds, scripted save-dialog answers, a
// default printer that writes a PDF file (or none), and recorded messages and questions.
class FakePlatform final : public Platform {
public:
    QDateTime now() const override { return clock; }
    std::uint64_t randomSeed() override
    {
        const QCursor* cursor = QGuiApplication::overrideCursor();
        busyAtSeed = cursor && cursor->shape() == Qt::WaitCursor;
        return ++seeds;
    }
    QString askSaveFileName(QWidget*, const QString& previous, const QString&) override
    {
        offered.append(previous);
        return answers.isEmpty() ? QString() : answers.takeFirst();
    }
    QString askOpenFileName(QWidget*, const QString&) override
    {
        return answers.isEmpty() ? QString() : answers.takeFirst();
    }
    std::unique_ptr<QPrinter> defaultPrinter() override
    {
        if (printerFile.isEmpty())
            return nullptr;
        auto printer = std::make_unique<QPrinter>();
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(printerFile);
        return printer;
    }
    void showError(QWidget*, const QString&, const QString& text) override { errors.append(text); }
    bool askYesNo(QWidget*, const QString&, const QString& text) override
    {
        questions.append(text);
        return yes;
    }
    void quit() override { ++quits; }

    QDateTime clock{QDate(2031, 5, 17), QTime(10, 20, 30)};
    std::uint64_t seeds = 0;
    bool busyAtSeed = false; // the busy cursor showed when the last run took its seed
    QStringList answers;  // next save- or open-dialog results; empty means cancel
    QStringList offered;  // names the dialog opened on
    QString printerFile;  // where the default printer's pages go; no printer when empty
    QStringList errors;
    QStringList questions;
    bool yes = true;      // the answer to every question
    int quits = 0;
};
