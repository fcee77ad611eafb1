// Which scene graph the window gets: the software one where OpenGL would be
// drawn by a software rasteriser, Qt's default where a GPU may help, and
// whatever the user named.
#include "shell/scenegraphchoice.h"

#include <QTest>

using scenegraphchoice::Choice;
using scenegraphchoice::Facts;
Q_DECLARE_METATYPE(scenegraphchoice::Choice)

class tst_SceneGraphChoice : public QObject {
    Q_OBJECT
private slots:
    void choice_data();
    void choice();
    void rasteriserNames_data();
    void rasteriserNames();
};

void tst_SceneGraphChoice::choice_data()
{
    QTest::addColumn<bool>("named");
    QTest::addColumn<bool>("forced");
    QTest::addColumn<bool>("nodes");
    QTest::addColumn<bool>("windows");
    QTest::addColumn<Choice>("expected");
    QTest::newRow("no GPU on X11") << false << false << false << true << Choice::Software;
    QTest::newRow("GPU node: ask its renderer") << false << false << true << true << Choice::AskRenderer;
    QTest::newRow("rasteriser forced beside a GPU") << false << true << true << true << Choice::Software;
    QTest::newRow("backend named by the user") << true << false << false << true << Choice::Leave;
    QTest::newRow("named wins over a forced rasteriser") << true << true << true << true << Choice::Leave;
    QTest::newRow("offscreen platform") << false << false << false << false << Choice::Leave;
}

void tst_SceneGraphChoice::choice()
{
    QFETCH(bool, named);
    QFETCH(bool, forced);
    QFETCH(bool, nodes);
    QFETCH(bool, windows);
    QFETCH(Choice, expected);
    Facts facts;
    facts.backendNamed = named;
    facts.glForcedSoftware = forced;
    facts.renderNodes = nodes;
    facts.windowSystem = windows;
    QCOMPARE(scenegraphchoice::choose(facts), expected);
}

void tst_SceneGraphChoice::rasteriserNames_data()
{
    QTest::addColumn<QString>("renderer");
    QTest::addColumn<bool>("software");
    QTest::newRow("llvmpipe") << "llvmpipe (LLVM 15.0.6, 256 bits)" << true;
    QTest::newRow("softpipe") << "softpipe" << true;
    QTest::newRow("classic swrast") << "Mesa DRI swrast" << true;
    QTest::newRow("Windows rasteriser name") << "Software Rasterizer" << true;
    QTest::newRow("Intel GPU") << "Mesa Intel(R) UHD Graphics 620 (KBL GT2)" << false;
    QTest::newRow("AMD GPU") << "AMD Radeon RX 6600 (navi23, LLVM 15.0.6, DRM 3.49)" << false;
    QTest::newRow("no context") << "" << false;
}

void tst_SceneGraphChoice::rasteriserNames()
{
    QFETCH(QString, renderer);
    QFETCH(bool, software);
    QCOMPARE(scenegraphchoice::isSoftwareRasteriser(renderer), software);
}

QTEST_GUILESS_MAIN(tst_SceneGraphChoice)
#include "tst_scenegraphchoice.moc"
