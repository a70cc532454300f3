#include "Platform.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QPrinter>
#include <QPrinterInfo>
#include <QSoundEffect>

#include <chrono>

std::uint64_t Platform::drawSeed(decay::LessonDraw)
{
    return randomSeed();
}

QStringList Platform::askOpenFileNames(QWidget* parent, const QString& filter)
{
    const QString name = askOpenFileName(parent, filter);
    return name.isEmpty() ? QStringList() : QStringList{name};
}

QtPlatform::QtPlatform() = default;
QtPlatform::~QtPlatform() = default;

QDateTime QtPlatform::now() const
{
    return QDateTime::currentDateTime();
}

std::uint64_t QtPlatform::randomSeed()
{
    return static_cast<std::uint64_t>(std::chrono::high_resolution_clock::now().time_since_epoch().count());
}

QString QtPlatform::askSaveFileName(QWidget* parent, const QString& previous, const QString& filter)
{
    // No overwrite question: a chosen existing file is replaced.
    return QFileDialog::getSaveFileName(parent, QString(), previous, filter, nullptr, QFileDialog::DontConfirmOverwrite);
}

QString QtPlatform::askOpenFileName(QWidget* parent, const QString& filter)
{
    return QFileDialog::getOpenFileName(parent, QString(), QString(), filter);
}

QStringList QtPlatform::askOpenFileNames(QWidget* parent, const QString& filter)
{
    return QFileDialog::getOpenFileNames(parent, QString(), QString(), filter);
}

std::unique_ptr<QPrinter> QtPlatform::defaultPrinter()
{
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull())
        return nullptr;
    return std::make_unique<QPrinter>(info, QPrinter::HighResolution);
}

void QtPlatform::showError(QWidget* parent, const QString& title, const QString& text)
{
    QMessageBox::warning(parent, title, text);
}

bool QtPlatform::askYesNo(QWidget* parent, const QString& title, const QString& text)
{
    return QMessageBox::question(parent, title, text, QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes) == QMessageBox::Yes;
}

bool QtPlatform::offerChange(QWidget* parent, const QString& title, const QString& text, const QString& offer)
{
    QMessageBox box(QMessageBox::Warning, title, text, QMessageBox::Close, parent);
    QPushButton* take = box.addButton(offer, QMessageBox::AcceptRole);
    box.setDefaultButton(take);
    box.exec();
    return box.clickedButton() == take;
}

// exit() rather than quit(): quit() first asks every window to close, and the backdrop, which
// never closes, would keep the program running.
void QtPlatform::quit()
{
    QCoreApplication::exit(0);
}

// Without a sound device the effect only reports an error status, and the counter stays silent.
void QtPlatform::playClick()
{
    if (!m_click) {
        m_click = std::make_unique<QSoundEffect>();
        m_click->setSource(QUrl(QStringLiteral("qrc:/sounds/click.wav")));
    }
    m_click->play();
}
