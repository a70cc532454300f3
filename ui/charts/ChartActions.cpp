#include "ChartActions.h"

#include "DecayChart.h"
#include "model/common/Conversions.h"
#include "ui/ImageFile.h"
#include "ui/Windows.h"

#include <QAction>
#include <QClipboard>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QLocale>
#include <QPainter>

#include <functional>

namespace {

// The context of this file's texts in the translations.
struct ChartActions {
    Q_DECLARE_TR_FUNCTIONS(ChartActions)
};

QAction* addAction(QWidget& owner, const QString& objectName, const QString& text)
{
    auto* action = new QAction(text, &owner);
    action->setObjectName(objectName);
    owner.addAction(action);
    return action;
}

} // namespace

QString chartDataText(const DecayChart& chart, const QLocale& locale)
{
    const auto number = [&](double value) {
        return QString::fromStdString(decay::numberText(value)).replace(QLatin1Char('.'), locale.decimalPoint());
    };
    QString text = chart.axis(DecayChart::Axis::X).title + QLatin1Char('\t') + chart.axis(DecayChart::Axis::Y).title + QLatin1Char('\n');
    for (int row = 1; row <= chart.rowCount(); ++row)
        text += number(chart.data(row, 1)) + QLatin1Char('\t') + number(chart.data(row, 2)) + QLatin1Char('\n');
    return text;
}

void addChartActions(DecayChart& chart, QWidget& window, Platform& platform, Windows& windows)
{
    chart.setContextMenuPolicy(Qt::ActionsContextMenu);

    // The windows of our own, also by their shortcuts anywhere in `window`, even while the chart is hidden.
    const auto openWindow = [&](const QString& objectName, const QString& text, QKeyCombination key, QWidget& (Windows::*which)()) {
        QAction* action = addAction(chart, objectName, text);
        action->setShortcut(QKeySequence(key));
        window.addAction(action);
        QObject::connect(action, &QAction::triggered, &window, [&windows, which] {
            QWidget& shown = (windows.*which)();
            shown.show();
            shown.raise();
            shown.activateWindow();
        });
    };
    openWindow(QStringLiteral("actClassExperiment"), ChartActions::tr("Class experiment..."), Qt::CTRL | Qt::Key_E, &Windows::classExperiment);
    openWindow(QStringLiteral("actNuclideLab"), ChartActions::tr("Nuclide lab..."), Qt::CTRL | Qt::Key_L, &Windows::nuclideLab);
    openWindow(QStringLiteral("actCountingLab"), ChartActions::tr("Counting lab..."), Qt::CTRL | Qt::Key_K, &Windows::countingLab);

    // Lessons of the decay run, whose designed window has no room for more buttons.
    const auto lessonCommand = [&](const QString& objectName, const QString& text, const std::function<void()>& command) {
        QAction* action = addAction(chart, objectName, text);
        window.addAction(action);
        QObject::connect(action, &QAction::triggered, &window, command);
    };
    lessonCommand(QStringLiteral("actOpenLesson"), ChartActions::tr("Open lesson..."), [&windows, &window] { windows.openLesson(window); });
    lessonCommand(QStringLiteral("actMakeLesson"), ChartActions::tr("Make lesson..."), [&windows, &window] { windows.makeLesson(window); });
    lessonCommand(QStringLiteral("actCollect"), ChartActions::tr("Collect hand-ins..."), [&windows] { windows.collectHandIns(); });

    QAction* save = addAction(chart, QStringLiteral("actSaveChart"), ChartActions::tr("Save chart as image..."));
    QObject::connect(save, &QAction::triggered, &chart, [&chart, &platform] {
        saveImage(chart, platform, ChartActions::tr("Save chart as image"), chart.size(), [&chart](QPainter& painter, QSize size) {
            chart.render(&painter, QRectF(QPointF(), size));
        });
    });

    QAction* copy = addAction(chart, QStringLiteral("actCopyData"), ChartActions::tr("Copy data"));
    QObject::connect(copy, &QAction::triggered, &chart, [&chart] {
        QGuiApplication::clipboard()->setText(chartDataText(chart, chart.locale()));
    });
}
