#include "shell/Allowance.h"

#include "platform/Logging.h"
#include "platform/SettingsStore.h"
#include "platform/VbConvert.h"
#include "shell/Settings.h"

#include <QLocale>

namespace vireo {

Allowance::Allowance(SettingsStore& store, QString& secondsused, QString& browseblocked,
                     AllowanceActions& actions)
    : store_(store), secondsused_(secondsused), browseblocked_(browseblocked), actions_(actions)
{
}

QString Allowance::dayText(const QDate& day)
{
    return QLocale().toString(day, QLocale::ShortFormat);
}

QString Allowance::question()
{
    return QStringLiteral("You have exceed your allotted browsing time for today, override?");
}

QString Allowance::endingQuestion()
{
    return QLatin1Char('!') + question();
}

bool Allowance::limitReached(std::optional<double> minutesUsed)
{
    const std::optional<double> limit =
        vb::toNumber(settings::read(store_, settings::limitMinutes));
    if (minutesUsed && limit)
        reached_ = *minutesUsed >= *limit;
    return reached_;
}

bool Allowance::othersForbidden() const
{
    return settings::read(store_, settings::otherFeaturesAllowed) == QLatin1String("0");
}

void Allowance::endProgram()
{
    save();
    actions_.endProgram();
}

void Allowance::checktime(const QDate& today)
{
    day_ = dayText(today);
    if (settings::read(store_, settings::day) != day_) {
        secondsused_ = QStringLiteral("0");
        save();
        return;
    }
    secondsused_ = settings::read(store_, settings::secondsUsed);
    std::optional<double> minutes = vb::toNumber(secondsused_);
    if (minutes)
        *minutes /= 60;
    if (!limitReached(minutes))
        return;
    // The question has been asked for this run: the ticks must not ask it again at once.
    actions_.stopCounting();
    if (othersForbidden()) {
        if (!actions_.ask(question())) {
            endProgram();
            return;
        }
        actions_.disableMaster();
        actions_.openOverride();
    }
    browseblocked_ = QStringLiteral("1");
    if (actions_.ask(question())) {
        actions_.openOverride();
        actions_.disableMaster();
    }
}

void Allowance::tick()
{
    actions_.showCount(secondsused_);
    std::optional<double> count = vb::toNumber(secondsused_);
    if (!count) {
        // A damaged count must not stop the counting: the teen would escape the limit.
        qCWarning(lcFiles) << "browsing seconds" << secondsused_
                           << "are not a number; counting from 0";
        count = 0;
    }
    *count += 1;
    secondsused_ = QString::number(*count, 'g', 15);
    const double minutes = *count > 60 ? *count / 60 : 0;

    if (++unsavedTicks_ >= ticksBetweenSaves || savePending_)
        save();

    if (limitReached(minutes) && othersForbidden()) {
        save();
        actions_.disableMaster();
        if (!actions_.ask(endingQuestion())) {
            endProgram();
            return;
        }
        actions_.openOverride();
    }
    if (limitReached(minutes)) {
        save();
        actions_.disableMaster();
        actions_.stopCounting();
        if (actions_.ask(question())) {
            actions_.openOverride();
            return;
        }
        browseblocked_ = QStringLiteral("1");
        actions_.enableMaster();
    }
}

bool Allowance::save()
{
    bool stored = settings::write(store_, settings::secondsUsed, secondsused_);
    if (!day_.isEmpty())
        stored = settings::write(store_, settings::day, day_) && stored;
    savePending_ = !stored;
    if (stored)
        unsavedTicks_ = 0;
    return stored;
}

} // namespace vireo
