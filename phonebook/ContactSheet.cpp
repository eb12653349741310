#include "phonebook/ContactSheet.h"

namespace vireo {

namespace {

QString spaces(int count)
{
    return QString(count, QLatin1Char(' '));
}

} // namespace

QString ContactSheet::text() const
{
    return QLatin1String("Name: ") + name + spaces(22) + QLatin1String("E-mail address: ") + email +
           spaces(38) + QLatin1String("Phone Number: ") + phone + spaces(33) +
           QLatin1String("Address: ") + address + spaces(14) + QLatin1String("Relationship: ") +
           relationship + spaces(16) + QLatin1String("Birthday: ") + month + QLatin1String(", ") +
           day + QLatin1Char(' ') + year + QLatin1String(" Comments: ") + comments;
}

} // namespace vireo
