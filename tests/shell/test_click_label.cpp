#include "player/EventLabel.h"
#include "shell/ImageBox.h"
#include "support/MouseInput.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <memory>

using namespace vireo;
using namespace vireo::test;

// Every button of the program, image or label, reports a double-click as MouseDown, MouseUp,
// Click, DblClick, MouseUp: one click, not two.
class TestClickLabel : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void mouseEventsOfEachKind_data();
    void mouseEventsOfEachKind();
    void keysPressALabelWithACommand_data();
    void keysPressALabelWithACommand();
    void onlyTabGivesTheFocus();
    void theFocusShowsAsAFrame();
};

void TestClickLabel::mouseEventsOfEachKind_data()
{
    QTest::addColumn<bool>("image");
    QTest::addColumn<bool>("doubleClick");
    QTest::addColumn<int>("downs");
    QTest::addColumn<int>("ups");
    QTest::addColumn<int>("clicks");
    QTest::addColumn<int>("doubleClicks");
    QTest::newRow("image button, click") << true << false << 1 << 1 << 1 << 0;
    QTest::newRow("image button, double-click") << true << true << 1 << 2 << 1 << 1;
    QTest::newRow("label button, click") << false << false << 1 << 1 << 1 << 0;
    QTest::newRow("label button, double-click") << false << true << 1 << 2 << 1 << 1;
}

void TestClickLabel::mouseEventsOfEachKind()
{
    QFETCH(bool, image);
    QFETCH(bool, doubleClick);
    QWidget window;
    window.resize(200, 100);
    ClickLabel* button = nullptr;
    if (image) {
        auto* box = new ImageBox(QStringLiteral("Image1"), &window);
        QPixmap face(40, 30);
        face.fill(Qt::red);
        box->setPicture(face);
        button = box;
    } else {
        button = new EventLabel(QStringLiteral("Label1"), QStringLiteral("Pause"), &window);
        button->resize(60, 20);
    }
    button->move(20, 20);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QSignalSpy downs(button, &ClickLabel::MouseDown);
    QSignalSpy ups(button, &ClickLabel::MouseUp);
    QSignalSpy clicks(button, &ClickLabel::Click);
    QSignalSpy doubleClicks(button, &ClickLabel::DblClick);
    if (doubleClick)
        doubleClickThroughWindow(button);
    else
        clickThroughWindow(button);
    QTEST(int(downs.size()), "downs");
    QTEST(int(ups.size()), "ups");
    QTEST(int(clicks.size()), "clicks");
    QTEST(int(doubleClicks.size()), "doubleClicks");
}

// Space, Return and Enter press a label that carries a command, once per key press, whatever
// the command hangs on; a label whose command is a double-click ("Double click me to ...") gets
// its double-click. A label without a command is no button: no focus, no key taken.
void TestClickLabel::keysPressALabelWithACommand_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<bool>("autoRepeat");
    QTest::addColumn<int>("runs"); // how often the command ran
    QTest::addColumn<bool>("taken");
    const int none = Qt::NoModifier;
    QTest::newRow("space") << "Click" << int(Qt::Key_Space) << none << false << 1 << true;
    QTest::newRow("return") << "Click" << int(Qt::Key_Return) << none << false << 1 << true;
    QTest::newRow("keypad enter") << "Click" << int(Qt::Key_Enter) << int(Qt::KeypadModifier)
                                  << false << 1 << true;
    QTest::newRow("held space presses once")
        << "Click" << int(Qt::Key_Space) << none << true << 0 << true;
    QTest::newRow("ctrl+space is not a press")
        << "Click" << int(Qt::Key_Space) << int(Qt::ControlModifier) << false << 0 << false;
    QTest::newRow("a letter is not a press")
        << "Click" << int(Qt::Key_A) << none << false << 0 << false;
    QTest::newRow("command on MouseUp")
        << "MouseUp" << int(Qt::Key_Space) << none << false << 1 << true;
    QTest::newRow("command on the double-click")
        << "DblClick" << int(Qt::Key_Return) << none << false << 1 << true;
    QTest::newRow("no command") << "" << int(Qt::Key_Space) << none << false << 0 << false;
}

void TestClickLabel::keysPressALabelWithACommand()
{
    QFETCH(QString, command);
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(bool, autoRepeat);
    QWidget window;
    auto* label = new EventLabel(QStringLiteral("Label1"), QStringLiteral("Volume:"), &window);
    QVERIFY(!label->hasCommand());
    QCOMPARE(label->focusPolicy(), Qt::NoFocus);
    int runs = 0;
    auto run = [&runs] { ++runs; };
    if (command == u"Click")
        connect(label, &ClickLabel::Click, label, run);
    else if (command == u"MouseUp")
        connect(label, &ClickLabel::MouseUp, label, run);
    else if (command == u"DblClick")
        connect(label, &ClickLabel::DblClick, label, run);
    QCOMPARE(label->hasCommand(), !command.isEmpty());
    QCOMPARE(label->focusPolicy(), command.isEmpty() ? Qt::NoFocus : Qt::TabFocus);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QKeyEvent press(QEvent::KeyPress, key, Qt::KeyboardModifiers(modifiers), QString(), autoRepeat);
    press.ignore();
    QApplication::sendEvent(label, &press);
    QTEST(runs, "runs");
    QTEST(press.isAccepted(), "taken");
}

// A click leaves the focus where it was (in the address box, say); Tab reaches the button.
void TestClickLabel::onlyTabGivesTheFocus()
{
    QWidget window;
    auto* box = new QLineEdit(&window);
    auto* button = new ImageBox(QStringLiteral("Image6"), &window);
    QPixmap face(40, 30);
    face.fill(Qt::red);
    button->setPicture(face);
    button->move(0, 40);
    int clicks = 0;
    connect(button, &ClickLabel::Click, button, [&] { ++clicks; });
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    box->setFocus();
    clickThroughWindow(button);
    QCOMPARE(clicks, 1);
    QVERIFY(box->hasFocus());
    QTest::keyClick(box, Qt::Key_Tab);
    QVERIFY(button->hasFocus());
    QTest::keyClick(button, Qt::Key_Space);
    QCOMPARE(clicks, 2);
}

// The focused button shows a frame over its picture: black and white, so that it shows on any
// picture; the picture comes back when the focus leaves.
void TestClickLabel::theFocusShowsAsAFrame()
{
    QWidget window;
    auto* other = new QLineEdit(&window);
    auto* button = new ImageBox(QStringLiteral("Image6"), &window);
    QPixmap face(40, 30);
    face.fill(QColor(0, 128, 0));
    button->setPicture(face);
    button->move(0, 40);
    connect(button, &ClickLabel::Click, button, [] {});
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    other->setFocus();
    const QImage before = button->grab().toImage();
    QCOMPARE(before.pixelColor(0, 0), QColor(0, 128, 0));
    QTest::keyClick(other, Qt::Key_Tab);
    QVERIFY(button->hasFocus());
    const QImage focused = button->grab().toImage();
    QCOMPARE(focused.pixelColor(1, 1), QColor(Qt::white));
    QCOMPARE(focused.pixelColor(20, 15), QColor(0, 128, 0));
    int blackOnEdge = 0;
    for (int x = 0; x < focused.width(); ++x)
        blackOnEdge += focused.pixelColor(x, 0) == QColor(Qt::black);
    QVERIFY2(blackOnEdge > 0 && blackOnEdge < focused.width(), "the frame is not two-tone");
    other->setFocus();
    QCOMPARE(button->grab().toImage(), before);
}

QTEST_MAIN(TestClickLabel)
#include "test_click_label.moc"
