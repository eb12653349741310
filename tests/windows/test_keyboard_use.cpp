#include "windows/WindowOpeners.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QTest>

using namespace vireo;
using namespace vireo::test;

namespace {

QString nameOf(const QWidget* w)
{
    if (!w)
        return QStringLiteral("(none)");
    if (!w->objectName().isEmpty())
        return w->objectName();
    if (const auto* button = qobject_cast<const QAbstractButton*>(w))
        return button->text();
    return w->accessibleName();
}

// A shown control of the window by its object name, or by its accessible name.
QWidget* control(QWidget* window, const QString& name)
{
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (w->isVisible() && (w->objectName() == name || w->accessibleName() == name))
            return w;
    }
    return nullptr;
}

QWidget* openAndActivate(WindowsFixture& f, const char* windowName)
{
    for (const WindowOpener& opener : windowOpeners()) {
        if (qstrcmp(opener.name, windowName) != 0)
            continue;
        QWidget* window = opener.open(f);
        if (!window)
            return nullptr;
        window->window()->activateWindow();
        return QTest::qWaitForWindowActive(window->window()) ? window : nullptr;
    }
    return nullptr;
}

// Where Tab takes the focus from `first`, until it comes back to it, or stays where it is, or 80
// steps. A control that keeps the focus on Tab ends the list with "(Tab stays)": an editor that
// takes Tab as a character, or a control with stops of its own, as a label's links.
QStringList tabStops(QWidget* first)
{
    first->setFocus(Qt::TabFocusReason);
    QStringList stops{nameOf(QApplication::focusWidget())};
    for (int i = 0; i < 80; ++i) {
        QWidget* before = QApplication::focusWidget();
        QTest::keyClick(before, Qt::Key_Tab);
        QWidget* now = QApplication::focusWidget();
        if (!now || now == first)
            break;
        if (now == before) {
            stops.append(QStringLiteral("(Tab stays)"));
            break;
        }
        stops.append(nameOf(now));
    }
    return stops;
}

// The Tab order of each window, as laid out: top to bottom, left to right within a row.
struct TabCase {
    const char* window;
    QStringList stops;
};

const std::vector<TabCase>& tabCases()
{
    auto split = [](const char* names) { return QString::fromUtf8(names).split(u" > "_qs); };
    static const std::vector<TabCase> cases = {
        {"master", split("Image1 > Image2 > Image3 > Image4 > Image5 > Image6 > Image9 > Image12 > "
                         "Image13 > Image7 > Image8 > Image14 > Combo1")},
        {"browser, link panel", split("List2 > label2")},
        {"browser, homework help", split("List6 > List7 > List8 > Command10 > Command1")},
        {"browser, IM panel",
         split("Label5 > Label8 > screenname > message > Command6 > Command7")},
        {"player",
         split("pctMin > Image2 > Slider1 > pctRRD > pctPlayD > pctPauseD > pctStopD > pctFFD > "
               "pctLoad > Label17 > Label18 > Label1 > label2 > HScroll1 > lblMute > Label4 > "
               "HScroll2 > Picture5 > Image5 > List2 > Label13 > Label14 > Label15 > Label11 > "
               "Label12 > Label6 > Label9 > Label10")},
        // The help panel takes the playlist's place: what it covers is out of reach.
        {"player, help",
         split("Text600 > Label23 > pctMin > Image2 > Slider1 > pctRRD > pctPlayD > pctPauseD > "
               "pctStopD > "
               "pctFFD > pctLoad > Label17 > Label18 > Label1 > label2 > HScroll1 > lblMute > "
               "Label4 > HScroll2 > Picture5")},
        {"options", split("Command7 > Command6 > chkPopups > txtStartPage > cmdOK > cmdCancel")},
        {"options, teen options",
         split("pimpassword > journal_password > Old Password: > New Password: > "
               "Confirm Password: > Command3 > Command5 > cmdOK > cmdCancel")},
        {"options, parental options",
         split("chkLimit > chkOthers > txtSpeed > hsbSpeed > chkMp3 > chkLog > chkSearch > "
               "Command4 > Old Password: > New Password: > Confirm Password: > Command1 > "
               "Command2 > cmdOK > cmdCancel")},
        {"configuration",
         split("parentalSet > parentalConfirm > teenSet > teenConfirm > Command1")},
        {"parental override", split("Text6 > Command6 > Command7")},
        {"open", split("Text1 > Command3 > Command4 > Command5")},
        {"web search", split("Text2 > Command9 > Command8")},
        {"mp3 search", split("Text7 > Command11 > Command10")},
        {"organize favorites", split("ListView1 > Command4 > Command3 > Command2")},
        {"phone book",
         split(
             "gocrypt > gosave > gotrash > gocopy > gopaste > goprint > gohelp > List1 > gotras > "
             "namet > phone > emailk > Combo3 > Combo2 > Combo4 > Combo5 > age > address > "
             "commentsk > Command6")},
        // Only the logon panel: nothing behind it is reached.
        {"phone book, logon", split("Password: > OK > Cancel > changePassword")},
        // The editor takes Tab as a character: it is the last stop, left with Shift+Tab.
        {"journal", split("gosave > gotras > ope > gocopy > gocut > gopaste > goprint > gotime > "
                          "gocrypt > gohelp > journaltext > (Tab stays)")},
        {"journal, logon", split("Password: > OK > Cancel > changePassword")},
        {"about", split("cmdOK")},
    };
    return cases;
}

bool shown(QWidget* window, const char* name)
{
    return window->findChild<QWidget*>(QLatin1String(name)) &&
           window->findChild<QWidget*>(QLatin1String(name))->isVisible();
}

// What the fake page components of the browser windows were asked to do, joined.
QString pageCalls(const WindowsFixture& f)
{
    QStringList calls;
    for (const auto& page : f.pages) {
        if (page)
            calls += page->calls;
    }
    return calls.join(QLatin1Char('\n'));
}

// A key typed in a control of a window, and what must follow: an empty answer from `check`,
// or what went wrong.
struct KeyCase {
    const char* name;
    const char* window;
    const char* focus;
    const char* typed;
    Qt::Key key;
    std::function<QString(WindowsFixture&, QWidget* window)> check;
};

QString expect(bool ok, const char* what)
{
    return ok ? QString() : QString::fromUtf8(what);
}

const std::vector<KeyCase>& keyCases()
{
    using F = WindowsFixture;
    static const std::vector<KeyCase> cases = {
        {"launcher: Space on Web Browser! opens a browser window", "master", "Image6", "",
         Qt::Key_Space,
         [](F& f, QWidget*) { return expect(f.pages.size() == 1, "no browser window"); }},
        {"launcher: Return on MP3! opens the player", "master", "Image7", "", Qt::Key_Return,
         [](F& f, QWidget*) { return expect(f.app.openWindow(f.app.mp3Kind), "no player"); }},
        {"Organize Favorites: Return in the list is Okay", "organize favorites", "ListView1", "",
         Qt::Key_Return, [](F&, QWidget* w) { return expect(!w->isVisible(), "still open"); }},
        {"Organize Favorites: Escape closes", "organize favorites", "ListView1", "", Qt::Key_Escape,
         [](F&, QWidget* w) { return expect(!w->isVisible(), "still open"); }},
        {"Organize Favorites: Escape closes the help box first", "organize favorites, help",
         "Command3", "", Qt::Key_Escape,
         [](F&, QWidget* w) {
             return expect(w->isVisible() && !shown(w, "Picture1"), "help box still shown");
         }},
        {"homework help: Escape in a list closes the panel", "browser, homework help", "List6", "",
         Qt::Key_Escape,
         [](F&, QWidget* w) { return expect(!shown(w, "homework"), "panel still shown"); }},
        {"homework help: Return on Help presses Help, not the default", "browser, homework help",
         "Command1", "", Qt::Key_Return,
         [](F&, QWidget* w) {
             return expect(shown(w, "homework") && shown(w, "Picture100"), "no instructions");
         }},
        {"homework help: Escape closes the instructions first",
         "browser, homework help's instructions", "Command1", "", Qt::Key_Escape,
         [](F&, QWidget* w) {
             return expect(shown(w, "homework") && !shown(w, "Picture100"),
                           "instructions still shown, or the panel closed");
         }},
        {"IM panel: Return in the message sends it", "browser, IM panel", "message", "",
         Qt::Key_Return,
         [](F& f, QWidget* w) {
             return expect(!shown(w, "Picture5") && pageCalls(f).contains(u"aim:goim"_qs),
                           "not sent");
         }},
        {"IM panel: Escape cancels", "browser, IM panel", "screenname", "", Qt::Key_Escape,
         [](F& f, QWidget* w) {
             return expect(!shown(w, "Picture5") && !pageCalls(f).contains(u"aim:"_qs),
                           "not cancelled");
         }},
        {"link panel: Escape closes it", "browser, link panel", "List2", "", Qt::Key_Escape,
         [](F&, QWidget* w) {
             return expect(!shown(w, "Picture1") && !shown(w, "List2"), "panel still shown");
         }},
        {"player: Escape closes the help", "player, help", "Text600", "", Qt::Key_Escape,
         [](F&, QWidget* w) {
             if (!w->isVisible() || shown(w, "Picture100"))
                 return expect(false, "help still shown");
             auto* list = w->findChild<QWidget*>(QStringLiteral("List2"));
             if (!list || !list->isEnabled())
                 return expect(false, "the playlist is still out of reach");
             return expect(nameOf(QApplication::focusWidget()) == u"Label10"_qs,
                           "the focus is not back on Get Help");
         }},
        {"phone book: Return in a box saves the contact", "phone book", "namet", "Zed Tester",
         Qt::Key_Return,
         [](F&, QWidget* w) {
             auto* list = w->findChild<QListWidget*>(QStringLiteral("List1"));
             return expect(list && list->count() == 1 && list->item(0)->text() == u"Zed Tester"_qs,
                           "not saved");
         }},
        {"phone book: Escape closes the help", "phone book, help", "helpText", "", Qt::Key_Escape,
         [](F&, QWidget* w) { return expect(!shown(w, "helpPanel"), "help still shown"); }},
        {"phone book logon: Escape is Cancel", "phone book, logon", "Password:", "", Qt::Key_Escape,
         [](F& f, QWidget*) {
             return expect(!f.app.openWindow(f.app.phonebookKind) ||
                               !f.app.openWindow(f.app.phonebookKind)->isVisible(),
                           "phone book still open");
         }},
        {"journal: Escape closes the help", "journal, help", "Text600", "", Qt::Key_Escape,
         [](F&, QWidget* w) { return expect(!shown(w, "Picture100"), "help still shown"); }},
        {"options: Escape is Cancel", "options", "txtStartPage", "x", Qt::Key_Escape,
         [](F& f, QWidget* w) {
             return expect(!w->isVisible() && f.app.read(settings::startPage).isEmpty(),
                           "not cancelled");
         }},
        {"options: Return is OK", "options", "txtStartPage", "https://example.org/", Qt::Key_Return,
         [](F& f, QWidget* w) {
             return expect(!w->isVisible() &&
                               f.app.read(settings::startPage) == u"https://example.org/"_qs,
                           "not stored and closed");
         }},
        {"Open: Escape is Cancel", "open", "Text1", "", Qt::Key_Escape,
         [](F&, QWidget* w) { return expect(!w->isVisible(), "still open"); }},
        {"web search: Return is Go!", "web search", "Text2", "cats", Qt::Key_Return,
         [](F& f, QWidget* w) {
             return expect(!w->isVisible() && pageCalls(f).contains(u"cats"_qs), "no search");
         }},
        {"web search: Escape is Cancel", "web search", "Text2", "cats", Qt::Key_Escape,
         [](F& f, QWidget* w) {
             return expect(!w->isVisible() && !pageCalls(f).contains(u"cats"_qs), "searched");
         }},
        {"What's New: Escape is Done", "what's new", "Command2", "", Qt::Key_Escape,
         [](F&, QWidget* w) { return expect(!w->isVisible(), "still open"); }},
        {"About: Escape closes", "about", "cmdOK", "", Qt::Key_Escape,
         [](F&, QWidget* w) { return expect(!w->isVisible(), "still open"); }},
    };
    return cases;
}

} // namespace

// Every window can be used without a mouse: Tab goes through its controls in the order they
// are laid out, and Return and Escape act as in a dialog.
class TestKeyboardUse : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void tabFollowsTheLayout_data();
    void tabFollowsTheLayout();
    void shiftTabLeavesTheJournalEditor();
    void aFocusedLauncherShowsItsCaption();
    void returnAndEscape_data();
    void returnAndEscape();
};

void TestKeyboardUse::tabFollowsTheLayout_data()
{
    QTest::addColumn<int>("row");
    for (size_t i = 0; i < tabCases().size(); ++i)
        QTest::newRow(tabCases()[i].window) << int(i);
}

void TestKeyboardUse::tabFollowsTheLayout()
{
    QFETCH(int, row);
    const TabCase& c = tabCases()[size_t(row)];
    WindowsFixture f;
    QWidget* window = openAndActivate(f, c.window);
    QVERIFY(window);
    QWidget* first = control(window, c.stops.first());
    QVERIFY2(first, qPrintable(c.stops.first()));
    QCOMPARE(tabStops(first), c.stops);
}

// Shift+Tab leaves the journal's editor, where Tab is a character of the entry (Ctrl+Tab goes
// to the next child window, as in every window of the master).
void TestKeyboardUse::shiftTabLeavesTheJournalEditor()
{
    WindowsFixture f;
    QWidget* window = openAndActivate(f, "journal");
    QVERIFY(window);
    QWidget* editor = control(window, u"journaltext"_qs);
    QVERIFY(editor);
    editor->setFocus(Qt::TabFocusReason);
    QTest::keyClick(editor, Qt::Key_Backtab, Qt::ShiftModifier);
    QCOMPARE(nameOf(QApplication::focusWidget()), u"gohelp"_qs);
}

// Sighted keyboard users see the name of the launcher they are on, as the mouse shows it.
void TestKeyboardUse::aFocusedLauncherShowsItsCaption()
{
    WindowsFixture f;
    QWidget* master = openAndActivate(f, "master");
    QVERIFY(master);
    QWidget* address = control(master, u"Combo1"_qs);
    auto* caption = master->findChild<QLabel*>(u"Label100"_qs);
    QVERIFY(address && caption);
    address->setFocus(Qt::TabFocusReason);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
    QCOMPARE(nameOf(QApplication::focusWidget()), u"Image14"_qs);
    QVERIFY(caption->isVisible());
    QCOMPARE(caption->text(), u"Teen Rights!"_qs);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(nameOf(QApplication::focusWidget()), u"Combo1"_qs);
    QVERIFY(!caption->isVisible());
}

void TestKeyboardUse::returnAndEscape_data()
{
    QTest::addColumn<int>("row");
    for (size_t i = 0; i < keyCases().size(); ++i)
        QTest::newRow(keyCases()[i].name) << int(i);
}

void TestKeyboardUse::returnAndEscape()
{
    QFETCH(int, row);
    const KeyCase& c = keyCases()[size_t(row)];
    WindowsFixture f;
    QWidget* window = openAndActivate(f, c.window);
    QVERIFY(window);
    QWidget* target = control(window, QString::fromUtf8(c.focus));
    QVERIFY2(target, c.focus);
    target->setFocus(Qt::TabFocusReason);
    QCOMPARE(QApplication::focusWidget(), target);
    if (*c.typed)
        QTest::keyClicks(target, QString::fromUtf8(c.typed));
    QTest::keyClick(target, c.key);
    const QString failure = c.check(f, window);
    QVERIFY2(failure.isEmpty(), qPrintable(failure));
}

QTEST_MAIN(TestKeyboardUse)
#include "test_keyboard_use.moc"
