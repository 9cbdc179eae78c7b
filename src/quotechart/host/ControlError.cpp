#include "quotechart/ControlError.h"

#include "platform/ErrorCodes.h"

namespace quotechart {

// The public names are a copy of the numbers the code throws by; they must not drift apart.
static_assert(ErrorNumber::Overflow == platform::Overflow);
static_assert(ErrorNumber::SubscriptOutOfRange == platform::SubscriptOutOfRange);
static_assert(ErrorNumber::DivisionByZero == platform::DivisionByZero);
static_assert(ErrorNumber::TypeMismatch == platform::TypeMismatch);
static_assert(ErrorNumber::FileNotFound == platform::FileNotFound);
static_assert(ErrorNumber::InputPastEndOfFile == platform::InputPastEndOfFile);
static_assert(ErrorNumber::PathFileAccessError == platform::PathFileAccessError);
static_assert(ErrorNumber::PathNotFound == platform::PathNotFound);
static_assert(ErrorNumber::InvalidPropertyValue == platform::InvalidPropertyValue);
static_assert(ErrorNumber::SetNotSupportedAtRunTime == platform::SetNotSupportedAtRunTime);
static_assert(ErrorNumber::SettingNotPermitted == platform::SettingNotPermitted);
static_assert(ErrorNumber::PrinterError == platform::PrinterError);

ControlError::ControlError(int number, const QString &text) : std::runtime_error(text.toStdString()), number_(number) {}

ControlError::ControlError(int number) : ControlError(number, platform::errorText(number)) {}

ControlError::~ControlError() = default;

}   // namespace quotechart
