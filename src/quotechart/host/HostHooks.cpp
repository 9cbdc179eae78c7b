#include "quotechart/HostHooks.h"

#include <QCoreApplication>
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

QString &configuredSite()
{
    static QString site;
    return site;
}

}   // namespace

void setApplicationPath(const QString &dir) { configuredPath() = dir; }

QString applicationPath()
{
    if (configuredPath().isEmpty())
        configuredPath() = libraryFolder();
    return configuredPath();
}

void setLookupSite(const QString &baseUrl) { configuredSite() = baseUrl; }
QString lookupSite() { return configuredSite(); }

}   // namespace quotechart
