#include "platform/fakes/MemorySettingsStore.h"
#include "shell/MasterLayout.h"
#include "shell/Placement.h"

#include <QTest>

using namespace vireo;

Q_DECLARE_METATYPE(std::optional<float>)
Q_DECLARE_METATYPE(std::optional<int>)

namespace {

// The skin's design geometry, as the window is laid out before any resize.
MasterGeometry designGeometry()
{
    MasterGeometry g;
    g.midright = {6510, 780, 225, 300};
    g.midrightbar = {6975, 255, 90, 120};
    g.topright = {6810, 0, 255, 270};
    g.botright = {855, 0, 120, 90};
    g.botbar = {105, 0, 315, 105};
    g.midbar = {225, 930, 6300, 150};
    g.leftbar = {0, -30, 105, 2880};
    g.topbar = {225, 0, 345, 75};
    g.rightbar = {0, 0, 90, 645};
    g.navbar = {0, 0, 8370, 1080};
    g.Picture1 = {0, 5340, 8370, 225};
    g.Picture2 = {8280, 1080, 90, 4260};
    g.bumper = {7395, 210, 555, 570};
    g.Combo1 = {450, 570, 5535, 315};
    return g;
}

} // namespace

class TestMasterLayout : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void resize_data();
    void resize();
    void negativeSizesAreSkipped();
    void hoverCaptionGoesUnderTheButton();
    void placementRead_data();
    void placementRead();
    void placementWriteRoundTrip();
};

void TestMasterLayout::resize_data()
{
    QTest::addColumn<double>("W");
    QTest::addColumn<double>("H");
    QTest::addColumn<double>("SW");
    QTest::addColumn<double>("bumperLeft");
    QTest::addColumn<double>("comboWidth");
    QTest::addColumn<double>("midrightLeft");
    QTest::addColumn<double>("midbarWidth");
    QTest::addColumn<double>("toprightLeft");
    QTest::addColumn<double>("botrightLeft");
    QTest::newRow("9000 wide") << 9000.0 << 6000.0 << 8880.0 << 8100.0 << 7100.0 << 8650.0 << 8775.0
                               << 8630.0 << 8770.0;
    QTest::newRow("design") << 8490.0 << 5685.0 << 8370.0 << 7590.0 << 6590.0 << 8140.0 << 8265.0
                            << 8120.0 << 8260.0;
    QTest::newRow("wide screen") << 19320.0 << 12000.0 << 19200.0 << 18420.0 << 17420.0 << 18970.0
                                 << 19095.0 << 18950.0 << 19090.0;
}

void TestMasterLayout::resize()
{
    QFETCH(double, W);
    QFETCH(double, H);
    QFETCH(double, SW);
    MasterGeometry g = designGeometry();
    g.Picture2.left = SW - 90;
    resizeMaster(g, W, H, SW);
    QTEST(g.bumper.left, "bumperLeft");
    QTEST(g.Combo1.width, "comboWidth");
    QTEST(g.midright.left, "midrightLeft");
    QTEST(g.midbar.width, "midbarWidth");
    QTEST(g.topright.left, "toprightLeft");
    QTEST(g.botright.left, "botrightLeft");
    QCOMPARE(g.midrightbar.left, W - 210);
    QCOMPARE(g.botbar.width, W);
    QCOMPARE(g.leftbar.height, H);
    QCOMPARE(g.rightbar.height, H);
    QCOMPARE(g.topbar.width, SW);
    QCOMPARE(g.midrightbar.height, 1080.0);
    QCOMPARE(g.Picture1.width, SW - 190);
}

void TestMasterLayout::negativeSizesAreSkipped()
{
    // A window narrower than the address box's margin: that step fails, the others still run.
    MasterGeometry g = designGeometry();
    g.Picture2.left = 1200 - 90;
    resizeMaster(g, 1320, 3000, 1200);
    QCOMPARE(g.Combo1.width, 5535.0);   // 1320 - 1900 < 0: kept
    QCOMPARE(g.midbar.width, 1095.0);   // 1320 - 225
    QCOMPARE(g.bumper.left, 420.0);     // positions may go anywhere
    QCOMPARE(g.Picture1.width, 1010.0); // 1110 - 100
    MasterGeometry tiny = designGeometry();
    tiny.Picture2.left = 50;
    resizeMaster(tiny, 100, 100, 0);
    QCOMPARE(tiny.midbar.width, 6300.0); // 100 - 225 < 0: kept
    QCOMPARE(tiny.Picture1.width, 8370.0);
    QCOMPARE(tiny.botbar.width, 100.0);
    QCOMPARE(tiny.midright.left, -250.0);
}

void TestMasterLayout::hoverCaptionGoesUnderTheButton()
{
    const TwipRect r = hoverCaptionRect({3240, 90, 480, 480}, 1200, 195);
    QCOMPARE(r, (TwipRect{3480, 570, 1225, 220}));
}

void TestMasterLayout::placementRead_data()
{
    QTest::addColumn<QString>("top");
    QTest::addColumn<QString>("state");
    QTest::addColumn<std::optional<float>>("expectedTop");
    QTest::addColumn<std::optional<int>>("expectedState");
    QTest::newRow("absent") << QString() << QString() << std::optional<float>()
                            << std::optional<int>();
    QTest::newRow("numbers") << QStringLiteral("1500") << QStringLiteral("2")
                             << std::optional<float>(1500) << std::optional<int>(2);
    QTest::newRow("not numbers") << QStringLiteral("left") << QStringLiteral("max")
                                 << std::optional<float>() << std::optional<int>();
    QTest::newRow("not a state") << QStringLiteral("-45") << QStringLiteral("3")
                                 << std::optional<float>(-45) << std::optional<int>();
    QTest::newRow("fraction") << QStringLiteral("12.5") << QStringLiteral("1")
                              << std::optional<float>(12.5f) << std::optional<int>(1);
}

void TestMasterLayout::placementRead()
{
    QFETCH(QString, top);
    QFETCH(QString, state);
    MemorySettingsStore settings;
    if (!top.isNull())
        settings.write(QStringLiteral("vro"), QStringLiteral("pos"), QStringLiteral("Top"), top);
    if (!state.isNull())
        settings.write(QStringLiteral("vro"), QStringLiteral("pos"), QStringLiteral("WindowState"),
                       state);
    const Placement p = Placement::read(settings);
    QTEST(p.top, "expectedTop");
    QTEST(p.windowState, "expectedState");
    QVERIFY(!p.left && !p.height && !p.width);
}

void TestMasterLayout::placementWriteRoundTrip()
{
    MemorySettingsStore settings;
    Placement::write(settings, 450, 1200.5f, 5685, 8490, 2);
    QCOMPARE(settings.read(QStringLiteral("vro"), QStringLiteral("pos"), QStringLiteral("Left")),
             QStringLiteral("1200.5"));
    const Placement p = Placement::read(settings);
    QCOMPARE(p.top, 450.0f);
    QCOMPARE(p.left, 1200.5f);
    QCOMPARE(p.height, 5685.0f);
    QCOMPARE(p.width, 8490.0f);
    QCOMPARE(p.windowState, 2);
}

QTEST_GUILESS_MAIN(TestMasterLayout)
#include "test_master_layout.moc"
