#include "history/HistoryPath.h"

#include "quotechart/REvuved.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <dlfcn.h>

namespace quotechart {

namespace {

// The folder this library was loaded from, found at run time.
QString libraryFolder()
{
    Dl_info info{};
    if (dladdr(reinterpret_cast<const void *>(&libraryFolder), &info) && info.dli_fname)
        return QFileInfo(QString::fromLocal8Bit(info.dli_fname)).absolutePath();
    return QCoreApplication::applicationDirPath();
}

QString &configuredPath()
{
    static QString path;
    return path;
}

} // namespace

void setApplicationPath(const QString &dir) { configuredPath() = dir; }

QString applicationPath()
{
    if (configuredPath().isEmpty())
        configuredPath() = libraryFolder();
    return configuredPath();
}

std::optional<QString> historyFilePath(const QString &ticker)
{
    QString name = ticker.toUpper();
    name.replace(u':', u'_');
    if (name.contains(u'/') || name.contains(u'\\') || name.contains(QChar(0)) || name == u"." || name == u"..")
        return std::nullopt;
    return QDir(applicationPath()).filePath(QStringLiteral("hist/") + name + QStringLiteral(".csv"));
}

} // namespace quotechart
