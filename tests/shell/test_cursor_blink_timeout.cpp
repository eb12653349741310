// The text cursor of a real, focused line edit stops blinking (and so stops repainting) a while
// after the last input, and blinks again at the next key press or click.

#include "shell/CursorBlinkTimeout.h"

#include <QApplication>
#include <QGuiApplication>
#include <QLineEdit>
#include <QStyleHints>
#include <QTest>

using namespace vireo;

namespace {

// Counts the paint events of one widget.
class PaintCounter : public QObject {
public:
    explicit PaintCounter(QWidget* widget) { widget->installEventFilter(this); }
    int paints = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return QObject::eventFilter(watched, event);
    }
};

} // namespace

class TestCursorBlinkTimeout : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void blinkStopsWhenIdleAndComesBackWithInput()
    {
        const int flashTime = QGuiApplication::styleHints()->cursorFlashTime();
        if (flashTime <= 0)
            QSKIP("this desktop does not blink the text cursor");
        QLineEdit box;
        box.show();
        box.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&box));
        box.setFocus();
        PaintCounter counter(&box);
        {
            CursorBlinkTimeout timeout(300);
            QTest::qWait(400 + flashTime / 2);
            counter.paints = 0;
            QTest::qWait(2 * flashTime);
            QCOMPARE(counter.paints, 0);
            QCOMPARE(QGuiApplication::styleHints()->cursorFlashTime(), 0);

            QTest::keyClick(&box, Qt::Key_A);
            QCOMPARE(QGuiApplication::styleHints()->cursorFlashTime(), flashTime);
            counter.paints = 0;
            QTest::qWait(flashTime + flashTime / 2);
            QVERIFY(counter.paints >= 2);
            QCOMPARE(box.text(), QStringLiteral("a"));
        }
        // Gone, it leaves the desktop's blink as it found it.
        QCOMPARE(QGuiApplication::styleHints()->cursorFlashTime(), flashTime);
    }
};

QTEST_MAIN(TestCursorBlinkTimeout)
#include "test_cursor_blink_timeout.moc"
