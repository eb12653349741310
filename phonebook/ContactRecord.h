#pragma once

#include <QString>

namespace vireo {

// One buddy of the phone book, as its contact file holds it. The date and the relationship are
// positions in the lists of ContactLists, -1 when nothing is chosen.
struct ContactRecord {
    QString name;
    QString phone;
    QString email;
    QString address;     // may span lines (CR LF)
    QString picturePath; // the full path of the picture file, empty when none
    QString comments;    // may span lines (CR LF)
    int month = -1;
    int day = -1;
    int year = -1;
    int relationship = -1;
    QString age;

    bool operator==(const ContactRecord&) const = default;
};

} // namespace vireo
