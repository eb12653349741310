#pragma once

#include <QString>

namespace vireo {

// The text a list box, label, caption or text box shows for `text`. The controls the program was
// made for held C strings, so what they showed (and what the program later read back from them
// and saved) ended at the first NUL: the NUL padding of ID3v1 fields never showed, and never
// reached a playlist file. Every text that enters such a control goes through here; the data
// behind it (a tag's fields) keeps its NULs.
inline QString shownText(const QString& text)
{
    const qsizetype nul = text.indexOf(QChar(u'\0'));
    return nul < 0 ? text : text.left(nul);
}

} // namespace vireo
