#include "parental/PasswordProcedures.h"
#include "parental/Passwords.h"
#include "platform/IniSettingsStore.h"
#include "platform/fakes/MemorySettingsStore.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace vireo;
using Kind = Passwords::Kind;

namespace {

const QString app = QStringLiteral("Ovalo");
const QString section = QStringLiteral("0f");

QString keyOf(Kind kind)
{
    return kind == Kind::Parental ? QStringLiteral("esarin") : QStringLiteral("CPUFace");
}

} // namespace

class TestPasswords : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // The stored value is written straight into the store: either as the Windows program
    // wrote it (as typed) or as we write it (a hash, "hashed" column).
    void verify_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<bool>("hashed");
        QTest::addColumn<QString>("entry");
        QTest::addColumn<bool>("accepted");

        QTest::newRow("absent, empty entry") << QString() << false << QString() << true;
        QTest::newRow("absent, some entry") << QString() << false << QStringLiteral("a") << false;
        QTest::newRow("absent, a space") << QString() << false << QStringLiteral(" ") << false;
        QTest::newRow("legacy, same")
            << QStringLiteral("Tiger7") << false << QStringLiteral("Tiger7") << true;
        QTest::newRow("legacy, other case")
            << QStringLiteral("Tiger7") << false << QStringLiteral("tiger7") << false;
        QTest::newRow("legacy, trailing space")
            << QStringLiteral("Tiger7") << false << QStringLiteral("Tiger7 ") << false;
        QTest::newRow("legacy with a space, same")
            << QStringLiteral("my dog") << false << QStringLiteral("my dog") << true;
        QTest::newRow("legacy, empty entry")
            << QStringLiteral("Tiger7") << false << QString() << false;
        QTest::newRow("hash, same")
            << QStringLiteral("Tiger7") << true << QStringLiteral("Tiger7") << true;
        QTest::newRow("hash, other case")
            << QStringLiteral("Tiger7") << true << QStringLiteral("TIGER7") << false;
        QTest::newRow("hash, trailing space")
            << QStringLiteral("Tiger7") << true << QStringLiteral("Tiger7 ") << false;
        QTest::newRow("hash, empty entry")
            << QStringLiteral("Tiger7") << true << QString() << false;
        QTest::newRow("hash, non-ASCII") << QStringLiteral("Gr\u00fc\u00dfe") << true
                                         << QStringLiteral("Gr\u00fc\u00dfe") << true;
        // The hash text itself typed as the password is not the password.
        QTest::newRow("hash typed as entry")
            << QStringLiteral("Tiger7") << true << QStringLiteral("<hash>") << false;
    }
    void verify()
    {
        QFETCH(QString, stored);
        QFETCH(bool, hashed);
        QFETCH(QString, entry);
        QFETCH(bool, accepted);
        for (Kind kind : {Kind::Parental, Kind::Teen}) {
            MemorySettingsStore settings;
            const QString value = hashed ? Passwords::hash(stored) : stored;
            if (!value.isNull())
                settings.write(app, section, keyOf(kind), value);
            if (entry == QLatin1String("<hash>"))
                entry = value;
            QCOMPARE(Passwords(settings).verify(kind, entry), accepted);
            // A value stored as typed gives way to its hash once it has been matched.
            const QString after = settings.read(app, section, keyOf(kind));
            if (!hashed && accepted && !stored.isEmpty()) {
                QVERIFY(Passwords::isHash(after));
                QVERIFY(Passwords(settings).verify(kind, entry));
            } else {
                QCOMPARE(after, value);
            }
            // The other kind's key is not consulted.
            const Kind other = kind == Kind::Parental ? Kind::Teen : Kind::Parental;
            QCOMPARE(Passwords(settings).verify(other, QString()), true);
            if (hashed)
                break; // one kind is enough for the slow rows
        }
    }

    void setStoresAnArgon2idHashUnderItsKey()
    {
        MemorySettingsStore settings;
        Passwords passwords(settings);
        passwords.set(Kind::Parental, QStringLiteral("Mum&Dad"));
        QCOMPARE(settings.writes().size(), 1);
        const auto w = settings.writes().first();
        QCOMPARE(w.application, app);
        QCOMPARE(w.section, section);
        QCOMPARE(w.key, QStringLiteral("esarin"));
        QVERIFY(w.value.startsWith(QLatin1String("$argon2id$")));
        QVERIFY(Passwords::isHash(w.value));
        QVERIFY(passwords.verify(Kind::Parental, QStringLiteral("Mum&Dad")));
        QVERIFY(!passwords.verify(Kind::Teen, QStringLiteral("Mum&Dad")));
        QVERIFY(!passwords.isEmpty(Kind::Parental));
        QVERIFY(passwords.isEmpty(Kind::Teen));
    }

    void theEmptyPasswordIsStoredAsEmptyText()
    {
        MemorySettingsStore settings;
        Passwords passwords(settings);
        passwords.set(Kind::Teen, QStringLiteral("x"));
        passwords.set(Kind::Teen, QString());
        QCOMPARE(settings.read(app, section, QStringLiteral("CPUFace")), QString());
        QVERIFY(passwords.isEmpty(Kind::Teen));
        QVERIFY(passwords.verify(Kind::Teen, QString()));
    }

    // The stored value is read at each check: a change made elsewhere applies at once.
    void eachCheckReadsTheStoreAgain()
    {
        MemorySettingsStore settings;
        Passwords passwords(settings);
        settings.write(app, section, QStringLiteral("esarin"), QStringLiteral("old"));
        QVERIFY(passwords.verify(Kind::Parental, QStringLiteral("old")));
        settings.write(app, section, QStringLiteral("esarin"), QStringLiteral("new"));
        QVERIFY(!passwords.verify(Kind::Parental, QStringLiteral("old")));
        QVERIFY(passwords.verify(Kind::Parental, QStringLiteral("new")));
        QVERIFY(!passwords.isEmpty(Kind::Parental));
    }

    void aLegacyValueIsNotAHash()
    {
        QVERIFY(!Passwords::isHash(QStringLiteral("argon2")));
        QVERIFY(!Passwords::isHash(QString()));
        QVERIFY(Passwords::isHash(QStringLiteral("$argon2id$v=19$...")));
    }

    // Through the real settings file: every way of storing a password leaves no typed
    // password in it.
    void theSettingsFileNeverHoldsATypedPassword()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        {
            IniSettingsStore settings(dir.path());
            Passwords passwords(settings);
            QCOMPARE(
                setBothPasswords(passwords,
                                 {QStringLiteral("ParentSecret1"), QStringLiteral("ParentSecret1"),
                                  QStringLiteral("TeenSecret2"), QStringLiteral("TeenSecret2")}),
                FirstRunOutcome::BothSet);
            QCOMPARE(changePassword(passwords, Kind::Teen, QStringLiteral("TeenSecret2"),
                                    QStringLiteral("TeenChanged3"), QStringLiteral("TeenChanged3")),
                     ChangeOutcome::Changed);
            QVERIFY(passwords.verify(Kind::Parental, QStringLiteral("ParentSecret1")));
            QVERIFY(passwords.verify(Kind::Teen, QStringLiteral("TeenChanged3")));
        }
        QFile file(dir.filePath(QStringLiteral("Ovalo.ini")));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray text = file.readAll();
        for (const char* typed : {"ParentSecret1", "TeenSecret2", "TeenChanged3"})
            QVERIFY2(!text.contains(typed), typed);
        QCOMPARE(text.count("$argon2id$"), 2);
        QVERIFY(text.contains("esarin="));
        QVERIFY(text.contains("CPUFace="));

        // Read back by a new store, as at the next start.
        IniSettingsStore again(dir.path());
        QVERIFY(Passwords(again).verify(Kind::Teen, QStringLiteral("TeenChanged3")));
        QVERIFY(!Passwords(again).verify(Kind::Teen, QStringLiteral("TeenSecret2")));
    }

    // A file of the Windows program: a wrong entry leaves it as it was, the right one replaces
    // the typed password by its hash.
    void aTypedPasswordIsHashedAfterItsFirstMatch()
    {
        QTemporaryDir dir;
        QFile file(dir.filePath(QStringLiteral("Ovalo.ini")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("[0f]\nesarin=Tiger7\nCPUFace=cub\n");
        file.close();
        IniSettingsStore settings(dir.path());
        Passwords passwords(settings);
        QVERIFY(!passwords.verify(Kind::Parental, QStringLiteral("tiger7")));
        QCOMPARE(settings.read(app, section, keyOf(Kind::Parental)), QStringLiteral("Tiger7"));
        QVERIFY(passwords.verify(Kind::Parental, QStringLiteral("Tiger7")));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray text = file.readAll();
        QVERIFY2(!text.contains("Tiger7"), text.constData());
        QVERIFY(text.contains("$argon2id$"));
        QVERIFY(text.contains("CPUFace=cub"));
        QVERIFY(Passwords(settings).verify(Kind::Parental, QStringLiteral("Tiger7")));
    }
};

QTEST_GUILESS_MAIN(TestPasswords)
#include "test_passwords.moc"
