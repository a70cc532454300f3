#include "tests/ui/TestProgram.h"
#include "model/experiment/EnsembleStats.h"
#include "output/ChainFile.h"
#include "output/CountsFile.h"
#include "output/DataFile.h"
#include "output/ExperimentFile.h"

#include <cmath>
#include <cstdio>
#include <random>

// Random user actions against every window of the program, from a fixed seed, with the program's
// invariants checked after each one (an exception that leaves a handler ends the program, which
// fails as a crash):
//
//   Monkey --seed S --count N [--log FILE]  N random actions; each goes to FILE before it runs
//   Monkey --replay FILE                     the actions listed in FILE, one a line
//
// An action is a line "verb target text", the text percent-encoded. Replaying runs every action
// whose target is there, visible and enabled, and skips the others, so any part of a list is a
// list that can be replayed; scripts/monkey shrinks a failing list that way.

namespace {

// Qt's complaints other than those of the offscreen platform, of a printer that cannot start and
// of a machine without a sound server (the real counter then says there is no input): each one is
// a problem the user would meet as a broken window.
QString g_complaint;
void complaints(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    static const QStringList expected = {"This plugin does not support", "QPainter::begin", "XDG_RUNTIME_DIR", "PulseAudioService"};
    if (type == QtDebugMsg || type == QtInfoMsg
        || std::any_of(expected.begin(), expected.end(), [&](const QString& e) { return message.contains(e); }))
        return;
    if (g_complaint.isEmpty())
        g_complaint = "Qt says: " + message;
}

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

// What the monkey can do in each window besides clicking its controls. A new window joins with
// rows here.

// The entry fields and the usable values typed into them: mostly from `low` to `high`, so that
// most actions stay cheap, now and then up to `rare`; hundredths when `decimal`.
struct Entry {
    const char* field;
    int low, high, rare;
    bool decimal;
};
const Entry kEntries[] = {
    {"Form1.txtN0", 1, 200, 40000, false},       {"Form1.simut", 1, 60, 3100, false},
    {"Form1.rrate", 1, 99, 99, true},            {"Form1.halftime", 20, 2019, 2019, true},
    {"ClassExperiment.txtAtoms", 1, 300, 32767, false}, {"ClassExperiment.txtRate", 1, 99, 100, true},
    {"ClassExperiment.txtHalfLife", 20, 2019, 2019, true}, {"ClassExperiment.txtLastStep", 1, 80, 3000, false},
    {"ClassExperiment.txtRuns", 1, 40, 1000, false}, {"ClassExperiment.txtSeed", 0, 1000, 2000000000, false},
    {"NuclideLab.txtStep", 1, 500, 100000, true},    {"NuclideLab.txtSteps", 1, 200, 2000, false},
    {"NuclideLab.txtMilkStep", 1, 200, 2000, false},
    {"CountingLab.detector->txtEfficiency", 1, 100, 100, true}, {"CountingLab.detector->txtBackground", 0, 500, 100000, true},
    {"CountingLab.detector->txtBackgroundTime", 1, 600, 10000000, false}, {"CountingLab.counting->txtInterval", 1, 20, 1000000, false},
    {"CountingLab.dating->txtCarbon", 1, 500, 10000, false}, {"CountingLab.dating->txtAge", 0, 40000, 100000, false},
    {"CountingLab.dating->txtDatingTime", 1, 600, 1000000, false},
};
// Context-menu actions ("menu", the widget and the action's name) and shortcuts ("keys", the window).
const Action kCommands[] = {
    {"menu", "Form1.MSChart1", "actClassExperiment"}, {"menu", "Form1.MSChart1", "actSaveChart"},
    {"menu", "Form1.MSChart1", "actCopyData"},        {"menu", "larggraf.MSChart1", "actClassExperiment"},
    {"menu", "larggraf.MSChart1", "actSaveChart"},    {"menu", "larggraf.MSChart1", "actCopyData"},
    {"keys", "Form1", "Ctrl+E"},                      {"keys", "larggraf", "Ctrl+E"},
    {"menu", "Form1.MSChart1", "actNuclideLab"},      {"menu", "larggraf.MSChart1", "actNuclideLab"},
    {"keys", "Form1", "Ctrl+L"},                      {"keys", "larggraf", "Ctrl+L"},
    {"menu", "Form1.MSChart1", "actCountingLab"},     {"menu", "larggraf.MSChart1", "actCountingLab"},
    {"keys", "Form1", "Ctrl+K"},                      {"keys", "larggraf", "Ctrl+K"},
};
// Windows with a close box that does not end the program.
const QStringList kClosable = {"larggraf", "Introfrm", "Referenc", "Quiz", "copyrigh", "ClassExperiment", "NuclideLab", "CountingLab"};
// Controls that print or save a picture: slow, so pressed less often than the others.
const QStringList kSlow = {"Form1.Command7", "larggraf.Command6", "ClassExperiment.cmdPrint", "ClassExperiment.cmdSaveImage",
                           "NuclideLab.cmdPrint", "NuclideLab.cmdSaveImage", "CountingLab.cmdPrint", "CountingLab.cmdSaveImage"};
// Class and counts files for the imports, written again whenever the dialog is about to answer with them.
const std::pair<const char*, const char*> kClassFiles[] = {
    {"class.csv", "throw;A;B\r\n0;60;40\r\n1;50;33\r\n2;42;28\r\n3;35;23\r\n"}, {"bad.csv", "0,60\n1,50\n2,4x\n"},
    {"counts.csv", "t [s],counts,background\n0,50,3\n10,41,2\n20,30,4\n30,26,1\n40,0,2\n"}};

class Monkey {
public:
    explicit Monkey(std::uint64_t seed)
        : m_random(seed)
    {
        m_program.restart();
        QDir(m_scratch.path()).mkdir(QStringLiteral("folder"));
        // Good names, bad names and a cancelled dialog, for saving, printing to a file and importing.
        m_paths = {QString(), m_scratch.filePath("run.csv"), m_scratch.filePath(QStringLiteral("Zerfall ä€😀.csv")),
                   m_scratch.filePath("page.pdf"), m_scratch.filePath("page"), m_scratch.filePath("missing/run.csv"),
                   m_scratch.filePath("folder"), QStringLiteral("/proc/self/status"), m_scratch.filePath(QString(300, 'x'))};
        for (const auto& [name, text] : kClassFiles)
            m_paths.append(m_scratch.filePath(name));
    }

    Action next()
    {
        const QStringList windows = shownWindows();
        if (windows.isEmpty())
            return {"tick", "-", {}};
        const QString name = pick(windows);
        const int r = roll(100);
        if (r < 2)
            return {"answer", "-", QString::number(roll(static_cast<int>(m_paths.size())))};
        if (r < 3)
            return {"printer", "-", pick(QStringList{"pdf", "broken", "none", "none"})};
        if (r < 5)
            return {"tick", "-", {}};
        if (name == "ClassExperiment" && experiment()->running() && r < 40)
            return {r < 30 ? "wait" : "close", name, {}}; // closing must stop the runs too
        QList<Action> commands;
        for (const Action& command : kCommands)
            if (command.target.section('.', 0, 0) == name && usable(command.target))
                commands.append(command);
        if (!commands.isEmpty() && r < 7)
            return pick(commands);
        QList<Entry> entries;
        for (const Entry& entry : kEntries)
            if (QString(entry.field).section('.', 0, 0) == name && usable(entry.field))
                entries.append(entry);
        if (!entries.isEmpty() && r < 50) {
            if (r < 12)
                return {"enter", name, {}}; // Enter on whatever has the focus
            const Entry entry = pick(entries);
            if (r < 25)
                return {"enter", entry.field, {}};
            const QString text = entryText(entry);
            const bool paste = text.size() > 40 || r < 30;
            return {paste ? "paste" : r < 42 ? "type" : "append", entry.field, text};
        }
        if (name == "titlform" && r < 40) {
            static const QStringList keys = {"a", "Return", "Escape", "Space", "Left", "F1", "Shift", "ä"};
            return {"key", name, pick(keys)};
        }
        if (r < 8 && kClosable.contains(name))
            return {"close", name, {}};

        // A click or a double-click on an enabled control, or on the window itself.
        QWidget* window = findWindow(name);
        QList<QWidget*> controls = {window};
        for (QWidget* c : window->findChildren<QWidget*>())
            if (!c->objectName().isEmpty() && !c->objectName().startsWith("qt_") && c->isVisible() && c->isEnabled())
                controls.append(c);
        QWidget* control = pick(controls);
        const QString target = control == window ? name : name + '.' + control->objectName();
        if (kSlow.contains(target) && roll(10) != 0)
            return {"tick", "-", {}};
        return {roll(6) == 0 ? "double" : "click", target, {}};
    }

    void perform(const Action& a)
    {
        FakePlatform& platform = m_program->platform;
        if (a.verb == "locale") {
            QLocale::setDefault(QLocale(a.text));
            m_program.restart(); // the windows take the locale when they are made
        } else if (a.verb == "answer") {
            m_answer = m_paths.value(a.text.toInt());
            for (const auto& [name, text] : kClassFiles) {
                QFile file(m_scratch.filePath(name));
                if (file.fileName() == m_answer && file.open(QIODevice::WriteOnly | QIODevice::Truncate))
                    file.write(text);
            }
        } else if (a.verb == "printer") {
            m_printer = a.text;
        } else if (a.verb == "tick") { // what the timers would do next
            for (QWidget* w : QApplication::topLevelWidgets())
                for (QTimer* timer : w->findChildren<QTimer*>())
                    if (timer->isActive() && !timer->objectName().isEmpty())
                        QMetaObject::invokeMethod(timer, "timeout");
        } else if (QPointer<QWidget> target = usable(a.target)) {
            const qsizetype errors = platform.errors.size();
            const qsizetype questions = platform.questions.size();
            platform.answers = m_answer.isEmpty() ? QStringList() : QStringList{m_answer};
            platform.printerFile = m_printer == "pdf" ? m_scratch.filePath("printed.pdf")
                                 : m_printer == "broken" ? m_scratch.filePath("missing/printed.pdf") : QString();
            if (auto* tabs = qobject_cast<QTabWidget*>(target.data()); tabs && a.verb == "click") { // on the next tab
                QTest::mouseClick(tabs->tabBar(), Qt::LeftButton, {}, tabs->tabBar()->tabRect((tabs->currentIndex() + 1) % tabs->count()).center());
            } else if (a.verb == "click" || a.verb == "double") {
                click(target, Qt::LeftButton, a.verb == "double");
                afterSave(a.target, errors, questions);
            } else if (a.verb == "type" || a.verb == "append" || a.verb == "paste") {
                target->setFocus();
                key(target, a.verb == "append" ? Qt::Key_End : Qt::Key_A, {}, a.verb == "append" ? Qt::NoModifier : Qt::ControlModifier);
                if (a.verb == "paste") {
                    QGuiApplication::clipboard()->setText(a.text);
                    key(target, Qt::Key_V, {}, Qt::ControlModifier);
                } else {
                    for (const char32_t c : a.text.toUcs4())
                        if (target)
                            key(target, Qt::Key_unknown, QString::fromUcs4(&c, 1));
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
            } else if (a.verb == "menu") {
                if (auto* action = target->findChild<QAction*>(a.text); action && action->isEnabled())
                    action->trigger();
                afterSave(a.target, errors, questions);
            } else if (a.verb == "keys") {
                QApplication::setActiveWindow(target);
                QTest::keySequence(target->focusWidget() ? target->focusWidget() : target.data(), QKeySequence(a.text));
            } else if (a.verb == "wait") {
                m_problem = waitForRun();
            } else if (a.verb == "close") {
                target->close();
            }
        }
        // What the event loop would do next: runs finished, chart updates, windows closed for good.
        QCoreApplication::sendPostedEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        if (m_program->platform.quits > 0) // the program ended; the user starts it again
            m_program.restart();
    }

    QString problem() const
    {
        if (!m_problem.isEmpty())
            return m_problem;
        if (!g_complaint.isEmpty())
            return g_complaint;
        const QStringList windows = shownWindows();
        if (windows.isEmpty())
            return "no window is visible";
        if (windows.contains("Form1") && windows.contains("larggraf"))
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
        if (const QString counter = countingProblem(); !counter.isEmpty())
            return counter;
        return experimentProblem();
    }

    // A new program, as after ending the old one; RUN with the defaults must give the old result.
    QString freshDefaultRun()
    {
        QLocale::setDefault(QLocale::c());
        m_program.restart();
        m_program->windows.title().Form_Click();
        m_program->windows.main().Command2->click();
        const QString box = m_program->windows.main().Text4->text();
        return box == "0.673794699908547" ? QString() : "a fresh default run gives " + box;
    }

private:
    int roll(int below) { return std::uniform_int_distribution<int>(0, below - 1)(m_random); }
    template <class T>
    T pick(const QList<T>& list) { return list[roll(static_cast<int>(list.size()))]; }
    QString entryText(const Entry& entry)
    {
        const QString point = QLocale().decimalPoint();
        const QString other = point == "." ? QStringLiteral(",") : QStringLiteral(".");
        if (roll(100) < 55) {
            const int value = roll(20) == 0 ? roll(entry.rare + 1) : entry.low + roll(entry.high - entry.low + 1);
            return entry.decimal ? QString::number(value / 100) + point + QString::number(value % 100) : QString::number(value);
        }
        static const QStringList odd = {
            "", "abc", "x", "½", "٣٤", "１２", "π", "😀", "Zerfall ä", "1e308", "-1e308", "1e309", "1e-308",
            "4.9e-324", "1e-400", "-0", "NaN", "nan", "inf", "-inf", "Infinity", QString(1000, '9'),
            "0." + QString(998, '0') + "1", "1" + QString(999, '0'), "12abc", " 7 ", "\t3", "1e", "e5", "--1", "+5", "0x10",
            "1.2.3", "32767", "32768", "-32769", "65536", "3000.5", "9999", "10000", "12.5", "-3", "0", "1e-9", "-1", "2.5",
            "18446744073709551616", "0" + other + "5", "12" + other + "25"}; // the other decimal separator last
        return pick(odd);
    }

    // The target when its window is visible and it is visible and enabled.
    static QWidget* usable(const QString& target)
    {
        QWidget* window = findWindow(target.section('.', 0, 0));
        QWidget* found = find(target);
        return window && window->isVisible() && window->objectName() != "Form3" && found && found->isVisible() && found->isEnabled()
                 ? found : nullptr;
    }

    static ClassExperiment* experiment() { return dynamic_cast<ClassExperiment*>(findWindow("ClassExperiment")); }
    static CountingLab* counting() { return dynamic_cast<CountingLab*>(findWindow("CountingLab")); }
    static NuclideLab* nuclideLab() { return dynamic_cast<NuclideLab*>(findWindow("NuclideLab")); }

    // The counter's intervals follow each other without a gap within the run, the display shows the
    // running interval, and Pause is there exactly while there is counting left.
    static QString countingProblem()
    {
        const CountingLab* w = counting();
        if (!w || !w->session().counter())
            return {};
        const decay::Counter& c = *w->session().counter();
        double end = 0;
        for (const decay::CountInterval& interval : c.intervals()) {
            if (interval.start != end || !(interval.end > interval.start) || interval.counts < 0)
                return QStringLiteral("a counted interval from %1 to %2 with %3 counts follows one ending at %4")
                    .arg(interval.start).arg(interval.end).arg(interval.counts).arg(end);
            end = interval.end;
        }
        if (c.running().start != end || c.time() > c.endTime() || (w->counting->playing() && c.finished()))
            return "the counter's time runs past its run or stands apart from its intervals";
        if (w->counting->cmdPause->isEnabled() == c.finished())
            return "Pause is enabled after the counting ended, or disabled before";
        if (w->counting->lblCounts->text() != QLocale().toString(static_cast<qlonglong>(c.running().counts)))
            return "the display shows " + w->counting->lblCounts->text() + " counts, not the running interval's";
        return {};
    }
    // A user who waits a second for the class's runs, then presses Cancel, which must take effect soon.
    QString waitForRun()
    {
        const QPointer<ClassExperiment> w = experiment();
        const auto waitUpTo = [&](int milliseconds) {
            for (int i = 0; i < milliseconds && w && w->running(); ++i) {
                QThread::msleep(1);
                QCoreApplication::sendPostedEvents();
            }
            return !w || !w->running();
        };
        if (waitUpTo(1000))
            return {};
        w->cmdCancel->click();
        return waitUpTo(5000) ? QString() : QStringLiteral("the class's runs went on 5 s after Cancel");
    }

    // A save that reported nothing must have left exactly what it saved.
    void afterSave(const QString& control, qsizetype errorsBefore, qsizetype questionsBefore)
    {
        const FakePlatform& platform = m_program->platform;
        if (m_answer.isEmpty() || platform.errors.size() != errorsBefore || !platform.answers.isEmpty())
            return;
        const auto saved = [&](const QString& suffix) { // which an export adds to a name that does not end in it
            const bool ends = suffix.isEmpty() || QFileInfo(m_answer).suffix().compare(suffix.mid(1), Qt::CaseInsensitive) == 0;
            QFile file(ends ? m_answer : m_answer + suffix);
            return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
        };
        if (control == "Form1.Command10") {
            if (saved({}).toStdString() != decay::dataFileText(m_program->state))
                m_problem = "the saved data file is not what the program formats";
        } else if (const ClassExperiment* w = experiment(); control == "ClassExperiment.cmdExport" && w && w->result()) {
            if (saved(".csv").toStdString() != decay::experimentFileText(w->result()->ensemble, w->result()->stats))
                m_problem = "the exported runs are not what the program formats";
        } else if (const auto* lab = dynamic_cast<NuclideLab*>(findWindow("NuclideLab")); control == "NuclideLab.cmdExport" && lab && lab->result()) {
            const decay::LabRun& r = *lab->result();
            if (saved(".csv").toStdString() != decay::chainFileText(r))
                m_problem = "the exported lab run is not what the program formats";
        } else if (const auto* counter = counting(); control == "CountingLab.counting->cmdExportCounts" && counter) {
            if (saved(".csv").toStdString() != decay::countsFileText(counter->session().shownData(), counter->session().sample()->unit))
                m_problem = "the exported counts are not what the program formats";
        } else if (platform.questions.size() > questionsBefore && platform.yes && !saved(".pdf").startsWith("%PDF")) {
            m_problem = "the page saved instead of printed is no PDF file";
        }
    }

    // The class experiment's runs: the shape of the counts, and the half-life table and its note
    // taken from them; no run goes on once the window is gone.
    QString experimentProblem() const
    {
        const ClassExperiment* w = experiment();
        // A pool thread that has just finished its run may take a moment to count itself idle on a busy
        // machine; a run left going lasts far longer.
        // The nuclide lab's random run shares the pool and may take seconds of a long series.
        if (!w) {
            const NuclideLab* lab = nuclideLab();
            if (lab && lab->running())
                return {};
            return QThreadPool::globalInstance()->waitForDone(1000) ? QString() : "a run thread outlived the class experiment window";
        }
        if (w->running() == w->cmdRun->isEnabled())
            return "Run is enabled while the class runs, or disabled while it does not";
        if (!w->result())
            return w->tblHalfLives->item(0, 0) ? "a half-life is shown before any run" : QString();
        const decay::Ensemble& e = w->result()->ensemble;
        if (e.counts.size() != static_cast<std::size_t>(e.params.runs) * static_cast<std::size_t>(e.steps()))
            return QStringLiteral("%1 counts for %2 runs of %3 steps").arg(e.counts.size()).arg(e.params.runs).arg(e.steps());
        std::vector<double> halvings;
        for (int i = 0; i < e.params.runs; ++i) {
            if (e.run(i).front() != e.params.atoms)
                return QStringLiteral("run %1 starts with %2 atoms, not %3").arg(i).arg(e.run(i).front()).arg(e.params.atoms);
            if (const double h = decay::halvingTime(e.run(i)); std::isfinite(h))
                halvings.push_back(h);
        }
        // Each shown value, read back, is its quantity to the two decimals shown; "—" stands for none.
        double mean = 0;
        for (double h : halvings)
            mean += h / static_cast<double>(halvings.size());
        const std::pair<int, double> rows[] = {{0, halvings.empty() ? NAN : mean}, {2, std::log(2.0) / e.params.rate}};
        for (const auto& [row, value] : rows) {
            const QString shown = w->tblHalfLives->item(row, 0)->text();
            bool ok = false;
            const double read = QLocale().toDouble(shown, &ok);
            if (ok != std::isfinite(value) || (ok && !outsideTolerance(read, value, absolute(0.0051), "shown", "value").empty()))
                return QStringLiteral("the half-life table shows %1 in row %2 for %3").arg(shown).arg(row).arg(value);
        }
        if (!w->lblHalfLives->text().startsWith(QStringLiteral("%1 of %2 runs fell").arg(halvings.size()).arg(e.params.runs)))
            return "the note under the half-lives counts other runs: " + w->lblHalfLives->text();
        return {};
    }

    std::mt19937_64 m_random;
    ProgramFixture m_program;
    QTemporaryDir m_scratch;
    QStringList m_paths;
    QString m_answer;  // what the file dialogs answer
    QString m_printer; // "pdf", "broken" or "none"
    QString m_problem; // found while acting
};

int report(const QString& text)
{
    std::fputs(qPrintable(text + '\n'), stderr);
    return 1;
}

} // namespace

int main(int argc, char* argv[])
{
    qInstallMessageHandler(complaints);
    QApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    const auto option = [&](const char* name) {
        const qsizetype at = args.indexOf(QLatin1String(name));
        return at < 0 ? QString() : args.value(at + 1);
    };

    QStringList replay;
    if (args.contains("--replay")) {
        QFile file(option("--replay"));
        if (!file.open(QIODevice::ReadOnly))
            return report("cannot read " + file.fileName());
        replay = QString::fromUtf8(file.readAll()).split('\n', Qt::SkipEmptyParts);
    }
    const std::uint64_t seed = option("--seed").toULongLong();
    const qsizetype count = replay.isEmpty() ? option("--count").toLongLong() : replay.size() - 1;
    QFile log(option("--log"));
    if (!log.fileName().isEmpty() && !log.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return report("cannot write " + log.fileName());

    Monkey monkey(seed);
    // Odd seeds type into a program that reads numbers with a decimal comma.
    Action action{"locale", "-", seed % 2 ? "de_DE" : "C"};
    for (qsizetype i = 0; i <= count; ++i) {
        if (!replay.isEmpty())
            action = Action::parse(replay[i]);
        if (log.isOpen()) {
            log.write(action.line().toUtf8() + '\n');
            log.flush();
        }
        monkey.perform(action);
        if (const QString problem = monkey.problem(); !problem.isEmpty())
            return report(QStringLiteral("seed %1, action %2 of %3 (%4): %5").arg(seed).arg(i).arg(count).arg(action.line(), problem));
        action = monkey.next();
    }
    if (const QString problem = monkey.freshDefaultRun(); !problem.isEmpty())
        return report(QStringLiteral("seed %1, after %2 actions: %3").arg(seed).arg(count).arg(problem));
    std::printf("seed %llu: %lld actions, every invariant held\n", static_cast<unsigned long long>(seed), static_cast<long long>(count));
    return 0;
}
