#include "parental/OptionsValues.h"

#include "platform/VbConvert.h"
#include "shell/Settings.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace vireo {

namespace {

std::optional<double> wholeNumber(const QString& text)
{
    const std::optional<double> number = vb::toNumber(text);
    if (!number || std::trunc(*number) != *number)
        return std::nullopt;
    return number;
}

int checkState(const SettingsStore& store, const SettingKey& key)
{
    const std::optional<double> number = wholeNumber(settings::read(store, key));
    return number && *number == 1 ? 1 : 0;
}

QString text(int checkState)
{
    return QString::number(checkState);
}

} // namespace

OptionsValues OptionsValues::read(const SettingsStore& store)
{
    OptionsValues v;
    v.mp3Disabled = checkState(store, settings::mp3Disabled);
    v.logBrowsing = checkState(store, settings::logBrowsing);
    v.searchesDisabled = checkState(store, settings::searchesDisabled);
    v.limitEnabled = checkState(store, settings::limitEnabled);
    v.otherFeaturesAllowed = checkState(store, settings::otherFeaturesAllowed);
    const QString minutes = settings::read(store, settings::limitMinutes);
    if (wholeNumber(minutes))
        v.minutes = minutes;
    v.journalLocked = checkState(store, settings::journalLocked);
    v.phonebookLocked = checkState(store, settings::phonebookLocked);
    v.popupsDisabled = checkState(store, settings::popupsDisabled);
    v.startPage = settings::read(store, settings::startPage);
    return v;
}

void OptionsValues::write(SettingsStore& store) const
{
    settings::write(store, settings::mp3Disabled, text(mp3Disabled));
    settings::write(store, settings::logBrowsing, text(logBrowsing));
    settings::write(store, settings::searchesDisabled, text(searchesDisabled));
    settings::write(store, settings::limitEnabled, text(limitEnabled));
    settings::write(store, settings::otherFeaturesAllowed, text(otherFeaturesAllowed));
    settings::write(store, settings::limitMinutes, minutes);
    settings::write(store, settings::popupsDisabled, text(popupsDisabled));
    settings::write(store, settings::journalLocked, text(journalLocked));
    settings::write(store, settings::phonebookLocked, text(phonebookLocked));
    settings::write(store, settings::startPage, startPage);
}

int OptionsValues::sliderPosition(const QString& minutes)
{
    const std::optional<double> number = wholeNumber(minutes);
    if (!number)
        return minutesDesign;
    return int(std::clamp(*number, double(minutesMinimum), double(minutesMaximum)));
}

} // namespace vireo
