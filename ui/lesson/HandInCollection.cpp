#include "HandInCollection.h"

#include "LessonFiles.h"
#include "ui/ExportFile.h"
#include "ui/Look.h"
#include "ui/ModelText.h"
#include "ui/Numbers.h"
#include "ui/charts/PlotChart.h"
#include "ui/charts/PlotLegend.h"
#include "ui/experiment/ExperimentPlots.h"

#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSplitter>
#include <QTableWidget>
#include <QVBoxLayout>

using look::qtext;

namespace {

QString verdictText(decay::Verdict verdict)
{
    switch (verdict) {
    case decay::Verdict::Right: return HandInCollection::tr("right");
    case decay::Verdict::Wrong: return HandInCollection::tr("wrong");
    case decay::Verdict::Unanswered: return HandInCollection::tr("unanswered");
    case decay::Verdict::Collected: return HandInCollection::tr("collected");
    case decay::Verdict::Unmarked: return HandInCollection::tr("not marked");
    }
    return {};
}

// The marks' words for the spreadsheet, in the user's language.
[[maybe_unused]] const char* const kCsvWords[] = {
    QT_TRANSLATE_NOOP("HandInCollection", "Name"),     QT_TRANSLATE_NOOP("HandInCollection", "File"),
    QT_TRANSLATE_NOOP("HandInCollection", "Seed"),     QT_TRANSLATE_NOOP("HandInCollection", "Right"),
    QT_TRANSLATE_NOOP("HandInCollection", "Marked"),   QT_TRANSLATE_NOOP("HandInCollection", "Answer %1"),
    QT_TRANSLATE_NOOP("HandInCollection", "Mark %1"),  QT_TRANSLATE_NOOP("HandInCollection", "Expected %1"),
};

} // namespace

HandInCollection::HandInCollection(decay::Lesson lesson, const std::vector<std::pair<std::string, std::string>>& files,
                                   const decay::NuclideTable* table, Platform& platform)
    : m_lesson(std::move(lesson))
    , m_platform(platform)
    , m_collection(decay::collectHandIns(m_lesson, files, table))
{
    look::ownWindow(this, QStringLiteral("HandInCollection"), tr("Hand-ins: %1").arg(lessonfiles::shown(m_lesson.title)));
    lblSummary = new QLabel;
    lblSummary->setObjectName(QStringLiteral("lblSummary"));
    lblSummary->setWordWrap(true);
    tblMarks = new QTableWidget;
    look::name(tblMarks, QStringLiteral("tblMarks"), tr("Marks"));
    tblMarks->setEditTriggers(QAbstractItemView::NoEditTriggers);
    lstRefused = new QListWidget;
    look::name(lstRefused, QStringLiteral("lstRefused"), tr("Files not counted"));
    chartClass = new PlotChart;
    look::name(chartClass, QStringLiteral("chartClass"), tr("The class's runs"));
    frmLegend = new PlotLegend(*chartClass, 4);
    look::name(frmLegend, QStringLiteral("frmLegend"), tr("Legend"));
    cmdExportCsv = look::plainButton(QStringLiteral("cmdExportCsv"), tr("Export CSV..."));
    cmdClose = look::plainButton(QStringLiteral("cmdClose"), tr("Close"));

    auto* left = new QVBoxLayout;
    left->addWidget(lblSummary);
    left->addWidget(tblMarks, 3);
    auto* refusedLabel = new QLabel(tr("Files not counted:"));
    refusedLabel->setBuddy(lstRefused);
    left->addWidget(refusedLabel);
    left->addWidget(lstRefused, 1);
    auto* right = new QVBoxLayout;
    right->addWidget(chartClass, 1);
    right->addWidget(frmLegend);
    auto* commands = new QHBoxLayout;
    commands->addStretch();
    commands->addWidget(cmdExportCsv);
    commands->addWidget(cmdClose);
    right->addLayout(commands);
    auto* top = new QHBoxLayout(this);
    top->addLayout(left, 1);
    top->addLayout(right, 1);
    resize(1280, 720);

    connect(cmdExportCsv, &QPushButton::clicked, this, &HandInCollection::cmdExportCsv_Click);
    connect(cmdClose, &QPushButton::clicked, this, &HandInCollection::cmdClose_Click);
    showMarks();
    showRefused();
    showClass();
}

// A row per student, a column per question: the answer's mark, the expected value in its tool tip.
void HandInCollection::showMarks()
{
    std::vector<int> questions;
    for (int i = 0; i < static_cast<int>(m_lesson.steps.size()); ++i)
        if (m_lesson.steps[static_cast<std::size_t>(i)].question != decay::QuestionKind::None)
            questions.push_back(i);
    QStringList headers{tr("Student")};
    for (int step : questions)
        headers.append(tr("Step %1").arg(step + 1));
    headers.append(tr("Right"));
    tblMarks->setColumnCount(static_cast<int>(headers.size()));
    tblMarks->setHorizontalHeaderLabels(headers);
    tblMarks->setRowCount(static_cast<int>(m_collection.rows.size()));
    for (int row = 0; row < tblMarks->rowCount(); ++row) {
        const decay::Collection::Row& student = m_collection.rows[static_cast<std::size_t>(row)];
        auto* name = new QTableWidgetItem(qtext(student.handIn.name));
        name->setToolTip(qtext(student.fileName));
        tblMarks->setItem(row, 0, name);
        for (int column = 0; column < static_cast<int>(questions.size()); ++column) {
            const decay::Mark& mark = student.marks[static_cast<std::size_t>(questions[static_cast<std::size_t>(column)])];
            auto* item = new QTableWidgetItem(verdictText(mark.verdict));
            if (mark.expected)
                item->setToolTip(tr("Expected: %1").arg(numbers::significant(*mark.expected, 6)));
            else if (!mark.note.empty())
                item->setToolTip(modelText(mark.note));
            tblMarks->setItem(row, column + 1, item);
        }
        tblMarks->setItem(row, static_cast<int>(questions.size()) + 1,
                          new QTableWidgetItem(tr("%1 of %2").arg(student.right).arg(student.marked)));
    }
    tblMarks->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    lblSummary->setText(tr("%n hand-in(s) marked", nullptr, static_cast<int>(m_collection.rows.size())) + QStringLiteral("; ") +
                        tr("%n file(s) not counted.", nullptr, static_cast<int>(m_collection.refused.size())));
}

void HandInCollection::showRefused()
{
    for (const auto& [fileName, why] : m_collection.refused)
        lstRefused->addItem(qtext(fileName) + QStringLiteral(": ") + modelText(why));
}

// The students' runs as one class, with its band, its mean and the theory.
void HandInCollection::showClass()
{
    if (m_collection.pooled)
        m_stats = decay::ensembleStats(*m_collection.pooled);
    chartClass->setPlot(experimentPlot(ExperimentView::Counts, m_collection.pooled ? &*m_collection.pooled : nullptr,
                                              m_stats ? &*m_stats : nullptr, nullptr, nullptr));
    frmLegend->refresh();
    chartClass->setVisible(m_collection.pooled.has_value());
    frmLegend->setVisible(m_collection.pooled.has_value());
}

void HandInCollection::cmdExportCsv_Click()
{
    const std::string csv = decay::marksCsv(m_lesson, m_collection, [](const char* word) {
        return HandInCollection::tr(word).toStdString();
    });
    exportFile(*this, m_platform,
               {tr("Export CSV"), qtext(decay::lessonFileName(m_lesson)).section(QLatin1Char('.'), 0, -2) + tr(" - marks.csv"),
                tr("CSV files (*.csv)"), {QStringLiteral("csv")}, tr("The marks were not saved.")},
               [&csv](const QString&) { return ExportBytes{QByteArray::fromStdString(csv), {}}; });
}

void HandInCollection::cmdClose_Click()
{
    close();
}
