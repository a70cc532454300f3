#pragma once

#include "model/run/RunState.h"
#include "tests/Tolerance.h"
#include "ui/Platform.h"
#include "ui/charts/DecayChart.h"
#include "ui/counting/CountingTab.h"
#include "ui/counting/DatingTab.h"
#include "ui/counting/DetectorBox.h"
#include "ui/counting/RepeatTab.h"
#include "ui/run/ProgramWindows.h"

// The toolkit the window tests use.
#include <QPrinter>
#include <QtTest>
#include <QtWidgets>

#include <algorithm>
#include <functional>
#include <memory>
#include <type_traits>

// A platform that tests steer: a fixed clock, counted seeds, scripted dialog answers, a default
// printer that writes a PDF file (or none), and recorded messages and questions.
class FakePlatform : public Platform {
public:
    QDateTime now() const override { return clock; }
    std::uint64_t randomSeed() override
    {
        const QCursor* cursor = QGuiApplication::overrideCursor();
        busyAtSeed = cursor && cursor->shape() == Qt::WaitCursor;
        return ++seeds;
    }
    QString askSaveFileName(QWidget* parent, const QString& previous, const QString& filter) override
    {
        offered.append(previous);
        return askOpenFileName(parent, filter);
    }
    QString askOpenFileName(QWidget*, const QString&) override { return answers.isEmpty() ? QString() : answers.takeFirst(); }
    // One answer names every file chosen at once, one a line.
    QStringList askOpenFileNames(QWidget* parent, const QString& filter) override
    {
        const QString chosen = askOpenFileName(parent, filter);
        return chosen.isEmpty() ? QStringList() : chosen.split('\n');
    }
    std::unique_ptr<QPrinter> defaultPrinter() override
    {
        if (printerFile.isEmpty())
            return nullptr;
        auto printer = std::make_unique<QPrinter>();
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(printerFile);
        return printer;
    }
    void showError(QWidget*, const QString&, const QString& text) override { errors.append(text); }
    bool askYesNo(QWidget*, const QString&, const QString& text) override
    {
        questions.append(text);
        return yes;
    }
    bool offerChange(QWidget*, const QString&, const QString& text, const QString& offer) override
    {
        errors.append(text);
        changes.append(offer);
        return takeChanges;
    }
    void quit() override { ++quits; }
    void playClick() override { ++clicks; }

    QDateTime clock{QDate(2031, 5, 17), QTime(10, 20, 30)};
    std::uint64_t seeds = 0;
    bool busyAtSeed = false; // the busy cursor showed when the last run took its seed
    QStringList answers;     // next save- or open-dialog results; empty means cancel
    QStringList offered;     // names the save dialog opened on
    QString printerFile;     // where the default printer's pages go; no printer when empty
    QStringList errors;
    QStringList questions;
    bool yes = true; // the answer to every question
    QStringList changes;      // the changes refusals offered
    bool takeChanges = false; // whether they are taken
    int quits = 0;
    int clicks = 0;
};

// The whole program as main() builds it, loaded: the backdrop and the title window are up.
struct TestProgram {
    TestProgram() { windows.main(); }
    // The main window up in place of the title window.
    Form1& showMain()
    {
        windows.title().hide();
        windows.main().show();
        return windows.main();
    }
    decay::RunState state;
    FakePlatform platform;
    ProgramWindows windows{state, platform};
};

// The window tests' fixture: one program at a time, each made only once the one before is gone,
// so that no window, timer or scripted answer of one test reaches the next.
class ProgramFixture {
public:
    TestProgram& restart()
    {
        m_program.reset();
        m_program = std::make_unique<TestProgram>();
        return *m_program;
    }
    void end() { m_program.reset(); }
    TestProgram& operator*() const { return *m_program; }
    TestProgram* operator->() const { return m_program.get(); }

private:
    std::unique_ptr<TestProgram> m_program;
};

// Every window of the program but the backdrop.
inline QList<QWidget*> everyWindow(ProgramWindows& w)
{
    return {&w.main(), &w.title(), &w.largeGraph(), &w.introduction(), &w.references(), &w.quiz(),
            &w.citation(), &w.dedication(), &w.classExperiment(), &w.nuclideLab(), &w.countingLab()};
}

// A lab window opened by its shortcut in the main window, whose chart is still hidden, then asked
// for again from the large graph's chart menu: the one window, which its Close button deletes
// without ending the program. `whileOpen` looks at it before the menu asks.
template <class Lab>
void opensOnceFromEitherChart(TestProgram& program, Lab& (ProgramWindows::*window)(), Qt::Key shortcut, const char* action,
                              const std::function<void(std::type_identity_t<Lab>&)>& whileOpen = {})
{
    Form1& form = program.windows.main();
    QApplication::setActiveWindow(&form);
    form.txtN0->setFocus();
    QTest::keyClick(form.txtN0, shortcut, Qt::ControlModifier);
    const QPointer<Lab> first = &(program.windows.*window)();
    QVERIFY(first->isVisible());
    if (whileOpen)
        whileOpen(*first);
    form.cmdLargeGraph->click();
    program.windows.largeGraph().MSChart1->findChild<QAction*>(QString::fromLatin1(action))->trigger();
    QCOMPARE(&(program.windows.*window)(), first.data()); // at most one
    first->cmdClose->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(first.isNull() && program.windows.largeGraph().isVisible());
    QCOMPARE(program.platform.quits, 0);
}

// A file's bytes; none when it cannot be read.
inline QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Writes `bytes` to a new file at `path`, and returns the path.
inline QString writtenFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
    return path;
}

// The pages of a PDF file.
inline qsizetype pdfPages(const QByteArray& pdf)
{
    return QString::fromLatin1(pdf).count(QRegularExpression("/Type\\s*/Page\\b(?!s)"));
}

// A top-level window by object name; the shown one while a closed one still awaits deletion.
inline QWidget* findWindow(const QString& name)
{
    QWidget* found = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == name && (!found || w->isVisible()))
            found = w;
    return found;
}

// "window" or "window.control"; null when there is none.
inline QWidget* find(const QString& target)
{
    QWidget* window = findWindow(target.section('.', 0, 0));
    return window && target.contains('.') ? window->findChild<QWidget*>(target.section('.', 1)) : window;
}

template <class T = QWidget>
T& get(const QString& target)
{
    auto* found = dynamic_cast<T*>(find(target));
    if (!found)
        qFatal("no widget %s", qPrintable(target));
    return *found;
}

// What the space-separated controls of `window` show, joined by '|'.
inline QString texts(const QString& window, const QString& names)
{
    QStringList shown;
    for (const QString& name : names.split(' '))
        shown.append(get(window + '.' + name).property("text").toString());
    return shown.join('|');
}

// Those of the space-separated controls of `window` that are enabled.
inline QString enabled(const QString& window, const QString& names)
{
    QStringList on;
    for (const QString& name : names.split(' '))
        if (get(window + '.' + name).isEnabled())
            on.append(name);
    return on.join(' ');
}

// Names of the visible windows in alphabetical order (the addresses order them otherwise); the
// backdrop only when asked for.
inline QStringList shownWindows(bool withBackdrop = false)
{
    QStringList names;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible() && !w->objectName().isEmpty() && (withBackdrop || w->objectName() != "Form3"))
            names.append(w->objectName());
    names.sort();
    return names;
}

// Input as the window system delivers it, at the widget's centre; a handler may destroy the
// widget, so each event after the first goes only to a widget that is still there.
inline void mouse(QWidget* widget, QEvent::Type type, Qt::MouseButton button = Qt::LeftButton)
{
    const QPoint at = widget->rect().center();
    QMouseEvent event(type, at, widget->mapToGlobal(at), button, type == QEvent::MouseButtonRelease ? Qt::NoButton : button,
                      Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

inline void click(QWidget* widget, Qt::MouseButton button = Qt::LeftButton, bool twice = false)
{
    const QPointer<QWidget> target = widget;
    for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease, QEvent::MouseButtonDblClick,
                              QEvent::MouseButtonRelease}) {
        if (!target || (!twice && type == QEvent::MouseButtonDblClick))
            return;
        mouse(target, type, button);
    }
}

inline void key(QWidget* widget, int code, const QString& text = {}, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    const QPointer<QWidget> target = widget;
    QKeyEvent press(QEvent::KeyPress, code, modifiers, text);
    QApplication::sendEvent(target, &press);
    QKeyEvent release(QEvent::KeyRelease, code, modifiers, text);
    if (target)
        QApplication::sendEvent(target, &release);
}
