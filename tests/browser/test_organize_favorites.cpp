#include "browser/Favorites.h"
#include "browser/frmbrowser.h"
#include "browser/frmdelete.h"
#include "platform/TwipsGeometry.h"
#include "platform/fakes/FakeWebBrowser.h"
#include "support/WindowsFixture.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

using namespace vireo;

namespace {

struct Fixture : test::WindowsFixture {
    frmbrowser* open() { return dynamic_cast<frmbrowser*>(app.newBrowser()); }

    // Shows the page `title` at `address` in `w` and adds it with F2's command.
    void add(frmbrowser* w, const QString& title, const QString& address)
    {
        auto* page = static_cast<FakeWebBrowser*>(&w->WebBrowser1());
        page->locationName = title;
        page->locationURL = address;
        w->mnu_addfavorite->trigger();
    }

    frmdelete* organize(frmbrowser* w)
    {
        w->mnu_organize->trigger();
        return qobject_cast<frmdelete*>(app.openWindow(app.organizeKind));
    }
};

QStringList captions(const frmbrowser* w)
{
    QStringList out;
    for (const QAction* a : w->mnubook)
        out.append(a->text());
    return out;
}

// The favourite items as the menu holds them: after "Add", "Organize" and the separator.
QStringList menuItems(const frmbrowser* w)
{
    QStringList out;
    const QList<QAction*> actions = w->mnu_favorites->actions();
    for (qsizetype i = 3; i < actions.size(); ++i)
        out.append(actions[i]->text());
    return out;
}

QStringList rows(const frmdelete* d)
{
    QStringList out;
    for (int i = 0; i < d->ListView1->count(); ++i)
        out.append(d->ListView1->item(i)->text());
    return out;
}

QByteArray favoritesFile(std::initializer_list<const char*> titles)
{
    QByteArray bytes;
    int n = 0;
    for (const char* t : titles)
        bytes += "\"" + QByteArray(t) + "\"\r\n\"https://f" + QByteArray::number(n++) +
                 ".example/\"\r\n";
    return bytes;
}

} // namespace

class TestOrganizeFavorites : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void firstWindowReadsTheFile();
    void emptyListShowsNoItems();
    void everyOpenWindowShowsTheList();
    void twoWindowsEachAddingKeepBoth();
    void choosingAFavoriteOpensItHere();
    void aFullListSaysWhy();
    void organizeWindowControls();
    void deleteRefusesTheFirstRowAndNoSelection();
    void deletingRowsThreeThenTwo();
    void renameInPlace();
    void titleEditedToEmptyRemovesEntryZero();
    void helpBoxClosesOnDoubleClick();
    void closingByAnyMeansSaves();
};

void TestOrganizeFavorites::firstWindowReadsTheFile()
{
    Fixture f;
    f.put("\\bookmarks.vro", favoritesFile({"One", "", "Two & more"}));
    QVERIFY(!f.app.favorites().isRead());
    frmbrowser* first = f.open();
    QVERIFY(first);
    QCOMPARE(menuItems(first), (QStringList{u"One"_qs, u"Two && more"_qs}));
    // Read once: a later window shows the list in memory, not the file.
    f.put("\\bookmarks.vro", favoritesFile({"Changed"}));
    frmbrowser* second = f.open();
    QCOMPARE(captions(second), captions(first));
}

void TestOrganizeFavorites::emptyListShowsNoItems()
{
    Fixture f;
    frmbrowser* w = f.open();
    QVERIFY(w);
    QVERIFY(w->mnubook.isEmpty());
    QCOMPARE(w->mnu_favorites->actions().size(), 3);
}

void TestOrganizeFavorites::everyOpenWindowShowsTheList()
{
    Fixture f;
    frmbrowser* a = f.open();
    frmbrowser* b = f.open();
    QVERIFY(a && b);
    f.add(a, u"Page A"_qs, u"https://a.example/"_qs);
    QCOMPARE(menuItems(a), QStringList{u"Page A"_qs});
    QCOMPARE(menuItems(b), QStringList{u"Page A"_qs});
    frmdelete* d = f.organize(b);
    QVERIFY(d);
    d->ListView1->item(0)->setText(u"Renamed"_qs);
    QCOMPARE(menuItems(a), QStringList{u"Renamed"_qs});
    QCOMPARE(menuItems(b), QStringList{u"Renamed"_qs});
    d->close();
}

void TestOrganizeFavorites::twoWindowsEachAddingKeepBoth()
{
    Fixture f;
    frmbrowser* a = f.open();
    frmbrowser* b = f.open();
    f.add(a, u"A"_qs, u"https://a.example/"_qs);
    f.add(b, u"B"_qs, u"https://b.example/"_qs);
    f.add(b, u"B"_qs, u"https://b.example/"_qs);
    QCOMPARE(f.contents("\\bookmarks.vro"),
             QByteArray("\"A\"\r\n\"https://a.example/\"\r\n\"B\"\r\n\"https://b.example/\"\r\n"
                        "\"B\"\r\n\"https://b.example/\"\r\n"));
    QCOMPARE(menuItems(a), (QStringList{u"A"_qs, u"B"_qs, u"B"_qs}));
}

void TestOrganizeFavorites::choosingAFavoriteOpensItHere()
{
    Fixture f;
    f.put("\\bookmarks.vro", favoritesFile({"Zero", "One"}));
    frmbrowser* a = f.open();
    frmbrowser* b = f.open();
    auto* pageA = static_cast<FakeWebBrowser*>(&a->WebBrowser1());
    auto* pageB = static_cast<FakeWebBrowser*>(&b->WebBrowser1());
    pageA->calls.clear();
    pageB->calls.clear();
    b->mnubook[1]->trigger();
    QCOMPARE(pageB->calls, QStringList{u"Navigate https://f1.example/"_qs});
    QVERIFY(pageA->calls.isEmpty());
}

void TestOrganizeFavorites::aFullListSaysWhy()
{
    Fixture f;
    QByteArray full;
    for (int i = 0; i < Favorites::capacity; ++i)
        full += "\"P\"\r\n\"https://p.example/\"\r\n";
    f.put("\\bookmarks.vro", full);
    frmbrowser* w = f.open();
    QVERIFY(w);
    QCOMPARE(w->mnubook.size(), Favorites::capacity);
    f.add(w, u"One too many"_qs, u"https://more.example/"_qs);
    QCOMPARE(f.dialogs.messages(), QStringList{frmbrowser::favoritesFullMessage()});
    QVERIFY(frmbrowser::favoritesFullMessage().contains(u"32768"_qs));
    QCOMPARE(f.contents("\\bookmarks.vro"), full);
    QCOMPARE(w->mnubook.size(), Favorites::capacity);
}

void TestOrganizeFavorites::organizeWindowControls()
{
    Fixture f;
    f.put("\\bookmarks.vro", favoritesFile({"Zero", "One"}));
    frmbrowser* w = f.open();
    frmdelete* d = f.organize(w);
    QVERIFY(d);
    // One window however often it is asked for.
    QCOMPARE(f.organize(w), d);
    QCOMPARE(d->windowTitle(), u"Organize Favorites"_qs);
    QCOMPARE(d->size(), QSize(twips::toPixels(4395), twips::toPixels(4680)));
    QCOMPARE(rows(d), (QStringList{u"Zero"_qs, u"One"_qs}));
    QCOMPARE(d->Label1->text(),
             u"Select then item you want to delete, and press the delete key."_qs);
    QCOMPARE(d->label2->text(), u"Warning: Deleted items cannot be recovered!"_qs);
    QVERIFY(d->label2->font().bold());
    QCOMPARE(d->ListView1->toolTip(), u"Press the delete key to remove"_qs);
    QVERIFY(!d->ListView1->item(1)->icon().isNull());
    QCOMPARE(d->Command4->text(), u"&Delete"_qs);
    QCOMPARE(d->Command3->text(), u"&Help"_qs);
    QCOMPARE(d->Command2->text(), u"&Okay"_qs);
    QCOMPARE(twips::rectOf(d->ListView1), (TwipRect{60, 705, 4230, 3510}));
    QCOMPARE(twips::rectOf(d->Command2), (TwipRect{3255, 4305, 1065, 330}));
    QVERIFY(d->Picture1->isHidden());
    QCOMPARE(d->Text6->toPlainText(),
             u"To delete a favorite:\n\n1) Select \"Organize Favorites\" from the \"Favorites\" "
             "menu\n2) Select the Item you want to delete\n3) Press the \"Delete\" key, or the "
             "\"Delete\" button\n"_qs);
    QCOMPARE(d->Label3->text(), u"(Double Click to Close)"_qs);
    d->close();
}

void TestOrganizeFavorites::deleteRefusesTheFirstRowAndNoSelection()
{
    Fixture f;
    f.put("\\bookmarks.vro", favoritesFile({"Zero", "One"}));
    frmdelete* d = f.organize(f.open());
    d->ListView1->clearSelection();
    d->Command4_Click();
    d->ListView1->setCurrentRow(0);
    QTest::keyClick(d->ListView1, Qt::Key_Delete);
    QCOMPARE(f.dialogs.messages(),
             (QStringList{u"Cannot delete this Item"_qs, u"Cannot delete this Item"_qs}));
    QCOMPARE(rows(d), (QStringList{u"Zero"_qs, u"One"_qs}));
    QCOMPARE(f.app.favorites().size(), 2);
    d->close();
}

void TestOrganizeFavorites::deletingRowsThreeThenTwo()
{
    Fixture f;
    const QByteArray before = favoritesFile({"Zero", "One", "Two", "Three"});
    f.put("\\bookmarks.vro", before);
    frmdelete* d = f.organize(f.open());
    d->ListView1->setCurrentRow(2);
    QTest::keyClick(d->ListView1, Qt::Key_Delete);
    d->ListView1->setCurrentRow(1);
    QTest::mouseClick(d->Command4, Qt::LeftButton);
    QCOMPARE(rows(d), (QStringList{u"Zero"_qs, u"Three"_qs}));
    QVERIFY(f.dialogs.messages().isEmpty());
    // Written when the window closes.
    QCOMPARE(f.contents("\\bookmarks.vro"), before);
    QTest::mouseClick(d->Command2, Qt::LeftButton);
    QCOMPARE(f.contents("\\bookmarks.vro"), QByteArray("\"Zero\"\r\n\"https://f0.example/\"\r\n"
                                                       "\"Three\"\r\n\"https://f3.example/\"\r\n"));
}

void TestOrganizeFavorites::renameInPlace()
{
    Fixture f;
    f.put("\\bookmarks.vro", favoritesFile({"Zero", "One"}));
    f.master->show();
    frmbrowser* w = f.open();
    frmdelete* d = f.organize(w);
    d->show();
    QVERIFY(QTest::qWaitForWindowExposed(d));
    d->ListView1->editItem(d->ListView1->item(1));
    auto* editor = d->ListView1->findChild<QLineEdit*>();
    QVERIFY(editor);
    editor->selectAll();
    QTest::keyClicks(editor, u"Uno, dos"_qs);
    QTest::keyClick(editor, Qt::Key_Return);
    // The list view takes the edit when the event loop next runs.
    QTRY_COMPARE(f.app.favorites().entries()[1].name, u"Uno, dos"_qs);
    QCOMPARE(captions(w), (QStringList{u"Zero"_qs, u"Uno, dos"_qs}));
    d->close();
    QCOMPARE(f.contents("\\bookmarks.vro"),
             QByteArray("\"Zero\"\r\n\"https://f0.example/\"\r\n"
                        "\"Uno, dos\"\r\n\"https://f1.example/\"\r\n"));
}

void TestOrganizeFavorites::titleEditedToEmptyRemovesEntryZero()
{
    Fixture f;
    f.put("\\bookmarks.vro", favoritesFile({"Zero", "One"}));
    frmdelete* d = f.organize(f.open());
    d->ListView1->item(0)->setText(QString());
    d->close();
    // Written as it stands, dropped when read back: gone from the list, and from the file at
    // the next write.
    QCOMPARE(f.app.favorites().size(), 1);
    QCOMPARE(f.app.favorites().entries()[0].name, u"One"_qs);
    QCOMPARE(LinkList::read(f.path("\\bookmarks.vro")).size(), 1);
    f.app.favorites().savebook();
    QCOMPARE(f.contents("\\bookmarks.vro"), QByteArray("\"One\"\r\n\"https://f1.example/\"\r\n"));
}

void TestOrganizeFavorites::helpBoxClosesOnDoubleClick()
{
    Fixture f;
    frmdelete* d = f.organize(f.open());
    for (QWidget* target : {static_cast<QWidget*>(d->Picture1), static_cast<QWidget*>(d->Label3),
                            d->Text6->viewport()}) {
        QTest::mouseClick(d->Command3, Qt::LeftButton);
        QVERIFY(!d->Picture1->isHidden());
        QTest::mouseDClick(target, Qt::LeftButton);
        QVERIFY(d->Picture1->isHidden());
    }
    d->close();
}

void TestOrganizeFavorites::closingByAnyMeansSaves()
{
    Fixture f;
    f.put("\\bookmarks.vro", favoritesFile({"Zero", "One", "Two"}));
    {
        frmdelete* d = f.organize(f.open());
        d->ListView1->setCurrentRow(2);
        d->Command4_Click();
        // The master window goes, and the window with it.
        f.app.setMaster(nullptr);
        f.master.reset();
    }
    QCOMPARE(f.contents("\\bookmarks.vro"),
             QByteArray(
                 "\"Zero\"\r\n\"https://f0.example/\"\r\n\"One\"\r\n\"https://f1.example/\"\r\n"));
}

QTEST_MAIN(TestOrganizeFavorites)
#include "test_organize_favorites.moc"
