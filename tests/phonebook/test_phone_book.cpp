#include "phonebook/PhoneBook.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <sys/stat.h>

using namespace vireo;

// The contacts file and the rules of adding, replacing and removing contacts, on a real
// program folder.
class TestPhoneBook : public QObject {
    Q_OBJECT

    // The program folder is a folder inside the temporary one, so that a write outside it
    // would show.
    QTemporaryDir outer;
    QString root;

    QString path(const QString& name) const { return root + QLatin1Char('/') + name; }

    void put(const QString& name, const QByteArray& bytes) const
    {
        QFile file(path(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    QByteArray contents(const QString& name) const
    {
        QFile file(path(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    // Every file and folder under the temporary folder, relative to it.
    QStringList everything() const
    {
        QStringList found;
        QDirIterator it(outer.path(), QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden,
                        QDirIterator::Subdirectories);
        while (it.hasNext())
            found.append(QDir(outer.path()).relativeFilePath(it.next()));
        found.sort();
        return found;
    }

    static ContactRecord contact(const QString& name, const QString& phone = {})
    {
        ContactRecord r;
        r.name = name;
        r.phone = phone;
        return r;
    }

    static QByteArray annAndBob() { return "\"Ann\"\r\n\"Ann\"\r\n\"Bob\"\r\n\"Bob\"\r\n"; }

    PhoneBook book() const { return PhoneBook(ProgramFolder(root)); }

private Q_SLOTS:
    void init()
    {
        QDir(outer.path()).removeRecursively();
        QVERIFY(QDir().mkpath(outer.path() + QStringLiteral("/program")));
        root = outer.path() + QStringLiteral("/program");
    }

    void annAndBobAreListedInFileOrder()
    {
        put(QStringLiteral("contacts.vpm"), annAndBob());
        PhoneBook b = book();
        b.load();
        QCOMPARE(b.index().names(), QStringList({QStringLiteral("Ann"), QStringLiteral("Bob")}));
        QCOMPARE(b.index().keys(), b.index().names());
        QCOMPARE(b.index().count(), 1);
    }

    void removingBobKeepsAnnsLinesAndBobsFile()
    {
        put(QStringLiteral("contacts.vpm"), annAndBob());
        put(QStringLiteral("Bob.vpe"), ContactFile::bytes(contact(QStringLiteral("Bob"))));
        PhoneBook b = book();
        b.load();

        QCOMPARE(b.remove(1), PhoneBook::Removal::Removed);

        QCOMPARE(contents(QStringLiteral("contacts.vpm")), QByteArray("\"Ann\"\r\n\"Ann\"\r\n"));
        QCOMPARE(b.index().names(), QStringList{QStringLiteral("Ann")});
        QCOMPARE(b.index().count(), 0);
        QVERIFY(QFile::exists(path(QStringLiteral("Bob.vpe"))));
    }

    void theFirstEntryIsNeverRemoved()
    {
        put(QStringLiteral("contacts.vpm"), annAndBob());
        PhoneBook b = book();
        b.load();

        QCOMPARE(b.remove(0), PhoneBook::Removal::Refused);
        QCOMPARE(b.remove(-1), PhoneBook::Removal::NothingSelected);
        QCOMPARE(b.remove(2), PhoneBook::Removal::NothingSelected);

        QCOMPARE(contents(QStringLiteral("contacts.vpm")), annAndBob());
        QCOMPARE(b.index().names().size(), 2);
    }

    void aSecondAnnIsListedTwiceAndReplacesAnnsFile()
    {
        put(QStringLiteral("contacts.vpm"), annAndBob());
        put(QStringLiteral("Ann.vpe"),
            ContactFile::bytes(contact(QStringLiteral("Ann"), QStringLiteral("1"))));
        PhoneBook b = book();
        b.load();

        const PhoneBook::Saved saved =
            b.save(contact(QStringLiteral("Ann"), QStringLiteral("2")), false);

        QVERIFY(saved.added);
        QVERIFY(!saved.failed);
        QCOMPARE(b.index().names(), QStringList({QStringLiteral("Ann"), QStringLiteral("Bob"),
                                                 QStringLiteral("Ann")}));
        QCOMPARE(contents(QStringLiteral("contacts.vpm")), annAndBob() + "\"Ann\"\r\n\"Ann\"\r\n");
        QCOMPARE(b.open(QStringLiteral("Ann"))->record.phone, QStringLiteral("2"));
    }

    void aRenamedContactGetsANewFileAndKeepsItsListName()
    {
        put(QStringLiteral("contacts.vpm"), annAndBob());
        put(QStringLiteral("Ann.vpe"),
            ContactFile::bytes(contact(QStringLiteral("Ann"), QStringLiteral("1"))));
        PhoneBook b = book();
        b.load();

        const PhoneBook::Saved saved =
            b.save(contact(QStringLiteral("Anna"), QStringLiteral("9")), true);

        QVERIFY(!saved.added);
        QCOMPARE(b.open(QStringLiteral("Anna"))->record.phone, QStringLiteral("9"));
        QCOMPARE(b.open(QStringLiteral("Ann"))->record.phone, QStringLiteral("1"));
        QCOMPARE(contents(QStringLiteral("contacts.vpm")), annAndBob());
        QCOMPARE(b.index().names(), QStringList({QStringLiteral("Ann"), QStringLiteral("Bob")}));
    }

    void withoutAContactsFileTheFirstSaveMakesIt()
    {
        PhoneBook b = book();
        b.load();
        QVERIFY(b.index().names().isEmpty());
        QCOMPARE(b.index().count(), -1);

        b.save(contact(QStringLiteral("Cy")), false);

        QCOMPARE(contents(QStringLiteral("contacts.vpm")), QByteArray("\"Cy\"\r\n\"Cy\"\r\n"));
        QCOMPARE(b.index().names(), QStringList{QStringLiteral("Cy")});
        QVERIFY(QFile::exists(path(QStringLiteral("Cy.vpe"))));
    }

    void unsafeNamesWriteNoContactFileAnywhere_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QStringList>("listed");
        QTest::newRow("empty") << QString() << QStringList();
        QTest::newRow("dot") << QStringLiteral(".") << QStringList{QStringLiteral(".")};
        QTest::newRow("dot dot") << QStringLiteral("..") << QStringList{QStringLiteral("..")};
        QTest::newRow("slash") << QStringLiteral("a/b") << QStringList{QStringLiteral("a/b")};
        QTest::newRow("climbing") << QStringLiteral("../x") << QStringList{QStringLiteral("../x")};
        QTest::newRow("backslash") << QStringLiteral("a\\b") << QStringList{QStringLiteral("a\\b")};
        QTest::newRow("question mark") << QStringLiteral("x?") << QStringList{QStringLiteral("x?")};
        QTest::newRow("control character")
            << QStringLiteral("a\x01") << QStringList{QStringLiteral("a\x01")};
    }

    void unsafeNamesWriteNoContactFileAnywhere()
    {
        QFETCH(QString, name);
        QFETCH(QStringList, listed);
        PhoneBook b = book();
        b.load();

        const PhoneBook::Saved saved = b.save(contact(name, QStringLiteral("555")), false);

        QVERIFY(saved.added);
        QVERIFY(!saved.failed);
        // Only the contacts file is written, and an empty name leaves it empty.
        QCOMPARE(everything(),
                 QStringList({QStringLiteral("program"), QStringLiteral("program/contacts.vpm")}));
        QCOMPARE(b.index().names(), listed);
        // Saving it again, as a contact on file, writes nothing either.
        b.save(contact(name, QStringLiteral("556")), true);
        QCOMPARE(everything().size(), 2);
        QVERIFY(!b.open(name));
    }

    void aContactFileThatCannotBeWrittenIsReportedAndStillListed()
    {
        QVERIFY(QDir(root).mkdir(QStringLiteral("Dee.vpe")));
        PhoneBook b = book();
        b.load();

        const PhoneBook::Saved saved = b.save(contact(QStringLiteral("Dee")), false);

        QVERIFY(saved.failed);
        QVERIFY(saved.added);
        QCOMPARE(b.index().names(), QStringList{QStringLiteral("Dee")});
    }

    void aContactsFileThatIsAFolderOrAPipeReadsAsEmpty()
    {
        QVERIFY(QDir(root).mkdir(QStringLiteral("contacts.vpm")));
        PhoneBook b = book();
        b.load();
        QVERIFY(b.index().names().isEmpty());

        // It cannot be replaced: the new contact stays in the list and the failure is told.
        const PhoneBook::Saved saved = b.save(contact(QStringLiteral("Eve")), false);
        QVERIFY(saved.failed);
        QCOMPARE(b.index().names(), QStringList{QStringLiteral("Eve")});
        QVERIFY(QFile::exists(path(QStringLiteral("Eve.vpe"))));

        QVERIFY(QDir(root).rmdir(QStringLiteral("contacts.vpm")));
        QCOMPARE(
            ::mkfifo(QFile::encodeName(path(QStringLiteral("contacts.vpm"))).constData(), 0600), 0);
        b.load();
        QVERIFY(b.index().names().isEmpty());
    }

    void pairsWithoutANameAreSkipped()
    {
        put(QStringLiteral("contacts.vpm"), "\"\"\r\n\"ghost\"\r\n\"Ann\"\r\n\"a\"\r\n\"Bob\"");
        PhoneBook b = book();
        b.load();
        QCOMPARE(b.index().names(), QStringList({QStringLiteral("Ann"), QStringLiteral("Bob")}));
        QCOMPARE(b.index().keys(), QStringList({QStringLiteral("a"), QString()}));
        QCOMPARE(b.index().count(), 1);
    }

    void aReloadForgetsEntriesOfAnEarlierLoad()
    {
        put(QStringLiteral("contacts.vpm"), annAndBob());
        PhoneBook b = book();
        b.load();
        put(QStringLiteral("contacts.vpm"), "\"Cy\"\r\n\"Cy\"\r\n");
        b.load();
        QCOMPARE(b.index().count(), 0);

        b.save(contact(QStringLiteral("Di")), false);
        QCOMPARE(contents(QStringLiteral("contacts.vpm")),
                 QByteArray("\"Cy\"\r\n\"Cy\"\r\n\"Di\"\r\n\"Di\"\r\n"));
    }
};

QTEST_GUILESS_MAIN(TestPhoneBook)
#include "test_phone_book.moc"
