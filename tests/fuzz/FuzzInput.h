#pragma once
// The fuzz bytes as the values parsers receive.

#include <QString>

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>

// The bytes as text in two readings: UTF-8, as files hold it, and raw UTF-16
// code units, which reach every QChar including lone surrogates.
inline std::array<QString, 2> textsOf(const uint8_t *data, size_t size)
{
    QString units(qsizetype(size / 2), Qt::Uninitialized);
    if (size >= 2)
        std::memcpy(units.data(), data, size / 2 * 2);
    return {QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size)), units};
}

// The first bytes read as a value of type T (zero bytes where the input is shorter).
template <typename T> T valueOf(const uint8_t *data, size_t size)
{
    T value{};
    if (size > 0)
        std::memcpy(&value, data, size < sizeof value ? size : sizeof value);
    return value;
}
