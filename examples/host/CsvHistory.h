#pragma once
// Reading the price histories people have as CSV files, for the import: a
// header naming the columns (Date, Open, High, Low, Close, Adj Close, Volume)
// in any order and letter case, days in any order, comma or semicolon
// separated, fields optionally in double quotes. Pure: bytes in, days out.

#include <QByteArrayView>
#include <QDate>
#include <QList>
#include <QString>

#include <array>
#include <cstdint>

struct HistoryDay {
    QDate date;
    double open = 0, high = 0, low = 0, close = 0;
    int32_t volume = 0;   // the chart keeps 32-bit volumes
    int line = 0;         // where the file had it, 1 = its first line
};

// Why a line that is not blank gave no day.
enum class SkipReason {
    MissingFields,   // fewer fields than the columns read need
    BadDate,         // not yyyy-mm-dd, m/d/yyyy or d-Mon-yy
    BadNumber,       // a price or volume that is not a number the chart can hold
    ZeroHighOrLow,   // the chart counts no day whose high or low is 0
    RepeatedDate,    // a date read on an earlier line
};
inline constexpr std::size_t SkipReasonCount = 5;

struct SkippedLines {
    static constexpr int KeptLines = 5;
    int count = 0;
    QList<int> firstLines;   // ascending, at most KeptLines
};

struct CsvHistory {
    QString error;            // why the file cannot be read at all; empty when its header was understood
    char separator = ',';     // ';' files may write ',' as the decimal mark
    int headerLine = 0;       // the line that named the columns
    QList<HistoryDay> days;   // newest first, one per date, at most the chart's capacity
    std::array<SkippedLines, SkipReasonCount> skipped{};
    int olderDays = 0;       // left out beyond the chart's capacity, the oldest ones
    int cappedVolumes = 0;   // above the chart's largest volume, stored as that

    const SkippedLines &skips(SkipReason reason) const { return skipped[std::size_t(reason)]; }
    int skippedCount() const;
};

// The chart holds at most this many days.
inline constexpr int HistoryCapacity = 5000;

// The first line that is not blank names the columns; Date, High, Low and
// Close must be among them, Open and Volume read as 0 when missing or empty.
// Dates are yyyy-mm-dd (a time after it is ignored), m/d/yyyy and d-Mon-yyyy,
// also with two-digit years, read as the chart reads them: 00-29 are
// 2000-2029, 30-99 are 1930-1999. A field's quotes do not run past the end of
// its line. Time and memory are linear in the text's length.
CsvHistory readCsvHistory(QByteArrayView text);

// The date forms above; invalid when `field` is none of them.
QDate csvDate(QByteArrayView field);
