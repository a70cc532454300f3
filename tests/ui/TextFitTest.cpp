#include "TestProgram.h"
#include "ui/Look.h"
#include "ui/Translations.h"

// Every text fits the box the layout gives it, in the language the desktop asks for and at
// whatever scale the screen has (ctest runs this in every language at the scale factors 1, 1.5
// and 2).
class TextFitTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        installTranslations(*qApp);
        // Each language but English must have come in, or the boxes would be measured in English.
        const bool english = qgetenv("LANGUAGE").isEmpty() || qgetenv("LANGUAGE").startsWith("en");
        QCOMPARE(QCoreApplication::translate("Form1", "Data and run") == QLatin1String("Data and run"), english);
    }

    void everyTextFitsItsBox()
    {
        TestProgram program;
        ProgramWindows& windows = program.windows;
        Form1& main = windows.main();
        main.simut->setText(QStringLiteral("3000")); // the longest result label
        main.Command2_Click();
        main.Timer1_Timer();
        const QList<QWidget*> all = {&main, &windows.title(), &windows.largeGraph(), &windows.introduction(),
                                     &windows.references(), &windows.quiz(), &windows.citation(), &windows.dedication()};
        for (QWidget* window : all) {
            for (QLabel* label : window->findChildren<QLabel*>()) {
                if (label->text().isEmpty())
                    continue;
                const QRect box = label->contentsRect();
                const int flags = static_cast<int>(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0);
                const QRect needed = label->fontMetrics().boundingRect(box, flags, label->text());
                QVERIFY2(needed.width() <= box.width() && needed.height() <= box.height(),
                         qPrintable(QStringLiteral("%1.%2 needs %3 x %4 in %5 x %6")
                                        .arg(window->objectName(), label->objectName())
                                        .arg(needed.width()).arg(needed.height()).arg(box.width()).arg(box.height())));
            }
            for (QPushButton* button : window->findChildren<QPushButton*>()) {
                const int needed = button->fontMetrics().horizontalAdvance(button->text()) + 8; // the frame and a little air
                QVERIFY2(needed <= button->width(), qPrintable(QStringLiteral("%1.%2 needs %3 in %4").arg(window->objectName(), button->objectName()).arg(needed).arg(button->width())));
            }
            for (QLineEdit* field : window->findChildren<QLineEdit*>())
                QVERIFY2(field->fontMetrics().height() <= field->contentsRect().height(), qPrintable(field->objectName()));
        }
        // The class experiment and the lab lay themselves out: their texts fit when they need no more
        // than their size, also once a run has named every curve in the legend and the lab's
        // equilibrium is put in words, and the counter has counted.
        ClassExperiment& experiment = windows.classExperiment();
        experiment.cmdRun->click();
        QTRY_VERIFY(!experiment.running());
        NuclideLab& lab = windows.nuclideLab();
        lab.cboNuclide->setCurrentIndex(lab.cboNuclide->findText(QStringLiteral("(Mo-99)"), Qt::MatchEndsWith));
        lab.cmdExact->click();
        QVERIFY(lab.result());
        lab.cmdCounter->click();
        CountingLab& counter = windows.countingLab();
        counter.cmdStep->click();
        for (QWidget* window : std::initializer_list<QWidget*>{&experiment, &lab, &counter}) {
            const QSize needed = window->minimumSizeHint();
            QVERIFY2(needed.width() <= window->width() && needed.height() <= window->height(),
                     qPrintable(QStringLiteral("%1 needs %2 x %3").arg(window->objectName()).arg(needed.width()).arg(needed.height())));
        }
    }

    void handCursorIsDrawnForTheScreen()
    {
        const QPixmap hand = look::handCursor().pixmap();
        QCOMPARE(hand.devicePixelRatio(), qApp->devicePixelRatio());
        QCOMPARE(hand.deviceIndependentSize().toSize(), QSize(32, 32));
    }
};

QTEST_MAIN(TextFitTest)
#include "TextFitTest.moc"
