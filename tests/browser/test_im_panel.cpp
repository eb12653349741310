#include "browser/ImPanel.h"
#include "shell/ClickLabel.h"
#include "shell/ProductSite.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace vireo;

class TestImPanel : public QObject {
    Q_OBJECT

    QStringList sent;
    std::unique_ptr<QWidget> window;
    ImPanel* panel = nullptr;

private Q_SLOTS:
    void init()
    {
        sent.clear();
        window = std::make_unique<QWidget>();
        window->resize(600, 400);
        panel = new ImPanel([this](const QString& a) { sent << a; }, window.get());
        window->show();
    }

    void opensHiddenWithItsControls()
    {
        QVERIFY(panel->isHidden());
        QCOMPARE(panel->objectName(), QStringLiteral("Picture5"));
        QCOMPARE(panel->geometry(), QRect(182, 49, 267, 120));
        QCOMPARE(panel->Label5->text(), QStringLiteral("IM With AOL Instant Messanger"));
        QCOMPARE(panel->Label8->text(), QStringLiteral("(Requires AOL InstantMessanger)"));
        QCOMPARE(panel->Label6->text(), QStringLiteral("Screen name:"));
        QCOMPARE(panel->Label7->text(), QStringLiteral("Message:"));
        QCOMPARE(panel->screenname->text(), QString());
        QCOMPARE(panel->screenname->maxLength(), 16);
        QCOMPARE(panel->message->text(), QStringLiteral("Hello!"));
        QCOMPARE(panel->Command6->text(), QStringLiteral("Send"));
        QCOMPARE(panel->Command7->text(), QStringLiteral("Cancel"));
        QCOMPARE(panel->screenname->geometry(), QRect(91, 34, 138, 19));
    }

    void send_data()
    {
        QTest::addColumn<QString>("screenName");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("address");
        QTest::newRow("as it opens") << QString() << QStringLiteral("Hello!")
                                     << QStringLiteral("aim:goim?screenname=&message=Hello%21");
        QTest::newRow("space and ampersand")
            << QStringLiteral("cool kid") << QStringLiteral("R&B tonight?")
            << QStringLiteral("aim:goim?screenname=cool%20kid&message=R%26B%20tonight%3F");
    }
    void send()
    {
        QFETCH(QString, screenName);
        QFETCH(QString, message);
        QFETCH(QString, address);
        panel->show();
        panel->screenname->setText(screenName);
        panel->message->setText(message);
        QTest::mouseClick(panel->Command6, Qt::LeftButton);
        QCOMPARE(sent, QStringList{address});
        QVERIFY(panel->isHidden());
        // Kept for the next time.
        panel->show();
        QCOMPARE(panel->screenname->text(), screenName);
        QCOMPARE(panel->message->text(), message);
    }

    void enterInABoxSends()
    {
        panel->show();
        QVERIFY(panel->Command6->isDefault());
        panel->screenname->setText(QStringLiteral("kid"));
        QTest::keyClick(panel->message, Qt::Key_Return);
        QCOMPARE(sent, QStringList{QStringLiteral("aim:goim?screenname=kid&message=Hello%21")});
        QVERIFY(panel->isHidden());
    }

    void aLongScreenNameIsCutAtSixteen()
    {
        panel->show();
        QTest::keyClicks(panel->screenname, QStringLiteral("abcdefghijklmnopqrstu"));
        QCOMPARE(panel->screenname->text(), QStringLiteral("abcdefghijklmnop"));
    }

    void cancelOnlyHides()
    {
        panel->show();
        QTest::mouseClick(panel->Command7, Qt::LeftButton);
        QVERIFY(panel->isHidden());
        QVERIFY(sent.isEmpty());
    }

    void theTitleOpensTheMessengersHomePage()
    {
        panel->show();
        QTest::mouseClick(panel->Label5, Qt::LeftButton);
        QCOMPARE(sent, QStringList{site::imHomePage()});
        QVERIFY(panel->isVisible());
        QTest::mouseClick(panel->Label8, Qt::LeftButton);
        QCOMPARE(sent, (QStringList{site::imHomePage(), site::imHomePage()}));
        QVERIFY(panel->isHidden());
    }

    // Pressed on a label and let go elsewhere (outside it, or on the other label), or let go
    // without a press on it: no click.
    void aReleaseOutsideTheLabelDoesNothing()
    {
        panel->show();
        for (QLabel* label : {panel->Label5, panel->Label8}) {
            QTest::mousePress(label, Qt::LeftButton, {}, QPoint(2, 2));
            QTest::mouseRelease(label, Qt::LeftButton, {}, QPoint(-5, label->height() + 5));
            QTest::mouseRelease(label, Qt::LeftButton, {}, QPoint(2, 2));
            QTest::mousePress(label, Qt::RightButton, {}, QPoint(2, 2));
            QTest::mouseRelease(label, Qt::LeftButton, {}, QPoint(2, 2));
        }
        QTest::mousePress(panel->Label5, Qt::LeftButton, {}, QPoint(2, 2));
        QTest::mouseRelease(panel->Label8, Qt::LeftButton, {}, QPoint(2, 2));
        QVERIFY(sent.isEmpty());
        QVERIFY(panel->isVisible());
    }
};

QTEST_MAIN(TestImPanel)
#include "test_im_panel.moc"
