#include "DetectorBox.h"

#include "model/counting/CountingSession.h"
#include "ui/Look.h"
#include "ui/ModelText.h"
#include "ui/Platform.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using look::decimalPoint;
using look::qtext;
using look::text;

DetectorBox::DetectorBox(decay::CountingSession& session, Platform& platform, std::function<void()> measured)
    : QGroupBox(tr("Detector"))
    , m_session(session)
    , m_platform(platform)
    , m_measured(std::move(measured))
{
    look::name(this, QStringLiteral("frmDetector"), title());
    auto* form = new QFormLayout(this);
    cboDetector = new QComboBox;
    look::name(cboDetector, QStringLiteral("cboDetector"), tr("Detector:"));
    cboDetector->addItems({tr("Ideal counter"), tr("Geiger tube")});
    form->addRow(tr("Detector:"), cboDetector);
    txtDeadTime = look::formField(form, QStringLiteral("txtDeadTime"), tr("Dead time (µs):"));
    txtDeadTime->setText(QStringLiteral("0"));
    cboDeadTime = new QComboBox;
    look::name(cboDeadTime, QStringLiteral("cboDeadTime"), tr("Dead time kind:"));
    cboDeadTime->addItems({tr("non-paralysable"), tr("paralysable")});
    form->addRow(tr("Dead time kind:"), cboDeadTime);
    txtEfficiency = look::formField(form, QStringLiteral("txtEfficiency"), tr("Efficiency:"));
    txtEfficiency->setText(QStringLiteral("0") + qtext(decimalPoint(*this)) + QStringLiteral("1"));
    txtBackground = look::formField(form, QStringLiteral("txtBackground"), tr("Background rate (per second):"));
    txtBackground->setText(QStringLiteral("0") + qtext(decimalPoint(*this)) + QStringLiteral("5"));
    txtBackgroundTime = look::formField(form, QStringLiteral("txtBackgroundTime"), tr("Background counting time (s):"));
    txtBackgroundTime->setText(QStringLiteral("600"));
    cmdBackground = look::plainButton(QStringLiteral("cmdBackground"), tr("Measure background"));
    form->addRow(QString(), cmdBackground);
    lblBackground = new QLabel;
    lblBackground->setObjectName(QStringLiteral("lblBackground"));
    lblBackground->setWordWrap(true);
    form->addRow(lblBackground);

    connect(cmdBackground, &QPushButton::clicked, this, &DetectorBox::cmdBackground_Click);
    connect(cboDetector, &QComboBox::currentIndexChanged, this, &DetectorBox::cboDetector_Change);
}

std::optional<decay::CounterSettings> DetectorBox::readSettings(const QString& interval)
{
    const auto entry = decay::readCounterSettings(
        {text(txtEfficiency), text(txtBackground), interval.toStdString(), decimalPoint(*this), text(txtDeadTime),
         cboDeadTime->currentIndex() == 1 ? decay::DeadTime::Kind::Paralysable : decay::DeadTime::Kind::NonParalysable});
    if (!entry.settings)
        m_platform.showError(this, tr("Counting lab"), modelText(entry.error));
    return entry.settings;
}

void DetectorBox::cmdBackground_Click()
{
    const auto settings = readSettings(QStringLiteral("1"));
    if (!settings)
        return;
    const decay::Message refusal = m_session.measureBackground(*settings, text(txtBackgroundTime), decimalPoint(*this), m_platform.drawSeed(decay::LessonDraw::Background));
    if (!refusal.empty()) {
        m_platform.showError(this, tr("Counting lab"), modelText(refusal));
        return;
    }
    showBackground();
    m_measured();
}

void DetectorBox::showBackground()
{
    lblBackground->setText(modelText(m_session.backgroundMessage(), decay::kCountingContext));
}

// The Geiger tube comes with its dead time; the entry stays the user's to change.
void DetectorBox::cboDetector_Change()
{
    txtDeadTime->setText(cboDetector->currentIndex() == 1 ? QStringLiteral("100") : QStringLiteral("0"));
}
