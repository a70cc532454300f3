// The counting lab's files: counts imported and exported, the chart as an image, the worksheet.
#include "CountingLab.h"

#include "output/CountsFile.h"
#include "ui/ExportFile.h"
#include "ui/ImageFile.h"
#include "ui/Look.h"
#include "ui/ModelText.h"
#include "ui/Numbers.h"
#include "ui/Platform.h"
#include "ui/PrintForm.h"
#include "ui/WorksheetPage.h"
#include "ui/charts/PlotChart.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QTabWidget>

using look::decimalPoint;

// Files

void CountingLab::cmdImport_Click()
{
    const QString title = tr("Import counts");
    const auto file = importFile(*this, m_platform, title, tr("Counts (*.csv *.txt *.tsv);;All files (*)"), static_cast<qint64>(decay::kLargestCountsFile),
                                 tr("The counts were not imported.\n\n%1 cannot be read: %2"));
    if (!file)
        return;
    stop();
    const decay::Message refusal =
        m_session.importCounts(std::string_view(file->bytes.constData(), static_cast<std::size_t>(file->bytes.size())), decimalPoint(*this));
    if (!refusal.empty()) {
        m_platform.showError(this, title, tr("The counts were not imported from %1.\n\n%2").arg(file->name, modelText(refusal)));
        return;
    }
    m_importedName = file->name;
    tabLab->setCurrentIndex(0);
    showCounts();
    showFit();
    setCommands();
}

void CountingLab::cmdExportCounts_Click()
{
    if (!m_session.hasOwnCounts())
        return;
    exportFile(*this, m_platform,
               {tr("Export counts CSV"), tr("Atomdrift counts.csv"), tr("CSV files (*.csv)"), {QStringLiteral("csv")},
                tr("The counts were not saved.")},
               [this](const QString&) { return ExportBytes{QByteArray::fromStdString(decay::countsFileText(shownData(), timeUnit())), {}}; });
}

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

void CountingLab::cmdClose_Click()
{
    close();
}

void CountingLab::paintWorksheet(QPainter& painter) const
{
    WorksheetPage page(painter);
    page.heading(tr("Atomdrift \u2014 Counting lab"));
    const QString source = m_session.imported() ? tr("Counts imported from %1.").arg(m_importedName) : lblSample->text();
    const decay::CounterSettings* counted = m_session.counter() ? &m_session.counter()->settings() : nullptr;
    if (counted && !m_session.imported())
        //: %1 the sample, %2 the efficiency, %3 the background, %4 the dead time in microseconds, %5 its kind,
        //: %6 the fit model, %7 the background measurement.
        page.paragraph(tr("%1 Efficiency %2, background %3 per second, dead time %4 \u00B5s (%5). Fit model: %6. %7")
                           .arg(source, numbers::significant(counted->efficiency, 6),
                                numbers::significant(counted->background, 6),
                                numbers::significant(counted->deadTime.tau * 1e6, 6), cboDeadTime->currentText(),
                                cboFitModel->currentText(), lblBackground->text()),
                       17, false, 12);
    else
        page.paragraph(QStringLiteral("%1 %2").arg(source, lblBackground->text()), 17, false, 12);
    page.picture(560, [this](QPainter& chartPainter, QSizeF size) {
        PlotChart rates;
        rates.setPlot(CountingPlots::rates(rateData(), nullptr));
        rates.setHidden(chartCounts->hidden());
        rates.paint(chartPainter, size);
    });
    page.paragraph(lblFit->text(), 17, true, 16);
    page.questions({
        tr("Why are the error bars longer, compared with the count rate, late in the run than early on?"),
        tr("Measure the background for ten times as long and fit again. What changes in the half-life and its "
           "uncertainty, and why?"),
        tr("How much longer would you have to count to halve the uncertainty of the half-life?"),
    });
}

