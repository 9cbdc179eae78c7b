#pragma once
// Where a ticker's history file lives: <application path>/hist/<TICKER>.csv,
// upper-cased, with every ':' replaced by '_'.

#include <QString>

#include <optional>

namespace quotechart {

// Empty when the ticker is not a plain file name (a path separator, "." or
// "..", a NUL): such a ticker names no history file at all.
std::optional<QString> historyFilePath(const QString &ticker);

}   // namespace quotechart
