#include "tests/ui/TestProgram.h"
#include "ui/charts/PlotLegend.h"
#include "ui/charts/PlotChart.h"

#include <QEnterEvent>

// The nuclide lab window: the way in, the views of a run, milking, refusals and the files.
class NuclideLabTest : public QObject {
    Q_OBJECT

    NuclideLab& lab() { return m_program->windows.nuclideLab(); }
    // The lab on a chain, by the title the list shows.
    NuclideLab& choose(const QString& title)
    {
        NuclideLab& w = lab();
        const int index = w.cboNuclide->findText(title);
        if (index < 0)
            qFatal("no chain %s", qPrintable(title));
        w.cboNuclide->setCurrentIndex(index);
        return w;
    }
    QStringList layerNames()
    {
        QStringList names;
        for (const PlotChart::Layer& layer : lab().chartLab->plot().layers)
            names.append(layer.name);
        return names;
    }

    QTemporaryDir m_dir;
    ProgramFixture m_program;

private slots:
    void init() { m_program.restart().showMain(); }

    void opensOnceFromEitherChart() { ::opensOnceFromEitherChart(*m_program, &ProgramWindows::nuclideLab, Qt::Key_L, "actNuclideLab"); }

    // Mo-99 feeds Tc-99m with the branch fraction b, so their activities settle at b T_A / (T_A - T_B).
    void viewsOfTheTechnetiumGenerator()
    {
        NuclideLab& w = choose(QStringLiteral("Molybdenum-99 (Mo-99)"));
        QVERIFY(w.optActivity->isChecked() && !w.chkLog->isChecked()); // a chain opens on its activity
        // Each member's name has its colour and dash beside it, as its curves have them.
        QCOMPARE(w.tblMembers->item(1, NuclideLab::ColName)->icon().pixmap(20, 12).toImage().pixelColor(10, 6),
                 QColor(0, 114, 178));
        w.cmdExact->click();
        QVERIFY(w.result() && !w.result()->random);
        w.optAtoms->setChecked(true);
        QCOMPARE(layerNames(), QStringList({"Mo-99", "Tc-99m", "Tc-99", "Ru-99"})); // to the stable end
        QStringList descriptions = {w.chartLab->accessibleDescription()};

        w.optActivity->setChecked(true);
        QCOMPARE(layerNames(), QStringList({"Mo-99", "Tc-99m", "Tc-99", "Total"})); // a stable member has no activity
        w.cboActivityUnit->setCurrentText(QStringLiteral("dpm"));
        const double dpm = w.chartLab->plot().layers[0].lines[0][0].y();
        w.cboActivityUnit->setCurrentText(QStringLiteral("Bq"));
        QCOMPARE(dpm, 60 * w.chartLab->plot().layers[0].lines[0][0].y());
        descriptions.append(w.chartLab->accessibleDescription());

        w.optRatio->setChecked(true);
        QCOMPARE(w.cboDaughter->currentText(), QStringLiteral("Tc-99m"));
        QCOMPARE(w.cboOver->currentText(), QStringLiteral("Mo-99"));
        QCOMPARE(layerNames(), QStringList({"Ratio", "Equilibrium"}));
        const PlotChart::Layer& ratio = w.chartLab->plot().layers[0];
        const double equilibrium = w.chartLab->plot().layers[1].lines[0][0].y();
        QVERIFY_WITHIN(ratio.lines[0].back().y(), equilibrium, relative(0.01)); // settled to 1 % by the run's end
        QCOMPARE(w.lblEquilibrium->text(), QStringLiteral("Transient equilibrium: Mo-99 (2.747 d) sets the pace, living longer than "
                                                          "every member on its way to Tc-99m, so A(Tc-99m)/A(Mo-99) settles at 0.9627; "
                                                          "the activity of Tc-99m peaks at 22.84 h."));
        w.chkLog->setChecked(true);
        QVERIFY(w.chartLab->plot().logY);
        descriptions.append(w.chartLab->accessibleDescription());
        descriptions.removeDuplicates();
        QCOMPARE(descriptions.size(), 3); // the description follows the view

        // The legend's boxes switch a series off and on; moving to one highlights its series.
        QCheckBox* box = w.frmLegend->findChild<QCheckBox*>(QStringLiteral("chkLayer1"));
        QEnterEvent pointed(QPointF(2, 2), QPointF(2, 2), QPointF(2, 2));
        QCoreApplication::sendEvent(box, &pointed);
        QCOMPARE(w.chartLab->highlighted(), box->text());
        QEvent left(QEvent::Leave);
        QCoreApplication::sendEvent(box, &left);
        QCOMPARE(w.chartLab->highlighted(), QString());
        box->click();
        QVERIFY(!w.chartLab->isShown(w.chartLab->plot().layers[0]));
        box->click();
        QVERIFY(w.chartLab->isShown(w.chartLab->plot().layers[0]));
        // So does pointing at, or moving to, a member's row of the members table.
        w.optAtoms->setChecked(true);
        w.tblMembers->setCurrentCell(1, NuclideLab::ColAtoms);
        QCOMPARE(w.chartLab->highlighted(), QStringLiteral("Tc-99m"));
        emit w.tblMembers->cellEntered(0, NuclideLab::ColName);
        QCOMPARE(w.chartLab->highlighted(), QStringLiteral("Mo-99"));
        QCoreApplication::sendEvent(w.tblMembers->viewport(), &left);
        QCOMPARE(w.chartLab->highlighted(), QString());
    }

    // In the thorium chain Bi-212 follows Pb-212, which outlives Rn-220: over Pb-212 the ratio settles,
    // over Rn-220 it grows; the sentence names the member that sets the pace.
    void equilibriumOfTheWholeChainInWords()
    {
        NuclideLab& w = choose(QStringLiteral("Radon-220 (Rn-220)"));
        w.optRatio->setChecked(true);
        w.cboDaughter->setCurrentText(QStringLiteral("Bi-212"));
        QCOMPARE(w.cboOver->currentText(), QStringLiteral("Pb-212"));
        QCOMPARE(w.cboOver->count(), 3); // Rn-220, Po-216, Pb-212
        QVERIFY2(w.lblEquilibrium->text().startsWith(QStringLiteral("Transient equilibrium: Pb-212 (10.63 h) sets the pace")),
                 qPrintable(w.lblEquilibrium->text()));
        QVERIFY(w.lblEquilibrium->text().contains(QStringLiteral("A(Bi-212)/A(Pb-212) settles at 1.105")));
        w.cboOver->setCurrentText(QStringLiteral("Rn-220"));
        QCOMPARE(w.lblEquilibrium->text(), QStringLiteral("No equilibrium: Pb-212 (10.63 h) lives longer than Rn-220 (55.6 s), so "
                                                          "A(Bi-212)/A(Rn-220) keeps growing."));
        w.cmdExact->click();
        QCOMPARE(layerNames(), QStringList({"Ratio"})); // no level to draw
    }

    void randomRunBesideItsExpectation()
    {
        NuclideLab& w = choose(QStringLiteral("Iodine-131 (I-131)"));
        w.amountUnit(0)->setCurrentText(QStringLiteral("atoms"));
        w.tblMembers->item(0, NuclideLab::ColAtoms)->setText(QStringLiteral("20000"));
        w.cmdRandom->click();
        // On its own thread: the entries wait, Cancel is offered, until it is done.
        QVERIFY(w.running() && w.cmdCancel->isEnabled() && !w.findChild<QGroupBox*>(QStringLiteral("frmRun"))->isEnabled());
        QTRY_VERIFY(!w.running());
        QVERIFY(!w.cmdCancel->isEnabled() && w.findChild<QGroupBox*>(QStringLiteral("frmRun"))->isEnabled());
        QVERIFY(w.result() && w.result()->random && w.result()->exact);
        QCOMPARE(layerNames(), QStringList({"I-131", "I-131 expected", "Xe-131", "Xe-131 expected"}));
        const decay::ChainSeries& atoms = w.result()->atoms;
        for (int step = 0; step <= atoms.steps; ++step) {
            QCOMPARE(atoms.at(0, step) + atoms.at(1, step), 20000.0); // whole atoms, none lost
            QCOMPARE(atoms.at(0, step), std::round(atoms.at(0, step)));
        }
    }

    // Cancel stops a long random run and leaves the run before as it was; closing the window
    // while one goes stops it too.
    void randomRunCancelled()
    {
        NuclideLab& w = choose(QStringLiteral("Molybdenum-99 (Mo-99)"));
        w.cmdExact->click();
        const decay::ChainSeries before = w.result()->atoms;
        w.tblMembers->item(0, NuclideLab::ColAtoms)->setText(QStringLiteral("1000000"));
        w.txtSteps->setText(QStringLiteral("10000"));
        w.cmdRandom->click();
        QVERIFY(w.running());
        w.cmdCancel->click();
        QTRY_VERIFY(!w.running());
        QCOMPARE(w.lblStatus->text(), QStringLiteral("The random run was cancelled."));
        QVERIFY(!w.result()->random);
        QCOMPARE(w.result()->atoms.values, before.values);
        QVERIFY(m_program->platform.errors.isEmpty());

        w.cmdRandom->click();
        QVERIFY(w.running());
        w.close();
        QVERIFY(!w.running());
    }

    // Milking Tc-99m leaves none of it after the step, and it grows back from the Mo-99 left.
    void milkingTakesTheMemberAway()
    {
        NuclideLab& w = choose(QStringLiteral("Molybdenum-99 (Mo-99)"));
        w.cboMilk->setCurrentText(QStringLiteral("Tc-99m"));
        w.txtMilkStep->setText(QStringLiteral("40"));
        w.cmdMilk->click();
        QVERIFY(m_program->platform.errors.isEmpty());
        const decay::ChainSeries& atoms = w.result()->atoms;
        QVERIFY(atoms.at(1, 39) > 0);
        QCOMPARE(atoms.at(1, 40), 0.0);
        QVERIFY(atoms.at(1, 41) > 0);
        QVERIFY(w.lblStatus->text().contains(QStringLiteral("Tc-99m milked after step 40")));
    }

    // The chain puts the parent first; the atoms typed beside each name stay that member's.
    void customChainTypedDaughterFirst()
    {
        NuclideLab& w = choose(QStringLiteral("Custom chain"));
        // Name, half-life, unit (a list), decays to, branch, atoms, their unit (a list), mode (not typed).
        const QStringList rows[] = {{"Daughter", "1", {}, {}, {}, "0", {}, {}}, {"Parent", "10", {}, "1", "1", "5000", {}, {}}, {{}, {}, {}, {}, {}, {}, {}, {}}};
        for (int row = 0; row < 3; ++row)
            for (int column = 0; column < NuclideLab::ColumnCount; ++column)
                if (column != NuclideLab::ColUnit && column != NuclideLab::ColAmountUnit && column != NuclideLab::ColMode)
                    w.tblMembers->item(row, column)->setText(rows[row][column]);
        w.cmdExact->click();
        QVERIFY(m_program->platform.errors.isEmpty());
        w.optAtoms->setChecked(true);
        QCOMPARE(layerNames(), QStringList({"Parent", "Daughter"}));
        QCOMPARE(w.result()->atoms.at(0, 0), 5000.0);
        QCOMPARE(w.result()->atoms.at(1, 0), 0.0);

        // Cut to one member: the lists follow the chain that ran, so no view looks for a link that is gone.
        w.tblMembers->item(1, NuclideLab::ColName)->setText(QString());
        w.tblMembers->item(0, NuclideLab::ColAtoms)->setText(QStringLiteral("100"));
        w.cmdExact->click();
        w.optRatio->setChecked(true);
        w.cmdMilk->click();
        QCOMPARE(w.result()->chain.size(), 1);
        QCOMPARE(w.cboDaughter->count(), 0);
    }

    // The members table names each link's mode with what it does to the nucleus; a raised branch
    // threshold leaves Po-218's beta branch to At-218 (0.020 %, NUBASE2020) out, and the status
    // says so; a threshold that is no percentage is refused and the last one kept.
    // Every offered chain runs with the entries it fills in, both ways, and its fields read back
    // as they were written (U-238's step of 4.5 × 10^8 years among them); leaving the threshold
    // field as it is changes nothing.
    void everyChainRunsWithItsDefaults()
    {
        NuclideLab& w = lab();
        for (int index = 0; index + 1 < w.cboNuclide->count(); ++index) {
            w.cboNuclide->setCurrentIndex(index);
            emit w.txtThreshold->editingFinished();
            w.cmdExact->click();
            QVERIFY2(m_program->platform.errors.isEmpty(), qPrintable(w.cboNuclide->currentText() + ": " + m_program->platform.errors.join(' ')));
            QVERIFY2(w.result() && !w.result()->random, qPrintable(w.cboNuclide->currentText()));
        }
        // The uranium series starts as 920 becquerel on a logarithmic grid, its activity drawn on
        // logarithmic axes.
        w.cboNuclide->setCurrentIndex(w.cboNuclide->findText(QStringLiteral("(U-238)"), Qt::MatchEndsWith));
        QCOMPARE(w.cboGrid->currentText(), QStringLiteral("logarithmic"));
        QVERIFY(!w.txtStep->isVisible() && w.txtPerDecade->isVisibleTo(&w));
        // Each member's amount in a unit that suits it: the parent in becquerel, stable Pb-206 in
        // atoms, with no becquerel offered.
        QCOMPARE(w.amountUnit(0)->currentText(), QStringLiteral("becquerel"));
        const QComboBox* lead = w.amountUnit(w.tblMembers->rowCount() - 1);
        QVERIFY(lead->currentText() == QStringLiteral("atoms") && lead->findText(QStringLiteral("becquerel")) < 0);
        QVERIFY(w.optActivity->isChecked() && w.chkLog->isChecked());
        w.cmdExact->click();
        QVERIFY_WITHIN(w.result()->setup.initial[0], 1.8694e20, relative(1e-4)); // 920 Bq * 4.463e9 y / ln 2
        QVERIFY(w.chartLab->plot().logX && w.chartLab->plot().logY);
        QCOMPARE(w.lblStatus->text(), QStringLiteral("Exact run: 375 times on a logarithmic grid from 1.6 \u00D7 10\u207B\u2075 s to "
                                                     "2,500,000 y."));
        // Back to a uniform grid of the same span, as a class that wants plain steps would.
        w.cboGrid->setCurrentIndex(0);
        QVERIFY(w.txtStep->isVisibleTo(&w) && !w.txtPerDecade->isVisibleTo(&w));
    }

    void showsModesAndWhatTheChainLeavesOut()
    {
        NuclideLab& w = choose(QStringLiteral("Radon-222 (Rn-222)"));
        QCOMPARE(w.tblMembers->item(0, NuclideLab::ColMode)->text(), QStringLiteral("\u03B1 (\u0394Z = \u22122, \u0394A = \u22124)"));
        const int members = w.tblMembers->rowCount();
        QVERIFY(!w.lblNoteList->text().contains(QStringLiteral("Po-218 \u2192 At-218")));
        w.txtThreshold->setText(QStringLiteral("0.1"));
        emit w.txtThreshold->editingFinished();
        // The sentence counts what is left out; the details, opened, name it.
        QVERIFY2(w.lblNotes->text().startsWith(QStringLiteral("Left out: branches below 0.1 %: ")), qPrintable(w.lblNotes->text()));
        QVERIFY(!w.lblNoteList->isVisibleTo(&w));
        w.cmdNotes->click();
        QVERIFY(w.lblNoteList->isVisibleTo(&w));
        QVERIFY2(w.lblNoteList->text().contains(QStringLiteral("Po-218 \u2192 At-218")), qPrintable(w.lblNoteList->text()));
        QVERIFY(w.tblMembers->rowCount() < members);
        w.txtThreshold->setText(QStringLiteral("200"));
        emit w.txtThreshold->editingFinished();
        QCOMPARE(m_program->platform.errors, QStringList("The branch threshold must be a number of percent from 0 to 100."));
        QCOMPARE(w.txtThreshold->text(), QStringLiteral("0.1"));
    }

    void refusesUnusableEntries_data()
    {
        QTest::addColumn<QString>("chain");
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("column"); // a members table cell, or -1 for the number of steps
        QTest::addColumn<QString>("typed");

        const QString mo = QStringLiteral("Molybdenum-99 (Mo-99)");
        const QString custom = QStringLiteral("Custom chain");
        QTest::newRow("more than 10000 steps") << mo << 0 << -1 << "10001";
        QTest::newRow("steps not a number") << mo << 0 << -1 << "many";
        QTest::newRow("negative atoms") << mo << 0 << int(NuclideLab::ColAtoms) << "-5";
        QTest::newRow("huge atoms") << mo << 0 << int(NuclideLab::ColAtoms) << "1e400";
        QTest::newRow("zero half-life") << custom << 0 << int(NuclideLab::ColHalfLife) << "0";
        QTest::newRow("negative half-life") << custom << 1 << int(NuclideLab::ColHalfLife) << "-3";
        QTest::newRow("subnormal half-life") << custom << 0 << int(NuclideLab::ColHalfLife) << "1e-310";
        QTest::newRow("branch above 1") << custom << 0 << int(NuclideLab::ColBranch) << "1.5";
        QTest::newRow("a loop") << custom << 1 << int(NuclideLab::ColDaughter) << "1";
        QTest::newRow("no such member") << custom << 1 << int(NuclideLab::ColDaughter) << "9";
    }

    void refusesUnusableEntries()
    {
        QFETCH(QString, chain);
        QFETCH(int, row);
        QFETCH(int, column);
        QFETCH(QString, typed);
        NuclideLab& w = choose(chain);
        m_program->platform.errors.clear(); // the example custom chain is read when it is chosen
        if (column < 0)
            w.txtSteps->setText(typed);
        else
            w.tblMembers->item(row, column)->setText(typed);
        for (QPushButton* run : {w.cmdExact, w.cmdRandom, w.cmdMilk}) {
            run->click();
            QCOMPARE(m_program->platform.errors.size(), 1);
            QVERIFY(!m_program->platform.errors[0].isEmpty());
            QVERIFY(!w.result());
            m_program->platform.errors.clear();
        }
        // Too many steps of 0.6 h: each run above offered the same 6,000.6 h in steps of 0.61 h; taken, they run.
        if (typed == QStringLiteral("10001")) {
            m_program->platform.takeChanges = true;
            w.cmdExact->click();
            QCOMPARE(m_program->platform.changes, QStringList(4, QStringLiteral("Take 9,837 steps of 0.61 h")));
            QVERIFY(w.result() && w.txtStep->text() == QStringLiteral("0.61") && w.txtSteps->text() == QStringLiteral("9837"));
        }
    }

    void exportsAndPrintsTheRun()
    {
        NuclideLab& w = choose(QStringLiteral("Molybdenum-99 (Mo-99)"));
        w.amountUnit(0)->setCurrentText(QStringLiteral("atoms"));
        w.tblMembers->item(0, NuclideLab::ColAtoms)->setText(QStringLiteral("1000000"));
        w.cboStepUnit->setCurrentText(QStringLiteral("h"));
        w.txtStep->setText(QStringLiteral("1"));
        w.txtSteps->setText(QStringLiteral("24"));
        w.cmdExact->click();
        m_program->platform.answers = {m_dir.filePath(QStringLiteral("generator"))};
        w.cmdExport->click();
        const QList<QByteArray> lines = fileBytes(m_dir.filePath(QStringLiteral("generator.csv"))).split('\n');
        QCOMPARE(lines[0], QByteArray("\"t [h]\",\"N Mo-99\",\"N Tc-99m\",\"N Tc-99\",\"N Ru-99\",\"A Mo-99 [Bq]\",\"A Tc-99m [Bq]\","
                                      "\"A Tc-99 [Bq]\",\"A Ru-99 [Bq]\"\r"));
        QCOMPARE(lines.size(), 1 + 25 + 1); // the header, steps 0 to 24 and the end of the last line
        QVERIFY(lines[1].startsWith("0,1000000,0,0,"));

        m_program->platform.printerFile = m_dir.filePath(QStringLiteral("worksheet.pdf"));
        w.cmdPrint->click();
        QCOMPARE(pdfPages(fileBytes(m_program->platform.printerFile)), 1);
        QVERIFY(m_program->platform.errors.isEmpty());
    }

    // Under the German translation the nuclide names, the model's refusals, the counter's among
    // them, its fit models and the equilibrium in words come out German.
    void speaksTheTranslation()
    {
        QTranslator german;
        QVERIFY(german.load(QStringLiteral(":/i18n/atomdrift_de.qm")));
        QCoreApplication::installTranslator(&german);
        NuclideLab& w = choose(QStringLiteral("Molybdän-99 (Mo-99)"));
        for (const decay::Nuclide& nuclide : w.table().nuclides)
            QVERIFY2(!german.translate("Element", nuclide.element.c_str()).isEmpty(), nuclide.element.c_str());
        w.cmdExact->click();
        QCOMPARE(w.lblEquilibrium->text(), QStringLiteral("Laufendes Gleichgewicht: Mo-99 (2.747 d) gibt den Takt vor, da es länger lebt als "
                                                          "jedes Nuklid auf seinem Weg zu Tc-99m; daher stellt sich A(Tc-99m)/A(Mo-99) bei 0.9627 ein; die "
                                                          "Aktivität von Tc-99m ist bei t\u00A0=\u00A022.84\u00A0h am größten."));
        w.txtSteps->setText(QStringLiteral("10001"));
        w.cmdExact->click();
        QCOMPARE(m_program->platform.errors, QStringList(QStringLiteral("Die Anzahl der Schritte muss eine ganze Zahl von 1 bis 10000 sein.")));
        CountingLab& counting = m_program->windows.countingLab();
        QStringList models;
        for (int i = 0; i < counting.counting->cboFitModel->count(); ++i)
            models.append(counting.counting->cboFitModel->itemText(i));
        QCOMPARE(models, QStringList({"Ein Nuklid", "Zwei Nuklide", "Die gezählte Zerfallsreihe"}));
        counting.detector->txtBackground->setText(QStringLiteral("-1"));
        counting.detector->cmdBackground->click();
        QCOMPARE(m_program->platform.errors.last(), QStringLiteral("Die Nullrate muss eine Zahl von Ereignissen pro Sekunde von 0 bis 1 \u00D7 10\u2079 sein."));
        QCoreApplication::removeTranslator(&german);
    }
};

QTEST_MAIN(NuclideLabTest)
#include "NuclideLabTest.moc"
