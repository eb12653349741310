#include "parental/PasswordGate.h"
#include "parental/Passwords.h"
#include "phonebook/ContactFile.h"
#include "phonebook/ContactLists.h"
#include "phonebook/ContactSheet.h"
#include "phonebook/PhoneBookHelp.h"
#include "phonebook/PimArt.h"
#include "phonebook/frmpim.h"
#include "platform/fakes/FakePrinting.h"
#include "shell/ClickLabel.h"
#include "support/WindowsFixture.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QToolButton>
#include <memory>

using namespace vireo;
using namespace vireo::test;

// The phone book window over fakes: scripted dialogs, settings in memory, a fake printer, and a
// real temporary program folder.
class TestFrmpim : public QObject {
    Q_OBJECT

    std::unique_ptr<WindowsFixture> f;
    std::unique_ptr<FakePrinting> printer;

    frmpim* window() const
    {
        return qobject_cast<frmpim*>(f->app.openWindow(f->app.phonebookKind));
    }
    frmpim* open() { return qobject_cast<frmpim*>(f->app.phonebook()); }

    void putContact(const ContactRecord& r) const
    {
        f->put(qPrintable(QStringLiteral("\\") + r.name + QStringLiteral(".vpe")),
               ContactFile::bytes(r));
    }

    QString picture(const char* name, QSize size, QColor colour) const
    {
        QImage image(size, QImage::Format_RGB32);
        image.fill(colour);
        const QString path = f->dir.filePath(QLatin1String(name));
        image.save(path);
        return path;
    }

    static ContactRecord contact(const QString& name, const QString& phone = {})
    {
        ContactRecord r;
        r.name = name;
        r.phone = phone;
        return r;
    }

    // Ann (with a picture) and Bob, listed in that order.
    QString annAndBob()
    {
        const QString path = picture("ann.bmp", {60, 80}, Qt::red);
        ContactRecord ann = contact(QStringLiteral("Ann"), QStringLiteral("555-0101"));
        ann.picturePath = path;
        ann.address = QStringLiteral("Flat 2\r\n12 Elm Street");
        ann.month = 2;
        ann.day = 4;
        ann.year = 13;
        ann.relationship = 4;
        ann.age = QStringLiteral("14");
        putContact(ann);
        putContact(contact(QStringLiteral("Bob"), QStringLiteral("555-0102")));
        f->put("\\contacts.vpm", "\"Ann\"\r\n\"Ann\"\r\n\"Bob\"\r\n\"Bob\"\r\n");
        return path;
    }

    static QRgb pixelOf(const QLabel* image, int x, int y)
    {
        return image->pixmap().toImage().pixel(x, y);
    }

private Q_SLOTS:
    void init()
    {
        f = std::make_unique<WindowsFixture>();
        printer = std::make_unique<FakePrinting>();
        f->app.printing = printer.get();
    }

    void cleanup()
    {
        delete window();
        f.reset();
    }

    void theLauncherAndEveryPhoneBookCommandOpenTheOneWindow()
    {
        f->master->Image12_Click();
        frmpim* w = window();
        QVERIFY(w);
        QCOMPARE(w->windowTitle(), QStringLiteral("Phone Book"));
        QVERIFY(qobject_cast<QMdiSubWindow*>(w->parentWidget()));

        f->master->Image12_Click();
        w->menus().mnu_phonebook->trigger();
        QCOMPARE(window(), w);
        QCOMPARE(f->master->findChildren<frmpim*>().size(), 1);
    }

    void controlsCarryTheirNamesLabelsAndTooltips_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("tooltip");
        QTest::addColumn<QString>("accessible");
        auto row = [](const char* name, const char* tip, const char* accessible) {
            QTest::newRow(name) << QString::fromUtf8(name) << QString::fromUtf8(tip)
                                << QString::fromUtf8(accessible);
        };
        row("gocrypt", "", "New");
        row("gosave", "Save changes", "Save changes");
        row("gotrash", "Clear", "Clear");
        row("gotras", "Clear", "Clear");
        row("gocopy", "Previous", "Previous");
        row("gopaste", "Next", "Next");
        row("goprint", "Print", "Print");
        row("gohelp", "Help", "Help");
        row("List1", "Select a buddy to view", "Buddies");
        row("namet", "", "Name:");
        row("phone", "", "Phone Number:");
        row("emailk", "", "E-mail:");
        row("address", "", "Address:");
        row("commentsk", "", "Comments:");
        row("Combo5", "", "Relationship:");
        row("age", "", "Age:");
    }

    void controlsCarryTheirNamesLabelsAndTooltips()
    {
        QFETCH(QString, name);
        QFETCH(QString, tooltip);
        QFETCH(QString, accessible);
        frmpim* w = open();
        auto* control = w->findChild<QWidget*>(name);
        QVERIFY(control);
        QCOMPARE(control->toolTip(), tooltip);
        QCOMPARE(control->accessibleName(), accessible);
        if (auto* button = qobject_cast<QToolButton*>(control))
            QVERIFY(!button->icon().isNull());
    }

    void theWindowOpensEmptyWithItsTextsAndHiddenFields()
    {
        annAndBob();
        frmpim* w = open();
        QCOMPARE(w->List1->count(), 2);
        QCOMPARE(w->List1->currentRow(), -1);
        QVERIFY(w->namet->text().isEmpty());
        QVERIFY(w->List2->isHidden());
        QVERIFY(w->picturepath->isHidden());
        QVERIFY(w->Text8->isHidden());
        QVERIFY(w->Text8->text().isEmpty());
        QCOMPARE(w->Label15->text(),
                 QStringLiteral("To view your buddies information, click on their name. To "
                                "change any information, change the item and click save."));
        QCOMPARE(w->Command6->text(), QStringLiteral("Change Picture"));
        QCOMPARE(w->Image1->size(), QSize(100, 142));
        QCOMPARE(w->Combo4->count(), 40);
        QCOMPARE(w->Combo5->placeholderText(), QStringLiteral("---------"));
        QVERIFY(w->cover->isHidden());
    }

    void theSharedMenusHideMp3WithSettingOne_data()
    {
        QTest::addColumn<QString>("setting");
        QTest::addColumn<bool>("visible");
        QTest::newRow("off") << QStringLiteral("0") << true;
        QTest::newRow("on") << QStringLiteral("1") << false;
    }

    void theSharedMenusHideMp3WithSettingOne()
    {
        QFETCH(QString, setting);
        QFETCH(bool, visible);
        f->app.write(settings::mp3Disabled, setting);
        frmpim* w = open();
        QStringList names;
        for (QMenu* m : w->childMenus())
            names << m->title();
        QCOMPARE(names, QStringList({QStringLiteral("&Start"), QStringLiteral("&Windows"),
                                     QStringLiteral("&Help")}));
        QCOMPARE(w->menus().mnu_mp3->isVisible(), visible);
    }

    void theLogonCoversTheWindowUntilTheTeenPasswordIsGiven()
    {
        annAndBob();
        f->app.write(settings::phonebookLocked, QStringLiteral("1"));
        Passwords(f->settings).set(Passwords::Kind::Teen, QStringLiteral("Secret"));
        frmpim* w = open();
        QVERIFY(w->cover->isVisibleTo(w));
        // Nothing behind the panel is listed or reachable by Tab or a screen reader.
        QCOMPARE(w->List1->count(), 0);
        for (QWidget* behind : std::initializer_list<QWidget*>{w->List1, w->namet, w->gosave})
            QVERIFY(!behind->isEnabled());
        QCOMPARE(w->logon->title->text(), QStringLiteral("Phone Book Logon"));
        QCOMPARE(w->logon->prompt->text(), QStringLiteral("Password:"));
        QCOMPARE(w->changePassword->text(), QStringLiteral("(Change your password)"));

        w->logon->entry->setText(QStringLiteral("secret"));
        w->logon->confirmButton->click();
        QCOMPARE(f->dialogs.messages(), QStringList{QStringLiteral("Incorrect Password!")});
        QVERIFY(w->cover->isVisibleTo(w));
        QCOMPARE(w->logon->entry->text(), QStringLiteral("secret"));

        w->logon->entry->setText(QStringLiteral("Secret"));
        w->logon->confirmButton->click();
        QVERIFY(!w->cover->isVisibleTo(w));
        QVERIFY(w->logon->entry->text().isEmpty());
        QCOMPARE(w->List1->count(), 2);
        QVERIFY(w->List1->isEnabled() && w->namet->isEnabled());
    }

    void anEmptyTeenPasswordStillShowsTheLogonAndAnEmptyEntryPasses()
    {
        f->app.write(settings::phonebookLocked, QStringLiteral("1"));
        frmpim* w = open();
        QVERIFY(w->cover->isVisibleTo(w));
        w->logon->confirmButton->click();
        QVERIFY(!w->cover->isVisibleTo(w));
        QVERIFY(f->dialogs.messages().isEmpty());
    }

    void cancelOnTheLogonClosesTheWindow()
    {
        f->app.write(settings::phonebookLocked, QStringLiteral("1"));
        QPointer<frmpim> w = open();
        w->logon->cancelButton->click();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!w);
        QVERIFY(!window());
    }

    void changeYourPasswordOpensTheOptionsDialogWhenThereIsOne()
    {
        f->app.write(settings::phonebookLocked, QStringLiteral("1"));
        frmpim* w = open();
        // Without an options dialog the link does nothing.
        f->app.optionsKind = {};
        w->changePassword->click();
        QVERIFY(!f->app.openWindow(f->app.optionsKind));

        int made = 0;
        f->app.optionsKind = {[&made](App&) -> QWidget* {
                                  ++made;
                                  return new QWidget;
                              },
                              false};
        w->changePassword->click();
        QCOMPARE(made, 1);
        delete f->app.openWindow(f->app.optionsKind);
    }

    void openingAContactFillsEveryBox()
    {
        const QString path = annAndBob();
        frmpim* w = open();
        w->List1->setCurrentRow(0);

        QCOMPARE(w->namet->text(), QStringLiteral("Ann"));
        QCOMPARE(w->phone->text(), QStringLiteral("555-0101"));
        QCOMPARE(w->address->toPlainText(), QStringLiteral("Flat 2\n12 Elm Street"));
        QCOMPARE(w->Combo3->currentText(), QStringLiteral("March"));
        QCOMPARE(w->Combo2->currentText(), QStringLiteral("5"));
        QCOMPARE(w->Combo4->currentText(), QStringLiteral("1986"));
        QCOMPARE(w->Combo5->currentText(), QStringLiteral("Family"));
        QCOMPARE(w->age->text(), QStringLiteral("14"));
        QCOMPARE(w->picturepath->text(), path);
        QCOMPARE(w->Image1->pixmap().size(), QSize(60, 80));
        QCOMPARE(QColor(pixelOf(w->Image1, 5, 5)), QColor(Qt::red));
        QVERIFY(!w->Text8->text().isEmpty());
    }

    void savingAnOpenedContactRewritesItsFileOnly()
    {
        const QString path = annAndBob();
        frmpim* w = open();
        w->List1->setCurrentRow(0);
        w->phone->setText(QStringLiteral("555-0199"));
        w->gosave->click();

        const ContactRecord saved = ContactFile::parse(f->contents("\\Ann.vpe")).record;
        QCOMPARE(saved.phone, QStringLiteral("555-0199"));
        QCOMPARE(saved.picturePath, path);
        QCOMPARE(saved.address, QStringLiteral("Flat 2\r\n12 Elm Street"));
        QCOMPARE(saved.year, 13);
        QCOMPARE(f->contents("\\contacts.vpm"),
                 QByteArray("\"Ann\"\r\n\"Ann\"\r\n\"Bob\"\r\n\"Bob\"\r\n"));
        QCOMPARE(w->List1->count(), 2);
        QVERIFY(f->dialogs.shown.isEmpty());
    }

    void aContactTypedWithoutNewIsAppended()
    {
        annAndBob();
        frmpim* w = open();
        w->namet->setText(QStringLiteral("Cy"));
        w->phone->setText(QStringLiteral("555-0103"));
        w->gosave->click();

        QCOMPARE(w->List1->count(), 3);
        QCOMPARE(w->List1->item(2)->text(), QStringLiteral("Cy"));
        QCOMPARE(w->List2->item(2)->text(), QStringLiteral("Cy"));
        QVERIFY(f->contents("\\contacts.vpm").endsWith("\"Cy\"\r\n\"Cy\"\r\n"));
        QCOMPARE(ContactFile::parse(f->contents("\\Cy.vpe")).record.phone,
                 QStringLiteral("555-0103"));
        // On file now: a second save does not list it again, and the boxes keep it.
        QVERIFY(!w->Text8->text().isEmpty());
        w->gosave->click();
        QCOMPARE(w->List1->count(), 3);
        QCOMPARE(w->namet->text(), QStringLiteral("Cy"));
    }

    void newEmptiesTheBoxesAndSetsTheListsToTheirFirstEntries()
    {
        annAndBob();
        frmpim* w = open();
        w->List1->setCurrentRow(0);
        w->gocrypt->click();

        QVERIFY(w->Text8->text().isEmpty());
        for (QLineEdit* box : {w->namet, w->phone, w->emailk, w->age, w->picturepath})
            QVERIFY(box->text().isEmpty());
        QVERIFY(w->address->toPlainText().isEmpty());
        QVERIFY(w->commentsk->toPlainText().isEmpty());
        QCOMPARE(w->Combo3->currentText(), QStringLiteral("January"));
        QCOMPARE(w->Combo2->currentText(), QStringLiteral("1"));
        QCOMPARE(w->Combo4->currentText(), QStringLiteral("2000"));
        QCOMPARE(w->Combo5->currentText(), QStringLiteral("-"));
        QCOMPARE(w->Image1->pixmap().toImage(), PimArt::defaultPicture().toImage());
    }

    void clearRefusesTheFirstContactAndRemovesAnother()
    {
        annAndBob();
        frmpim* w = open();
        w->List1->setCurrentRow(0);
        w->gotrash->click();
        w->gotras->click();
        QCOMPARE(f->dialogs.messages(),
                 QStringList(2, QStringLiteral("Cannot delete selected item.")));
        QCOMPARE(w->List1->count(), 2);

        w->List1->setCurrentRow(1);
        w->gotras->click();
        QCOMPARE(w->List1->count(), 1);
        QCOMPARE(f->contents("\\contacts.vpm"), QByteArray("\"Ann\"\r\n\"Ann\"\r\n"));
        QVERIFY(f->exists("\\Bob.vpe"));
        // The boxes keep what they show.
        QCOMPARE(w->namet->text(), QStringLiteral("Bob"));
    }

    void previousAndNextMoveThroughTheListAndStopAtItsEnds()
    {
        annAndBob();
        frmpim* w = open();
        w->gocopy->click();
        QCOMPARE(w->selectedPosition(), -1);
        w->gopaste->click();
        QCOMPARE(w->namet->text(), QStringLiteral("Ann"));
        w->gopaste->click();
        QCOMPARE(w->namet->text(), QStringLiteral("Bob"));
        w->gopaste->click();
        QCOMPARE(w->selectedPosition(), 1);
        QCOMPARE(w->namet->text(), QStringLiteral("Bob"));
        w->gocopy->click();
        QCOMPARE(w->namet->text(), QStringLiteral("Ann"));
        w->gocopy->click();
        QCOMPARE(w->selectedPosition(), 0);
    }

    void aContactFileCutShortOrOutOfRangeLeavesTheRestAlone()
    {
        annAndBob();
        f->put("\\Bob.vpe", "\"Bob\",\"555-0102\"\r\n");
        f->put("\\contacts.vpm",
               "\"Ann\"\r\n\"Ann\"\r\n\"Bob\"\r\n\"Bob\"\r\n\"Cy\"\r\n\"Cy\"\r\n");
        f->put("\\Cy.vpe",
               "\"Cy\",\"\",\"\",\"Cy\"\r\n\"\"\r\n\"\"\r\n\"\"\r\n99,x,-7,8\r\n\"\"\r\n");
        frmpim* w = open();
        w->List1->setCurrentRow(0);
        w->List1->setCurrentRow(1);
        QCOMPARE(w->namet->text(), QStringLiteral("Bob"));
        QCOMPARE(w->phone->text(), QStringLiteral("555-0102"));
        // Fields the file does not hold keep what Ann's showed.
        QCOMPARE(w->age->text(), QStringLiteral("14"));
        QCOMPARE(w->Combo3->currentText(), QStringLiteral("March"));

        w->List1->setCurrentRow(2);
        for (QComboBox* list : {w->Combo3, w->Combo2, w->Combo4, w->Combo5})
            QCOMPARE(list->currentIndex(), -1);
    }

    void theSheetOfAnEmptyContactIsPrinted()
    {
        frmpim* w = open();
        w->goprint->click();
        QCOMPARE(printer->printed, QStringList{ContactSheet().text()});
        QVERIFY(f->dialogs.shown.isEmpty());
    }

    void theSheetHoldsTheShownContact()
    {
        annAndBob();
        frmpim* w = open();
        w->List1->setCurrentRow(0);
        w->goprint->click();
        QCOMPARE(printer->printed.size(), 1);
        QVERIFY(printer->printed[0].startsWith(QStringLiteral("Name: Ann ")));
        QVERIFY(printer->printed[0].contains(QStringLiteral("Relationship: Family ")));
        QVERIFY(printer->printed[0].contains(QStringLiteral("Birthday: March, 5 1986 Comments: ")));
        QVERIFY(printer->printed[0].contains(QStringLiteral("Address: Flat 2\n12 Elm Street ")));
    }

    void printingWithoutAPrinterOrCancelled_data()
    {
        QTest::addColumn<PrintResult>("outcome");
        QTest::addColumn<QStringList>("messages");
        QTest::newRow("no printer")
            << PrintResult::NoPrinter << QStringList{QStringLiteral("Can't print this.")};
        QTest::newRow("cancelled") << PrintResult::Cancelled << QStringList();
        QTest::newRow("failed") << PrintResult::Failed << QStringList();
    }

    void printingWithoutAPrinterOrCancelled()
    {
        QFETCH(PrintResult, outcome);
        QFETCH(QStringList, messages);
        printer->results.enqueue(outcome);
        frmpim* w = open();
        w->goprint->click();
        QCOMPARE(printer->dialogsShown, outcome == PrintResult::NoPrinter ? 0 : 1);
        QVERIFY(printer->printed.isEmpty());
        QCOMPARE(f->dialogs.messages(), messages);
        if (!messages.isEmpty())
            QCOMPARE(f->dialogs.shown[0].caption, QStringLiteral("Scrivo: Printing"));
    }

    void changePictureAsksAndShowsTheChosenPicture()
    {
        const QString path = picture("pick.jpg", {40, 40}, Qt::blue);
        frmpim* w = open();
        f->dialogs.fileAnswers.enqueue(path);
        w->Command6->click();

        QCOMPARE(f->dialogs.messages(),
                 QStringList{QStringLiteral("Your image must be 100 x 150 pixils.  If your picture "
                                            "is larger, some of it may be lost.")});
        const FileDialogRequest& asked = f->dialogs.shown[1].request;
        QCOMPARE(asked.title, QStringLiteral("Browse for you picture."));
        QCOMPARE(asked.filter,
                 QStringLiteral("Image files(*.jpg;*.jpeg;*.gif;*.bmp)|*.jpg;*.jpeg;*.gif;*.bmp"));
        QCOMPARE(asked.initialFolder, QDir::currentPath());
        QVERIFY(asked.initialName.isEmpty());
        QCOMPARE(w->picturepath->text(), path);
        QCOMPARE(w->Image1->pixmap().size(), QSize(40, 40));
    }

    void cancellingThePictureDialogShowsTheProposedPictureAgain()
    {
        const QString path = picture("kept.bmp", {30, 30}, Qt::green);
        frmpim* w = open();
        // No path: the shown picture is cleared.
        w->Image1->setPixmap(PimArt::defaultPicture());
        w->Command6->click();
        QVERIFY(w->Image1->pixmap().isNull());
        QVERIFY(w->picturepath->text().isEmpty());

        // A path: its picture is shown again.
        w->picturepath->setText(path);
        w->Image1->clear();
        w->Command6->click();
        QCOMPARE(f->dialogs.shown.last().request.initialName, path);
        QCOMPARE(w->picturepath->text(), path);
        QCOMPARE(QColor(pixelOf(w->Image1, 1, 1)), QColor(Qt::green));
    }

    void aLargePictureIsCutOffAndABadOneShowsTheDefault()
    {
        frmpim* w = open();
        const QString big = picture("big.bmp", {400, 500}, Qt::yellow);
        f->dialogs.fileAnswers.enqueue(big);
        w->Command6->click();
        QCOMPARE(w->Image1->pixmap().size(), QSize(100, 142));

        const QString notImage = f->dir.filePath(QStringLiteral("notes.jpg"));
        f->put("\\notes.jpg", "not a picture at all");
        QVERIFY(QDir(f->dir.path()).mkdir(QStringLiteral("folder.jpg")));
        for (const QString& bad : {notImage, f->dir.filePath(QStringLiteral("folder.jpg")),
                                   f->dir.filePath(QStringLiteral("missing.jpg"))}) {
            f->dialogs.fileAnswers.enqueue(bad);
            w->Command6->click();
            QCOMPARE(w->picturepath->text(), bad);
            QCOMPARE(w->Image1->pixmap().toImage(), PimArt::defaultPicture().toImage());
        }
    }

    void theHelpPanelHoldsItsTextAndClosesThreeWays()
    {
        frmpim* w = open();
        w->gohelp->click();
        QVERIFY(w->helpPanel->isVisibleTo(w));
        QCOMPARE(
            w->helpText->toPlainText(),
            QString(phonebookhelp::text()).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
        QCOMPARE(w->helpPanel->toolTip(), QStringLiteral("Double click to close"));
        QCOMPARE(w->helpClose->text(), QStringLiteral("(Double Click to Close)"));

        QTest::mouseDClick(w->helpText->viewport(), Qt::LeftButton);
        QVERIFY(!w->helpPanel->isVisibleTo(w));
        w->gohelp->click();
        QTest::mouseDClick(w->helpPanel, Qt::LeftButton, {}, QPoint(2, 2));
        QVERIFY(!w->helpPanel->isVisibleTo(w));
        w->gohelp->click();
        // A click is a press and a release inside the label: it has its size, as when shown.
        w->helpClose->adjustSize();
        QTest::mouseClick(w->helpClose, Qt::LeftButton);
        QVERIFY(!w->helpPanel->isVisibleTo(w));
    }

    void theHelpTextEndsEveryLineWithCrLf()
    {
        const QString text = phonebookhelp::text();
        QVERIFY(text.startsWith(QStringLiteral("How do I add a buddy to my address book?\r\n")));
        QVERIFY(text.endsWith(QStringLiteral("2) Click on the \"trash\" button\r\n")));
        QCOMPARE(text.count(QStringLiteral("\r\n")), 28);
        QCOMPARE(text.count(QLatin1Char('\n')), 28);
        QVERIFY(text.contains(QStringLiteral("\r\n\r\n\r\nTo view a buddies information:\r\n")));
    }

    void aContactThatCannotBeWrittenIsReportedOnceAndKept()
    {
        QVERIFY(QDir(f->dir.path()).mkdir(QStringLiteral("Dee.vpe")));
        frmpim* w = open();
        w->namet->setText(QStringLiteral("Dee"));
        w->phone->setText(QStringLiteral("555-0104"));
        w->gosave->click();
        QCOMPARE(f->dialogs.messages(),
                 QStringList{QStringLiteral("Your buddy's information could not be saved.")});
        QCOMPARE(w->namet->text(), QStringLiteral("Dee"));
        QCOMPARE(w->phone->text(), QStringLiteral("555-0104"));
    }
};

QTEST_MAIN(TestFrmpim)
#include "test_frmpim.moc"
