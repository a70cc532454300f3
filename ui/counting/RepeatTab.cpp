#include "RepeatTab.h"

#include "model/counting/CountingSession.h"
#include "ui/Look.h"
#include "ui/ModelText.h"
#include "ui/Numbers.h"
#include "ui/Platform.h"

#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

using look::decimalPoint;
using look::text;

RepeatTab::RepeatTab(decay::CountingSession& session, Platform& platform, CountingTab::Settings settings, std::function<void()> changed)
    : m_session(session)
    , m_platform(platform)
    , m_settings(std::move(settings))
    , m_changed(std::move(changed))
{
    look::name(this, QStringLiteral("pageRepeat"), tr("Repeat counts"));
    auto* layout = new QVBoxLayout(this);
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
    lblRepeat = new QLabel(modelText(m_session.repeatMessage(), decay::kCountingContext));
    lblRepeat->setObjectName(QStringLiteral("lblRepeat"));
    lblRepeat->setWordWrap(true);
    lblRepeat->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    layout->addWidget(lblRepeat, 1);

    connect(cmdRepeat, &QPushButton::clicked, this, &RepeatTab::cmdRepeat_Click);
}

void RepeatTab::cmdRepeat_Click()
{
    const auto settings = m_settings();
    if (!settings)
        return;
    const decay::Message refusal = m_session.repeat({text(txtRepeats), text(txtRepeatRate), text(txtRepeatTime), decimalPoint(*this)},
                                                    settings->deadTime, m_platform.drawSeed(decay::LessonDraw::Repeat));
    if (!refusal.empty()) {
        const auto shorter = [this](const decay::Remedy::Change& change) {
            if (change.entry == decay::Remedy::Entry::RepeatSeconds)
                txtRepeatTime->setText(numbers::entry(change.value, 15));
        };
        if (changedOnRefusal(m_platform, this, tr("Counting lab"), refusal, shorter))
            cmdRepeat_Click();
        return;
    }
    showRepeats();
}

void RepeatTab::showRepeats()
{
    lblRepeat->setText(modelText(m_session.repeatMessage(), decay::kCountingContext));
    m_changed();
}
