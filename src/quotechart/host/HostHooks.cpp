#include "quotechart/HostHooks.h"

#include "host/DefaultApplicationPath.h"

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

QString &configuredSite()
{
    static QString site;
    return site;
}

}   // namespace

QString defaultApplicationPath(const QString &libraryFolder)
{
    if (QFileInfo(QDir(libraryFolder).filePath(QStringLiteral("hist"))).isDir())
        return libraryFolder;
    // The samples' place relative to the library's is the same under any
    // prefix; it is taken from the real folder, so that a link to it (/lib
    // for /usr/lib) leads to the library's own prefix.
    const QString real = QFileInfo(libraryFolder).canonicalFilePath();
    return QDir::cleanPath(
        QDir(real.isEmpty() ? libraryFolder : real).filePath(QStringLiteral(QUOTECHART_SAMPLES_FROM_LIBRARY)));
}

void setApplicationPath(const QString &dir) { configuredPath() = dir; }

QString applicationPath()
{
    if (configuredPath().isEmpty())
        configuredPath() = defaultApplicationPath(libraryFolder());
    return configuredPath();
}

void setLookupSite(const QString &baseUrl) { configuredSite() = baseUrl; }
QString lookupSite() { return configuredSite(); }

}   // namespace quotechart
