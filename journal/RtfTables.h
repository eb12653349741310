#pragma once

#include <QColor>
#include <QHash>
#include <QList>
#include <QString>

namespace vireo {

// The font and colour tables of an RTF document, filled entry by entry as the reader meets
// them. Bounded: entries past maxEntries and name characters past maxFontNameLength are
// dropped, so a hostile table cannot grow without end.
class RtfTables {
public:
    static constexpr qsizetype maxEntries = 4096;
    static constexpr qsizetype maxFontNameLength = 255;

    // A font entry: \fN starts it, then come its charset or code page and its name; a
    // semicolon or the entry's closing brace ends it (and endFont is called before the next).
    void beginFont(int number) { entryNumber_ = number; }
    void setFontCodePage(int codePage) { entry_.codePage = codePage; }
    void appendFontName(QStringView text);
    // Returns true when the entry was added (formats made from the tables are then stale).
    bool endFont();
    // The code page of the entry being read; 0 when it is the document's.
    int entryCodePage() const { return entry_.codePage; }

    // A colour entry: \red \green \blue, ended by a semicolon. An entry with no colour words
    // is "automatic".
    void setRed(int value);
    void setGreen(int value);
    void setBlue(int value);
    void endColor();
    // Starts a new colour table entry without adding the one begun (at the table's start).
    void resetColor();

    // Empty when the font is unknown or unnamed.
    QString fontFamily(int number) const;
    // 0 when the font is unknown or uses the document's code page.
    int fontCodePage(int number) const;
    // Invalid for "automatic" and for indexes outside the table.
    QColor color(int index) const { return colors_.value(index); }

private:
    struct Font {
        QString name;
        int codePage = 0;
    };

    QHash<int, Font> fonts_;
    QList<QColor> colors_;
    int entryNumber_ = -1;
    Font entry_;
    int red_ = 0, green_ = 0, blue_ = 0;
    bool colorGiven_ = false;
};

} // namespace vireo
