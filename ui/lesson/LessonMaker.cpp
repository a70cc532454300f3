#include "LessonMaker.h"

#include "LessonFiles.h"
#include "model/common/Conversions.h"
#include "model/lesson/HandOut.h"
#include "model/lesson/LessonControls.h"
#include "model/lesson/LessonMarking.h"
#include "ui/ExportFile.h"
#include "ui/Look.h"
#include "ui/ModelText.h"
#include "ui/Numbers.h"
#include "ui/Platform.h"

#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QFormLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRandomGenerator>
#include <QTableWidget>
#include <QVBoxLayout>

using look::qtext;
using look::text;

namespace {

enum ControlColumn { ColControl, ColValue, ColUse, ColLow, ColHigh, ControlColumns };

constexpr decay::QuestionKind kKinds[] = {decay::QuestionKind::None, decay::QuestionKind::Number, decay::QuestionKind::Choice,
                                          decay::QuestionKind::Text, decay::QuestionKind::ReadOff};

// "step = 10; member = Rn-222" as the quantity's arguments.
std::map<std::string, std::string> arguments(const QString& typed)
{
    std::map<std::string, std::string> read;
    for (const QString& pair : typed.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const QString key = pair.section(QLatin1Char('='), 0, 0).trimmed();
        if (!key.isEmpty())
            read[key.toStdString()] = pair.section(QLatin1Char('='), 1).trimmed().toStdString();
    }
    return read;
}

QString argumentsText(const std::map<std::string, std::string>& given)
{
    QStringList pairs;
    for (const auto& [key, value] : given)
        pairs.append(qtext(key) + QStringLiteral(" = ") + qtext(value));
    return pairs.join(QStringLiteral("; "));
}

} // namespace

LessonMaker::LessonMaker(decay::LessonPart part, std::vector<std::pair<std::string, std::string>> setup, const QStringList& controls,
                         Platform& platform, const QString& webPage)
    : m_part(part)
    , m_setup(std::move(setup))
    , m_platform(platform)
    , m_webPage(webPage)
    , m_id(decay::lessonId(static_cast<std::uint64_t>(platform.now().toMSecsSinceEpoch()) ^ QRandomGenerator::system()->generate64()))
    , m_seed(QRandomGenerator::system()->generate64() >> 12)
{
    look::ownWindow(this, QStringLiteral("LessonMaker"), tr("Make lesson: %1").arg(modelText(decay::partName(part))));
    auto* top = new QHBoxLayout(this);
    auto* left = new QVBoxLayout;
    left->addWidget(buildLessonBox());
    left->addWidget(buildControlsBox(controls), 1);
    auto* right = new QVBoxLayout;
    right->addWidget(buildStepsBox(), 1);
    right->addLayout(buildCommands());
    top->addLayout(left, 1);
    top->addLayout(right, 1);
    connectHandlers();
    showStep();
    resize(1200, 760);
}

// Title, introduction, seed policy, feedback and the hand-in.
QWidget* LessonMaker::buildLessonBox()
{
    auto* box = new QGroupBox(tr("Lesson"));
    look::name(box, QStringLiteral("frmLesson"), box->title());
    auto* form = new QFormLayout(box);
    txtTitle = look::formField(form, QStringLiteral("txtTitle"), tr("Title:"));
    txtIntroduction = new QPlainTextEdit;
    look::name(txtIntroduction, QStringLiteral("txtIntroduction"), tr("Introduction:"));
    txtIntroduction->setTabChangesFocus(true);
    txtIntroduction->setFixedHeight(txtIntroduction->fontMetrics().lineSpacing() * 4 + 12);
    form->addRow(tr("Introduction:"), txtIntroduction);
    optShared = new QRadioButton(tr("The same data for everyone"));
    optShared->setObjectName(QStringLiteral("optShared"));
    optPerStudent = new QRadioButton(tr("Each student's own data, from the name typed"));
    optPerStudent->setObjectName(QStringLiteral("optPerStudent"));
    optPerStudent->setChecked(true);
    auto* seeds = new QVBoxLayout;
    seeds->addWidget(optShared);
    seeds->addWidget(optPerStudent);
    form->addRow(tr("Data:"), seeds);
    chkFeedback = new QCheckBox(tr("Check answers at once"));
    chkFeedback->setObjectName(QStringLiteral("chkFeedback"));
    chkFeedback->setChecked(true);
    chkHandInAnswers = new QCheckBox(tr("The hand-in carries the answers"));
    chkHandInAnswers->setObjectName(QStringLiteral("chkHandInAnswers"));
    chkHandInAnswers->setChecked(true);
    chkHandInData = new QCheckBox(tr("The hand-in carries the run's data file"));
    chkHandInData->setObjectName(QStringLiteral("chkHandInData"));
    auto* checks = new QVBoxLayout;
    for (QCheckBox* check : {chkFeedback, chkHandInAnswers, chkHandInData})
        checks->addWidget(check);
    form->addRow(QString(), checks);
    return box;
}

// Each control with the value the lesson sets and what a student may do with it. The designed
// decay run takes the entries only.
QWidget* LessonMaker::buildControlsBox(const QStringList& controls)
{
    auto* box = new QGroupBox(tr("Controls"));
    look::name(box, QStringLiteral("frmControls"), box->title());
    auto* layout = new QVBoxLayout(box);
    tblControls = new QTableWidget(0, ControlColumns);
    look::name(tblControls, QStringLiteral("tblControls"), box->title());
    tblControls->setHorizontalHeaderLabels({tr("Control"), tr("Value"), tr("Student may"), tr("From"), tr("To")});
    tblControls->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    tblControls->horizontalHeader()->setStretchLastSection(true);
    tblControls->verticalHeader()->hide();
    const bool ruled = m_part != decay::LessonPart::Run;
    for (const QString& name : controls) {
        const decay::LessonControl* control = decay::lessonControl(m_part, name.toStdString());
        if (!control)
            continue;
        const int row = tblControls->rowCount();
        tblControls->insertRow(row);
        auto* nameItem = new QTableWidgetItem(name);
        nameItem->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        tblControls->setItem(row, ColControl, nameItem);
        QString value;
        for (const auto& [key, set] : m_setup)
            if (key == name.toStdString())
                value = control->kind == decay::ControlKind::Entry ? qtext(decay::shownEntry(set, look::decimalPoint(*this))) : qtext(set);
        auto* valueItem = new QTableWidgetItem(value);
        valueItem->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        tblControls->setItem(row, ColValue, valueItem);
        auto* use = new QComboBox;
        look::name(use, QStringLiteral("cboUse_") + name, tr("Student may"));
        use->addItem(tr("change it"), static_cast<int>(decay::ControlUse::Open));
        use->addItem(tr("see it only (locked)"), static_cast<int>(decay::ControlUse::Locked));
        use->addItem(tr("not see it (hidden)"), static_cast<int>(decay::ControlUse::Hidden));
        if (control->kind == decay::ControlKind::Entry)
            use->addItem(tr("change it within a range"), static_cast<int>(decay::ControlUse::Range));
        use->setEnabled(ruled);
        tblControls->setCellWidget(row, ColUse, use);
        tblControls->setItem(row, ColLow, new QTableWidgetItem);
        tblControls->setItem(row, ColHigh, new QTableWidgetItem);
    }
    layout->addWidget(tblControls);
    if (!ruled) {
        auto* note = new QLabel(tr("The decay run takes the lesson's entries; its window stays as it is."));
        note->setObjectName(QStringLiteral("lblControlsNote"));
        note->setWordWrap(true);
        layout->addWidget(note);
    }
    return box;
}

// The steps in order, and the one chosen in the editor below them.
QWidget* LessonMaker::buildStepsBox()
{
    auto* box = new QGroupBox(tr("Steps"));
    look::name(box, QStringLiteral("frmSteps"), box->title());
    auto* layout = new QVBoxLayout(box);
    lstSteps = new QListWidget;
    look::name(lstSteps, QStringLiteral("lstSteps"), box->title());
    lstSteps->setMaximumHeight(140);
    cmdAddStep = look::plainButton(QStringLiteral("cmdAddStep"), tr("Add step"));
    cmdRemoveStep = look::plainButton(QStringLiteral("cmdRemoveStep"), tr("Remove step"));
    auto* listRow = new QHBoxLayout;
    listRow->addWidget(lstSteps, 1);
    auto* listCommands = new QVBoxLayout;
    listCommands->addWidget(cmdAddStep);
    listCommands->addWidget(cmdRemoveStep);
    listCommands->addStretch();
    listRow->addLayout(listCommands);
    layout->addLayout(listRow);

    auto* form = new QFormLayout;
    txtStepText = new QPlainTextEdit;
    look::name(txtStepText, QStringLiteral("txtStepText"), tr("Text:"));
    txtStepText->setTabChangesFocus(true);
    txtStepText->setFixedHeight(txtStepText->fontMetrics().lineSpacing() * 4 + 12);
    form->addRow(tr("Text:"), txtStepText);
    cboQuestion = new QComboBox;
    look::name(cboQuestion, QStringLiteral("cboQuestion"), tr("Question:"));
    cboQuestion->addItems({tr("none"), tr("a number"), tr("multiple choice"), tr("free text"), tr("a value read off the chart")});
    form->addRow(tr("Question:"), cboQuestion);
    txtUnit = look::formField(form, QStringLiteral("txtUnit"), tr("Unit:"));
    txtTolerance = look::formField(form, QStringLiteral("txtTolerance"), tr("Right within (%):"));
    txtAbsolute = look::formField(form, QStringLiteral("txtAbsolute"), tr("or within (in the unit):"));
    txtChoices = new QPlainTextEdit;
    look::name(txtChoices, QStringLiteral("txtChoices"), tr("Choices, one a line:"));
    txtChoices->setTabChangesFocus(true);
    txtChoices->setFixedHeight(txtChoices->fontMetrics().lineSpacing() * 4 + 12);
    form->addRow(tr("Choices, one a line:"), txtChoices);
    cboExpected = new QComboBox;
    look::name(cboExpected, QStringLiteral("cboExpected"), tr("Expected answer:"));
    cboExpected->addItem(tr("the number or choice below"), QString());
    for (const decay::QuantityInfo& quantity : decay::lessonQuantities(m_part))
        cboExpected->addItem(modelText(quantity.description), qtext(quantity.name));
    form->addRow(tr("Expected answer:"), cboExpected);
    txtExpected = look::formField(form, QStringLiteral("txtExpected"), tr("Number, or choice from 1:"));
    txtArguments = look::formField(form, QStringLiteral("txtArguments"), tr("Of (name = value; ...):"));
    lblQuantity = new QLabel;
    lblQuantity->setObjectName(QStringLiteral("lblQuantity"));
    lblQuantity->setWordWrap(true);
    form->addRow(QString(), lblQuantity);
    layout->addLayout(form);
    return box;
}

QLayout* LessonMaker::buildCommands()
{
    cmdPreview = look::plainButton(QStringLiteral("cmdPreview"), tr("Preview"));
    cmdSaveLesson = look::plainButton(QStringLiteral("cmdSaveLesson"), tr("Save lesson..."));
    cmdCopyLink = look::plainButton(QStringLiteral("cmdCopyLink"), tr("Copy link"));
    txtLink = new QLineEdit;
    look::name(txtLink, QStringLiteral("txtLink"), tr("Link"));
    txtLink->setReadOnly(true);
    cmdSavePage = look::plainButton(QStringLiteral("cmdSavePage"), tr("Save lesson as web page..."));
    lblWebPage = new QLabel;
    lblWebPage->setObjectName(QStringLiteral("lblWebPage"));
    lblWebPage->setWordWrap(true);
    if (m_webPage.isEmpty()) {
        cmdSavePage->setEnabled(false);
        lblWebPage->setText(tr("The web page is not installed with this build, so a lesson cannot be saved as a page here."));
    }
    cmdCollect = look::plainButton(QStringLiteral("cmdCollect"), tr("Collect hand-ins..."));
    cmdClose = look::plainButton(QStringLiteral("cmdClose"), tr("Close"));

    auto* layout = new QVBoxLayout;
    auto* first = new QHBoxLayout;
    for (QPushButton* b : {cmdPreview, cmdSaveLesson, cmdCopyLink, cmdSavePage})
        first->addWidget(b);
    layout->addLayout(first);
    layout->addWidget(txtLink);
    layout->addWidget(lblWebPage);
    auto* second = new QHBoxLayout;
    second->addWidget(cmdCollect);
    second->addStretch();
    second->addWidget(cmdClose);
    layout->addLayout(second);
    return layout;
}

void LessonMaker::connectHandlers()
{
    connect(cmdAddStep, &QPushButton::clicked, this, &LessonMaker::cmdAddStep_Click);
    connect(cmdRemoveStep, &QPushButton::clicked, this, &LessonMaker::cmdRemoveStep_Click);
    connect(lstSteps, &QListWidget::currentRowChanged, this, &LessonMaker::lstSteps_Change);
    connect(txtStepText, &QPlainTextEdit::textChanged, this, &LessonMaker::step_Change);
    connect(cboQuestion, &QComboBox::currentIndexChanged, this, &LessonMaker::step_Change);
    for (QLineEdit* field : {txtUnit, txtTolerance, txtAbsolute, txtExpected, txtArguments})
        connect(field, &QLineEdit::textChanged, this, &LessonMaker::step_Change);
    connect(txtChoices, &QPlainTextEdit::textChanged, this, &LessonMaker::step_Change);
    connect(cboExpected, &QComboBox::currentIndexChanged, this, &LessonMaker::step_Change);
    connect(cmdPreview, &QPushButton::clicked, this, &LessonMaker::cmdPreview_Click);
    connect(cmdSaveLesson, &QPushButton::clicked, this, &LessonMaker::cmdSaveLesson_Click);
    connect(cmdCopyLink, &QPushButton::clicked, this, &LessonMaker::cmdCopyLink_Click);
    connect(cmdSavePage, &QPushButton::clicked, this, &LessonMaker::cmdSavePage_Click);
    connect(cmdCollect, &QPushButton::clicked, this, &LessonMaker::cmdCollect_Click);
    connect(cmdClose, &QPushButton::clicked, this, &LessonMaker::cmdClose_Click);
}

// Steps

void LessonMaker::cmdAddStep_Click()
{
    decay::LessonStep step;
    step.text = decay::textIn(lessonfiles::userLanguage(), std::string());
    step.tolerance.relative = 0.05;
    m_steps.push_back(step);
    lstSteps->addItem(tr("Step %1").arg(m_steps.size()));
    lstSteps->setCurrentRow(lstSteps->count() - 1);
    txtStepText->setFocus();
}

void LessonMaker::cmdRemoveStep_Click()
{
    const int row = lstSteps->currentRow();
    if (row < 0)
        return;
    m_steps.erase(m_steps.begin() + row);
    delete lstSteps->takeItem(row);
    for (int i = 0; i < lstSteps->count(); ++i)
        lstSteps->item(i)->setText(tr("Step %1").arg(i + 1));
    showStep();
}

void LessonMaker::lstSteps_Change()
{
    showStep();
}

// The chosen step in the editor; without one the editor waits.
void LessonMaker::showStep()
{
    const int row = lstSteps->currentRow();
    const bool chosen = row >= 0 && row < static_cast<int>(m_steps.size());
    for (QWidget* w : std::initializer_list<QWidget*>{txtStepText, cboQuestion, txtUnit, txtTolerance, txtAbsolute, txtChoices, cboExpected,
                                                      txtExpected, txtArguments, cmdRemoveStep})
        w->setEnabled(chosen);
    m_showing = true;
    if (!chosen) {
        txtStepText->clear();
        m_showing = false;
        return;
    }
    const decay::LessonStep& step = m_steps[static_cast<std::size_t>(row)];
    const std::string language = lessonfiles::userLanguage();
    txtStepText->setPlainText(qtext(step.text.in(language)));
    cboQuestion->setCurrentIndex(static_cast<int>(std::find(std::begin(kKinds), std::end(kKinds), step.question) - std::begin(kKinds)));
    txtUnit->setText(qtext(step.unit));
    txtTolerance->setText(step.tolerance.relative > 0 ? numbers::entry(100 * step.tolerance.relative, 10) : QString());
    txtAbsolute->setText(step.tolerance.absolute > 0 ? numbers::entry(step.tolerance.absolute, 10) : QString());
    QStringList choices;
    for (const decay::LessonText& choice : step.choices)
        choices.append(qtext(choice.in(language)));
    txtChoices->setPlainText(choices.join(QLatin1Char('\n')));
    const decay::ExpectedAnswer none;
    const decay::ExpectedAnswer& answer = step.answer ? *step.answer : none;
    cboExpected->setCurrentIndex(std::max(0, cboExpected->findData(qtext(answer.quantity))));
    txtExpected->setText(answer.value ? numbers::entry(*answer.value, 10) : answer.choice ? QString::number(*answer.choice + 1) : QString());
    txtArguments->setText(argumentsText(answer.arguments));
    m_showing = false;
    step_Change();
}

// Every edit of the editor goes into the chosen step at once.
void LessonMaker::step_Change()
{
    const int row = lstSteps->currentRow();
    if (m_showing || row < 0 || row >= static_cast<int>(m_steps.size()))
        return;
    decay::LessonStep& step = m_steps[static_cast<std::size_t>(row)];
    const std::string language = lessonfiles::userLanguage();
    const std::string point = look::decimalPoint(*this);
    step.text = decay::editedText(step.text, language, txtStepText->toPlainText().toStdString());
    step.question = kKinds[std::clamp(cboQuestion->currentIndex(), 0, 4)];
    const bool number = step.question == decay::QuestionKind::Number || step.question == decay::QuestionKind::ReadOff;
    const bool choice = step.question == decay::QuestionKind::Choice;
    step.unit = number ? text(txtUnit) : std::string();
    step.tolerance.relative = number ? decay::answerNumber(text(txtTolerance), point).value_or(0) / 100 : 0;
    step.tolerance.absolute = number ? decay::answerNumber(text(txtAbsolute), point).value_or(0) : 0;
    std::vector<decay::LessonText> choices;
    if (choice)
        for (const QString& line : txtChoices->toPlainText().split(QLatin1Char('\n'), Qt::SkipEmptyParts))
            choices.push_back(decay::editedText(choices.size() < step.choices.size() ? step.choices[choices.size()] : decay::LessonText{},
                                                language, line.toStdString()));
    step.choices = std::move(choices);
    const QString quantity = cboExpected->currentData().toString();
    const auto literal = decay::answerNumber(text(txtExpected), point);
    step.answer.reset();
    if (number && !quantity.isEmpty()) {
        step.answer = decay::ExpectedAnswer{};
        step.answer->quantity = quantity.toStdString();
        step.answer->arguments = arguments(txtArguments->text());
    } else if (number && literal) {
        step.answer = decay::ExpectedAnswer{};
        step.answer->value = literal;
    } else if (choice && literal && *literal >= 1 && *literal <= static_cast<double>(step.choices.size())) {
        step.answer = decay::ExpectedAnswer{};
        step.answer->choice = static_cast<int>(*literal) - 1;
    }
    for (QWidget* w : std::initializer_list<QWidget*>{txtUnit, txtTolerance, txtAbsolute, cboExpected, txtArguments})
        w->setEnabled(number);
    txtChoices->setEnabled(choice);
    txtExpected->setEnabled(choice || (number && quantity.isEmpty()));
    txtArguments->setEnabled(number && !quantity.isEmpty());
    QString about;
    for (const decay::QuantityInfo& info : decay::lessonQuantities(m_part))
        if (qtext(info.name) == quantity) {
            QStringList names;
            for (const std::string& argument : info.arguments)
                names.append(qtext(argument));
            about = names.isEmpty() ? QString() : tr("It needs: %1.").arg(names.join(QStringLiteral(", ")));
            if (info.time)
                about += (about.isEmpty() ? QString() : QStringLiteral(" ")) + tr("It is a time: give the unit as s, min, h, d or y.");
        }
    lblQuantity->setText(about);
}

// The lesson

decay::Lesson LessonMaker::lesson() const
{
    const std::string language = lessonfiles::userLanguage();
    decay::Lesson lesson;
    lesson.id = m_id;
    lesson.title = decay::editedText(m_opened ? m_opened->title : decay::LessonText{}, language, text(txtTitle));
    lesson.introduction = decay::editedText(m_opened ? m_opened->introduction : decay::LessonText{}, language,
                                            txtIntroduction->toPlainText().toStdString());
    lesson.part = m_part;
    lesson.setup = m_setup;
    lesson.seedPolicy = optShared->isChecked() ? decay::SeedPolicy::Shared : decay::SeedPolicy::PerStudent;
    lesson.seed = m_seed;
    const std::string point = look::decimalPoint(*this);
    for (int row = 0; row < tblControls->rowCount(); ++row) {
        const auto use = static_cast<decay::ControlUse>(static_cast<QComboBox*>(tblControls->cellWidget(row, ColUse))->currentData().toInt());
        if (use == decay::ControlUse::Open)
            continue;
        decay::ControlRule rule{tblControls->item(row, ColControl)->text().toStdString(), use, 0, 0};
        if (use == decay::ControlUse::Range) {
            rule.low = decay::answerNumber(tblControls->item(row, ColLow)->text().toStdString(), point).value_or(0);
            rule.high = decay::answerNumber(tblControls->item(row, ColHigh)->text().toStdString(), point).value_or(0);
        }
        lesson.controls.push_back(rule);
    }
    lesson.steps = m_steps;
    lesson.feedback = chkFeedback->isChecked();
    lesson.handInAnswers = chkHandInAnswers->isChecked();
    lesson.handInData = chkHandInData->isChecked();
    if (m_opened) {
        // The rules the edited lesson had stay in its order, new ones after them.
        const auto place = [this](const decay::ControlRule& rule) {
            const auto& old = m_opened->controls;
            return std::find_if(old.begin(), old.end(), [&rule](const decay::ControlRule& o) { return o.name == rule.name; }) - old.begin();
        };
        std::stable_sort(lesson.controls.begin(), lesson.controls.end(),
                         [&place](const decay::ControlRule& a, const decay::ControlRule& b) { return place(a) < place(b); });
        decay::keepUnknown(lesson, *m_opened);
    }
    return lesson;
}

void LessonMaker::edit(const decay::Lesson& opened)
{
    m_opened = opened;
    m_id = opened.id;
    m_seed = opened.seed;
    const std::string language = lessonfiles::userLanguage();
    setWindowTitle(tr("Edit lesson: %1").arg(qtext(opened.title.in(language))));
    txtTitle->setText(qtext(opened.title.in(language)));
    txtIntroduction->setPlainText(qtext(opened.introduction.in(language)));
    (opened.seedPolicy == decay::SeedPolicy::Shared ? optShared : optPerStudent)->setChecked(true);
    chkFeedback->setChecked(opened.feedback);
    chkHandInAnswers->setChecked(opened.handInAnswers);
    chkHandInData->setChecked(opened.handInData);
    for (int row = 0; row < tblControls->rowCount(); ++row) {
        const decay::ControlRule* rule = opened.rule(tblControls->item(row, ColControl)->text().toStdString());
        auto* use = static_cast<QComboBox*>(tblControls->cellWidget(row, ColUse));
        use->setCurrentIndex(std::max(0, use->findData(static_cast<int>(rule ? rule->use : decay::ControlUse::Open))));
        const bool range = rule && rule->use == decay::ControlUse::Range;
        tblControls->item(row, ColLow)->setText(range ? numbers::entry(rule->low, 10) : QString());
        tblControls->item(row, ColHigh)->setText(range ? numbers::entry(rule->high, 10) : QString());
    }
    m_steps = opened.steps;
    lstSteps->clear();
    for (std::size_t i = 1; i <= m_steps.size(); ++i)
        lstSteps->addItem(tr("Step %1").arg(i));
    lstSteps->setCurrentRow(m_steps.empty() ? -1 : 0);
    showStep();
}

std::optional<decay::Lesson> LessonMaker::checkedLesson(const QString& title)
{
    decay::Lesson made = lesson();
    if (txtTitle->text().trimmed().isEmpty()) {
        m_platform.showError(this, title, tr("Give the lesson a title first."));
        txtTitle->setFocus();
        return std::nullopt;
    }
    const decay::Message fault = decay::lessonFault(made);
    if (!fault.empty()) {
        m_platform.showError(this, title, tr("The lesson cannot be given to a class yet.") + QStringLiteral("\n\n") + modelText(fault));
        return std::nullopt;
    }
    return made;
}

void LessonMaker::cmdPreview_Click()
{
    if (const auto made = checkedLesson(tr("Preview")))
        emit previewRequested(*made);
}

void LessonMaker::cmdSaveLesson_Click()
{
    const QString title = tr("Save lesson");
    const auto made = checkedLesson(title);
    if (!made)
        return;
    exportFile(*this, m_platform,
               {title, qtext(decay::lessonFileName(*made)), tr("Lessons (*.atomdrift)"), {QStringLiteral("atomdrift")},
                tr("The lesson was not saved.")},
               [&made](const QString&) { return ExportBytes{QByteArray::fromStdString(decay::writeLesson(*made)), {}}; });
}

// A link travels in a mail or a chat only while it is short; a longer lesson goes as a file or a page.
void LessonMaker::cmdCopyLink_Click()
{
    const QString title = tr("Copy link");
    const auto made = checkedLesson(title);
    if (!made)
        return;
    const QString link = QStringLiteral("atomdrift.html") + qtext(decay::lessonFragment(*made));
    if (static_cast<std::size_t>(link.size()) > decay::kMostLinkCharacters) {
        txtLink->clear();
        m_platform.showError(this, title, tr("The link would be %1 characters long, more than the %2 that mail programs and learning "
                                             "platforms keep whole. Hand the lesson out as a file (\"Save lesson...\") or as a web page instead.")
                                              .arg(link.size()).arg(decay::kMostLinkCharacters));
        return;
    }
    txtLink->setText(link);
    txtLink->setCursorPosition(0);
    QGuiApplication::clipboard()->setText(link);
}

void LessonMaker::cmdSavePage_Click()
{
    const QString title = tr("Save lesson as web page");
    const auto made = checkedLesson(title);
    if (!made || m_webPage.isEmpty())
        return;
    QFile file(m_webPage);
    if (!file.open(QIODevice::ReadOnly)) {
        m_platform.showError(this, title, tr("The web page %1 cannot be read: %2").arg(m_webPage, file.errorString()));
        return;
    }
    const QByteArray page = file.readAll();
    exportFile(*this, m_platform,
               {title, qtext(decay::lessonFileName(*made)).section(QLatin1Char('.'), 0, -2) + QStringLiteral(".html"),
                tr("Web pages (*.html)"), {QStringLiteral("html"), QStringLiteral("htm")}, tr("The page was not saved.")},
               [&made, &page](const QString&) {
                   return ExportBytes{QByteArray::fromStdString(decay::pageWithLesson(std::string_view(page.constData(), static_cast<std::size_t>(page.size())), *made)), {}};
               });
}

void LessonMaker::cmdCollect_Click()
{
    if (const auto made = checkedLesson(tr("Collect hand-ins")))
        emit collectRequested(*made);
}

void LessonMaker::cmdClose_Click()
{
    close();
}
