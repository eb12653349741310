#include "platform/ProgramFolder.h"
#include "platform/ShippedData.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace vireo;

namespace {

void writeFile(const QString& path, const QByteArray& content)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(content);
}

QByteArray readFile(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

class TestProgramFolder : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void pathTurnsBackslashNames_data();
    void pathTurnsBackslashNames();
    void pathInsideRefusesEscapes_data();
    void pathInsideRefusesEscapes();
    void homeVariableWins();
    void buildTreeIsItsOwnFolder();
    void installedCopySeedsOnlyMissingFiles();
    void installedBinaryUsesTheSeededPerUserFolder();
};

void TestProgramFolder::pathTurnsBackslashNames_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("expected");
    QTest::newRow("backslash") << QStringLiteral("\\items.txt") << QStringLiteral("/p/items.txt");
    QTest::newRow("nested") << QStringLiteral("\\help\\math.vhe")
                            << QStringLiteral("/p/help/math.vhe");
    QTest::newRow("no slash") << QStringLiteral("what.html") << QStringLiteral("/p/what.html");
}

void TestProgramFolder::pathTurnsBackslashNames()
{
    QFETCH(QString, name);
    QFETCH(QString, expected);
    QCOMPARE(ProgramFolder(QStringLiteral("/p")).path(name), expected);
}

void TestProgramFolder::pathInsideRefusesEscapes_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("inside");
    QTest::newRow("plain") << QStringLiteral("math.vhe") << true;
    QTest::newRow("sub folder") << QStringLiteral("\\topics\\a.vhe") << true;
    QTest::newRow("dot dot") << QStringLiteral("..\\..\\etc\\passwd") << false;
    QTest::newRow("dot dot after folder") << QStringLiteral("a\\..\\..\\x") << false;
    QTest::newRow("harmless dot dot") << QStringLiteral("a\\..\\b.txt") << true;
    QTest::newRow("drive") << QStringLiteral("C:\\windows\\x.txt") << false;
    QTest::newRow("empty") << QString() << false;
}

void TestProgramFolder::pathInsideRefusesEscapes()
{
    QFETCH(QString, name);
    QFETCH(bool, inside);
    const auto path = ProgramFolder(QStringLiteral("/p")).pathInside(name);
    QCOMPARE(path.has_value(), inside);
    if (path)
        QVERIFY(path->startsWith(QStringLiteral("/p/")));
}

void TestProgramFolder::homeVariableWins()
{
    QTemporaryDir dir;
    const QString home = dir.filePath(QStringLiteral("home"));
    qputenv("VIREO_HOME", home.toLocal8Bit());
    const ProgramFolder folder = ProgramFolder::locate(dir.path());
    qunsetenv("VIREO_HOME");
    QCOMPARE(folder.root(), home);
    QVERIFY(QDir(home).exists());
}

void TestProgramFolder::buildTreeIsItsOwnFolder()
{
    QTemporaryDir dir;
    writeFile(dir.filePath(QLatin1String(ProgramFolder::markerName)), "x");
    QCOMPARE(ProgramFolder::locate(dir.path()).root(), QDir(dir.path()).absolutePath());
}

void TestProgramFolder::installedCopySeedsOnlyMissingFiles()
{
    QTemporaryDir shipped, user;
    writeFile(shipped.filePath(QLatin1String(ProgramFolder::markerName)), "x");
    writeFile(shipped.filePath(QStringLiteral("help.html")), "new help");
    writeFile(shipped.filePath(QStringLiteral("sub/a.txt")), "a");
    writeFile(user.filePath(QStringLiteral("help.html")), "the user's own");
    ProgramFolder::seed(shipped.path(), user.path());
    QCOMPARE(readFile(user.filePath(QStringLiteral("help.html"))), QByteArray("the user's own"));
    QCOMPARE(readFile(user.filePath(QStringLiteral("sub/a.txt"))), QByteArray("a"));
}

// An installed binary (prefix/bin) finds its data in prefix/share/vireo, which it cannot write:
// it runs on the per-user folder, seeded from there and marked with the installed version.
void TestProgramFolder::installedBinaryUsesTheSeededPerUserFolder()
{
    QTemporaryDir prefix;
    const QString perUser = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
                            QStringLiteral("/vireo");
    QDir(perUser).removeRecursively();
    QVERIFY(QDir().mkpath(prefix.filePath(QStringLiteral("bin"))));
    writeFile(prefix.filePath(QStringLiteral("share/vireo/vireo-data.txt")), "x");
    writeFile(prefix.filePath(QStringLiteral("share/vireo/homework/maths.vht")), "topics");

    const ProgramFolder folder = ProgramFolder::locate(prefix.filePath(QStringLiteral("bin")));

    QCOMPARE(folder.root(), perUser);
    QCOMPARE(readFile(folder.path(QStringLiteral("\\homework\\maths.vht"))), QByteArray("topics"));
    QCOMPARE(readFile(folder.path(QStringLiteral("\\vireo-version.txt"))).trimmed(),
             ShippedData::installedVersion().toString().toLatin1());
    QDir(perUser).removeRecursively();
}

QTEST_GUILESS_MAIN(TestProgramFolder)
#include "test_program_folder.moc"
