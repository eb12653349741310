#include "browser/frmbrowser.h"
#include "parental/PasswordGate.h"
#include "parental/frmmisc.h"
#include "shell/Allowance.h"
#include "shell/Settings.h"
#include "shell/formaster.h"
#include "support/WindowsFixture.h"

#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using namespace vireo;

namespace {

// The master window with the program's windows, the parental password "Mum Dad" (stored as
// the Windows program stored it) and the limit enabled at one minute.
struct Fixture : test::WindowsFixture {
    Fixture()
    {
        app.today = QDate(2026, 12, 11);
        set(settings::limitEnabled, "1");
        set(settings::otherFeaturesAllowed, "1");
        set(settings::limitMinutes, "1");
        set(settings::parentalPassword, "Mum Dad");
    }
    void set(const SettingKey& key, const char* value)
    {
        settings::write(settings, key, QLatin1String(value));
    }
    QString stored(const SettingKey& key) const { return settings::read(settings, key); }
    formasterControls& c() { return master->controlsForTest(); }
    void ticks(int n)
    {
        for (int i = 0; i < n; ++i)
            master->Timer4_Timer();
    }
    QStringList questions() const
    {
        QStringList texts;
        for (const auto& shown : dialogs.shown) {
            if (shown.kind == ScriptedDialogs::Shown::YesNo)
                texts.append(shown.text);
        }
        return texts;
    }
    frmmisc* config() const { return dynamic_cast<frmmisc*>(app.openWindow(app.configKind)); }
    int browsers() const { return int(master->controlsForTest().mdiArea->subWindowList().size()); }
};

void flushDeletes()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

} // namespace

class TestFormasterAllowance : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void countsFromTheLoad();
    void reachedAtStartUpAsksOnce();
    void declineBlocksBrowsing();
    void override_data();
    void override();
    void everyWayOutStoresTheCount_data();
    void everyWayOutStoresTheCount();
};

// The limit enabled: the load resets a new day and starts counting; each tick shows the count
// before it grows.
void TestFormasterAllowance::countsFromTheLoad()
{
    Fixture f;
    f.set(settings::day, "1/1/20");
    f.set(settings::secondsUsed, "3000");
    f.master->MDIForm_Load();
    QVERIFY(f.c().Timer4->isActive());
    QCOMPARE(f.c().Timer4->interval(), 1000);
    QCOMPARE(f.stored(settings::secondsUsed), QStringLiteral("0"));
    QCOMPARE(f.stored(settings::day), Allowance::dayText(f.app.today));
    f.ticks(3);
    QCOMPARE(f.c().Text1->text(), QStringLiteral("2"));
    QCOMPARE(f.app.secondsused, QStringLiteral("3"));
    QVERIFY(f.questions().isEmpty());
}

// A second run of the same day asks while loading, with the first browser window already open,
// which then closes at its next check; the counter does not ask again at its first tick.
void TestFormasterAllowance::reachedAtStartUpAsksOnce()
{
    Fixture f;
    f.set(settings::limitEnabled, "0"); // the start-up check asks all the same
    f.set(settings::day, Allowance::dayText(f.app.today).toLatin1().constData());
    f.set(settings::secondsUsed, "75");
    f.master->MDIForm_Load();
    QCOMPARE(f.questions(), QStringList{Allowance::question()});
    QCOMPARE(f.app.browseblocked, QStringLiteral("1"));
    QVERIFY(!f.c().Timer4->isActive());
    QVERIFY(f.master->isEnabled());

    QCOMPARE(f.browsers(), 1);
    auto* first = dynamic_cast<frmbrowser*>(f.c().mdiArea->subWindowList().first()->widget());
    QVERIFY(first);
    first->Timer1_Timer();
    flushDeletes();
    QCOMPARE(f.browsers(), 0);
}

// Declining at the tick that reaches the limit: the master window stays usable, counting stops,
// and no browser window can stay open.
void TestFormasterAllowance::declineBlocksBrowsing()
{
    Fixture f;
    f.master->MDIForm_Load();
    QCOMPARE(f.browsers(), 1);
    f.ticks(60);
    QVERIFY(f.questions().isEmpty());
    f.ticks(1);
    QCOMPARE(f.questions(), QStringList{Allowance::question()});
    QCOMPARE(f.app.browseblocked, QStringLiteral("1"));
    QVERIFY(f.master->isEnabled());
    QVERIFY(!f.c().Timer4->isActive());
    QVERIFY(!f.config());
    QCOMPARE(f.stored(settings::secondsUsed), QStringLiteral("61"));

    auto* open = dynamic_cast<frmbrowser*>(f.c().mdiArea->subWindowList().first()->widget());
    open->Timer1_Timer();
    flushDeletes();
    QCOMPARE(f.browsers(), 0);
    // A new one closes while it loads.
    QVERIFY(!f.app.newBrowser());
    flushDeletes();
    QCOMPARE(f.browsers(), 0);
}

// Wanting the override opens the configuration window's override panel over the disabled
// master window. The right parental password ends the count for this run; a wrong one or
// Cancel leaves the master window disabled.
void TestFormasterAllowance::override_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<bool>("cancel");
    QTest::addColumn<bool>("granted");
    QTest::newRow("right password") << QStringLiteral("Mum Dad") << false << true;
    QTest::newRow("wrong password") << QStringLiteral("mum dad") << false << false;
    QTest::newRow("cancel") << QString() << true << false;
}

void TestFormasterAllowance::override()
{
    QFETCH(QString, entry);
    QFETCH(bool, cancel);
    QFETCH(bool, granted);
    Fixture f;
    f.master->MDIForm_Load();
    f.dialogs.yesNoAnswers.enqueue(true);
    f.ticks(61);
    QVERIFY(!f.master->isEnabled());
    QVERIFY(!f.c().Timer4->isActive());
    QPointer<frmmisc> w = f.config();
    QVERIFY(w);
    QVERIFY(w->isVisible());
    QVERIFY(w->isEnabled());
    QCOMPARE(w->windowTitle(), QStringLiteral("Parental override"));
    QCOMPARE(w->panel(), ConfigWindow::Panel::Override);

    if (cancel) {
        QTest::mouseClick(w->over->cancelButton, Qt::LeftButton);
    } else {
        QTest::keyClicks(w->over->entry, entry);
        QTest::mouseClick(w->over->confirmButton, Qt::LeftButton);
    }
    flushDeletes();
    QCOMPARE(f.master->isEnabled(), granted);
    QCOMPARE(f.app.browseblocked, granted ? QStringLiteral("0") : QString());
    QCOMPARE(bool(w), !granted && !cancel);
    QCOMPARE(f.dialogs.messages(),
             granted || cancel ? QStringList() : QStringList{QStringLiteral("Incorrect Password")});
    QVERIFY(!f.c().Timer4->isActive());
    // The count stays as it was stored when the limit was reached.
    QCOMPARE(f.stored(settings::secondsUsed), QStringLiteral("61"));
    delete w;
}

// Exit, the close box and the counter's own writes all leave the count of this run stored.
void TestFormasterAllowance::everyWayOutStoresTheCount_data()
{
    QTest::addColumn<int>("way");
    QTest::newRow("Exit") << 0;
    QTest::newRow("close box") << 1;
    QTest::newRow("thirty ticks") << 2;
}

void TestFormasterAllowance::everyWayOutStoresTheCount()
{
    QFETCH(int, way);
    Fixture f;
    f.set(settings::limitMinutes, "240");
    f.master->MDIForm_Load();
    f.ticks(way == 2 ? 30 : 12);
    if (way == 0)
        f.master->mnu_exit_Click();
    if (way == 1)
        f.master->close();
    QCOMPARE(f.stored(settings::secondsUsed),
             way == 2 ? QStringLiteral("30") : QStringLiteral("12"));
    QCOMPARE(f.app.hasEnded(), way != 2);
}

QTEST_MAIN(TestFormasterAllowance)
#include "test_formaster_allowance.moc"
