#pragma once
// Error numbers the controls report to their hosts, in the numbering hosts of
// the old control framework already know.

#include <QString>

namespace platform {

enum ErrorCode : int {
    Overflow = 6,
    DivisionByZero = 11,
    TypeMismatch = 13,
    SubscriptOutOfRange = 9,
    FileNotFound = 53,
    InputPastEndOfFile = 62,
    PathNotFound = 76,
    PermissionDenied = 70,
    PathFileAccessError = 75,
    InvalidPropertyValue = 380,
    SetNotSupportedAtRunTime = 382,
    SettingNotPermitted = 387,
    PrinterError = 482,
};

// The framework's standard text for an error number ("Setting not permitted").
QString errorText(int number);

}   // namespace platform
