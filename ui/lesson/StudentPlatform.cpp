#include "StudentPlatform.h"

#include <QPrinter>

StudentPlatform::StudentPlatform(Platform& platform)
    : m_platform(platform)
{
}

QDateTime StudentPlatform::now() const
{
    return m_platform.now();
}

void StudentPlatform::setSeed(std::optional<std::uint64_t> seed)
{
    m_seed = seed;
    m_draws.clear();
}

std::uint64_t StudentPlatform::randomSeed()
{
    return m_seed ? *m_seed : m_platform.randomSeed();
}

// The lesson marks a student's first action of each kind, which takes that kind's first seed; a
// second count is a new count.
std::uint64_t StudentPlatform::drawSeed(decay::LessonDraw draw)
{
    if (!m_seed)
        return m_platform.drawSeed(draw);
    return decay::drawSeed(*m_seed, draw, m_draws[draw]++);
}

QString StudentPlatform::askSaveFileName(QWidget* parent, const QString& previous, const QString& filter)
{
    return m_platform.askSaveFileName(parent, previous, filter);
}

QString StudentPlatform::askOpenFileName(QWidget* parent, const QString& filter)
{
    return m_platform.askOpenFileName(parent, filter);
}

QStringList StudentPlatform::askOpenFileNames(QWidget* parent, const QString& filter)
{
    return m_platform.askOpenFileNames(parent, filter);
}

std::unique_ptr<QPrinter> StudentPlatform::defaultPrinter()
{
    return m_platform.defaultPrinter();
}

void StudentPlatform::showError(QWidget* parent, const QString& title, const QString& text)
{
    m_platform.showError(parent, title, text);
}

bool StudentPlatform::askYesNo(QWidget* parent, const QString& title, const QString& text)
{
    return m_platform.askYesNo(parent, title, text);
}

bool StudentPlatform::offerChange(QWidget* parent, const QString& title, const QString& text, const QString& offer)
{
    return m_platform.offerChange(parent, title, text, offer);
}

void StudentPlatform::quit()
{
    m_platform.quit();
}

void StudentPlatform::playClick()
{
    m_platform.playClick();
}
