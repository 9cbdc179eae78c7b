#pragma once
// Checking a period typed into a settings field: a number from low to high.
// A field that fails turns red while its message is shown, white after.

#include <cstdint>

class QLineEdit;

namespace quotechart {

enum class FieldCheck { Valid, OutOfRange, NotANumber };

FieldCheck checkRange(QLineEdit *field, int16_t low, int16_t high);
// True for a valid field, as the old routine answered.
inline bool ValidateRange(QLineEdit *field, int16_t low, int16_t high)
{
    return checkRange(field, low, high) == FieldCheck::Valid;
}

}   // namespace quotechart
