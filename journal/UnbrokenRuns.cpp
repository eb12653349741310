#include "journal/UnbrokenRuns.h"

#include <QTextBoundaryFinder>

#include <algorithm>

namespace vireo {

qsizetype UnbrokenRuns::longest(QStringView text)
{
    // The same Unicode line-breaking rules the text layout uses: no break inside "a\u00A0b",
    // a break between two ideographs even without a space.
    QTextBoundaryFinder breaks(QTextBoundaryFinder::Line, text);
    qsizetype longest = 0;
    qsizetype last = 0;
    for (qsizetype at = breaks.toNextBoundary(); at != -1; at = breaks.toNextBoundary()) {
        longest = std::max(longest, at - last);
        last = at;
    }
    return longest;
}

} // namespace vireo
