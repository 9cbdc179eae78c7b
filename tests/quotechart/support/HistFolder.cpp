#include "HistFolder.h"

#include "quotechart/REvuved.h"

#include <QDate>
#include <QDir>
#include <QFile>

#include <cmath>

HistFolder::HistFolder() : previous_(quotechart::applicationPath())
{
    QDir(dir_.path()).mkpath(QStringLiteral("hist"));
    quotechart::setApplicationPath(dir_.path());
}

HistFolder::~HistFolder() { quotechart::setApplicationPath(previous_); }

void HistFolder::write(const QString &name, const QByteArray &bytes) const
{
    QFile file(QDir(dir_.path()).filePath(QStringLiteral("hist/") + name));
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
}

QByteArray standardText(const std::vector<HistoryRow> &rows)
{
    QByteArray text = "Date,Open,High,Low,Close,Volume\n";
    for (const HistoryRow &row : rows)
        text += QStringLiteral("%1,%2,%3,%4,%5,%6\n")
                    .arg(row.date)
                    .arg(row.close, 0, 'f', 2)
                    .arg(row.high, 0, 'f', 2)
                    .arg(row.low, 0, 'f', 2)
                    .arg(row.close, 0, 'f', 2)
                    .arg(row.volume, 0, 'f', 0)
                    .toLatin1();
    return text;
}

void HistFolder::writeStandard(const QString &ticker, const std::vector<HistoryRow> &rows) const
{
    write(ticker + QStringLiteral(".csv"), standardText(rows));
}

void HistFolder::copySample(const QString &ticker) const
{
    QFile::copy(QStringLiteral(QUOTECHART_SAMPLE_HIST "/") + ticker + QStringLiteral(".csv"),
                QDir(dir_.path()).filePath(QStringLiteral("hist/") + ticker + QStringLiteral(".csv")));
}

std::vector<HistoryRow> syntheticRows(int count, double base, const QString &newest)
{
    std::vector<HistoryRow> rows;
    QDate date = QDate::fromString(newest, Qt::ISODate);
    for (int i = 0; i < count; ++i) {
        while (date.dayOfWeek() > 5)
            date = date.addDays(-1);
        const double close = base + 10 * std::sin(i / 17.0) + 3 * std::sin(i / 3.0);
        const double spread = 1.0 + 0.5 * std::sin(i / 5.0);
        rows.push_back(
            {date.toString(Qt::ISODate), close + spread, close - spread, close, 1000000.0 + 1000 * (i % 50)});
        date = date.addDays(-1);
    }
    return rows;
}
