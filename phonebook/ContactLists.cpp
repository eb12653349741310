#include "phonebook/ContactLists.h"

namespace vireo {

const QStringList& ContactLists::months()
{
    static const QStringList list{
        QStringLiteral("January"), QStringLiteral("February"), QStringLiteral("March"),
        QStringLiteral("April"),   QStringLiteral("May"),      QStringLiteral("June"),
        QStringLiteral("July"),    QStringLiteral("August"),   QStringLiteral("September"),
        QStringLiteral("October"), QStringLiteral("November"), QStringLiteral("December")};
    return list;
}

const QStringList& ContactLists::days()
{
    static const QStringList list = [] {
        QStringList days;
        for (int day = 1; day <= 31; ++day)
            days.append(QString::number(day));
        return days;
    }();
    return list;
}

const QStringList& ContactLists::years()
{
    // 1990 was left out of the list from the start; stored positions depend on the gap.
    static const QStringList list = [] {
        QStringList years;
        for (int year = 2000; year >= 1960; --year) {
            if (year != 1990)
                years.append(QString::number(year));
        }
        return years;
    }();
    return list;
}

const QStringList& ContactLists::relationships()
{
    static const QStringList list{QStringLiteral("-"),      QStringLiteral("Cool"),
                                  QStringLiteral("Okay"),   QStringLiteral("Best Friend"),
                                  QStringLiteral("Family"), QStringLiteral("Enemy"),
                                  QStringLiteral("Hot"),    QStringLiteral("Babe")};
    return list;
}

int ContactLists::positionIn(const QStringList& list, int position)
{
    return position >= 0 && position < list.size() ? position : -1;
}

} // namespace vireo
