#include "AudioFiles.h"
#include "player/GenreTable.h"
#include "player/clsMP3.h"

#include <QTemporaryDir>
#include <QTest>
#include <fcntl.h>
#include <future>
#include <sys/stat.h>
#include <unistd.h>

using namespace vireo;
using vireo::test::id3v1;

class TestTagReader : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void parse_data();
    void parse();
    void genres_data();
    void genres();
    void files_data();
    void files();
    void taglessAfterTagged();
    void namedPipeIsNoFile();
    void genreTable();
};

namespace {

const QString fourSpaces = QStringLiteral("    ");

QString withNuls(const char* text, int width)
{
    QString s = QString::fromLatin1(text);
    return s + QString(width - s.size(), QChar(0));
}

} // namespace

void TestTagReader::parse_data()
{
    QTest::addColumn<QByteArray>("tag");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("artist");
    QTest::addColumn<QString>("album");
    QTest::addColumn<QString>("year");
    QTest::addColumn<QString>("comment");

    QTest::newRow("space padding is removed")
        << id3v1("Song", "Band", "Record", "1999", "Nice") << "Song"
        << "Band"
        << "Record"
        << "1999"
        << "Nice";
    QTest::newRow("NUL padding is kept")
        << id3v1("Song", "Band", "", "2001", "", 0, "TAG", '\0') << withNuls("Song", 30)
        << withNuls("Band", 30) << withNuls("", 30) << "2001" << withNuls("", 30);
    QTest::newRow("leading spaces are kept") << id3v1("  Song", " Band") << "  Song"
                                             << " Band"
                                             << "" << fourSpaces << "";
    QTest::newRow("year is not trimmed") << id3v1("S", "", "", "99") << "S"
                                         << ""
                                         << ""
                                         << "99  "
                                         << "";
    QTest::newRow("full-width fields")
        << id3v1(QByteArray(30, 'T'), QByteArray(30, 'A'), QByteArray(30, 'L'), "2024",
                 QByteArray(30, 'C'))
        << QString(30, QLatin1Char('T')) << QString(30, QLatin1Char('A'))
        << QString(30, QLatin1Char('L')) << "2024" << QString(30, QLatin1Char('C'));
    QTest::newRow("inner spaces stay, trailing go") << id3v1("Song  two   ") << "Song  two"
                                                    << ""
                                                    << "" << fourSpaces << "";
    QTest::newRow("Windows-1252 bytes")
        << id3v1("Caf\xE9 \x80 \x93q\x94", "Bj\xF6rk") << QStringLiteral("Café € “q”")
        << QStringLiteral("Björk") << "" << fourSpaces << "";
    QTest::newRow("lower-case marker is no tag")
        << id3v1("Song", "Band", "Rec", "1999", "C", 17, "tag") << ""
        << ""
        << "" << fourSpaces << "";
    QTest::newRow("mixed-case marker is no tag")
        << id3v1("Song", "Band", "", "", "", 0, "Tag") << ""
        << ""
        << "" << fourSpaces << "";
    QTest::newRow("127 bytes is no tag") << id3v1("Song", "Band").left(127) << ""
                                         << ""
                                         << "" << fourSpaces << "";
    QTest::newRow("129 bytes is no tag") << id3v1("Song", "Band") + 'x' << ""
                                         << ""
                                         << "" << fourSpaces << "";
}

void TestTagReader::parse()
{
    QFETCH(QByteArray, tag);
    clsMP3 reader;
    // A first tag, so that the row also shows nothing of it survives the second parse.
    reader.parse(id3v1("Old title", "Old artist", "Old album", "1970", "Old comment", 3));
    reader.parse(tag);
    QTEST(reader.Title(), "title");
    QTEST(reader.Artist(), "artist");
    QTEST(reader.Album(), "album");
    QTEST(reader.Year(), "year");
    QTEST(reader.Comment(), "comment");
    if (!tag.startsWith("TAG") || tag.size() != clsMP3::tagSize)
        QCOMPARE(reader.Genre(), QString());
}

void TestTagReader::genres_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("genre");
    QTest::newRow("0") << 0 << "Blues";
    QTest::newRow("17") << 17 << "Rock";
    QTest::newRow("79") << 79 << "Hard Rock";
    QTest::newRow("80") << 80 << "Folk";
    QTest::newRow("136, longest name") << 136 << "Christian Gangsta Rap";
    QTest::newRow("140, as spelt") << 140 << "Comteporary Christian";
    QTest::newRow("147") << 147 << "Synth Pop";
    QTest::newRow("148, past the table") << 148 << "";
    QTest::newRow("200") << 200 << "";
    QTest::newRow("255") << 255 << "";
}

void TestTagReader::genres()
{
    QFETCH(int, number);
    clsMP3 reader;
    reader.parse(id3v1("Song", "Band", "", "", "", static_cast<unsigned char>(number)));
    QTEST(reader.Genre(), "genre");
    QCOMPARE(reader.Title(), QStringLiteral("Song"));
}

void TestTagReader::files_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("genre");
    QTest::newRow("song with tag")
        << vireo::test::frameData() + id3v1("Song", "Band", "", "", "", 17) << "Song"
        << "Rock";
    QTest::newRow("exactly 128 bytes") << id3v1("Only tag", "Band", "", "", "", 80) << "Only tag"
                                       << "Folk";
    QTest::newRow("127 bytes") << id3v1("Short", "Band").mid(1) << ""
                               << "";
    QTest::newRow("127 bytes that begin with the marker") << id3v1("Short", "Band").left(127) << ""
                                                          << "";
    QTest::newRow("empty file") << QByteArray() << ""
                                << "";
    QTest::newRow("tag not at the end") << id3v1("Song", "Band") + vireo::test::frameData() << ""
                                        << "";
}

void TestTagReader::files()
{
    QFETCH(QByteArray, content);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("song.mp3"));
    QVERIFY(vireo::test::writeFile(path, content));
    clsMP3 reader;
    reader.setFilename(path);
    QCOMPARE(reader.filename(), path);
    QTEST(reader.Title(), "title");
    QTEST(reader.Genre(), "genre");
}

void TestTagReader::taglessAfterTagged()
{
    QTemporaryDir dir;
    const QString tagged = dir.filePath(QStringLiteral("a.mp3"));
    const QString tagless = dir.filePath(QStringLiteral("b.mp3"));
    QVERIFY(vireo::test::writeSong(tagged, id3v1("Song", "Band", "Rec", "1999", "Hi", 0)));
    QVERIFY(vireo::test::writeSong(tagless, QByteArray(128, 'x')));
    clsMP3 reader;
    reader.setFilename(tagged);
    QCOMPARE(reader.Artist(), QStringLiteral("Band"));
    QCOMPARE(reader.Genre(), QStringLiteral("Blues"));

    for (const QString& next : {tagless, dir.filePath(QStringLiteral("missing.mp3")), dir.path()}) {
        reader.setFilename(tagged);
        reader.setFilename(next);
        QCOMPARE(reader.filename(), next);
        QCOMPARE(reader.Title(), QString());
        QCOMPARE(reader.Artist(), QString());
        QCOMPARE(reader.Album(), QString());
        QCOMPARE(reader.Comment(), QString());
        QCOMPARE(reader.Genre(), QString());
        QCOMPARE(reader.Year(), fourSpaces);
    }
}

void TestTagReader::namedPipeIsNoFile()
{
    // A pipe that nobody writes to would block the reader (and the player's window) for good.
    QTemporaryDir dir;
    const QByteArray pipe = QFile::encodeName(dir.filePath(QStringLiteral("pipe.mp3")));
    QCOMPARE(mkfifo(pipe.constData(), 0600), 0);
    auto read = std::async(std::launch::async, [&] {
        clsMP3 reader;
        reader.parse(id3v1("Song", "Band"));
        reader.setFilename(QFile::decodeName(pipe));
        return reader.Artist();
    });
    const bool returned = read.wait_for(std::chrono::seconds(2)) == std::future_status::ready;
    if (!returned) {
        // Lets a reader stuck in open() go, so the test can end.
        const int fd = ::open(pipe.constData(), O_WRONLY | O_NONBLOCK);
        if (fd >= 0)
            ::close(fd);
    }
    QVERIFY(returned);
    QCOMPARE(read.get(), QString());
}

void TestTagReader::genreTable()
{
    const QStringList& names = GenreTable::names();
    QCOMPARE(names.size(), 148);
    QVERIFY(!names.contains(QString()));
    for (const QString& name : names)
        QVERIFY2(name.size() <= 21, qPrintable(name));
}

QTEST_GUILESS_MAIN(TestTagReader)
#include "test_tag_reader.moc"
