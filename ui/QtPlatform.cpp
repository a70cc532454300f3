#include "Platform.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>

#include <chrono>

QDateTime QtPlatform::now() const
{
    return QDateTime::currentDateTime();
}

std::uint64_t QtPlatform::randomSeed()
{
    return static_cast<std::uint64_t>(std::chrono::high_resolution_clock::now().time_since_epoch().count());
}

QString QtPlatform::askSaveFileName(QWidget* parent, const QString& previous)
{
    // No filter and no overwrite question: a chosen existing file is replaced.
    return QFileDialog::getSaveFileName(parent, QString(), previous, QString(), nullptr,
                                        QFileDialog::DontConfirmOverwrite);
}

void QtPlatform::showError(QWidget* parent, const QString& title, const QString& text)
{
    QMessageBox::warning(parent, title, text);
}

void QtPlatform::quit()
{
    QApplication::quit();
}
