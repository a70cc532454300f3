#pragma once

#include "HandInCollection.h"
#include "LessonMaker.h"
#include "LessonPanel.h"
#include "OpenLesson.h"
#include "model/lesson/Lesson.h"
#include "model/nuclides/NuclideTable.h"

#include <QList>
#include <QObject>
#include <QPointer>

#include <optional>
#include <string>

namespace decay {
struct RunState;
}
class QWidget;
class StudentPlatform;
class Windows;

// Where the program's lessons are handled: opening one into its part's window with the lesson
// panel beside it, making one from a part's entries, and collecting a class's hand-ins. It knows
// the parts' windows by what the program calls them, and their controls by object name.
class LessonDesk : public QObject {
    Q_OBJECT

public:
    LessonDesk(Windows& windows, StudentPlatform& platform, decay::RunState& state);
    ~LessonDesk() override;

    // "Open lesson...": the examples, a file or a link.
    void openLesson(QWidget& from);
    // A lesson file, as the command line and a double-click hand it over; false when it was refused
    // (the message was shown).
    bool openFile(const QString& path);
    // Applies the lesson to a fresh window of its part and shows the panel beside it. A preview
    // shows what a student sees, marked as such.
    void start(const decay::Lesson& lesson, bool preview = false);
    // "Make lesson..." from the part's window: the maker starts from its entries, and from the
    // lesson of the part open, if any.
    void makeLesson(decay::LessonPart part);
    // "Collect hand-ins..." for `lesson`; without one, the lesson is chosen first.
    void collectHandIns(const decay::Lesson* lesson);

    LessonPanel* panel() const { return m_panel; }
    LessonMaker* maker() const { return m_maker; }
    HandInCollection* collection() const { return m_collection; }
    // The program's nuclide table, read at first use; null when it cannot be read.
    const decay::NuclideTable* table();
    // The windows that hold a part's controls, the part's own first.
    QList<QWidget*> partWindows(decay::LessonPart part);
    // The part's data file as its export writes it; empty before the part has run.
    std::string dataText(decay::LessonPart part);
    // The program's one web page, which a lesson can be built into: an installed copy beside the
    // program, or the browser edition built beside this build; empty when there is none.
    static QString webPage();

private:
    QList<QWidget*> freshPartWindows(decay::LessonPart part);
    void showPart(decay::LessonPart part, QWidget& window);
    void panel_SeedChanged(std::uint64_t seed);
    void panel_Destroyed();

    Windows& m_windows;
    StudentPlatform& m_platform;
    decay::RunState& m_state;
    std::optional<decay::NuclideTable> m_table;
    bool m_tableRead = false;
    QPointer<LessonPanel> m_panel;
    QPointer<LessonMaker> m_maker;
    QPointer<HandInCollection> m_collection;
    QPointer<OpenLesson> m_opener;
    QList<QPointer<QWidget>> m_waiting; // the part's windows, disabled until the student's name gives the seed
};
