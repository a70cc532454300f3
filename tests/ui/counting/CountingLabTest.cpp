#include "tests/ui/TestProgram.h"
#include "output/CountsFile.h"
#include "ui/ModelText.h"
#include "model/counting/CountingSession.h"
#include "ui/charts/PlotLegend.h"

#include "ui/counting/DatingTab.h"
#include "ui/counting/RealCounterBox.h"

#include <QMediaDevices>
#include <QProcess>

#include <algorithm>
#include <cmath>
#include <random>


// The counting lab: counting a run of the nuclide lab in play, the clicks and the lamp, the fit,
// imported counts and the dating exercise.
class CountingLabTest : public QObject {
    Q_OBJECT

private slots:
    void init() { m_program.restart(); }

    void countsTheLabsRunInPlay()
    {
        CountingLab& w = countedGenerator();
        QVERIFY(w.isVisible());
        QCOMPARE(w.counting->lstMembers->count(), 3); // Mo-99, Tc-99m, Tc-99; the stable Ru-99 is not counted
        // Each beside the sample of its curves in the nuclide lab.
        QCOMPARE(w.counting->lstMembers->item(1)->icon().pixmap(20, 12).toImage(), PlotLegend::memberSwatch(1).toImage());
        QVERIFY(w.counting->lblSample->text().contains(QStringLiteral("random run of 100 steps")));

        // Step counts one step and pauses; Pause and Resume alternate while counting.
        w.counting->txtInterval->setText(QStringLiteral("4"));
        w.counting->cmdStep->click();
        QCOMPARE(w.session().counter()->time(), w.session().counter()->endTime() / 100);
        QVERIFY(!w.counting->playing());
        QCOMPARE(w.counting->cmdPause->text(), QStringLiteral("Resume"));
        w.counting->cmdPause->click();
        QVERIFY(w.counting->playing());

        // At 1000 times, 36-minute steps: 100 seconds of the clock count 46 steps and a bit.
        w.counting->cmdStart->click();
        w.counting->playFor(100.0);
        QCOMPARE(w.session().counter()->time(), 46 * w.session().counter()->endTime() / 100);
        QCOMPARE(w.session().counter()->intervals().size(), std::size_t{11});
        QCOMPARE(w.counting->lblCounts->text(), QLocale().toString(static_cast<qlonglong>(w.session().counter()->running().counts)));
        QVERIFY(w.counting->lblFit->text().contains(QStringLiteral("when the counting stops")));

        w.counting->cboSpeed->setCurrentIndex(w.counting->cboSpeed->count() - 1); // as fast as possible
        while (w.counting->playing())
            w.counting->playFor(0.016);
        QVERIFY(w.session().counter()->finished());
        QCOMPARE(w.session().counter()->intervals().size(), std::size_t{25});
        QVERIFY2(w.counting->lblFit->text().contains(QStringLiteral("(Poisson maximum likelihood)")), qPrintable(w.counting->lblFit->text()));
        QVERIFY2(w.counting->lblFit->text().contains(QStringLiteral("\u03C7\u00B2/\u03BD = ")), qPrintable(w.counting->lblFit->text()));
        // The background was measured before the count, for the time typed, and shown.
        QCOMPARE(w.session().background()->seconds, 600.0);
        QCOMPARE(w.detector->lblBackground->text(), modelText(w.session().backgroundMessage(), decay::kCountingContext));
        w.counting->cboMethod->setCurrentIndex(1);
        QVERIFY(w.counting->lblFit->text().contains(QStringLiteral("(Weighted least squares")));

        m_program->platform.answers = {m_dir.filePath(QStringLiteral("counts"))};
        w.counting->cmdExportCounts->click();
        QCOMPARE(fileBytes(m_dir.filePath(QStringLiteral("counts.csv"))),
                 QByteArray::fromStdString(decay::countsFileText(w.session().shownData(), decay::TimeUnit::Minute)));
        m_program->platform.printerFile = m_dir.filePath(QStringLiteral("worksheet.pdf"));
        w.cmdPrint->click();
        QCOMPARE(pdfPages(fileBytes(m_program->platform.printerFile)), 1);

        // What it cannot count is refused with the reason, and nothing is counted.
        for (const auto& [field, typed] : {std::pair{w.detector->txtEfficiency, "0"}, {w.counting->txtInterval, "x"}}) {
            const QString kept = field->text();
            field->setText(QString::fromLatin1(typed));
            w.counting->cmdStart->click();
            QVERIFY(!w.counting->playing());
            field->setText(kept);
        }
        for (int row = 0; row < w.counting->lstMembers->count(); ++row)
            w.counting->lstMembers->item(row)->setCheckState(Qt::Unchecked);
        w.counting->cmdStart->click();
        QCOMPARE(m_program->platform.errors,
                 QStringList({QStringLiteral("The efficiency must be a number above 0 and at most 1."),
                              QStringLiteral("The counting interval must be a whole number of steps from 1 to 1,000,000."),
                              QStringLiteral("Tick at least one member to count.")}));
    }

    // Too active a sample: the refusal offers the efficiency that counts it, and the counting goes
    // on with it once taken.
    void tooActiveASampleIsOfferedAnEfficiency()
    {
        NuclideLab& lab = m_program->windows.nuclideLab();
        lab.cboNuclide->setCurrentIndex(lab.cboNuclide->findText(QStringLiteral("(Mo-99)"), Qt::MatchEndsWith));
        lab.amountUnit(0)->setCurrentText(QStringLiteral("atoms"));
        lab.tblMembers->item(0, NuclideLab::ColAtoms)->setText(QStringLiteral("1e25"));
        lab.cmdExact->click();
        lab.cmdCounter->click();
        CountingLab& w = m_program->windows.countingLab();
        w.counting->cmdStart->click();
        QVERIFY(!w.counting->playing() && m_program->platform.changes.size() == 1);
        QVERIFY(m_program->platform.changes[0].startsWith(QStringLiteral("Take an efficiency of ")));
        m_program->platform.takeChanges = true;
        w.counting->cmdStart->click();
        QVERIFY(w.counting->playing());
        QVERIFY(w.detector->txtEfficiency->text().toDouble() < 1e-6);
    }

    // Carbon-14's exact run in steps of 570 years, not exact in binary: each Step counts one step
    // and the last one finishes the counting, which then shows the fit. The worksheet prints the
    // settings that counted, not what the fields hold since.
    void stepsToTheEndOfARunInYears()
    {
        NuclideLab& lab = m_program->windows.nuclideLab();
        lab.cboNuclide->setCurrentIndex(lab.cboNuclide->findText(QStringLiteral("(C-14)"), Qt::MatchEndsWith));
        // A gram, as the lab starts, would be 1.6e11 decays a second: far beyond what a counter records.
        lab.amountUnit(0)->setCurrentText(QStringLiteral("atoms"));
        lab.tblMembers->item(0, NuclideLab::ColAtoms)->setText(QStringLiteral("1000000"));
        lab.cmdExact->click();
        lab.cmdCounter->click();
        CountingLab& w = m_program->windows.countingLab();
        w.detector->txtBackground->setText(QStringLiteral("0")); // 10^6 atoms of C-14 are 3.8 microbecquerel
        const int steps = lab.result()->setup.steps;
        for (int press = 1; press <= steps; ++press) {
            w.counting->cmdStep->click();
            QCOMPARE(w.session().counter()->stepsDone(), static_cast<std::size_t>(press));
        }
        QVERIFY(w.session().counter()->finished());
        QVERIFY2(w.counting->lblFit->text().startsWith(QStringLiteral("T\u00BD = ")), qPrintable(w.counting->lblFit->text()));

        w.detector->txtEfficiency->setText(QStringLiteral("0.9"));
        m_program->platform.printerFile = m_dir.filePath(QStringLiteral("worksheet.pdf"));
        w.cmdPrint->click();
        QProcess text;
        text.start(QStringLiteral("pdftotext"), {m_program->platform.printerFile, QStringLiteral("-")});
        QVERIFY(text.waitForFinished());
        const QString printed = QString::fromUtf8(text.readAllStandardOutput()).simplified();
        QVERIFY2(printed.contains(QStringLiteral("Efficiency 0.1,")), qPrintable(printed));
        QVERIFY(!printed.contains(QStringLiteral("Efficiency 0.9")));
    }

    // Muted by default; with sound, a click at most every thirtieth of a second, however many counts

    // come (some 30 a frame here), and the lamp lights while they come.

    void clicksNoFasterThanALoudspeaker()
    {
        CountingLab& w = countedGenerator(QStringLiteral("10"));
        w.detector->txtEfficiency->setText(QStringLiteral("1"));
        w.counting->cboSpeed->setCurrentIndex(3);
        w.counting->cmdStart->click();
        w.counting->playFor(0.5);
        QVERIFY(w.counting->lampLit());
        QCOMPARE(m_program->platform.clicks, 0);
        w.counting->chkSound->setChecked(true);
        for (int frame = 0; frame < 60; ++frame)
            w.counting->playFor(1.0 / 60);
        QCOMPARE(m_program->platform.clicks, w.counting->clicks());
        QVERIFY2(w.counting->clicks() >= 15 && w.counting->clicks() <= 31, qPrintable(QString::number(w.counting->clicks())));
        w.counting->cmdPause->click();
        QVERIFY(!w.counting->lampLit());
    }

    void importsCountsStrictly()
    {
        CountingLab& w = m_program->windows.countingLab();
        QVERIFY(!w.counting->cmdStart->isEnabled()); // opened from the menu, with no run to count
        // 1000 e^(-t/10) counts a minute, to the nearest count, from t = 0 to 59: T = 6.93 min.
        QByteArray text = "t [min],counts\n";
        for (int t = 0; t < 60; ++t)
            text += QByteArray::number(t) + ',' + QByteArray::number(qRound(1000 * std::exp(-t / 10.0))) + '\n';
        m_program->platform.answers = {writtenFile(m_dir.filePath("good.csv"), text),
                                       writtenFile(m_dir.filePath("bad.csv"), "t,counts\n0,5\n1,-2\n"), m_dir.filePath("missing.csv")};
        w.counting->cmdImport->click();
        QVERIFY2(w.counting->lblFit->text().startsWith(QStringLiteral("T\u00BD = 6.93")), qPrintable(w.counting->lblFit->text()));
        QVERIFY(w.counting->lblFit->text().contains(QStringLiteral(" min (Poisson maximum likelihood)")));
        QCOMPARE(w.session().shownData().intervals.size(), std::size_t{60});
        w.counting->cmdImport->click();
        w.counting->cmdImport->click();
        QCOMPARE(m_program->platform.errors.size(), 2);
        QVERIFY2(m_program->platform.errors[0].contains(QStringLiteral("Line 3")), qPrintable(m_program->platform.errors[0]));
        QVERIFY(m_program->platform.errors[1].contains(QStringLiteral("missing.csv cannot be read")));
        QCOMPARE(w.session().shownData().intervals.size(), std::size_t{60}); // the good counts stay
    }

    // A sample of typed age counted for 10 and for 1000 minutes: the longer count's uncertainty is

    // about a tenth, and every age, each with its half-life named, is shown.

    void longerCountingNarrowsTheAge()
    {
        CountingLab& w = m_program->windows.countingLab();
        w.tabLab->setCurrentIndex(1);
        w.dating->txtAge->setText(QStringLiteral("5700"));
        w.dating->cmdNewSample->click();
        QStringList shown;
        for (const char* minutes : {"10", "1000"}) {
            w.dating->txtDatingTime->setText(QString::fromLatin1(minutes));
            w.dating->cmdCountSample->click();
            shown.append(w.dating->lblDating->text());
        }
        QVERIFY2(!shown[1].contains(QStringLiteral("True age")), qPrintable(shown[1]));
        QVERIFY2(shown[1].contains(QStringLiteral("Conventional radiocarbon age (Libby half-life, 5568 y): ")), qPrintable(shown[1]));
        const auto sigma = [](const QString& text) {
            return text.section(QStringLiteral("Age with the textbooks' half-life 5730 y: "), 1).section(QStringLiteral("(\u2212"), 1).section('/', 0, 0).remove(',').toDouble();
        };
        QVERIFY2(sigma(shown[1]) > 0 && sigma(shown[1]) < 0.2 * sigma(shown[0]), qPrintable(shown.join('\n')));
        w.dating->cmdReveal->click();
        QVERIFY(w.dating->lblDating->text().endsWith(QStringLiteral("True age: %1 y.").arg(QLocale().toString(5700.0, 'g', 6))));
        QVERIFY(m_program->platform.errors.isEmpty());
    }

    // A real counter's recording, opened in the window: a source of 8 s half-life, 150 clicks a
    // second at first, 30 s in 16-bit sound. The pulses go to the lab, whose fit finds the half-life
    // within its uncertainty; a damaged file is refused by name and what was shown stays.
    void aRecordingOfARealCounterIsFitted()
    {
        CountingLab& w = m_program->windows.countingLab();
        w.show();
        w.counting->optRealCounter->setChecked(true);
        RealCounterBox& box = *w.counting->frmRealCounter;
        QVERIFY(box.isVisible() && !w.counting->lblSample->isVisible());

        constexpr int kRate = 48000, kSeconds = 30;
        std::mt19937_64 engine(17);
        std::uniform_real_distribution<double> uniform;
        std::normal_distribution<double> noise(0, 0.003);
        std::vector<double> sound(kRate * kSeconds);
        for (double& s : sound)
            s = noise(engine);
        int clicks = 0;
        for (double t = 0; t < kSeconds - 0.01;) {
            t += -std::log(1 - uniform(engine)) / 150;
            if (uniform(engine) >= std::exp2(-t / 8))
                continue;
            ++clicks;
            for (int k = 0; k < 96; ++k) {
                const auto n = static_cast<std::size_t>(std::ceil(t * kRate)) + static_cast<std::size_t>(k);
                const double age = static_cast<double>(n) / kRate - t;
                if (n < sound.size())
                    sound[n] += 0.4 * (1 - std::exp(-age / 5e-6)) * std::exp(-age / 100e-6);
            }
        }
        // The first `seconds` of the sound as a 16-bit WAV file.
        const auto wavFile = [&](const QString& name, int seconds) {
            QByteArray data;
            for (std::size_t n = 0; n < static_cast<std::size_t>(kRate * seconds); ++n) {
                const auto v = static_cast<qint16>(std::lround(std::clamp(sound[n], -1.0, 1.0) * 32767));
                data.append(reinterpret_cast<const char*>(&v), 2);
            }
            QByteArray wav("RIFF");
            const auto u32 = [&wav](quint32 v) { wav.append(reinterpret_cast<const char*>(&v), 4); };
            const auto u16 = [&wav](quint16 v) { wav.append(reinterpret_cast<const char*>(&v), 2); };
            u32(static_cast<quint32>(36 + data.size()));
            wav.append("WAVEfmt ");
            u32(16), u16(1), u16(1), u32(kRate), u32(2 * kRate), u16(2), u16(16);
            wav.append("data");
            u32(static_cast<quint32>(data.size()));
            wav.append(data);
            return writtenFile(m_dir.filePath(name), wav);
        };
        const QString path = wavFile(QStringLiteral("counter.wav"), kSeconds);

        m_program->platform.answers = {path};
        box.cmdOpenRecording->click();
        QVERIFY2(m_program->platform.errors.isEmpty(), qPrintable(m_program->platform.errors.join('\n')));
        // The hold-off of 0.5 ms loses about n tau of the clicks: at most 150 x 0.5 ms = 7.5 %.
        const double found = static_cast<double>(box.times().size());
        QVERIFY2(found <= clicks && found >= 0.92 * clicks, qPrintable(QStringLiteral("%1 of %2").arg(found).arg(clicks)));
        QCOMPARE(box.lblLiveCount->text(), QLocale().toString(static_cast<qlonglong>(box.times().size())));
        QVERIFY(w.session().recording());
        decay::CountingSession shown = w.session();
        const decay::HalfLifeFit& fit = shown.fit(decay::FitMethod::PoissonLikelihood, decay::FitShape::OneNuclide);
        QVERIFY2(std::fabs(fit.halfLife - 8) <= 4 * fit.sigma, qPrintable(w.counting->lblFit->text()));
        QVERIFY2(w.counting->lblFit->text().contains(QStringLiteral("(Poisson maximum likelihood)")), qPrintable(w.counting->lblFit->text()));

        // The counts and the pulse times go out as files.
        QVERIFY(w.counting->cmdExportCounts->isEnabled() && box.cmdExportPulseTimes->isEnabled());
        m_program->platform.answers = {m_dir.filePath(QStringLiteral("pulses"))};
        box.cmdExportPulseTimes->click();
        QCOMPARE(fileBytes(m_dir.filePath(QStringLiteral("pulses.csv"))), QByteArray::fromStdString(decay::pulseTimesText(*w.session().recording())));
        // Its 30 intervals go to the dispersion test as repeat counts.
        box.cmdRecordedRepeats->click();
        QCOMPARE(w.session().repeats().size(), std::size_t{30});
        QCOMPARE(w.tabLab->currentWidget(), w.repeat);
        QCOMPARE(w.repeat->lblRepeat->text(), modelText(w.session().repeatMessage(), decay::kCountingContext));
        writtenFile(m_dir.filePath(QStringLiteral("broken.wav")), QByteArray("RIFF\x04\x00\x00\x00WAVE"));
        m_program->platform.answers = {m_dir.filePath(QStringLiteral("broken.wav"))};
        box.cmdOpenRecording->click();
        QCOMPARE(m_program->platform.errors.size(), 1);
        QVERIFY(m_program->platform.errors[0].contains(QStringLiteral("broken.wav")));
        QCOMPARE(box.times().size(), static_cast<std::size_t>(found));

        // With no sound input at all, Listen says so and counts nothing.
        if (QMediaDevices::audioInputs().isEmpty()) {
            box.cmdListen->click();
            QCOMPARE(m_program->platform.errors.size(), 2);
            QVERIFY(m_program->platform.errors[1].startsWith(QStringLiteral("There is no sound input.")));
            QVERIFY(!box.listening());
        }

        // The recording dated as a carbon sample: only against a background the real counter
        // recorded, and not against itself; then its first 10 s against the whole as the background.
        w.tabLab->setCurrentWidget(w.dating);
        w.dating->cmdDateRecording->click();
        QVERIFY(m_program->platform.errors.back().startsWith(QStringLiteral("Count the background with the real counter too")));
        box.cmdRecordedBackground->click();
        w.dating->cmdDateRecording->click();
        QVERIFY(m_program->platform.errors.back().startsWith(QStringLiteral("The background and the sample are the same recording")));
        const auto refused = m_program->platform.errors.size();
        m_program->platform.answers = {wavFile(QStringLiteral("first.wav"), 10)};
        box.cmdOpenRecording->click();
        w.dating->cmdDateRecording->click();
        QCOMPARE(m_program->platform.errors.size(), refused);
        QCOMPARE(w.session().datings().size(), std::size_t{1});
        QCOMPARE(w.dating->lblDating->text(), modelText(w.session().datingReport(), decay::kCountingContext));
        QVERIFY2(w.dating->lblDating->text().contains(QStringLiteral("in the time the counter was live")), qPrintable(w.dating->lblDating->text()));
    }

private:
    // The technetium generator's random run handed over by the lab's Counter button, in the
    // lab's steps or in 1000 steps of `seconds`.
    CountingLab& countedGenerator(const QString& seconds = {})
    {
        NuclideLab& lab = m_program->windows.nuclideLab();
        lab.cboNuclide->setCurrentIndex(lab.cboNuclide->findText(QStringLiteral("(Mo-99)"), Qt::MatchEndsWith));
        // A million atoms in 36-minute steps, or 1000 steps of the seconds given.
        lab.amountUnit(0)->setCurrentText(QStringLiteral("atoms"));
        lab.tblMembers->item(0, NuclideLab::ColAtoms)->setText(QStringLiteral("1000000"));
        lab.txtStep->setText(seconds.isEmpty() ? QStringLiteral("36") : seconds);
        lab.cboStepUnit->setCurrentIndex(seconds.isEmpty() ? 1 : 0);
        lab.txtSteps->setText(seconds.isEmpty() ? QStringLiteral("100") : QStringLiteral("1000"));
        QSignalSpy done(&lab, &NuclideLab::runDone);
        lab.cmdRandom->click();
        if (!done.wait(60000))
            qFatal("the random run did not finish");
        lab.cmdCounter->click();
        return m_program->windows.countingLab();
    }

    QTemporaryDir m_dir;
    ProgramFixture m_program;
};

QTEST_MAIN(CountingLabTest)
#include "CountingLabTest.moc"
