#pragma once
// A temporary application folder whose hist/BENCH.csv holds a synthetic
// history of weekdays, newest first, with prices, ranges and volumes that
// wander like a real stock's.

#include <QString>
#include <QTemporaryDir>

class BenchHistory {
public:
    explicit BenchHistory(int days = 5000);

    QString path() const { return dir_.path(); }
    static QString ticker() { return QStringLiteral("BENCH"); }

private:
    QTemporaryDir dir_;
};
