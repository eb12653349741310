#include "browser/frmbrowser.h"
#include "platform/fakes/FakeWebBrowser.h"
#include "support/WindowsFixture.h"

#include <QAction>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QTest>

using namespace vireo;

namespace {

struct Fixture : test::WindowsFixture {
    frmbrowser* open()
    {
        auto* w = dynamic_cast<frmbrowser*>(app.newBrowser());
        if (w)
            pages.last()->calls.clear();
        return w;
    }

    void show()
    {
        master->show();
        QVERIFY(QTest::qWaitForWindowExposed(master.get()));
    }
};

QStringList texts(const QListWidget* list)
{
    QStringList out;
    for (int i = 0; i < list->count(); ++i)
        out.append(list->item(i)->text());
    return out;
}

QAction* command(frmbrowser* w, const QString& caption)
{
    for (QAction* a : w->mnu_entertainment->actions()) {
        if (a->text() == caption)
            return a;
    }
    return nullptr;
}

void clickRow(QListWidget* list, int row)
{
    const QRect rect = list->visualItemRect(list->item(row));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, rect.center());
}

} // namespace

class TestLinkPanel : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void categoryReadsItsFile_data();
    void categoryReadsItsFile();
    void anotherCategoryReplacesTheLinks();
    void clickOpensTheAddressUnchanged();
    void categoryChosenAgainRereadsItsFile();
    void missingFileGivesAnEmptyTitledPanel();
};

void TestLinkPanel::categoryReadsItsFile_data()
{
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("file");
    QTest::newRow("Bands") << u"Bands"_qs << u"\\bands.vro"_qs;
    QTest::newRow("Chat") << u"Chat"_qs << u"\\chat.vro"_qs;
    QTest::newRow("Magazines") << u"Magazines"_qs << u"\\magazines.vro"_qs;
    QTest::newRow("Movies") << u"Movies"_qs << u"\\movies.vro"_qs;
    QTest::newRow("Music") << u"Music"_qs << u"\\music.vro"_qs;
    QTest::newRow("Sports") << u"Sports"_qs << u"\\sports.vro"_qs;
    QTest::newRow("TV") << u"TV"_qs << u"\\tv.vro"_qs;
    QTest::newRow("Video Games") << u"Video Games"_qs << u"\\videogames.vro"_qs;
}

// Each category first in a new window: its own title and the links of its own file only.
void TestLinkPanel::categoryReadsItsFile()
{
    QFETCH(QString, caption);
    QFETCH(QString, file);
    Fixture f;
    for (const char* other : {"\\bands.vro", "\\chat.vro", "\\magazines.vro", "\\movies.vro",
                              "\\music.vro", "\\sports.vro", "\\tv.vro", "\\videogames.vro"})
        f.put(other, "\"Some other list\",\"https://other.example/\"\r\n");
    f.put(file.toLatin1().constData(),
          "\"Site of " + caption.toUtf8() + "\",\"https://" + file.mid(1).toLatin1() + "/\"\r\n");
    frmbrowser* w = f.open();
    QVERIFY(w);
    QAction* action = command(w, caption);
    QVERIFY(action);
    action->trigger();
    QCOMPARE(w->Label1->text(), caption);
    QVERIFY(!w->List2->isHidden());
    QCOMPARE(texts(w->List2), QStringList{u"Site of "_qs + caption});
    QCOMPARE(texts(w->List3), QStringList{u"https://"_qs + file.mid(1) + u"/"_qs});
}

void TestLinkPanel::anotherCategoryReplacesTheLinks()
{
    Fixture f;
    f.put("\\bands.vro", "\"Band A\",\"https://band-a.example/\"\r\n"
                         "\"Band B\",\"https://band-b.example/\"\r\n"
                         "\"Band C\",\"https://band-c.example/\"\r\n");
    f.put("\\chat.vro", "\"Chat, the first\",\"https://chat-1.example/\"\r\n"
                        "\"\",\"https://no-name.example/\"\r\n"
                        "\"Chat 2\",\"https://chat-2.example/\"\r\n");
    f.show();
    frmbrowser* w = f.open();
    QVERIFY(w);
    w->mnu_bands->trigger();
    QCOMPARE(w->List2->count(), 3);
    w->mnu_chat->trigger();
    QCOMPARE(w->Label1->text(), u"Chat"_qs);
    QCOMPARE(texts(w->List2), (QStringList{u"Chat, the first"_qs, u"Chat 2"_qs}));
    QCOMPARE(texts(w->List3),
             (QStringList{u"https://chat-1.example/"_qs, u"https://chat-2.example/"_qs}));
    clickRow(w->List2, 0);
    QCOMPARE(f.pages.last()->calls, QStringList{u"Navigate https://chat-1.example/"_qs});
    QCOMPARE(w->List3->currentRow(), 0);
    clickRow(w->List2, 1);
    QCOMPARE(f.pages.last()->calls.last(), u"Navigate https://chat-2.example/"_qs);
    QCOMPARE(w->List3->currentRow(), 1);
    // From the keyboard: the arrows move, Return opens.
    QTest::keyClick(w->List2, Qt::Key_Up);
    QCOMPARE(f.pages.last()->calls.size(), 2);
    QTest::keyClick(w->List2, Qt::Key_Return);
    QCOMPARE(f.pages.last()->calls.last(), u"Navigate https://chat-1.example/"_qs);
}

void TestLinkPanel::clickOpensTheAddressUnchanged()
{
    Fixture f;
    f.put("\\music.vro", "\"Odd\",\"  www.example.com/a b?x=R&B \"\r\n");
    frmbrowser* w = f.open();
    QVERIFY(w);
    w->mnu_music->trigger();
    w->List2_Click(0);
    QCOMPARE(f.pages.last()->calls, QStringList{u"Navigate   www.example.com/a b?x=R&B "_qs});
}

void TestLinkPanel::categoryChosenAgainRereadsItsFile()
{
    Fixture f;
    f.put("\\sports.vro", "\"Before\",\"https://before.example/\"\r\n");
    frmbrowser* w = f.open();
    QVERIFY(w);
    w->mnu_sports->trigger();
    QCOMPARE(texts(w->List2), QStringList{u"Before"_qs});
    f.put("\\sports.vro", "\"After\",\"https://after.example/\"\r\n"
                          "\"And more\",\"https://more.example/\"\r\n");
    w->mnu_sports->trigger();
    QCOMPARE(texts(w->List2), (QStringList{u"After"_qs, u"And more"_qs}));
    QCOMPARE(w->List3->count(), 2);
}

void TestLinkPanel::missingFileGivesAnEmptyTitledPanel()
{
    Fixture f;
    f.put("\\bands.vro", "\"Band\",\"https://band.example/\"\r\n");
    frmbrowser* w = f.open();
    QVERIFY(w);
    w->mnu_bands->trigger();
    w->mnu_videogames->trigger();
    QCOMPARE(w->Label1->text(), u"Video Games"_qs);
    QVERIFY(!w->Picture1->isHidden());
    QVERIFY(!w->List2->isHidden());
    QCOMPARE(w->List2->count(), 0);
    QCOMPARE(w->List3->count(), 0);
}

QTEST_MAIN(TestLinkPanel)
#include "test_link_panel.moc"
