#pragma once

#include <QString>
#include <QStringList>

namespace vireo {

// The 148 genre names of ID3 version 1 tags, numbered 0 to 147, spelt as this program has
// always shown them.
class GenreTable {
public:
    static const QStringList& names();
    // The name for a genre byte; empty for 148-255, which no table entry covers.
    static QString name(int number);
};

} // namespace vireo
