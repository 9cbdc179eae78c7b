#include "controllers/HistoryFileFollower.h"

#include <QDir>
#include <QFileInfo>

namespace quotechart {

HistoryFileFollower::HistoryFileFollower(std::function<void(const QString &path)> reread)
    : reread_(std::move(reread))
{
    settle_.setSingleShot(true);
    settle_.setInterval(SettleMilliseconds);
    connect(&settle_, &QTimer::timeout, this, [this] {
        if (enabled_ && !path_.isEmpty())
            reread_(path_);
    });
    connect(&watcher_, &QFileSystemWatcher::fileChanged, this, [this] { fileChanged(); });
    connect(&watcher_, &QFileSystemWatcher::directoryChanged, this, [this] { folderChanged(); });
}

void HistoryFileFollower::setEnabled(bool on)
{
    if (enabled_ == on)
        return;
    enabled_ = on;
    rewatch();
}

void HistoryFileFollower::follow(const QString &path)
{
    path_ = path;
    read_ = stampNow();
    settle_.stop();
    rewatch();
}

void HistoryFileFollower::markRead() { read_ = stampNow(); }

HistoryFileFollower::Stamp HistoryFileFollower::stampNow() const
{
    const QFileInfo file(path_);
    if (path_.isEmpty() || !file.exists())
        return {};
    return {true, file.size(), file.lastModified()};
}

void HistoryFileFollower::rewatch()
{
    if (const QStringList watched = watcher_.files() + watcher_.directories(); !watched.isEmpty())
        watcher_.removePaths(watched);
    if (!enabled_ || path_.isEmpty())
        return;
    const QFileInfo file(path_);
    if (file.absoluteDir().exists())
        watcher_.addPath(file.absolutePath());
    if (file.exists())
        watcher_.addPath(file.absoluteFilePath());
}

// A file renamed over the watched one, or one that appears, ends or lacks
// a watch: the file now at the path is watched.
void HistoryFileFollower::watchFileAgain()
{
    if (watcher_.files().isEmpty() && QFileInfo::exists(path_))
        watcher_.addPath(QFileInfo(path_).absoluteFilePath());
}

// Every write restarts the wait, so a file is read once its writer is done.
void HistoryFileFollower::fileChanged()
{
    watchFileAgain();
    settle_.start();
}

void HistoryFileFollower::folderChanged()
{
    watchFileAgain();
    if (stampNow() != read_ || settle_.isActive())
        settle_.start();
}

}   // namespace quotechart
