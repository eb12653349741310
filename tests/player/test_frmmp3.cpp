#include "AudioFiles.h"
#include "platform/fakes/MemorySettingsStore.h"
#include "platform/fakes/ScriptedDialogs.h"
#include "player/EventLabel.h"
#include "player/PlaylistFile.h"
#include "player/frmmp3.h"
#include "shell/App.h"
#include "shell/ImageBox.h"
#include "shell/formaster.h"
#include "support/AppFixture.h"
#include "support/TextLists.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

using namespace vireo;
using vireo::test::id3v1;
using vireo::test::sl;

namespace {

QStringList texts(const QListWidget* list)
{
    QStringList out;
    for (int i = 0; i < list->count(); ++i)
        out.append(list->item(i)->text());
    return out;
}

int selectedRow(const QListWidget* list)
{
    const QListWidgetItem* item = list->currentItem();
    return item && item->isSelected() ? list->currentRow() : -1;
}

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A player over a temporary program folder, fake dialogs and settings.
struct Rig : test::AppFixture {

    QString path(const QString& name) const { return dir.filePath(name); }
    QString carryOver() const { return dir.filePath(QStringLiteral("blank.vr3")); }

    QString song(const QString& name, const QByteArray& tag)
    {
        const QString p = path(name);
        vireo::test::writeSong(p, tag);
        return p;
    }

    std::unique_ptr<frmmp3> open()
    {
        auto w = std::make_unique<frmmp3>(app);
        w->setAttribute(Qt::WA_DeleteOnClose, false);
        w->Form_Load();
        return w;
    }
};

Playlist threeSongs()
{
    Playlist list;
    list.append(QStringLiteral("A - One"), QStringLiteral("/m/1.mp3"));
    list.append(QStringLiteral("B - Two"), QStringLiteral("/m/2.mp3"));
    list.append(QStringLiteral("C - Three"), QStringLiteral("/m/3.mp3"));
    return list;
}

} // namespace

class TestFrmmp3 : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void windowFrame();
    void opensWithPlayFocused();
    void addSong_data();
    void addSong();
    void deleteSong_data();
    void deleteSong();
    void loadList();
    void loadListCancelled();
    void saveListWritesWithoutDialog();
    void clearAllThenSaveAsksForAName();
    void saveDialogCancelledWritesNothing();
    void failedSaveReportsNothing();
    void carryOverRoundTrip();
    void partlyReadCarryOverIsKept_data();
    void partlyReadCarryOverIsKept();
    void foldAndHelp();
    void masterOpensCommandLinePlaylist_data();
    void masterOpensCommandLinePlaylist();
    void closingTheMasterKeepsThePlaylist();
    void nulPaddedTagShowsAsTheControlsShowIt();
};

void TestFrmmp3::nulPaddedTagShowsAsTheControlsShowIt()
{
    // Taggers often pad ID3v1 fields with NULs. The tag's fields keep them; every control shows
    // its text up to the first NUL, and what is saved from the lists holds none.
    Rig rig;
    const QString file =
        rig.song(QStringLiteral("padded.mp3"), id3v1("Song", "Band", "", "", "", 17, "TAG", '\0'));
    auto w = rig.open();
    rig.dialogs.fileAnswers << file;
    QTest::mouseClick(w->Label13, Qt::LeftButton);
    QCOMPARE(w->mp3.Artist(), QStringLiteral("Band") + QString(26, QChar(u'\0')));
    QCOMPARE(texts(w->List2), QStringList{QStringLiteral("Band")});
    QCOMPARE(texts(w->List3), QStringList{file});

    w->List2_DblClick(0);
    QCOMPARE(w->Label69->text(), QStringLiteral("Artist: Band"));
    QCOMPARE(w->windowTitle(), QStringLiteral("MP3 Player (Band"));
    // A whole turn of the scroll text (30 spaces, the two padded fields and " - ").
    bool bandShown = false;
    for (int tick = 0; tick < 30 + 30 + 3 + 30; ++tick) {
        w->Timer3_Timer();
        QVERIFY2(!w->Label666->text().contains(QChar(u'\0')), qPrintable(QString::number(tick)));
        bandShown = bandShown || w->Label666->text().endsWith(QLatin1String("Band"));
    }
    QVERIFY(bandShown);

    const QString saved = rig.path(QStringLiteral("saved.vr3"));
    w->setPlaylistPath(saved);
    QTest::mouseClick(w->Label12, Qt::LeftButton);
    QCOMPARE(PlaylistFile::load(saved).names(), QStringList{QStringLiteral("Band")});
    QVERIFY(!readAll(saved).contains('\0'));
    w->close();
    QCOMPARE(PlaylistFile::load(rig.carryOver()).names(), QStringList{QStringLiteral("Band")});
    QVERIFY(!readAll(rig.carryOver()).contains('\0'));
}

void TestFrmmp3::windowFrame()
{
    Rig rig;
    auto w = rig.open();
    QCOMPARE(w->windowTitle(), QStringLiteral("MP3 Player"));
    QVERIFY(w->windowFlags().testFlag(Qt::FramelessWindowHint));
    QVERIFY(w->isWindow());
    QCOMPARE(w->Label16->text(), QStringLiteral("MP3 Player"));
    QVERIFY(w->findChild<QListWidget*>(QStringLiteral("List2")) == w->List2);
    QVERIFY(w->List3->isHidden());
    QVERIFY(w->Text100->isHidden());
    QVERIFY(w->Text100->text().isEmpty());
    QCOMPARE(w->height(), 351);
    const std::pair<EventLabel*, const char*> editor[] = {
        {w->Label13, "Add a Song"},      {w->Label14, "Delete a Song"},   {w->Label15, "Clear All"},
        {w->Label11, "Load a Playlist"}, {w->Label12, "Save a Playlist"},
    };
    for (const auto& [label, tip] : editor)
        QCOMPARE(label->toolTip(), QString::fromUtf8(tip));
    QCOMPARE(w->pctLoad->toolTip(), QStringLiteral("Load"));
    QVERIFY(w->Label9->isVisibleTo(w.get()));
}

void TestFrmmp3::opensWithPlayFocused()
{
    Rig rig;
    auto w = rig.open();
    w->show();
    w->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(w.get()));
    QCOMPARE(QApplication::focusWidget(), w->pctPlayD);
}

void TestFrmmp3::addSong_data()
{
    QTest::addColumn<bool>("byButton");
    QTest::addColumn<QByteArray>("tag");
    QTest::addColumn<QString>("shown"); // "<path>" stands for the file's full path
    QTest::newRow("Add Song, tagged")
        << false << id3v1("Song", "Band", "", "", "", 17) << "Band - Song";
    QTest::newRow("Load button, tagged") << true << id3v1("  Song  ", "Band  ") << "Band -   Song";
    QTest::newRow("no artist shows the path") << false << id3v1("Song") << "<path>";
    QTest::newRow("no tag shows the path") << true << QByteArray() << "<path>";
}

void TestFrmmp3::addSong()
{
    QFETCH(bool, byButton);
    QFETCH(QByteArray, tag);
    QFETCH(QString, shown);
    Rig rig;
    auto w = rig.open();
    const QString file = rig.song(QStringLiteral("my song.mp3"), tag);
    rig.dialogs.fileAnswers << file;
    if (byButton)
        QTest::mouseClick(w->pctLoad, Qt::LeftButton);
    else
        QTest::mouseClick(w->Label13, Qt::LeftButton);

    QCOMPARE(rig.dialogs.shown.size(), 1);
    const auto& shownDialog = rig.dialogs.shown.first();
    QCOMPARE(shownDialog.kind, ScriptedDialogs::Shown::Open);
    QCOMPARE(shownDialog.request.title, QStringLiteral("Browse for you file."));
    QCOMPARE(shownDialog.request.filter,
             QStringLiteral("MP3 Files(*.mp3)|*.mp3|Wav Files(*.wav)|*.wav"));
    QCOMPARE(shownDialog.request.initialName, QString());
    QCOMPARE(shownDialog.request.initialFolder, QDir::currentPath());

    QCOMPARE(texts(w->List2), QStringList{shown == QLatin1String("<path>") ? file : shown});
    QCOMPARE(texts(w->List3), QStringList{file});
    QCOMPARE(selectedRow(w->List2), -1);

    // A cancelled dialog adds nothing; a double-click (a click, then the double-click's own
    // events) asks once.
    QTest::mouseClick(w->Label13, Qt::LeftButton);
    QTest::mouseDClick(w->Label13, Qt::LeftButton);
    QCOMPARE(rig.dialogs.shown.size(), 2);
    QCOMPARE(w->List2->count(), 1);
    QCOMPARE(w->List3->count(), 1);
}

void TestFrmmp3::deleteSong_data()
{
    QTest::addColumn<int>("selected");
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QStringList>("paths");
    QTest::newRow("no selection") << -1 << threeSongs().names() << threeSongs().paths();
    QTest::newRow("second of three")
        << 1 << sl({"A - One", "C - Three"}) << sl({"/m/1.mp3", "/m/3.mp3"});
    QTest::newRow("last") << 2 << sl({"A - One", "B - Two"}) << sl({"/m/1.mp3", "/m/2.mp3"});
}

void TestFrmmp3::deleteSong()
{
    QFETCH(int, selected);
    Rig rig;
    QVERIFY(PlaylistFile::save(rig.path(QStringLiteral("three.vr3")), threeSongs()));
    auto w = rig.open();
    w->loadplaylist(rig.path(QStringLiteral("three.vr3")));
    if (selected >= 0) {
        const QRect row = w->List2->visualItemRect(w->List2->item(selected));
        QTest::mouseClick(w->List2->viewport(), Qt::LeftButton, {}, row.center());
        QCOMPARE(selectedRow(w->List3), selected);
    }
    QTest::mouseClick(w->Label14, Qt::LeftButton);
    QTEST(texts(w->List2), "names");
    QTEST(texts(w->List3), "paths");
    QCOMPARE(selectedRow(w->List2), -1);
    // Nothing selected now: a second press deletes nothing.
    QTest::mouseClick(w->Label14, Qt::LeftButton);
    QTEST(texts(w->List2), "names");
}

void TestFrmmp3::loadList()
{
    Rig rig;
    const QString list = rig.path(QStringLiteral("three.vr3"));
    QVERIFY(PlaylistFile::save(list, threeSongs()));
    auto w = rig.open();
    rig.dialogs.fileAnswers << list;
    QTest::mouseClick(w->Label11, Qt::LeftButton);
    QCOMPARE(rig.dialogs.shown.size(), 1);
    QCOMPARE(rig.dialogs.shown[0].kind, ScriptedDialogs::Shown::Open);
    QCOMPARE(rig.dialogs.shown[0].request.title, QStringLiteral("Browse for you file."));
    QCOMPARE(rig.dialogs.shown[0].request.filter, QStringLiteral("Vireo Playlists(*.vr3)|*.vr3"));
    QCOMPARE(rig.dialogs.shown[0].request.initialName, QString());
    QCOMPARE(w->Text100->text(), list);
    QCOMPARE(w->playlist(), threeSongs());
    QCOMPARE(selectedRow(w->List2), -1);
    QCOMPARE(selectedRow(w->List3), -1);
}

void TestFrmmp3::loadListCancelled()
{
    Rig rig;
    const QString list = rig.path(QStringLiteral("three.vr3"));
    QVERIFY(PlaylistFile::save(list, threeSongs()));
    auto w = rig.open();
    w->loadplaylist(list);
    w->setPlaylistPath(list);
    QTest::mouseClick(w->Label11, Qt::LeftButton);
    QCOMPARE(rig.dialogs.shown.size(), 1);
    QCOMPARE(w->playlist(), threeSongs());
    QCOMPARE(w->Text100->text(), list);
}

void TestFrmmp3::saveListWritesWithoutDialog()
{
    Rig rig;
    const QString from = rig.path(QStringLiteral("three.vr3"));
    const QString to = rig.path(QStringLiteral("copy.vr3"));
    QVERIFY(PlaylistFile::save(from, threeSongs()));
    auto w = rig.open();
    w->loadplaylist(from);
    w->setPlaylistPath(to);
    QTest::mouseClick(w->Label12, Qt::LeftButton);
    QVERIFY(rig.dialogs.shown.isEmpty());
    QCOMPARE(readAll(to), readAll(from));
    // Saving walks the entries; the last one stays selected in both lists.
    QCOMPARE(selectedRow(w->List2), 2);
    QCOMPARE(selectedRow(w->List3), 2);
}

void TestFrmmp3::clearAllThenSaveAsksForAName()
{
    Rig rig;
    const QString list = rig.path(QStringLiteral("three.vr3"));
    QVERIFY(PlaylistFile::save(list, threeSongs()));
    auto w = rig.open();
    rig.dialogs.fileAnswers << list;
    QTest::mouseClick(w->Label11, Qt::LeftButton);
    QTest::mouseClick(w->Label15, Qt::LeftButton);
    QCOMPARE(w->List2->count(), 0);
    QCOMPARE(w->List3->count(), 0);
    QVERIFY(w->Text100->text().isEmpty());

    const QString fresh = rig.path(QStringLiteral("fresh.vr3"));
    rig.dialogs.fileAnswers << fresh;
    QTest::mouseClick(w->Label12, Qt::LeftButton);
    QCOMPARE(rig.dialogs.shown.size(), 2);
    const auto& save = rig.dialogs.shown[1];
    QCOMPARE(save.kind, ScriptedDialogs::Shown::Save);
    QCOMPARE(save.request.title, QStringLiteral("Save as"));
    QCOMPARE(save.request.filter, QStringLiteral("Vireo Playlists (*.vr3)|*.vr3"));
    QCOMPARE(save.request.initialName, QStringLiteral("untitled.vr3"));
    QCOMPARE(save.request.initialFolder, QDir::currentPath());
    QCOMPARE(w->Text100->text(), fresh);
    QVERIFY(QFile::exists(fresh));
    QCOMPARE(readAll(fresh), QByteArray());
    // The file the playlist came from is untouched.
    QCOMPARE(PlaylistFile::load(list), threeSongs());
}

void TestFrmmp3::saveDialogCancelledWritesNothing()
{
    Rig rig;
    auto w = rig.open();
    const QString file = rig.song(QStringLiteral("a.mp3"), id3v1("Song", "Band"));
    rig.dialogs.fileAnswers << file;
    QTest::mouseClick(w->Label13, Qt::LeftButton);
    const QStringList before = QDir(rig.dir.path()).entryList(QDir::Files);
    QTest::mouseClick(w->Label12, Qt::LeftButton);
    QCOMPARE(rig.dialogs.shown.size(), 2);
    QCOMPARE(rig.dialogs.shown[1].kind, ScriptedDialogs::Shown::Save);
    QVERIFY(w->Text100->text().isEmpty());
    QCOMPARE(QDir(rig.dir.path()).entryList(QDir::Files), before);
    QCOMPARE(w->List2->count(), 1);
}

void TestFrmmp3::failedSaveReportsNothing()
{
    Rig rig;
    QVERIFY(vireo::test::writeFile(rig.path(QStringLiteral("plain")), "x"));
    auto w = rig.open();
    w->setPlaylistPath(rig.path(QStringLiteral("plain/list.vr3")));
    w->saveplaylist();
    QVERIFY(rig.dialogs.shown.isEmpty());
    QCOMPARE(w->Text100->text(), rig.path(QStringLiteral("plain/list.vr3")));
}

void TestFrmmp3::carryOverRoundTrip()
{
    Rig rig;
    const QString tagged = rig.song(QStringLiteral("a.mp3"), id3v1("Song", "Band"));
    const QString untagged = rig.song(QStringLiteral("b.wav"), QByteArray());
    {
        auto w = rig.open();
        QCOMPARE(w->List2->count(), 0); // no carry-over file yet
        rig.dialogs.fileAnswers << tagged << untagged;
        QTest::mouseClick(w->Label13, Qt::LeftButton);
        QTest::mouseClick(w->pctLoad, Qt::LeftButton);
        w->setPlaylistPath(rig.path(QStringLiteral("other.vr3")));
        QTest::mouseClick(w->Image2, Qt::LeftButton);
        QVERIFY(!w->isVisible());
    }
    QCOMPARE(readAll(rig.carryOver()),
             QByteArray("\"Band - Song\"\r\n\"" + tagged.toUtf8() + "\"\r\n\"" + untagged.toUtf8() +
                        "\"\r\n\"" + untagged.toUtf8() + "\"\r\n"));
    QVERIFY(!QFile::exists(rig.path(QStringLiteral("other.vr3"))));

    auto again = rig.open();
    QCOMPARE(texts(again->List2), (QStringList{QStringLiteral("Band - Song"), untagged}));
    QCOMPARE(texts(again->List3), (QStringList{tagged, untagged}));
    QVERIFY(again->Text100->text().isEmpty());
    QCOMPARE(selectedRow(again->List2), -1);

    // Emptied and closed: the next load starts empty.
    QTest::mouseClick(again->Label15, Qt::LeftButton);
    again->close();
    QCOMPARE(readAll(rig.carryOver()), QByteArray());
    QCOMPARE(rig.open()->List2->count(), 0);
}

void TestFrmmp3::partlyReadCarryOverIsKept_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::newRow("nothing but quotes") << QByteArray(1 << 20, '"');
    QTest::newRow("one long line") << QByteArray(10 << 20, 'x');
    QTest::newRow("a pair, then text after a quote")
        << QByteArray("\"A\"\r\n\"/m/a.mp3\"\r\n\"B\" and more\r\n\"/m/b.mp3\"\r\n");
}

// What the player could not read whole is not saved over at close: the list it shows holds
// less than the file. Once the user changes the list, the list is what is saved.
void TestFrmmp3::partlyReadCarryOverIsKept()
{
    QFETCH(QByteArray, content);
    Rig rig;
    {
        QFile file(rig.carryOver());
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
    }
    rig.open()->close();
    QCOMPARE(readAll(rig.carryOver()), content);

    auto w = rig.open();
    rig.dialogs.fileAnswers << rig.song(QStringLiteral("a.mp3"), id3v1("Song", "Band"));
    QTest::mouseClick(w->Label13, Qt::LeftButton);
    w->close();
    QVERIFY(readAll(rig.carryOver()).contains("Band - Song"));
}

void TestFrmmp3::foldAndHelp()
{
    Rig rig;
    auto w = rig.open();
    QCOMPARE(w->height(), 351);
    QTest::mouseClick(w->Picture5, Qt::LeftButton);
    QCOMPARE(w->height(), 141);
    QTest::mouseClick(w->Image5, Qt::LeftButton);
    QCOMPARE(w->height(), 141);
    QTest::mouseClick(w->Picture5, Qt::LeftButton);
    QCOMPARE(w->height(), 351);
    QTest::mouseClick(w->Image5, Qt::LeftButton);
    QCOMPARE(w->height(), 141);

    QTest::mouseClick(w->Picture5, Qt::LeftButton);
    QVERIFY(!w->Picture100->isVisibleTo(w.get()));
    QTest::mouseClick(w->Label10, Qt::LeftButton);
    QVERIFY(w->Picture100->isVisibleTo(w.get()));
    QTest::mouseDClick(w->Label23, Qt::LeftButton);
    QVERIFY(!w->Picture100->isVisibleTo(w.get()));
}

void TestFrmmp3::masterOpensCommandLinePlaylist_data()
{
    QTest::addColumn<QString>("commandLine"); // "<list>" stands for an existing playlist file
    QTest::addColumn<QString>("mp3Disabled");
    QTest::addColumn<bool>("opens");
    QTest::addColumn<int>("entries");
    QTest::newRow("existing .vr3 file") << "<list>"
                                        << "" << true << 3;
    QTest::newRow("existing file, MP3 tools disabled") << "<list>"
                                                       << "1" << false << 0;
    QTest::newRow("text with a backslash") << "C:\\Music\\party.vr3"
                                           << "0" << true << 0;
    QTest::newRow("backslash, MP3 tools disabled") << "C:\\Music\\party.vr3"
                                                   << "1" << false << 0;
    QTest::newRow("missing .vr3 without backslash") << "/nowhere/list.vr3"
                                                    << "" << false << 0;
    QTest::newRow("no command line") << ""
                                     << "" << false << 0;
}

void TestFrmmp3::masterOpensCommandLinePlaylist()
{
    QFETCH(QString, commandLine);
    QFETCH(QString, mp3Disabled);
    QFETCH(bool, opens);
    QFETCH(int, entries);
    Rig rig;
    const QString list = rig.path(QStringLiteral("party.vr3"));
    QVERIFY(PlaylistFile::save(list, threeSongs()));
    // A carry-over file too: the command-line playlist replaces it.
    Playlist old;
    old.append(QStringLiteral("Old"), QStringLiteral("/m/old.mp3"));
    QVERIFY(PlaylistFile::save(rig.carryOver(), old));
    if (commandLine == QLatin1String("<list>"))
        commandLine = list;
    rig.settings.write(QStringLiteral("vro"), QStringLiteral("settings"), QStringLiteral("1"),
                       mp3Disabled);
    rig.app.commandLine = commandLine;
    rig.app.mp3Kind = {&frmmp3::create, false};

    formaster master(rig.app);
    rig.app.setMaster(&master);
    master.MDIForm_Load();
    QPointer<QWidget> opened = rig.app.openWindow(rig.app.mp3Kind);
    QCOMPARE(!opened.isNull(), opens);
    if (opened) {
        auto* player = qobject_cast<frmmp3*>(opened.data());
        QVERIFY(player);
        QVERIFY(player->isVisible());
        QCOMPARE(player->List2->count(), entries);
        QCOMPARE(player->List3->count(), entries);
        QCOMPARE(player->Text100->text(), commandLine);
        delete opened.data();
    }
    rig.app.setMaster(nullptr);
}

void TestFrmmp3::closingTheMasterKeepsThePlaylist()
{
    Rig rig;
    rig.app.mp3Kind = {&frmmp3::create, false};
    formaster master(rig.app);
    rig.app.setMaster(&master);
    master.MDIForm_Load();
    master.show();
    master.Image7_Click();
    QPointer<QWidget> opened = rig.app.openWindow(rig.app.mp3Kind);
    QVERIFY(opened);
    const QString song = rig.song(QStringLiteral("a.mp3"), id3v1("Song", "Band"));
    rig.dialogs.fileAnswers << song;
    qobject_cast<frmmp3*>(opened.data())->Label13_Click();
    QVERIFY(master.close());
    QVERIFY(rig.app.hasEnded());
    QCOMPARE(PlaylistFile::load(rig.carryOver()).paths(), QStringList{song});
    delete opened.data();
    rig.app.setMaster(nullptr);
}

QTEST_MAIN(TestFrmmp3)
#include "test_frmmp3.moc"
