// Saves the windows the README shows as PNG files into the folder given: the title window, the
// main window after a deterministic and after a random run, the large graph window and the
// introduction; then each lab as the first button a teacher presses leaves it, on a 1920 x 1080
// screen: the class experiment's runs, the nuclide lab's exact run of U-238's chain, and the
// counting lab's count of activated silver; and the example lesson "Half-life with dice" as a
// student sees it after the first answers, the class experiment with the lesson panel beside it.
// Run it on an X server (scripts/screenshots starts Xvfb).
#include "model/run/RunState.h"
#include "ui/Platform.h"
#include "ui/Translations.h"
#include "ui/counting/CountingTab.h"
#include "ui/lesson/LessonPanel.h"
#include "ui/run/ProgramWindows.h"

#include <QApplication>
#include <QScreen>
#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QLineEdit>
#include <QListWidget>
#include <QDir>
#include <QThread>

#include <cstdio>

namespace {

void settle()
{
    for (int i = 0; i < 20; ++i) {
        QCoreApplication::processEvents();
        QThread::msleep(10);
    }
}

bool shoot(QWidget& window, const QDir& folder, const char* name)
{
    settle();
    return window.grab().save(folder.filePath(QString::fromLatin1(name) + QStringLiteral(".png")));
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    installTranslations(app); // in the desktop's language, as the program shows itself
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    decay::RunState state;
    QtPlatform platform;
    ProgramWindows windows(state, platform);
    Form1& main = windows.main();
    titlform& title = windows.title();
    for (int i = 0; i < 6; ++i)
        title.Timer1_Timer(); // the name in its largest size
    bool saved = shoot(title, folder, "title");

    title.Form_KeyPress();
    main.Command2_Click();
    saved &= shoot(main, folder, "main-run");
    main.Command5_Click();
    saved &= shoot(main, folder, "main-random");
    main.ShowLargeGraph();
    saved &= shoot(windows.largeGraph(), folder, "large-graph");
    windows.largeGraph().command4_Click();
    main.Command8_Click();
    saved &= shoot(windows.introduction(), folder, "introduction");

    ClassExperiment& experiment = windows.classExperiment();
    experiment.show();
    experiment.resize(1920, 1080);
    experiment.cmdRun->click();
    while (experiment.running())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    saved &= shoot(experiment, folder, "class-experiment");
    experiment.hide();

    NuclideLab& lab = windows.nuclideLab();
    lab.show();
    lab.resize(1920, 1080);
    lab.cmdExact->click(); // the first nuclide of the list, U-238
    saved &= shoot(lab, folder, "nuclide-lab");
    lab.hide();

    CountingLab& counter = windows.countingLab();
    counter.show();
    counter.resize(1920, 1080);
    counter.counting->cmdSilver->click();
    counter.counting->cboSpeed->setCurrentIndex(counter.counting->cboSpeed->count() - 1);
    counter.counting->chkSound->setChecked(true); // silent where the machine has no sound device
    counter.counting->cmdStart->click();
    while (counter.counting->playing())
        counter.counting->playFor(0.016);
    saved &= shoot(counter, folder, "counting-lab");
    counter.hide();

    // The lesson replaces the class experiment's window with one of its own, the panel beside it.
    windows.lessons().openFile(QStringLiteral(":/lessons/dice.atomdrift"));
    LessonPanel& panel = *windows.lessons().panel();
    panel.txtStudentName->setText(QStringLiteral("Ada Lovelace"));
    panel.txtStudentName_Change();
    ClassExperiment& lessonPart = windows.classExperiment();
    lessonPart.setGeometry(0, 0, 1380, 1050);
    panel.setGeometry(1390, 0, 530, 1050);
    lessonPart.cmdRun->click();
    while (lessonPart.running())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    panel.findChild<QLineEdit*>(QStringLiteral("txtAnswer2"))->setText(QStringLiteral("3.8"));
    panel.cmdCheck_Click(1);
    panel.findChild<QRadioButton*>(QStringLiteral("optAnswer4_2"))->setChecked(true);
    panel.cmdCheck_Click(3);
    settle();
    saved &= QGuiApplication::primaryScreen()->grabWindow(0).copy(0, 0, 1920, 1080).save(folder.filePath(QStringLiteral("lesson.png")));
    return saved ? 0 : 1;
}
