#include "tests/ui/TestProgram.h"
#include "ui/nuclides/ChartLayout.h"
#include "ui/nuclides/NuclideChart.h"

#include <QLabel>
#include <QSortFilterProxyModel>
#include <QTabWidget>
#include <QTableView>

// The chart of nuclides: its layout without a window, then the window from the nuclide lab.
class NuclideChartTest : public QObject {
    Q_OBJECT

    NuclideLab& lab() { return m_program->windows.nuclideLab(); }
    NuclideChart& chartWindow()
    {
        lab().cmdChart->click();
        auto* found = lab().findChild<NuclideChart*>(QStringLiteral("NuclideChart"));
        if (!found)
            qFatal("no chart window");
        return *found;
    }
    QPoint cellCentre(const NuclideChart& w, const char* symbol)
    {
        const decay::Nuclide& n = *lab().table().find(symbol);
        return chart::cellRect(n.a - n.z, n.z, w.picChart->view()).center().toPoint();
    }

    ProgramFixture m_program;

private slots:
    void init() { m_program.restart().showMain(); }

    void findsWhatUsersType_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("symbol");
        QTest::newRow("symbol") << "U-238" << "U-238";
        QTest::newRow("mass first") << "238U" << "U-238";
        QTest::newRow("name and mass") << "uranium 238" << "U-238";
        QTest::newRow("lower case, no hyphen") << "u238" << "U-238";
        QTest::newRow("isomer") << "Tc-99m" << "Tc-99m";
        QTest::newRow("isomer, mass first") << "99mTc" << "Tc-99m";
        QTest::newRow("two letters") << "  pa 234m " << "Pa-234m";
        QTest::newRow("caesium") << "Caesium-137" << "Cs-137";
        QTest::newRow("in German") << "Uran 235" << "U-235";
        QTest::newRow("no such mass") << "U-300" << "";
        QTest::newRow("no element") << "Xx-12" << "";
        QTest::newRow("no number") << "uranium" << "";
        QTest::newRow("empty") << "" << "";
    }
    void findsWhatUsersType()
    {
        QFETCH(QString, text);
        QFETCH(QString, symbol);
        // A German user's element names, as the translation would give them.
        const auto german = [](int z) { return z == 92 ? QStringLiteral("Uran") : QString(); };
        const auto found = chart::findNuclide(text, lab().table(), german);
        QCOMPARE(found ? QString::fromStdString(*found) : QString(), symbol);
    }

    // A point keeps its cell under zoom, and the cell under a point is the one drawn there.
    void layoutMapsCellsAndPoints()
    {
        const chart::View view{10, -1, 120};
        const QRectF u238 = chart::cellRect(146, 92, view);
        QCOMPARE(chart::cellAt(u238.center(), view), std::make_pair(146, 92));
        QCOMPARE(chart::cellAt(u238.topLeft() + QPointF(0.01, 0.01), view), std::make_pair(146, 92));
        const chart::View closer = chart::zoomed(view, 2, u238.center());
        QCOMPARE(closer.cell, 20.0);
        QCOMPARE(chart::cellRect(146, 92, closer).center(), u238.center());
        QCOMPARE(chart::zoomed(view, 1e3, {}).cell, 80.0); // bounded
        const chart::Grid grid(lab().table());
        QCOMPARE(grid.maxZ(), 118);
        QCOMPARE(grid.cells().size(), std::size_t(3471)); // NUBASE2020 lines with i = 0 and a half-life or "stbl"
        QCOMPARE(lab().table().nuclides[static_cast<std::size_t>(grid.at(126, 82))].symbol, std::string("Pb-208"));
        QCOMPARE(grid.isomersOf(grid.at(56, 43)).size(), std::size_t(1)); // Tc-99m
    }

    // Colours: stable black, the main mode's colour, and a half-life scale that rises with log T.
    void colours()
    {
        const decay::NuclideTable& table = lab().table();
        QCOMPARE(chart::modeColor(*table.find("Pb-208")), QColor(20, 20, 20));
        QCOMPARE(chart::modeColor(*table.find("U-238")), chart::modeColor(*table.find("Po-210"))); // alpha
        QVERIFY(chart::modeColor(*table.find("Bi-212")) != chart::modeColor(*table.find("Po-212"))); // beta minus
        QVERIFY(chart::modeColor(*table.find("K-40")) != chart::modeColor(*table.find("F-18")));     // beta minus, beta plus
        QVERIFY(chart::halfLifeColor(1e-9).hueF() > chart::halfLifeColor(1).hueF());
        QVERIFY(chart::halfLifeColor(1).hueF() > chart::halfLifeColor(1e17).hueF());
        QCOMPARE(chart::halfLifeColor(1e-30), chart::halfLifeColor(1e-9)); // clamped
    }

    // Its controls' names are checked with every window's (WindowsTest).
    void opensFromTheLabOnce()
    {
        NuclideChart& w = chartWindow();
        QVERIFY(w.isVisible());
        QVERIFY(w.lblSource->text().contains(QStringLiteral("NUBASE2020")));
        lab().cmdChart->click(); // one window, shown again
        QCOMPARE(lab().findChildren<NuclideChart*>().size(), 1);
    }

    // Search, click and Enter put the nuclide and its chain into the lab.
    void searchClickAndEnterChooseTheChain()
    {
        NuclideChart& w = chartWindow();
        QTest::keyClicks(w.txtSearch, QStringLiteral("238U"));
        QTest::keyClick(w.txtSearch, Qt::Key_Return);
        QCOMPARE(w.picChart->selected(), lab().table().position("U-238"));
        QVERIFY(w.lblDescription->text().contains(QStringLiteral("U-238")));
        QCOMPARE(w.picChart->accessibleDescription(), w.lblDescription->text());
        QTest::keyClick(w.picChart, Qt::Key_Return);
        QCOMPARE(lab().cboNuclide->currentText(), QStringLiteral("Uranium-238 (U-238)"));
        QVERIFY(w.lblNotes->text().contains(QStringLiteral("U-238 fissions (SF) in 5.44E-05 % of its decays")));
        // The series has 22 members: beyond a run's limit the weakest are named.
        QCOMPARE(w.lblNotes->text().contains(QStringLiteral("are left out: ")), decay::kMostChainMembers < 22);

        // A nuclide that is no offered chain joins the list.
        w.txtSearch->setText(QStringLiteral("Ac-225"));
        QTest::keyClick(w.txtSearch, Qt::Key_Return);
        QTest::mouseClick(w.picChart, Qt::LeftButton, {}, cellCentre(w, "Ac-225"));
        QCOMPARE(lab().cboNuclide->currentText(), QStringLiteral("Actinium-225 (Ac-225)"));
        QCOMPARE(lab().tblMembers->item(0, NuclideLab::ColName)->text(), QStringLiteral("Actinium-225 (Ac-225)"));

        // The arrows move the choice to the neighbour; a stable nuclide has no chain to show.
        w.txtSearch->setText(QStringLiteral("Pb-207"));
        QTest::keyClick(w.txtSearch, Qt::Key_Return);
        QTest::keyClick(w.picChart, Qt::Key_Right);
        QCOMPARE(w.picChart->selected(), lab().table().position("Pb-208"));
        w.cmdShowChain->click();
        QVERIFY(w.lblDescription->text().contains(QStringLiteral("stable")));
        QCOMPARE(lab().cboNuclide->currentText(), QStringLiteral("Actinium-225 (Ac-225)"));
        w.txtSearch->setText(QStringLiteral("no such thing"));
        QTest::keyClick(w.txtSearch, Qt::Key_Return);
        QVERIFY(w.lblDescription->text().contains(QStringLiteral("no such thing")));
    }

    // Wheel, keys and drags change what is shown, and the description follows.
    void zoomAndPanChangeTheDescription()
    {
        NuclideChart& w = chartWindow();
        const QString whole = w.description();
        const double cell = w.picChart->view().cell;
        QTest::keyClick(w.picChart, Qt::Key_Plus);
        QCOMPARE(w.picChart->view().cell, cell * 1.25);
        QVERIFY(w.description() != whole);
        QTest::keyClick(w.picChart, Qt::Key_Minus);
        const double left = w.picChart->view().left;
        QTest::keyClick(w.picChart, Qt::Key_Right, Qt::ControlModifier);
        QCOMPARE(w.picChart->view().left, left + 4);
        QTest::keyClick(w.picChart, Qt::Key_Home);
        QCOMPARE(w.description(), whole);
        w.cboColour->setCurrentIndex(1);
        QVERIFY(w.lblDescription->text().contains(QStringLiteral("half-life")));
    }

    // The table: every state, a filter, a sort by half-life, and Enter as on the chart.
    void tableAlternative()
    {
        NuclideChart& w = chartWindow();
        w.tabViews->setCurrentIndex(1);
        auto* model = w.tblNuclides->model();
        QCOMPARE(model->rowCount(), static_cast<int>(lab().table().nuclides.size()));
        w.txtFilter->setText(QStringLiteral("(Po-"));
        QCOMPARE(model->rowCount(), 77); // the polonium lines of NUBASE2020 with a half-life
        w.tblNuclides->sortByColumn(3, Qt::AscendingOrder);
        const QString shortest = model->index(0, 0).data().toString();
        QVERIFY2(shortest.contains(QStringLiteral("Po-")), qPrintable(shortest));
        double before = 0;
        for (int row = 0; row < model->rowCount(); ++row) {
            const double t = model->index(row, 3).data(Qt::UserRole).toDouble();
            QVERIFY(t >= before);
            before = t;
        }
        w.txtFilter->setText(QStringLiteral("(Po-210)"));
        QCOMPARE(model->rowCount(), 1);
        w.tblNuclides->setCurrentIndex(model->index(0, 0));
        QTest::keyClick(w.tblNuclides, Qt::Key_Return);
        QCOMPARE(lab().cboNuclide->currentText(), QStringLiteral("Polonium-210 (Po-210)"));
        QVERIFY(w.lblDescription->text().contains(QStringLiteral("The table lists 1 nuclides.")));
    }

    // The lab's chain is drawn, and a run lights its members until the last step.
    void followsTheLabsRun()
    {
        NuclideChart& w = chartWindow();
        lab().cboNuclide->setCurrentIndex(lab().cboNuclide->findText(QStringLiteral("Molybdenum-99 (Mo-99)")));
        QCOMPARE(w.picChart->selected(), lab().table().position("Mo-99"));
        lab().cmdExact->click();
        QImage image(800, 600, QImage::Format_ARGB32);
        QPainter painter(&image);
        w.picChart->paint(painter, image.size());
        QTRY_VERIFY(!w.findChild<QTimer*>()->isActive());

        // A custom chain is no part of the chart: its run draws nothing, and nothing breaks.
        lab().cboNuclide->setCurrentIndex(lab().cboNuclide->count() - 1);
        lab().cmdExact->click();
        QVERIFY(lab().result());
        w.picChart->paint(painter, image.size());
        QTRY_VERIFY(!w.findChild<QTimer*>()->isActive());
    }
};

QTEST_MAIN(NuclideChartTest)
#include "NuclideChartTest.moc"
