#include "shell/ProductSite.h"
#include "shell/frmAbout.h"
#include "support/MasterFixture.h"

#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>

using namespace vireo;
using namespace vireo::test;

class TestAbout : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void versionText_data();
    void versionText();
    void boxShowsThisVersionAndCloses();
    void singleInstance();
    void helpCommandsOpenNewBrowserWindows();
};

void TestAbout::versionText_data()
{
    QTest::addColumn<int>("major");
    QTest::addColumn<int>("minor");
    QTest::addColumn<int>("revision");
    QTest::addColumn<QString>("text");
    QTest::newRow("2.5.0") << 2 << 5 << 0 << QStringLiteral("Version 2.5.0");
    QTest::newRow("no leading zeros") << 1 << 10 << 3 << QStringLiteral("Version 1.10.3");
}

void TestAbout::versionText()
{
    QFETCH(int, major);
    QFETCH(int, minor);
    QFETCH(int, revision);
    QTEST(frmAbout::versionText(major, minor, revision), "text");
}

void TestAbout::boxShowsThisVersionAndCloses()
{
    AppFixture f;
    QPointer<frmAbout> box = frmAbout::create(f.app);
    box->show();
    QCOMPARE(box->windowTitle(), QStringLiteral("About Vireo"));
    QVERIFY(
        QRegularExpression(QStringLiteral("^Version [1-9]\\d*\\.(0|[1-9]\\d*)\\.(0|[1-9]\\d*)$"))
            .match(box->lblVersion->text())
            .hasMatch());
    QVERIFY(!box->picIcon->pixmap().isNull());
    QTest::mouseClick(box->cmdOK, Qt::LeftButton);
    QTRY_VERIFY(box.isNull());
}

void TestAbout::singleInstance()
{
    AppFixture f;
    App& app = f.app;
    int made = 0;
    app.aboutKind = {[&made](App& a) {
                         ++made;
                         return static_cast<QWidget*>(frmAbout::create(a));
                     },
                     false};
    QWidget* first = app.about();
    QWidget* second = app.about();
    QCOMPARE(first, second);
    QCOMPARE(made, 1);
    first->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    app.about();
    QCOMPARE(made, 2);
}

void TestAbout::helpCommandsOpenNewBrowserWindows()
{
    MasterFixture f;
    formaster& m = f.m;
    const FakeBrowserWindows& browsers = f.browsers;
    m.controlsForTest().mnu_htmlhelp->trigger();
    m.controlsForTest().mnu_htmlhelp->trigger();
    m.controlsForTest().mnu_update->trigger();
    m.controlsForTest().mnu_feedback->trigger();
    m.controlsForTest().mnu_rights->trigger();
    const QString help = QStringLiteral("Navigate ") + f.dir.filePath(QStringLiteral("help.html"));
    QCOMPARE(browsers.size(), 5);
    QCOMPARE(browsers[0]->page.calls, QStringList{help});
    QCOMPARE(browsers[1]->page.calls, QStringList{help});
    QCOMPARE(browsers[2]->page.calls, QStringList{QStringLiteral("Navigate ") +
                                                  f.dir.filePath(QStringLiteral("update.html"))});
    QCOMPARE(browsers[3]->page.calls, QStringList{QStringLiteral("Navigate ") +
                                                  f.dir.filePath(QStringLiteral("feedback.html"))});
    QCOMPARE(browsers[4]->page.calls, QStringList{QStringLiteral("Navigate ") +
                                                  f.dir.filePath(QStringLiteral("rights.html"))});
}

QTEST_MAIN(TestAbout)
#include "test_about.moc"
