#include "platform/SettingsStore.h"

#include "platform/NumberText.h"
#include "platform/Rounding.h"

#include <QSettings>

namespace platform::SettingsStore {

namespace {

QString qualified(const QString &key) { return QStringLiteral("Settings/") + key; }

std::unique_ptr<QSettings> openStore()
{
    return std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Tradevane5"));
}

thread_local Session *innermost = nullptr;

}   // namespace

Session::Session() : settings_(openStore()), outer_(innermost) { innermost = this; }
Session::~Session() { innermost = outer_; }

Session *Session::current() { return innermost; }

QString Session::read(const QString &key, const QString &defaultValue) const
{
    const QVariant value = settings_->value(qualified(key));
    return value.isValid() ? value.toString() : defaultValue;
}

int32_t Session::readLong(const QString &key, int32_t defaultValue) const
{
    const std::optional<double> number = strictNumber(read(key, QString::number(defaultValue)));
    const std::optional<int32_t> value = number ? toInt32(*number) : std::nullopt;
    return value.value_or(defaultValue);
}

int16_t Session::readInteger(const QString &key, int16_t defaultValue) const
{
    const std::optional<double> number = strictNumber(read(key, QString::number(defaultValue)));
    const std::optional<int16_t> value = number ? toInt16(*number) : std::nullopt;
    return value.value_or(defaultValue);
}

// A key that already holds the text is left alone: a store changed in no
// key is not written at all.
void Session::write(const QString &key, const QString &value)
{
    const QString name = qualified(key);
    const QVariant stored = settings_->value(name);
    if (!stored.isValid() || stored.toString() != value)
        settings_->setValue(name, value);
}

KeepParsed::KeepParsed() : settings_(openStore()) {}
KeepParsed::~KeepParsed() = default;

namespace {

// Runs `use` on the open session, or on one of its own.
template <typename Use> auto withSession(Use use)
{
    if (Session *open = Session::current())
        return use(*open);
    Session own;
    return use(own);
}

}   // namespace

QString read(const QString &key, const QString &defaultValue)
{
    return withSession([&](Session &s) { return s.read(key, defaultValue); });
}

void write(const QString &key, const QString &value)
{
    withSession([&](Session &s) { s.write(key, value); });
}

int32_t readLong(const QString &key, int32_t defaultValue)
{
    return withSession([&](Session &s) { return s.readLong(key, defaultValue); });
}

int16_t readInteger(const QString &key, int16_t defaultValue)
{
    return withSession([&](Session &s) { return s.readInteger(key, defaultValue); });
}

}   // namespace platform::SettingsStore
