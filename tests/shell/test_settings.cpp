#include "platform/fakes/MemorySettingsStore.h"
#include "shell/Settings.h"

#include <QTest>

using namespace vireo;
using settings::SwitchRule;

class TestSettings : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void switchRules_data();
    void switchRules();
    void keysAddressTheStore();
};

// The two ways the windows read a switch disagree on every text but "1" and the empty ones.
void TestSettings::switchRules_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<bool>("asText");
    QTest::addColumn<bool>("asNumber");
    QTest::newRow("one") << QStringLiteral("1") << true << true;
    QTest::newRow("zero") << QStringLiteral("0") << false << false;
    QTest::newRow("absent") << QString() << false << false;
    QTest::newRow("spaced") << QStringLiteral(" 1 ") << false << true;
    QTest::newRow("decimal") << QStringLiteral("1.0") << false << true;
    QTest::newRow("hexadecimal") << QStringLiteral("&H1") << false << true;
    QTest::newRow("two") << QStringLiteral("2") << false << false;
    QTest::newRow("not a number") << QStringLiteral("yes") << false << false;
}

void TestSettings::switchRules()
{
    QFETCH(QString, value);
    QFETCH(bool, asText);
    QFETCH(bool, asNumber);
    QCOMPARE(settings::isOn(value, SwitchRule::Text), asText);
    QCOMPARE(settings::isOn(value, SwitchRule::Number), asNumber);
}

void TestSettings::keysAddressTheStore()
{
    MemorySettingsStore store;
    QVERIFY(settings::write(store, settings::searchesDisabled, QStringLiteral("1")));
    QVERIFY(settings::write(store, settings::teenPassword, QStringLiteral("x")));
    const QList<MemorySettingsStore::Write> expected = {
        {QStringLiteral("vro"), QStringLiteral("settings"), QStringLiteral("3"),
         QStringLiteral("1")},
        {QStringLiteral("Ovalo"), QStringLiteral("0f"), QStringLiteral("CPUFace"),
         QStringLiteral("x")},
    };
    QCOMPARE(store.writes(), expected);
    QVERIFY(settings::isOn(store, settings::searchesDisabled, SwitchRule::Text));
}

QTEST_GUILESS_MAIN(TestSettings)
#include "test_settings.moc"
