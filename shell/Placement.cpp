#include "shell/Placement.h"

#include "platform/SettingsStore.h"
#include "platform/VbConvert.h"

#include <QString>

namespace vireo {

namespace {

const QString vroApp = QStringLiteral("vro");
const QString posSection = QStringLiteral("pos");

QString readPos(const SettingsStore& settings, const char* key)
{
    return settings.read(vroApp, posSection, QLatin1String(key));
}

} // namespace

Placement Placement::read(const SettingsStore& settings)
{
    Placement p;
    p.top = vb::toSingle(readPos(settings, "Top"));
    p.left = vb::toSingle(readPos(settings, "Left"));
    p.height = vb::toSingle(readPos(settings, "Height"));
    p.width = vb::toSingle(readPos(settings, "Width"));
    const auto state = vb::toInteger(readPos(settings, "WindowState"));
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
