#include "shell/ProductSite.h"
#include "shell/ServiceAddresses.h"

#include <QTest>

using namespace vireo;

class TestServiceAddresses : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void webSearch_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("address");
        QTest::newRow("two words") << QStringLiteral("rock bands")
                                   << QStringLiteral("https://www.bing.com/search?q=rock%20bands");
        QTest::newRow("ampersand")
            << QStringLiteral("R&B") << QStringLiteral("https://www.bing.com/search?q=R%26B");
        QTest::newRow("empty") << QString() << QStringLiteral("https://www.bing.com/search?q=");
        QTest::newRow("query signs")
            << QStringLiteral("a=b?c#d+e%")
            << QStringLiteral("https://www.bing.com/search?q=a%3Db%3Fc%23d%2Be%25");
        QTest::newRow("unreserved kept")
            << QStringLiteral("AZaz09-._~")
            << QStringLiteral("https://www.bing.com/search?q=AZaz09-._~");
        QTest::newRow("non-ASCII as UTF-8")
            << QStringLiteral("Beyonc\u00e9")
            << QStringLiteral("https://www.bing.com/search?q=Beyonc%C3%A9");
    }
    void webSearch()
    {
        QFETCH(QString, typed);
        QFETCH(QString, address);
        QCOMPARE(address::webSearch(typed), address);
    }

    void mp3Search_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("query");
        QTest::newRow("empty") << QString() << QString();
        QTest::newRow("artist and song") << QStringLiteral("Queen Bohemian Rhapsody")
                                         << QStringLiteral("Queen%20Bohemian%20Rhapsody");
        QTest::newRow("ampersand") << QStringLiteral("R&B") << QStringLiteral("R%26B");
    }
    void mp3Search()
    {
        QFETCH(QString, typed);
        QFETCH(QString, query);
        QCOMPARE(address::mp3Search(typed),
                 site::audioSearchBase() + QStringLiteral("/Search/Search.phtml?query=") + query +
                     QStringLiteral("&index=audio&protocol=all&x=16&y=15"));
    }

    void audioSearchBaseIsAWebAddressWithoutTrailingSlash()
    {
        QVERIFY(site::audioSearchBase().startsWith(QLatin1String("https://")));
        QVERIFY(!site::audioSearchBase().endsWith(QLatin1Char('/')));
        QVERIFY(site::imHomePage().startsWith(QLatin1String("https://")));
    }

    void instantMessage_data()
    {
        QTest::addColumn<QString>("screenName");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("address");
        QTest::newRow("plain") << QStringLiteral("buddy1") << QStringLiteral("Hello!")
                               << QStringLiteral("aim:goim?screenname=buddy1&message=Hello%21");
        QTest::newRow("empty screen name")
            << QString() << QStringLiteral("Hello!")
            << QStringLiteral("aim:goim?screenname=&message=Hello%21");
        QTest::newRow("both empty")
            << QString() << QString() << QStringLiteral("aim:goim?screenname=&message=");
        // An ampersand or a space in the message stays inside the message value.
        QTest::newRow("ampersand and space")
            << QStringLiteral("my pal") << QStringLiteral("rock & roll")
            << QStringLiteral("aim:goim?screenname=my%20pal&message=rock%20%26%20roll");
        QTest::newRow("a key in the message")
            << QStringLiteral("a") << QStringLiteral("x&screenname=b")
            << QStringLiteral("aim:goim?screenname=a&message=x%26screenname%3Db");
    }
    void instantMessage()
    {
        QFETCH(QString, screenName);
        QFETCH(QString, message);
        QFETCH(QString, address);
        QCOMPARE(address::instantMessage(screenName, message), address);
    }
};

QTEST_GUILESS_MAIN(TestServiceAddresses)
#include "test_service_addresses.moc"
