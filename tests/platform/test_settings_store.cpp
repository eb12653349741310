#include "platform/IniSettingsStore.h"
#include "platform/Logging.h"
#include "support/NamedPipe.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

using namespace vireo;

class TestSettingsStore : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void absentKeyIsEmpty();
    void writeIsOnDiskAtOnce();
    void oneFilePerApplication();
    void valuesKeepTheirText_data();
    void valuesKeepTheirText();
    void corruptFileDoesNotCrash();
    void unreadableFileReadsEmpty();
    void environmentNamesTheFolder();
    void failedWriteIsFalseAndReported();
    void filesAndFolderKeptToTheOwner();
    void openPerUserFolderIsClosed();
    void namedPipeIsNoFile();
    void batchStoresOnceAtTheEnd();
};

namespace {

const QString vro = QStringLiteral("vro");
const QString ovalo = QStringLiteral("Ovalo");
const QString pos = QStringLiteral("pos");

QFileDevice::Permissions others()
{
    return QFileDevice::ReadGroup | QFileDevice::WriteGroup | QFileDevice::ExeGroup |
           QFileDevice::ReadOther | QFileDevice::WriteOther | QFileDevice::ExeOther;
}

QByteArray contentOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

void TestSettingsStore::absentKeyIsEmpty()
{
    QTemporaryDir dir;
    IniSettingsStore store(dir.path());
    QCOMPARE(store.read(QStringLiteral("vro"), QStringLiteral("settings"), QStringLiteral("1")),
             QString());
}

void TestSettingsStore::writeIsOnDiskAtOnce()
{
    QTemporaryDir dir;
    IniSettingsStore store(dir.path());
    QVERIFY(store.write(QStringLiteral("vro"), QStringLiteral("pos"), QStringLiteral("Top"),
                        QStringLiteral("1200")));
    // A second store over the same folder stands for the next run of the program.
    IniSettingsStore nextRun(dir.path());
    QCOMPARE(nextRun.read(QStringLiteral("vro"), QStringLiteral("pos"), QStringLiteral("Top")),
             QStringLiteral("1200"));
    QFile file(dir.filePath(QStringLiteral("vro.ini")));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(file.readAll().contains("Top=1200"));
}

void TestSettingsStore::oneFilePerApplication()
{
    QTemporaryDir dir;
    IniSettingsStore store(dir.path());
    store.write(QStringLiteral("vro"), QStringLiteral("settings"), QStringLiteral("1"),
                QStringLiteral("0"));
    store.write(QStringLiteral("Ovalo"), QStringLiteral("0f"), QStringLiteral("esarin"),
                QStringLiteral("x"));
    QVERIFY(QFile::exists(dir.filePath(QStringLiteral("vro.ini"))));
    QVERIFY(QFile::exists(dir.filePath(QStringLiteral("Ovalo.ini"))));
    QCOMPARE(store.read(QStringLiteral("vro"), QStringLiteral("0f"), QStringLiteral("esarin")),
             QString());
}

void TestSettingsStore::valuesKeepTheirText_data()
{
    QTest::addColumn<QString>("value");
    QTest::newRow("address") << QStringLiteral("https://example.org/a?b=c&d=e");
    QTest::newRow("comma and space") << QStringLiteral("a, b");
    QTest::newRow("leading space") << QStringLiteral(" 12");
    QTest::newRow("at sign") << QStringLiteral("@Variant(x)");
    QTest::newRow("quote") << QStringLiteral("say \"hi\"");
    QTest::newRow("non-ASCII") << QStringLiteral("caf\u00e9 \u2014 ok");
    QTest::newRow("empty") << QString();
}

void TestSettingsStore::valuesKeepTheirText()
{
    QFETCH(QString, value);
    QTemporaryDir dir;
    {
        IniSettingsStore store(dir.path());
        store.write(QStringLiteral("vro"), QStringLiteral("startup"), QStringLiteral("startpage"),
                    value);
    }
    IniSettingsStore nextRun(dir.path());
    QCOMPARE(
        nextRun.read(QStringLiteral("vro"), QStringLiteral("startup"), QStringLiteral("startpage")),
        value);
}

void TestSettingsStore::corruptFileDoesNotCrash()
{
    QTemporaryDir dir;
    QFile file(dir.filePath(QStringLiteral("vro.ini")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    static const char garbage[] = "\x00\xff[[[settings\n=\n1=\x01\x02\n[pos\nTop=abc\n\xc3\x28";
    file.write(garbage, sizeof garbage - 1);
    file.close();
    IniSettingsStore store(dir.path());
    // Whatever survives of such a file, reading never fails and writing still works.
    store.read(QStringLiteral("vro"), QStringLiteral("pos"), QStringLiteral("Top"));
    store.write(QStringLiteral("vro"), QStringLiteral("settings"), QStringLiteral("2"),
                QStringLiteral("1"));
    QCOMPARE(store.read(QStringLiteral("vro"), QStringLiteral("settings"), QStringLiteral("2")),
             QStringLiteral("1"));
}

void TestSettingsStore::unreadableFileReadsEmpty()
{
    QTemporaryDir dir;
    // A folder where the file should be cannot be read even by root.
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("vro.ini")));
    IniSettingsStore store(dir.path());
    QCOMPARE(store.read(QStringLiteral("vro"), QStringLiteral("pos"), QStringLiteral("Top")),
             QString());
    store.write(QStringLiteral("vro"), QStringLiteral("pos"), QStringLiteral("Top"),
                QStringLiteral("1"));
}

void TestSettingsStore::environmentNamesTheFolder()
{
    qputenv("VIREO_SETTINGS", "/tmp/somewhere-else");
    QCOMPARE(IniSettingsStore::defaultFolder(), QStringLiteral("/tmp/somewhere-else"));
    qunsetenv("VIREO_SETTINGS");
    QVERIFY(IniSettingsStore::defaultFolder().endsWith(QStringLiteral("/vireo")));
}

// A folder that cannot be made (a file stands in its place): the write says so, and a developer
// who turns the category on sees the path; nobody else sees anything.
void TestSettingsStore::failedWriteIsFalseAndReported()
{
    QTemporaryDir dir;
    const QString blocked = dir.filePath(QStringLiteral("blocked"));
    QFile file(blocked);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    IniSettingsStore store(blocked);

    if (qEnvironmentVariableIsEmpty("QT_LOGGING_RULES"))
        QVERIFY(!lcFiles().isWarningEnabled());
    QLoggingCategory::setFilterRules(QStringLiteral("vireo.files.warning=true"));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("blocked")));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("blocked.*not stored")));
    QVERIFY(!store.write(QStringLiteral("vro"), QStringLiteral("pos"), QStringLiteral("Top"),
                         QStringLiteral("1200")));
    QLoggingCategory::setFilterRules({});
}

void TestSettingsStore::filesAndFolderKeptToTheOwner()
{
    QTemporaryDir dir;
    const QString folder = dir.filePath(QStringLiteral("settings"));
    IniSettingsStore store(folder);
    QVERIFY(
        store.write(ovalo, QStringLiteral("0f"), QStringLiteral("esarin"), QStringLiteral("h")));
    QVERIFY(store.write(vro, pos, QStringLiteral("Top"), QStringLiteral("1")));
    QCOMPARE(QFile::permissions(folder) & others(), QFileDevice::Permissions());
    QVERIFY(QFile::permissions(folder) & QFileDevice::ExeOwner);
    for (const QString& name : {QStringLiteral("Ovalo.ini"), QStringLiteral("vro.ini")}) {
        const QString path = folder + QLatin1Char('/') + name;
        QCOMPARE(QFile::permissions(path) & others(), QFileDevice::Permissions());
    }

    // A file an older run left readable to all is closed at the next write.
    const QString ini = folder + QStringLiteral("/Ovalo.ini");
    QVERIFY(QFile::setPermissions(ini, QFile::permissions(ini) | QFileDevice::ReadOther));
    IniSettingsStore nextRun(folder);
    QVERIFY(nextRun.write(ovalo, QStringLiteral("0f"), QStringLiteral("CPUFace"), QString()));
    QCOMPARE(QFile::permissions(ini) & others(), QFileDevice::Permissions());
}

void TestSettingsStore::openPerUserFolderIsClosed()
{
    QTemporaryDir home;
    const QByteArray oldConfig = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.path()));
    const QString folder = home.filePath(QStringLiteral("vireo"));
    QVERIFY(QDir(home.path()).mkdir(QStringLiteral("vireo")));
    QVERIFY(QFile::setPermissions(folder, QFile::permissions(folder) | QFileDevice::ReadOther |
                                              QFileDevice::ExeOther));
    {
        IniSettingsStore store(folder);
        QVERIFY(store.write(vro, pos, QStringLiteral("Top"), QStringLiteral("1")));
    }
    QCOMPARE(QFile::permissions(folder) & others(), QFileDevice::Permissions());

    // A folder the user named stays as the user made it.
    const QString named = home.filePath(QStringLiteral("named"));
    QVERIFY(QDir(home.path()).mkdir(QStringLiteral("named")));
    QVERIFY(QFile::setPermissions(named, QFile::permissions(named) | QFileDevice::ReadOther |
                                             QFileDevice::ExeOther));
    IniSettingsStore store(named);
    QVERIFY(store.write(vro, pos, QStringLiteral("Top"), QStringLiteral("1")));
    QVERIFY(QFile::permissions(named) & QFileDevice::ReadOther);
    qputenv("XDG_CONFIG_HOME", oldConfig);
}

void TestSettingsStore::namedPipeIsNoFile()
{
    QTemporaryDir dir;
    const QString pipe = dir.filePath(QStringLiteral("vro.ini"));
    QVERIFY(test::makeNamedPipe(pipe));
    IniSettingsStore store(dir.path());
    QString value = QStringLiteral("(not read)");
    bool written = true;
    QVERIFY(test::returnsPromptly(pipe, [&] {
        value = store.read(vro, pos, QStringLiteral("Top"));
        written = store.write(vro, pos, QStringLiteral("Top"), QStringLiteral("1"));
    }));
    QCOMPARE(value, QString());
    QVERIFY(!written);
    // The other application's file is not affected.
    QVERIFY(store.write(ovalo, QStringLiteral("0f"), QStringLiteral("esarin"), QString()));
}

void TestSettingsStore::batchStoresOnceAtTheEnd()
{
    QTemporaryDir dir;
    const QString ini = dir.filePath(QStringLiteral("vro.ini"));
    IniSettingsStore store(dir.path());
    QVERIFY(store.write(vro, pos, QStringLiteral("Top"), QStringLiteral("1")));
    const QByteArray before = contentOf(ini);
    {
        SettingsBatch batch(store);
        {
            SettingsBatch inner(store);
            QVERIFY(store.write(vro, pos, QStringLiteral("Left"), QStringLiteral("2")));
        }
        QVERIFY(store.write(vro, pos, QStringLiteral("Top"), QStringLiteral("3")));
        QVERIFY(store.write(ovalo, QStringLiteral("0f"), QStringLiteral("esarin"), QString()));
        // Read back from memory; nothing has reached the disk yet.
        QCOMPARE(store.read(vro, pos, QStringLiteral("Top")), QStringLiteral("3"));
        QCOMPARE(contentOf(ini), before);
        QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("Ovalo.ini"))));
    }
    IniSettingsStore nextRun(dir.path());
    QCOMPARE(nextRun.read(vro, pos, QStringLiteral("Top")), QStringLiteral("3"));
    QCOMPARE(nextRun.read(vro, pos, QStringLiteral("Left")), QStringLiteral("2"));
    QVERIFY(QFile::exists(dir.filePath(QStringLiteral("Ovalo.ini"))));
}

QTEST_GUILESS_MAIN(TestSettingsStore)
#include "test_settings_store.moc"
