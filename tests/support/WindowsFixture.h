#pragma once

#include "RegisterWindows.h"
#include "shell/formaster.h"
#include "support/AppFixture.h"

#include <memory>

namespace vireo::test {

// An AppFixture with the program's own windows (registerWindows) and a master window that is
// the App's master, its load sequence not run. Browser windows get fake page components.
struct WindowsFixture : AppFixture {
    std::unique_ptr<formaster> master;

    WindowsFixture()
    {
        registerWindows(app);
        master = std::make_unique<formaster>(app);
        app.setMaster(master.get());
    }
    // The configuration window is a top-level window of its own: nothing else deletes it.
    ~WindowsFixture() { delete app.openWindow(app.configKind); }
};

} // namespace vireo::test
