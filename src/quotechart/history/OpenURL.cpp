#include "history/OpenURL.h"

#include "history/HttpGet.h"

#include <QCoreApplication>
#include <QUrl>

#include <optional>

namespace quotechart {

namespace {

constexpr std::chrono::milliseconds Timeout{5000};   // for sending and for receiving
constexpr qint64 ChunkBytes = 4096;
constexpr qsizetype MaxBodyBytes = 1 << 20;
constexpr int MaxRedirects = 10;
const QByteArray Agent = "VIRarazori";

bool fetchable(const QUrl &url)
{
    return url.isValid() && (url.scheme() == u"http" || url.scheme() == u"https") && !url.host().isEmpty();
}

// Where a redirect leads, unless that is nowhere to go or less safe than here.
std::optional<QUrl> redirectFrom(const QUrl &from, const HttpResponse &answer)
{
    const QUrl to = from.resolved(QUrl(QString::fromLatin1(answer.redirectTarget()), QUrl::TolerantMode));
    if (!fetchable(to) || (from.scheme() == u"https" && to.scheme() != u"https"))
        return std::nullopt;
    return to;
}

// The body of the final answer, or nothing when none was opened.
std::optional<QByteArray> fetch(QUrl url, const HttpGetOptions &options)
{
    for (int redirects = 0; fetchable(url); ++redirects) {
        const HttpResponse answer = httpGet(url, options);
        if (!answer.opened())
            return std::nullopt;
        const std::optional<QUrl> next =
            answer.redirectTarget().isEmpty() || redirects == MaxRedirects ? std::nullopt : redirectFrom(url, answer);
        if (!next)
            return answer.body();
        url = *next;
    }
    return std::nullopt;
}

}   // namespace

QString OpenURL(const QString &url)
{
    const HttpGetOptions options{Agent, Timeout, QDeadlineTimer(LookupDeadline), MaxBodyBytes, ChunkBytes};
    QCoreApplication::processEvents();
    const std::optional<QByteArray> body = fetch(QUrl(url, QUrl::TolerantMode), options);
    QCoreApplication::processEvents();
    return body ? QString::fromLatin1(*body) : QStringLiteral("0");
}

}   // namespace quotechart
