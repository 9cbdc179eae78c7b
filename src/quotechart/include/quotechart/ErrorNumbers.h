#pragma once
/// \file
/// The numbers a quotechart::ControlError carries, by name.

namespace quotechart {

/// The error numbers of ControlError::number(), in the numbering hosts of the
/// old control framework already know. Compare a caught error's number with
/// them rather than with bare numbers:
///
///     catch (const quotechart::ControlError &error) {
///         if (error.number() == quotechart::ErrorNumber::FileNotFound) ...
///     }
namespace ErrorNumber {
/// 6 "Overflow": a chart file's number does not fit its 16-bit field.
inline constexpr int Overflow = 6;
/// 9 "Subscript out of range": a visible day outside 1..5000 (DisplayChart,
/// StartingDate, EndingDate).
inline constexpr int SubscriptOutOfRange = 9;
/// 11 "Division by zero": DisplayChart with a range that leaves no day slot.
inline constexpr int DivisionByZero = 11;
/// 13 "Type mismatch": a chart file's item that is no number.
inline constexpr int TypeMismatch = 13;
/// 53 "File not found": OpenChartFromFile with no such file.
inline constexpr int FileNotFound = 53;
/// 62 "Input past end of file": a chart file that ends early.
inline constexpr int InputPastEndOfFile = 62;
/// 75 "Path/File access error": SaveChartInFile to a path that cannot be written.
inline constexpr int PathFileAccessError = 75;
/// 76 "Path not found": SaveChartInFile into a folder that does not exist.
inline constexpr int PathNotFound = 76;
/// 380 "Invalid property value": an indicator number outside 1..10 (a chart
/// file's panes).
inline constexpr int InvalidPropertyValue = 380;
/// 382 "Set not supported at run time": a read-only property written at run
/// time. REvuved raises none; the number is known with its standard text.
inline constexpr int SetNotSupportedAtRunTime = 382;
/// 387 "Setting not permitted": a read-only property written while the host
/// designs its window. REvuved raises none; the number is known with its
/// standard text.
inline constexpr int SettingNotPermitted = 387;
/// 482 "Printer error": PrintEntireChart with no printer, or a printer that fails.
inline constexpr int PrinterError = 482;
}   // namespace ErrorNumber

}   // namespace quotechart
