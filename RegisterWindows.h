#pragma once

namespace vireo {

class App;

// Tells the App how each kind of window is made: every window's static create(App&), which
// runs its load sequence. The program and the window tests share it; a test that wants a fake
// for one kind sets that kind again afterwards. A new window adds its line here.
void registerWindows(App& app);

} // namespace vireo
