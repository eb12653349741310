#include "player/ScrollingTitle.h"

#include <QApplication>
#include <QFont>
#include <QImage>
#include <QLabel>
#include <QTest>

using namespace vireo;

// The scrolling title must look exactly like a plain label holding the same text, whichever way
// the text got there: turned by one character, repainted unturned, or replaced by another text.
class TestScrollingTitle : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void looksLikeALabel_data();
    void looksLikeALabel();
    void newTextDrawnAfresh();
    void lookChangeDrawnAfresh();
};

namespace {

QString turned(const QString& text, int by)
{
    const int n = static_cast<int>(text.size());
    const int k = n == 0 ? 0 : by % n;
    return text.mid(k) + text.left(k);
}

// Label666's look: bold mono 13 px on the panel's Base colour, 280 x 17.
template <typename Label> void styleLike666(Label& label)
{
    QFont mono(QStringLiteral("DejaVu Sans Mono"));
    mono.setPixelSize(13);
    mono.setBold(true);
    label.setFont(mono);
    label.setBackgroundRole(QPalette::Base);
    label.setAutoFillBackground(true);
    label.setFixedSize(280, 17);
}

struct Pair {
    ScrollingTitle title;
    QLabel label;
    Pair()
    {
        styleLike666(title);
        styleLike666(label);
    }
    void show(const QString& text)
    {
        title.setText(text);
        label.setText(text);
    }
    bool same() { return title.grab().toImage() == label.grab().toImage(); }
};

} // namespace

void TestScrollingTitle::looksLikeALabel_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("layouts"); // made over a whole turn and then some; -1: any
    const QString lead(30, QLatin1Char(' '));
    QTest::newRow("player at load") << lead + QStringLiteral("MP3 Player ") << 1;
    QTest::newRow("song") << lead + QStringLiteral("Ann & Co - One < Two, 100% (live)") << 1;
    QTest::newRow("narrower than the label") << QStringLiteral("Ab c") << 1;
    QTest::newRow("accented letters")
        << lead + QStringLiteral("Bj\u00f6rk - J\u00f3ga \u00e9t\u00e9") << 1;
    QTest::newRow("Greek and Cyrillic")
        << lead + QStringLiteral("\u0391\u03b8\u03ae\u03bd\u03b1 - "
                                 "\u041c\u043e\u0441\u043a\u0432\u0430")
        << 1;
    // What a turn would split or reorder is drawn afresh on every tick.
    QTest::newRow("combining mark") << lead + QStringLiteral("Cafe\u0301 Tacuba") << 0;
    QTest::newRow("right to left") << lead + QStringLiteral("\u05e9\u05dc\u05d5\u05dd abc") << 0;
    QTest::newRow("surrogate pair") << lead + QStringLiteral("Song \U0001F3B5") << 0;
    QTest::newRow("text a label reads as rich text")
        << lead + QStringLiteral("Ann - <b>One</b>") << -1;
    QTest::newRow("empty") << QString() << 0;
}

void TestScrollingTitle::looksLikeALabel()
{
    QFETCH(QString, text);
    QFETCH(int, layouts);
    Pair pair;
    const int ticks = static_cast<int>(text.size()) + 3;
    for (int tick = 0; tick <= ticks; ++tick) {
        pair.show(turned(text, tick));
        QVERIFY2(pair.same(), qPrintable(QStringLiteral("tick %1").arg(tick)));
        if (tick % 7 == 0) // a repaint without a turn, as when the window is uncovered
            QVERIFY2(pair.same(), qPrintable(QStringLiteral("repaint at tick %1").arg(tick)));
    }
    if (layouts >= 0)
        QCOMPARE(pair.title.layoutsMade(), layouts);
}

void TestScrollingTitle::newTextDrawnAfresh()
{
    // A new song while the title is half way round, then two turns at once (ticks that came
    // while the window was not painted).
    const QString first = QString(30, QLatin1Char(' ')) + QStringLiteral("Ann - One");
    const QString second = QString(30, QLatin1Char(' ')) + QStringLiteral("Bob - Two");
    Pair pair;
    for (int tick = 0; tick < 12; ++tick) {
        pair.show(turned(first, tick));
        QVERIFY(pair.same());
    }
    pair.show(second);
    QVERIFY(pair.same());
    pair.show(turned(second, 2));
    QVERIFY(pair.same());
    pair.show(turned(second, 3));
    QVERIFY(pair.same());
    QCOMPARE(pair.title.layoutsMade(), 3);
}

void TestScrollingTitle::lookChangeDrawnAfresh()
{
    const QString text = QString(30, QLatin1Char(' ')) + QStringLiteral("Ann - One");
    Pair pair;
    pair.show(text);
    QVERIFY(pair.same());
    QPalette palette = pair.title.palette();
    palette.setColor(QPalette::WindowText, Qt::red);
    palette.setColor(QPalette::Disabled, QPalette::WindowText, Qt::gray);
    palette.setColor(QPalette::Base, Qt::darkBlue);
    pair.title.setPalette(palette);
    pair.label.setPalette(palette);
    pair.show(turned(text, 1));
    QVERIFY(pair.same());
    QFont font = pair.title.font();
    for (const int pixels : {9, 11, 15, 16, 17, 20}) {
        font.setPixelSize(pixels);
        pair.title.setFont(font);
        pair.label.setFont(font);
        pair.show(turned(text, pixels));
        QVERIFY2(pair.same(), qPrintable(QString::number(pixels)));
    }
    pair.title.setEnabled(false);
    pair.label.setEnabled(false);
    pair.show(turned(text, 21));
    QVERIFY(pair.same());
    // Laid out at the start and for each font; colours and the disabled look need none.
    QCOMPARE(pair.title.layoutsMade(), 7);
}

QTEST_MAIN(TestScrollingTitle)
#include "test_scrolling_title.moc"
