#include "device/noticetexts.h"
#include "shell/windowfit.h"

#include <QtTest>

// The window's fit to small or scaled screens, and the notice texts of the
// program's own tray and waiting window.
class WindowFitTest : public QObject {
    Q_OBJECT

private slots:
    void windowFitsTheFreeArea_data()
    {
        QTest::addColumn<QSize>("available");
        QTest::addColumn<double>("scale");
        QTest::addColumn<QSize>("size");
        const QSize designed(1024, 640);
        QTest::newRow("large screen keeps the design") << QSize(1920, 1040) << 1.0 << designed;
        QTest::newRow("exactly the design") << designed << 1.0 << designed;
        QTest::newRow("800x600 is bound by its width") << QSize(800, 600) << 800.0 / 1024 << QSize(800, 500);
        // 1366 x 768 at 125 %: 1093 x 614 logical, less a 27 px panel.
        QTest::newRow("laptop at 125 % is bound by its height")
            << QSize(1093, 587) << 587.0 / 640 << QSize(939, 587);
        QTest::newRow("one pixel short") << QSize(1023, 640) << 1023.0 / 1024 << QSize(1023, 639);
        QTest::newRow("tiny screen stops at half") << QSize(300, 200) << 0.5 << QSize(512, 320);
        QTest::newRow("no screen known") << QSize() << 1.0 << designed;
    }

    void windowFitsTheFreeArea()
    {
        QFETCH(QSize, available);
        QFETCH(double, scale);
        QFETCH(QSize, size);
        const QSize designed(1024, 640);
        const double got = windowfit::scaleFor(available, designed);
        QVERIFY2(qAbs(got - scale) < 1e-9, qPrintable(QString::number(got)));
        QCOMPARE(windowfit::scaledSize(designed, got), size);
        if (got > windowfit::kSmallestScale && !available.isEmpty()) {
            QVERIFY(size.width() <= available.width());
            QVERIFY(size.height() <= available.height());
        }
    }

    void windowIsPlacedInsideTheFreeArea_data()
    {
        QTest::addColumn<QRect>("available");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QPoint>("place");
        QTest::newRow("centred") << QRect(0, 0, 1280, 800) << QSize(1024, 640) << QPoint(128, 80);
        QTest::newRow("panel on the left and top") << QRect(60, 27, 740, 573) << QSize(740, 462)
                                                   << QPoint(60, 82);
        QTest::newRow("larger than the area keeps its corner in")
            << QRect(0, 27, 300, 200) << QSize(512, 320) << QPoint(0, 27);
    }

    void windowIsPlacedInsideTheFreeArea()
    {
        QFETCH(QRect, available);
        QFETCH(QSize, size);
        QFETCH(QPoint, place);
        QCOMPARE(windowfit::placeIn(available, size), place);
    }

    void dpiNoticeNamesTheDpi_data()
    {
        QTest::addColumn<QString>("stageText");
        QTest::addColumn<int>("dpi");
        QTest::addColumn<QString>("notice");
        QTest::newRow("known dpi") << "DPI Switch to 2 " << 1600 << "DPI Switch to 2: 1600 DPI";
        QTest::newRow("unknown dpi keeps the stage text") << "DPI Switch to 3 " << 0 << "DPI Switch to 3";
        QTest::newRow("damaged value") << "DPI Switch to 3" << -5 << "DPI Switch to 3";
    }

    void dpiNoticeNamesTheDpi()
    {
        QFETCH(QString, stageText);
        QFETCH(int, dpi);
        QFETCH(QString, notice);
        noticetexts::reset();
        QCOMPARE(noticetexts::dpiNotice(stageText, dpi), notice);
    }

    // A short or patchy language group leaves the other texts as they were.
    void languageGroupReplacesOnlyWhatItHolds()
    {
        noticetexts::reset();
        const QString quit = noticetexts::text(noticetexts::Quit);
        noticetexts::replace({QStringLiteral("提示"), QString(), QStringLiteral("显示窗口"), QStringLiteral("  ")});
        QCOMPARE(noticetexts::text(noticetexts::InfoCaption), QStringLiteral("提示"));
        QVERIFY(!noticetexts::text(noticetexts::MouseDetected).isEmpty());
        QCOMPARE(noticetexts::text(noticetexts::ShowWindow), QStringLiteral("显示窗口"));
        QCOMPARE(noticetexts::text(noticetexts::Quit), quit);
        noticetexts::replace(QStringList(20, QStringLiteral("x")));
        QCOMPARE(noticetexts::text(noticetexts::DpiUnit), QStringLiteral("x"));
        noticetexts::reset();
    }
};

QTEST_GUILESS_MAIN(WindowFitTest)
#include "tst_windowfit.moc"
