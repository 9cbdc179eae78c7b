#pragma once
// The bytes of one history file, read whole in one call.
//
// Only a regular file is read: a FIFO would block the reader until some
// writer came, and a device such as /dev/zero never ends. The file is read
// with plain reads, not mapped: a quote updater that truncates the file while
// it is read would make a mapped page fault (SIGBUS); a read just ends early
// and the load sees what it got.

#include <QByteArray>
#include <QString>

#include <optional>

namespace quotechart {

// A history file holds at most 5000 counted rows of some 30-60 bytes; rows
// that do not count and very long fields (a company name, a date) may come
// in between, so the limit is generous: 32 MiB, several hundred times a full
// file. Bytes beyond it are not read.
inline constexpr qint64 HistoryFileByteLimit = qint64(32) << 20;

// Empty when the path names no regular file or it cannot be opened.
std::optional<QByteArray> readHistoryFile(const QString &path, qint64 byteLimit = HistoryFileByteLimit);

}   // namespace quotechart
