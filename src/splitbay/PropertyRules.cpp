#include "PropertyRules.h"

#include "splitbay6/ControlError.h"
#include "splitbay6/PropertyBag.h"

#include "platform/Rounding.h"

#include <cmath>

namespace splitbay6 {

namespace {

std::optional<double> storedNumber(const PropertyBag &bag, const QString &name, double defaultValue)
{
    const QVariant value = bag.read(name, defaultValue);
    bool ok = false;
    const double number = value.toDouble(&ok);
    if (!ok)
        return std::nullopt;
    return number;
}

}   // namespace

void refuseReadOnlySet(bool designMode)
{
    throw ControlError(designMode ? ErrorNumber::SettingNotPermitted : ErrorNumber::SetNotSupportedAtRunTime);
}

float requireFinite(float value)
{
    if (!std::isfinite(value))
        throw ControlError(ErrorNumber::InvalidPropertyValue);
    return value;
}

float readSingle(const PropertyBag &bag, const QString &name, float defaultValue)
{
    const auto number = storedNumber(bag, name, defaultValue);
    const auto single = number ? platform::toSingle(*number) : std::nullopt;
    return single.value_or(defaultValue);
}

int32_t readLong(const PropertyBag &bag, const QString &name, int32_t defaultValue)
{
    const auto number = storedNumber(bag, name, defaultValue);
    const auto value = number ? platform::toInt32(*number) : std::nullopt;
    return value.value_or(defaultValue);
}

}   // namespace splitbay6
