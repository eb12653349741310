#include "BadFiles.h"
#include "browser/Favorites.h"

#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <unistd.h>

using namespace vireo;

namespace {

struct Fixture {
    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("bookmarks.vro"));
    Favorites favorites{path};

    QByteArray file() const
    {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    QStringList titles() const
    {
        QStringList out;
        for (const Link& entry : favorites.entries())
            out.append(entry.name);
        return out;
    }
};

QByteArray manyFavorites(int count)
{
    QByteArray bytes;
    for (int i = 0; i < count; ++i)
        bytes += "\"Page " + QByteArray::number(i) + "\"\r\n\"https://p" + QByteArray::number(i) +
                 ".example/\"\r\n";
    return bytes;
}

} // namespace

class TestFavorites : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void addWritesTwoLinesAFavorite();
    void addingTwiceGivesTwoEntries();
    void untitledEntryIsDroppedOnTheReadBack();
    void titlesSurviveAWriteAndARead_data();
    void titlesSurviveAWriteAndARead();
    void titleEditedToEmptyRemovesTheEntry();
    void deletingRowsThreeThenTwo();
    void readingReplacesTheList();
    void aFullListTakesNoMore();
    void aLongerFileKeepsTheFirstEntries();
    void aFailedWriteKeepsTheOldFile();
    void badFilesGiveAnEmptyList_data();
    void badFilesGiveAnEmptyList();
};

void TestFavorites::addWritesTwoLinesAFavorite()
{
    Fixture f;
    f.favorites.addbooks(f.path);
    QVERIFY(f.favorites.isRead());
    QSignalSpy changed(&f.favorites, &Favorites::changed);
    QVERIFY(f.favorites.add(u"News"_qs, u"https://news.example/"_qs));
    QCOMPARE(f.file(), QByteArray("\"News\"\r\n\"https://news.example/\"\r\n"));
    QVERIFY(changed.count() >= 1);
}

void TestFavorites::addingTwiceGivesTwoEntries()
{
    Fixture f;
    f.favorites.addbooks(f.path);
    f.favorites.add(u"News"_qs, u"https://news.example/"_qs);
    f.favorites.add(u"News"_qs, u"https://news.example/"_qs);
    QCOMPARE(f.favorites.size(), 2);
    QCOMPARE(f.favorites.entries()[0], f.favorites.entries()[1]);
    QCOMPARE(f.file(), QByteArray("\"News\"\r\n\"https://news.example/\"\r\n"
                                  "\"News\"\r\n\"https://news.example/\"\r\n"));
}

void TestFavorites::untitledEntryIsDroppedOnTheReadBack()
{
    Fixture f;
    f.favorites.addbooks(f.path);
    f.favorites.add(u"A"_qs, u"https://a.example/"_qs);
    f.favorites.add(QString(), u"https://untitled.example/"_qs);
    f.favorites.add(u"B"_qs, u"https://b.example/"_qs);
    QCOMPARE(f.titles(), (QStringList{u"A"_qs, u"B"_qs}));
    QCOMPARE(f.file(), QByteArray("\"A\"\r\n\"https://a.example/\"\r\n"
                                  "\"B\"\r\n\"https://b.example/\"\r\n"));
}

void TestFavorites::titlesSurviveAWriteAndARead_data()
{
    QTest::addColumn<QString>("title");
    QTest::newRow("comma") << u"Rock, Paper, Scissors"_qs;
    QTest::newRow("double quote") << u"The \"best\" page"_qs;
    QTest::newRow("ampersand") << u"R&B"_qs;
    QTest::newRow("not ASCII") << u"Caf\u00e9 \u2013 \u65e5\u672c"_qs;
}

void TestFavorites::titlesSurviveAWriteAndARead()
{
    QFETCH(QString, title);
    Fixture f;
    f.favorites.addbooks(f.path);
    f.favorites.add(title, u"https://a.example/?q=1,2"_qs);
    Favorites again(f.path);
    again.addbooks(f.path);
    QCOMPARE(again.size(), 1);
    QCOMPARE(again.entries()[0].name, title);
    QCOMPARE(again.entries()[0].target, u"https://a.example/?q=1,2"_qs);
}

void TestFavorites::titleEditedToEmptyRemovesTheEntry()
{
    Fixture f;
    QVERIFY(test::writeBytes(f.path, manyFavorites(3)));
    f.favorites.addbooks(f.path);
    f.favorites.rename(0, QString());
    f.favorites.rename(2, u"Renamed"_qs);
    // In memory until written.
    QCOMPARE(f.file(), manyFavorites(3));
    QVERIFY(f.favorites.savebook());
    QCOMPARE(f.titles(), (QStringList{u"Page 1"_qs, u"Renamed"_qs}));
}

void TestFavorites::deletingRowsThreeThenTwo()
{
    Fixture f;
    QVERIFY(test::writeBytes(f.path, manyFavorites(5)));
    f.favorites.addbooks(f.path);
    // Rows count from 1: row 3 is entry 2, then row 2 is entry 1.
    f.favorites.remove(2);
    f.favorites.remove(1);
    QVERIFY(f.favorites.savebook());
    QCOMPARE(f.titles(), (QStringList{u"Page 0"_qs, u"Page 3"_qs, u"Page 4"_qs}));
    QCOMPARE(f.favorites.entries()[1].target, u"https://p3.example/"_qs);
}

void TestFavorites::readingReplacesTheList()
{
    Fixture f;
    QVERIFY(test::writeBytes(f.path, manyFavorites(2)));
    f.favorites.addbooks(f.path);
    QCOMPARE(f.favorites.size(), 2);
    f.favorites.addbooks(f.dir.filePath(QStringLiteral("none.vro")));
    QCOMPARE(f.favorites.size(), 0);
}

void TestFavorites::aFullListTakesNoMore()
{
    Fixture f;
    const QByteArray full = manyFavorites(int(Favorites::capacity));
    QVERIFY(test::writeBytes(f.path, full));
    f.favorites.addbooks(f.path);
    QCOMPARE(f.favorites.size(), Favorites::capacity);
    QVERIFY(!f.favorites.add(u"One more"_qs, u"https://more.example/"_qs));
    QCOMPARE(f.favorites.size(), Favorites::capacity);
    QCOMPARE(f.file(), full);
    // Room again after a deletion.
    f.favorites.remove(5);
    QVERIFY(f.favorites.add(u"One more"_qs, u"https://more.example/"_qs));
    QCOMPARE(f.favorites.entries().last().name, u"One more"_qs);
}

void TestFavorites::aLongerFileKeepsTheFirstEntries()
{
    Fixture f;
    QVERIFY(test::writeBytes(f.path, manyFavorites(int(Favorites::capacity) + 2)));
    f.favorites.addbooks(f.path);
    QCOMPARE(f.favorites.size(), Favorites::capacity);
    QCOMPARE(f.favorites.entries().last().name,
             QStringLiteral("Page %1").arg(Favorites::capacity - 1));
}

void TestFavorites::aFailedWriteKeepsTheOldFile()
{
    if (::geteuid() == 0)
        QSKIP("the superuser writes into a read-only folder");
    Fixture f;
    QVERIFY(test::writeBytes(f.path, manyFavorites(1)));
    f.favorites.addbooks(f.path);
    QFile::setPermissions(f.dir.path(), QFile::ReadOwner | QFile::ExeOwner);
    const bool added = f.favorites.add(u"Lost"_qs, u"https://lost.example/"_qs);
    QFile::setPermissions(f.dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QVERIFY(added);
    QCOMPARE(f.file(), manyFavorites(1));
    // The list is what the file holds: the addition is gone, nothing else.
    QCOMPARE(f.titles(), QStringList{u"Page 0"_qs});
}

void TestFavorites::badFilesGiveAnEmptyList_data()
{
    QTest::addColumn<int>("index");
    const auto bad = test::badFiles();
    for (int i = 0; i < bad.size(); ++i)
        QTest::newRow(bad[i].what) << i;
}

void TestFavorites::badFilesGiveAnEmptyList()
{
    QFETCH(int, index);
    Fixture f;
    QVERIFY(test::badFiles()[index].make(f.path));
    qsizetype size = -1;
    QVERIFY(test::finishesSoon([&] {
        Favorites favorites(f.path);
        favorites.addbooks(f.path);
        size = favorites.size();
    }));
    QCOMPARE(size, 0);
}

QTEST_GUILESS_MAIN(TestFavorites)
#include "test_favorites.moc"
