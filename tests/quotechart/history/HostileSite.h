#pragma once
// A web site on the loopback address that answers every request in one
// hostile way. It runs in a thread of its own, as a remote site would, so it
// keeps sending while the caller's thread is busy, and it counts what the
// client took.

#include <QObject>
#include <QString>
#include <QThread>

#include <atomic>
#include <chrono>

class HostileSite {
public:
    enum class Answer {
        Drip,            // a status line and headers, then one body byte every `drip`, for `dripFor`
        EndlessBody,     // a chunked body that never ends, sent as fast as the client takes it
        EndlessHeader,   // a status line, then one header line that never ends
    };
    explicit HostileSite(Answer answer, std::chrono::milliseconds drip = {}, std::chrono::milliseconds dripFor = {});
    ~HostileSite();

    QString site() const;                           // to put before the lookup page's path
    QString url() const { return site() + "/x"; }   // a page of it
    qint64 bytesSent() const { return sent_; }
    bool clientClosed() const { return closed_; }   // the client ended the connection

private:
    friend class HostileSiteWorker;
    const Answer answer_;
    const std::chrono::milliseconds drip_;
    const std::chrono::milliseconds dripFor_;
    QThread thread_;
    QObject context_;   // in the site's thread
    QObject *worker_ = nullptr;
    quint16 port_ = 0;
    std::atomic<qint64> sent_{0};
    std::atomic<bool> closed_{false};
};
