#include "player/EventLabel.h"
#include "shell/ImageBox.h"
#include "support/MouseInput.h"

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

QTEST_MAIN(TestClickLabel)
#include "test_click_label.moc"
