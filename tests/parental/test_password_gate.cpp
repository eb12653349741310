#include "parental/PasswordChangePanel.h"
#include "parental/PasswordGate.h"
#include "platform/fakes/MemorySettingsStore.h"
#include "platform/fakes/ScriptedDialogs.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

using namespace vireo;
using Kind = Passwords::Kind;
using Style = PasswordGate::Style;

namespace {

const QString app = QStringLiteral("Ovalo");
const QString section = QStringLiteral("0f");

} // namespace

class TestPasswordGate : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void wording_data()
    {
        QTest::addColumn<int>("style");
        QTest::addColumn<QString>("message");
        QTest::newRow("logon") << int(Style::Logon) << QStringLiteral("Incorrect Password!");
        QTest::newRow("prompt") << int(Style::Prompt) << QStringLiteral("Incorrect Password");
    }
    void wording()
    {
        QFETCH(int, style);
        QFETCH(QString, message);
        MemorySettingsStore settings;
        settings.write(app, section, QStringLiteral("CPUFace"), QStringLiteral("Teen1"));
        ScriptedDialogs dialogs;
        PasswordGate gate(Kind::Teen, Style(style),
                          {QStringLiteral("Journal Logon"), QStringLiteral("Password:")}, settings,
                          dialogs);
        QSignalSpy passed(&gate, &PasswordGate::passed);

        QTest::keyClicks(gate.entry, QStringLiteral("teen1"));
        QTest::mouseClick(gate.confirmButton, Qt::LeftButton);
        QCOMPARE(dialogs.messages(), QStringList{message});
        QCOMPARE(passed.count(), 0);
        QCOMPARE(gate.entry->text(), QStringLiteral("teen1")); // left as typed

        gate.entry->setText(QStringLiteral("Teen1"));
        QTest::keyClick(gate.entry, Qt::Key_Return);
        QCOMPARE(passed.count(), 1);
        QCOMPARE(dialogs.messages().size(), 1);
        // A logon panel empties its entry once passed; a prompt leaves it.
        QCOMPARE(gate.entry->text().isEmpty(), Style(style) == Style::Logon);
    }

    void readsThePasswordAtTheMomentOfConfirming()
    {
        MemorySettingsStore settings;
        ScriptedDialogs dialogs;
        PasswordGate gate(Kind::Parental, Style::Prompt,
                          {QString(), QStringLiteral("Please enter your Parental password.")},
                          settings, dialogs);
        QSignalSpy passed(&gate, &PasswordGate::passed);
        settings.write(app, section, QStringLiteral("esarin"), QStringLiteral("later"));
        gate.entry->setText(QStringLiteral("later"));
        QVERIFY(gate.confirm());
        settings.write(app, section, QStringLiteral("esarin"), QString());
        QVERIFY(!gate.confirm());
        gate.entry->clear();
        QVERIFY(gate.confirm());
        QCOMPARE(passed.count(), 2);
    }

    void looksLikeAGate()
    {
        MemorySettingsStore settings;
        ScriptedDialogs dialogs;
        PasswordGate gate(Kind::Parental, Style::Prompt,
                          {QString(), QStringLiteral("Please enter your Parental password."),
                           QStringLiteral("Ok"), QStringLiteral("Cancel")},
                          settings, dialogs);
        QCOMPARE(gate.entry->echoMode(), QLineEdit::Password);
        QCOMPARE(gate.prompt->text(), QStringLiteral("Please enter your Parental password."));
        QVERIFY(gate.title->isHidden());
        QCOMPARE(gate.confirmButton->text(), QStringLiteral("Ok"));
        QCOMPARE(gate.cancelButton->text(), QStringLiteral("Cancel"));
        QSignalSpy cancelled(&gate, &PasswordGate::cancelled);
        QTest::mouseClick(gate.cancelButton, Qt::LeftButton);
        QCOMPARE(cancelled.count(), 1);
        QVERIFY(dialogs.shown.isEmpty());
    }

    void changePanelShowsTheMessagesAndKeepsTheEntries()
    {
        MemorySettingsStore settings;
        settings.write(app, section, QStringLiteral("CPUFace"), QStringLiteral("old"));
        ScriptedDialogs dialogs;
        PasswordChangePanel panel(Kind::Teen, settings, dialogs);
        for (QLineEdit* e : {panel.oldEntry, panel.newEntry, panel.confirmEntry})
            QCOMPARE(e->echoMode(), QLineEdit::Password);
        QCOMPARE(panel.changeButton->text(), QStringLiteral("Change Password"));
        QCOMPARE(panel.clearButton->text(), QStringLiteral("Clear"));

        panel.oldEntry->setText(QStringLiteral("Old"));
        QTest::mouseClick(panel.changeButton, Qt::LeftButton);
        panel.oldEntry->setText(QStringLiteral("old"));
        panel.newEntry->setText(QStringLiteral("a"));
        panel.confirmEntry->setText(QStringLiteral("b"));
        QTest::mouseClick(panel.changeButton, Qt::LeftButton);
        panel.confirmEntry->clear();
        panel.newEntry->clear();
        QTest::mouseClick(panel.changeButton, Qt::LeftButton);
        QCOMPARE(
            dialogs.messages(),
            (QStringList{
                QStringLiteral("The old password you entered doesn't match your current password!"),
                QStringLiteral(
                    "Your password could not be set, because the passwords don't match!"),
                QStringLiteral("Password Changed!")}));
        QCOMPARE(settings.read(app, section, QStringLiteral("CPUFace")), QString());
        QCOMPARE(panel.oldEntry->text(), QStringLiteral("old"));

        panel.newEntry->setText(QStringLiteral("n"));
        panel.confirmEntry->setText(QStringLiteral("c"));
        settings.clearWrites();
        QTest::mouseClick(panel.clearButton, Qt::LeftButton);
        for (QLineEdit* e : {panel.oldEntry, panel.newEntry, panel.confirmEntry})
            QVERIFY(e->text().isEmpty());
        QVERIFY(settings.writes().isEmpty());
        QCOMPARE(dialogs.messages().size(), 3);
    }
};

QTEST_MAIN(TestPasswordGate)
#include "test_password_gate.moc"
