#pragma once

#include <optional>

namespace vireo {

class SettingsStore;

// The master window's saved placement, in twips. A value that is absent or not a number is
// nullopt: that property keeps its design value.
struct Placement {
    std::optional<float> top, left, height, width;
    // 0 normal, 1 minimized, 2 maximized; anything else is not a window state.
    std::optional<int> windowState;

    static Placement read(const SettingsStore& settings);
    // False when any of the values could not be stored.
    static bool write(SettingsStore& settings, float top, float left, float height, float width,
                      int windowState);
};

} // namespace vireo
