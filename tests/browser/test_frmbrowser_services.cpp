#include "browser/ImPanel.h"
#include "browser/frmbrowser.h"
#include "parental/frmmisc.h"
#include "platform/fakes/FakeWebBrowser.h"
#include "shell/App.h"
#include "shell/ClickLabel.h"
#include "shell/formaster.h"
#include "support/WindowsFixture.h"

#include <QAction>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <memory>

using namespace vireo;

namespace {

struct Fixture : test::WindowsFixture {
    frmbrowser* open()
    {
        auto* w = dynamic_cast<frmbrowser*>(app.newBrowser());
        if (w)
            page(w).calls.clear(); // forget the start page
        return w;
    }
    static FakeWebBrowser& page(frmbrowser* w)
    {
        return static_cast<FakeWebBrowser&>(w->WebBrowser1());
    }
    QString local(const char* name) const { return app.folder().path(QLatin1String(name)); }
};

QStringList visibleCaptions(const QMenu* menu)
{
    QStringList captions;
    for (const QAction* a : menu->actions())
        if (a->isVisible() && !a->isSeparator())
            captions << a->text();
    return captions;
}

} // namespace

class TestFrmbrowserServices : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void localPages_data()
    {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("page");
        QTest::newRow("Start: Search for CD's")
            << QStringLiteral("mnu_searchcd") << QStringLiteral("\\buycd.html");
        QTest::newRow("Entertainment: Search for CD's")
            << QStringLiteral("mnu_cd") << QStringLiteral("\\buycd.html");
        QTest::newRow("Search for Movies")
            << QStringLiteral("mnu_movie") << QStringLiteral("\\buymovie.html");
        QTest::newRow("Get your Horoscope")
            << QStringLiteral("mnu_horoscope") << QStringLiteral("\\horo.htm");
    }
    void localPages()
    {
        QFETCH(QString, item);
        QFETCH(QString, page);
        Fixture f;
        frmbrowser* w = f.open();
        QVERIFY(w);
        frmbrowser* other = f.open();
        auto* action = w->findChild<QAction*>(item);
        QVERIFY(action);
        action->trigger();
        // This window, not another.
        QCOMPARE(Fixture::page(w).calls,
                 QStringList{QStringLiteral("Navigate ") + f.app.folder().path(page)});
        QVERIFY(Fixture::page(other).calls.isEmpty());
    }

    void theShippedPagesExist()
    {
        const QString data = qEnvironmentVariable("VIREO_DATA_DIR");
        for (const char* name : {"buycd.html", "buymovie.html", "horo.htm", "what.html"})
            QVERIFY2(QFile::exists(data + QLatin1Char('/') + QLatin1String(name)), name);
    }

    void searchOpensTheSearchPanel()
    {
        Fixture f;
        frmbrowser* w = f.open();
        w->mnu_search->trigger();
        auto* config = dynamic_cast<frmmisc*>(f.app.openWindow(f.app.configKind));
        QVERIFY(config);
        QCOMPARE(config->panel(), ConfigWindow::Panel::WebSearch);
        QCOMPARE(config->windowTitle(), QStringLiteral("Search"));
    }

    void settingThreeHidesTheSearches_data()
    {
        QTest::addColumn<QString>("value");
        QTest::addColumn<bool>("hidden");
        QTest::newRow("0") << QStringLiteral("0") << false;
        QTest::newRow("1") << QStringLiteral("1") << true;
        QTest::newRow("01 is 1 as a number") << QStringLiteral("01") << true;
        QTest::newRow("empty") << QString() << false;
    }
    void settingThreeHidesTheSearches()
    {
        QFETCH(QString, value);
        QFETCH(bool, hidden);
        Fixture f;
        f.settings.write(QStringLiteral("vro"), QStringLiteral("settings"), QStringLiteral("3"),
                         value);
        frmbrowser* w = f.open();
        QCOMPARE(visibleCaptions(w->mnu_entertainment).contains(QStringLiteral("Search for CD's")),
                 !hidden);
        QCOMPARE(
            visibleCaptions(w->mnu_entertainment).contains(QStringLiteral("Search for Movies")),
            !hidden);
        QCOMPARE(visibleCaptions(w->mnu_start).contains(QStringLiteral("Search for CD's")),
                 !hidden);
        QVERIFY(
            visibleCaptions(w->mnu_entertainment).contains(QStringLiteral("Get your Horoscope")));
        QVERIFY(visibleCaptions(w->mnu_entertainment).contains(QStringLiteral("Send an IM")));
        QVERIFY(visibleCaptions(w->mnu_start).contains(QStringLiteral("S&earch")));

        // A change of the setting applies to windows opened afterwards.
        f.settings.write(QStringLiteral("vro"), QStringLiteral("settings"), QStringLiteral("3"),
                         hidden ? QStringLiteral("0") : QStringLiteral("1"));
        QCOMPARE(w->mnu_cd->isVisible(), !hidden);
        frmbrowser* later = f.open();
        QCOMPARE(later->mnu_cd->isVisible(), hidden);
    }

    void sendAnImShowsThePanel()
    {
        Fixture f;
        f.master->show();
        frmbrowser* w = f.open();
        ImPanel* panel = w->Picture5;
        QVERIFY(panel);
        QVERIFY(panel->isHidden());
        QCOMPARE(panel->parentWidget(), static_cast<QWidget*>(w));
        w->mnu_im->trigger();
        QVERIFY(panel->isVisible());
        QCOMPARE(panel->geometry(), QRect(182, 49, 267, 120));

        QTest::keyClicks(panel->screenname, QStringLiteral("my pal"));
        panel->message->setText(QStringLiteral("rock & roll"));
        QTest::mouseClick(panel->Command6, Qt::LeftButton);
        QCOMPARE(Fixture::page(w).calls,
                 QStringList{QStringLiteral(
                     "Navigate aim:goim?screenname=my%20pal&message=rock%20%26%20roll")});
        QVERIFY(panel->isHidden());

        // Shown again, it keeps the last texts; each window has a panel of its own.
        w->mnu_im->trigger();
        QCOMPARE(panel->screenname->text(), QStringLiteral("my pal"));
        frmbrowser* other = f.open();
        QCOMPARE(other->Picture5->message->text(), QStringLiteral("Hello!"));
        QVERIFY(other->Picture5->isHidden());
        QVERIFY(f.dialogs.messages().isEmpty());

        // No program took the address: the window says so, once.
        Q_EMIT Fixture::page(w).ExternalAddressNotOpened(QStringLiteral("aim"));
        QCOMPARE(f.dialogs.messages(),
                 QStringList{QStringLiteral("No program is set up to open aim: addresses.")});
    }

    void theImLabelsOpenTheMessengersHomePage()
    {
        Fixture f;
        f.master->show();
        frmbrowser* w = f.open();
        w->mnu_im->trigger();
        QTest::mouseClick(w->Picture5->Label8, Qt::LeftButton);
        QCOMPARE(Fixture::page(w).calls.size(), 1);
        QVERIFY(Fixture::page(w).calls.at(0).startsWith(QLatin1String("Navigate https://")));
        QVERIFY(w->Picture5->isHidden());
    }
};

QTEST_MAIN(TestFrmbrowserServices)
#include "test_frmbrowser_services.moc"
