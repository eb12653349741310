#include "phonebook/PhoneBook.h"

#include "platform/Logging.h"

namespace vireo {

QString PhoneBook::contactsPath() const
{
    return folder_.path(QStringLiteral("\\contacts.vpm"));
}

void PhoneBook::load()
{
    index_.addlinks(contactsPath());
}

bool PhoneBook::saveAndReload()
{
    if (!index_.savebook(contactsPath())) {
        index_.listIndex();
        return false;
    }
    index_.addlinks(contactsPath());
    return true;
}

PhoneBook::Saved PhoneBook::save(const ContactRecord& record, bool onFile)
{
    Saved saved;
    if (const std::optional<QString> path = ContactFile::pathOf(folder_, record.name)) {
        saved.failed = !ContactFile::write(*path, record);
    } else if (!record.name.isEmpty()) {
        qCInfo(lcFiles) << "no contact file for" << record.name
                        << "a name that cannot be a file name of its own";
    }
    if (onFile)
        return saved;
    index_.append(record.name);
    saved.added = true;
    if (!saveAndReload())
        saved.failed = true;
    return saved;
}

PhoneBook::Removal PhoneBook::remove(int position)
{
    if (position == 0)
        return Removal::Refused;
    if (position < 0 || position >= index_.names().size())
        return Removal::NothingSelected;
    index_.removeAt(position);
    saveAndReload();
    return Removal::Removed;
}

std::optional<ContactFile::Contents> PhoneBook::open(const QString& name) const
{
    const std::optional<QString> path = ContactFile::pathOf(folder_, name);
    if (!path) {
        qCInfo(lcFiles) << "no contact file for" << name
                        << "a name that cannot be a file name of its own";
        return std::nullopt;
    }
    return ContactFile::read(*path);
}

} // namespace vireo
