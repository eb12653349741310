#pragma once

namespace vireo {

// Milestones of the start, from main() to the first page, on the logging category
// "vireo.startup" (silent unless asked for: QT_LOGGING_RULES="vireo.startup.debug=true").
// Each line reads "vireo.startup: 812 ms page view made": the time since the process started
// (the libraries' loading included). Each step is logged the first time only, so a step of
// every page (a load that starts) marks the first page.
class StartupTrace {
public:
    // Starts the clock and logs "main() reached": call first thing in main().
    static void begin();
    // Logs `step` with the time since the process started, the first time it is marked. `step`
    // must outlive the program (a string literal).
    static void mark(const char* step);
};

} // namespace vireo
