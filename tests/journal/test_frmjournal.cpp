// The journal window over fakes (settings in memory, scripted dialogs, a fake printer) and a
// temporary program folder; one test prints through the real print dialog to a PDF file.

#include "journal/UnbrokenRuns.h"
#include "journal/frmjournal.h"
#include "parental/PasswordGate.h"
#include "parental/Passwords.h"
#include "platform/QtPrinting.h"
#include "platform/fakes/FakePrinting.h"
#include "support/DescribeDocument.h"
#include "support/RealPrinting.h"
#include "support/WindowsFixture.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPrintDialog>
#include <QProcess>
#include <QPushButton>
#include <QTest>
#include <QTextEdit>
#include <QTimer>
#include <QToolButton>
#include <memory>

using namespace vireo;
using namespace vireo::test;

namespace {

const char* const todayFile = "\\2000 Jan 5.vjf";

void flushDeletes()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace

class TestFrmjournal : public QObject {
    Q_OBJECT

    std::unique_ptr<WindowsFixture> f;
    FakePrinting printing;

    frmjournal* window() const
    {
        return dynamic_cast<frmjournal*>(f->app.openWindow(f->app.journalKind));
    }

    frmjournal* open()
    {
        f->app.journal();
        frmjournal* w = window();
        if (w) {
            f->master->show();
            QApplication::setActiveWindow(f->master.get());
        }
        return w;
    }

    // Closes the journal's child window as its close box does; true when it closed.
    bool closeJournal()
    {
        QPointer<frmjournal> w = window();
        auto* sub = qobject_cast<QMdiSubWindow*>(w->parentWidget());
        const bool closed = sub ? sub->close() : w->close();
        flushDeletes();
        return closed;
    }

    void type(frmjournal* w, const QString& text)
    {
        w->journaltext->setFocus();
        QTest::keyClicks(w->journaltext, text);
    }

private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    void init()
    {
        f = std::make_unique<WindowsFixture>();
        f->app.today = QDate(2000, 1, 5);
        f->app.printing = &printing;
        printing = {};
        f->settings.write(QStringLiteral("vro"), QStringLiteral("settings"), QStringLiteral("7"),
                          QStringLiteral("0"));
    }

    void cleanup()
    {
        f.reset();
        flushDeletes();
    }

    void opensTodaysEntryAsAChildWindow()
    {
        frmjournal* w = open();
        QVERIFY(w);
        QCOMPARE(w->windowTitle(), QStringLiteral("Journal"));
        QVERIFY(qobject_cast<QMdiSubWindow*>(w->parentWidget()));
        QCOMPARE(w->date->text(), QStringLiteral("My Thoughts for 2000 - Jan - 5"));
        QCOMPARE(w->textdate->text(), QStringLiteral("2000 Jan 5.vjf"));
        QVERIFY(w->textdate->isHidden());
        QVERIFY(w->File1->isHidden());
        QVERIFY(w->journaltext->document()->isEmpty());
        // One at a time: opening again brings the same window forward.
        f->app.journal();
        QCOMPARE(window(), w);
        QCOMPARE(f->master->controlsForTest().mdiArea->subWindowList().size(), 1);
    }

    void theLauncherAndTheMenuOpenIt()
    {
        f->master->Image9_Click();
        QVERIFY(window());
        QVERIFY(closeJournal());
        QVERIFY(!window());
        f->master->controlsForTest().mnu_journal->trigger();
        QVERIFY(window());
    }

    void picturesAreNamedByTheirTooltips()
    {
        frmjournal* w = open();
        const QList<std::pair<QToolButton*, const char*>> buttons = {
            {w->gosave, "Save changes"},
            {w->gotras, "Clear"},
            {w->ope, "View a previous entry"},
            {w->gocopy, "Copy"},
            {w->gocut, "Cut"},
            {w->gopaste, "Paste"},
            {w->goprint, "Print"},
            {w->gotime, "TimeStamp"},
            {w->gocrypt, "Encryption"},
            {w->gohelp, "Help"}};
        for (const auto& [button, tip] : buttons) {
            QCOMPARE(button->toolTip(), QLatin1String(tip));
            QCOMPARE(button->accessibleName(), QLatin1String(tip));
            QVERIFY(!button->icon().isNull());
        }
        QVERIFY(w->menus.mnu_mp3->isVisible());
    }

    void mp3IsHiddenBySettingOne()
    {
        f->settings.write(QStringLiteral("vro"), QStringLiteral("settings"), QStringLiteral("1"),
                          QStringLiteral("1"));
        QVERIFY(!open()->menus.mnu_mp3->isVisible());
    }

    void logonPanel_data()
    {
        QTest::addColumn<QString>("setting7");
        QTest::addColumn<QString>("password");
        QTest::addColumn<QString>("entry");
        QTest::addColumn<bool>("covered");
        QTest::addColumn<bool>("passes");
        QTest::newRow("off") << "0"
                             << "secret"
                             << "" << false << true;
        QTest::newRow("empty password, empty entry") << "1"
                                                     << ""
                                                     << "" << true << true;
        QTest::newRow("right password") << "1"
                                        << "secret"
                                        << "secret" << true << true;
        QTest::newRow("wrong case") << "1"
                                    << "secret"
                                    << "Secret" << true << false;
        QTest::newRow("trailing space") << "1"
                                        << "secret"
                                        << "secret " << true << false;
    }
    void logonPanel()
    {
        QFETCH(QString, setting7);
        QFETCH(QString, password);
        QFETCH(QString, entry);
        QFETCH(bool, covered);
        QFETCH(bool, passes);
        f->settings.write(QStringLiteral("vro"), QStringLiteral("settings"), QStringLiteral("7"),
                          setting7);
        Passwords(f->settings).set(Passwords::Kind::Teen, password);
        f->put(todayFile, "{\\rtf1 private thoughts}");
        frmjournal* w = open();
        QCOMPARE(w->Picture1->isVisible(), covered);
        QCOMPARE(w->journal_logon->isVisible(), covered);
        QCOMPARE(w->journaltext->isEnabled(), !covered);
        if (!covered)
            return;
        QCOMPARE(w->journal_logon->title->text(), QStringLiteral("Journal Logon"));
        QCOMPARE(w->journal_logon->prompt->text(), QStringLiteral("Password:"));
        QCOMPARE(w->changePassword->text(), QStringLiteral("(Change your password)"));
        // Nothing of the entry is in the window before the password.
        QVERIFY(w->journaltext->toPlainText().isEmpty());

        w->journal_logon->entry->setText(entry);
        QTest::mouseClick(w->journal_logon->confirmButton, Qt::LeftButton);
        QCOMPARE(!w->Picture1->isVisible(), passes);
        QCOMPARE(w->journaltext->isEnabled(), passes);
        if (passes) {
            QVERIFY(f->dialogs.messages().isEmpty());
            QVERIFY(w->journal_logon->entry->text().isEmpty());
            QCOMPARE(w->journaltext->toPlainText(), QStringLiteral("private thoughts"));
        } else {
            QCOMPARE(f->dialogs.messages(), {QStringLiteral("Incorrect Password!")});
            QCOMPARE(w->journal_logon->entry->text(), entry);
            QVERIFY(w->journaltext->toPlainText().isEmpty());
        }
        // Closing asks nothing and leaves the entry file as it was.
        QVERIFY(closeJournal());
        for (const auto& shown : f->dialogs.shown)
            QVERIFY(shown.kind != ScriptedDialogs::Shown::YesNoCancel);
        QCOMPARE(f->contents(todayFile), QByteArray("{\\rtf1 private thoughts}"));
    }

    void logonCancelClosesTheWindow()
    {
        f->settings.write(QStringLiteral("vro"), QStringLiteral("settings"), QStringLiteral("7"),
                          QStringLiteral("1"));
        QPointer<frmjournal> w = open();
        QTest::mouseClick(w->journal_logon->cancelButton, Qt::LeftButton);
        flushDeletes();
        QVERIFY(!w);
        QVERIFY(f->dialogs.shown.isEmpty());
    }

    void changeYourPasswordOpensTheOptions()
    {
        f->settings.write(QStringLiteral("vro"), QStringLiteral("settings"), QStringLiteral("7"),
                          QStringLiteral("1"));
        QPointer<QWidget> options;
        f->app.optionsKind = {[&options](App&) -> QWidget* { return options = new QWidget; },
                              false};
        frmjournal* w = open();
        w->changePassword->click();
        QVERIFY(options);
        QCOMPARE(f->app.openWindow(f->app.optionsKind), options.data());
        delete options;
    }

    void typedTextIsSavedAndShownAgainWithItsFormats()
    {
        frmjournal* w = open();
        type(w, QStringLiteral("Dear diary, "));
        QTextCharFormat bold;
        bold.setFontWeight(QFont::Bold);
        w->journaltext->mergeCurrentCharFormat(bold);
        type(w, QStringLiteral("today"));
        QVERIFY(w->isModified());
        QTest::mouseClick(w->gosave, Qt::LeftButton);
        QVERIFY(f->exists(todayFile));
        QVERIFY(!w->isModified());
        QVERIFY(f->dialogs.shown.isEmpty());
        const QString before = describe(*w->journaltext->document());
        QVERIFY2(before.contains(QStringLiteral("<b>today")), qPrintable(before));

        QVERIFY(closeJournal());
        QVERIFY(f->dialogs.shown.isEmpty()); // saved: nothing to ask
        frmjournal* again = open();
        QVERIFY(again);
        QCOMPARE(describe(*again->journaltext->document()), before);
        QVERIFY(!again->isModified());
    }

    void savingTwiceKeepsOneFileForTheStartingDay()
    {
        // The clock says another day (the test runs long after 2000): the window still writes
        // the entry of the day the program started.
        frmjournal* w = open();
        type(w, QStringLiteral("one"));
        w->gosave_Click();
        type(w, QStringLiteral(" two"));
        w->gosave_Click();
        QCOMPARE(QDir(f->dir.path()).entryList({QStringLiteral("*.vjf")}),
                 {QStringLiteral("2000 Jan 5.vjf")});
        QVERIFY(f->contents(todayFile).contains("one two"));
    }

    void clearKeepsAnEmptyEntryInTheList()
    {
        f->put(todayFile, "{\\rtf1 something}");
        frmjournal* w = open();
        QCOMPARE(w->journaltext->toPlainText(), QStringLiteral("something"));
        w->gotras_Click();
        QVERIFY(f->dialogs.shown.isEmpty());
        QVERIFY(w->journaltext->document()->isEmpty());
        QVERIFY(f->contents(todayFile).startsWith("{\\rtf1"));
        QVERIFY(!f->contents(todayFile).contains("something"));
        w->ope_Click();
        QCOMPARE(w->File1->count(), 1);
        QCOMPARE(w->File1->item(0)->text(), QStringLiteral("2000 Jan 5.vjf"));
    }

    void theListOpensAnEntryAndHidesOnEditorFocus()
    {
        for (const char* name : {"\\2000 Jan 10.vjf", "\\2000 Jan 2.vjf", "\\2000 Feb 1.vjf"})
            f->put(name, "{\\rtf1 entry " + QByteArray(name + 1) + "}");
        frmjournal* w = open();
        QVERIFY(QTest::qWaitForWindowActive(f->master.get()));
        w->ope_Click();
        QVERIFY(w->File1->isVisible());
        QStringList names;
        for (int i = 0; i < w->File1->count(); ++i)
            names << w->File1->item(i)->text();
        QCOMPARE(names,
                 QStringList({QStringLiteral("2000 Feb 1.vjf"), QStringLiteral("2000 Jan 10.vjf"),
                              QStringLiteral("2000 Jan 2.vjf")}));

        QListWidgetItem* item = w->File1->item(2);
        QTest::mouseClick(w->File1->viewport(), Qt::LeftButton, {},
                          w->File1->visualItemRect(item).center());
        QCOMPARE(w->date->text(), QStringLiteral("My Thoughts for: 2000 Jan 2"));
        QCOMPARE(w->textdate->text(), QStringLiteral("2000 Jan 2.vjf"));
        QCOMPARE(w->journaltext->toPlainText(), QStringLiteral("entry 2000 Jan 2.vjf"));
        QTRY_VERIFY(w->journaltext->hasFocus());
        QVERIFY(w->File1->isHidden());

        // Saving goes to the entry opened.
        type(w, QStringLiteral("more "));
        w->gosave_Click();
        QVERIFY(f->contents("\\2000 Jan 2.vjf").contains("more"));
        QVERIFY(!f->exists(todayFile));
    }

    void unsavedChangesAreAskedAbout_data()
    {
        QTest::addColumn<Answer>("answer");
        QTest::addColumn<bool>("left");
        QTest::addColumn<bool>("saved");
        QTest::newRow("Yes saves") << Answer::Yes << true << true;
        QTest::newRow("No throws away") << Answer::No << true << false;
        QTest::newRow("Cancel stays") << Answer::Cancel << false << false;
    }
    void unsavedChangesAreAskedAbout()
    {
        QFETCH(Answer, answer);
        QFETCH(bool, left);
        QFETCH(bool, saved);
        f->put("\\1999 Dec 31.vjf", "{\\rtf1 old year}");

        // Closing the window.
        frmjournal* w = open();
        type(w, QStringLiteral("unsaved"));
        f->dialogs.yesNoCancelAnswers.enqueue(answer);
        QCOMPARE(closeJournal(), left);
        QCOMPARE(f->dialogs.shown.size(), 1);
        QCOMPARE(f->dialogs.shown[0].kind, ScriptedDialogs::Shown::YesNoCancel);
        QCOMPARE(f->dialogs.shown[0].text, QStringLiteral("Save changes to this entry?"));
        QCOMPARE(f->exists(todayFile), saved);
        QCOMPARE(window() != nullptr, !left);
        if (window())
            QCOMPARE(window()->journaltext->toPlainText(), QStringLiteral("unsaved"));

        // Opening another entry from the list.
        QFile::remove(f->path(todayFile));
        f->dialogs.shown.clear();
        w = open();
        w->journaltext->document()->clear();
        type(w, QStringLiteral("again"));
        w->ope_Click();
        f->dialogs.yesNoCancelAnswers.enqueue(answer);
        w->File1_Click(w->File1->item(0));
        QCOMPARE(f->dialogs.shown.size(), 1);
        QCOMPARE(w->textdate->text(),
                 left ? QStringLiteral("1999 Dec 31.vjf") : QStringLiteral("2000 Jan 5.vjf"));
        QCOMPARE(w->journaltext->toPlainText(),
                 left ? QStringLiteral("old year") : QStringLiteral("again"));
        QCOMPARE(f->exists(todayFile), saved);
    }

    void closingTheProgramAsksForTheJournal_data()
    {
        QTest::addColumn<bool>("byExit");
        QTest::newRow("close box") << false;
        QTest::newRow("Exit") << true;
    }
    void closingTheProgramAsksForTheJournal()
    {
        QFETCH(bool, byExit);
        // "&Exit" closes no window on its way out, so the journal is asked before it.
        const auto endProgram = [&] {
            if (!byExit)
                return f->master->close();
            f->master->mnu_exit_Click();
            return f->app.hasEnded();
        };
        frmjournal* w = open();
        type(w, QStringLiteral("unsaved"));
        f->dialogs.yesNoCancelAnswers.enqueue(Answer::Cancel);
        QVERIFY(!endProgram());
        QCOMPARE(f->dialogs.shown.size(), 1);
        QVERIFY(window());
        QCOMPARE(window()->journaltext->toPlainText(), QStringLiteral("unsaved"));

        f->dialogs.yesNoCancelAnswers.enqueue(Answer::Yes);
        QVERIFY(endProgram());
        QVERIFY(f->contents(todayFile).contains("unsaved"));
    }

    void aSessionEndingSavesWithoutAsking()
    {
        frmjournal* w = open();
        type(w, QStringLiteral("typed before logout"));
        f->master->endOnRequest();
        QVERIFY(f->dialogs.shown.isEmpty());
        QVERIFY(f->contents(todayFile).contains("typed before logout"));
        QVERIFY(!f->master->isVisible());
    }

    void aFailedSaveIsToldOnceAndTheTextStays()
    {
        // A folder in the entry's place: the file cannot be written.
        QVERIFY(QDir(f->dir.path()).mkdir(QStringLiteral("2000 Jan 5.vjf")));
        frmjournal* w = open();
        type(w, QStringLiteral("precious"));
        w->gosave_Click();
        QCOMPARE(f->dialogs.messages(), {frmjournal::saveFailedMessage()});
        QCOMPARE(w->journaltext->toPlainText(), QStringLiteral("precious"));
        QVERIFY(w->isModified());

        // Closing still asks, and a save that fails again keeps the window open.
        f->dialogs.shown.clear();
        f->dialogs.yesNoCancelAnswers.enqueue(Answer::Yes);
        QVERIFY(!closeJournal());
        QCOMPARE(f->dialogs.shown.size(), 2);
        QCOMPARE(f->dialogs.messages(), {frmjournal::saveFailedMessage()});
        QCOMPARE(window()->journaltext->toPlainText(), QStringLiteral("precious"));
    }

    void badEntryFilesOpenWithoutHarm_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("shown");
        QTest::newRow("empty") << QByteArray() << QString();
        QTest::newRow("not RTF") << QByteArray("just words\r\nsecond line")
                                 << QStringLiteral("just words\nsecond line");
        QTest::newRow("cut short")
            << QByteArray("{\\rtf1\\ansi {\\b kept") << QStringLiteral("kept");
        QTest::newRow("binary") << QByteArray("\x00\x01\xff\xfe{\\rtf\x00\x02", 10) << QString();
    }
    void badEntryFilesOpenWithoutHarm()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, shown);
        f->put(todayFile, bytes);
        frmjournal* w = open();
        QVERIFY(w);
        if (!shown.isNull() || bytes.isEmpty())
            QCOMPARE(w->journaltext->toPlainText(), shown);
        QVERIFY(!w->isModified());
        QVERIFY(f->dialogs.shown.isEmpty());
        QVERIFY(closeJournal());
    }

    void anEntryTooLargeToOpenIsNotOverwritten()
    {
        // 50 MB: far more than any entry typed; opening it would hold the window for minutes.
        QFile big(f->path(todayFile));
        QVERIFY(big.open(QIODevice::WriteOnly));
        QVERIFY(big.resize(50 * 1024 * 1024));
        big.close();
        frmjournal* w = open();
        QVERIFY(w->journaltext->document()->isEmpty());
        QVERIFY(f->dialogs.shown.isEmpty());
        type(w, QStringLiteral("new words"));
        w->gosave_Click();
        QCOMPARE(f->dialogs.messages(), {frmjournal::saveFailedMessage()});
        QCOMPARE(QFileInfo(f->path(todayFile)).size(), 50 * 1024 * 1024);
        QCOMPARE(w->journaltext->toPlainText(), QStringLiteral("new words"));
    }

    // A run with nowhere to break a line would hold the window for minutes when wrapped at words:
    // such an entry is laid out breaking anywhere, and shown and saved as it is.
    void longRunsAreLaidOutBreakingAnywhere_data()
    {
        QTest::addColumn<qsizetype>("length");
        QTest::addColumn<int>("mode");
        QTest::newRow("as long as allowed")
            << UnbrokenRuns::maxWrappedRun << int(QTextOption::WrapAtWordBoundaryOrAnywhere);
        QTest::newRow("one character longer")
            << UnbrokenRuns::maxWrappedRun + 1 << int(QTextOption::WrapAnywhere);
    }
    void longRunsAreLaidOutBreakingAnywhere()
    {
        QFETCH(qsizetype, length);
        QFETCH(int, mode);
        const QByteArray run(length, 'x');
        f->put(todayFile, "{\\rtf1 " + run + "}");
        f->put("\\2000 Jan 2.vjf", "{\\rtf1 a few words}");
        frmjournal* w = open();
        QCOMPARE(int(w->journaltext->wordWrapMode()), mode);
        QCOMPARE(w->journaltext->toPlainText(), QString::fromLatin1(run));
        QVERIFY(!w->isModified());
        w->gosave_Click();
        QVERIFY(f->contents(todayFile).contains(run));

        // The next entry opened is wrapped at words again.
        w->ope_Click();
        w->File1_Click(w->File1->findItems(QStringLiteral("2000 Jan 2.vjf"), Qt::MatchExactly)[0]);
        QCOMPARE(w->journaltext->toPlainText(), QStringLiteral("a few words"));
        QCOMPARE(w->journaltext->wordWrapMode(), QTextOption::WrapAtWordBoundaryOrAnywhere);
    }

    void clipboardCommandsUsePlainText()
    {
        QClipboard* clipboard = QGuiApplication::clipboard();
        frmjournal* w = open();
        type(w, QStringLiteral("alpha beta"));

        clipboard->setText(QStringLiteral("left over"));
        w->gocopy_Click(); // nothing selected
        QVERIFY(clipboard->text().isEmpty());

        QTextCursor cursor = w->journaltext->textCursor();
        cursor.setPosition(0);
        cursor.setPosition(5, QTextCursor::KeepAnchor);
        w->journaltext->setTextCursor(cursor);
        w->gocopy_Click();
        QCOMPARE(clipboard->text(), QStringLiteral("alpha"));
        QCOMPARE(w->journaltext->toPlainText(), QStringLiteral("alpha beta"));

        w->gocut_Click();
        QCOMPARE(clipboard->text(), QStringLiteral("alpha"));
        QCOMPARE(w->journaltext->toPlainText(), QStringLiteral(" beta"));

        cursor = w->journaltext->textCursor();
        cursor.setPosition(1);
        cursor.setPosition(5, QTextCursor::KeepAnchor);
        w->journaltext->setTextCursor(cursor);
        QMimeData* rich = new QMimeData;
        rich->setHtml(QStringLiteral("<b>gamma</b>"));
        rich->setText(QStringLiteral("gamma"));
        clipboard->setMimeData(rich);
        w->gopaste_Click();
        QCOMPARE(w->journaltext->toPlainText(), QStringLiteral(" gamma"));
        QVERIFY(!describe(*w->journaltext->document()).contains(QStringLiteral("<b>")));
    }

    void pastedRichTextKeepsItsFormats()
    {
        frmjournal* w = open();
        auto* rich = new QMimeData;
        rich->setHtml(QStringLiteral("<b>bold</b> and <i>italic</i>"));
        QGuiApplication::clipboard()->setMimeData(rich);
        w->journaltext->paste(); // the editor's own paste (Ctrl+V)
        QCOMPARE(describe(*w->journaltext->document()), QStringLiteral("<b>bold| and |<i>italic"));
    }

    void timeStampInsertsTheLocalDateAndTime()
    {
        frmjournal* w = open();
        w->now = [] { return QDateTime(QDate(2000, 1, 5), QTime(14, 30)); };
        type(w, QStringLiteral("At  I wrote"));
        QTextCursor cursor = w->journaltext->textCursor();
        cursor.setPosition(3);
        w->journaltext->setTextCursor(cursor);
        w->gotime_Click();
        // Newer locale data put a narrow no-break space before "PM".
        const QString shown =
            w->journaltext->toPlainText().replace(QChar(0x202f), QLatin1Char(' '));
        QCOMPARE(shown, QStringLiteral("At 1/5/00 2:30 PM I wrote"));
    }

    void encryptionDoesNothing()
    {
        frmjournal* w = open();
        type(w, QStringLiteral("text"));
        w->gocrypt_Click();
        QCOMPARE(w->journaltext->toPlainText(), QStringLiteral("text"));
        QVERIFY(f->dialogs.shown.isEmpty());
    }

    void printingSendsTheSelectionOrTheWholeEntry()
    {
        frmjournal* w = open();
        type(w, QStringLiteral("first line"));
        QTest::keyClick(w->journaltext, Qt::Key_Return);
        type(w, QStringLiteral("second line"));

        w->goprint_Click();
        QCOMPARE(printing.printed, {QStringLiteral("first line\nsecond line")});

        QTextCursor cursor = w->journaltext->textCursor();
        cursor.setPosition(6);
        cursor.setPosition(17, QTextCursor::KeepAnchor);
        w->journaltext->setTextCursor(cursor);
        w->goprint_Click();
        QCOMPARE(printing.printed.last(), QStringLiteral("line\nsecond"));

        printing.results << PrintResult::Cancelled << PrintResult::Failed;
        w->goprint_Click();
        w->goprint_Click();
        QCOMPARE(printing.printed.size(), 2);
        QVERIFY(f->dialogs.shown.isEmpty());

        printing.results << PrintResult::NoPrinter;
        w->goprint_Click();
        QCOMPARE(f->dialogs.shown.size(), 1);
        QCOMPARE(f->dialogs.shown[0].text, QStringLiteral("Can't print this."));
        QCOMPARE(f->dialogs.shown[0].caption, QStringLiteral("Scrivo: Printing"));
    }

    void printingOnTheRealPrintPath()
    {
        QTemporaryDir out;
        const QString pdf = out.filePath(QStringLiteral("entry.pdf"));
        QtPrinting real(pdf);
        f->app.printing = &real;
        frmjournal* w = open();
        type(w, QStringLiteral("Printed from my journal"));
        answerPrintDialog(true);
        w->goprint_Click();
        QVERIFY(pdfText(pdf).contains(QStringLiteral("Printed from my journal")));
    }

    void helpPanelShowsItsTextAndClosesOnDoubleClick()
    {
        const QString text = frmjournal::helpText();
        QVERIFY(text.startsWith(QStringLiteral("How do I create a journal entry?\r\n")));
        QVERIFY(text.endsWith(QStringLiteral("2) Press the print button\r\n")));
        QCOMPARE(text.count(QStringLiteral("by \r\nclicking on it.\r\n")), 2);
        QVERIFY(text.contains(QStringLiteral("2) Click the \"Save\" button.\r\n\r\n\r\n")));
        QCOMPARE(text.count(QLatin1Char('\n')), text.count(QStringLiteral("\r\n")));

        frmjournal* w = open();
        QVERIFY(w->Picture100->isHidden());
        QCOMPARE(w->Text600->toolTip(), QStringLiteral("Double click to close"));
        QCOMPARE(w->closeHint->text(), QStringLiteral("(Double Click to Close)"));
        for (QWidget* target : {static_cast<QWidget*>(w->Picture100), w->Text600->viewport(),
                                static_cast<QWidget*>(w->closeHint)}) {
            w->gohelp_Click();
            QVERIFY(w->Picture100->isVisible());
            QCOMPARE(w->Text600->toPlainText(),
                     QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
            QTest::mouseDClick(target, Qt::LeftButton, {}, QPoint(4, 4));
            QVERIFY2(w->Picture100->isHidden(), qPrintable(target->objectName()));
        }
    }
};

QTEST_MAIN(TestFrmjournal)
#include "test_frmjournal.moc"
