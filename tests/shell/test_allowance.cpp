#include "platform/fakes/MemorySettingsStore.h"
#include "shell/Allowance.h"
#include "shell/Settings.h"

#include <QQueue>
#include <QTest>

using namespace vireo;

namespace {

const QDate day1(2026, 12, 11);

// Records what the allowance has the master window do, answers its questions from a queue
// (an empty queue answers No).
struct Recorder final : AllowanceActions {
    QStringList events;
    QQueue<bool> answers;
    int shown = 0;
    bool counting = true;

    void showCount(const QString&) override { ++shown; }
    bool ask(const QString& question) override
    {
        const bool yes = !answers.isEmpty() && answers.dequeue();
        events.append((question.startsWith(QLatin1Char('!')) ? QStringLiteral("ask!")
                                                             : QStringLiteral("ask")) +
                      (yes ? QStringLiteral(" yes") : QStringLiteral(" no")));
        return yes;
    }
    void disableMaster() override { events.append(QStringLiteral("disable")); }
    void enableMaster() override { events.append(QStringLiteral("enable")); }
    void stopCounting() override
    {
        counting = false;
        events.append(QStringLiteral("stop"));
    }
    void openOverride() override { events.append(QStringLiteral("override")); }
    void endProgram() override { events.append(QStringLiteral("end")); }
};

struct Fixture {
    MemorySettingsStore store;
    QString secondsused, browseblocked;
    Recorder actions;
    Allowance allowance{store, secondsused, browseblocked, actions};

    Fixture(const QString& limit, const QString& others)
    {
        settings::write(store, settings::limitMinutes, limit);
        settings::write(store, settings::otherFeaturesAllowed, others);
    }
    void storeDay(const QString& date, const QString& ole)
    {
        settings::write(store, settings::day, date);
        settings::write(store, settings::secondsUsed, ole);
    }
    QString stored(const SettingKey& key) const { return settings::read(store, key); }
    // Ticks until the counter is stopped or `most` ticks have passed; the number of ticks.
    int tickUntilStopped(int most)
    {
        int ticks = 0;
        while (actions.counting && ticks < most) {
            allowance.tick();
            ++ticks;
        }
        return ticks;
    }
};

QStringList events(const char* joined)
{
    return QString::fromLatin1(joined).split(QLatin1Char(','), Qt::SkipEmptyParts);
}

} // namespace

class TestAllowance : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void startUpCheck_data();
    void startUpCheck();
    void ticks_data();
    void ticks();
    void failedLimitKeepsLastResult();
    void countIsStoredEveryThirtyTicks();
    void refusedWritesCatchUp();
    void damagedCountStillCounts();
};

// At start-up: a new day resets the count; the same day takes the stored count and asks when
// it reaches the limit, whether or not the limit is enabled.
void TestAllowance::startUpCheck_data()
{
    QTest::addColumn<QString>("date"); // "today" for today's text
    QTest::addColumn<QString>("ole");
    QTest::addColumn<QString>("limit");
    QTest::addColumn<QString>("others");
    QTest::addColumn<QList<bool>>("answers");
    QTest::addColumn<QStringList>("expected");
    QTest::addColumn<QString>("secondsused");
    QTest::addColumn<QString>("browseblocked");
    QTest::addColumn<QString>("storedOle");

    const QString today = QStringLiteral("today");
    const QString s240 = QStringLiteral("240");
    const QString one = QStringLiteral("1"), zero = QStringLiteral("0");
    const QList<bool> none;
    QTest::newRow("another day resets")
        << QStringLiteral("1/1/20") << QStringLiteral("9000") << s240 << one << none
        << QStringList() << zero << QString() << zero;
    QTest::newRow("no day stored resets") << QString() << QString() << s240 << one << none
                                          << QStringList() << zero << QString() << zero;
    QTest::newRow("day in another form resets")
        << day1.toString(Qt::ISODate) << QStringLiteral("14400") << s240 << one << none
        << QStringList() << zero << QString() << zero;
    QTest::newRow("same day below the limit")
        << today << QStringLiteral("14399") << s240 << one << none << QStringList()
        << QStringLiteral("14399") << QString() << QStringLiteral("14399");
    QTest::newRow("reached, declined: blocked")
        << today << QStringLiteral("14400") << s240 << one << QList<bool>{false}
        << events("stop,ask no") << QStringLiteral("14400") << one << QStringLiteral("14400");
    QTest::newRow("reached, override wanted")
        << today << QStringLiteral("14400") << s240 << one << QList<bool>{true}
        << events("stop,ask yes,override,disable") << QStringLiteral("14400") << one
        << QStringLiteral("14400");
    QTest::newRow("limit 0 with nothing used") << today << zero << zero << one << QList<bool>{false}
                                               << events("stop,ask no") << zero << one << zero;
    QTest::newRow("others forbidden, declined: ends")
        << today << QStringLiteral("14400") << s240 << zero << QList<bool>{false}
        << events("stop,ask no,end") << QStringLiteral("14400") << QString()
        << QStringLiteral("14400");
    QTest::newRow("others forbidden: asked twice")
        << today << QStringLiteral("14400") << s240 << zero << QList<bool>{true, false}
        << events("stop,ask yes,disable,override,ask no") << QStringLiteral("14400") << one
        << QStringLiteral("14400");
    QTest::newRow("count not a number: no question")
        << today << QStringLiteral("lots") << zero << one << none << QStringList()
        << QStringLiteral("lots") << QString() << QStringLiteral("lots");
    QTest::newRow("limit not a number: no question")
        << today << QStringLiteral("99999") << QStringLiteral("four hours") << one << none
        << QStringList() << QStringLiteral("99999") << QString() << QStringLiteral("99999");
}

void TestAllowance::startUpCheck()
{
    QFETCH(QString, date);
    QFETCH(QString, ole);
    QFETCH(QString, limit);
    QFETCH(QString, others);
    QFETCH(QList<bool>, answers);
    QFETCH(QStringList, expected);
    QFETCH(QString, secondsused);
    QFETCH(QString, browseblocked);
    QFETCH(QString, storedOle);

    Fixture f(limit, others);
    // The start-up check does not look at whether the limit is enabled.
    settings::write(f.store, settings::limitEnabled, QStringLiteral("0"));
    if (!date.isNull())
        f.storeDay(date == QLatin1String("today") ? Allowance::dayText(day1) : date, ole);
    f.actions.answers.append(answers);

    f.allowance.checktime(day1);

    QCOMPARE(f.actions.events, expected);
    QCOMPARE(f.secondsused, secondsused);
    QCOMPARE(f.browseblocked, browseblocked);
    QCOMPARE(f.stored(settings::secondsUsed), storedOle);
    QCOMPARE(f.stored(settings::day), Allowance::dayText(day1));
}

// The ticks from a count of the same day: at which tick the limit is first reached, and what
// follows from the answers.
void TestAllowance::ticks_data()
{
    QTest::addColumn<QString>("ole");
    QTest::addColumn<QString>("limit");
    QTest::addColumn<QString>("others");
    QTest::addColumn<QList<bool>>("answers");
    QTest::addColumn<int>("reachedAtTick");
    QTest::addColumn<QStringList>("expected");
    QTest::addColumn<QString>("browseblocked");

    const QString one = QStringLiteral("1"), zero = QStringLiteral("0");
    QTest::newRow("240 minutes after an earlier run")
        << QStringLiteral("14000") << QStringLiteral("240") << one << QList<bool>{false} << 400
        << events("disable,stop,ask no,enable") << one;
    QTest::newRow("limit 0 at the first tick") << zero << zero << one << QList<bool>{false} << 1
                                               << events("disable,stop,ask no,enable") << one;
    // Half a minute: the first 60 seconds count as no minutes at all.
    QTest::newRow("60 seconds or less are 0 minutes")
        << zero << QStringLiteral("0.5") << one << QList<bool>{false} << 61
        << events("disable,stop,ask no,enable") << one;
    QTest::newRow("override wanted: window stays disabled")
        << zero << one << one << QList<bool>{true} << 61 << events("disable,stop,ask yes,override")
        << QString();
    QTest::newRow("others forbidden, declined: ends")
        << zero << one << zero << QList<bool>{false} << 61 << events("disable,ask! no,end")
        << QString();
    QTest::newRow("others forbidden: asked twice")
        << zero << one << zero << QList<bool>{true, true} << 61
        << events("disable,ask! yes,override,disable,stop,ask yes,override") << QString();
    QTest::newRow("others forbidden, then declined: blocked")
        << zero << one << zero << QList<bool>{true, false} << 61
        << events("disable,ask! yes,override,disable,stop,ask no,enable") << one;
}

void TestAllowance::ticks()
{
    QFETCH(QString, ole);
    QFETCH(QString, limit);
    QFETCH(QString, others);
    QFETCH(QList<bool>, answers);
    QFETCH(int, reachedAtTick);
    QFETCH(QStringList, expected);
    QFETCH(QString, browseblocked);

    Fixture f(limit, others);
    // A count of 0 as a new day gives it, which the start-up check does not weigh.
    f.storeDay(ole == QLatin1String("0") ? QStringLiteral("1/1/20") : Allowance::dayText(day1),
               ole);
    f.allowance.checktime(day1);
    QVERIFY(f.actions.events.isEmpty());
    f.actions.answers.append(answers);

    int ticks = 0;
    while (f.actions.events.isEmpty() && ticks < 100000) {
        f.allowance.tick();
        ++ticks;
    }
    QCOMPARE(ticks, reachedAtTick);
    QCOMPARE(f.actions.shown, ticks);
    QCOMPARE(f.actions.events, expected);
    QCOMPARE(f.browseblocked, browseblocked);
    // The count of the run is stored when the limit is reached, whatever follows.
    QCOMPARE(f.stored(settings::secondsUsed), QString::number(ole.toInt() + ticks));
}

// A limit that stops being a number leaves the check as it last was, either way.
void TestAllowance::failedLimitKeepsLastResult()
{
    Fixture f(QStringLiteral("1"), QStringLiteral("1"));
    f.allowance.checktime(day1);
    settings::write(f.store, settings::limitMinutes, QStringLiteral("x"));
    QCOMPARE(f.tickUntilStopped(200), 200);
    QVERIFY(f.actions.events.isEmpty());

    settings::write(f.store, settings::limitMinutes, QStringLiteral("1"));
    f.allowance.tick();
    QCOMPARE(f.actions.events, events("disable,stop,ask no,enable"));
    settings::write(f.store, settings::limitMinutes, QStringLiteral("x"));
    QVERIFY(f.allowance.limitReached(0));
}

// While the limit counts the count is stored with its day every 30 ticks; a run that goes on
// past midnight keeps storing the day it started on.
void TestAllowance::countIsStoredEveryThirtyTicks()
{
    Fixture f(QStringLiteral("240"), QStringLiteral("1"));
    f.storeDay(Allowance::dayText(day1), QStringLiteral("100"));
    f.allowance.checktime(day1);
    f.store.clearWrites();
    for (int i = 0; i < 29; ++i)
        f.allowance.tick();
    QVERIFY(f.store.writes().isEmpty());
    f.allowance.tick();
    QCOMPARE(f.store.writes().size(), 2);
    QCOMPARE(f.stored(settings::secondsUsed), QStringLiteral("130"));
    QCOMPARE(f.stored(settings::day), Allowance::dayText(day1));
    for (int i = 0; i < 30; ++i)
        f.allowance.tick();
    QCOMPARE(f.stored(settings::secondsUsed), QStringLiteral("160"));
    QCOMPARE(f.store.writes().size(), 4);
}

// A store that cannot be written: counting goes on, and the next write that succeeds holds the
// whole count and its day.
void TestAllowance::refusedWritesCatchUp()
{
    Fixture f(QStringLiteral("240"), QStringLiteral("1"));
    f.storeDay(QStringLiteral("yesterday"), QStringLiteral("500"));
    f.store.refuseWrites = true;
    f.allowance.checktime(day1);
    QCOMPARE(f.secondsused, QStringLiteral("0"));
    for (int i = 0; i < 75; ++i)
        f.allowance.tick();
    QCOMPARE(f.secondsused, QStringLiteral("75"));
    QCOMPARE(f.stored(settings::secondsUsed), QStringLiteral("500"));

    f.store.refuseWrites = false;
    f.allowance.tick();
    QCOMPARE(f.stored(settings::secondsUsed), QStringLiteral("76"));
    QCOMPARE(f.stored(settings::day), Allowance::dayText(day1));
    // Caught up: back to one write every 30 ticks.
    f.store.clearWrites();
    for (int i = 0; i < 29; ++i)
        f.allowance.tick();
    QVERIFY(f.store.writes().isEmpty());
}

// A stored count that is not a number counts from 0 rather than never counting again.
void TestAllowance::damagedCountStillCounts()
{
    Fixture f(QStringLiteral("1"), QStringLiteral("1"));
    f.storeDay(Allowance::dayText(day1), QStringLiteral("a lot"));
    f.allowance.checktime(day1);
    QCOMPARE(f.tickUntilStopped(1000), 61);
    QCOMPARE(f.secondsused, QStringLiteral("61"));
}

QTEST_GUILESS_MAIN(TestAllowance)
#include "test_allowance.moc"
