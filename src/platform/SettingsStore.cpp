#include "platform/SettingsStore.h"

#include "platform/NumberText.h"
#include "platform/Rounding.h"

#include <QSettings>

namespace platform::SettingsStore {

namespace {

QString qualified(const QString &key) { return QStringLiteral("Settings/") + key; }

QSettings store() { return QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Tradevane5")); }

}   // namespace

QString read(const QString &key, const QString &defaultValue)
{
    const QVariant value = store().value(qualified(key));
    return value.isValid() ? value.toString() : defaultValue;
}

void write(const QString &key, const QString &value) { store().setValue(qualified(key), value); }

int32_t readLong(const QString &key, int32_t defaultValue)
{
    const std::optional<double> number = strictNumber(read(key, QString::number(defaultValue)));
    const std::optional<int32_t> value = number ? toInt32(*number) : std::nullopt;
    return value.value_or(defaultValue);
}

int16_t readInteger(const QString &key, int16_t defaultValue)
{
    const std::optional<double> number = strictNumber(read(key, QString::number(defaultValue)));
    const std::optional<int16_t> value = number ? toInt16(*number) : std::nullopt;
    return value.value_or(defaultValue);
}

}   // namespace platform::SettingsStore
