#include "BadFiles.h"
#include "browser/LinkList.h"

#include <QTemporaryDir>
#include <QTest>

using namespace vireo;

Q_DECLARE_METATYPE(QList<vireo::Link>)

namespace {

Link pair(const char* name, const char* target)
{
    return {QString::fromUtf8(name), QString::fromUtf8(target)};
}

} // namespace

class TestLinkList : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void parse_data();
    void parse();
    void readsAFile();
    void badFilesGiveNoLinks_data();
    void badFilesGiveNoLinks();
};

void TestLinkList::parse_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QList<Link>>("links");
    QTest::newRow("one a line") << QByteArray("\"A\",\"https://a/\"\r\n\"B\",\"https://b/\"\r\n")
                                << QList<Link>{pair("A", "https://a/"), pair("B", "https://b/")};
    QTest::newRow("one field a line reads the same")
        << QByteArray("\"A\"\r\n\"https://a/\"\r\n\"B\"\r\n\"https://b/\"\r\n")
        << QList<Link>{pair("A", "https://a/"), pair("B", "https://b/")};
    QTest::newRow("empty name skips its address")
        << QByteArray("\"\",\"https://gone/\"\r\n\"B\",\"https://b/\"\r\n")
        << QList<Link>{pair("B", "https://b/")};
    QTest::newRow("quoted name keeps its comma") << QByteArray("\"Rock, Paper\",\"https://r/\"\r\n")
                                                 << QList<Link>{pair("Rock, Paper", "https://r/")};
    QTest::newRow("unquoted name splits at its comma")
        << QByteArray("Rock, Paper,https://r/\r\n") << QList<Link>{pair("Rock", "Paper")};
    QTest::newRow("last name without an address is dropped")
        << QByteArray("\"A\",\"https://a/\"\r\n\"Lonely\"\r\n")
        << QList<Link>{pair("A", "https://a/")};
    QTest::newRow("no final line end")
        << QByteArray("\"A\",\"https://a/\"") << QList<Link>{pair("A", "https://a/")};
    QTest::newRow("address kept as written") << QByteArray("\"A\",\"not an address \xc3\xa9\"\r\n")
                                             << QList<Link>{pair("A", "not an address \xc3\xa9")};
    QTest::newRow("empty") << QByteArray() << QList<Link>{};
}

void TestLinkList::parse()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QList<Link>, links);
    const QList<Link> read = LinkList::parse(bytes);
    QCOMPARE(read.size(), links.size());
    for (qsizetype i = 0; i < read.size(); ++i) {
        QCOMPARE(read[i].name, links[i].name);
        QCOMPARE(read[i].target, links[i].target);
    }
}

void TestLinkList::readsAFile()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("bands.vro"));
    QVERIFY(test::writeBytes(path, "\"A\",\"https://a/\"\r\n"));
    QCOMPARE(LinkList::read(path), QList<Link>{pair("A", "https://a/")});
    QVERIFY(LinkList::read(dir.filePath(QStringLiteral("none.vro"))).isEmpty());
}

void TestLinkList::badFilesGiveNoLinks_data()
{
    QTest::addColumn<int>("index");
    const auto bad = test::badFiles();
    for (int i = 0; i < bad.size(); ++i)
        QTest::newRow(bad[i].what) << i;
}

void TestLinkList::badFilesGiveNoLinks()
{
    QFETCH(int, index);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("bands.vro"));
    QVERIFY(test::badFiles()[index].make(path));
    QList<Link> read{pair("x", "y")};
    QVERIFY(test::finishesSoon([&] { read = LinkList::read(path); }));
    QVERIFY(read.isEmpty());
}

QTEST_GUILESS_MAIN(TestLinkList)
#include "test_link_list.moc"
