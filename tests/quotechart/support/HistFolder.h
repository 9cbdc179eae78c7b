#pragma once
// A temporary application folder with a hist/ subfolder of history files,
// made the chart's application path for as long as it lives.

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

#include <vector>

struct HistoryRow {
    QString date;   // as the file writes it
    double high = 0, low = 0, close = 0;
    double volume = 0;
};

class HistFolder {
public:
    HistFolder();
    ~HistFolder();

    QString path() const { return dir_.path(); }
    // Writes hist/<name> with the given bytes.
    void write(const QString &name, const QByteArray &bytes) const;
    // Writes hist/<ticker>.csv in the standard layout (header, then
    // date,open,high,low,close,volume lines, newest first).
    void writeStandard(const QString &ticker, const std::vector<HistoryRow> &rows) const;
    // Copies one of the shipped sample files (MSFT, GOOG).
    void copySample(const QString &ticker) const;

private:
    QTemporaryDir dir_;
    QString previous_;
};

// `count` trading days (weekdays only) ending on `newest`, newest first, with
// gently varying prices around `base`.
std::vector<HistoryRow> syntheticRows(int count, double base = 50.0, const QString &newest = "2001-12-31");
QByteArray standardText(const std::vector<HistoryRow> &rows);
