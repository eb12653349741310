#pragma once

#include "phonebook/ContactFile.h"
#include "phonebook/ContactIndex.h"
#include "platform/ProgramFolder.h"

#include <optional>

namespace vireo {

// The phone book's files and the rules for adding, replacing and removing contacts: one
// contact file per contact and the contacts file that lists them. The window holds one and
// mirrors its lists.
class PhoneBook {
public:
    explicit PhoneBook(ProgramFolder folder) : folder_(std::move(folder)) {}

    // Program folder + "\contacts.vpm".
    QString contactsPath() const;

    // Both lists and the index from the contacts file.
    void load();

    // Writes the contact file (when the name can be a file name: no other is ever written);
    // a contact not yet on file is then appended to the index and the contacts file, and the
    // lists are read back from it. A saved contact that is on file leaves the index alone.
    struct Saved {
        bool added = false;  // appended to the index
        bool failed = false; // a file could not be written (the old one stays)
    };
    Saved save(const ContactRecord& record, bool onFile);

    // The rule of the two "Clear" buttons: the first entry can never be removed. The contact
    // file of a removed contact stays on disk.
    enum class Removal { Removed, Refused, NothingSelected };
    Removal remove(int position);
    static QString refusal() { return QStringLiteral("Cannot delete selected item."); }

    // The contact file of the name as the list shows it; nullopt when there is none to read.
    std::optional<ContactFile::Contents> open(const QString& name) const;

    const ContactIndex& index() const { return index_; }
    const ProgramFolder& folder() const { return folder_; }

private:
    // Writes the contacts file and reads the lists back from it; when it cannot be written
    // the lists show the index, so nothing the user did vanishes from sight.
    bool saveAndReload();

    ProgramFolder folder_;
    ContactIndex index_;
};

} // namespace vireo
