#include "parental/PasswordGate.h"
#include "parental/Passwords.h"
#include "parental/frmmisc.h"
#include "shell/BrowserWindow.h"
#include "shell/ProductSite.h"
#include "shell/StartProcedure.h"
#include "shell/formaster.h"
#include "support/AppFixture.h"
#include "support/FakeBrowserWindow.h"

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <memory>

using namespace vireo;
using namespace vireo::test;
using Panel = ConfigWindow::Panel;

class TestFrmmisc : public QObject {
    Q_OBJECT

    std::unique_ptr<AppFixture> fixture;
    App* app = nullptr;
    MemorySettingsStore* settings = nullptr;
    ScriptedDialogs* dialogs = nullptr;
    FakeBrowserWindows browsers;

    frmmisc* window() const { return dynamic_cast<frmmisc*>(app->openWindow(app->configKind)); }

    frmmisc* open(Panel panel, const QString& caption, std::optional<QSizeF> size = std::nullopt)
    {
        ConfigWindow* config = app->config();
        if (!config)
            return nullptr;
        config->showPanel(panel, caption, size);
        return window();
    }

    // The addresses the browser windows opened since the start of the test were sent to.
    QStringList navigated() const
    {
        QStringList calls;
        for (const FakeBrowserWindow* b : browsers)
            calls += b->page.calls;
        return calls;
    }

    static void flushDeletes()
    {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // The window closed and, once deleted, the next opening makes a new one.
    void verifyClosed()
    {
        QPointer<frmmisc> w = window();
        QVERIFY(!w || !w->isVisible());
        flushDeletes();
        QVERIFY(!w);
        QVERIFY(!window());
    }

private Q_SLOTS:
    void init()
    {
        fixture = std::make_unique<AppFixture>();
        app = &fixture->app;
        settings = &fixture->settings;
        dialogs = &fixture->dialogs;
        app->configKind = {[](App& a) -> QWidget* { return frmmisc::create(a); }, false};
        browsers.clear();
        useFakeBrowsers(*app, browsers);
    }

    void cleanup()
    {
        delete window();
        qDeleteAll(browsers);
        flushDeletes();
        fixture.reset();
    }

    void everyPanelIsHiddenButTheChosenOne_data()
    {
        QTest::addColumn<int>("panel");
        QTest::addColumn<QString>("name");
        QTest::newRow("configuration") << int(Panel::Configuration) << QStringLiteral("Picture1");
        QTest::newRow("what's new") << int(Panel::WhatsNew) << QStringLiteral("Picture2");
        QTest::newRow("override") << int(Panel::Override) << QStringLiteral("over");
        QTest::newRow("open") << int(Panel::Open) << QStringLiteral("Picture4");
        QTest::newRow("web search") << int(Panel::WebSearch) << QStringLiteral("Picture6");
        QTest::newRow("mp3 search") << int(Panel::Mp3Search) << QStringLiteral("mp3search");
    }
    void everyPanelIsHiddenButTheChosenOne()
    {
        QFETCH(int, panel);
        QFETCH(QString, name);
        frmmisc* w = open(Panel(panel), QStringLiteral("Caption"));
        QVERIFY(w);
        QVERIFY(w->isVisible());
        QVERIFY(w->isWindow());
        QCOMPARE(w->windowTitle(), QStringLiteral("Caption"));
        const QStringList all{QStringLiteral("Picture1"), QStringLiteral("Picture2"),
                              QStringLiteral("over"),     QStringLiteral("Picture4"),
                              QStringLiteral("Picture6"), QStringLiteral("mp3search")};
        for (const QString& n : all) {
            auto* p = w->findChild<QWidget*>(n, Qt::FindDirectChildrenOnly);
            QVERIFY2(p, qPrintable(n));
            QCOMPARE(p->isVisible(), n == name);
        }
        // Without a size from the opener the window keeps its design size.
        QCOMPARE(w->size(), QSize(368, 144));
        // Only the what's-new panel makes a page view.
        QCOMPARE(w->WebBrowser1() != nullptr, Panel(panel) == Panel::WhatsNew);
    }

    void theTextsAreThoseOfThePanels()
    {
        frmmisc* w = open(Panel::WebSearch, QStringLiteral("Search"));
        auto texts = [](QWidget* panel) {
            QStringList t;
            for (auto* label : panel->findChildren<QLabel*>())
                t << label->text();
            for (auto* button : panel->findChildren<QPushButton*>())
                t << button->text();
            return t;
        };
        QCOMPARE(texts(w->Picture6),
                 (QStringList{
                     QStringLiteral("Search the Internet"),
                     QStringLiteral("Type your search criteria in the box below, and click go."),
                     QStringLiteral("Go!"), QStringLiteral("Cancel")}));
        QCOMPARE(texts(w->mp3search),
                 (QStringList{QStringLiteral("MP3 Search"),
                              QStringLiteral(
                                  "Type either the artist, song, or both in the box and click go."),
                              QStringLiteral("Go!"), QStringLiteral("Cancel")}));
        QCOMPARE(
            texts(w->Picture4),
            (QStringList{QStringLiteral("Open"),
                         QStringLiteral("Select a file, or type a web address for Vireo to open."),
                         QStringLiteral("Select File"), QStringLiteral("Open"),
                         QStringLiteral("Cancel")}));
        QCOMPARE(w->over->prompt->text(),
                 QStringLiteral("To override today's browsing limit for this instance, please "
                                "enter your parental password."));
        QCOMPARE(w->over->confirmButton->text(), QStringLiteral("Override"));
        QCOMPARE(w->over->cancelButton->text(), QStringLiteral("Cancel"));
        QCOMPARE(w->over->entry->objectName(), QStringLiteral("Text6"));
        QCOMPARE(w->Command1->text(), QStringLiteral("OK"));
        QCOMPARE(w->Command2->text(), QStringLiteral("Done"));
        const QStringList config = texts(w->Picture1);
        QVERIFY(config.contains(QStringLiteral("First run Configuration")));
        QVERIFY(config.contains(QStringLiteral(
            "At this point in Vireo's configuration, you can choose to implement password "
            "protection for both the parent and the teen.  If you don't want to have any "
            "passwords, leave the fields blank, and then click ok.")));
        QCOMPARE(config.count(QStringLiteral("Set Password:")), 1); // one row label for both
        QCOMPARE(config.count(QStringLiteral("Confirm Password:")), 1);
        QVERIFY(config.contains(QStringLiteral("Parental Password")));
        QVERIFY(config.contains(QStringLiteral("Teen Password")));
        QCOMPARE(w->teenConfirm->accessibleName(),
                 QStringLiteral("Teen Password Confirm Password:"));
        for (QLineEdit* e :
             {w->parentalSet, w->parentalConfirm, w->teenSet, w->teenConfirm, w->over->entry})
            QCOMPARE(e->echoMode(), QLineEdit::Password);
        for (QLineEdit* e : {w->Text1, w->Text2, w->Text7})
            QCOMPARE(e->echoMode(), QLineEdit::Normal);
    }

    void searches_data()
    {
        QTest::addColumn<int>("panel");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("address");
        const QString mp3 = site::audioSearchBase() + QStringLiteral("/Search/Search.phtml?query=");
        const QString mp3Tail = QStringLiteral("&index=audio&protocol=all&x=16&y=15");
        QTest::newRow("web: rock bands")
            << int(Panel::WebSearch) << QStringLiteral("rock bands")
            << QStringLiteral("https://www.bing.com/search?q=rock%20bands");
        QTest::newRow("web: R&B") << int(Panel::WebSearch) << QStringLiteral("R&B")
                                  << QStringLiteral("https://www.bing.com/search?q=R%26B");
        QTest::newRow("web: empty") << int(Panel::WebSearch) << QString()
                                    << QStringLiteral("https://www.bing.com/search?q=");
        QTest::newRow("mp3: empty") << int(Panel::Mp3Search) << QString() << mp3 + mp3Tail;
        QTest::newRow("mp3: rock bands") << int(Panel::Mp3Search) << QStringLiteral("rock bands")
                                         << mp3 + QStringLiteral("rock%20bands") + mp3Tail;
        QTest::newRow("mp3: R&B") << int(Panel::Mp3Search) << QStringLiteral("R&B")
                                  << mp3 + QStringLiteral("R%26B") + mp3Tail;
        // Open takes the text exactly as typed.
        QTest::newRow("open: empty") << int(Panel::Open) << QString() << QString();
        QTest::newRow("open: as typed") << int(Panel::Open) << QStringLiteral("rock bands & R&B")
                                        << QStringLiteral("rock bands & R&B");
        QTest::newRow("open: file") << int(Panel::Open) << QStringLiteral("/home/teen/a b.html")
                                    << QStringLiteral("/home/teen/a b.html");
    }
    void searches()
    {
        QFETCH(int, panel);
        QFETCH(QString, typed);
        QFETCH(QString, address);
        frmmisc* w = open(Panel(panel), QStringLiteral("Search"));
        QLineEdit* box = Panel(panel) == Panel::WebSearch   ? w->Text2
                         : Panel(panel) == Panel::Mp3Search ? w->Text7
                                                            : w->Text1;
        QPushButton* go = Panel(panel) == Panel::WebSearch   ? w->Command9
                          : Panel(panel) == Panel::Mp3Search ? w->Command11
                                                             : w->Command4;
        QTest::keyClicks(box, typed);
        QTest::mouseClick(go, Qt::LeftButton);
        QCOMPARE(browsers.size(), 1);
        QCOMPARE(navigated(), QStringList{QStringLiteral("Navigate ") + address});
        verifyClosed();
    }

    void enterInTheBoxIsGo()
    {
        frmmisc* w = open(Panel::WebSearch, QStringLiteral("Search"));
        QTest::keyClicks(w->Text2, QStringLiteral("skate parks"));
        QTest::keyClick(w->Text2, Qt::Key_Return);
        QCOMPARE(navigated(), QStringList{QStringLiteral(
                                  "Navigate https://www.bing.com/search?q=skate%20parks")});
        verifyClosed();
    }

    // OK is the default button of every panel: Return in any box presses it, as in a dialog;
    // a button that has the focus takes Return itself.
    void enterPressesThePanelsDefaultButton_data()
    {
        QTest::addColumn<int>("panel");
        QTest::addColumn<QString>("focus");
        QTest::addColumn<QString>("pressed");
        QTest::newRow("configuration, first box")
            << int(Panel::Configuration) << QStringLiteral("parentalSet")
            << QStringLiteral("Command1");
        QTest::newRow("configuration, last box")
            << int(Panel::Configuration) << QStringLiteral("teenConfirm")
            << QStringLiteral("Command1");
        QTest::newRow("what's new")
            << int(Panel::WhatsNew) << QStringLiteral("Command2") << QStringLiteral("Command2");
        QTest::newRow("override") << int(Panel::Override) << QStringLiteral("Text6")
                                  << QStringLiteral("Command6");
        QTest::newRow("open") << int(Panel::Open) << QStringLiteral("Text1")
                              << QStringLiteral("Command4");
        QTest::newRow("open, Cancel focused")
            << int(Panel::Open) << QStringLiteral("Command5") << QStringLiteral("Command5");
        QTest::newRow("mp3 search")
            << int(Panel::Mp3Search) << QStringLiteral("Text7") << QStringLiteral("Command11");
    }
    void enterPressesThePanelsDefaultButton()
    {
        QFETCH(int, panel);
        QFETCH(QString, focus);
        QFETCH(QString, pressed);
        frmmisc* w = open(Panel(panel), QStringLiteral("Caption"));
        auto* target = w->findChild<QWidget*>(focus);
        auto* button = w->findChild<QPushButton*>(pressed);
        QVERIFY(target && button);
        QVERIFY(w->panelWidget(Panel(panel))->findChild<QPushButton*>(pressed));
        QSignalSpy clicks(button, &QPushButton::clicked);
        for (QPushButton* other : w->findChildren<QPushButton*>())
            QCOMPARE(other->isDefault(), other->text() != QStringLiteral("Cancel") &&
                                             other->text() != QStringLiteral("Select File"));
        w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w));
        target->setFocus();
        QTest::keyClick(target, Qt::Key_Return);
        QCOMPARE(clicks.size(), 1);
    }

    void cancelButtonsCloseWithoutOpeningAnything_data()
    {
        QTest::addColumn<int>("panel");
        QTest::newRow("open") << int(Panel::Open);
        QTest::newRow("web search") << int(Panel::WebSearch);
        QTest::newRow("mp3 search") << int(Panel::Mp3Search);
        QTest::newRow("what's new: Done") << int(Panel::WhatsNew);
    }
    void cancelButtonsCloseWithoutOpeningAnything()
    {
        QFETCH(int, panel);
        frmmisc* w = open(Panel(panel), QString());
        w->Text1->setText(QStringLiteral("typed"));
        w->Text2->setText(QStringLiteral("typed"));
        w->Text7->setText(QStringLiteral("typed"));
        QPushButton* cancel = Panel(panel) == Panel::Open        ? w->Command5
                              : Panel(panel) == Panel::WebSearch ? w->Command8
                              : Panel(panel) == Panel::Mp3Search ? w->Command10
                                                                 : w->Command2;
        QTest::mouseClick(cancel, Qt::LeftButton);
        QVERIFY(browsers.isEmpty());
        verifyClosed();
        // A fresh window: the boxes are empty again.
        frmmisc* again = open(Panel::WebSearch, QStringLiteral("Search"));
        QVERIFY(again->Text2->text().isEmpty());
        QVERIFY(again->Text1->text().isEmpty());
    }

    void selectFileAsksWithTheExactTitleAndFilter()
    {
        frmmisc* w = open(Panel::Open, QStringLiteral("Open"));
        w->Text1->setText(QStringLiteral("www.example.org"));
        dialogs->fileAnswers.enqueue(QStringLiteral("/home/teen/My Page.html"));
        QTest::mouseClick(w->Command3, Qt::LeftButton);
        QCOMPARE(w->Text1->text(), QStringLiteral("/home/teen/My Page.html"));
        QCOMPARE(dialogs->shown.size(), 1);
        const FileDialogRequest r = dialogs->shown.at(0).request;
        QCOMPARE(dialogs->shown.at(0).kind, ScriptedDialogs::Shown::Open);
        QCOMPARE(r.title, QStringLiteral("Browse for you file."));
        QCOMPARE(r.filter,
                 QStringLiteral("Web Pages (*.htm;*.html)|*.htm;*.html|Text Files(*.txt)|*.txt|"
                                "Gif pictures (*.gif)|*.gif|JPG pictures(*.jpg)|*.jpg|"
                                "BMP Pictures(.bmp)|*.bmp"));
        QCOMPARE(r.initialFolder, QDir::currentPath());
        QCOMPARE(r.initialName, QString());
        QVERIFY(w->isVisible());

        // A cancelled dialog empties the box.
        QTest::mouseClick(w->Command3, Qt::LeftButton);
        QCOMPARE(w->Text1->text(), QString());
        QVERIFY(browsers.isEmpty());

        dialogs->fileAnswers.enqueue(QStringLiteral("/home/teen/photo.jpg"));
        QTest::mouseClick(w->Command3, Qt::LeftButton);
        QTest::mouseClick(w->Command4, Qt::LeftButton);
        QCOMPARE(navigated(), QStringList{QStringLiteral("Navigate /home/teen/photo.jpg")});
        verifyClosed();
    }

    void aBlockedBrowserStillClosesTheWindow()
    {
        app->browserKind = {}; // no browser window can be made
        frmmisc* w = open(Panel::WebSearch, QStringLiteral("Search"));
        QTest::mouseClick(w->Command9, Qt::LeftButton);
        verifyClosed();
    }

    void override_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<bool>("granted");
        QTest::newRow("right") << QStringLiteral("Mum Dad") << true;
        QTest::newRow("wrong case") << QStringLiteral("mum dad") << false;
        QTest::newRow("trailing space") << QStringLiteral("Mum Dad ") << false;
        QTest::newRow("empty") << QString() << false;
    }
    void override()
    {
        QFETCH(QString, entry);
        QFETCH(bool, granted);
        // The password as the Windows program stored it: no hashing needed here.
        settings->write(QStringLiteral("Ovalo"), QStringLiteral("0f"), QStringLiteral("esarin"),
                        QStringLiteral("Mum Dad"));
        formaster master(*app);
        app->setMaster(&master);
        master.setEnabled(false);
        master.controlsForTest().Timer4->start();
        app->browseblocked = QString();

        frmmisc* w = open(Panel::Override, QStringLiteral("Parental override"));
        QVERIFY(w->isEnabled()); // not disabled with the master window
        QTest::keyClicks(w->over->entry, entry);
        QTest::mouseClick(w->over->confirmButton, Qt::LeftButton);
        if (granted) {
            QVERIFY(dialogs->messages().isEmpty());
            QVERIFY(master.isEnabled());
            QVERIFY(!master.controlsForTest().Timer4->isActive());
            QCOMPARE(app->browseblocked, QStringLiteral("0"));
            verifyClosed();
        } else {
            QCOMPARE(dialogs->messages(), QStringList{QStringLiteral("Incorrect Password")});
            QVERIFY(!master.isEnabled());
            QVERIFY(master.controlsForTest().Timer4->isActive());
            QCOMPARE(app->browseblocked, QString());
            QVERIFY(w->isVisible());
            QCOMPARE(w->over->entry->text(), entry);
        }
        delete window();
        flushDeletes();
        app->setMaster(nullptr);
    }

    void overrideWithAHashedPassword()
    {
        Passwords(*settings).set(Passwords::Kind::Parental, QStringLiteral("Mum"));
        formaster master(*app);
        app->setMaster(&master);
        master.setEnabled(false);
        frmmisc* w = open(Panel::Override, QStringLiteral("Parental override"));
        w->over->entry->setText(QStringLiteral("Mum"));
        QTest::keyClick(w->over->entry, Qt::Key_Return);
        QVERIFY(master.isEnabled());
        verifyClosed();
        app->setMaster(nullptr);
    }

    void overrideCancelClosesAndLeavesTheMasterDisabled()
    {
        formaster master(*app);
        app->setMaster(&master);
        master.setEnabled(false);
        master.controlsForTest().Timer4->start();
        frmmisc* w = open(Panel::Override, QStringLiteral("Parental override"));
        QTest::mouseClick(w->over->cancelButton, Qt::LeftButton);
        QVERIFY(!master.isEnabled());
        QVERIFY(master.controlsForTest().Timer4->isActive());
        QVERIFY(dialogs->shown.isEmpty());
        verifyClosed();
        app->setMaster(nullptr);
    }

    void configuration_data()
    {
        QTest::addColumn<QStringList>("entries");
        QTest::addColumn<QString>("message");
        QTest::addColumn<bool>("whatsNew");
        QTest::newRow("all empty")
            << QStringList{{}, {}, {}, {}} << QStringLiteral("Password Changed!") << true;
        QTest::newRow("parental mismatch")
            << QStringList{QStringLiteral("a"), QStringLiteral("b"), {}, {}}
            << QStringLiteral(
                   "Your Parental Password could not be set, because the passwords don't match!")
            << false;
        QTest::newRow("teen mismatch")
            << QStringList{{}, {}, QStringLiteral("t"), QStringLiteral("T")}
            << QStringLiteral("Your passwords could not be set, because the passwords don't match!")
            << false;
    }
    void configuration()
    {
        QFETCH(QStringList, entries);
        QFETCH(QString, message);
        QFETCH(bool, whatsNew);
        const auto pending = [this] {
            return settings->read(QStringLiteral("vro"), QStringLiteral("startup"),
                                  QStringLiteral("configure"));
        };
        settings->write(QStringLiteral("vro"), QStringLiteral("startup"),
                        QStringLiteral("configure"), QStringLiteral("1"));
        frmmisc* w =
            open(Panel::Configuration, QStringLiteral("Vireo Configuration"), QSizeF(3330, 5520));
        QCOMPARE(w->frameGeometry().size(), QSize(368, 222)); // frame included
        QTest::keyClicks(w->parentalSet, entries[0]);
        QTest::keyClicks(w->parentalConfirm, entries[1]);
        QTest::keyClicks(w->teenSet, entries[2]);
        QTest::keyClicks(w->teenConfirm, entries[3]);
        QTest::mouseClick(w->Command1, Qt::LeftButton);
        QCOMPARE(dialogs->messages(), QStringList{message});
        // Only an OK that stored the passwords ends the first-run configuration for good.
        QCOMPARE(pending(), whatsNew ? QStringLiteral("0") : QStringLiteral("1"));
        QVERIFY(w->isVisible());
        if (!whatsNew) {
            QCOMPARE(w->panel(), Panel::Configuration);
            QCOMPARE(w->windowTitle(), QStringLiteral("Vireo Configuration"));
            QVERIFY(w->Picture1->isVisible());
            return;
        }
        QCOMPARE(w->panel(), Panel::WhatsNew);
        QCOMPARE(w->windowTitle(), QStringLiteral("What's New?"));
        QCOMPARE(w->frameGeometry().size(), QSize(458, 321));
        QVERIFY(w->Picture2->isVisible());
        QVERIFY(!w->Picture1->isVisible());
        auto* page = dynamic_cast<FakeWebBrowser*>(w->WebBrowser1());
        QVERIFY(page);
        QCOMPARE(page->calls, QStringList{QStringLiteral("Navigate ") + fixture->dir.path() +
                                          QStringLiteral("/what.html")});
        QTest::mouseClick(w->Command2, Qt::LeftButton);
        verifyClosed();
    }

    void configurationStoresTheChosenPasswords()
    {
        frmmisc* w = open(Panel::Configuration, QStringLiteral("Vireo Configuration"));
        w->parentalSet->setText(QStringLiteral("Parent1"));
        w->parentalConfirm->setText(QStringLiteral("Parent1"));
        w->teenSet->setText(QStringLiteral("Teen2"));
        w->teenConfirm->setText(QStringLiteral("Teen2"));
        QTest::mouseClick(w->Command1, Qt::LeftButton);
        QCOMPARE(w->panel(), Panel::WhatsNew);
        Passwords passwords(*settings);
        QVERIFY(passwords.verify(Passwords::Kind::Parental, QStringLiteral("Parent1")));
        QVERIFY(passwords.verify(Passwords::Kind::Teen, QStringLiteral("Teen2")));
        for (QLineEdit* e : {w->parentalSet, w->parentalConfirm, w->teenSet, w->teenConfirm})
            QVERIFY(e->text().isEmpty());
    }

    void withoutAPageMakerTheWhatsNewPanelStillWorks()
    {
        app->newWebBrowser = nullptr;
        frmmisc* w = open(Panel::WhatsNew, QStringLiteral("What's New?"), QSizeF(4815, 6870));
        QVERIFY(!w->WebBrowser1());
        QTest::mouseClick(w->Command2, Qt::LeftButton);
        verifyClosed();
    }

    // The start procedure opens the window as the first run and the update need.
    void startProcedure_data()
    {
        QTest::addColumn<bool>("firstRun");
        QTest::newRow("first run") << true;
        QTest::newRow("after an update") << false;
    }
    void startProcedure()
    {
        QFETCH(bool, firstRun);
        if (!firstRun)
            settings->write(QStringLiteral("vro"), QStringLiteral("startup"),
                            QStringLiteral("version"), QStringLiteral("0.9.0"));
        StartProcedure::run(*app, [] {});
        frmmisc* w = window();
        QVERIFY(w);
        QVERIFY(w->isVisible());
        if (firstRun) {
            QCOMPARE(dialogs->messages(), QStringList{StartProcedure::firstRunMessage()});
            QCOMPARE(w->panel(), Panel::Configuration);
            QCOMPARE(w->windowTitle(), QStringLiteral("Vireo Configuration"));
            QCOMPARE(w->frameGeometry().size(), QSize(368, 222)); // frame included
        } else {
            QVERIFY(dialogs->messages().isEmpty());
            QCOMPARE(w->panel(), Panel::WhatsNew);
            QCOMPARE(w->windowTitle(), QStringLiteral("What's New?"));
            QCOMPARE(w->frameGeometry().size(), QSize(458, 321));
        }
    }

    // One window at a time: opening it again brings the same window forward.
    void oneWindowAtATime()
    {
        frmmisc* first = open(Panel::Open, QStringLiteral("Open"));
        first->Text1->setText(QStringLiteral("kept"));
        frmmisc* second = open(Panel::WebSearch, QStringLiteral("Search"));
        QCOMPARE(second, first);
        QVERIFY(!second->Picture4->isVisible());
        QVERIFY(second->Picture6->isVisible());
        QCOMPARE(second->windowTitle(), QStringLiteral("Search"));
    }

    // Centred over the master window when first shown, and kept there when resized.
    void opensCentredOverTheMasterWindow()
    {
        formaster master(*app);
        app->setMaster(&master);
        master.setGeometry(100, 80, 700, 500);
        master.show();
        frmmisc* w =
            open(Panel::Configuration, QStringLiteral("Vireo Configuration"), QSizeF(3330, 5520));
        QVERIFY((w->frameGeometry().center() - master.frameGeometry().center()).manhattanLength() <=
                2);
        const QPoint place = w->pos();
        w->showPanel(Panel::WhatsNew, QStringLiteral("What's New?"), QSizeF(4815, 6870));
        QCOMPARE(w->pos(), place);
        delete w;
        app->setMaster(nullptr);
    }

    // The phone book opens the open panel without a caption.
    void anEmptyCaptionStaysEmpty()
    {
        frmmisc* w = open(Panel::Open, QString());
        QCOMPARE(w->windowTitle(), QString());
    }
};

QTEST_MAIN(TestFrmmisc)
#include "test_frmmisc.moc"
