#pragma once
// What went wrong, as a sentence a person understands: the file it concerns
// and what is wrong with it, rather than the chart's error number. The chart
// file's sentences find the line at fault by reading the file the way the
// chart reads it (items up to a comma or a line end, a 16-bit value after
// the first colon, 45 items before the trades).

#include <QByteArray>
#include <QString>

// Opening the chart file `path` (whose bytes are `bytes`) failed with the
// chart's error `number`.
QString chartFileOpenSentence(const QString &path, int number, const QByteArray &bytes);
// Saving to `path` failed with the chart's error `number`.
QString chartFileSaveSentence(const QString &path, int number, const QString &ticker);
// No history of `ticker` to show: `histFolder` is where the chart looked.
QString missingHistorySentence(const QString &ticker, const QString &histFolder);
// A chart file names a ticker with no history.
QString chartWithoutHistorySentence(const QString &path, const QString &ticker, const QString &histFolder);
// Printing or showing a range failed with the chart's error `number`.
QString printSentence(int number, const QString &text);
QString rangeSentence(int number, const QString &text);

// The chart file's item the chart stumbles on, as the reader meets it.
struct ChartFileFault {
    enum Kind { None, NotANumber, TooLarge, EndsEarly, BadIndicator };
    Kind kind = None;
    int line = 0;      // 1-based; for EndsEarly, the last line read
    QString item;      // the item's text, for NotANumber, TooLarge and BadIndicator
};
ChartFileFault findChartFileFault(const QByteArray &bytes);
