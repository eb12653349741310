#include "platform/ShippedData.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace vireo;

namespace {

using Files = QMap<QString, QByteArray>;

void writeFiles(const QString& root, const Files& files)
{
    for (auto it = files.cbegin(); it != files.cend(); ++it) {
        const QString path = root + QLatin1Char('/') + it.key();
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(it.value());
    }
}

// Every file under root but the version record, by relative path.
Files readFiles(const QString& root)
{
    Files files;
    QDirIterator it(root, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const QString relative = QDir(root).relativeFilePath(path);
        if (relative == QLatin1String(ShippedData::versionFileName))
            continue;
        QFile f(path);
        if (f.open(QIODevice::ReadOnly))
            files.insert(relative, f.readAll());
    }
    return files;
}

void recordVersion(const QString& root, const QString& version)
{
    if (!version.isEmpty())
        writeFiles(root, {{QLatin1String(ShippedData::versionFileName), version.toLatin1()}});
}

QString s(const char* text)
{
    return QString::fromLatin1(text);
}

} // namespace

class TestShippedData : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void userWrittenNames_data();
    void userWrittenNames();
    void update_data();
    void update();
    void failedCopyKeepsTheOldRecord();
};

void TestShippedData::userWrittenNames_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("written");
    QTest::newRow("URL history") << s("items.txt") << true;
    QTest::newRow("browsing log") << s("log.txt") << true;
    QTest::newRow("favourites") << s("bookmarks.vro") << true;
    QTest::newRow("carried-over playlist") << s("blank.vr3") << true;
    QTest::newRow("any playlist") << s("party mix.vr3") << true;
    QTest::newRow("phone book index") << s("contacts.vpm") << true;
    QTest::newRow("contact") << s("Amy.vpe") << true;
    QTest::newRow("journal entry") << s("December 11, 2026.vjf") << true;
    QTest::newRow("case does not matter") << s("BookMarks.VRO") << true;
    QTest::newRow("in a subfolder") << s("homework/items.txt") << true;
    QTest::newRow("link list") << s("bands.vro") << false;
    QTest::newRow("homework subjects") << s("help.vhe") << false;
    QTest::newRow("homework topic") << s("homework/maths.vht") << false;
    QTest::newRow("page") << s("start.html") << false;
    QTest::newRow("bitmap") << s("back.bmp") << false;
    QTest::newRow("a longer name") << s("items.txt.old") << false;
}

void TestShippedData::userWrittenNames()
{
    QFETCH(QString, name);
    QFETCH(bool, written);
    QCOMPARE(ShippedData::isUserWritten(name), written);
}

void TestShippedData::update_data()
{
    QTest::addColumn<Files>("shipped");
    QTest::addColumn<Files>("user");
    QTest::addColumn<QString>("recorded");
    QTest::addColumn<QString>("installed");
    QTest::addColumn<Files>("expected");
    QTest::addColumn<QString>("expectedRecord");
    QTest::addColumn<int>("copied");
    QTest::addColumn<int>("refreshed");

    const Files readOnlyOld{{s("start.html"), "old page"},
                            {s("bands.vro"), "old list"},
                            {s("homework/maths.vhs"), "old sites"},
                            {s("back.bmp"), "old bitmap"}};
    const Files readOnlyNew{{s("start.html"), "new page"},
                            {s("bands.vro"), "new list"},
                            {s("homework/maths.vhs"), "new sites"},
                            {s("back.bmp"), "new bitmap"}};
    // A package that ships a default for each file the user's use writes, and the user's own.
    Files shippedDefaults, usersOwn;
    for (const char* name : {"items.txt", "log.txt", "bookmarks.vro", "blank.vr3", "contacts.vpm",
                             "Amy.vpe", "December 11, 2026.vjf"}) {
        shippedDefaults.insert(s(name), "shipped default");
        usersOwn.insert(s(name), "the user's own");
    }

    QTest::newRow("first start copies everything")
        << readOnlyNew << Files{} << QString() << s("1.1.0") << readOnlyNew << s("1.1.0") << 4 << 0;
    QTest::newRow("same version keeps edited copies")
        << readOnlyNew << readOnlyOld << s("1.1.0") << s("1.1.0") << readOnlyOld << s("1.1.0") << 0
        << 0;
    QTest::newRow("newer version refreshes pages, lists, homework and bitmaps")
        << readOnlyNew << readOnlyOld << s("1.0.0") << s("1.1.0") << readOnlyNew << s("1.1.0") << 0
        << 4;
    QTest::newRow("a folder with no record counts as older")
        << readOnlyNew << readOnlyOld << QString() << s("1.0.0") << readOnlyNew << s("1.0.0") << 0
        << 4;
    QTest::newRow("an older program leaves newer copies")
        << readOnlyOld << readOnlyNew << s("2.0.0") << s("1.1.0") << readOnlyNew << s("2.0.0") << 0
        << 0;
    QTest::newRow("files the user writes are never replaced")
        << shippedDefaults << usersOwn << s("1.0.0") << s("1.1.0") << usersOwn << s("1.1.0") << 0
        << 0;
    QTest::newRow("a missing default of a user-written file is copied")
        << Files{{s("bookmarks.vro"), "defaults"}} << Files{} << s("1.0.0") << s("1.1.0")
        << Files{{s("bookmarks.vro"), "defaults"}} << s("1.1.0") << 1 << 0;
    QTest::newRow("equal copies are not rewritten")
        << readOnlyNew << readOnlyNew << s("1.0.0") << s("1.1.0") << readOnlyNew << s("1.1.0") << 0
        << 0;
    const Files mine{{s("notes.html"), "mine"}, {s("homework/mine.vhs"), "mine"}};
    Files newAndMine = readOnlyNew;
    newAndMine.insert(mine);
    QTest::newRow("the user's other files stay")
        << readOnlyNew << mine << s("1.0.0") << s("1.1.0") << newAndMine << s("1.1.0") << 4 << 0;
}

void TestShippedData::update()
{
    QFETCH(Files, shipped);
    QFETCH(Files, user);
    QFETCH(QString, recorded);
    QFETCH(QString, installed);
    QFETCH(Files, expected);
    QFETCH(QString, expectedRecord);
    QFETCH(int, copied);
    QFETCH(int, refreshed);

    QTemporaryDir from, to;
    writeFiles(from.path(), shipped);
    writeFiles(to.path(), user);
    recordVersion(to.path(), recorded);

    const ShippedData::Result result =
        ShippedData::update(from.path(), to.path(), QVersionNumber::fromString(installed));

    QCOMPARE(readFiles(to.path()), expected);
    QCOMPARE(ShippedData::recordedVersion(to.path()).toString(), expectedRecord);
    QCOMPARE(result.copied, copied);
    QCOMPARE(result.refreshed, refreshed);
    QCOMPARE(result.failed, 0);
}

// A copy that cannot be written (here a folder stands where the page should go) is counted and
// keeps the old record, so that the next start refreshes again; the other files are refreshed.
void TestShippedData::failedCopyKeepsTheOldRecord()
{
    QTemporaryDir from, to;
    writeFiles(from.path(), {{s("start.html"), "new"}, {s("help.html"), "new"}});
    writeFiles(to.path(), {{s("help.html"), "old"}});
    QVERIFY(QDir().mkpath(to.filePath(s("start.html"))));
    recordVersion(to.path(), s("1.0.0"));

    const ShippedData::Result result =
        ShippedData::update(from.path(), to.path(), QVersionNumber(1, 1, 0));

    QCOMPARE(result.failed, 1);
    QCOMPARE(result.refreshed, 1);
    QCOMPARE(readFiles(to.path()), (Files{{s("help.html"), "new"}}));
    QCOMPARE(ShippedData::recordedVersion(to.path()), QVersionNumber(1, 0, 0));
}

QTEST_GUILESS_MAIN(TestShippedData)
#include "test_shipped_data.moc"
