#include "phonebook/ContactFile.h"
#include "phonebook/ContactLists.h"
#include "phonebook/ContactSheet.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>
#include <sys/stat.h>

using namespace vireo;

// The contact record, its file and the lists whose positions it stores.
class TestContactRecords : public QObject {
    Q_OBJECT

    static ContactRecord ann()
    {
        ContactRecord r;
        r.name = QStringLiteral("Ann");
        r.phone = QStringLiteral("555-0134");
        r.address = QStringLiteral("12 Elm Street");
        r.comments = QStringLiteral("Funny");
        r.month = static_cast<int>(ContactLists::months().indexOf(QStringLiteral("March")));
        r.day = static_cast<int>(ContactLists::days().indexOf(QStringLiteral("5")));
        r.year = static_cast<int>(ContactLists::years().indexOf(QStringLiteral("1986")));
        r.relationship =
            static_cast<int>(ContactLists::relationships().indexOf(QStringLiteral("Family")));
        r.age = QStringLiteral("14");
        return r;
    }

private Q_SLOTS:
    void theExampleContactIsWrittenByteForByte()
    {
        QCOMPARE(ContactFile::bytes(ann()), QByteArray("\"Ann\",\"555-0134\",\"\",\"Ann\"\r\n"
                                                       "\"12 Elm Street\"\r\n"
                                                       "\"\"\r\n"
                                                       "\"Funny\"\r\n"
                                                       "2,4,13,4\r\n"
                                                       "\"14\"\r\n"));
    }

    void listPositions_data()
    {
        QTest::addColumn<QStringList>("list");
        QTest::addColumn<int>("position");
        QTest::addColumn<QString>("text");
        const QStringList& years = ContactLists::years();
        QTest::newRow("first year") << years << 0 << QStringLiteral("2000");
        QTest::newRow("1991 just before the gap") << years << 9 << QStringLiteral("1991");
        QTest::newRow("1989 just after the gap") << years << 10 << QStringLiteral("1989");
        QTest::newRow("last year") << years << 39 << QStringLiteral("1960");
        QTest::newRow("last month") << ContactLists::months() << 11 << QStringLiteral("December");
        QTest::newRow("last day") << ContactLists::days() << 30 << QStringLiteral("31");
        QTest::newRow("first relationship")
            << ContactLists::relationships() << 0 << QStringLiteral("-");
        QTest::newRow("last relationship")
            << ContactLists::relationships() << 7 << QStringLiteral("Babe");
    }

    void listPositions()
    {
        QFETCH(QStringList, list);
        QFETCH(int, position);
        QFETCH(QString, text);
        QCOMPARE(list.at(position), text);
        QCOMPARE(list.indexOf(text), position);
    }

    void theListsHaveTheirLengthsAndNo1990()
    {
        QCOMPARE(ContactLists::months().size(), 12);
        QCOMPARE(ContactLists::days().size(), 31);
        QCOMPARE(ContactLists::years().size(), 40);
        QCOMPARE(ContactLists::relationships().size(), 8);
        QVERIFY(!ContactLists::years().contains(QStringLiteral("1990")));
    }

    void recordsReadBackAsWritten_data()
    {
        QTest::addColumn<ContactRecord>("record");
        QTest::newRow("the example") << ann();
        ContactRecord lines = ann();
        lines.address = QStringLiteral("Flat 2\r\n12 Elm Street\r\nSpringfield");
        lines.comments = QStringLiteral("Likes skating,\r\nand music, \"loud\"\r\n");
        QTest::newRow("several lines, commas") << lines;
        ContactRecord quote = ann();
        quote.name = QStringLiteral("Ann \"Spike\" Lee");
        quote.phone = QStringLiteral("\"");
        quote.age = QStringLiteral("\"\"");
        QTest::newRow("quotes") << quote;
        ContactRecord nothing;
        QTest::newRow("all empty, nothing chosen") << nothing;
        ContactRecord ends = ann();
        ends.month = 11;
        ends.day = 30;
        ends.year = 39;
        ends.relationship = 7;
        ends.picturePath = QStringLiteral("/home/teen/Pictures/ann, at the beach.jpg");
        ends.email = QStringLiteral("  ann@example.org  ");
        QTest::newRow("last positions, spaces, a path") << ends;
    }

    void recordsReadBackAsWritten()
    {
        QFETCH(ContactRecord, record);
        const ContactFile::Contents read = ContactFile::parse(ContactFile::bytes(record));
        QCOMPARE(read.fields, int(ContactFile::FieldCount));
        QCOMPARE(read.record, record);
    }

    void badFilesReadWhatTheyHold_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("fields");
        QTest::addColumn<ContactRecord>("expected");

        ContactRecord firstLine;
        firstLine.name = QStringLiteral("Ann");
        firstLine.phone = QStringLiteral("1");
        firstLine.email = QStringLiteral("e");
        QTest::newRow("first line only")
            << QByteArray("\"Ann\",\"1\",\"e\",\"Ann\"\r\n") << 4 << firstLine;
        QTest::newRow("empty file") << QByteArray() << 0 << ContactRecord();

        const QByteArray head("\"A\",\"\",\"\",\"A\"\r\n\"\"\r\n\"\"\r\n\"\"\r\n");
        ContactRecord noneChosen;
        noneChosen.name = QStringLiteral("A");
        noneChosen.age = QStringLiteral("3");
        QTest::newRow("positions not numbers") << head + "March,x,,1.5\r\n\"3\"\r\n"
                                               << 12 << noneChosen;
        QTest::newRow("positions out of range") << head + "12,31,40,8\r\n\"3\"\r\n"
                                                << 12 << noneChosen;
        QTest::newRow("negative positions") << head + "-1,-2,-40,-9\r\n\"3\"\r\n"
                                            << 12 << noneChosen;
        ContactRecord spaced = noneChosen;
        spaced.month = 2;
        spaced.day = 4;
        spaced.year = 13;
        spaced.relationship = 4;
        QTest::newRow("spaces around positions") << head + " 2 , 4,13 ,4\r\n\"3\"\r\n"
                                                 << 12 << spaced;
        ContactRecord cut = noneChosen;
        cut.age.clear();
        cut.month = 2;
        cut.day = 4;
        QTest::newRow("cut inside the numbers") << head + "2,4" << 9 << cut;
    }

    void badFilesReadWhatTheyHold()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, fields);
        QFETCH(ContactRecord, expected);
        const ContactFile::Contents read = ContactFile::parse(bytes);
        QCOMPARE(read.fields, fields);
        QCOMPARE(read.record, expected);
    }

    void binaryBytesAndHugeCommentsRead()
    {
        QByteArray binary;
        for (int i = 0; i < 4096; ++i)
            binary.append(char((i * 37) & 0xFF));
        const ContactFile::Contents garbage = ContactFile::parse(binary);
        QVERIFY(garbage.fields <= ContactFile::FieldCount);

        ContactRecord big = ann();
        big.comments = QString(10 * 1024 * 1024, QLatin1Char('x'));
        QCOMPARE(ContactFile::parse(ContactFile::bytes(big)).record, big);
    }

    void onlyRegularFilesAreRead()
    {
        QTemporaryDir dir;
        QVERIFY(ContactFile::write(dir.filePath(QStringLiteral("Ann.vpe")), ann()));
        QCOMPARE(ContactFile::read(dir.filePath(QStringLiteral("Ann.vpe")))->record, ann());

        QVERIFY(!ContactFile::read(dir.filePath(QStringLiteral("missing.vpe"))));
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("folder.vpe")));
        QVERIFY(!ContactFile::read(dir.filePath(QStringLiteral("folder.vpe"))));
        const QByteArray pipe = dir.filePath(QStringLiteral("pipe.vpe")).toLocal8Bit();
        QCOMPARE(::mkfifo(pipe.constData(), 0600), 0);
        QVERIFY(!ContactFile::read(QString::fromLocal8Bit(pipe)));
    }

    void safeNames_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("safe");
        QTest::newRow("plain") << QStringLiteral("Ann") << true;
        QTest::newRow("spaces and accents") << QStringLiteral("Zo\u00eb Ann-Marie") << true;
        QTest::newRow("dots inside") << QStringLiteral("A.J.") << true;
        QTest::newRow("empty") << QString() << false;
        QTest::newRow("dot") << QStringLiteral(".") << false;
        QTest::newRow("dot dot") << QStringLiteral("..") << false;
        QTest::newRow("slash") << QStringLiteral("a/b") << false;
        QTest::newRow("backslash") << QStringLiteral("a\\b") << false;
        QTest::newRow("question mark") << QStringLiteral("x?") << false;
        QTest::newRow("control character") << QStringLiteral("a\tb") << false;
        QTest::newRow("line break") << QStringLiteral("a\nb") << false;
        for (const char* c : {":", "*", "\"", "<", ">", "|"})
            QTest::newRow(c) << (QStringLiteral("a") + QLatin1String(c)) << false;
        QTest::newRow("longest") << QString(251, QLatin1Char('n')) << true;
        QTest::newRow("too long") << QString(252, QLatin1Char('n')) << false;
    }

    void safeNames()
    {
        QFETCH(QString, name);
        QFETCH(bool, safe);
        QCOMPARE(ContactFile::isSafeName(name), safe);
    }

    void lineEndsBetweenBoxAndFile()
    {
        QCOMPARE(ContactFile::toFileLines(QStringLiteral("a\nb\r\nc\rd")),
                 QStringLiteral("a\r\nb\r\nc\r\nd"));
        QCOMPARE(ContactFile::toBoxLines(QStringLiteral("a\r\nb\rc\nd")),
                 QStringLiteral("a\nb\nc\nd"));
    }

    void theSheetOfAnEmptyContactHoldsEveryLabelWithItsSpaces()
    {
        const QString expected = QStringLiteral("Name: ") + QString(22, QLatin1Char(' ')) +
                                 QStringLiteral("E-mail address: ") +
                                 QString(38, QLatin1Char(' ')) + QStringLiteral("Phone Number: ") +
                                 QString(33, QLatin1Char(' ')) + QStringLiteral("Address: ") +
                                 QString(14, QLatin1Char(' ')) + QStringLiteral("Relationship: ") +
                                 QString(16, QLatin1Char(' ')) +
                                 QStringLiteral("Birthday: ,   Comments: ");
        QCOMPARE(ContactSheet().text(), expected);
    }

    void theSheetPutsEachValueAfterItsLabel()
    {
        ContactSheet sheet{
            QStringLiteral("Ann"),    QStringLiteral("a@b.org"), QStringLiteral("555"),
            QStringLiteral("12 Elm"), QStringLiteral("Family"),  QStringLiteral("March"),
            QStringLiteral("5"),      QStringLiteral("1986"),    QStringLiteral("Funny")};
        const QString text = sheet.text();
        QVERIFY(text.startsWith(QStringLiteral("Name: Ann ")));
        QVERIFY(text.contains(QStringLiteral("E-mail address: a@b.org ")));
        QVERIFY(text.contains(QStringLiteral("Phone Number: 555 ")));
        QVERIFY(text.contains(QStringLiteral("Address: 12 Elm ")));
        QVERIFY(text.contains(QStringLiteral("Relationship: Family ")));
        QVERIFY(text.endsWith(QStringLiteral("Birthday: March, 5 1986 Comments: Funny")));
    }
};

QTEST_GUILESS_MAIN(TestContactRecords)
#include "test_contact_records.moc"
