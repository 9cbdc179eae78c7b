#include "history/HttpGet.h"

#include <QEventLoop>
#include <QTcpSocket>
#include <QTimer>
#include <QtNetwork/qtnetworkglobal.h>
#if QT_CONFIG(ssl)
#include <QSslSocket>
#endif

#include <memory>

namespace quotechart {

namespace {

constexpr qint64 SocketBufferBytes = 64 * 1024;   // what the socket takes in ahead of the reader

QByteArray requestFor(const QUrl &url, const QByteArray &agent)
{
    QByteArray target = url.path(QUrl::FullyEncoded).toLatin1();
    if (target.isEmpty())
        target = "/";
    if (url.hasQuery())
        target += '?' + url.query(QUrl::FullyEncoded).toLatin1();
    QByteArray host = url.host(QUrl::FullyEncoded).toLatin1();
    if (host.contains(':'))
        host = '[' + host + ']';   // an IPv6 address
    if (url.port() >= 0)
        host += ':' + QByteArray::number(url.port());
    return "GET " + target + " HTTP/1.1\r\nHost: " + host + "\r\nUser-Agent: " + agent +
        "\r\nAccept: */*\r\nConnection: close\r\n\r\n";
}

std::unique_ptr<QTcpSocket> socketFor(const QUrl &url)
{
    if (url.scheme() == u"http")
        return std::make_unique<QTcpSocket>();
#if QT_CONFIG(ssl)
    if (url.scheme() == u"https" && QSslSocket::supportsSsl())
        return std::make_unique<QSslSocket>();
#endif
    return nullptr;
}

// Connects, and calls `send` once the connection (encrypted for https) stands.
template <typename Send> void connectThen(QTcpSocket &socket, const QUrl &url, QObject *context, Send send)
{
    const QString host = url.host(QUrl::FullyEncoded);
#if QT_CONFIG(ssl)
    if (auto *ssl = qobject_cast<QSslSocket *>(&socket)) {
        QObject::connect(ssl, &QSslSocket::encrypted, context, send);
        ssl->connectToHostEncrypted(host, quint16(url.port(443)));
        return;
    }
#endif
    QObject::connect(&socket, &QTcpSocket::connected, context, send);
    socket.connectToHost(host, quint16(url.port(80)));
}

// One request and its answer on a socket, waited for in a local event loop.
class Exchange {
public:
    Exchange(QTcpSocket &socket, const HttpGetOptions &options)
        : socket_(socket), options_(options), response_(options.maxBodyBytes)
    {
        idle_.setSingleShot(true);
        idle_.setTimerType(Qt::PreciseTimer);
        deadline_.setSingleShot(true);
        deadline_.setTimerType(Qt::PreciseTimer);
        QObject::connect(&idle_, &QTimer::timeout, &loop_, [this] { end(); });
        QObject::connect(&deadline_, &QTimer::timeout, &loop_, [this] { end(); });
        QObject::connect(&socket_, &QTcpSocket::bytesWritten, &loop_, [this] { moved(); });
        QObject::connect(&socket_, &QTcpSocket::readyRead, &loop_, [this] {
            moved();
            readAvailable();
        });
        QObject::connect(&socket_, &QTcpSocket::disconnected, &loop_, [this] { closed(); });
        QObject::connect(&socket_, &QTcpSocket::errorOccurred, &loop_, [this] { closed(); });
    }
    ~Exchange()
    {
        socket_.disconnect(&loop_);
        socket_.abort();
    }

    HttpResponse run(const QUrl &url)
    {
        moved();
        if (!options_.deadline.isForever())
            deadline_.start(std::max<qint64>(options_.deadline.remainingTime(), 0));
        connectThen(socket_, url, &loop_, [this, request = requestFor(url, options_.agent)] {
            moved();
            socket_.write(request);
        });
        if (!ended_)   // a quit before exec() would be lost
            loop_.exec();
        return response_;
    }

private:
    void moved() { idle_.start(options_.idle); }
    void readAvailable()
    {
        while (!response_.finished() && socket_.bytesAvailable() > 0)
            response_.feed(socket_.read(options_.readBytes));
        if (response_.finished())
            end();
    }
    void closed()
    {
        readAvailable();
        response_.connectionClosed();
        end();
    }
    void end()
    {
        ended_ = true;
        loop_.quit();
    }

    QTcpSocket &socket_;
    const HttpGetOptions &options_;
    HttpResponse response_;
    QEventLoop loop_;
    QTimer idle_;
    QTimer deadline_;
    bool ended_ = false;
};

}   // namespace

HttpResponse httpGet(const QUrl &url, const HttpGetOptions &options)
{
    const std::unique_ptr<QTcpSocket> socket = socketFor(url);
    if (!socket || url.host().isEmpty() || options.deadline.hasExpired())
        return HttpResponse(options.maxBodyBytes);
    socket->setReadBufferSize(SocketBufferBytes);
    return Exchange(*socket, options).run(url);
}

}   // namespace quotechart
