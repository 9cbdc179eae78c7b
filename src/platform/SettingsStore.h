#pragma once
// The per-user settings store: application "Tradevane5", section "Settings",
// values kept as decimal text.

#include <QString>

#include <cstdint>
#include <memory>

class QSettings;

namespace platform {

namespace SettingsStore {

// One opening of the store for a run of reads and writes. Qt parses the
// store for every QSettings it opens and writes the whole of it for every
// one that changed something, so a run of keys goes through one session:
// a large store is then read once and written once, when the session ends.
// While a session is open, the single-key functions below go through it
// too (opening another would write out the session's changes early).
class Session {
public:
    Session();
    ~Session();
    Session(const Session &) = delete;
    Session &operator=(const Session &) = delete;

    // The stored text of `key`, or `defaultValue` when the key is missing.
    QString read(const QString &key, const QString &defaultValue) const;
    // Numeric reads: the stored text converted to a long or an integer
    // (rounded half to even); a missing key, a text that is not a number, or
    // a number out of the type's range gives the default.
    int32_t readLong(const QString &key, int32_t defaultValue) const;
    int16_t readInteger(const QString &key, int16_t defaultValue) const;
    void write(const QString &key, const QString &value);

    // The innermost session open on this thread, if any.
    static Session *current();

private:
    std::unique_ptr<QSettings> settings_;
    Session *outer_;
};

// While one lives, the store stays parsed in memory between sessions (Qt
// keeps a parsed store only while a QSettings has it open, and caches only
// small ones beyond that), so a session that reads one key costs a look at
// the file's size and time, not a parse. A change to the file is still seen.
class KeepParsed {
public:
    KeepParsed();
    ~KeepParsed();
    KeepParsed(const KeepParsed &) = delete;
    KeepParsed &operator=(const KeepParsed &) = delete;

private:
    std::unique_ptr<QSettings> settings_;
};

// Single keys, each in a session of its own unless one is open.
QString read(const QString &key, const QString &defaultValue);
void write(const QString &key, const QString &value);
int32_t readLong(const QString &key, int32_t defaultValue);
int16_t readInteger(const QString &key, int16_t defaultValue);

}   // namespace SettingsStore

}   // namespace platform
