#include "player/PlaylistFile.h"
#include "support/NamedPipe.h"
#include "support/TextLists.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace vireo;
using vireo::test::sl;

class TestPlaylistFile : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void saveTwoEntries();
    void roundTrip();
    void parse_data();
    void parse();
    void missingFile();
    void failedSave();
};

namespace {

Playlist twoSongs()
{
    Playlist list;
    list.append(QStringLiteral("Band - Song"), QStringLiteral("/music/song.mp3"));
    list.append(QStringLiteral("/music/other, with comma.wav"),
                QStringLiteral("/music/other, with comma.wav"));
    return list;
}

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

} // namespace

void TestPlaylistFile::saveTwoEntries()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("list.vr3"));
    QVERIFY(PlaylistFile::save(path, twoSongs()));
    QCOMPARE(readAll(path), QByteArray("\"Band - Song\"\r\n"
                                       "\"/music/song.mp3\"\r\n"
                                       "\"/music/other, with comma.wav\"\r\n"
                                       "\"/music/other, with comma.wav\"\r\n"));

    QVERIFY(PlaylistFile::save(path, Playlist()));
    QCOMPARE(readAll(path), QByteArray());
}

void TestPlaylistFile::roundTrip()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("list.vr3"));
    Playlist list = twoSongs();
    list.append(QStringLiteral("Say \"hi\" - Caf\u00e9"), QStringLiteral("/m/a.mp3"));
    list.append(QStringLiteral("Band - Song"), QStringLiteral("/music/song.mp3"));
    QVERIFY(PlaylistFile::save(path, list));
    QCOMPARE(PlaylistFile::load(path), list);
}

void TestPlaylistFile::parse_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QStringList>("paths");
    QTest::addColumn<bool>("whole"); // saving the list back loses nothing of the file
    QTest::newRow("empty file") << QByteArray() << QStringList() << QStringList() << true;
    QTest::newRow("quoted pair on one line") << QByteArray("\"Band - Song\",\"/m/s.mp3\"\r\n")
                                             << sl({"Band - Song"}) << sl({"/m/s.mp3"}) << true;
    QTest::newRow("empty name skipped, later pairs load")
        << QByteArray("\"\"\r\n\"/m/a.mp3\"\r\n\"B\"\r\n\"/m/b.mp3\"\r\n") << sl({"B"})
        << sl({"/m/b.mp3"}) << false;
    QTest::newRow("odd last field dropped") << QByteArray("\"A\"\r\n\"/m/a.mp3\"\r\n\"B\"\r\n")
                                            << sl({"A"}) << sl({"/m/a.mp3"}) << false;
    QTest::newRow("no line end after the last field")
        << QByteArray("\"A\"\r\n\"/m/a.mp3\"") << sl({"A"}) << sl({"/m/a.mp3"}) << true;
    QTest::newRow("unquoted fields and LF line ends")
        << QByteArray("A - B\n/m/a b.mp3\n") << sl({"A - B"}) << sl({"/m/a b.mp3"}) << true;
    QTest::newRow("trailing blank line")
        << QByteArray("\"A\"\r\n\"/m/a.mp3\"\r\n\r\n") << sl({"A"}) << sl({"/m/a.mp3"}) << true;
    QTest::newRow("Windows paths and 1252 bytes")
        << QByteArray("\"Bj\xF6rk - J\xF3ga\"\r\n\"C:\\Music\\j.mp3\"\r\n")
        << QStringList{QStringLiteral("Björk - Jóga")} << sl({"C:\\Music\\j.mp3"}) << true;
    QTest::newRow("nothing but quotes")
        << QByteArray(100000, '"') << QStringList() << QStringList() << false;
    QTest::newRow("one long line")
        << QByteArray(100000, 'x') << QStringList() << QStringList() << false;
    QTest::newRow("text after a closing quote")
        << QByteArray("\"A\" x\r\n\"/m/a.mp3\"\r\n") << sl({"A"}) << sl({"/m/a.mp3"}) << false;
}

void TestPlaylistFile::parse()
{
    QFETCH(QByteArray, bytes);
    const Playlist list = PlaylistFile::parse(bytes);
    QTEST(list.names(), "names");
    QTEST(list.paths(), "paths");
    bool whole = false;
    PlaylistFile::parse(bytes, &whole);
    QTEST(whole, "whole");
}

void TestPlaylistFile::missingFile()
{
    QTemporaryDir dir;
    bool whole = false;
    QVERIFY(PlaylistFile::load(dir.filePath(QStringLiteral("none.vr3")), &whole).isEmpty());
    QVERIFY(whole); // nothing there to lose
    QVERIFY(PlaylistFile::load(dir.path(), &whole).isEmpty());
    QVERIFY(!whole);

    // A named pipe (the carry-over file, or one chosen with "Load List") reads like no file
    // instead of waiting for a writer for good.
    const QString pipe = dir.filePath(QStringLiteral("blank.vr3"));
    QVERIFY(test::makeNamedPipe(pipe));
    Playlist loaded = twoSongs();
    QVERIFY(test::returnsPromptly(pipe, [&] { loaded = PlaylistFile::load(pipe, &whole); }));
    QVERIFY(loaded.isEmpty());
    QVERIFY(!whole);
}

void TestPlaylistFile::failedSave()
{
    QTemporaryDir dir;
    const QString blocker = dir.filePath(QStringLiteral("file"));
    QVERIFY(PlaylistFile::save(blocker, twoSongs()));
    // A path under a plain file cannot be created.
    QVERIFY(!PlaylistFile::save(blocker + QStringLiteral("/list.vr3"), twoSongs()));
    QCOMPARE(PlaylistFile::load(blocker), twoSongs());
}

QTEST_GUILESS_MAIN(TestPlaylistFile)
#include "test_playlist_file.moc"
