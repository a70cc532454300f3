#include "model/common/Conversions.h"
#include "model/common/CsvLines.h"
#include "model/lesson/HandIn.h"
#include "model/lesson/HandOut.h"
#include "model/lesson/LessonMarking.h"
#include "tests/ui/TestProgram.h"
#include "ui/Look.h"
#include "ui/ModelText.h"
#include "ui/lesson/PartControls.h"

#include <QDir>

#include <cmath>
#include <numbers>

// Lessons as a teacher makes and collects them and as students answer them, through the windows.
class LessonWindowsTest : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    ProgramFixture m_program;

    QString path(const QString& name) const { return m_dir.filePath(name); }
    LessonDesk& desk() { return m_program->windows.lessons(); }

    // A class experiment of 100 atoms, r = 0.1, to step 50, 20 runs, with four questions.
    static decay::Lesson diceLesson()
    {
        decay::Lesson lesson;
        lesson.id = "0123456789abcdef";
        lesson.title = decay::textIn("en", "Dice");
        lesson.part = decay::LessonPart::Experiment;
        lesson.setup = {{"txtAtoms", "100"}, {"txtRate", "0.1"}, {"txtLastStep", "50"}, {"txtRuns", "20"}};
        lesson.seedPolicy = decay::SeedPolicy::PerStudent;
        lesson.controls = {{"txtRuns", decay::ControlUse::Locked},
                           {"cmdImport", decay::ControlUse::Hidden},
                           {"cmdExport", decay::ControlUse::Locked},
                           {"txtAtoms", decay::ControlUse::Range, 10, 1000}};
        decay::LessonStep step;
        step.text = decay::textIn("en", "Run the class.");
        lesson.steps = {step};
        return lesson;
    }

    // The student's name typed and confirmed in the panel.
    static LessonPanel& named(LessonDesk& desk, const QString& name)
    {
        LessonPanel& panel = *desk.panel();
        panel.txtStudentName->setText(name);
        QTest::keyClick(panel.txtStudentName, Qt::Key_Return);
        return panel;
    }

    static void runClass(ClassExperiment& experiment)
    {
        experiment.cmdRun->click();
        QTRY_VERIFY_WITH_TIMEOUT(experiment.result().has_value() && !experiment.running(), 20000);
    }

private slots:
    void init() { m_program.restart(); }
    void cleanup() { m_program.end(); }

    // A teacher makes a lesson in the class experiment and saves it; three students open it, answer
    // and hand in; the teacher collects their files with a damaged one and exports the marks.
    void madeAnsweredHandedInAndCollected()
    {
        ClassExperiment& teacher = m_program->windows.classExperiment();
        teacher.show();
        for (auto [field, value] : {std::pair{teacher.txtAtoms, "100"}, {teacher.txtLastStep, "50"}, {teacher.txtRuns, "20"}})
            field->setText(QString::fromLatin1(value));
        teacher.txtRate->setText(QStringLiteral("0.1"));
        teacher.cmdMakeLesson->click();
        LessonMaker& maker = *desk().maker();
        maker.txtTitle->setText(QStringLiteral("Half-life with dice"));
        maker.findChild<QComboBox*>(QStringLiteral("cboUse_txtRuns"))->setCurrentIndex(1);
        maker.findChild<QComboBox*>(QStringLiteral("cboUse_cmdImport"))->setCurrentIndex(2);
        maker.chkHandInData->setChecked(true);
        const auto addStep = [&](int question, const QString& text, const QString& quantity, const QString& expected, const QString& tolerance) {
            maker.cmdAddStep->click();
            maker.txtStepText->setPlainText(text);
            maker.cboQuestion->setCurrentIndex(question);
            maker.cboExpected->setCurrentIndex(std::max(0, maker.cboExpected->findData(quantity)));
            maker.txtArguments->setText(quantity == "meanAtoms" ? QStringLiteral("step = 10") : QString());
            maker.txtChoices->setPlainText(QStringLiteral("Yes\nNo"));
            maker.txtExpected->setText(expected);
            maker.txtAbsolute->setText(tolerance);
            maker.txtTolerance->clear();
        };
        addStep(4, "Read the half-life off the chart.", "halfLife", {}, "0.05");
        addStep(1, "How many atoms are left on average at step 10?", "meanAtoms", {}, "0.5");
        addStep(2, "Do all atoms decay at once?", {}, "2", {});
        addStep(3, "Why do the runs differ?", {}, {}, {});
        m_program->platform.answers = {path("dice")};
        maker.cmdSaveLesson->click();
        QVERIFY2(m_program->platform.errors.isEmpty(), qPrintable(m_program->platform.errors.join('\n')));
        const decay::LessonRead saved = decay::readLesson(fileBytes(path("dice.atomdrift")).toStdString(), "dice.atomdrift");
        QVERIFY2(saved.lesson, saved.error.text().c_str());
        const decay::Lesson& lesson = *saved.lesson;
        QCOMPARE(lesson.use("txtRuns"), decay::ControlUse::Locked);
        QCOMPARE(*lesson.setupValue("txtRuns"), std::string("20"));

        // The same lesson as a link, and as the web page where this build has one.
        maker.cmdCopyLink->click();
        QVERIFY(maker.txtLink->text().startsWith("atomdrift.html#lesson=") && maker.txtLink->text().size() <= 2000);
        QCOMPARE(decay::readLessonLink(maker.txtLink->text().toStdString(), "link").lesson->id, lesson.id);
        QCOMPARE(maker.cmdSavePage->isEnabled(), !LessonDesk::webPage().isEmpty());
        if (maker.cmdSavePage->isEnabled()) {
            m_program->platform.answers = {path("dice.html")};
            maker.cmdSavePage->click();
            QVERIFY(!decay::lessonInPage(fileBytes(path("dice.html")).toStdString()).empty());
        } else {
            QVERIFY(maker.lblWebPage->text().contains("not installed"));
        }
        maker.cmdPreview->click();
        QVERIFY(desk().panel()->windowTitle().startsWith("Preview: Half-life with dice"));
        named(desk(), QStringLiteral("Teacher"));

        // The first student opens the file from the class experiment's "Open lesson...".
        ClassExperiment& previewed = m_program->windows.classExperiment();
        previewed.cmdOpenLesson->click();
        m_program->platform.answers = {path("dice.atomdrift")};
        get<QPushButton>("OpenLesson.cmdFile").click();
        struct Student {
            QString name, halfLife;
            bool mean;
            int choice;
        };
        const Student students[] = {{"Ada Lovelace", "6.93", true, 2}, {"Ben", "5", true, 2}, {"Cy", "6.9", false, 1}};
        QStringList handIns;
        for (const Student& student : students) {
            if (handIns.size() > 0)
                QVERIFY(desk().openFile(path("dice.atomdrift")));
            auto& experiment = m_program->windows.classExperiment();
            QVERIFY(!experiment.isEnabled()); // each student's data come from the name
            LessonPanel& panel = named(desk(), student.name);
            const std::uint64_t seed = decay::studentSeed(lesson, student.name.toStdString());
            QCOMPARE(experiment.txtSeed->text(), QString::number(seed));
            QVERIFY(experiment.isEnabled() && experiment.txtSeed->isReadOnly() && experiment.txtRuns->isReadOnly());
            QVERIFY(!experiment.cmdNewSeed->isEnabled() && experiment.cmdImport->isHidden());
            runClass(experiment);
            // The runs the student sees are the runs the marking makes again.
            decay::LessonEvaluator evaluator(lesson, seed, nullptr);
            QVERIFY(evaluator.runs());
            QCOMPARE(experiment.result()->ensemble.counts, evaluator.runs()->counts);

            get<QLineEdit>("LessonPanel.txtAnswer1").setText(student.halfLife);
            QTest::keyClick(&get<QLineEdit>("LessonPanel.txtAnswer1"), Qt::Key_Return);
            const bool right = std::fabs(student.halfLife.toDouble() - std::numbers::ln2 / 0.1) <= 0.05;
            decay::Mark shown;
            shown.verdict = right ? decay::Verdict::Right : decay::Verdict::Wrong;
            QCOMPARE(get<QLabel>("LessonPanel.lblMark1").text(), modelText(decay::markMessage(shown)));
            if (student.mean)
                get<QLineEdit>("LessonPanel.txtAnswer2").setText(QString::number(experiment.result()->stats.mean[10], 'f', 2));
            get<QRadioButton>(QStringLiteral("LessonPanel.optAnswer3_%1").arg(student.choice)).setChecked(true);
            get<QPlainTextEdit>("LessonPanel.txtAnswer4").setPlainText(QStringLiteral("chance"));
            handIns.append(path(student.name + ".handin"));
            m_program->platform.answers = {handIns.back()};
            panel.cmdHandIn->click();
            QVERIFY(QFile::exists(handIns.back()));
            QCOMPARE(m_program->platform.offered.last(), QStringLiteral("Half-life with dice - %1.handin").arg(student.name));
        }
        const decay::HandInRead ada = decay::readHandIn(fileBytes(handIns[0]).toStdString(), "ada.handin");
        QVERIFY(ada.handIn && ada.handIn->data.starts_with("\"t\",\"run 1\","));
        QByteArray damaged = fileBytes(handIns[0]);
        damaged.replace("6.93", "6.94");
        handIns.append(writtenFile(path("damaged.handin"), damaged));

        m_program->platform.answers = {handIns.join('\n')};
        desk().panel()->cmdCollect->click();
        HandInCollection& collection = *desk().collection();
        QCOMPARE(collection.tblMarks->rowCount(), 3);
        QCOMPARE(collection.lstRefused->count(), 1);
        QVERIFY(collection.lstRefused->item(0)->text().startsWith("damaged.handin: "));
        const auto marks = [&](int row) {
            QStringList shown;
            for (int column = 1; column <= 4; ++column)
                shown.append(collection.tblMarks->item(row, column)->text());
            return shown.join(' ');
        };
        QCOMPARE(marks(0), QStringLiteral("right right right collected"));
        QCOMPARE(marks(1), QStringLiteral("wrong right right collected"));
        QCOMPARE(marks(2), QStringLiteral("right unanswered wrong collected"));
        QCOMPARE(*collection.collection().rows[0].marks[0].expected, std::numbers::ln2 / 0.1); // ln 2 / r
        QCOMPARE(collection.collection().pooled->params.runs, 60);

        m_program->platform.answers = {path("marks.csv")};
        collection.cmdExportCsv->click();
        const QByteArray csv = fileBytes(path("marks.csv"));
        QVERIFY(csv.startsWith("Name,File,Seed,Right,Marked,Answer 1,Mark 1,Expected 1,"));
        QCOMPARE(csv.count("\r\n"), 4);
        QVERIFY(csv.contains("Ada Lovelace,Ada Lovelace.handin,"));
    }

    // The lessons and hand-ins of earlier versions, collected in the window: the marks it exports
    // are the ones every edition keeps for them (the browser's test reads the same files).
    void corpusMarkedAsEveryEditionMarksIt_data()
    {
        QTest::addColumn<QString>("lesson");
        // Besides: a lesson made, answered and handed in through the desktop's windows (desktop-made),
        // and one through the page's (page-made), each opened and marked by the other edition too.
        for (const char* name : {"dice", "counting", "technetium", "desktop-made", "page-made"})
            QTest::newRow(name) << QString::fromLatin1(name);
    }

    void corpusMarkedAsEveryEditionMarksIt()
    {
        QFETCH(QString, lesson);
        const QDir corpus(QStringLiteral(ATOMDRIFT_LESSON_CORPUS "/v1"));
        QVERIFY(desk().openFile(corpus.filePath(lesson + QStringLiteral(".atomdrift"))));
        QStringList files;
        for (const QString& name : corpus.entryList({lesson + QStringLiteral(" - *")}, QDir::Files, QDir::Name))
            files.append(corpus.filePath(name));
        m_program->platform.answers = {files.join('\n')};
        desk().panel()->cmdCollect->click();
        HandInCollection& collection = *desk().collection();
        QCOMPARE(collection.tblMarks->rowCount(), 3);
        m_program->platform.answers = {path("marks.csv")};
        collection.cmdExportCsv->click();
        const std::string nowText = fileBytes(path("marks.csv")).toStdString();
        const std::string keptText = fileBytes(corpus.filePath(lesson + QStringLiteral(".marks.csv"))).toStdString();
        decay::CsvLines now(nowText), kept(keptText);
        while (kept.next()) {
            QVERIFY(now.next());
            const auto &a = now.fields(), &b = kept.fields();
            QCOMPARE(a.size(), b.size());
            for (std::size_t i = 0; i < b.size(); ++i) {
                const auto x = decay::strictValue(a[i], "."), y = decay::strictValue(b[i], ".");
                if (x && y && a[i] != b[i])
                    QVERIFY2(std::fabs(*x - *y) <= 1e-9 * std::fabs(*y), b[i].c_str());
                else
                    QCOMPARE(QString::fromStdString(a[i]), QString::fromStdString(b[i]));
            }
        }
        QVERIFY(!now.next());
    }

    // The nuclide lab's entries go into a lesson and come back from it into a fresh lab, and its
    // table half-life is NUBASE2020's.
    void nuclideLabSetupRoundTrip()
    {
        NuclideLab& lab = m_program->windows.nuclideLab();
        lab.show();
        lab.cboNuclide->setCurrentIndex(lab.cboNuclide->findData(QStringLiteral("Mo-99"), look::kChoiceKeyRole));
        lab.txtSteps->setText(QStringLiteral("120"));
        lab.cboStepUnit->setCurrentIndex(2); // h
        lab.cmdMakeLesson->click();
        decay::Lesson lesson = desk().maker()->lesson();
        QCOMPARE(*lesson.setupValue("cboNuclide"), std::string("Mo-99"));
        QCOMPARE(*lesson.setupValue("cboStepUnit"), std::string("h"));
        QCOMPARE(*lesson.setupValue("txtSteps"), std::string("120"));
        lesson.title = decay::textIn("en", "Generator");
        decay::LessonStep step;
        step.text = decay::textIn("en", "The half-life of Mo-99?");
        step.question = decay::QuestionKind::Number;
        step.unit = "h";
        step.tolerance.absolute = 0.01;
        step.answer = decay::ExpectedAnswer{};
        step.answer->quantity = "tableHalfLife";
        step.answer->arguments["nuclide"] = "Mo-99";
        lesson.steps = {step};
        lab.cboNuclide->setCurrentIndex(0); // the teacher goes on elsewhere
        desk().start(lesson);
        NuclideLab& fresh = m_program->windows.nuclideLab();
        QVERIFY(&fresh != &lab || fresh.isVisible());
        QCOMPARE(partcontrols::readSetup({&fresh}, decay::LessonPart::Nuclides), lesson.setup);
        decay::LessonEvaluator evaluator(lesson, 1, desk().table());
        QCOMPARE(*evaluator.expected(0), 65.932); // NUBASE2020: Mo-99, 65.932 h
    }

    // The decay run's random run in the lesson is the one the marking makes again; the designed
    // window keeps its layout.
    void decayRunShowsTheEvaluatorsRun()
    {
        Form1& form = m_program->showMain();
        // The designed controls, by name, where they are.
        const auto layoutOf = [&form] {
            QMap<QString, QRect> places;
            for (QWidget* child : form.findChildren<QWidget*>())
                if (!child->objectName().isEmpty() && !child->objectName().startsWith("qt_"))
                    places.insert(child->objectName(), child->geometry());
            return places;
        };
        const QMap<QString, QRect> layout = layoutOf();
        decay::Lesson lesson;
        lesson.id = "00000000000000aa";
        lesson.title = decay::textIn("en", "Random decay");
        lesson.part = decay::LessonPart::Run;
        lesson.setup = {{"txtN0", "200"}, {"rrate", "0.05"}};
        lesson.seedPolicy = decay::SeedPolicy::PerStudent;
        form.simut->setText(QStringLiteral("30")); // typed before: the lesson starts from the defaults
        desk().start(lesson);
        named(desk(), QStringLiteral("Grace"));
        QCOMPARE(texts("Form1", "txtN0 simut rrate"), QStringLiteral("200|50|0.05"));
        QVERIFY(form.Command2->isEnabled());
        form.Command2->click();
        form.Command5->click();
        decay::LessonEvaluator evaluator(lesson, decay::studentSeed(lesson, "Grace"), nullptr);
        const auto run = evaluator.runs()->run(0);
        QCOMPARE(form.MSChart1->rowCount(), 51);
        for (int row = 1; row <= form.MSChart1->rowCount(); ++row)
            QCOMPARE(form.MSChart1->data(row, 2), static_cast<double>(run[static_cast<std::size_t>(row - 1)]));
        QCOMPARE(layoutOf(), layout);
    }

    // The counting lab's actions in a lesson draw from the seeds the marking draws from: the
    // background the student measures, first or by starting the counter at once, is the one the
    // lesson marks against.
    void countingLabDrawsTheMarkedSeeds_data()
    {
        QTest::addColumn<QString>("button");
        QTest::newRow("background first") << QStringLiteral("cmdBackground");
        QTest::newRow("start at once") << QStringLiteral("cmdStart");
    }

    void countingLabDrawsTheMarkedSeeds()
    {
        QFETCH(QString, button);
        decay::Lesson lesson;
        lesson.id = "00000000000000bb";
        lesson.title = decay::textIn("en", "Background");
        lesson.part = decay::LessonPart::Counting;
        lesson.setup = {{"cboNuclide", "Cs-137"}, {"txtBackground", "2"}, {"txtBackgroundTime", "300"}};
        lesson.seedPolicy = decay::SeedPolicy::PerStudent;
        decay::LessonStep step;
        step.text = decay::textIn("en", "Measure the background. How many counts a second?");
        step.question = decay::QuestionKind::Number;
        step.tolerance.absolute = 1e-9;
        step.answer = decay::ExpectedAnswer{};
        step.answer->quantity = "backgroundRate";
        lesson.steps = {step};
        desk().start(lesson);
        named(desk(), QStringLiteral("Marie"));
        CountingLab& lab = m_program->windows.countingLab();
        QCOMPARE(get<QLineEdit>("CountingLab.txtBackground").text(), QStringLiteral("2"));
        QVERIFY(!lab.session().background());
        QPushButton* measure = lab.findChild<QPushButton*>(button);
        QVERIFY(measure);
        measure->click();
        QVERIFY(lab.session().background());
        decay::LessonEvaluator evaluator(lesson, decay::studentSeed(lesson, "Marie"), desk().table());
        decay::Message why;
        const auto expected = evaluator.expected(0, &why);
        QVERIFY2(expected, why.text().c_str());
        QCOMPARE(lab.session().background()->rate(), *expected);
    }

    // Each example lesson is offered by its title and opens into its part with every entry as the
    // marking starts from.
    void examplesOpenIntoTheirParts_data()
    {
        QTest::addColumn<QString>("file");
        for (const char* name : {"counting", "dice", "radiocarbon", "radon", "technetium"})
            QTest::newRow(name) << QStringLiteral(":/lessons/%1.atomdrift").arg(QLatin1String(name));
    }

    void examplesOpenIntoTheirParts()
    {
        QFETCH(QString, file);
        const decay::LessonRead read = decay::readLesson(fileBytes(file).toStdString(), "example");
        QVERIFY2(read.lesson, read.error.text().c_str());
        m_program->windows.title().cmdOpenLesson->click();
        auto& list = get<QListWidget>("OpenLesson.lstExamples");
        QCOMPARE(list.count(), 5);
        const auto found = list.findItems(QString::fromStdString(read.lesson->title.in("en")), Qt::MatchExactly);
        QCOMPARE(found.size(), 1);
        list.setCurrentItem(found[0]);
        get<QPushButton>("OpenLesson.cmdOpen").click();
        QVERIFY2(m_program->platform.errors.isEmpty(), qPrintable(m_program->platform.errors.join('\n')));
        QVERIFY(desk().panel() && desk().panel()->lesson().id == read.lesson->id);
        const auto setup = decay::completeSetup(*read.lesson, desk().table());
        const auto shown = partcontrols::readSetup(desk().partWindows(read.lesson->part), read.lesson->part);
        for (const auto& [name, value] : setup) {
            const auto at = std::find_if(shown.begin(), shown.end(), [&](const auto& entry) { return entry.first == name; });
            QVERIFY2(at != shown.end(), name.c_str());
            QCOMPARE(QString::fromStdString(name + " " + at->second), QString::fromStdString(name + " " + value));
        }

        // The program may end with a name half typed into the focused field, whose editing then
        // finishes while the panel goes.
        LessonPanel& panel = *desk().panel();
        panel.activateWindow();
        panel.txtStudentName->setFocus();
        QTRY_VERIFY(panel.txtStudentName->hasFocus());
        QTest::keyClicks(panel.txtStudentName, QStringLiteral("Ada"));
        m_program.end();
    }

    // "Make lesson..." with an example open edits it: left as it is, it writes the same lesson; a
    // title edited replaces the user's language only.
    void examplesEditedAsTheyAre_data() { examplesOpenIntoTheirParts_data(); }

    void examplesEditedAsTheyAre()
    {
        QFETCH(QString, file);
        std::string text = fileBytes(file).toStdString();
        text.insert(text.find('{') + 1, "\n  \"fromALaterVersion\": [1, 2],");
        const decay::LessonRead read = decay::readLesson(text, "example");
        QVERIFY2(read.lesson, read.error.text().c_str());
        desk().start(*read.lesson);
        desk().makeLesson(read.lesson->part);
        LessonMaker& maker = *desk().maker();
        QCOMPARE(maker.txtTitle->text(), QString::fromStdString(read.lesson->title.in("en")));
        decay::Lesson made = maker.lesson();
        made.setup = read.lesson->setup; // the part's entries as they stand, every default among them
        QCOMPARE(QString::fromStdString(decay::writeLesson(made)), QString::fromStdString(decay::writeLesson(*read.lesson)));

        maker.txtTitle->setText(QStringLiteral("Revised"));
        const decay::LessonText title = maker.lesson().title;
        QCOMPARE(title.byLanguage.size(), read.lesson->title.byLanguage.size());
        for (const auto& [language, words] : title.byLanguage)
            QCOMPARE(QString::fromStdString(words), QString::fromStdString(language == "en" ? "Revised" : read.lesson->title.in(language)));
    }

    void badFilesOpenNothing_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("says");
        const QByteArray good = QByteArray::fromStdString(decay::writeLesson(diceLesson()));
        QTest::newRow("truncated") << good.left(good.size() / 2) << "bad.atomdrift";
        QByteArray newer = good;
        newer.replace("\"atomdrift\": 1", "\"atomdrift\": 7");
        QTest::newRow("newer version") << newer << "7";
        QTest::newRow("no lesson") << QByteArray("hello") << "bad.atomdrift";
        QTest::newRow("unknown control") << QByteArray(good).replace("\"txtRuns\"", "\"txtRunz\"") << "txtRunz";
    }

    void badFilesOpenNothing()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, says);
        QVERIFY(!desk().openFile(writtenFile(path("bad.atomdrift"), bytes)));
        QCOMPARE(m_program->platform.errors.size(), 1);
        QVERIFY2(m_program->platform.errors[0].contains("bad.atomdrift") && m_program->platform.errors[0].contains(says),
                 qPrintable(m_program->platform.errors[0]));
        QVERIFY(!desk().panel() && !findWindow("LessonPanel"));
    }

    void rulesHoldAfterARun_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("kept");
        QTest::addColumn<int>("refusals");
        QTest::newRow("within the range") << "500" << "500" << 0;
        QTest::newRow("above the range") << "5000" << "100" << 1;
        QTest::newRow("below the range") << "9" << "100" << 1;
    }

    void rulesHoldAfterARun()
    {
        QFETCH(QString, typed);
        QFETCH(QString, kept);
        QFETCH(int, refusals);
        decay::Lesson lesson = diceLesson();
        lesson.seedPolicy = decay::SeedPolicy::Shared;
        desk().start(lesson);
        ClassExperiment& experiment = m_program->windows.classExperiment();
        experiment.txtAtoms->setFocus();
        experiment.txtAtoms->selectAll();
        QTest::keyClicks(experiment.txtAtoms, typed);
        QTest::keyClick(experiment.txtAtoms, Qt::Key_Return);
        QCOMPARE(experiment.txtAtoms->text(), kept);
        QCOMPARE(m_program->platform.errors.size(), refusals);
        runClass(experiment);
        // The window enables its commands after a run; the lesson's rules still hold.
        QVERIFY(!experiment.cmdExport->isEnabled() && experiment.cmdSaveImage->isEnabled());
        QVERIFY(experiment.cmdImport->isHidden() && experiment.txtRuns->isReadOnly());
        QCOMPARE(experiment.result()->ensemble.params.atoms, kept.toInt());
    }
};

QTEST_MAIN(LessonWindowsTest)
#include "LessonWindowsTest.moc"
