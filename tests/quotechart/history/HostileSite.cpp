#include "HostileSite.h"

#include <QHostAddress>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>

namespace {

constexpr qint64 Backlog = 256 * 1024;   // what the site keeps queued beyond what the client took

QByteArray chunk()
{
    static const QByteArray data = "10000\r\n" + QByteArray(0x10000, 'x') + "\r\n";
    return data;
}

}   // namespace

// Lives in the site's thread and serves each connection there.
class HostileSiteWorker : public QObject {
public:
    explicit HostileSiteWorker(HostileSite &site) : site_(site)
    {
        server_ = new QTcpServer(this);
        server_->listen(QHostAddress::LocalHost);
        site_.port_ = server_->serverPort();
        connect(server_, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket *socket = server_->nextPendingConnection())
                serve(socket);
        });
    }

private:
    void serve(QTcpSocket *socket)
    {
        connect(socket, &QTcpSocket::bytesWritten, this, [this](qint64 bytes) { site_.sent_ += bytes; });
        connect(socket, &QTcpSocket::disconnected, this, [this] { site_.closed_ = true; });
        connect(socket, &QTcpSocket::errorOccurred, this, [this] { site_.closed_ = true; });
        auto request = std::make_shared<QByteArray>();
        connect(socket, &QTcpSocket::readyRead, this, [this, socket, request] {
            const bool started = request->contains("\r\n\r\n");
            *request += socket->readAll();
            if (!started && request->contains("\r\n\r\n"))
                answer(socket);
        });
    }

    void answer(QTcpSocket *socket)
    {
        switch (site_.answer_) {
        case HostileSite::Answer::Drip: drip(socket); break;
        case HostileSite::Answer::EndlessBody:
            socket->write("HTTP/1.1 200 OK\r\nContent-Type: text/plain\r\nTransfer-Encoding: chunked\r\n\r\n");
            pump(socket, chunk());
            break;
        case HostileSite::Answer::EndlessHeader:
            socket->write("HTTP/1.1 200 OK\r\nX-Endless: ");
            pump(socket, QByteArray(0x10000, 'x'));
            break;
        }
    }

    // Keeps the socket's queue filled with `piece` for as long as the client reads.
    void pump(QTcpSocket *socket, const QByteArray &piece)
    {
        const auto fill = [socket, piece] {
            while (socket->state() == QAbstractSocket::ConnectedState && socket->bytesToWrite() < Backlog)
                socket->write(piece);
        };
        connect(socket, &QTcpSocket::bytesWritten, socket, fill);
        fill();
    }

    void drip(QTcpSocket *socket)
    {
        socket->write("HTTP/1.1 200 OK\r\nContent-Type: text/plain\r\nContent-Length: 1000\r\n\r\nA");
        auto *timer = new QTimer(socket);
        connect(timer, &QTimer::timeout, socket, [socket] { socket->write("x"); });
        timer->start(site_.drip_);
        QTimer::singleShot(site_.dripFor_, socket, [socket] { socket->disconnectFromHost(); });
    }

    HostileSite &site_;
    QTcpServer *server_ = nullptr;
};

HostileSite::HostileSite(Answer answer, std::chrono::milliseconds drip, std::chrono::milliseconds dripFor)
    : answer_(answer), drip_(drip), dripFor_(dripFor)
{
    context_.moveToThread(&thread_);
    thread_.start();
    QMetaObject::invokeMethod(
        &context_, [this] { worker_ = new HostileSiteWorker(*this); }, Qt::BlockingQueuedConnection);
}

HostileSite::~HostileSite()
{
    QMetaObject::invokeMethod(
        &context_, [this] { delete worker_; }, Qt::BlockingQueuedConnection);
    thread_.quit();
    thread_.wait();
}

QString HostileSite::site() const { return QStringLiteral("http://127.0.0.1:%1").arg(port_); }
