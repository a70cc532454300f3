#include "StartPart.h"

#include "ui/Platform.h"
#include "ui/run/ProgramWindows.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QWidget>

#include <algorithm>
#include <array>
#include <utility>

namespace {

// The context of this file's texts in the translations.
struct StartPart {
    Q_DECLARE_TR_FUNCTIONS(StartPart)
};

// The parts by the names every layer of the program gives them.
constexpr std::array<std::pair<Part, const char*>, 4> kParts = {
    {{Part::Run, "run"}, {Part::Experiment, "experiment"}, {Part::Nuclides, "nuclides"}, {Part::Counting, "counting"}}};

QString partName(Part part)
{
    const auto* found = std::find_if(kParts.begin(), kParts.end(), [part](const auto& entry) { return entry.first == part; });
    return QLatin1String(found->second);
}

QString partNames()
{
    QStringList names;
    for (const auto& entry : kParts)
        names.append(QLatin1String(entry.second));
    return names.join(QStringLiteral(", "));
}

const QString& partOptionName()
{
    static const QString name = QStringLiteral("part");
    return name;
}

// Ends the program once it shows none of its own windows: those without a parent, since a dialog
// or the nuclide lab's chart of nuclides goes with the window it belongs to.
class LastWindowWatch : public QObject {
public:
    LastWindowWatch(QObject* owner, Platform& platform)
        : QObject(owner), m_platform(platform)
    {
        QCoreApplication::instance()->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        // Looked at once the handler that hid a window is done: it may show another one.
        if (event->type() == QEvent::Hide && watched->isWidgetType() && static_cast<QWidget*>(watched)->isWindow())
            QMetaObject::invokeMethod(this, &LastWindowWatch::endWhenNoneShown, Qt::QueuedConnection);
        return false;
    }

private:
    void endWhenNoneShown()
    {
        const QWidgetList windows = QApplication::topLevelWidgets();
        const bool shown = std::any_of(windows.begin(), windows.end(), [](const QWidget* w) {
            return w->isVisible() && !w->parentWidget() && w->windowType() != Qt::Popup && w->windowType() != Qt::ToolTip;
        });
        if (!shown)
            m_platform.quit();
    }

    Platform& m_platform;
};

} // namespace

void addStartOptions(QCommandLineParser& parser)
{
    parser.setApplicationDescription(StartPart::tr("A teaching program about the decay of radioactive atoms."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addOption(QCommandLineOption(
        partOptionName(),
        StartPart::tr("Opens the program in the given part: %1 (the title window, then the main window; the default), %2 "
                      "(the class experiment), %3 (the nuclide lab) or %4 (the counting lab).")
            .arg(partName(Part::Run), partName(Part::Experiment), partName(Part::Nuclides), partName(Part::Counting)),
        StartPart::tr("name")));
    parser.addPositionalArgument(QStringLiteral("lesson"), StartPart::tr("A lesson (.atomdrift) to open."), QStringLiteral("[lesson]"));
}

StartRequest startRequest(const QCommandLineParser& parser)
{
    const QString lesson = parser.positionalArguments().value(0);
    if (!parser.isSet(partOptionName()))
        return {Part::Run, {}, lesson};
    const QString name = parser.value(partOptionName());
    for (const auto& [part, known] : kParts)
        if (name == QLatin1String(known))
            return {part, {}, lesson};
    return {Part::Run, StartPart::tr("Unknown part \"%1\". The parts are: %2.").arg(name, partNames())};
}

void startIn(Part part, ProgramWindows& windows, Platform& platform)
{
    QWidget* window = nullptr;
    switch (part) {
    case Part::Run: return;
    case Part::Experiment: window = &windows.classExperiment(); break;
    case Part::Nuclides: window = &windows.nuclideLab(); break;
    case Part::Counting: window = &windows.countingLab(); break;
    }
    windows.title().hide();
    windows.backdrop().hide();
    window->show();
    window->raise();
    window->activateWindow();
    // Lives as long as the main window, which goes last.
    new LastWindowWatch(&windows.main(), platform);
}
