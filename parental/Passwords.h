#pragma once

#include <QString>

namespace vireo {

class SettingsStore;
struct SettingKey;

// The parental and the teen password, in the settings store ("Ovalo" / "0f"). Nothing else
// reads or writes their keys. A password is stored as an Argon2id hash, never as typed; the
// empty password is stored as the empty text. A stored value that is not such a hash was
// written by the Windows program, which stored passwords as typed: it is compared as text,
// and once an entry has matched it, its hash takes its place.
// Every check reads the stored value at the moment it is made, and comparison is exact: case
// and spaces count.
class Passwords {
public:
    enum class Kind { Parental, Teen };

    explicit Passwords(SettingsStore& settings) : settings_(settings) {}

    bool verify(Kind kind, const QString& entry);
    // False when the store could not keep it.
    bool set(Kind kind, const QString& text);

    // True when no password of this kind is set (the stored value is empty or absent): the
    // gates that can be skipped are skipped.
    bool isEmpty(Kind kind) const;

    // True when `stored` is one of our hashes rather than a password stored as typed.
    static bool isHash(const QString& stored);
    // The stored form of a password: the empty text for the empty password, else its hash.
    static QString hash(const QString& text);

private:
    QString stored(Kind kind) const;
    static const SettingKey& key(Kind kind);

    SettingsStore& settings_;
};

} // namespace vireo
