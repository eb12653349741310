#pragma once

#include "journal/RtfState.h"

#include <QHash>
#include <QTextBlockFormat>
#include <QTextCharFormat>

namespace vireo {

class RtfTables;

// The document's formats for RTF states. A character format is made once per state and then
// shared by every run in that state, which the document recognises at once; only what differs
// from plain text is set, as small formats are quick for the document.
class RtfFormats {
public:
    // `defaultFont` stands in for a state's font -1 (\deffN).
    const QTextCharFormat& charFormat(const RtfCharState& state, int defaultFont,
                                      const RtfTables& tables);
    // The tables or the default font changed: the formats made so far are stale.
    void clear() { formats_.clear(); }

    static QTextBlockFormat blockFormat(const RtfParagraphState& state);

private:
    static constexpr qsizetype maxKept = 1024;

    QHash<RtfCharState, QTextCharFormat> formats_;
};

} // namespace vireo
