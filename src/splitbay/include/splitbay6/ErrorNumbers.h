#pragma once
/// \file
/// The numbers a splitbay6::ControlError carries, by name.

namespace splitbay6 {

/// The error numbers of ControlError::number(), in the numbering hosts of the
/// old control framework already know. SplitbayCtl reports
/// SettingNotPermitted, SetNotSupportedAtRunTime and InvalidPropertyValue; the
/// others are the numbers a ControlError made by a host may carry with their
/// standard texts.
///
///     catch (const splitbay6::ControlError &error) {
///         if (error.number() == splitbay6::ErrorNumber::SetNotSupportedAtRunTime) ...
///     }
namespace ErrorNumber {
/// 6 "Overflow".
inline constexpr int Overflow = 6;
/// 9 "Subscript out of range".
inline constexpr int SubscriptOutOfRange = 9;
/// 13 "Type mismatch".
inline constexpr int TypeMismatch = 13;
/// 53 "File not found".
inline constexpr int FileNotFound = 53;
/// 62 "Input past end of file".
inline constexpr int InputPastEndOfFile = 62;
/// 75 "Path/File access error".
inline constexpr int PathFileAccessError = 75;
/// 76 "Path not found".
inline constexpr int PathNotFound = 76;
/// 380 "Invalid property value": SplitbayCtl::setMin or setMax with NaN or infinity.
inline constexpr int InvalidPropertyValue = 380;
/// 382 "Set not supported at run time": a read-only property (ScaleLeft, ScaleTop,
/// ScaleWidth, ScaleHeight) written at run time.
inline constexpr int SetNotSupportedAtRunTime = 382;
/// 387 "Setting not permitted": a read-only property written in design mode.
inline constexpr int SettingNotPermitted = 387;
/// 482 "Printer error".
inline constexpr int PrinterError = 482;
}   // namespace ErrorNumber

}   // namespace splitbay6
