#pragma once

#include <QStringView>

namespace vireo {

// Word wrapping and runs with nowhere to break a line.
//
// The editor wraps lines between words. A run of characters with no place to break a line (a
// held-down key, a pasted hash or a line of a binary file) has no such place: the text layout
// then measures what is left of the run again for every line, so laying out a run takes time
// growing with the square of its length (a 200,000-character run takes seconds, one of four
// million, minutes). Breaking lines anywhere lays out any text in time growing with its length.
class UnbrokenRuns {
public:
    // Longer runs are laid out breaking lines anywhere. A 4 MiB entry of runs this long, a space
    // apart, lays out about two fifths slower than prose of the same size (bench_journal_open);
    // no word typed is anywhere near it.
    static constexpr qsizetype maxWrappedRun = 1000;

    // The length of the longest stretch of `text` with no line-break opportunity, in UTF-16
    // units. A line or paragraph end always allows a break.
    static qsizetype longest(QStringView text);

    // True when `text` has a run longer than maxWrappedRun.
    static bool needBreakingAnywhere(QStringView text) { return longest(text) > maxWrappedRun; }
};

} // namespace vireo
