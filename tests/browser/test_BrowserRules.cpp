#include "browser/BrowserRules.h"

#include <QTest>

using namespace vireo;

namespace {

// The geometry as the window has it after the link panel opened at the design splitter.
BrowserGeometry panelOpen()
{
    BrowserGeometry g;
    browserLayout::showLinkPanel(g);
    browserLayout::formResize(g, 7335, 4050);
    return g;
}

} // namespace

class TestBrowserRules : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void formResizeFollowsTheClientArea();
    void linkPanelOpensBesideTheSplitter();
    void gogPutsThePageBackAtFullWidth();
    void dragKeepsTheGrabOffset_data();
    void dragKeepsTheGrabOffset();
    void releaseLaysOutPanelAndPage_data();
    void releaseLaysOutPanelAndPage();
    void progressValue_data();
    void progressValue();
};

void TestBrowserRules::formResizeFollowsTheClientArea()
{
    BrowserGeometry g;
    browserLayout::formResize(g, 9000, 6000);
    QCOMPARE(g.List2.height, 6000 - 405);
    QCOMPARE(g.page.height, 6000.0);
    QCOMPARE(g.Picture2.height, 6000.0);
    QCOMPARE(g.List2.width, 2070 + 30.0);
    QCOMPARE(g.page.width, 9000.0);

    // Too small for the list: its height stays, the other lines still run.
    browserLayout::formResize(g, 300, 200);
    QCOMPARE(g.List2.height, 6000 - 405);
    QCOMPARE(g.page.height, 200.0);
    QCOMPARE(g.page.width, 300.0);
}

void TestBrowserRules::linkPanelOpensBesideTheSplitter()
{
    const BrowserGeometry g = panelOpen();
    QCOMPARE(g.Picture1.width, 2040.0);
    QCOMPARE(g.page.left, 2040 + 50.0);
    QCOMPARE(g.List2.width, 2040 + 30.0);
    QCOMPARE(g.page.width, 7335 - 2090.0);
}

void TestBrowserRules::gogPutsThePageBackAtFullWidth()
{
    BrowserGeometry g = panelOpen();
    browserLayout::gog(g, 7335, 4050);
    QCOMPARE(g.page.left, 0.0);
    QCOMPARE(g.page.width, 7335.0);
    QCOMPARE(g.page.height, 4050.0);
}

void TestBrowserRules::dragKeepsTheGrabOffset_data()
{
    QTest::addColumn<double>("left");
    QTest::addColumn<double>("pointerX");
    QTest::addColumn<double>("downX");
    QTest::addColumn<double>("expected");
    QTest::newRow("right") << 2040.0 << 45.0 << 15.0 << 2070.0;
    QTest::newRow("left") << 2040.0 << -300.0 << 30.0 << 1710.0;
    QTest::newRow("past the left edge") << 100.0 << -900.0 << 0.0 << -800.0;
    QTest::newRow("far right") << 2040.0 << 90000.0 << 15.0 << 92025.0;
}

void TestBrowserRules::dragKeepsTheGrabOffset()
{
    QFETCH(double, left);
    QFETCH(double, pointerX);
    QFETCH(double, downX);
    QFETCH(double, expected);
    QCOMPARE(browserLayout::dragSplitter(left, pointerX, downX), expected);
}

void TestBrowserRules::releaseLaysOutPanelAndPage_data()
{
    QTest::addColumn<double>("S");
    QTest::addColumn<double>("label2Left");
    QTest::addColumn<double>("list2Width");
    QTest::addColumn<double>("pageLeft");
    QTest::addColumn<double>("headerWidth");
    QTest::addColumn<double>("pageWidth");
    // Client width 7335, splitter width 50.
    QTest::newRow("design place") << 2040.0 << 1640.0 << 2030.0 << 2090.0 << 2030.0
                                  << 7335 - 2030 - 65.0;
    QTest::newRow("wider panel") << 3000.0 << 2600.0 << 2990.0 << 3050.0 << 2990.0
                                 << 7335 - 2990 - 65.0;
    // Widths that would be negative are not assigned: list and header keep the widths of the
    // open panel (2070 and 2040), and the page width follows the header it kept.
    QTest::newRow("far left") << -500.0 << -900.0 << 2070.0 << -450.0 << 2040.0
                              << 7335 - 2040 - 65.0;
    // The page width would be negative: it keeps the width it had with the panel open.
    QTest::newRow("far right") << 9000.0 << 8600.0 << 8990.0 << 9050.0 << 8990.0 << 7335 - 2090.0;
}

void TestBrowserRules::releaseLaysOutPanelAndPage()
{
    QFETCH(double, S);
    BrowserGeometry g = panelOpen();
    g.Picture2.left = S;
    browserLayout::releaseSplitter(g, 7335);
    QTEST(g.label2.left, "label2Left");
    QTEST(g.List2.width, "list2Width");
    QTEST(g.page.left, "pageLeft");
    QTEST(g.Picture1.width, "headerWidth");
    QTEST(g.page.width, "pageWidth");
}

void TestBrowserRules::progressValue_data()
{
    QTest::addColumn<int>("progress");
    QTest::addColumn<int>("progressMax");
    QTest::addColumn<int>("expected"); // -2: the bar is left as it is
    QTest::newRow("finished") << -1 << 0 << 100;
    QTest::newRow("finished, any max") << -1 << 12345 << 100;
    QTest::newRow("nothing yet") << 0 << 100 << -2;
    QTest::newRow("no max") << 50 << 0 << -2;
    QTest::newRow("negative max") << 50 << -10 << -2;
    QTest::newRow("half") << 50 << 100 << 50;
    QTest::newRow("bytes") << 30000 << 90000 << 33;
    QTest::newRow("largest product") << 21474836 << 21474836 << 100;
    QTest::newRow("product overflows") << 21474837 << 21474837 << -2;
    QTest::newRow("huge, overflows") << 2000000000 << 2100000000 << -2;
    QTest::newRow("past the end") << 300 << 200 << -2;
}

void TestBrowserRules::progressValue()
{
    QFETCH(int, progress);
    QFETCH(int, progressMax);
    QFETCH(int, expected);
    const std::optional<int> value = progressBarValue(progress, progressMax);
    QCOMPARE(value.value_or(-2), expected);
}

QTEST_GUILESS_MAIN(TestBrowserRules)
#include "test_BrowserRules.moc"
