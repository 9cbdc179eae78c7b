#include "quotechart/ControlError.h"

#include "platform/ErrorCodes.h"

namespace quotechart {

ControlError::ControlError(int number, const QString &text) : std::runtime_error(text.toStdString()), number_(number) {}

ControlError::ControlError(int number) : ControlError(number, platform::errorText(number)) {}

ControlError::~ControlError() = default;

}   // namespace quotechart
