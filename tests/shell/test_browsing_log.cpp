#include "shell/BrowsingLog.h"
#include "shell/ListFile.h"
#include "support/MasterFixture.h"

#include <QComboBox>
#include <QTest>

using namespace vireo;
using namespace vireo::test;

namespace {

QString u(const char* text)
{
    return QString::fromUtf8(text);
}

QByteArray fullRewrite(const QStringList& list)
{
    return ListFile::bytes(0, list.size(), [&list](qsizetype i) { return list.at(i); });
}

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void putFile(const QString& path, const QByteArray& bytes, QIODevice::OpenMode mode)
{
    QFile file(path);
    if (file.open(mode))
        file.write(bytes);
}

const char* writeName(BrowsingLog::Write w)
{
    switch (w) {
    case BrowsingLog::Write::None:
        return "none";
    case BrowsingLog::Write::Unchanged:
        return "unchanged";
    case BrowsingLog::Write::Appended:
        return "appended";
    case BrowsingLog::Write::Rewritten:
        return "rewritten";
    case BrowsingLog::Write::Failed:
        return "failed";
    }
    return "?";
}

} // namespace

class TestBrowsingLog : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void fileEqualsAFullRewrite_data();
    void fileEqualsAFullRewrite();

    void statusWritesAppendToTheLoadedLog();
    void closeWritesTheLogWhateverTheSetting();
    void exitWritesLogAndSecondsOnly();
};

// Steps: "+x" the list gains x; "w" a write, whose kind must follow after a colon; "edit" the
// file gains a line from outside; "same" the file is overwritten from outside with other
// bytes of the same length; "rm" the file is removed; "set" entry 0 changes; "pop" the last
// entry goes. After each write the file must be what a full rewrite of the list gives.
void TestBrowsingLog::fileEqualsAFullRewrite_data()
{
    QTest::addColumn<QByteArray>("initial"); // "-" for no file
    QTest::addColumn<QStringList>("steps");
    auto steps = [](const char* s) { return QString::fromUtf8(s).split(QLatin1Char(' ')); };

    QTest::newRow("no file: rewrite, then appends")
        << QByteArray("-")
        << steps("+a w:rewritten +b +c w:appended w:unchanged +d w:appended +a w:appended");
    QTest::newRow("entries with commas and quotes")
        << QByteArray("-")
        << steps("+a,b w:rewritten +say\"hi\" +\"\" w:rewritten +c w:appended +d\" w:rewritten");
    QTest::newRow("file that is what a write gives is appended to")
        << QByteArray("\"x\"\r\n\"y\"\r\n") << steps("+z w:appended");
    QTest::newRow("old encoding is rewritten once")
        << QByteArray("\"caf\xE9\"\r\n") << steps("+z w:rewritten +q w:appended");
    QTest::newRow("empty fields in the file are rewritten away")
        << QByteArray("\"x\"\r\n\r\n\"\"\r\n\"y\"\r\n") << steps("w:rewritten +z w:appended");
    QTest::newRow("unquoted file is rewritten")
        << QByteArray("x\r\ny\r\n") << steps("+z w:rewritten");
    QTest::newRow("no final line end is rewritten")
        << QByteArray("\"x\"\r\n\"y\"") << steps("+z w:rewritten");
    QTest::newRow("outside line added")
        << QByteArray("-") << steps("+a w:rewritten edit +b w:rewritten +c w:appended");
    QTest::newRow("outside rewrite of the same length")
        << QByteArray("-") << steps("+abc w:rewritten same +d w:rewritten");
    QTest::newRow("file removed") << QByteArray("-")
                                  << steps("+a w:rewritten rm w:rewritten +b w:appended");
    QTest::newRow("entry changed in the list")
        << QByteArray("-") << steps("+a +b w:rewritten set +c w:rewritten +d w:appended");
    QTest::newRow("list shrank") << QByteArray("-") << steps("+a +b w:rewritten pop w:rewritten");
}

void TestBrowsingLog::fileEqualsAFullRewrite()
{
    QFETCH(QByteArray, initial);
    QFETCH(QStringList, steps);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("log.txt"));
    if (initial != "-")
        putFile(path, initial, QIODevice::WriteOnly);

    BrowsingLog log(path);
    QStringList list = log.read();
    log.loaded(list.size());
    const auto entryAt = [&list](qsizetype i) { return list.at(i); };

    for (const QString& step : steps) {
        if (step.startsWith(QLatin1Char('+'))) {
            list.append(step.mid(1));
        } else if (step.startsWith(QLatin1String("w:"))) {
            QVERIFY(log.write(list.size(), entryAt));
            QCOMPARE(QString::fromLatin1(writeName(log.lastWrite())), step.mid(2));
            QCOMPARE(readAll(path), fullRewrite(list));
        } else if (step == QLatin1String("edit")) {
            putFile(path, "\"outside\"\r\n", QIODevice::Append);
        } else if (step == QLatin1String("same")) {
            QByteArray other = readAll(path);
            other.replace('a', 'Z');
            putFile(path, other, QIODevice::ReadWrite);
        } else if (step == QLatin1String("rm")) {
            QVERIFY(QFile::remove(path));
        } else if (step == QLatin1String("set")) {
            list[0] = u("changed");
            log.changedFrom(0);
        } else if (step == QLatin1String("pop")) {
            list.removeLast();
            log.changedFrom(list.size());
        } else {
            QFAIL(qPrintable(step));
        }
    }
}

void TestBrowsingLog::statusWritesAppendToTheLoadedLog()
{
    MasterFixture f;
    QStringList visited;
    for (int i = 0; i < 50; ++i) {
        visited.append(QStringLiteral("http://site%1.example/").arg(i));
    }
    f.put("\\log.txt", fullRewrite(visited));
    f.m.ggetitems();
    QCOMPARE(f.m.controlsForTest().Combo9->count(), 50);
    // A title change adds the address; a status change writes the log.
    for (const char* address : {"http://a.example/", "http://a.example/", "http://b.example/"}) {
        f.m.controlsForTest().Combo9->addItem(QString::fromUtf8(address));
        visited.append(QString::fromUtf8(address));
        f.m.aadditems();
        QCOMPARE(f.m.browsingLog().lastWrite(), BrowsingLog::Write::Appended);
        QCOMPARE(f.contents("\\log.txt"), fullRewrite(visited));
    }
    // Something else than a title change altered the list: the whole file is written again.
    f.m.controlsForTest().Combo9->setItemText(0, QStringLiteral("http://edited.example/"));
    visited[0] = QStringLiteral("http://edited.example/");
    f.m.aadditems();
    QCOMPARE(f.m.browsingLog().lastWrite(), BrowsingLog::Write::Rewritten);
    QCOMPARE(f.contents("\\log.txt"), fullRewrite(visited));
}

void TestBrowsingLog::closeWritesTheLogWhateverTheSetting()
{
    MasterFixture f;
    f.settings.write(u("vro"), u("settings"), u("2"), u("0"));
    f.m.show();
    f.m.controlsForTest().Combo9->addItem(u("http://visited.example/"));
    f.m.controlsForTest().Combo1->addItem(u("typed.example"));
    QVERIFY(f.m.close());
    QVERIFY(f.app.hasEnded());
    QCOMPARE(f.contents("\\log.txt"), QByteArray("\"http://visited.example/\"\r\n"));
    QCOMPARE(f.contents("\\items.txt"), QByteArray("\"typed.example\"\r\n"));
}

void TestBrowsingLog::exitWritesLogAndSecondsOnly()
{
    MasterFixture f;
    f.m.show();
    f.app.secondsused = u("125");
    f.m.controlsForTest().Combo9->addItem(u("http://visited.example/"));
    f.m.controlsForTest().Combo1->addItem(u("typed.example"));
    f.m.mnu_exit_Click();
    QVERIFY(f.app.hasEnded());
    QCOMPARE(f.contents("\\log.txt"), QByteArray("\"http://visited.example/\"\r\n"));
    QCOMPARE(f.settings.read(u("vro"), u("settings"), u("ole")), u("125"));
    QVERIFY(!f.exists("\\items.txt"));
    for (const char* key : {"Top", "Left", "Height", "Width", "WindowState"})
        QCOMPARE(f.settings.read(u("vro"), u("pos"), QString::fromUtf8(key)), QString());
}

QTEST_MAIN(TestBrowsingLog)
#include "test_browsing_log.moc"
