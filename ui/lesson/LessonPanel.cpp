#include "LessonPanel.h"

#include "LessonFiles.h"
#include "model/lesson/HandIn.h"
#include "model/lesson/HandOut.h"
#include "ui/ExportFile.h"
#include "ui/Look.h"
#include "ui/ModelText.h"
#include "ui/Platform.h"

#include <QButtonGroup>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QVBoxLayout>

using look::qtext;

LessonPanel::LessonPanel(decay::Lesson lesson, Platform& platform, const decay::NuclideTable* table,
                         std::function<std::string()> dataFile, bool preview)
    : m_lesson(std::move(lesson))
    , m_platform(platform)
    , m_table(table)
    , m_data(std::move(dataFile))
    , m_preview(preview)
{
    const QString title = lessonfiles::shown(m_lesson.title);
    look::ownWindow(this, QStringLiteral("LessonPanel"), preview ? tr("Preview: %1").arg(title) : tr("Lesson: %1").arg(title));

    lblTitle = new QLabel(title);
    lblTitle->setObjectName(QStringLiteral("lblTitle"));
    lblTitle->setWordWrap(true);
    QFont heading = lblTitle->font();
    heading.setPointSizeF(heading.pointSizeF() * 1.4);
    heading.setBold(true);
    lblTitle->setFont(heading);
    lblIntroduction = new QLabel(lessonfiles::shown(m_lesson.introduction));
    lblIntroduction->setObjectName(QStringLiteral("lblIntroduction"));
    lblIntroduction->setWordWrap(true);
    lblIntroduction->setVisible(!m_lesson.introduction.empty());

    auto* nameForm = new QFormLayout;
    txtStudentName = look::formField(nameForm, QStringLiteral("txtStudentName"), tr("Your name:"));
    lblSeed = new QLabel;
    lblSeed->setObjectName(QStringLiteral("lblSeed"));
    lblSeed->setWordWrap(true);

    auto* stepsBox = new QWidget;
    auto* stepsLayout = new QVBoxLayout(stepsBox);
    stepsLayout->setContentsMargins(0, 0, 0, 0);
    m_steps.resize(m_lesson.steps.size());
    for (int i = 0; i < static_cast<int>(m_lesson.steps.size()); ++i)
        stepsLayout->addWidget(buildStep(i));
    stepsLayout->addStretch();
    auto* scroll = new QScrollArea;
    scroll->setObjectName(QStringLiteral("scrSteps"));
    scroll->setWidget(stepsBox);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);

    cmdHandIn = look::plainButton(QStringLiteral("cmdHandIn"), tr("Hand in"));
    cmdCollect = look::plainButton(QStringLiteral("cmdCollect"), tr("Collect hand-ins..."));
    cmdClose = look::plainButton(QStringLiteral("cmdClose"), tr("Close"));
    auto* commands = new QHBoxLayout;
    commands->addWidget(cmdHandIn);
    commands->addStretch();
    commands->addWidget(cmdCollect);
    commands->addWidget(cmdClose);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblTitle);
    layout->addWidget(lblIntroduction);
    layout->addLayout(nameForm);
    layout->addWidget(lblSeed);
    layout->addWidget(scroll, 1);
    layout->addLayout(commands);
    resize(460, 760);

    connect(txtStudentName, &QLineEdit::editingFinished, this, &LessonPanel::txtStudentName_Change);
    connect(cmdHandIn, &QPushButton::clicked, this, &LessonPanel::cmdHandIn_Click);
    connect(cmdCollect, &QPushButton::clicked, this, &LessonPanel::cmdCollect_Click);
    connect(cmdClose, &QPushButton::clicked, this, &LessonPanel::cmdClose_Click);
    txtStudentName_Change();
    txtStudentName->setFocus();
}

LessonPanel::~LessonPanel()
{
    // A field that loses the focus while the window goes finishes its editing: its handlers must
    // not reach a panel already half destroyed.
    for (QObject* child : findChildren<QObject*>()) child->disconnect(this);
}

// One step: its text, and its question answered in place.
QWidget* LessonPanel::buildStep(int index)
{
    const decay::LessonStep& step = m_lesson.steps[static_cast<std::size_t>(index)];
    const QString number = QString::number(index + 1);
    auto* box = new QGroupBox(tr("Step %1").arg(number));
    look::name(box, QStringLiteral("frmStep") + number, box->title());
    auto* layout = new QVBoxLayout(box);
    auto* text = new QLabel(lessonfiles::shown(step.text));
    text->setObjectName(QStringLiteral("lblStep") + number);
    text->setWordWrap(true);
    text->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(text);

    Step& widgets = m_steps[static_cast<std::size_t>(index)];
    const QString answerName = QStringLiteral("txtAnswer") + number;
    switch (step.question) {
    case decay::QuestionKind::None:
        return box;
    case decay::QuestionKind::Number:
    case decay::QuestionKind::ReadOff: {
        widgets.number = new QLineEdit;
        const QString caption = step.question == decay::QuestionKind::ReadOff ? tr("Value read off the chart:") : tr("Your answer:");
        look::name(widgets.number, answerName, caption);
        auto* row = new QHBoxLayout;
        row->addWidget(new QLabel(caption));
        row->addWidget(widgets.number, 1);
        auto* unit = new QLabel(qtext(step.unit));
        unit->setObjectName(QStringLiteral("lblUnit") + number);
        row->addWidget(unit);
        layout->addLayout(row);
        if (m_lesson.feedback)
            connect(widgets.number, &QLineEdit::returnPressed, this, [this, index] { cmdCheck_Click(index); });
        break;
    }
    case decay::QuestionKind::Choice:
        widgets.choices = new QButtonGroup(box);
        for (int c = 0; c < static_cast<int>(step.choices.size()); ++c) {
            auto* option = new QRadioButton(lessonfiles::shown(step.choices[static_cast<std::size_t>(c)]));
            option->setObjectName(QStringLiteral("optAnswer%1_%2").arg(number).arg(c + 1));
            widgets.choices->addButton(option, c);
            layout->addWidget(option);
        }
        break;
    case decay::QuestionKind::Text:
        widgets.text = new QPlainTextEdit;
        look::name(widgets.text, answerName, tr("Your answer:"));
        widgets.text->setTabChangesFocus(true);
        widgets.text->setFixedHeight(widgets.text->fontMetrics().lineSpacing() * 4 + 12);
        layout->addWidget(widgets.text);
        break;
    }
    // Free texts are only collected; everything else is checked at once where the lesson says so.
    if (m_lesson.feedback && step.question != decay::QuestionKind::Text && step.answer) {
        auto* check = look::plainButton(QStringLiteral("cmdCheck") + number, tr("Check"));
        widgets.mark = new QLabel;
        widgets.mark->setObjectName(QStringLiteral("lblMark") + number);
        widgets.mark->setWordWrap(true);
        auto* row = new QHBoxLayout;
        row->addWidget(check);
        row->addWidget(widgets.mark, 1);
        layout->addLayout(row);
        connect(check, &QPushButton::clicked, this, [this, index] { cmdCheck_Click(index); });
    }
    return box;
}

bool LessonPanel::named() const
{
    return m_lesson.seedPolicy == decay::SeedPolicy::Shared || !txtStudentName->text().trimmed().isEmpty();
}

// The seed follows the name as typed; the part's runs from before are of another seed.
void LessonPanel::txtStudentName_Change()
{
    const std::uint64_t seed = decay::studentSeed(m_lesson, look::text(txtStudentName));
    if (m_lesson.seedPolicy == decay::SeedPolicy::Shared)
        lblSeed->setText(tr("Everyone has the same data (seed %1).").arg(seed));
    else if (!named())
        lblSeed->setText(tr("Type your name and press Enter: your own data come from it."));
    else
        lblSeed->setText(tr("Your data come from your name (seed %1).").arg(seed));
    if (seed == m_seed && m_evaluator)
        return;
    m_seed = seed;
    m_evaluator.reset();
    for (const Step& step : m_steps)
        if (step.mark)
            step.mark->clear();
    emit seedChanged(seed);
}

decay::StudentAnswer LessonPanel::answer(int step) const
{
    const Step& widgets = m_steps[static_cast<std::size_t>(step)];
    decay::StudentAnswer given{step, {}, {}, {}};
    if (widgets.number)
        given.number = decay::answerNumber(look::text(widgets.number), look::decimalPoint(*this));
    if (widgets.choices && widgets.choices->checkedId() >= 0)
        given.choice = widgets.choices->checkedId();
    if (widgets.text)
        given.text = widgets.text->toPlainText().toStdString();
    return given;
}

std::vector<decay::StudentAnswer> LessonPanel::answers() const
{
    std::vector<decay::StudentAnswer> given;
    for (int i = 0; i < static_cast<int>(m_steps.size()); ++i)
        if (m_lesson.steps[static_cast<std::size_t>(i)].question != decay::QuestionKind::None)
            given.push_back(answer(i));
    return given;
}

void LessonPanel::cmdCheck_Click(int step)
{
    const Step& widgets = m_steps[static_cast<std::size_t>(step)];
    if (!widgets.mark)
        return;
    if (!named()) {
        widgets.mark->setText(tr("Type your name first: your data come from it."));
        return;
    }
    const decay::StudentAnswer given = answer(step);
    if (widgets.number && !given.number && !widgets.number->text().trimmed().isEmpty()) {
        widgets.mark->setText(tr("“%1” is no number.").arg(widgets.number->text()));
        return;
    }
    if (!m_evaluator)
        m_evaluator = std::make_unique<decay::LessonEvaluator>(m_lesson, m_seed, m_table);
    widgets.mark->setText(modelText(decay::markMessage(m_evaluator->mark(given))));
}

void LessonPanel::cmdHandIn_Click()
{
    const QString title = tr("Hand in");
    const std::string name = look::text(txtStudentName);
    if (txtStudentName->text().trimmed().isEmpty()) {
        m_platform.showError(this, title, tr("Type your name first: the hand-in carries it."));
        txtStudentName->setFocus();
        return;
    }
    decay::HandIn handIn;
    handIn.lessonId = m_lesson.id;
    handIn.lessonTitle = m_lesson.title.empty() ? std::string() : m_lesson.title.byLanguage.front().second;
    handIn.name = name;
    handIn.seed = decay::studentSeed(m_lesson, name);
    if (m_lesson.handInAnswers)
        handIn.answers = answers();
    if (m_lesson.handInData && m_data)
        handIn.data = m_data();
    exportFile(*this, m_platform,
               {title, qtext(decay::handInFileName(m_lesson, name)), tr("Hand-ins (*.handin)"), {QStringLiteral("handin")},
                tr("The hand-in was not saved.")},
               [&handIn](const QString&) { return ExportBytes{QByteArray::fromStdString(decay::writeHandIn(handIn)), {}}; });
}

void LessonPanel::cmdCollect_Click()
{
    emit collectRequested();
}

void LessonPanel::cmdClose_Click()
{
    close();
}
