#pragma once
// Watches the history file a chart loaded and asks for it to be read again
// once writes to it have settled. A downloader may write the file in place
// (the file changes) or write another and rename it over (the folder
// changes and the watch on the old file ends), so both are watched.

#include <QDateTime>
#include <QFileSystemWatcher>
#include <QObject>
#include <QString>
#include <QTimer>

#include <functional>

namespace quotechart {

class HistoryFileFollower : public QObject {
public:
    // How long the file must stay unchanged before it is read.
    static constexpr int SettleMilliseconds = 500;

    // `reread` gets the file's path once writes have settled.
    explicit HistoryFileFollower(std::function<void(const QString &path)> reread);

    void setEnabled(bool on);
    bool enabled() const { return enabled_; }
    // The file the chart now shows (watched even while missing, so a file
    // that appears is read); an empty path follows nothing.
    void follow(const QString &path);
    // The file as it was when last read: a change to the folder that leaves
    // it so is some other file's.
    void markRead();

private:
    struct Stamp {
        bool exists = false;
        qint64 size = 0;
        QDateTime modified;
        bool operator==(const Stamp &) const = default;
    };

    std::function<void(const QString &)> reread_;
    QFileSystemWatcher watcher_;
    QTimer settle_;
    QString path_;
    Stamp read_;
    bool enabled_ = false;

    Stamp stampNow() const;
    void rewatch();
    void watchFileAgain();
    void fileChanged();
    void folderChanged();
};

}   // namespace quotechart
