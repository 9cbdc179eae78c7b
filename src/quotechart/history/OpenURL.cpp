#include "history/OpenURL.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QUrl>

namespace quotechart {

namespace {

constexpr int TimeoutMs = 5000;
constexpr qint64 ChunkBytes = 4096;
constexpr qint64 MaxBodyBytes = 1 << 20;
const QByteArray Agent = "VIRarazori";

QNetworkRequest lookupRequest(const QString &url)
{
    QNetworkRequest request{QUrl(url, QUrl::TolerantMode)};
    request.setHeader(QNetworkRequest::UserAgentHeader, Agent);
    request.setTransferTimeout(TimeoutMs);
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute, QNetworkRequest::AlwaysNetwork);
    request.setAttribute(QNetworkRequest::CacheSaveControlAttribute, false);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
    return request;
}

// The body as it arrives, in chunks, up to the bound.
class BodyReader {
public:
    explicit BodyReader(QNetworkReply &reply) : reply_(reply) {}

    void readAvailable()
    {
        while (!full() && reply_.bytesAvailable() > 0) {
            const QByteArray chunk = reply_.read(std::min(ChunkBytes, MaxBodyBytes - body_.size()));
            if (chunk.isEmpty())
                break;
            body_ += chunk;
        }
    }
    bool full() const { return body_.size() >= MaxBodyBytes; }
    const QByteArray &body() const { return body_; }

private:
    QNetworkReply &reply_;
    QByteArray body_;
};

}   // namespace

QString OpenURL(const QString &url)
{
    QCoreApplication::processEvents();
    const QUrl address(url, QUrl::TolerantMode);
    if (!address.isValid() || address.isRelative())
        return QStringLiteral("0");
    QNetworkAccessManager manager;
    manager.setCache(nullptr);
    QNetworkReply *reply = manager.get(lookupRequest(url));
    BodyReader reader(*reply);
    QEventLoop wait;
    QObject::connect(reply, &QNetworkReply::readyRead, &wait, [&] {
        reader.readAvailable();
        if (reader.full())
            reply->abort();
    });
    QObject::connect(reply, &QNetworkReply::finished, &wait, &QEventLoop::quit);
    if (!reply->isFinished())
        wait.exec();
    reader.readAvailable();
    // An answer with a status line was opened, whatever its status and
    // however it ended; anything else could not be opened.
    const bool opened = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).isValid();
    const QString text = opened ? QString::fromLatin1(reader.body()) : QStringLiteral("0");
    reply->deleteLater();
    QCoreApplication::processEvents();
    return text;
}

}   // namespace quotechart
