#pragma once

#include <QObject>
#include <QTimer>

#include <algorithm>

namespace vireo {

// The shortest interval a window timer runs at. The system the program was described for never
// fired a timer faster than its clock tick (about 15.6 ms), so a described interval below this
// behaves the same here at a fraction of the wake-ups (a 1 ms timer would wake the program up to
// a thousand times a second for nothing).
inline constexpr int shortestTimerInterval = 16;

// The interval a timer described with `describedMs` runs at.
constexpr int timerInterval(int describedMs)
{
    return std::max(describedMs, shortestTimerInterval);
}

// Every timer of the program's windows is made here: named as described (so tests find it) and
// set to the interval it runs at. It does not run until started.
inline QTimer* makeTimer(QObject* parent, const char* name, int describedMs)
{
    auto* timer = new QTimer(parent);
    timer->setObjectName(QLatin1String(name));
    timer->setInterval(timerInterval(describedMs));
    return timer;
}

} // namespace vireo
