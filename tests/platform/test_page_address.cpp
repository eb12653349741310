#include "platform/PageAddress.h"
#include "shell/ServiceAddresses.h"

#include <QTest>

using namespace vireo;

class TestPageAddress : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void resolve_data();
    void resolve();
};

void TestPageAddress::resolve_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("kind"); // 0 none, 1 engine, 2 external
    QTest::addColumn<QString>("url");
    QTest::newRow("empty") << "" << 0 << "";
    QTest::newRow("spaces") << "   " << 0 << "";
    QTest::newRow("full") << "https://www.example.com/a?b=c" << 1
                          << "https://www.example.com/a?b=c";
    QTest::newRow("host only") << "example.com" << 1 << "http://example.com";
    QTest::newRow("host and path")
        << "www.example.com/teens" << 1 << "http://www.example.com/teens";
    QTest::newRow("host with port")
        << "www.example.com:8080/x" << 1 << "http://www.example.com:8080/x";
    QTest::newRow("localhost with port") << "localhost:8080/x" << 1 << "http://localhost:8080/x";
    QTest::newRow("loopback with port")
        << "127.0.0.1:5000/a.html" << 1 << "http://127.0.0.1:5000/a.html";
    QTest::newRow("local file") << "/opt/vireo/help.html" << 1 << "file:///opt/vireo/help.html";
    QTest::newRow("local file with space")
        << "/home/teen/my page.html" << 1 << "file:///home/teen/my%20page.html";
    QTest::newRow("file url") << "file:///tmp/x.html" << 1 << "file:///tmp/x.html";
    QTest::newRow("about") << "about:blank" << 1 << "about:blank";
    QTest::newRow("messenger") << "aim:goim?screenname=friend" << 2 << "aim:goim?screenname=friend";
    QTest::newRow("messenger with message") << "aim:goim?screenname=friend&message=hi%20there" << 2
                                            << "aim:goim?screenname=friend&message=hi%20there";
    QTest::newRow("mail") << "mailto:someone@example.com" << 2 << "mailto:someone@example.com";
    QTest::newRow("localhost") << "localhost" << 1 << "http://localhost";
    QTest::newRow("host without dot, with path") << "intranet/page" << 1 << "http://intranet/page";
    // Text that is no address is searched for, percent-encoded as one query value.
    const QString search = address::webSearch(QString());
    QTest::newRow("words") << "rock bands & R&B" << 1
                           << search + QLatin1String("rock%20bands%20%26%20R%26B");
    QTest::newRow("one word") << "weather" << 1 << search + QLatin1String("weather");
    QTest::newRow("words with a dot")
        << "what is 2.5 kg" << 1 << search + QLatin1String("what%20is%202.5%20kg");
    QTest::newRow("question") << "why? #1" << 1 << search + QLatin1String("why%3F%20%231");
}

void TestPageAddress::resolve()
{
    QFETCH(QString, typed);
    QFETCH(int, kind);
    QFETCH(QString, url);
    const PageAddress a = PageAddress::resolve(typed);
    QCOMPARE(static_cast<int>(a.kind), kind);
    if (kind != 0)
        QCOMPARE(a.url.toString(QUrl::FullyEncoded), url);
}

QTEST_GUILESS_MAIN(TestPageAddress)
#include "test_page_address.moc"
