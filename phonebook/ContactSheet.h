#pragma once

#include <QString>

namespace vireo {

// The page printed for one contact: every label in a fixed order on one run of text, the
// values as the boxes show them. The runs of spaces before the labels stand in for columns.
struct ContactSheet {
    QString name, email, phone, address, relationship, month, day, year, comments;

    QString text() const;
};

} // namespace vireo
