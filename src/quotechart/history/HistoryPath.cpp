#include "history/HistoryPath.h"

#include "quotechart/HostHooks.h"

#include <QDir>

namespace quotechart {

std::optional<QString> historyFilePath(const QString &ticker)
{
    QString name = ticker.toUpper();
    name.replace(u':', u'_');
    if (name.contains(u'/') || name.contains(u'\\') || name.contains(QChar(0)) || name == u"." || name == u"..")
        return std::nullopt;
    return QDir(applicationPath()).filePath(QStringLiteral("hist/") + name + QStringLiteral(".csv"));
}

}   // namespace quotechart
