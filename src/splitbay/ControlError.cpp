#include "splitbay6/ControlError.h"

#include "platform/ErrorCodes.h"

namespace splitbay6 {

ControlError::ControlError(int number, const QString &text) : std::runtime_error(text.toStdString()), number_(number) {}

ControlError::ControlError(int number) : ControlError(number, platform::errorText(number)) {}

ControlError::~ControlError() = default;

}   // namespace splitbay6
