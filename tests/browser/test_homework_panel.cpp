#include "browser/HomeworkPanel.h"
#include "browser/frmbrowser.h"
#include "platform/TwipsGeometry.h"
#include "platform/fakes/FakeWebBrowser.h"
#include "support/WindowsFixture.h"

#include <QAction>
#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

using namespace vireo;

namespace {

struct Fixture : test::WindowsFixture {
    Fixture()
    {
        QDir(dir.path()).mkpath(QStringLiteral("homework/science"));
        put("\\help.vhe", "\"Maths\",\"homework\\maths.vht\"\r\n"
                          "\"\",\"homework\\nothing.vht\"\r\n"
                          "\"Science\",\"homework\\science\\science.vht\"\r\n"
                          "\"Art\",\"homework\\missing.vht\"\r\n");
        put("\\homework\\maths.vht", "\"Algebra\",\"homework\\algebra.vhs\"\r\n"
                                     "\"Geometry\",\"homework\\geometry.vhs\"\r\n");
        put("\\homework\\algebra.vhs", "\"Algebra site\",\"https://algebra.example/\"\r\n");
        put("\\homework\\geometry.vhs", "\"Shapes\",\"https://shapes.example/\"\r\n"
                                        "\"Angles\",\"https://angles.example/\"\r\n");
        put("\\homework\\science\\science.vht", "\"Space\",\"homework\\science\\space.vhs\"\r\n");
        put("\\homework\\science\\space.vhs", "\"Planets\",\"https://planets.example/\"\r\n");
    }

    frmbrowser* open()
    {
        auto* w = dynamic_cast<frmbrowser*>(app.newBrowser());
        if (w)
            pages.last()->calls.clear();
        return w;
    }
};

QStringList texts(const QListWidget* list)
{
    QStringList out;
    for (int i = 0; i < list->count(); ++i)
        out.append(list->item(i)->text());
    return out;
}

} // namespace

class TestHomeworkPanel : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void menuCommandOpensThePanelOnTheSubjects();
    void controls();
    void emptySubjectNameKeepsThePairing();
    void subfolderNames();
    void missingTopicFileGivesEmptyLists();
    void namesLeavingTheFolderLoadNothing_data();
    void namesLeavingTheFolderLoadNothing();
    void choosingASiteOpensItHere();
    void reopeningKeepsTopicsAndSites();
    void cancelThenReopenShowsOnlySubjects();
    void instructionsBox();
    void masterButtonOpensANewWindowOnThePanel();
};

void TestHomeworkPanel::menuCommandOpensThePanelOnTheSubjects()
{
    Fixture f;
    frmbrowser* w = f.open();
    QVERIFY(w);
    QVERIFY(w->homework->isHidden());
    QCOMPARE(w->mnu_homeworkhelp->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_E));
    w->mnu_homeworkhelp->trigger();
    QVERIFY(!w->homework->isHidden());
    QCOMPARE(texts(w->homework->List6), (QStringList{u"Maths"_qs, u"Science"_qs, u"Art"_qs}));
    QCOMPARE(w->homework->List1->count(), 3);
    QVERIFY(w->homework->List7->count() == 0 && w->homework->List8->count() == 0);
}

void TestHomeworkPanel::controls()
{
    Fixture f;
    HomeworkPanel* h = f.open()->homework;
    QCOMPARE(twips::rectOf(h), (TwipRect{0, 0, 7335, 4815}));
    QCOMPARE(h->Label20->text(), u"Homework Help"_qs);
    QCOMPARE(h->Label10->text(), u"1.  Select a subject."_qs);
    QCOMPARE(h->Label11->text(), u"2.  Select a specific topic."_qs);
    QCOMPARE(h->Label12->text(), u"3.  Select a site."_qs);
    QCOMPARE(h->Label13->text() + h->Label14->text() + h->Label15->text(), u"1.2.3."_qs);
    QCOMPARE(h->Command10->text(), u"&Cancel"_qs);
    QCOMPARE(h->Command1->text(), u"&Help"_qs);
    QCOMPARE(twips::rectOf(h->List6), (TwipRect{105, 1050, 1485, 1470}));
    QCOMPARE(twips::rectOf(h->List7), (TwipRect{1680, 1035, 2010, 1950}));
    QCOMPARE(twips::rectOf(h->List8), (TwipRect{3780, 1050, 3300, 2505}));
    QCOMPARE(twips::rectOf(h->Command10), (TwipRect{4200, 3615, 1380, 330}));
    QVERIFY(h->List1->isHidden() && h->List4->isHidden() && h->List5->isHidden());
    QVERIFY(h->Picture100->isHidden());
    QCOMPARE(h->Text600->toPlainText(),
             u"How do I get homework help?\n\nTo get homework help:\n\n1) Select a subject.\n"
             "2) Select a specific topic.\n3) Select a site.\n"_qs);
    QCOMPARE(h->Text600->toolTip(), u"Double click to close"_qs);
    QCOMPARE(h->Label3->text(), u"(Double Click to Close)"_qs);
}

void TestHomeworkPanel::emptySubjectNameKeepsThePairing()
{
    Fixture f;
    frmbrowser* w = f.open();
    w->mnu_homeworkhelp->trigger();
    HomeworkPanel* h = w->homework;
    QCOMPARE(texts(h->List1),
             (QStringList{u"homework\\maths.vht"_qs, u"homework\\science\\science.vht"_qs,
                          u"homework\\missing.vht"_qs}));
    h->List6_Click(0);
    QCOMPARE(h->List1->currentRow(), 0);
    QCOMPARE(texts(h->List7), (QStringList{u"Algebra"_qs, u"Geometry"_qs}));
    h->List7_Click(1);
    QCOMPARE(h->List4->currentRow(), 1);
    QCOMPARE(texts(h->List8), (QStringList{u"Shapes"_qs, u"Angles"_qs}));
    QCOMPARE(texts(h->List5),
             (QStringList{u"https://shapes.example/"_qs, u"https://angles.example/"_qs}));
}

void TestHomeworkPanel::subfolderNames()
{
    Fixture f;
    frmbrowser* w = f.open();
    w->mnu_homeworkhelp->trigger();
    w->homework->List6_Click(1);
    QCOMPARE(texts(w->homework->List7), QStringList{u"Space"_qs});
    w->homework->List7_Click(0);
    QCOMPARE(texts(w->homework->List8), QStringList{u"Planets"_qs});
}

void TestHomeworkPanel::missingTopicFileGivesEmptyLists()
{
    Fixture f;
    frmbrowser* w = f.open();
    w->mnu_homeworkhelp->trigger();
    HomeworkPanel* h = w->homework;
    h->List6_Click(0);
    h->List7_Click(0);
    QCOMPARE(h->List8->count(), 1);
    h->List6_Click(2);
    QCOMPARE(h->List7->count(), 0);
    QCOMPARE(h->List4->count(), 0);
    QCOMPARE(h->List8->count(), 0);
    QCOMPARE(h->List5->count(), 0);
    // The rest of the panel goes on working.
    h->List6_Click(0);
    QCOMPARE(h->List7->count(), 2);
}

void TestHomeworkPanel::namesLeavingTheFolderLoadNothing_data()
{
    QTest::addColumn<QByteArray>("name");
    QTest::newRow("dot dot") << QByteArray("..\\outside.vht");
    QTest::newRow("dot dot inside a name") << QByteArray("homework\\..\\..\\outside.vht");
    QTest::newRow("absolute") << QByteArray("/ABSOLUTE/outside.vht");
    QTest::newRow("leading backslash") << QByteArray("\\ABSOLUTE\\outside.vht");
}

// A topic file that does exist outside the program folder stays unread.
void TestHomeworkPanel::namesLeavingTheFolderLoadNothing()
{
    QFETCH(QByteArray, name);
    Fixture f;
    QTemporaryDir outside;
    const QString outsideFile = outside.filePath(u"outside.vht"_qs);
    {
        QFile file(outsideFile);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("\"Not ours\",\"x.vhs\"\r\n");
    }
    // The program folder lies inside the outside folder for the ".." cases.
    QDir(outside.path()).mkpath(u"prog"_qs);
    name.replace("/ABSOLUTE", outside.path().toUtf8());
    name.replace("\\ABSOLUTE", outside.path().toUtf8().replace('/', '\\'));
    App app(f.settings, f.dialogs, ProgramFolder(outside.filePath(u"prog"_qs)));
    QDir(outside.path()).mkpath(u"prog/homework"_qs);
    {
        QFile subjects(app.folder().path(u"\\help.vhe"_qs));
        QVERIFY(subjects.open(QIODevice::WriteOnly));
        subjects.write("\"Escape\",\"" + name + "\"\r\n");
    }
    HomeworkPanel panel(
        app.folder(), [](const QString&) {}, nullptr);
    panel.helpa(app.folder().path(u"\\help.vhe"_qs));
    QCOMPARE(panel.List6->count(), 1);
    panel.List6_Click(0);
    QCOMPARE(panel.List7->count(), 0);
    QCOMPARE(panel.List4->count(), 0);
}

void TestHomeworkPanel::choosingASiteOpensItHere()
{
    Fixture f;
    f.master->show();
    QVERIFY(QTest::qWaitForWindowExposed(f.master.get()));
    frmbrowser* w = f.open();
    w->mnu_homeworkhelp->trigger();
    HomeworkPanel* h = w->homework;
    auto click = [](QListWidget* list, int row) {
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(list->item(row)).center());
    };
    click(h->List6, 0);
    click(h->List7, 1);
    // Moving to a site chooses nothing; Return chooses it.
    h->List8->setFocus();
    QTest::keyClick(h->List8, Qt::Key_Down);
    QTest::keyClick(h->List8, Qt::Key_Down);
    QVERIFY(f.pages.last()->calls.isEmpty());
    QCOMPARE(h->List8->currentRow(), 1);
    QTest::keyClick(h->List8, Qt::Key_Return);
    QCOMPARE(f.pages.last()->calls, QStringList{u"Navigate https://angles.example/"_qs});
    QCOMPARE(h->List5->currentRow(), 1);
    QVERIFY(h->isHidden());
    QCOMPARE(h->List8->count(), 2);
}

void TestHomeworkPanel::reopeningKeepsTopicsAndSites()
{
    Fixture f;
    frmbrowser* w = f.open();
    w->mnu_homeworkhelp->trigger();
    HomeworkPanel* h = w->homework;
    h->List6_Click(0);
    h->List7_Click(1);
    h->List8_Click(0);
    QVERIFY(h->isHidden());
    w->mnu_homeworkhelp->trigger();
    QVERIFY(!h->isHidden());
    QCOMPARE(h->List6->count(), 3);
    QCOMPARE(texts(h->List7), (QStringList{u"Algebra"_qs, u"Geometry"_qs}));
    QCOMPARE(texts(h->List8), (QStringList{u"Shapes"_qs, u"Angles"_qs}));
    // Another subject empties the sites.
    h->List6_Click(1);
    QCOMPARE(texts(h->List7), QStringList{u"Space"_qs});
    QCOMPARE(h->List8->count(), 0);
    QCOMPARE(h->List5->count(), 0);
}

void TestHomeworkPanel::cancelThenReopenShowsOnlySubjects()
{
    Fixture f;
    frmbrowser* w = f.open();
    w->mnu_homeworkhelp->trigger();
    HomeworkPanel* h = w->homework;
    h->List6_Click(0);
    h->List7_Click(0);
    QTest::mouseClick(h->Command10, Qt::LeftButton);
    QVERIFY(h->isHidden());
    for (QListWidget* l : {h->List6, h->List7, h->List8, h->List1, h->List4, h->List5})
        QCOMPARE(l->count(), 0);
    w->mnu_homeworkhelp->trigger();
    QCOMPARE(h->List6->count(), 3);
    QCOMPARE(h->List7->count(), 0);
    QCOMPARE(h->List8->count(), 0);
    QVERIFY(f.pages.last()->calls.isEmpty());
}

void TestHomeworkPanel::instructionsBox()
{
    Fixture f;
    HomeworkPanel* h = f.open()->homework;
    for (QWidget* target : {static_cast<QWidget*>(h->Picture100), static_cast<QWidget*>(h->Label3),
                            h->Text600->viewport()}) {
        QTest::mouseClick(h->Command1, Qt::LeftButton);
        QVERIFY(!h->Picture100->isHidden());
        QTest::mouseDClick(target, Qt::LeftButton);
        QVERIFY(h->Picture100->isHidden());
    }
}

void TestHomeworkPanel::masterButtonOpensANewWindowOnThePanel()
{
    Fixture f;
    f.master->show();
    QVERIFY(QTest::qWaitForWindowExposed(f.master.get()));
    frmbrowser* first = f.open();
    f.master->Image13_Click();
    const QList<QMdiSubWindow*> subs = f.master->controlsForTest().mdiArea->subWindowList();
    QCOMPARE(subs.size(), 2);
    auto* w = qobject_cast<frmbrowser*>(subs.last()->widget());
    QVERIFY(w && w != first);
    QVERIFY(!w->homework->isHidden());
    QVERIFY(first->homework->isHidden());
    QCOMPARE(w->homework->List6->count(), 3);
    QCOMPARE(subs.last()->size(), QSize(twips::toPixels(7435), twips::toPixels(5210)));
    // The master's menu command does the same.
    f.master->controlsForTest().mnu_homeworkhelp->trigger();
    QCOMPARE(f.master->controlsForTest().mdiArea->subWindowList().size(), 3);
}

QTEST_MAIN(TestHomeworkPanel)
#include "test_homework_panel.moc"
