#include "DatingTab.h"

#include "model/counting/CountingSession.h"
#include "ui/Look.h"
#include "ui/ModelText.h"
#include "ui/Platform.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

using look::decimalPoint;
using look::text;

DatingTab::DatingTab(decay::CountingSession& session, Platform& platform, CountingTab::Settings settings, std::function<void()> changed)
    : m_session(session)
    , m_platform(platform)
    , m_settings(std::move(settings))
    , m_changed(std::move(changed))
{
    look::name(this, QStringLiteral("pageDating"), tr("Radiocarbon dating"));
    auto* layout = new QVBoxLayout(this);
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
    cmdDateRecording = look::plainButton(QStringLiteral("cmdDateRecording"), tr("Date the recording"));
    cmdDateRecording->setToolTip(tr("Dates the real counter's recording as a sample of the carbon above, against the background it recorded, with the detector's efficiency."));
    form->addRow(QString(), cmdDateRecording);
    layout->addLayout(form);
    lblDating = new QLabel;
    lblDating->setObjectName(QStringLiteral("lblDating"));
    lblDating->setWordWrap(true);
    lblDating->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    layout->addWidget(lblDating, 1);

    connect(cmdNewSample, &QPushButton::clicked, this, &DatingTab::cmdNewSample_Click);
    connect(cmdCountSample, &QPushButton::clicked, this, &DatingTab::cmdCountSample_Click);
    connect(cmdReveal, &QPushButton::clicked, this, &DatingTab::cmdReveal_Click);
    connect(cmdDateRecording, &QPushButton::clicked, this, &DatingTab::cmdDateRecording_Click);
    showDating();
}

void DatingTab::cmdNewSample_Click()
{
    const decay::Message refusal = m_session.newDatingSample(text(txtCarbon), text(txtAge), decimalPoint(*this), m_platform.drawSeed(decay::LessonDraw::DatingSample));
    if (!refusal.empty()) {
        m_platform.showError(this, tr("Counting lab"), modelText(refusal));
        return;
    }
    showDating();
}

void DatingTab::cmdCountSample_Click()
{
    if (!m_session.datingSample())
        cmdNewSample_Click();
    if (!m_session.datingSample())
        return;
    const auto settings = m_settings();
    if (!settings)
        return;
    const decay::Message refusal = m_session.countDatingSample(*settings, text(txtDatingTime), decimalPoint(*this), m_platform.drawSeed(decay::LessonDraw::DatingCount));
    if (!refusal.empty()) {
        m_platform.showError(this, tr("Counting lab"), modelText(refusal));
        return;
    }
    showDating();
}

void DatingTab::cmdReveal_Click()
{
    m_session.revealAge();
    showDating();
}

void DatingTab::cmdDateRecording_Click()
{
    const auto settings = m_settings();
    if (!settings)
        return;
    const decay::Message refusal = m_session.dateRecording(text(txtCarbon), settings->efficiency, decimalPoint(*this));
    if (!refusal.empty()) {
        m_platform.showError(this, tr("Counting lab"), modelText(refusal));
        return;
    }
    showDating();
}

void DatingTab::showDating()
{
    lblDating->setText(modelText(m_session.datingReport(), decay::kCountingContext));
    cmdReveal->setEnabled(m_session.datingSample().has_value());
    m_changed();
}
