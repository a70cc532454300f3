// Saves the windows the README shows as PNG files into the folder given: the title window, the
// main window after a deterministic and after a random run, the large graph window and the
// introduction, the nuclide lab with the technetium generator, and the counting lab counting it
// and dating a piece of old carbon. Run it on an X server (scripts/screenshots starts Xvfb).
#include "model/run/RunState.h"
#include "ui/Platform.h"
#include "ui/Translations.h"
#include "ui/counting/CountingTab.h"
#include "ui/counting/DatingTab.h"
#include "ui/counting/DetectorBox.h"
#include "ui/run/ProgramWindows.h"

#include <QApplication>
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

    NuclideLab& lab = windows.nuclideLab();
    lab.show();
    lab.cboNuclide->setCurrentIndex(lab.cboNuclide->findText(QStringLiteral("(Mo-99)"), Qt::MatchEndsWith));
    lab.cmdExact->click();
    lab.optActivity->setChecked(true);
    saved &= shoot(lab, folder, "nuclide-lab");

    lab.txtSteps->setText(QStringLiteral("400"));
    lab.cmdRandom->click();
    while (lab.running())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    lab.cmdCounter->click();
    CountingLab& counter = windows.countingLab();
    for (int row = 1; row < counter.counting->lstMembers->count(); ++row)
        counter.counting->lstMembers->item(row)->setCheckState(Qt::Unchecked); // Mo-99 alone
    counter.counting->txtInterval->setText(QStringLiteral("10"));
    counter.detector->txtBackgroundTime->setText(QStringLiteral("6000"));
    counter.detector->cmdBackground->click();
    counter.counting->cboSpeed->setCurrentIndex(counter.counting->cboSpeed->count() - 1);
    counter.counting->chkSound->setChecked(true); // silent where the machine has no sound device
    counter.counting->cmdStart->click();
    while (counter.counting->playing())
        counter.counting->playFor(0.016);
    saved &= shoot(counter, folder, "counting-lab");
    counter.tabLab->setCurrentIndex(1);
    counter.dating->txtAge->setText(QStringLiteral("4000"));
    counter.dating->cmdNewSample->click();
    for (const char* minutes : {"10", "100", "1000", "10000"}) {
        counter.dating->txtDatingTime->setText(QString::fromLatin1(minutes));
        counter.dating->cmdCountSample->click();
    }
    counter.dating->cmdReveal->click();
    saved &= shoot(counter, folder, "radiocarbon-dating");
    return saved ? 0 : 1;
}
