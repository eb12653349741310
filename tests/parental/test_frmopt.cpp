#include "parental/OptionsValues.h"
#include "parental/PasswordChangePanel.h"
#include "parental/PasswordGate.h"
#include "parental/Passwords.h"
#include "parental/frmopt.h"
#include "platform/Twips.h"
#include "platform/fakes/FakeDesktopCommands.h"
#include "shell/Settings.h"
#include "support/AppFixture.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTabBar>
#include <QTest>

using namespace vireo;

namespace {

// The options dialog over fakes, opened through the App as every window opens it.
struct Fixture : test::AppFixture {
    FakeDesktopCommands desktop;

    Fixture()
    {
        app.optionsKind = {[](App& a) -> QWidget* { return frmopt::create(a); }, false};
        app.desktop = &desktop;
    }
    ~Fixture() { delete app.openWindow(app.optionsKind); }

    void set(const SettingKey& key, const QString& value) { settings::write(settings, key, value); }
    QString stored(const SettingKey& key) const { return settings::read(settings, key); }
    // The first-run values, a start page and both passwords as the Windows program stored them.
    void storeUsual(const QString& parental, const QString& teen)
    {
        const char* values[] = {"0", "1", "0", "1", "1", "90", "1", "0", "1"};
        const SettingKey keys[] = {
            settings::mp3Disabled,   settings::logBrowsing,          settings::searchesDisabled,
            settings::limitEnabled,  settings::otherFeaturesAllowed, settings::limitMinutes,
            settings::journalLocked, settings::phonebookLocked,      settings::popupsDisabled};
        for (int i = 0; i < 9; ++i)
            set(keys[i], QLatin1String(values[i]));
        set(settings::startPage, QStringLiteral("https://start.example/"));
        set(settings::parentalPassword, parental);
        set(settings::teenPassword, teen);
        settings.clearWrites();
    }
    frmopt* open() { return dynamic_cast<frmopt*>(app.options()); }
    QStringList writtenKeys() const
    {
        QStringList keys;
        for (const auto& w : settings.writes())
            keys.append(w.key);
        return keys;
    }
};

int px(double t)
{
    return twips::toPixels(t);
}

void flushDeletes()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace

class TestFrmopt : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void loadsEveryValue();
    void textsOfThePages();
    void tabsMoveThePages();
    void ctrlTabCycles();
    void sliderEndIs240();
    void okWritesInOrder();
    void cancelWritesNothing();
    void passwordChangeOutlivesCancel();
    void lockedPagesWrittenBackUnchanged();
    void prompts_data();
    void prompts();
    void valuesThatAreNotWholeNumbers_data();
    void valuesThatAreNotWholeNumbers();
    void oneInstance();
    void desktopPrograms();
};

void TestFrmopt::loadsEveryValue()
{
    Fixture f;
    f.storeUsual(QString(), QString());
    frmopt* w = f.open();
    QVERIFY(w);
    QVERIFY(w->isVisible());
    QVERIFY(w->isWindow());
    QCOMPARE(w->windowTitle(), QStringLiteral("Options"));
    const QRect screen = w->screen()->geometry();
    QCOMPARE(w->x(), (screen.width() - w->width()) / 2);
    QCOMPARE(w->y(), (screen.height() - w->height()) / 2);
    QCOMPARE(w->tbsOptions->currentIndex(), 0);

    QVERIFY(!w->chkMp3->isChecked());
    QVERIFY(w->chkLog->isChecked());
    QVERIFY(!w->chkSearch->isChecked());
    QVERIFY(w->chkLimit->isChecked());
    QVERIFY(w->chkOthers->isChecked());
    QCOMPARE(w->Text6->text(), QStringLiteral("90"));
    QCOMPARE(w->hsbSpeed->value(), 90);
    QCOMPARE(w->txtSpeed->text(), QStringLiteral("90 Minutes"));
    QVERIFY(w->journal_password->isChecked());
    QVERIFY(!w->pimpassword->isChecked());
    QVERIFY(w->chkPopups->isChecked());
    QCOMPARE(w->txtStartPage->text(), QStringLiteral("https://start.example/"));
    // Both passwords empty: both frames open, on their tabs.
    w->tbsOptions->setCurrentIndex(1);
    QVERIFY(w->fraUser->isVisible());
    QVERIFY(!w->teenPrompt->isVisible());
    w->tbsOptions->setCurrentIndex(2);
    QVERIFY(w->fraParental->isVisible());
    QVERIFY(!w->parentalPrompt->isVisible());
    QVERIFY(f.settings.writes().isEmpty());
}

void TestFrmopt::textsOfThePages()
{
    Fixture f;
    f.storeUsual(QStringLiteral("p"), QStringLiteral("t"));
    frmopt* w = f.open();
    QCOMPARE(w->tbsOptions->count(), 3);
    QCOMPARE(w->tbsOptions->tabText(0), QStringLiteral("Basic Configuration"));
    QCOMPARE(w->tbsOptions->tabText(1), QStringLiteral("Teen Options"));
    QCOMPARE(w->tbsOptions->tabText(2), QStringLiteral("Parental Options"));
    QCOMPARE(w->chkMp3->text(), QStringLiteral("Disable MP3 tools "));
    QCOMPARE(w->chkLog->text(), QStringLiteral("Keep a log file of all web sites visited"));
    QCOMPARE(w->chkSearch->text(), QStringLiteral("Disable CD and Movie Search"));
    QCOMPARE(w->chkLimit->text(), QStringLiteral("Enable Browsing Limit"));
    QCOMPARE(w->chkOthers->text(), QStringLiteral("Allow use of other Vireo features"));
    QCOMPARE(w->pimpassword->text(), QStringLiteral("Password Protect Address Book"));
    QCOMPARE(w->journal_password->text(), QStringLiteral("Password Protect Journal"));
    QCOMPARE(w->chkPopups->text(), QStringLiteral("Disable Pop-ups"));
    QCOMPARE(w->Command4->text(), QStringLiteral("View log"));
    QCOMPARE(w->Command6->text(), QStringLiteral("Internet Options"));
    QCOMPARE(w->Command7->text(), QStringLiteral("Volume Options"));
    QCOMPARE(w->fraBasic->title(), QStringLiteral("Basic Configuration"));
    QCOMPARE(w->fraUser->title(), QStringLiteral("User Password"));
    QCOMPARE(w->fraParental->title(), QStringLiteral("Parental Controls"));
    QCOMPARE(w->fraChangeParental->title(), QStringLiteral("Change Parental Password"));
    QCOMPARE(w->teenPrompt->prompt->text(), QStringLiteral("Please enter your teen password."));
    QCOMPARE(w->parentalPrompt->prompt->text(),
             QStringLiteral("Please enter your Parental password."));
    QCOMPARE(w->findChild<QPushButton*>(QStringLiteral("Command8"))->text(), QStringLiteral("Ok"));
    QCOMPARE(w->findChild<QPushButton*>(QStringLiteral("Command11"))->text(),
             QStringLiteral("Cancel"));
    QCOMPARE(w->findChild<QPushButton*>(QStringLiteral("Command1"))->text(),
             QStringLiteral("Change Password"));
    QCOMPARE(w->findChild<QPushButton*>(QStringLiteral("Command5"))->text(),
             QStringLiteral("Clear"));
    QStringList labels;
    for (const QLabel* l : w->findChildren<QLabel*>())
        labels.append(l->text());
    for (const char* text : {"Misc. Options", "Start Page", "Password Options", "Browsing Limit",
                             "Limit teen to ", "of use."})
        QVERIFY2(labels.contains(QLatin1String(text)), text);
    QVERIFY(labels.contains(QStringLiteral(
        "As part of Vireo, you can limit your teens access time to the internet on a daily "
        "basis. You can override the time limit with your parental password if you determine "
        "that addition time is needed/deserved. You may allow your teen to use the other "
        "features of Vireo if you wish.")));
    QVERIFY(!w->Text6->isVisibleTo(w));
    QCOMPARE(w->hsbSpeed->maximum(), 240);
    QCOMPARE(w->hsbSpeed->minimum(), OptionsValues::minutesMinimum);
    QCOMPARE(w->hsbSpeed->singleStep(), OptionsValues::minutesSmallStep);
    QCOMPARE(w->hsbSpeed->pageStep(), OptionsValues::minutesLargeStep);
    // Both passwords set: both prompts over their hidden frames.
    w->tbsOptions->setCurrentIndex(1);
    QVERIFY(w->teenPrompt->isVisible());
    QVERIFY(!w->fraUser->isVisible());
    w->tbsOptions->setCurrentIndex(2);
    QVERIFY(w->parentalPrompt->isVisible());
    QVERIFY(!w->fraParental->isVisible());
}

// The chosen tab's page stands at its place and takes input; the others are far off and off.
void TestFrmopt::tabsMoveThePages()
{
    Fixture f;
    frmopt* w = f.open();
    for (int tab : {2, 1, 0}) {
        w->tbsOptions->setCurrentIndex(tab);
        for (int page = 0; page < 3; ++page) {
            QCOMPARE(w->picOptions[page]->pos(), QPoint(px(page == tab ? 105 : -20000), px(360)));
            QCOMPARE(w->picOptions[page]->isEnabled(), page == tab);
        }
    }
}

void TestFrmopt::ctrlTabCycles()
{
    Fixture f;
    frmopt* w = f.open();
    QTest::keyClick(w->txtStartPage, Qt::Key_Tab, Qt::ControlModifier);
    QCOMPARE(w->tbsOptions->currentIndex(), 1);
    QTest::keyClick(w, Qt::Key_Tab, Qt::ControlModifier);
    QCOMPARE(w->tbsOptions->currentIndex(), 2);
    // After the last tab, the first.
    QTest::keyClick(w->chkMp3, Qt::Key_Tab, Qt::ControlModifier);
    QCOMPARE(w->tbsOptions->currentIndex(), 0);
    // Shift too, or no Ctrl: not a tab change.
    QTest::keyClick(w, Qt::Key_Tab, Qt::ControlModifier | Qt::ShiftModifier);
    QTest::keyClick(w, Qt::Key_Tab);
    QCOMPARE(w->tbsOptions->currentIndex(), 0);
}

void TestFrmopt::sliderEndIs240()
{
    Fixture f;
    f.storeUsual(QString(), QString());
    frmopt* w = f.open();
    w->tbsOptions->setCurrentIndex(2);
    w->hsbSpeed->setFocus();
    QTest::keyClick(w->hsbSpeed, Qt::Key_End);
    QCOMPARE(w->hsbSpeed->value(), 240);
    QCOMPARE(w->txtSpeed->text(), QStringLiteral("240 Minutes"));
    QCOMPARE(w->Text6->text(), QStringLiteral("240"));
    w->hsbSpeed->triggerAction(QAbstractSlider::SliderSingleStepSub);
    QCOMPARE(w->txtSpeed->text(), QStringLiteral("238 Minutes"));
    w->hsbSpeed->triggerAction(QAbstractSlider::SliderToMaximum);
    QTest::mouseClick(w->cmdOK, Qt::LeftButton);
    QCOMPARE(f.stored(settings::limitMinutes), QStringLiteral("240"));
}

void TestFrmopt::okWritesInOrder()
{
    Fixture f;
    f.storeUsual(QString(), QString());
    QPointer<frmopt> w = f.open();
    w->tbsOptions->setCurrentIndex(2);
    QTest::mouseClick(w->chkMp3, Qt::LeftButton);
    QTest::mouseClick(w->cmdOK, Qt::LeftButton);
    QCOMPARE(f.writtenKeys(),
             QString::fromLatin1("1 2 3 4 5 6 9 7 8 startpage").split(QLatin1Char(' ')));
    QCOMPARE(f.stored(settings::mp3Disabled), QStringLiteral("1"));
    QCOMPARE(f.stored(settings::logBrowsing), QStringLiteral("1"));
    QCOMPARE(f.stored(settings::startPage), QStringLiteral("https://start.example/"));
    flushDeletes();
    QVERIFY(!w);
}

void TestFrmopt::cancelWritesNothing()
{
    Fixture f;
    f.storeUsual(QString(), QString());
    QPointer<frmopt> w = f.open();
    w->tbsOptions->setCurrentIndex(2);
    QTest::mouseClick(w->chkMp3, Qt::LeftButton);
    w->hsbSpeed->setValue(200);
    QTest::mouseClick(w->cmdCancel, Qt::LeftButton);
    QVERIFY(f.settings.writes().isEmpty());
    QCOMPARE(f.stored(settings::mp3Disabled), QStringLiteral("0"));
    flushDeletes();
    QVERIFY(!w);
}

void TestFrmopt::passwordChangeOutlivesCancel()
{
    Fixture f;
    f.storeUsual(QString(), QStringLiteral("old"));
    frmopt* w = f.open();
    w->tbsOptions->setCurrentIndex(1);
    QTest::keyClicks(w->teenPrompt->entry, QStringLiteral("old"));
    QTest::mouseClick(w->teenPrompt->confirmButton, Qt::LeftButton);
    QVERIFY(w->fraUser->isVisible());
    QTest::keyClicks(w->teenChange->oldEntry, QStringLiteral("old"));
    QTest::keyClicks(w->teenChange->newEntry, QStringLiteral("new one"));
    QTest::keyClicks(w->teenChange->confirmEntry, QStringLiteral("new one"));
    QTest::mouseClick(w->teenChange->changeButton, Qt::LeftButton);
    QCOMPARE(f.dialogs.messages(), QStringList{QStringLiteral("Password Changed!")});
    QTest::mouseClick(w->cmdCancel, Qt::LeftButton);
    Passwords passwords(f.settings);
    QVERIFY(passwords.verify(Passwords::Kind::Teen, QStringLiteral("new one")));
    QVERIFY(!passwords.verify(Passwords::Kind::Teen, QStringLiteral("old")));
}

// OK with both pages still locked writes what was read, even a limit the slider cannot show.
void TestFrmopt::lockedPagesWrittenBackUnchanged()
{
    Fixture f;
    f.storeUsual(QStringLiteral("p"), QStringLiteral("t"));
    f.set(settings::limitMinutes, QStringLiteral("1"));
    f.set(settings::mp3Disabled, QStringLiteral("1"));
    QList<QString> before;
    const SettingKey keys[] = {settings::mp3Disabled,          settings::logBrowsing,
                               settings::searchesDisabled,     settings::limitEnabled,
                               settings::otherFeaturesAllowed, settings::limitMinutes,
                               settings::journalLocked,        settings::phonebookLocked};
    for (const SettingKey& k : keys)
        before.append(f.stored(k));
    frmopt* w = f.open();
    QCOMPARE(w->hsbSpeed->value(), OptionsValues::minutesMinimum);
    QCOMPARE(w->txtSpeed->text(), QStringLiteral("1 Minutes"));
    QTest::mouseClick(w->cmdOK, Qt::LeftButton);
    QCOMPARE(f.writtenKeys().size(), 10 + 2);
    QList<QString> after;
    for (const SettingKey& k : keys)
        after.append(f.stored(k));
    QCOMPARE(after, before);
}

// The prompts: a wrong entry says so and keeps the page locked, the right one opens it,
// Cancel closes the dialog.
void TestFrmopt::prompts_data()
{
    QTest::addColumn<int>("tab");
    QTest::addColumn<QString>("entry");
    QTest::addColumn<bool>("cancel");
    QTest::addColumn<bool>("opens");
    QTest::newRow("parental right") << 2 << QStringLiteral("Mum Dad") << false << true;
    QTest::newRow("parental wrong case") << 2 << QStringLiteral("mum dad") << false << false;
    QTest::newRow("parental cancel") << 2 << QString() << true << false;
    QTest::newRow("teen right") << 1 << QStringLiteral("secret ") << false << true;
    QTest::newRow("teen without its space") << 1 << QStringLiteral("secret") << false << false;
    QTest::newRow("teen cancel") << 1 << QString() << true << false;
}

void TestFrmopt::prompts()
{
    QFETCH(int, tab);
    QFETCH(QString, entry);
    QFETCH(bool, cancel);
    QFETCH(bool, opens);
    Fixture f;
    f.storeUsual(QStringLiteral("Mum Dad"), QStringLiteral("secret "));
    QPointer<frmopt> w = f.open();
    w->tbsOptions->setCurrentIndex(tab);
    PasswordGate* gate = tab == 2 ? w->parentalPrompt : w->teenPrompt;
    QGroupBox* frame = tab == 2 ? w->fraParental : w->fraUser;
    if (cancel) {
        QTest::mouseClick(gate->cancelButton, Qt::LeftButton);
        flushDeletes();
        QVERIFY(!w);
        QVERIFY(f.settings.writes().isEmpty());
        return;
    }
    // Typing goes to the prompt as soon as its page is chosen, and to the page once it opens.
    QCOMPARE(w->focusWidget(), gate->entry);
    QTest::keyClicks(gate->entry, entry);
    QTest::mouseClick(gate->confirmButton, Qt::LeftButton);
    QCOMPARE(frame->isVisible(), opens);
    if (opens)
        QVERIFY(frame->isAncestorOf(w->focusWidget()));
    QCOMPARE(gate->isVisible(), !opens);
    QCOMPARE(f.dialogs.messages(),
             opens ? QStringList() : QStringList{QStringLiteral("Incorrect Password")});
}

// Values that are missing or not whole numbers show as clear boxes and the slider at 120,
// and OK writes whole numbers.
void TestFrmopt::valuesThatAreNotWholeNumbers_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<bool>("ticked");
    QTest::addColumn<int>("slider");
    QTest::addColumn<QString>("writtenSwitch");
    QTest::addColumn<QString>("writtenMinutes");
    QTest::newRow("missing") << QString() << false << 120 << QStringLiteral("0")
                             << QStringLiteral("120");
    QTest::newRow("words") << QStringLiteral("yes") << false << 120 << QStringLiteral("0")
                           << QStringLiteral("120");
    QTest::newRow("fraction") << QStringLiteral("1.5") << false << 120 << QStringLiteral("0")
                              << QStringLiteral("120");
    QTest::newRow("one as a decimal")
        << QStringLiteral("1.0") << true << 15 << QStringLiteral("1") << QStringLiteral("1.0");
    QTest::newRow("beyond the slider")
        << QStringLiteral("600") << false << 240 << QStringLiteral("0") << QStringLiteral("600");
}

void TestFrmopt::valuesThatAreNotWholeNumbers()
{
    QFETCH(QString, value);
    QFETCH(bool, ticked);
    QFETCH(int, slider);
    QFETCH(QString, writtenSwitch);
    QFETCH(QString, writtenMinutes);
    Fixture f;
    f.set(settings::mp3Disabled, value);
    f.set(settings::limitMinutes, value);
    frmopt* w = f.open();
    QCOMPARE(w->chkMp3->isChecked(), ticked);
    QCOMPARE(w->hsbSpeed->value(), slider);
    QCOMPARE(w->txtSpeed->text(), writtenMinutes + QStringLiteral(" Minutes"));
    QTest::mouseClick(w->cmdOK, Qt::LeftButton);
    QCOMPARE(f.stored(settings::mp3Disabled), writtenSwitch);
    QCOMPARE(f.stored(settings::limitMinutes), writtenMinutes);
}

void TestFrmopt::oneInstance()
{
    Fixture f;
    QWidget* first = f.app.options();
    QVERIFY(first);
    QCOMPARE(f.app.options(), first);
    first->close();
    flushDeletes();
    QWidget* second = f.app.options();
    QVERIFY(second);
}

// The settings buttons start the first installed program of their lists; with none, a message.
void TestFrmopt::desktopPrograms()
{
    Fixture f;
    frmopt* w = f.open();
    QTest::mouseClick(w->Command7, Qt::LeftButton);
    QTest::mouseClick(w->Command6, Qt::LeftButton);
    QCOMPARE(f.dialogs.messages(),
             (QStringList{QStringLiteral("No volume control program was found."),
                          QStringLiteral("No network settings program was found.")}));
    f.desktop.installed =
        QStringList{QStringLiteral("gnome-control-center"), QStringLiteral("pavucontrol-qt")};
    QTest::mouseClick(w->Command7, Qt::LeftButton);
    QTest::mouseClick(w->Command6, Qt::LeftButton);
    QCOMPARE(
        f.desktop.started,
        (QList<QStringList>{{QStringLiteral("gnome-control-center"), QStringLiteral("sound")},
                            {QStringLiteral("gnome-control-center"), QStringLiteral("network")}}));

    // The log: absent, then present.
    f.dialogs.shown.clear();
    w->tbsOptions->setCurrentIndex(2);
    QTest::mouseClick(w->Command4, Qt::LeftButton);
    QCOMPARE(f.dialogs.messages(),
             QStringList{QStringLiteral("The log file could not be opened.")});
    f.put("\\log.txt", "\"https://a.example/\"\r\n");
    QTest::mouseClick(w->Command4, Qt::LeftButton);
    QCOMPARE(f.desktop.opened, QStringList{f.path("\\log.txt")});
    QCOMPARE(f.dialogs.messages().size(), 1);
}

QTEST_MAIN(TestFrmopt)
#include "test_frmopt.moc"
