// The counting lab's dating page: a sample of old carbon counted against modern carbon.
#include "CountingLab.h"

#include "model/common/Conversions.h"
#include "model/random/DecayDraws.h"
#include "ui/Look.h"
#include "ui/ModelText.h"
#include "ui/Numbers.h"
#include "ui/Platform.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

using look::decimalPoint;
using look::text;

// A sample of old carbon: its mass, its age hidden or typed, and counts of it for a chosen time.
QWidget* CountingLab::buildDating()
{
    auto* page = new QWidget;
    look::name(page, QStringLiteral("pageDating"), tr("Radiocarbon dating"));
    auto* layout = new QVBoxLayout(page);
    auto* form = new QFormLayout;
    txtCarbon = look::formField(form, QStringLiteral("txtCarbon"), tr("Carbon (g):"));
    txtCarbon->setText(QStringLiteral("100"));
    txtAge = look::formField(form, QStringLiteral("txtAge"), tr("Age (years, empty for a hidden one):"));
    cmdNewSample = look::plainButton(QStringLiteral("cmdNewSample"), tr("New sample"));
    form->addRow(QString(), cmdNewSample);
    txtDatingTime = look::formField(form, QStringLiteral("txtDatingTime"), tr("Counting time (min):"));
    txtDatingTime->setText(QStringLiteral("60"));
    cmdCountSample = look::plainButton(QStringLiteral("cmdCountSample"), tr("Count sample"));
    cmdReveal = look::plainButton(QStringLiteral("cmdReveal"), tr("Show the true age"));
    auto* row = new QHBoxLayout;
    row->addWidget(cmdCountSample);
    row->addWidget(cmdReveal);
    form->addRow(QString(), row);
    layout->addLayout(form);
    lblDating = new QLabel;
    lblDating->setObjectName(QStringLiteral("lblDating"));
    lblDating->setWordWrap(true);
    lblDating->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    layout->addWidget(lblDating, 1);
    return page;
}

// Radiocarbon dating

void CountingLab::cmdNewSample_Click()
{
    const decay::NumberEntry grams = decay::readCarbon(text(txtCarbon), decimalPoint(*this));
    if (!grams.value) {
        m_platform.showError(this, tr("Counting lab"), modelText(grams.error));
        return;
    }
    const bool hidden = decay::isBlank(text(txtAge));
    const decay::NumberEntry age = hidden ? decay::NumberEntry{} : decay::readAge(text(txtAge), decimalPoint(*this));
    if (!hidden && !age.value) {
        m_platform.showError(this, tr("Counting lab"), modelText(age.error));
        return;
    }
    m_ageHidden = hidden;
    m_session.newDatingSample(*grams.value, hidden ? std::nullopt : age.value, m_platform.randomSeed());
    m_ageShown = false;
    showDating();
    showPlot();
    setCommands();
}

void CountingLab::cmdCountSample_Click()
{
    if (!m_session.datingSample())
        cmdNewSample_Click();
    if (!m_session.datingSample())
        return;
    const auto settings = readSettings();
    if (!settings)
        return;
    const decay::NumberEntry minutes = decay::readDatingMinutes(text(txtDatingTime), decimalPoint(*this));
    if (!minutes.value) {
        m_platform.showError(this, tr("Counting lab"), modelText(minutes.error));
        return;
    }
    m_session.countDatingSample(*settings, *minutes.value * 60, m_platform.randomSeed());
    showDating();
    showPlot();
    setCommands();
}

void CountingLab::cmdReveal_Click()
{
    m_ageShown = m_session.datingSample().has_value();
    showDating();
    showPlot();
}

// The last count's ratio and both ages, and the true age once shown.
void CountingLab::showDating()
{
    QString shown;
    if (!m_session.datingSample()) {
        shown = tr("Press New sample for a piece of old carbon, then Count sample. Longer counting gives a smaller "
                   "uncertainty.");
    } else {
        const QString grams = numbers::significant(m_session.datingSample()->carbonGrams, 6);
        shown = m_ageHidden ? tr("A sample of %1 g of carbon, of unknown age.").arg(grams) : tr("A sample of %1 g of carbon.").arg(grams);
        if (!m_session.datings().empty()) {
            const decay::DatingMeasurement& last = m_session.datings().back();
            shown += QLatin1Char('\n') + tr("Counted for %1 min: %2 counts, and %3 of background in as long; %4 % of the "
                                             "activity of modern carbon.")
                                             .arg(numbers::significant(last.count.seconds / 60, 6), numbers::count(last.count.counts),
                                                  numbers::count(last.background.counts),
                                                  CountingPlots::interval(100 * last.result.ratio, 100 * (last.result.ratio - last.result.ratioLow),
                                                                          100 * (last.result.ratioHigh - last.result.ratio)));
            for (const decay::DatedAge& age : last.result.ages)
                shown += QLatin1Char('\n') + tr("%1: %2").arg(CountingPlots::ageLabel(age), CountingPlots::ageText(age));
            shown += QLatin1Char('\n') + tr("BP: before the present, that is before 1950, the year the activity of modern carbon refers to.");
            if (!last.result.note.empty())
                shown += QLatin1Char('\n') + modelText(last.result.note);
        }
        if (m_ageShown)
            shown += QLatin1Char('\n') + tr("True age: %1 y.").arg(numbers::significant(m_session.datingSample()->age, 6));
    }
    lblDating->setText(shown);
}

