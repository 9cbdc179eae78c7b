#pragma once
// The chart files the user opened or saved last, newest first, kept in the
// host's settings.

#include <QString>
#include <QStringList>

constexpr int MaxRecentCharts = 8;

// `recent` with `path` moved (or added) to the front, at most MaxRecentCharts
// long; the same file under another spelling of its path counts once.
QStringList withRecentChart(const QStringList &recent, const QString &path);
// `recent` without `path`.
QStringList withoutRecentChart(const QStringList &recent, const QString &path);

QStringList storedRecentCharts();
void storeRecentCharts(const QStringList &recent);
