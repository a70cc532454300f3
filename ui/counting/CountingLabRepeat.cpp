// The counting lab's repeat counts, its detector's dead time, the silver sample and the fit's model.
#include "CountingLab.h"

#include "model/counting/Activation.h"
#include "model/random/DecayDraws.h"
#include "ui/Look.h"
#include "ui/ModelText.h"
#include "ui/Numbers.h"
#include "ui/Platform.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

using look::decimalPoint;
using look::text;

QWidget* CountingLab::buildRepeat()
{
    auto* page = new QWidget;
    look::name(page, QStringLiteral("pageRepeat"), tr("Repeat counts"));
    auto* layout = new QVBoxLayout(page);
    auto* form = new QFormLayout;
    txtRepeats = look::formField(form, QStringLiteral("txtRepeats"), tr("Number of counts:"));
    txtRepeats->setText(QStringLiteral("100"));
    txtRepeatRate = look::formField(form, QStringLiteral("txtRepeatRate"), tr("Events reaching the counter (per second):"));
    txtRepeatRate->setText(QStringLiteral("5"));
    txtRepeatTime = look::formField(form, QStringLiteral("txtRepeatTime"), tr("Each count lasts (s):"));
    txtRepeatTime->setText(QStringLiteral("1"));
    cmdRepeat = look::plainButton(QStringLiteral("cmdRepeat"), tr("Count again and again"));
    form->addRow(QString(), cmdRepeat);
    layout->addLayout(form);
    lblRepeat = new QLabel(tr("A long-lived source counted for the same time, again and again: do the counts spread as "
                              "the Poisson distribution says?"));
    lblRepeat->setObjectName(QStringLiteral("lblRepeat"));
    lblRepeat->setWordWrap(true);
    lblRepeat->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    layout->addWidget(lblRepeat, 1);
    return page;
}

// The repeat counts through the detector's dead time, with what their spread says.
void CountingLab::cmdRepeat_Click()
{
    const auto settings = readSettings();
    if (!settings)
        return;
    const auto entry = decay::readRepeatSettings({text(txtRepeats), text(txtRepeatRate), text(txtRepeatTime), decimalPoint(*this)});
    if (!entry.settings) {
        m_platform.showError(this, tr("Counting lab"), modelText(entry.error));
        return;
    }
    m_session.repeat(*entry.settings, settings->deadTime, m_platform.randomSeed());
    showRepeat();
}

void CountingLab::showRepeat()
{
    const decay::Dispersion d = decay::dispersion(m_session.repeats());
    //: %1 the number of counts, %2 their mean, %3 their variance, %4 the index of dispersion, %5 the chi-square,
    //: %6 its degrees of freedom, %7 the p-value.
    lblRepeat->setText(tr("%1 counts: mean %2, variance %3.\nIndex of dispersion D = variance / mean = %4; "
                          "\u03C7\u00B2 = (N \u2212 1) D = %5 on %6 degrees of freedom, p = %7 (two-sided).\n"
                          "For Poisson counts D is near 1; a counter's dead time makes it smaller.")
                           .arg(numbers::count(d.n), numbers::significant(d.mean, 5), numbers::significant(d.variance, 5),
                                numbers::significant(d.index, 3), numbers::significant(d.chiSquare, 4))
                           .arg(d.degreesOfFreedom)
                           .arg(numbers::significant(d.pValue, 2)));
    showPlot();
}

// The Geiger tube comes with its dead time; the entry stays the user's to change.
void CountingLab::cboDetector_Change()
{
    txtDeadTime->setText(cboDetector->currentIndex() == 1 ? QStringLiteral("100") : QStringLiteral("0"));
}

void CountingLab::cmdSilver_Click()
{
    const decay::NumberEntry seconds = decay::readActivationTime(text(txtActivation), decimalPoint(*this));
    if (!seconds.value) {
        m_platform.showError(this, tr("Counting lab"), modelText(seconds.error));
        return;
    }
    const auto run = decay::silverRun(*seconds.value, m_platform.randomSeed());
    if (!run)
        return;
    setSample(*run, tr("1 g of silver after %1 s in a neutron source").arg(numbers::significant(*seconds.value, 6)));
    cboFitModel->setCurrentIndex(1);
}

// The shape the list names; one nuclide for a place it does not have.
decay::FitShape CountingLab::fitShape() const
{
    switch (cboFitModel->currentIndex()) {
    case 1: return decay::FitShape::TwoNuclides;
    case 2: return decay::FitShape::Chain;
    default: return decay::FitShape::OneNuclide;
    }
}
