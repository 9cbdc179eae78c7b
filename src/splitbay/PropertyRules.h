#pragma once
// Rules shared by the two controls' properties: the refusal of read-only
// properties, the values a property can hold, and reading stored values.

#include <cstdint>

class QString;

namespace splitbay6 {

class PropertyBag;

// A read-only property refuses every write: 387 while the host designs its
// window, 382 at run time.
[[noreturn]] void refuseReadOnlySet(bool designMode);

// NaN and infinity are no size; they are refused with 380 "Invalid property value".
float requireFinite(float value);

// A stored value that is not a number of the property's type, or is out of
// its range, leaves the default: a damaged store must not stop a window loading.
float readSingle(const PropertyBag &bag, const QString &name, float defaultValue);
int32_t readLong(const PropertyBag &bag, const QString &name, int32_t defaultValue);

}   // namespace splitbay6
