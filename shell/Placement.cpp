#include "shell/Placement.h"

#include "platform/SettingsStore.h"
#include "platform/Twips.h"
#include "platform/VbConvert.h"

#include <QString>

#include <cmath>

namespace vireo {

namespace {

const QString vroApp = QStringLiteral("vro");
const QString posSection = QStringLiteral("pos");

// A window coordinate is a 16-bit number on X11; a saved value past that range fails to apply,
// as assigning it to the window would, instead of wrapping round to somewhere off the screen.
constexpr float farthest = 32767.0f * twips::perPixel;

std::optional<float> readPos(const SettingsStore& settings, const char* key)
{
    const auto value = vb::toSingle(settings.read(vroApp, posSection, QLatin1String(key)));
    if (value && std::fabs(*value) > farthest)
        return std::nullopt;
    return value;
}

} // namespace

Placement Placement::read(const SettingsStore& settings)
{
    Placement p;
    p.top = readPos(settings, "Top");
    p.left = readPos(settings, "Left");
    p.height = readPos(settings, "Height");
    p.width = readPos(settings, "Width");
    const auto state =
        vb::toInteger(settings.read(vroApp, posSection, QStringLiteral("WindowState")));
    if (state && *state >= 0 && *state <= 2)
        p.windowState = state;
    return p;
}

void Placement::write(SettingsStore& settings, float top, float left, float height, float width,
                      int windowState)
{
    settings.write(vroApp, posSection, QStringLiteral("Top"), vb::singleText(top));
    settings.write(vroApp, posSection, QStringLiteral("Left"), vb::singleText(left));
    settings.write(vroApp, posSection, QStringLiteral("Height"), vb::singleText(height));
    settings.write(vroApp, posSection, QStringLiteral("Width"), vb::singleText(width));
    settings.write(vroApp, posSection, QStringLiteral("WindowState"), QString::number(windowState));
}

} // namespace vireo
