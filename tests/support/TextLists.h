#pragma once

#include <QStringList>

#include <initializer_list>

namespace vireo::test {

// A list of plain texts, for the rows of data-driven tests.
inline QStringList sl(std::initializer_list<const char*> texts)
{
    QStringList out;
    for (const char* t : texts)
        out.append(QString::fromUtf8(t));
    return out;
}

} // namespace vireo::test
