#pragma once
// Reading one HTTP/1.x response from its bytes as they arrive: the status
// line and headers, then the body as it is framed (chunked, by length, or up
// to the end of the connection). Every part is bounded, so a site that sends
// without end costs a bounded amount of memory and work.

#include <QByteArray>
#include <QByteArrayView>

namespace quotechart {

class HttpResponse {
public:
    static constexpr qsizetype MaxHeadBytes = 64 * 1024;   // all heads, interim ones included
    static constexpr qsizetype MaxLineBytes = 4096;        // a chunk's size line

    explicit HttpResponse(qsizetype maxBodyBytes) : maxBody_(maxBodyBytes) {}

    void feed(QByteArrayView bytes);
    // The connection ended: a body that runs to the end is complete now, one
    // that is cut keeps what arrived, and a head that is cut opens nothing.
    void connectionClosed();

    // Nothing more is wanted: the body is complete, cut, at its bound, or
    // the response cannot be read on.
    bool finished() const { return stage_ == Stage::Finished; }
    // A whole head with a final status arrived.
    bool opened() const { return opened_; }
    int status() const { return status_; }
    // The Location header of a redirect; its body is not read.
    const QByteArray &redirectTarget() const { return location_; }
    const QByteArray &body() const { return body_; }

private:
    enum class Stage { Head, Sized, Chunked, ToClose, Finished };
    enum class ChunkPart { SizeLine, Data, DataEnd, Trailer };

    bool step();
    bool readHead();
    void startBody(QByteArrayView head);
    bool readSized();
    bool readChunked();
    bool readChunkSize();
    bool readTrailer();
    void takeBody(qsizetype bytes);
    qsizetype lineEnd(qsizetype limit);
    void consume(qsizetype bytes);
    void finish() { stage_ = Stage::Finished; }

    const qsizetype maxBody_;
    Stage stage_ = Stage::Head;
    ChunkPart chunkPart_ = ChunkPart::SizeLine;
    QByteArray pending_;      // received and not yet taken
    qsizetype scanned_ = 0;   // of pending_, searched for a line end already
    qsizetype headBytes_ = 0;
    qint64 remaining_ = 0;   // of the sized body or the current chunk
    bool opened_ = false;
    int status_ = 0;
    QByteArray location_;
    QByteArray body_;
};

}   // namespace quotechart
