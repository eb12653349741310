#pragma once

#include <QLabel>
#include <QString>
#include <QTextLayout>
#include <vector>

namespace vireo {

// The player's scrolling title: a plain label whose text turns by one character ten times a
// second. Shaping and laying the text out again on every tick was about a fifth of what each tick
// cost, so this label lays its text out once, twice in a row, and each turn draws that line from
// the next character on. A text that is not a turn of the one laid out (a new song, a cut at a
// NUL) is laid out afresh; one a turn would draw differently (marks, text written right to left)
// is drawn as any label draws it. text() is always the text shown.
class ScrollingTitle : public QLabel {
    Q_OBJECT
public:
    explicit ScrollingTitle(QWidget* parent = nullptr);

    // How many times a text has been laid out for turning: for tests.
    int layoutsMade() const { return layoutsMade_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    // Whether each character is drawn the same whichever characters stand next to it.
    static bool turnsCleanly(const QString& text);
    // Whether the label itself would draw its text as one left-aligned line of plain text.
    bool drawsAsPlainText() const;
    void layOut(const QString& base);
    // How many characters `shown` has turned from base_, or -1 when it is not a turn of it.
    int turnOf(const QString& shown) const;

    QString base_; // the text laid out, once
    int turn_ = 0;
    QTextLayout twice_;
    std::vector<qreal> starts_; // x of each character of base_ in the line, and of its end
    int layoutsMade_ = 0;
};

} // namespace vireo
