// Journal entries: names and titles from dates, the entry list, reading and writing the files.

#include "journal/JournalEntries.h"
#include "journal/JournalSession.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <sys/stat.h>

using namespace vireo;

namespace {

const QLocale english(QLocale::English, QLocale::UnitedStates);

void put(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestJournalEntries : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void namesAndTitlesFromDates_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QDate>("date");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("todayTitle");
        QTest::addColumn<QString>("listTitle");
        QTest::newRow("single-digit day")
            << english << QDate(2000, 1, 5) << QStringLiteral("2000 Jan 5.vjf")
            << QStringLiteral("My Thoughts for 2000 - Jan - 5")
            << QStringLiteral("My Thoughts for: 2000 Jan 5");
        QTest::newRow("two-digit day")
            << english << QDate(2000, 10, 12) << QStringLiteral("2000 Oct 12.vjf")
            << QStringLiteral("My Thoughts for 2000 - Oct - 12")
            << QStringLiteral("My Thoughts for: 2000 Oct 12");
        QTest::newRow("the locale's month")
            << QLocale(QLocale::German, QLocale::Germany) << QDate(2024, 5, 31)
            << QStringLiteral("2024 Mai 31.vjf")
            << QStringLiteral("My Thoughts for 2024 - Mai - 31")
            << QStringLiteral("My Thoughts for: 2024 Mai 31");
    }
    void namesAndTitlesFromDates()
    {
        QFETCH(QLocale, locale);
        QFETCH(QDate, date);
        QFETCH(QString, name);
        QFETCH(QString, todayTitle);
        QFETCH(QString, listTitle);
        const JournalEntries entries(ProgramFolder(QDir::tempPath()), locale);
        QCOMPARE(entries.entryName(date), name);
        QCOMPARE(entries.todayTitle(date), todayTitle);
        QCOMPARE(JournalEntries::listTitle(name), listTitle);
    }

    void listIsInNameOrderAndHoldsOnlyEntryFiles()
    {
        QTemporaryDir dir;
        for (const char* name : {"2000 Jan 10.vjf", "2000 Jan 2.vjf", "2000 Feb 1.vjf", "notes.txt",
                                 "2000 Jan 3.vjf.bak"})
            put(dir.filePath(QLatin1String(name)), "{\\rtf1 x}");
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("folder.vjf")));
        const JournalEntries entries(ProgramFolder(dir.path()), english);
        QCOMPARE(entries.list(),
                 QStringList({QStringLiteral("2000 Feb 1.vjf"), QStringLiteral("2000 Jan 10.vjf"),
                              QStringLiteral("2000 Jan 2.vjf")}));
    }

    void todayMissingThenSavedTwiceIsOneFile()
    {
        QTemporaryDir dir;
        JournalSession session(JournalEntries(ProgramFolder(dir.path()), english),
                               QDate(2000, 1, 5));
        const auto opened = session.openToday();
        QCOMPARE(opened.status, JournalEntries::ReadStatus::Missing);
        QCOMPARE(session.currentName(), QStringLiteral("2000 Jan 5.vjf"));
        QCOMPARE(session.title(), QStringLiteral("My Thoughts for 2000 - Jan - 5"));
        QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("2000 Jan 5.vjf"))));

        QVERIFY(session.save("{\\rtf1 first}"));
        QVERIFY(session.save("{\\rtf1 second}"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), {QStringLiteral("2000 Jan 5.vjf")});
        QCOMPARE(contents(dir.filePath(QStringLiteral("2000 Jan 5.vjf"))),
                 QByteArray("{\\rtf1 second}"));

        const auto again = session.openToday();
        QCOMPARE(again.status, JournalEntries::ReadStatus::Read);
        QCOMPARE(again.bytes, QByteArray("{\\rtf1 second}"));
    }

    void anEntryFromTheListBecomesCurrent()
    {
        QTemporaryDir dir;
        put(dir.filePath(QStringLiteral("1999 Dec 31.vjf")), "{\\rtf1 old}");
        JournalSession session(JournalEntries(ProgramFolder(dir.path()), english),
                               QDate(2000, 1, 5));
        session.openToday();
        const auto opened = session.openEntry(QStringLiteral("1999 Dec 31.vjf"));
        QCOMPARE(opened.status, JournalEntries::ReadStatus::Read);
        QCOMPARE(opened.bytes, QByteArray("{\\rtf1 old}"));
        QCOMPARE(session.title(), QStringLiteral("My Thoughts for: 1999 Dec 31"));
        QVERIFY(session.save("{\\rtf1 new}"));
        QCOMPARE(contents(dir.filePath(QStringLiteral("1999 Dec 31.vjf"))),
                 QByteArray("{\\rtf1 new}"));
        QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("2000 Jan 5.vjf"))));
    }

    void whatCannotBeReadAsAnEntry()
    {
        QTemporaryDir dir;
        const JournalEntries entries(ProgramFolder(dir.path()), english);
        // A named pipe would block a reader for ever.
        QCOMPARE(
            ::mkfifo(QFile::encodeName(dir.filePath(QStringLiteral("pipe.vjf"))).constData(), 0600),
            0);
        QCOMPARE(entries.read(QStringLiteral("pipe.vjf")).status,
                 JournalEntries::ReadStatus::Unreadable);
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("folder.vjf")));
        QCOMPARE(entries.read(QStringLiteral("folder.vjf")).status,
                 JournalEntries::ReadStatus::Unreadable);
        // Too large: a sparse file costs no disk.
        QFile huge(dir.filePath(QStringLiteral("huge.vjf")));
        QVERIFY(huge.open(QIODevice::WriteOnly));
        QVERIFY(huge.resize(JournalEntries::maxEntryBytes + 1));
        huge.close();
        QCOMPARE(entries.read(QStringLiteral("huge.vjf")).status,
                 JournalEntries::ReadStatus::Unreadable);
        put(dir.filePath(QStringLiteral("empty.vjf")), {});
        const auto empty = entries.read(QStringLiteral("empty.vjf"));
        QCOMPARE(empty.status, JournalEntries::ReadStatus::Read);
        QVERIFY(empty.bytes.isEmpty());
    }

    void anEntryThatCannotBeReadIsNotOverwritten()
    {
        QTemporaryDir dir;
        QFile huge(dir.filePath(QStringLiteral("2000 Jan 5.vjf")));
        QVERIFY(huge.open(QIODevice::WriteOnly));
        QVERIFY(huge.resize(JournalEntries::maxEntryBytes + 1));
        huge.close();
        JournalSession session(JournalEntries(ProgramFolder(dir.path()), english),
                               QDate(2000, 1, 5));
        QCOMPARE(session.openToday().status, JournalEntries::ReadStatus::Unreadable);
        QVERIFY(!session.save("{\\rtf1 x}"));
        QCOMPARE(huge.size(), JournalEntries::maxEntryBytes + 1);

        // Another entry that reads is written as usual.
        put(dir.filePath(QStringLiteral("2000 Jan 4.vjf")), "{\\rtf1 y}");
        QCOMPARE(session.openEntry(QStringLiteral("2000 Jan 4.vjf")).status,
                 JournalEntries::ReadStatus::Read);
        QVERIFY(session.save("{\\rtf1 z}"));
    }

    void aFailedWriteLeavesTheOldFile()
    {
        QTemporaryDir dir;
        // A folder where the file should be: it cannot be replaced.
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("2000 Jan 5.vjf")));
        const JournalEntries blocked(ProgramFolder(dir.path()), english);
        QVERIFY(!blocked.write(QStringLiteral("2000 Jan 5.vjf"), "{\\rtf1 x}"));
        QVERIFY(QFileInfo(dir.filePath(QStringLiteral("2000 Jan 5.vjf"))).isDir());

        const JournalEntries gone(ProgramFolder(dir.filePath(QStringLiteral("missing"))), english);
        QVERIFY(!gone.write(QStringLiteral("2000 Jan 6.vjf"), "{\\rtf1 x}"));
    }
};

QTEST_GUILESS_MAIN(TestJournalEntries)
#include "test_journal_entries.moc"
