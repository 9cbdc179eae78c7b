#include "RecentCharts.h"

#include "HostSettings.h"

#include <QFileInfo>

namespace {

const QString RecentKey = QStringLiteral("recentCharts");

QString canonical(const QString &path)
{
    const QFileInfo info(path);
    const QString resolved = info.canonicalFilePath();
    return resolved.isEmpty() ? info.absoluteFilePath() : resolved;
}

}   // namespace

QStringList withoutRecentChart(const QStringList &recent, const QString &path)
{
    const QString same = canonical(path);
    QStringList kept;
    for (const QString &entry : recent)
        if (!entry.isEmpty() && canonical(entry) != same)
            kept << entry;
    return kept;
}

QStringList withRecentChart(const QStringList &recent, const QString &path)
{
    QStringList list = withoutRecentChart(recent, path);
    list.prepend(canonical(path));
    return list.mid(0, MaxRecentCharts);
}

QStringList storedRecentCharts()
{
    return hostSettings().value(RecentKey).toStringList().mid(0, MaxRecentCharts);
}

void storeRecentCharts(const QStringList &recent) { hostSettings().setValue(RecentKey, recent); }
