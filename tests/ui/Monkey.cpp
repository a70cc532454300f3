#include "FakePlatform.h"
#include "model/RunState.h"
#include "output/DataFile.h"
#include "ui/charts/DecayChart.h"
#include "ui/main/ProgramWindows.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QLineEdit>
#include <QLocale>
#include <QMouseEvent>
#include <QPointer>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextStream>
#include <QUrl>

#include <algorithm>
#include <cstdio>
#include <exception>
#include <memory>
#include <random>

// Random user actions against every window of the program, from a fixed seed, with the program's
// invariants checked after each one:
//
//   Monkey --seed S --count N [--log FILE]  N random actions; each goes to FILE before it runs
//   Monkey --replay FILE                     the actions listed in FILE, one a line
//   Monkey --seed S --count N --shrink       on a failure, the shortest failing list found
//
// An action is a line "verb target text", the text percent-encoded. Replaying runs every action
// whose target is there, visible and enabled, and skips the others, so any part of a list is a
// list that can be replayed.

namespace {

// Catches what a handler throws, which would otherwise end the program.
class MonkeyApp : public QApplication {
public:
    using QApplication::QApplication;
    bool notify(QObject* receiver, QEvent* event) override
    {
        try {
            return QApplication::notify(receiver, event);
        } catch (const std::exception& e) {
            escaped = QStringLiteral("an exception left a handler: ") + QString::fromLocal8Bit(e.what());
        } catch (...) {
            escaped = QStringLiteral("an exception left a handler");
        }
        return false;
    }
    QString escaped;
};

// Qt's complaints other than those of the offscreen platform and of a printer that cannot start:
// each one is a problem the user would meet as a broken window.
QString g_complaint;
void complaints(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    static const QStringList expected = {"This plugin does not support", "QPainter::begin", "XDG_RUNTIME_DIR"};
    if (type == QtDebugMsg || type == QtInfoMsg
        || std::any_of(expected.begin(), expected.end(), [&](const QString& e) { return message.contains(e); }))
        return;
    if (g_complaint.isEmpty())
        g_complaint = "Qt says: " + message;
}

// The whole program as main() builds it, with a platform the monkey steers.
struct Program {
    Program() { windows.main(); }
    decay::RunState state;
    FakePlatform platform;
    ProgramWindows windows{state, platform};
};

struct Action {
    QString verb;
    QString target;
    QString text;

    QString line() const { return verb + ' ' + target + ' ' + QString::fromLatin1(QUrl::toPercentEncoding(text)); }
    static Action parse(const QString& line)
    {
        const QStringList parts = line.split(' ');
        return {parts.value(0), parts.value(1), QUrl::fromPercentEncoding(parts.value(2).toLatin1())};
    }
};

const QStringList kFields = {"txtN0", "simut", "rrate", "halftime"};
const QStringList kClosable = {"larggraf", "Introfrm", "Referenc", "Quiz", "copyrigh"}; // the others end the program

class Monkey {
public:
    Monkey(MonkeyApp& app, std::uint64_t seed)
        : m_app(app)
        , m_random(seed)
        , m_program(std::make_unique<Program>())
    {
        QDir(m_scratch.path()).mkdir(QStringLiteral("folder"));
        // Good names, bad names and a cancelled dialog, for saving the data and the printed page.
        m_paths = {QString(), m_scratch.filePath("run.csv"), m_scratch.filePath(QStringLiteral("Zerfall ä€😀.csv")),
                   m_scratch.filePath("page.pdf"), m_scratch.filePath("page"), m_scratch.filePath("missing/run.csv"),
                   m_scratch.filePath("folder"), QStringLiteral("/proc/self/status"), m_scratch.filePath(QString(300, 'x'))};
    }

    Action next();
    void perform(const Action& action);
    QString problem() const;
    // A new program, as after ending the old one; RUN with the defaults must give the old result.
    QString freshDefaultRun();

private:
    int roll(int below) { return std::uniform_int_distribution<int>(0, below - 1)(m_random); }
    template <class T>
    T pick(const QList<T>& list) { return list[roll(static_cast<int>(list.size()))]; }
    QString entryText(const QString& field);
    QList<QWidget*> visibleWindows() const;
    QWidget* find(const QString& target) const;
    void afterSave(const QString& control, int errorsBefore, int questionsBefore);

    MonkeyApp& m_app;
    std::mt19937_64 m_random;
    std::unique_ptr<Program> m_program;
    QTemporaryDir m_scratch;
    QStringList m_paths;
    QString m_answer;   // what the save dialog answers
    QString m_printer;  // "pdf", "broken" or "none"
    QString m_saveProblem;
};

QList<QWidget*> Monkey::visibleWindows() const
{
    QList<QWidget*> windows;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible() && !w->objectName().isEmpty() && w->objectName() != "Form3")
            windows.append(w);
    // The application's own order follows the windows' addresses, which differ from run to run.
    std::sort(windows.begin(), windows.end(), [](QWidget* a, QWidget* b) { return a->objectName() < b->objectName(); });
    return windows;
}

// "Window" or "Window.control", when it is visible and enabled.
QWidget* Monkey::find(const QString& target) const
{
    const QString windowName = target.section('.', 0, 0);
    for (QWidget* w : visibleWindows()) {
        if (w->objectName() != windowName)
            continue;
        QWidget* found = target.contains('.') ? w->findChild<QWidget*>(target.section('.', 1)) : w;
        return found && found->isVisible() && found->isEnabled() ? found : nullptr;
    }
    return nullptr;
}

QString Monkey::entryText(const QString& field)
{
    const QString point = QLocale().decimalPoint();
    const QString other = point == "." ? QStringLiteral(",") : QStringLiteral(".");
    if (roll(100) < 55) {
        // Mostly small values, so that most actions stay cheap; now and then the largest.
        if (field == "txtN0")
            return QString::number(roll(10) == 0 ? roll(40000) : 1 + roll(200));
        if (field == "simut")
            return QString::number(roll(20) == 0 ? roll(3100) : 1 + roll(60));
        const int hundredths = field == "rrate" ? 1 + roll(99) : 20 + roll(2000);
        return QString::number(hundredths / 100) + point + QString::number(hundredths % 100);
    }
    static const QStringList odd = {
        "", "abc", "x", "½", "٣٤", "１２", "π", "😀", "Zerfall ä", "1e308", "-1e308", "1e309", "1e-308",
        "4.9e-324", "1e-400", "-0", "NaN", "nan", "inf", "-inf", "Infinity", QString(1000, '9'),
        "0." + QString(998, '0') + "1", "1" + QString(999, '0'), "12abc", " 7 ", "\t3", "1e", "e5", "--1", "+5", "0x10",
        "1.2.3", "32767", "32768", "-32769", "65536", "3000.5", "9999", "10000", "12.5", "-3", "0", "1e-9", "-1", "2.5"};
    const int i = roll(static_cast<int>(odd.size()) + 2);
    if (i == odd.size())
        return "0" + other + "5"; // the other decimal separator
    if (i == odd.size() + 1)
        return "12" + other + "25";
    return odd[i];
}

Action Monkey::next()
{
    const QList<QWidget*> windows = visibleWindows();
    if (windows.isEmpty())
        return {"tick", "-", {}};
    QWidget* window = pick(windows);
    const QString name = window->objectName();
    const int r = roll(100);
    if (r < 2)
        return {"answer", "-", QString::number(roll(static_cast<int>(m_paths.size())))};
    if (r < 3)
        return {"printer", "-", pick(QStringList{"pdf", "broken", "none", "none"})};
    if (r < 5)
        return {"tick", "-", {}};
    if (name == "Form1" && r < 50) {
        QStringList enabled;
        for (const QString& f : kFields)
            if (find("Form1." + f))
                enabled.append(f);
        if (r < 12)
            return {"enter", "Form1", {}}; // Enter on whatever has the focus
        if (!enabled.isEmpty()) {
            const QString field = pick(enabled);
            if (r < 25)
                return {"enter", "Form1." + field, {}};
            const QString text = entryText(field);
            const bool paste = text.size() > 40 || r < 30;
            return {paste ? "paste" : r < 42 ? "type" : "append", "Form1." + field, text};
        }
    }
    if (name == "titlform" && r < 40) {
        static const QStringList keys = {"a", "Return", "Escape", "Space", "Left", "F1", "Shift", "ä"};
        return {"key", name, pick(keys)};
    }
    if (r < 8 && kClosable.contains(name))
        return {"close", name, {}};

    // A click or a double-click on an enabled control, or on the window itself. Printing is slow,
    // so its buttons are pressed less often than the others.
    QList<QWidget*> controls = {window};
    for (QWidget* c : window->findChildren<QWidget*>())
        if (!c->objectName().isEmpty() && !c->objectName().startsWith("qt_") && c->isVisible() && c->isEnabled())
            controls.append(c);
    QWidget* control = pick(controls);
    const QString target = control == window ? name : name + '.' + control->objectName();
    if ((target == "Form1.Command7" || target == "larggraf.Command6") && roll(10) != 0)
        return {"tick", "-", {}};
    return {roll(6) == 0 ? "double" : "click", target, {}};
}

void mouse(QWidget* widget, QEvent::Type type)
{
    const QPoint pos = widget->rect().center();
    QMouseEvent event(type, pos, widget->mapToGlobal(pos), Qt::LeftButton,
                      type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

void key(QWidget* widget, int code, const QString& text, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QKeyEvent press(QEvent::KeyPress, code, modifiers, text);
    QApplication::sendEvent(widget, &press);
    if (widget) {
        QKeyEvent release(QEvent::KeyRelease, code, modifiers, text);
        QApplication::sendEvent(widget, &release);
    }
}

void Monkey::perform(const Action& a)
{
    FakePlatform& platform = m_program->platform;
    if (a.verb == "locale") {
        QLocale::setDefault(QLocale(a.text));
        m_program.reset(); // the windows take the locale when they are made
        m_program = std::make_unique<Program>();
    } else if (a.verb == "answer") {
        m_answer = m_paths.value(a.text.toInt());
    } else if (a.verb == "printer") {
        m_printer = a.text;
    } else if (a.verb == "tick") {
        m_program->windows.main().Timer1_Timer();
        m_program->windows.title().Timer1_Timer();
    } else if (QPointer<QWidget> target = find(a.target)) {
        const int errors = static_cast<int>(platform.errors.size());
        const int questions = static_cast<int>(platform.questions.size());
        platform.answers = m_answer.isEmpty() ? QStringList() : QStringList{m_answer};
        platform.printerFile = m_printer == "pdf" ? m_scratch.filePath("printed.pdf")
                             : m_printer == "broken" ? m_scratch.filePath("missing/printed.pdf") : QString();
        if (a.verb == "click" || a.verb == "double") {
            mouse(target, QEvent::MouseButtonPress);
            if (target)
                mouse(target, QEvent::MouseButtonRelease);
            if (target && a.verb == "double")
                mouse(target, QEvent::MouseButtonDblClick);
            if (target && a.verb == "double")
                mouse(target, QEvent::MouseButtonRelease);
            afterSave(a.target, errors, questions);
        } else if (a.verb == "type" || a.verb == "append" || a.verb == "paste") {
            target->setFocus();
            key(target, a.verb == "append" ? Qt::Key_End : Qt::Key_A, {}, a.verb == "append" ? Qt::NoModifier : Qt::ControlModifier);
            if (a.verb == "paste") {
                QGuiApplication::clipboard()->setText(a.text);
                key(target, Qt::Key_V, {}, Qt::ControlModifier);
            } else {
                for (const uint c : a.text.toUcs4())
                    if (target)
                        key(target, Qt::Key_unknown, QString::fromUcs4(reinterpret_cast<const char32_t*>(&c), 1));
            }
        } else if (a.verb == "enter") {
            QWidget* focus = a.target.contains('.') ? target.data() : target->focusWidget();
            if (focus && focus->isEnabled() && focus->isVisible())
                key(focus, Qt::Key_Return, QStringLiteral("\r"));
        } else if (a.verb == "key") {
            static const QMap<QString, std::pair<int, QString>> keys = {
                {"a", {Qt::Key_A, "a"}}, {"Return", {Qt::Key_Return, "\r"}}, {"Escape", {Qt::Key_Escape, "\x1b"}},
                {"Space", {Qt::Key_Space, " "}}, {"Left", {Qt::Key_Left, ""}}, {"F1", {Qt::Key_F1, ""}},
                {"Shift", {Qt::Key_Shift, ""}}, {"ä", {Qt::Key_Adiaeresis, "ä"}}};
            key(target, keys[a.text].first, keys[a.text].second);
        } else if (a.verb == "close") {
            target->close();
        }
    }
    // What the event loop would do next: chart updates, painting, windows closed for good.
    QCoreApplication::sendPostedEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    if (m_program->platform.quits > 0) // the program ended; the user starts it again
        m_program = std::make_unique<Program>();
}

// A save that reported nothing must have left exactly what it saved.
void Monkey::afterSave(const QString& control, int errorsBefore, int questionsBefore)
{
    const FakePlatform& platform = m_program->platform;
    if (m_answer.isEmpty() || platform.errors.size() != errorsBefore || !platform.answers.isEmpty())
        return;
    QFile file(m_answer);
    if (control == "Form1.Command10") {
        decay::RunState copy = m_program->state;
        if (!file.open(QIODevice::ReadOnly) || file.readAll().toStdString() != decay::dataFileText(copy))
            m_saveProblem = "the saved data file is not what the program formats";
    } else if (platform.questions.size() > questionsBefore && platform.yes) {
        if (QFileInfo(m_answer).suffix().toLower() != QLatin1String("pdf")) // the export adds the suffix
            file.setFileName(m_answer + ".pdf");
        if (!file.open(QIODevice::ReadOnly) || !file.read(5).startsWith("%PDF"))
            m_saveProblem = "the page saved instead of printed is no PDF file";
    }
}

QString Monkey::problem() const
{
    if (!m_app.escaped.isEmpty())
        return m_app.escaped;
    if (!m_saveProblem.isEmpty())
        return m_saveProblem;
    if (!g_complaint.isEmpty())
        return g_complaint;
    const QList<QWidget*> windows = visibleWindows();
    if (windows.isEmpty())
        return "no window is visible";
    const auto shown = [&](const char* name) {
        return std::any_of(windows.begin(), windows.end(), [&](QWidget* w) { return w->objectName() == name; });
    };
    if (shown("Form1") && shown("larggraf"))
        return "the main window and the large graph window are shown together";

    const decay::RunState& s = m_program->state;
    const auto within = [](int value, int low, int high) { return low <= value && value <= high; };
    if (!within(s.tmax, 0, decay::kLastStepLimit))
        return QStringLiteral("tmax %1 is outside 0..%2").arg(s.tmax).arg(decay::kLastStepLimit);
    if (!within(s.t, 0, decay::kSeriesSize - 1) || !within(s.tzero, 0, decay::kSeriesSize - 1))
        return QStringLiteral("t %1 or tzero %2 is no index of the series").arg(s.t).arg(s.tzero);
    if (s.Nleft < 0 || s.Ndecay < 0)
        return QStringLiteral("negative atom counts: Nleft %1, Ndecay %2").arg(s.Nleft).arg(s.Ndecay);
    for (std::size_t t = 0; t <= static_cast<std::size_t>(s.tmax); ++t)
        if (!(s.dNt[t] == s.Nt[t] - s.Nt[t + 1]))
            return QStringLiteral("dNt(%1) = %2, but Nt(%1) - Nt(%1+1) = %3").arg(t).arg(s.dNt[t]).arg(s.Nt[t] - s.Nt[t + 1]);

    Form1& main = m_program->windows.main();
    if (!within(main.ViewCycle, 0, 3) || !within(main.lnNlast, -1, decay::kLastStepLimit))
        return QStringLiteral("ViewCycle %1 or lnNlast %2 out of range").arg(main.ViewCycle).arg(main.lnNlast);
    const titlform& title = m_program->windows.title();
    if (!within(title.TitleTick, 0, 10) || !within(title.TitleShown, 0, 7))
        return QStringLiteral("TitleTick %1 or TitleShown %2 out of range").arg(title.TitleTick).arg(title.TitleShown);
    for (QWidget* w : QApplication::topLevelWidgets())
        for (const DecayChart* chart : w->findChildren<DecayChart*>())
            if (chart->rowCount() > decay::kSeriesSize)
                return QStringLiteral("a chart of %1 rows").arg(chart->rowCount());
    return {};
}

QString Monkey::freshDefaultRun()
{
    QLocale::setDefault(QLocale::c());
    m_program.reset();
    m_program = std::make_unique<Program>();
    Form1& main = m_program->windows.main();
    m_program->windows.title().Form_Click();
    main.Command2->click();
    const QString box = main.Text4->text();
    return box == "0.673794699908547" ? QString() : "a fresh default run gives " + box;
}

int report(const QString& text)
{
    std::fputs(qPrintable(text + '\n'), stderr);
    return 1;
}

// Replays the actions and checks after each; fails on the first problem.
int replay(MonkeyApp& app, const QStringList& lines)
{
    Monkey monkey(app, 0);
    for (qsizetype i = 0; i < lines.size(); ++i) {
        monkey.perform(Action::parse(lines[i]));
        if (const QString problem = monkey.problem(); !problem.isEmpty())
            return report(QStringLiteral("action %1 (%2): %3").arg(i + 1).arg(lines[i], problem));
    }
    return 0;
}

// Whether replaying the actions in a process of their own fails, by a problem or a crash.
bool fails(const QStringList& lines, const QString& file)
{
    QFile out(file);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    out.write(lines.join('\n').toUtf8() + '\n');
    out.close();
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedOutputChannel);
    process.start(QCoreApplication::applicationFilePath(), {"--replay", file});
    process.waitForFinished(-1);
    return process.exitStatus() == QProcess::CrashExit || process.exitCode() != 0;
}

// Leaves out parts of the list, ever smaller, as long as what is left still fails.
QStringList shrink(QStringList lines, const QString& file)
{
    qsizetype parts = 2;
    while (lines.size() >= 2) {
        const qsizetype chunk = (lines.size() + parts - 1) / parts;
        bool smaller = false;
        for (qsizetype start = 0; start < lines.size() && !smaller; start += chunk) {
            const QStringList rest = lines.mid(0, start) + lines.mid(start + chunk);
            if (fails(rest, file)) {
                lines = rest;
                parts = std::max<qsizetype>(parts - 1, 2);
                smaller = true;
            }
        }
        if (!smaller) {
            if (parts >= lines.size())
                break;
            parts = std::min(parts * 2, lines.size());
        }
    }
    return lines;
}

} // namespace

int main(int argc, char* argv[])
{
    qInstallMessageHandler(complaints);
    MonkeyApp app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    const auto option = [&](const char* name) {
        const qsizetype at = args.indexOf(QLatin1String(name));
        return at < 0 ? QString() : args.value(at + 1);
    };

    if (args.contains("--replay")) {
        QFile file(option("--replay"));
        if (!file.open(QIODevice::ReadOnly))
            return report("cannot read " + file.fileName());
        return replay(app, QString::fromUtf8(file.readAll()).split('\n', Qt::SkipEmptyParts));
    }

    const std::uint64_t seed = option("--seed").toULongLong();
    const qsizetype count = option("--count").toLongLong();
    QFile log(option("--log"));
    if (!log.fileName().isEmpty() && !log.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return report("cannot write " + log.fileName());

    Monkey monkey(app, seed);
    QStringList done;
    // Odd seeds type into a program that reads numbers with a decimal comma.
    Action action{"locale", "-", seed % 2 ? "de_DE" : "C"};
    for (qsizetype i = 0; i <= count; ++i) {
        done.append(action.line());
        if (log.isOpen()) {
            log.write(done.last().toUtf8() + '\n');
            log.flush();
        }
        monkey.perform(action);
        if (const QString problem = monkey.problem(); !problem.isEmpty()) {
            report(QStringLiteral("seed %1, action %2 of %3 (%4): %5").arg(seed).arg(i).arg(count).arg(done.last(), problem));
            if (!args.contains("--shrink"))
                return report(QStringLiteral("the last actions:\n  %1\nshrink it with: bash scripts/monkey %2 %3")
                                  .arg(done.mid(std::max<qsizetype>(0, done.size() - 15)).join("\n  ")).arg(seed).arg(i));
            QTemporaryDir dir;
            const QStringList shortest = shrink(done, dir.filePath("actions"));
            return report(QStringLiteral("a reproduction of %1 actions (replay it with Monkey --replay FILE):\n%2")
                              .arg(shortest.size()).arg(shortest.join('\n')));
        }
        action = monkey.next();
    }
    if (const QString problem = monkey.freshDefaultRun(); !problem.isEmpty())
        return report(QStringLiteral("seed %1, after %2 actions: %3").arg(seed).arg(count).arg(problem));
    std::printf("seed %llu: %lld actions, every invariant held\n", static_cast<unsigned long long>(seed), static_cast<long long>(count));
    return 0;
}
