#include "LessonDesk.h"

#include "HandInCollection.h"
#include "LessonFiles.h"
#include "LessonMaker.h"
#include "LessonPanel.h"
#include "OpenLesson.h"
#include "PartControls.h"
#include "StudentPlatform.h"
#include "model/common/Conversions.h"
#include "model/lesson/HandIn.h"
#include "model/lesson/LessonMarking.h"
#include "model/run/RunState.h"
#include "output/ChainFile.h"
#include "output/CountsFile.h"
#include "output/DataFile.h"
#include "output/ExperimentFile.h"
#include "ui/ModelText.h"
#include "ui/Windows.h"
#include "ui/counting/CountingLab.h"
#include "ui/experiment/ClassExperiment.h"
#include "ui/nuclides/NuclideLab.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLineEdit>
#include <QScreen>

namespace {

// The context of this file's texts in the translations.
struct LessonDeskText {
    Q_DECLARE_TR_FUNCTIONS(LessonDesk)
};

// Enter in an entry field of the designed window confirms the entries, as a student does after typing them.
void pressEnter(QWidget* field)
{
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
    QApplication::sendEvent(field, &press);
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
    QApplication::sendEvent(field, &release);
}

} // namespace

LessonDesk::LessonDesk(Windows& windows, StudentPlatform& platform, decay::RunState& state)
    : m_windows(windows)
    , m_platform(platform)
    , m_state(state)
{
}

LessonDesk::~LessonDesk()
{
    delete m_collection;
    delete m_maker;
    delete m_panel;
    delete m_opener;
}

const decay::NuclideTable* LessonDesk::table()
{
    if (!m_tableRead) {
        m_tableRead = true;
        QFile file(QStringLiteral(":/data/nuclides.txt"));
        const QByteArray bytes = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
        m_table = decay::parseNuclideTable(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size()))).table;
    }
    return m_table ? &*m_table : nullptr;
}

QList<QWidget*> LessonDesk::partWindows(decay::LessonPart part)
{
    switch (part) {
    case decay::LessonPart::Run: return {&m_windows.main()};
    case decay::LessonPart::Experiment: return {&m_windows.classExperiment()};
    case decay::LessonPart::Nuclides: return {&m_windows.nuclideLab()};
    case decay::LessonPart::Counting: return {&m_windows.countingLab(), &m_windows.nuclideLab()};
    }
    return {};
}

// The class experiment and the labs start anew, so that no rule of an earlier lesson stays on them.
// The designed window takes entries only and stays the one it is.
QList<QWidget*> LessonDesk::freshPartWindows(decay::LessonPart part)
{
    if (part != decay::LessonPart::Run)
        for (QWidget* window : partWindows(part))
            delete window;
    return partWindows(part);
}

std::string LessonDesk::dataText(decay::LessonPart part)
{
    switch (part) {
    case decay::LessonPart::Run:
        return decay::isYes(m_state.RunValid) ? decay::dataFileText(m_state) : std::string();
    case decay::LessonPart::Experiment: {
        const auto& result = static_cast<ClassExperiment&>(m_windows.classExperiment()).result();
        return result ? decay::experimentFileText(result->ensemble, result->stats) : std::string();
    }
    case decay::LessonPart::Nuclides: {
        const auto& result = static_cast<NuclideLab&>(m_windows.nuclideLab()).result();
        return result ? decay::chainFileText(*result) : std::string();
    }
    case decay::LessonPart::Counting: {
        const decay::CountingSession& session = static_cast<CountingLab&>(m_windows.countingLab()).session();
        return session.hasOwnCounts() ? decay::countsFileText(session.shownData(), session.sample()->unit) : std::string();
    }
    }
    return {};
}

void LessonDesk::openLesson(QWidget& from)
{
    if (m_opener) {
        m_opener->raise();
        m_opener->activateWindow();
        return;
    }
    m_opener = new OpenLesson(m_platform, LessonDeskText::tr("Open lesson"));
    connect(m_opener, &OpenLesson::lessonChosen, this, [this](const decay::Lesson& lesson) { start(lesson); });
    m_opener->move(from.geometry().center() - m_opener->rect().center());
    m_opener->show();
}

bool LessonDesk::openFile(const QString& path)
{
    const decay::LessonRead read = lessonfiles::readLessonFile(path);
    if (!read.lesson) {
        m_platform.showError(nullptr, LessonDeskText::tr("Open lesson"),
                             LessonDeskText::tr("The lesson was not opened.") + QStringLiteral("\n\n") + modelText(read.error));
        return false;
    }
    start(*read.lesson);
    return true;
}

void LessonDesk::start(const decay::Lesson& lesson, bool preview)
{
    delete m_panel;
    m_platform.setSeed(std::nullopt);
    const QList<QWidget*> windows = freshPartWindows(lesson.part);
    // The part's defaults under the lesson's entries, whatever a window held before.
    std::vector<std::pair<std::string, std::string>> setup = decay::completeSetup(lesson, table());
    if (setup.empty())
        setup = lesson.setup;
    partcontrols::applySetup(windows, lesson.part, setup);
    // The counting lab counts the nuclide lab's exact run, as "Counter..." hands it over; the
    // members to count come with the sample.
    if (lesson.part == decay::LessonPart::Counting) {
        auto& lab = static_cast<NuclideLab&>(m_windows.nuclideLab());
        lab.cmdExact->click();
        if (lab.result() && lab.cmdCounter->isEnabled()) {
            lab.cmdCounter->click();
            partcontrols::applySetup(windows, lesson.part, setup);
        }
    }
    if (lesson.part == decay::LessonPart::Run) {
        const auto given = [&setup](const char* name) {
            return std::any_of(setup.begin(), setup.end(), [name](const auto& entry) { return entry.first == name && !entry.second.empty(); });
        };
        const QString confirmed = given("rrate") ? QStringLiteral("rrate") : given("halftime") ? QStringLiteral("halftime") : QStringLiteral("txtN0");
        if (QWidget* field = partcontrols::control(windows, confirmed))
            pressEnter(field);
    }
    m_panel = new LessonPanel(lesson, m_platform, table(), [this, part = lesson.part] { return dataText(part); }, preview);
    partcontrols::applyRules(windows, m_panel->lesson(), m_panel->seed(), m_platform);
    connect(m_panel, &LessonPanel::seedChanged, this, &LessonDesk::panel_SeedChanged);
    connect(m_panel, &LessonPanel::collectRequested, this, [this] {
        if (m_panel)
            collectHandIns(&m_panel->lesson());
    });
    connect(m_panel, &QObject::destroyed, this, &LessonDesk::panel_Destroyed);
    showPart(lesson.part, *windows.front());
    m_waiting.clear();
    if (!m_panel->named())
        for (QWidget* window : windows) {
            window->setEnabled(false);
            m_waiting.append(window);
        }
    m_platform.setSeed(m_panel->seed());
}

// The part's window in front, the panel beside it where the screen has room, else over its edge.
void LessonDesk::showPart(decay::LessonPart part, QWidget& window)
{
    if (part == decay::LessonPart::Run)
        m_windows.title().hide();
    window.show();
    window.raise();
    const QRect screen = (window.screen() ? window.screen() : QGuiApplication::primaryScreen())->availableGeometry();
    const QRect frame = window.frameGeometry();
    const int width = m_panel->width();
    const int x = frame.right() + width < screen.right() ? frame.right() + 1 : std::max(screen.left(), screen.right() - width);
    m_panel->resize(width, std::min(m_panel->height(), screen.height()));
    m_panel->move(x, std::max(screen.top(), frame.top()));
    m_panel->show();
    m_panel->raise();
    m_panel->activateWindow();
}

void LessonDesk::panel_SeedChanged(std::uint64_t seed)
{
    m_platform.setSeed(seed);
    if (!m_panel || !m_panel->named())
        return;
    for (const QPointer<QWidget>& window : std::as_const(m_waiting))
        if (window)
            window->setEnabled(true);
    m_waiting.clear();
    if (m_panel->lesson().part == decay::LessonPart::Experiment)
        if (auto* field = qobject_cast<QLineEdit*>(partcontrols::control(partWindows(decay::LessonPart::Experiment), QStringLiteral("txtSeed"))))
            field->setText(QString::number(seed));
}

// Without the lesson the part's runs take fresh seeds again and every window takes entries.
void LessonDesk::panel_Destroyed()
{
    m_platform.setSeed(std::nullopt);
    for (const QPointer<QWidget>& window : std::as_const(m_waiting))
        if (window)
            window->setEnabled(true);
    m_waiting.clear();
}

void LessonDesk::makeLesson(decay::LessonPart part)
{
    delete m_maker;
    const QList<QWidget*> windows = partWindows(part);
    m_maker = new LessonMaker(part, partcontrols::readSetup(windows, part), partcontrols::controlNames(windows, part), m_platform,
                              webPage());
    // With a lesson of the part open (not a preview), the maker edits it.
    if (m_panel && !m_panel->isPreview() && m_panel->lesson().part == part)
        m_maker->edit(m_panel->lesson());
    connect(m_maker, &LessonMaker::previewRequested, this, [this](const decay::Lesson& lesson) { start(lesson, true); });
    connect(m_maker, &LessonMaker::collectRequested, this, [this](const decay::Lesson& lesson) { collectHandIns(&lesson); });
    m_maker->show();
    m_maker->raise();
    m_maker->activateWindow();
}

void LessonDesk::collectHandIns(const decay::Lesson* lesson)
{
    if (!lesson) {
        delete m_opener;
        m_opener = new OpenLesson(m_platform, LessonDeskText::tr("Which lesson do the hand-ins answer?"));
        connect(m_opener, &OpenLesson::lessonChosen, this, [this](const decay::Lesson& chosen) { collectHandIns(&chosen); });
        m_opener->show();
        return;
    }
    const QStringList paths = m_platform.askOpenFileNames(nullptr, LessonDeskText::tr("Hand-ins (*.handin);;All files (*)"));
    if (paths.isEmpty())
        return;
    std::vector<std::pair<std::string, std::string>> files;
    for (const QString& path : paths)
        files.emplace_back(QFileInfo(path).fileName().toStdString(), lessonfiles::readFile(path, decay::kMostLessonBytes).text);
    delete m_collection;
    m_collection = new HandInCollection(*lesson, files, table(), m_platform);
    m_collection->show();
    m_collection->raise();
}

QString LessonDesk::webPage()
{
    const QStringList places{QCoreApplication::applicationDirPath() + QStringLiteral("/../share/atomdrift/atomdrift.html"),
                             QStringLiteral(ATOMDRIFT_WEB_PAGE)};
    for (const QString& place : places)
        if (QFileInfo(place).isFile())
            return QFileInfo(place).canonicalFilePath();
    return {};
}
