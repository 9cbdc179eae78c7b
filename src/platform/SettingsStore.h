#pragma once
// The per-user settings store: application "Tradevane5", section "Settings",
// values kept as decimal text.

#include <QString>

#include <cstdint>

namespace platform {

namespace SettingsStore {

// The stored text of `key`, or `defaultValue` when the key is missing.
QString read(const QString &key, const QString &defaultValue);
void write(const QString &key, const QString &value);

// Numeric reads: the stored text converted to a long or an integer (rounded
// half to even); a missing key, a text that is not a number, or a number out
// of the type's range gives the default.
int32_t readLong(const QString &key, int32_t defaultValue);
int16_t readInteger(const QString &key, int16_t defaultValue);

}   // namespace SettingsStore

}   // namespace platform
