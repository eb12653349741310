#pragma once

#include <QList>

class QMenu;

namespace vireo {

// A child window of the master window with menus of its own: while it is the active child,
// its menus replace the master window's in the master's menu bar.
class MdiChild {
public:
    virtual ~MdiChild() = default;
    virtual QList<QMenu*> childMenus() const = 0;
    // Asked before "&Exit" ends the program, which closes no window on its way out: a child
    // holding what the user typed and has not saved asks about it here. False keeps the program
    // running.
    virtual bool mayEndProgram() { return true; }
    // The program is being ended from outside (the session ends, the system shuts down): nobody
    // may be there to answer a question, so what the user typed and has not saved is saved now.
    virtual void saveBeforeTermination() {}
};

} // namespace vireo
