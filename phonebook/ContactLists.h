#pragma once

#include <QString>
#include <QStringList>

namespace vireo {

// The drop-down lists of the birthday and the relationship. A contact file stores positions in
// them, not values, so these lists are part of the file format: changing one changes what every
// stored contact means.
class ContactLists {
public:
    // "January" ... "December".
    static const QStringList& months();
    // "1" ... "31".
    static const QStringList& days();
    // "2000" down to "1960" without 1990: position 9 is "1991", position 10 is "1989".
    static const QStringList& years();
    // "-", "Cool", "Okay", "Best Friend", "Family", "Enemy", "Hot", "Babe".
    static const QStringList& relationships();

    // What a relationship box shows while nothing is chosen.
    static QString noRelationship() { return QStringLiteral("---------"); }

    // `position` when the list has it, else -1 (nothing chosen).
    static int positionIn(const QStringList& list, int position);
};

} // namespace vireo
