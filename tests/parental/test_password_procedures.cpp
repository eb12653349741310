#include "parental/PasswordProcedures.h"
#include "platform/fakes/MemorySettingsStore.h"

#include <QTest>

using namespace vireo;
using Kind = Passwords::Kind;

namespace {

const QString app = QStringLiteral("Ovalo");
const QString section = QStringLiteral("0f");
const QString parentalKey = QStringLiteral("esarin");
const QString teenKey = QStringLiteral("CPUFace");

} // namespace

class TestPasswordProcedures : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void firstRunWithAllEntriesEmptyStoresTwoEmptyPasswords()
    {
        MemorySettingsStore settings;
        Passwords passwords(settings);
        QCOMPARE(setBothPasswords(passwords, {}), FirstRunOutcome::BothSet);
        QCOMPARE(settings.writes().size(), 2);
        QCOMPARE(settings.writes().at(0),
                 (MemorySettingsStore::Write{app, section, parentalKey, QString()}));
        QCOMPARE(settings.writes().at(1),
                 (MemorySettingsStore::Write{app, section, teenKey, QString()}));
        QCOMPARE(firstRunMessage(FirstRunOutcome::BothSet), QStringLiteral("Password Changed!"));
    }

    void firstRunStoresBothPasswords()
    {
        MemorySettingsStore settings;
        Passwords passwords(settings);
        QCOMPARE(setBothPasswords(passwords, {QStringLiteral("P1"), QStringLiteral("P1"),
                                              QStringLiteral("T2"), QStringLiteral("T2")}),
                 FirstRunOutcome::BothSet);
        QCOMPARE(settings.writes().size(), 2);
        QCOMPARE(settings.writes().at(0).key, parentalKey); // parental first
        QVERIFY(passwords.verify(Kind::Parental, QStringLiteral("P1")));
        QVERIFY(passwords.verify(Kind::Teen, QStringLiteral("T2")));
    }

    void firstRunParentalMismatchStoresNothing()
    {
        MemorySettingsStore settings;
        Passwords passwords(settings);
        QCOMPARE(setBothPasswords(passwords, {QStringLiteral("P1"), QStringLiteral("p1"),
                                              QStringLiteral("T2"), QStringLiteral("T2")}),
                 FirstRunOutcome::ParentalMismatch);
        QVERIFY(settings.writes().isEmpty());
        QCOMPARE(firstRunMessage(FirstRunOutcome::ParentalMismatch),
                 QStringLiteral("Your Parental Password could not be set, because the passwords "
                                "don't match!"));
    }

    void firstRunTeenMismatchKeepsTheParentalPassword()
    {
        MemorySettingsStore settings;
        Passwords passwords(settings);
        QCOMPARE(setBothPasswords(passwords, {QString(), QString(), QStringLiteral("T2"),
                                              QStringLiteral("T2 ")}),
                 FirstRunOutcome::TeenMismatch);
        QCOMPARE(settings.writes().size(), 1);
        QCOMPARE(settings.writes().at(0),
                 (MemorySettingsStore::Write{app, section, parentalKey, QString()}));
        QCOMPARE(settings.read(app, section, teenKey), QString());
        QCOMPARE(
            firstRunMessage(FirstRunOutcome::TeenMismatch),
            QStringLiteral("Your passwords could not be set, because the passwords don't match!"));
    }

    // The stored value is as the Windows program left it (typed), so no hashing is needed
    // to check the old password.
    void change_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("oldEntry");
        QTest::addColumn<QString>("newEntry");
        QTest::addColumn<QString>("confirmEntry");
        QTest::addColumn<int>("outcome");
        QTest::addColumn<QString>("message");

        const int parental = int(Kind::Parental);
        const int teen = int(Kind::Teen);
        const QString oldWrong =
            QStringLiteral("The old password you entered doesn't match your current password!");
        QTest::newRow("parental old wrong")
            << parental << QStringLiteral("abc") << QStringLiteral("ABC") << QString() << QString()
            << int(ChangeOutcome::OldMismatch) << oldWrong;
        QTest::newRow("teen old wrong by a trailing space")
            << teen << QStringLiteral("abc") << QStringLiteral("abc ") << QString() << QString()
            << int(ChangeOutcome::OldMismatch) << oldWrong;
        QTest::newRow("empty stored needs an empty old entry")
            << teen << QString() << QStringLiteral("x") << QString() << QString()
            << int(ChangeOutcome::OldMismatch) << oldWrong;
        QTest::newRow("parental new differs")
            << parental << QStringLiteral("abc") << QStringLiteral("abc") << QStringLiteral("n1")
            << QStringLiteral("n2") << int(ChangeOutcome::NewMismatch)
            << QStringLiteral("Your Parental Password could not be set, because the passwords "
                              "don't match!");
        QTest::newRow("teen new differs")
            << teen << QStringLiteral("abc") << QStringLiteral("abc") << QStringLiteral("n1")
            << QString() << int(ChangeOutcome::NewMismatch)
            << QStringLiteral("Your password could not be set, because the passwords don't "
                              "match!");
        QTest::newRow("parental to empty")
            << parental << QStringLiteral("abc") << QStringLiteral("abc") << QString() << QString()
            << int(ChangeOutcome::Changed) << QStringLiteral("Password Changed!");
        QTest::newRow("teen from empty to empty")
            << teen << QString() << QString() << QString() << QString()
            << int(ChangeOutcome::Changed) << QStringLiteral("Password Changed!");
    }
    void change()
    {
        QFETCH(int, kind);
        QFETCH(QString, stored);
        QFETCH(QString, oldEntry);
        QFETCH(QString, newEntry);
        QFETCH(QString, confirmEntry);
        QFETCH(int, outcome);
        QFETCH(QString, message);

        const Kind k = Kind(kind);
        const QString key = k == Kind::Parental ? parentalKey : teenKey;
        MemorySettingsStore settings;
        settings.write(app, section, key, stored);
        settings.clearWrites();
        Passwords passwords(settings);

        const ChangeOutcome result = changePassword(passwords, k, oldEntry, newEntry, confirmEntry);
        QCOMPARE(int(result), outcome);
        QCOMPARE(changeMessage(k, result), message);
        if (result == ChangeOutcome::Changed) {
            // The new password is the last value stored (a matched old one kept as typed may
            // have given way to its hash first).
            QVERIFY(!settings.writes().isEmpty());
            QCOMPARE(settings.writes().last().key, key);
            QVERIFY(passwords.verify(k, newEntry));
            // An empty password from now on: its gates can be skipped.
            QVERIFY(passwords.isEmpty(k));
        } else if (result == ChangeOutcome::NewMismatch && !stored.isEmpty()) {
            // The old password matched: kept as typed, it is now kept as its hash.
            QVERIFY(Passwords::isHash(settings.read(app, section, key)));
            QVERIFY(passwords.verify(k, oldEntry));
        } else {
            QVERIFY(settings.writes().isEmpty());
            QCOMPARE(settings.read(app, section, key), stored);
        }
    }

    void changeToANewPasswordHashesIt()
    {
        MemorySettingsStore settings;
        Passwords passwords(settings);
        QCOMPARE(changePassword(passwords, Kind::Parental, QString(), QStringLiteral("Secret 9"),
                                QStringLiteral("Secret 9")),
                 ChangeOutcome::Changed);
        QVERIFY(Passwords::isHash(settings.read(app, section, parentalKey)));
        QVERIFY(passwords.verify(Kind::Parental, QStringLiteral("Secret 9")));
        // The old password no longer opens it, the new one is needed to change it again.
        QCOMPARE(changePassword(passwords, Kind::Parental, QString(), QString(), QString()),
                 ChangeOutcome::OldMismatch);
    }
};

QTEST_GUILESS_MAIN(TestPasswordProcedures)
#include "test_password_procedures.moc"
