#include "CountingLab.h"

#include "RealCounterBox.h"

#include "ui/ImageFile.h"
#include "ui/Look.h"
#include "ui/Numbers.h"
#include "ui/ModelText.h"
#include "ui/Platform.h"
#include "ui/PrintForm.h"
#include "ui/WorksheetPage.h"
#include "ui/charts/PlotChart.h"
#include "ui/charts/PlotLegend.h"
#include "ui/counting/CountingPlots.h"
#include "ui/counting/CountingTab.h"
#include "ui/counting/DatingTab.h"
#include "ui/counting/DetectorBox.h"
#include "ui/counting/RepeatTab.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

CountingLab::CountingLab(Platform& platform)
    : m_platform(platform)
{
    look::ownWindow(this, QStringLiteral("CountingLab"), tr("Counting lab"));

    // The chart first: the pages draw on it as they start.
    QLayout* chartArea = buildChartArea();
    const auto changed = [this] {
        detector->showBackground();
        showPlot();
    };
    detector = new DetectorBox(m_session, platform, [this] { counting->showFit(); });
    const CountingTab::Settings settings = [this] { return detector->readSettings(counting->txtInterval->text()); };
    tabLab = new QTabWidget;
    look::name(tabLab, QStringLiteral("tabLab"), tr("Experiments"));
    const auto takeChange = [this](const decay::Remedy::Change& change) {
        if (change.entry == decay::Remedy::Entry::Efficiency)
            detector->txtEfficiency->setText(numbers::entry(change.value, 15));
    };
    counting = new CountingTab(m_session, platform, settings, [this] { return look::text(detector->txtBackgroundTime); }, changed, takeChange);
    dating = new DatingTab(m_session, platform, settings, changed);
    repeat = new RepeatTab(m_session, platform, settings, changed);
    tabLab->addTab(counting, tr("Counting"));
    tabLab->addTab(dating, tr("Radiocarbon dating"));
    tabLab->addTab(repeat, tr("Repeat counts"));
    // A real counter's intervals taken as repeat counts go to the dispersion test.
    counting->frmRealCounter->repeated = [this] {
        repeat->showRepeats();
        tabLab->setCurrentWidget(repeat);
    };

    auto* left = new QVBoxLayout;
    left->addWidget(detector);
    left->addWidget(tabLab, 1);
    auto* files = new QHBoxLayout;
    const look::ChartCommands commands = look::chartCommands();
    cmdSaveImage = commands.saveImage;
    cmdPrint = commands.print;
    cmdClose = commands.close;
    cmdOpenLesson = look::plainButton(QStringLiteral("cmdOpenLesson"), tr("Open lesson..."));
    cmdMakeLesson = look::plainButton(QStringLiteral("cmdMakeLesson"), tr("Make lesson..."));
    for (QPushButton* b : {cmdSaveImage, cmdPrint, cmdOpenLesson, cmdMakeLesson, cmdClose})
        files->addWidget(b);
    left->addLayout(files);

    auto* top = new QHBoxLayout(this);
    top->addLayout(left);
    top->addLayout(chartArea, 1);
    connectHandlers();
    showPlot();
    resize(1180, 760);
}

CountingLab::~CountingLab() = default;

QLayout* CountingLab::buildChartArea()
{
    chkLog = new QCheckBox(tr("Logarithmic scale"));
    chkLog->setObjectName(QStringLiteral("chkLog"));
    chartCounts = new PlotChart;
    look::name(chartCounts, QStringLiteral("chartCounts"), tr("Chart of the counts"));
    chartCounts->setFocusPolicy(Qt::StrongFocus); // so that a screen reader can reach its description
    frmLegend = new PlotLegend(*chartCounts, 4);
    look::name(frmLegend, QStringLiteral("frmLegend"), tr("Legend"));
    chartResiduals = new PlotChart;
    look::name(chartResiduals, QStringLiteral("chartResiduals"), tr("Residuals of the fit"));
    chartResiduals->setFixedHeight(170);
    auto* right = new QVBoxLayout;
    right->addWidget(chkLog);
    right->addWidget(chartCounts, 1);
    right->addWidget(frmLegend);
    right->addWidget(chartResiduals);
    return right;
}

void CountingLab::connectHandlers()
{
    connect(tabLab, &QTabWidget::currentChanged, this, &CountingLab::tabLab_Change);
    connect(chkLog, &QCheckBox::toggled, this, &CountingLab::showPlot);
    connect(cmdSaveImage, &QPushButton::clicked, this, &CountingLab::cmdSaveImage_Click);
    connect(cmdPrint, &QPushButton::clicked, this, &CountingLab::cmdPrint_Click);
    connect(cmdOpenLesson, &QPushButton::clicked, this, &CountingLab::cmdOpenLesson_Click);
    connect(cmdMakeLesson, &QPushButton::clicked, this, &CountingLab::cmdMakeLesson_Click);
    connect(cmdClose, &QPushButton::clicked, this, &CountingLab::cmdClose_Click);
}

void CountingLab::setSample(const decay::LabRun& run, const QString& name)
{
    counting->setSample(run, name);
}

void CountingLab::tabLab_Change()
{
    showPlot();
}

void CountingLab::showPlot()
{
    // The pages draw as they are built; the tabs come after them.
    if (!tabLab || !repeat)
        return;
    const int page = tabLab->currentIndex();
    PlotChart::Plot residuals;
    const PlotChart::Plot plot = page == 2   ? CountingPlots::repeats(m_session.repeats())
                                 : page == 1 ? CountingPlots::dating(m_session.datings(), m_session.ageShown() ? std::optional(m_session.datingSample()->age) : std::nullopt)
                                             : CountingPlots::rates(rateData(), &residuals);
    chartResiduals->setVisible(page == 0);
    chkLog->setEnabled(page == 0); // the dating and the repeat counts have no logarithmic scale
    chartResiduals->setPlot(residuals);
    chartCounts->setPlot(plot);
    chartCounts->setAccessibleDescription(tr("%1. Across: %2; up: %3.").arg(plot.title, plot.xTitle, plot.yTitle));
    frmLegend->refresh();
}

decay::RatePlotData CountingLab::rateData() const
{
    return m_session.rateData(m_session.lastFit().has_value(), m_session.sample().has_value(), chkLog->isChecked());
}

// Files

void CountingLab::cmdSaveImage_Click()
{
    saveImage(*this, m_platform, tr("Save chart as image"), chartCounts->size(),
              [this](QPainter& painter, QSize size) { chartCounts->paint(painter, size); });
}

void CountingLab::cmdPrint_Click()
{
    printPage(*this, m_platform, tr("Print worksheet"), tr("Atomdrift counting lab.pdf"),
              [this](QPainter& painter) { paintWorksheet(painter); });
}

void CountingLab::cmdOpenLesson_Click()
{
    emit openLessonRequested();
}

void CountingLab::cmdMakeLesson_Click()
{
    emit makeLessonRequested();
}

void CountingLab::cmdClose_Click()
{
    close();
}

void CountingLab::paintWorksheet(QPainter& painter) const
{
    WorksheetPage page(painter);
    page.heading(tr("Atomdrift \u2014 Counting lab"));
    page.paragraph(modelText(m_session.worksheetMessage(counting->sampleName().toStdString(), counting->fitShape()), decay::kCountingContext),
                   17, false, 12);
    page.picture(560, [this](QPainter& chartPainter, QSizeF size) {
        PlotChart rates;
        rates.setPlot(CountingPlots::rates(rateData(), nullptr));
        rates.setHidden(chartCounts->hidden());
        rates.paint(chartPainter, size);
    });
    page.paragraph(counting->lblFit->text(), 17, true, 16);
    page.questions({
        tr("Why are the error bars longer, compared with the count rate, late in the run than early on?"),
        tr("Measure the background for ten times as long and fit again. What changes in the half-life and its "
           "uncertainty, and why?"),
        tr("How much longer would you have to count to halve the uncertainty of the half-life?"),
    });
}
