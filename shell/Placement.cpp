#include "shell/Placement.h"

#include "platform/SettingsStore.h"
#include "platform/Twips.h"
#include "platform/VbConvert.h"
#include "shell/Settings.h"

#include <QString>

#include <cmath>

namespace vireo {

namespace {

// A window coordinate is a 16-bit number on X11; a saved value past that range fails to apply,
// as assigning it to the window would, instead of wrapping round to somewhere off the screen.
constexpr float farthest = 32767.0f * twips::perPixel;

std::optional<float> readPos(const SettingsStore& store, const SettingKey& key)
{
    const auto value = vb::toSingle(settings::read(store, key));
    if (value && std::fabs(*value) > farthest)
        return std::nullopt;
    return value;
}

} // namespace

Placement Placement::read(const SettingsStore& store)
{
    Placement p;
    p.top = readPos(store, settings::placementTop);
    p.left = readPos(store, settings::placementLeft);
    p.height = readPos(store, settings::placementHeight);
    p.width = readPos(store, settings::placementWidth);
    const auto state = vb::toInteger(settings::read(store, settings::windowState));
    if (state && *state >= 0 && *state <= 2)
        p.windowState = state;
    return p;
}

bool Placement::write(SettingsStore& store, float top, float left, float height, float width,
                      int windowState)
{
    // Each value is written even when one before it failed, as each is a statement of its own.
    bool stored = settings::write(store, settings::placementTop, vb::singleText(top));
    stored &= settings::write(store, settings::placementLeft, vb::singleText(left));
    stored &= settings::write(store, settings::placementHeight, vb::singleText(height));
    stored &= settings::write(store, settings::placementWidth, vb::singleText(width));
    stored &= settings::write(store, settings::windowState, QString::number(windowState));
    return stored;
}

} // namespace vireo
