#include "MemoryComboBox.h"
#include "shell/AddressHistory.h"
#include "shell/PrefixIndex.h"
#include "support/MasterFixture.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QFrame>
#include <QLineEdit>
#include <QRandomGenerator>
#include <QTest>

using namespace vireo;
using namespace vireo::test;

namespace {

QString u(const char* text)
{
    return QString::fromUtf8(text);
}

QStringList items(const QComboBox* box)
{
    QStringList list;
    for (int i = 0; i < box->count(); ++i)
        list.append(box->itemText(i));
    return list;
}

QStringList navigations(const MasterFixture& f)
{
    QStringList calls;
    for (const auto& window : f.browsers) {
        if (window)
            calls.append(window->page.calls);
    }
    return calls;
}

} // namespace

class TestAddressBox : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // Completion and the history on a box in memory.
    void completes_data();
    void completes();
    void addsOnlyNewTexts_data();
    void addsOnlyNewTexts();
    void indexFindsWhatAWalkFinds();

    // The master window's address box.
    void typingCompletesInTheBox();
    void enterOpensThePageAsTypedAndAddsItOnce();
    void upperAndLowerCaseAreBothAdded();
    void choosingAnEntryShowsIt();
    void choosingTheCurrentEntryAgainShowsIt();
    void browserSettingTheTextCompletes_data();
    void browserSettingTheTextCompletes();
    void historyFileReadsBack_data();
    void historyFileReadsBack();
    void loadReadsBothLists();
};

void TestAddressBox::completes_data()
{
    QTest::addColumn<QStringList>("list");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("selected");

    const QStringList google{u("google.com")};
    QTest::newRow("lower case typed, entry's own case shown")
        << QStringList{u("Google.com")} << u("go") << u("Google.com") << u("ogle.com");
    QTest::newRow("upper case typed") << google << u("GO") << u("google.com") << u("ogle.com");
    QTest::newRow("first entry in list order wins")
        << QStringList{u("gamma.org"), u("google.com"), u("goal.net")} << u("go") << u("google.com")
        << u("ogle.com");
    QTest::newRow("typing over the completion")
        << QStringList{u("google.com"), u("goal.net")} << u("goa") << u("goal.net") << u("l.net");
    QTest::newRow("no entry: the text stays as typed") << google << u("gx") << u("gx") << QString();
    QTest::newRow("typed past the entry")
        << google << u("google.comx") << u("google.comx") << QString();
    QTest::newRow("empty list") << QStringList() << u("abc") << u("abc") << QString();
    QTest::newRow("Backspace takes the completion and one character")
        << google << u("goo\b") << u("go") << QString();
    QTest::newRow("Backspace twice") << google << u("goo\b\b") << u("g") << QString();
    QTest::newRow("typing after Backspace completes again")
        << google << u("goo\bo") << u("google.com") << u("gle.com");
    QTest::newRow("Backspace without a completion") << google << u("gx\b") << u("g") << QString();
    QTest::newRow("Backspace in the empty box") << google << u("\b") << QString() << QString();
    QTest::newRow("Delete takes only the completion")
        << google << u("goo\x7f") << u("goo") << QString();
    QTest::newRow("typing after Delete completes again")
        << google << u("goo\x7fg") << u("google.com") << u("le.com");
}

void TestAddressBox::completes()
{
    QFETCH(QStringList, list);
    QFETCH(QString, keys);
    QFETCH(QString, text);
    QFETCH(QString, selected);
    MemoryComboBox box;
    box.items = list;
    box.press(keys);
    QCOMPARE(box.text(), text);
    QCOMPARE(box.selectedText(), selected);
    QVERIFY(!box.completion.busy);
    if (!selected.isEmpty())
        QCOMPARE(box.selStart + box.selLength, int(text.size()));
}

void TestAddressBox::addsOnlyNewTexts_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("added");
    QTest::newRow("new") << u("b.example") << true;
    QTest::newRow("listed") << u("a.example") << false;
    QTest::newRow("listed in another case") << u("A.EXAMPLE") << true;
    QTest::newRow("a prefix of a listed one") << u("a.exam") << true;
    QTest::newRow("empty text counts as listed") << QString() << false;
}

void TestAddressBox::addsOnlyNewTexts()
{
    QFETCH(QString, text);
    QFETCH(bool, added);
    MemoryComboBox box;
    box.items = {u("first"), u("a.example")};
    QCOMPARE(AddressHistory::add(box, text), added);
    QCOMPARE(box.items.size(), added ? 3 : 2);
    if (added)
        QCOMPARE(box.items.last(), text);
    QVERIFY(AddressHistory::isListed(box, text));
}

// Random lists over a small alphabet, so that many entries share prefixes and cases differ;
// queried as entries are added one by one (through the unsorted tail and its rebuilds).
void TestAddressBox::indexFindsWhatAWalkFinds()
{
    QRandomGenerator random(7);
    const QString alphabet = u("aAbB.\xC3\xA9\xC3\x89");
    auto word = [&](int maxLength) {
        QString w;
        const int n = random.bounded(maxLength + 1);
        for (int i = 0; i < n; ++i)
            w.append(alphabet[random.bounded(int(alphabet.size()))]);
        return w;
    };
    MemoryComboBox walk;
    QStringList start;
    for (int i = 0; i < 300; ++i)
        start.append(word(6));
    walk.items = start;
    PrefixIndex index;
    index.reset(start);
    for (int round = 0; round < 3000; ++round) {
        const QString added = word(6);
        walk.items.append(added);
        index.append(added);
        if (round % 50 != 0)
            continue;
        for (int q = 0; q < 40; ++q) {
            const QString prefix = word(4);
            QCOMPARE(index.findFirst(prefix), walk.findPrefix(prefix));
            QCOMPARE(index.findExact(prefix), walk.findExact(prefix));
        }
    }
    QCOMPARE(index.size(), walk.items.size());
}

void TestAddressBox::typingCompletesInTheBox()
{
    MasterFixture f;
    f.put("\\items.txt", "\"http://www.Example.com/kids\"\r\n\"http://news.example.org\"\r\n");
    f.m.getitems();
    f.m.show();
    QVERIFY(!f.m.controlsForTest().Combo1->completer());
    QCOMPARE(f.m.controlsForTest().Combo1->insertPolicy(), QComboBox::NoInsert);
    QLineEdit* edit = f.m.controlsForTest().Combo1->lineEdit();
    edit->selectAll();
    QTest::keyClicks(f.m.controlsForTest().Combo1, u("HTTP://WWW.E"));
    QCOMPARE(f.m.controlsForTest().Combo1->currentText(), u("http://www.Example.com/kids"));
    QCOMPARE(edit->selectedText(), u("xample.com/kids"));
    // Typing on replaces the completed part; what stays is in the entry's case.
    QTest::keyClicks(f.m.controlsForTest().Combo1, u("q"));
    QCOMPARE(f.m.controlsForTest().Combo1->currentText(), u("http://www.Eq"));
    QCOMPARE(edit->selectedText(), QString());
    QCOMPARE(f.m.controlsForTest().Combo1->currentIndex(), -1);
    QTest::keyClick(f.m.controlsForTest().Combo1, Qt::Key_Backspace);
    QCOMPARE(f.m.completion.lastkey, 8);
    QCOMPARE(f.m.controlsForTest().Combo1->currentText(), u("http://www.E"));
    // Typing does not touch the list.
    QCOMPARE(f.m.controlsForTest().Combo1->count(), 2);
}

void TestAddressBox::enterOpensThePageAsTypedAndAddsItOnce()
{
    MasterFixture f;
    f.m.show();
    f.m.controlsForTest().Picture5->show();
    QLineEdit* edit = f.m.controlsForTest().Combo1->lineEdit();
    edit->clear();
    QTest::keyClicks(f.m.controlsForTest().Combo1, u("kids.example, games"));
    QTest::keyClick(f.m.controlsForTest().Combo1, Qt::Key_Return);
    QCOMPARE(f.m.completion.lastkey, 13);
    QVERIFY(f.m.controlsForTest().Picture5->isHidden());
    QCOMPARE(navigations(f), QStringList{u("Navigate kids.example, games")});
    QCOMPARE(items(f.m.controlsForTest().Combo1), QStringList{u("kids.example, games")});
    QCOMPARE(f.contents("\\items.txt"), QByteArray("\"kids.example, games\"\r\n"));

    // The keypad's Enter, sent to the line edit itself as an input method may.
    QTest::keyClick(edit, Qt::Key_Enter);
    QCOMPARE(navigations(f),
             (QStringList{u("Navigate kids.example, games"), u("Navigate kids.example, games")}));
    QCOMPARE(items(f.m.controlsForTest().Combo1), QStringList{u("kids.example, games")});
    QCOMPARE(f.m.controlsForTest().Combo1->currentText(), u("kids.example, games"));

    // The entry with its comma comes back whole in the next run.
    MasterFixture next;
    QVERIFY(QFile::copy(f.path("\\items.txt"), next.path("\\items.txt")));
    next.m.getitems();
    QCOMPARE(items(next.m.controlsForTest().Combo1), QStringList{u("kids.example, games")});
}

void TestAddressBox::upperAndLowerCaseAreBothAdded()
{
    MasterFixture f;
    f.m.show();
    QLineEdit* edit = f.m.controlsForTest().Combo1->lineEdit();
    edit->clear();
    QTest::keyClicks(f.m.controlsForTest().Combo1, u("a.example"));
    QTest::keyClick(f.m.controlsForTest().Combo1, Qt::Key_Return);
    // Typed in upper case the box completes to the listed entry; after Delete it does not.
    edit->selectAll();
    QTest::keyClick(f.m.controlsForTest().Combo1, Qt::Key_Delete);
    f.m.controlsForTest().Combo1->setEditText(u("A.EXAMPLE"));
    QTest::keyClick(f.m.controlsForTest().Combo1, Qt::Key_Return);
    QCOMPARE(items(f.m.controlsForTest().Combo1), (QStringList{u("a.example"), u("A.EXAMPLE")}));
    QCOMPARE(f.contents("\\items.txt"), QByteArray("\"a.example\"\r\n\"A.EXAMPLE\"\r\n"));
    QCOMPARE(navigations(f), (QStringList{u("Navigate a.example"), u("Navigate A.EXAMPLE")}));
}

// The shorter entry comes after a longer one that begins with it: completion alone would
// turn the choice into the longer one.
void TestAddressBox::choosingAnEntryShowsIt()
{
    MasterFixture f;
    f.put("\\items.txt", "\"http://a.example/page\"\r\n\"http://a.example/\"\r\n\"b.example\"\r\n");
    f.m.getitems();
    f.m.show();
    QTest::keyClick(f.m.controlsForTest().Combo1, Qt::Key_Down);
    QCOMPARE(f.m.controlsForTest().Combo1->currentText(), u("http://a.example/page"));
    QTest::keyClick(f.m.controlsForTest().Combo1, Qt::Key_Down);
    QCOMPARE(f.m.controlsForTest().Combo1->currentText(), u("http://a.example/"));
    QCOMPARE(f.m.controlsForTest().Combo1->currentIndex(), 1);
    QTest::keyClick(f.m.controlsForTest().Combo1, Qt::Key_Up);
    QCOMPARE(f.m.controlsForTest().Combo1->currentIndex(), 0);
    // Picked from the drop-down list.
    f.m.controlsForTest().Combo1->setCurrentIndex(2);
    f.m.controlsForTest().Combo1->showPopup();
    QAbstractItemView* list = f.m.controlsForTest().Combo1->view();
    QTRY_VERIFY(list->isVisible());
    QTest::keyClick(list, Qt::Key_Up);
    QTest::keyClick(list, Qt::Key_Return);
    QCOMPARE(f.m.controlsForTest().Combo1->currentText(), u("http://a.example/"));
    // Backspace takes one character of the chosen entry; typing on completes again.
    QTest::keyClick(f.m.controlsForTest().Combo1, Qt::Key_Backspace);
    QCOMPARE(f.m.controlsForTest().Combo1->currentText(), u("http://a.example"));
    QTest::keyClicks(f.m.controlsForTest().Combo1, u("/p"));
    QCOMPARE(f.m.controlsForTest().Combo1->currentText(), u("http://a.example/page"));
    QCOMPARE(f.m.controlsForTest().Combo1->lineEdit()->selectedText(), u("age"));
}

// The entry chosen in the list is the current one already: the box's index does not change.
void TestAddressBox::choosingTheCurrentEntryAgainShowsIt()
{
    MasterFixture f;
    f.put("\\items.txt", "\"http://a.example/page\"\r\n\"http://a.example/\"\r\n");
    f.m.getitems();
    f.m.show();
    QComboBox* box = f.m.controlsForTest().Combo1;
    QTest::keyClick(box, Qt::Key_Down);
    QTest::keyClick(box, Qt::Key_Down);
    QTest::keyClick(box, Qt::Key_Backspace);
    QCOMPARE(box->currentText(), u("http://a.example"));
    QCOMPARE(box->currentIndex(), 1);
    QTest::keyClick(box, Qt::Key_Down, Qt::AltModifier);
    QAbstractItemView* list = box->view();
    QTRY_VERIFY(list->isVisible());
    QCOMPARE(list->currentIndex().row(), 1);
    QTest::keyClick(list, Qt::Key_Return);
    QCOMPARE(box->currentText(), u("http://a.example/"));
    QCOMPARE(box->lineEdit()->selectedText(), QString());
    // Enter opens what the box shows.
    QTest::keyClick(box, Qt::Key_Return);
    QCOMPARE(navigations(f), QStringList{u("Navigate http://a.example/")});
    // A text set by the program right after the list closed without a choice is completed.
    box->showPopup();
    QTRY_VERIFY(list->isVisible());
    QTest::keyClick(list, Qt::Key_Escape);
    QTRY_VERIFY(!list->isVisible());
    QTest::qWait(1);
    f.m.completion.lastkey = int('A');
    box->setEditText(u("http://a.exa"));
    QCOMPARE(box->currentText(), u("http://a.example/page"));
}

void TestAddressBox::browserSettingTheTextCompletes_data()
{
    QTest::addColumn<int>("lastkey");
    QTest::addColumn<int>("lastlength");
    QTest::addColumn<QString>("address");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("selected");
    const QString page = u("http://example.com/");
    QTest::newRow("after a letter: the longer entry shown")
        << int('A') << 0 << page << u("http://example.com/page.html") << u("page.html");
    QTest::newRow("no longer entry")
        << int('A') << 0 << u("http://other.org/") << u("http://other.org/") << QString();
    QTest::newRow("after Delete: as set") << 46 << 0 << page << page << QString();
    QTest::newRow("after Backspace: cut to the typed length")
        << 8 << 5 << page << u("http") << QString();
}

void TestAddressBox::browserSettingTheTextCompletes()
{
    QFETCH(int, lastkey);
    QFETCH(int, lastlength);
    QFETCH(QString, address);
    QFETCH(QString, text);
    QFETCH(QString, selected);
    MasterFixture f;
    f.put("\\items.txt", "\"http://example.com/page.html\"\r\n");
    f.m.getitems();
    f.m.completion.lastkey = lastkey;
    f.m.completion.lastlength = lastlength;
    // What a browser window does on each title change.
    f.m.controlsForTest().Combo1->setEditText(address);
    QCOMPARE(f.m.controlsForTest().Combo1->currentText(), text);
    QCOMPARE(f.m.controlsForTest().Combo1->lineEdit()->selectedText(), selected);
    QVERIFY(!f.m.completion.busy);
}

void TestAddressBox::historyFileReadsBack_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QStringList>("list");
    QTest::newRow("entry with a comma, quoted")
        << QByteArray("\"a.example/?x=1,2\"\r\n") << QStringList{u("a.example/?x=1,2")};
    QTest::newRow("line without quotes holding a comma")
        << QByteArray("a.example, b.example\r\n") << QStringList{u("a.example"), u("b.example")};
    QTest::newRow("empty file") << QByteArray() << QStringList();
    QTest::newRow("only empty quoted fields")
        << QByteArray("\"\"\r\n\"\"\r\n\"\"") << QStringList();
    QTest::newRow("empty fields dropped between entries")
        << QByteArray("\"a\"\r\n\r\n\"\"\r\n\"b\"") << QStringList{u("a"), u("b")};
    QTest::newRow("written by the Windows program")
        << QByteArray("\"caf\xE9.example\"\r\n") << QStringList{u("caf\xC3\xA9.example")};
}

void TestAddressBox::historyFileReadsBack()
{
    QFETCH(QByteArray, file);
    QFETCH(QStringList, list);
    MasterFixture f;
    const QString before = f.m.controlsForTest().Combo1->currentText();
    f.put("\\items.txt", file);
    f.m.getitems();
    QCOMPARE(items(f.m.controlsForTest().Combo1), list);
    // Filling the list neither changes the box's text nor selects an entry.
    QCOMPARE(f.m.controlsForTest().Combo1->currentText(), before);
    QCOMPARE(f.m.controlsForTest().Combo1->currentIndex(), -1);
}

void TestAddressBox::loadReadsBothLists()
{
    MasterFixture f;
    f.put("\\items.txt", "\"a\"\r\n\"b\"\r\n");
    f.put("\\log.txt", "\"x\"\r\n\"y\"\r\n\"x\"\r\n");
    f.m.MDIForm_Load();
    QCOMPARE(items(f.m.controlsForTest().Combo1), (QStringList{u("a"), u("b")}));
    QCOMPARE(items(f.m.controlsForTest().Combo9), (QStringList{u("x"), u("y"), u("x")}));
    // The first browser window opened after the lists were read.
    QCOMPARE(f.browsers.size(), 1);
}

QTEST_MAIN(TestAddressBox)
#include "test_address_box.moc"
