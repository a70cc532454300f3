#include "tests/ui/TestProgram.h"
#include "model/nuclides/LabPlot.h"
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
        return w.picChart->cellRect(n.a - n.z, n.z).center().toPoint();
    }
    // How far the middle of a nuclide's cell is from the middle of the chart's area, in cells.
    QPointF offCentre(const NuclideChart& w, const char* symbol)
    {
        const decay::Nuclide& n = *lab().table().find(symbol);
        return (w.picChart->cellRect(n.a - n.z, n.z).center() - w.picChart->area().center()) / w.picChart->view().cell;
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

    // The cells by N and Z, and the model's view in Qt's types.
    void gridOfTheTable()
    {
        const decay::MapView view{10, -1, 120};
        QCOMPARE(chart::cellRect(146, 92, view), QRectF(1470, 280, 10, 10));
        QCOMPARE(chart::cellAt(QPointF(1475, 285), view), std::make_pair(146, 92));
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

    // The notes under the chart are the lab's, of the chain the lab shows: with every branch
    // kept none is below the threshold, and a search taken into the lab brings its chain's notes.
    void notesAreThoseOfTheLabsChain()
    {
        NuclideChart& w = chartWindow();
        const auto labNotes = [this] { return QStringLiteral("Left out of the chain: ") + lab().lblNoteList->text().replace(QLatin1Char('\n'), QLatin1Char(' ')); };
        lab().txtThreshold->setText(QStringLiteral("0"));
        QTest::keyClick(lab().txtThreshold, Qt::Key_Return);
        QVERIFY(lab().lblNoteList->text().contains(QStringLiteral("U-238 fissions")));
        QCOMPARE(w.lblNotes->text(), labNotes());
        QVERIFY(!w.lblNotes->text().contains(QStringLiteral("below the branch threshold")));
        QTest::keyClicks(w.txtSearch, QStringLiteral("Mo-99"));
        QTest::keyClick(w.txtSearch, Qt::Key_Return);
        QTest::keyClick(w.picChart, Qt::Key_Return);
        QCOMPARE(lab().cboNuclide->currentText(), QStringLiteral("Molybdenum-99 (Mo-99)"));
        for (const QString& notes : {lab().lblNotes->text(), lab().lblNoteList->text(), w.lblNotes->text()})
            QVERIFY2(!notes.contains(QStringLiteral("U-2")), qPrintable(notes));
    }

    // Wheel, keys and drags change what is shown, and the description follows.
    void zoomAndPanChangeTheDescription()
    {
        NuclideChart& w = chartWindow();
        const QString opened = w.description();
        const double cell = w.picChart->view().cell;
        QTest::keyClick(w.picChart, Qt::Key_Plus);
        QCOMPARE(w.picChart->view().cell, cell * 1.25);
        QVERIFY(w.description() != opened);
        QTest::keyClick(w.picChart, Qt::Key_Minus);
        const double left = w.picChart->view().left;
        QTest::keyClick(w.picChart, Qt::Key_Right, Qt::ControlModifier);
        QCOMPARE(w.picChart->view().left, left + 4);
        QTest::keyClick(w.picChart, Qt::Key_Home);
        QVERIFY2(w.description().startsWith(QStringLiteral("The chart shows N 0 to 177 and Z 0 to 118,")), qPrintable(w.description()));
        w.cboColour->setCurrentIndex(1);
        QVERIFY(w.lblDescription->text().contains(QStringLiteral("half-life")));
    }

    // The window maximised on a 1920 x 1080 screen, and as narrow as a phone: the chart opens on
    // the lab's U-238 in cells of at least 8 pixels, all over its area, with N and Z numbered and
    // the chain's members ringed in their colours of the lab's curves. A search moves it to the
    // nuclide found at the zoom the user chose.
    void opensLegibleOnTheLabsNuclide_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::newRow("maximised at 1920 x 1080") << QSize(1920, 1050);
        QTest::newRow("phone width") << QSize(390, 844);
    }
    void opensLegibleOnTheLabsNuclide()
    {
        QFETCH(QSize, size);
        lab().cmdChart->click();
        NuclideChart& w = *lab().findChild<NuclideChart*>(QStringLiteral("NuclideChart"));
        w.resize(size);
        QTRY_COMPARE(w.size().width(), std::max(size.width(), w.minimumSizeHint().width()));
        const NuclideMap& map = *w.picChart;
        QVERIFY2(map.view().cell >= 8, qPrintable(QString::number(map.view().cell)));
        QVERIFY(std::abs(offCentre(w, "U-238").x()) <= 0.5 && std::abs(offCentre(w, "U-238").y()) <= 0.5);
        // Painted: cells in every quarter of the area (the whole chart at the old default took the
        // top left 40 % x 55 % of it), the legend aside; N's ticks below it; the chain's first two
        // members ringed in orange and blue, 8 pixels right of their cells' middles.
        const QImage image = w.picChart->grab().toImage();
        const QRectF area = map.area();
        QSet<QRgb> cellColours;
        for (const decay::Nuclide& nuclide : lab().table().nuclides)
            cellColours.insert(chart::modeColor(nuclide).rgb());
        std::array<int, 4> quarters{};
        for (double y = area.top() + 1; y < area.bottom(); y += 3)
            for (double x = area.left() + 1; x < area.right(); x += 3)
                if (!(x > area.right() - 120 && y > area.bottom() - 160) && cellColours.contains(image.pixel(QPointF(x, y).toPoint())))
                    ++quarters[static_cast<std::size_t>((x > area.center().x() ? 1 : 0) + (y > area.center().y() ? 2 : 0))];
        QVERIFY2(std::ranges::min(quarters) > 0, qPrintable(QStringLiteral("%1 %2 %3 %4").arg(quarters[0]).arg(quarters[1]).arg(quarters[2]).arg(quarters[3])));
        int ticks = 0;
        for (int x = static_cast<int>(area.left()); x < static_cast<int>(area.right()); ++x)
            ticks += image.pixelColor(x, static_cast<int>(area.bottom()) + 2) == QColor(60, 60, 60) ? 1 : 0;
        QVERIFY2(ticks >= area.width() / 80, qPrintable(QString::number(ticks)));
        for (const auto& [member, symbol] : {std::pair{0, "U-238"}, std::pair{1, "Th-234"}}) {
            const decay::PlotColor colour = decay::memberStyle(member).color;
            QCOMPARE(image.pixelColor(cellCentre(w, symbol) + QPoint(8, 0)), QColor(colour.red, colour.green, colour.blue));
        }

        QTest::keyClick(w.picChart, Qt::Key_Plus);
        const double zoom = map.view().cell;
        w.txtSearch->setText(QStringLiteral("Mo-99"));
        QTest::keyClick(w.txtSearch, Qt::Key_Return);
        QCOMPARE(map.view().cell, zoom);
        QVERIFY(std::abs(offCentre(w, "Mo-99").x()) <= 0.5 && std::abs(offCentre(w, "Mo-99").y()) <= 0.5);
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
