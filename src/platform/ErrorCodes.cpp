#include "platform/ErrorCodes.h"

namespace platform {

QString errorText(int number)
{
    switch (number) {
    case Overflow: return QStringLiteral("Overflow");
    case DivisionByZero: return QStringLiteral("Division by zero");
    case SubscriptOutOfRange: return QStringLiteral("Subscript out of range");
    case TypeMismatch: return QStringLiteral("Type mismatch");
    case FileNotFound: return QStringLiteral("File not found");
    case InputPastEndOfFile: return QStringLiteral("Input past end of file");
    case PermissionDenied: return QStringLiteral("Permission denied");
    case PathFileAccessError: return QStringLiteral("Path/File access error");
    case PathNotFound: return QStringLiteral("Path not found");
    case InvalidPropertyValue: return QStringLiteral("Invalid property value");
    case SetNotSupportedAtRunTime: return QStringLiteral("Set not supported at run time");
    case SettingNotPermitted: return QStringLiteral("Setting not permitted");
    case PrinterError: return QStringLiteral("Printer error");
    default: return QStringLiteral("Application-defined or object-defined error");
    }
}

}   // namespace platform
