#pragma once
// Importing a CSV history into a data folder, apart from the widgets that ask:
// the ticker that names it, the CSV file read with bounds, what the import
// says about the lines it skipped, and the chart's file written in one piece.

#include "CsvHistory.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

// A daily history of decades is a few megabytes; nothing beyond this is read.
inline constexpr qint64 CsvFileByteLimit = qint64(32) << 20;

struct CsvFile {
    QByteArray bytes;
    QString error;   // empty when the file was read whole
};

// Only a regular file is read (a FIFO or a device would block or never end),
// and only up to `byteLimit` bytes: a larger file is refused, not cut.
CsvFile readCsvFile(const QString &path, qint64 byteLimit = CsvFileByteLimit);

// A ticker is a file name in hist/ and the first line of a chart file: upper-case
// letters, digits and . - _ ^ =, at most 20, beginning with a letter, a digit or ^.
bool isImportTicker(const QString &ticker);
// The ticker a file name suggests: its name before the extension, upper-cased,
// up to the first character a ticker cannot hold ("msft.csv" -> "MSFT",
// "BRK-B daily.csv" -> "BRK-B"); empty when it suggests none.
QString proposedTicker(const QString &filePath);
// <data folder>/hist/<TICKER>.csv
QString historyPathIn(const QString &dataFolder, const QString &ticker);

// What the import read and what it left out, as sentences: the days and their
// span, then one sentence per reason with the first lines it applies to.
QString daysReadText(const CsvHistory &history);
QStringList skippedTexts(const CsvHistory &history);

struct HistoryWrite {
    enum Failure { None, Folder, File };
    Failure failure = None;   // Folder: nothing can be written there; File: this file could not
    QString reason;
};

// Writes through a temporary file renamed over the old one, so a failure
// leaves the old file as it was.
HistoryWrite writeHistoryFile(const QString &path, const QByteArray &bytes);
