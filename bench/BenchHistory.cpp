#include "BenchHistory.h"

#include <QDate>
#include <QDir>
#include <QFile>

#include <cmath>

BenchHistory::BenchHistory(int days)
{
    QDir(dir_.path()).mkpath(QStringLiteral("hist"));
    QFile file(QDir(dir_.path()).filePath(QStringLiteral("hist/BENCH.csv")));
    if (!file.open(QIODevice::WriteOnly))
        return;
    file.write("Date,Open,High,Low,Close,Volume\n");
    QDate date(2014, 8, 8);
    for (int i = 1; i <= days; ++i) {
        const double close = 40 + 10 * std::sin(i / 30.0) + 2 * std::sin(i / 3.0);
        const double spread = 0.5 + 0.3 * std::sin(i / 7.0);
        const int volume = 20000000 + int(8000000 * std::sin(i / 11.0));
        file.write(QStringLiteral("%1,%2,%3,%4,%5,%6\n")
                       .arg(date.toString(Qt::ISODate))
                       .arg(close, 0, 'f', 2)
                       .arg(close + spread, 0, 'f', 2)
                       .arg(close - spread, 0, 'f', 2)
                       .arg(close, 0, 'f', 2)
                       .arg(volume)
                       .toLatin1());
        date = date.addDays(date.dayOfWeek() == 1 ? -3 : -1);
    }
}
