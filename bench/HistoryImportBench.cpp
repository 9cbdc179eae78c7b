// The example host's File > Import history without its dialogs: reading a
// CSV file as people have them (oldest first, m/d/yyyy, an Adj Close column),
// ordering its days, and writing the chart's file in one piece. A 5000-day
// file must take well under a second; hostile files (32 MiB on one line, or
// in short lines that give no day) stay bounded by the reader's limit.

#include "CsvHistory.h"
#include "HistoryImport.h"
#include "StandardHistory.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cmath>

namespace {

QByteArray peoplesCsv(int days)
{
    QByteArray text = "Date,Open,High,Low,Close,Adj Close,Volume\n";
    QDate date(2014, 8, 8);
    date = date.addDays(-days * 7 / 5);
    for (int i = 0; i < days; ++i) {
        const double close = 40 + 10 * std::sin(i / 30.0) + 2 * std::sin(i / 3.0);
        const double spread = 0.5 + 0.3 * std::sin(i / 7.0);
        text += QStringLiteral("%1,%2,%3,%4,%5,%6,%7\n")
                    .arg(date.toString(QStringLiteral("M/d/yyyy")))
                    .arg(close - 0.1, 0, 'f', 6)
                    .arg(close + spread, 0, 'f', 6)
                    .arg(close - spread, 0, 'f', 6)
                    .arg(close, 0, 'f', 6)
                    .arg(close * 0.9, 0, 'f', 6)
                    .arg(20000000 + int(8000000 * std::sin(i / 11.0)))
                    .toLatin1();
        date = date.addDays(date.dayOfWeek() == 5 ? 3 : 1);
    }
    return text;
}

// Reads, orders and writes `csv` as the host's import does; the days written.
qsizetype importOnce(const QString &csvPath, const QString &dataFolder)
{
    const CsvFile file = readCsvFile(csvPath);
    const CsvHistory history = readCsvHistory(file.bytes);
    const HistoryWrite written =
        writeHistoryFile(historyPathIn(dataFolder, QStringLiteral("BENCH")), standardHistoryText(history.days));
    return written.failure == HistoryWrite::None ? history.days.size() : -1;
}

void runImport(benchmark::State &state, const QByteArray &csv, qsizetype expectedDays)
{
    QTemporaryDir folder;
    const QString path = QDir(folder.path()).filePath(QStringLiteral("people.csv"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(csv) != csv.size())
        return state.SkipWithError("cannot write the CSV file");
    file.close();
    qsizetype days = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(days = importOnce(path, folder.path()));
    if (days != expectedDays)
        state.SkipWithError("the import did not give the days expected");
    state.SetBytesProcessed(state.iterations() * csv.size());
}

void ImportHistory(benchmark::State &state)
{
    const int days = int(state.range(0));
    runImport(state, peoplesCsv(days), std::min(days, HistoryCapacity));
}

void ImportHostileLongLine(benchmark::State &state)
{
    QByteArray csv = "Date,High,Low,Close\n2014-08-08,";
    csv += QByteArray(CsvFileByteLimit - csv.size(), '1');
    runImport(state, csv, 0);
}

void ImportHostileShortLines(benchmark::State &state)
{
    QByteArray csv = "Date,High,Low,Close\n";
    while (csv.size() + 16 <= CsvFileByteLimit)
        csv += "2014-08-08,0,1\n";   // a line short of its fields
    runImport(state, csv, 0);
}

void ImportHostileManyDays(benchmark::State &state)
{
    QByteArray csv = "Date,High,Low,Close\n";
    QDate date(100, 1, 1);
    qsizetype days = 0;
    while (csv.size() + 24 <= CsvFileByteLimit) {
        csv += date.toString(Qt::ISODate).toLatin1() + ",2,1,1\n";
        date = date.addDays(1);
        ++days;
    }
    runImport(state, csv, HistoryCapacity);
}

BENCHMARK(ImportHistory)->Arg(5000)->Arg(20000)->Unit(benchmark::kMillisecond);
BENCHMARK(ImportHostileLongLine)->Unit(benchmark::kMillisecond);
BENCHMARK(ImportHostileShortLines)->Unit(benchmark::kMillisecond);
BENCHMARK(ImportHostileManyDays)->Unit(benchmark::kMillisecond);

}   // namespace
