#include "parental/Passwords.h"

#include "platform/SettingsStore.h"
#include "shell/Settings.h"

#include <QByteArray>
#include <sodium.h>

namespace vireo {

namespace {

// libsodium must be initialised once before its first use; later calls are cheap no-ops.
bool sodiumReady()
{
    static const bool ready = sodium_init() >= 0;
    return ready;
}

} // namespace

const SettingKey& Passwords::key(Kind kind)
{
    return kind == Kind::Parental ? settings::parentalPassword : settings::teenPassword;
}

QString Passwords::stored(Kind kind) const
{
    return settings::read(settings_, key(kind));
}

bool Passwords::isHash(const QString& stored)
{
    return stored.startsWith(QLatin1String("$argon2"));
}

QString Passwords::hash(const QString& text)
{
    if (text.isEmpty())
        return {};
    if (!sodiumReady())
        qFatal("libsodium could not be initialised");
    const QByteArray bytes = text.toUtf8();
    char out[crypto_pwhash_STRBYTES];
    if (crypto_pwhash_str(out, bytes.constData(), static_cast<unsigned long long>(bytes.size()),
                          crypto_pwhash_OPSLIMIT_INTERACTIVE,
                          crypto_pwhash_MEMLIMIT_INTERACTIVE) != 0) {
        // Only running out of memory makes hashing fail; storing the password as typed
        // instead would defeat the point, so this is fatal.
        qFatal("out of memory while hashing a password");
    }
    return QString::fromLatin1(out);
}

bool Passwords::verify(Kind kind, const QString& entry)
{
    const QString value = stored(kind);
    if (!isHash(value)) {
        if (value != entry)
            return false;
        // The typed form leaves the file at the first chance: the right entry is in hand.
        if (!value.isEmpty())
            set(kind, entry);
        return true;
    }
    if (!sodiumReady())
        return false;
    const QByteArray hashText = value.toLatin1();
    const QByteArray bytes = entry.toUtf8();
    return crypto_pwhash_str_verify(hashText.constData(), bytes.constData(),
                                    static_cast<unsigned long long>(bytes.size())) == 0;
}

bool Passwords::set(Kind kind, const QString& text)
{
    return settings::write(settings_, key(kind), hash(text));
}

bool Passwords::isEmpty(Kind kind) const
{
    return stored(kind).isEmpty();
}

} // namespace vireo
