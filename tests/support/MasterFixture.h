#pragma once

#include "shell/formaster.h"
#include "support/AppFixture.h"
#include "support/FakeBrowserWindow.h"

namespace vireo::test {

// An AppFixture with a master window that is the App's master, its load sequence not yet run,
// and fake browser windows (in `browsers`).
struct MasterFixture : AppFixture {
    FakeBrowserWindows browsers;
    formaster m{app};

    MasterFixture()
    {
        app.setMaster(&m);
        useFakeBrowsers(app, browsers);
    }
};

} // namespace vireo::test
