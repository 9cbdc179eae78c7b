#pragma once
// One GET over a connection of its own, on the calling thread: a local event
// loop waits for it, so the host's events run meanwhile. It ends when the
// answer is complete, when nothing moved on the connection for `idle`, or at
// `deadline`, whichever comes first, and closes the connection before it
// returns: nothing goes on reading afterwards, and no other thread is used
// (but for the name lookup of a host given by name).

#include "history/HttpResponse.h"

#include <QByteArray>
#include <QDeadlineTimer>
#include <QUrl>

#include <chrono>

namespace quotechart {

struct HttpGetOptions {
    QByteArray agent;
    std::chrono::milliseconds idle;   // without anything sent or received
    QDeadlineTimer deadline;
    qsizetype maxBodyBytes;
    qint64 readBytes;   // at most per read
};

// An http or https address; anything else opens nothing.
HttpResponse httpGet(const QUrl &url, const HttpGetOptions &options);

}   // namespace quotechart
