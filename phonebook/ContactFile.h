#pragma once

#include "phonebook/ContactRecord.h"

#include <QByteArray>
#include <QString>
#include <optional>

namespace vireo {

class ProgramFolder;

// A contact's own file, program folder + "\" + name + ".vpe": six lines of quoted fields, CR LF
// after each:
//   "name","phone","e-mail","name"
//   "address"
//   "picture path"
//   "comments"
//   month,day,year,relationship     (list positions, unquoted)
//   "age"
// The address and the comments may span lines inside their quotes.
class ContactFile {
public:
    // The twelve fields in file order; the second name is written and never read back.
    enum Field {
        Name,
        Phone,
        Email,
        NameAgain,
        Address,
        Picture,
        Comments,
        Month,
        Day,
        Year,
        Relationship,
        Age,
        FieldCount
    };

    // What a file held: the record and how many of its fields, counted in file order, were
    // there. A file cut short leaves the rest of the record at its defaults.
    struct Contents {
        ContactRecord record;
        int fields = 0;

        bool has(Field field) const { return field < fields; }
    };

    static QByteArray bytes(const ContactRecord& record);
    // A position that is not a whole number, or not in its list, reads as -1 (nothing chosen).
    static Contents parse(const QByteArray& bytes);

    // Nullopt when the file is missing, unreadable or not a regular file.
    static std::optional<Contents> read(const QString& path);
    // Replaces the file as a whole; false when it could not be written (the old file stays).
    static bool write(const QString& path, const ContactRecord& record);

    // True when `name` can be a file name of its own in the program folder: not empty, not "."
    // or "..", no / \ : * ? " < > | and no control character, and short enough for the file
    // system with ".vpe" added. Any other name would leave the folder or fail to be created.
    static bool isSafeName(const QString& name);
    // The contact file of `name`; nullopt when the name is not safe.
    static std::optional<QString> pathOf(const ProgramFolder& folder, const QString& name);

    // Multi-line texts are kept with CR LF in the file and with LF in the boxes.
    static QString toFileLines(const QString& boxText);
    static QString toBoxLines(const QString& fileText);
};

} // namespace vireo
