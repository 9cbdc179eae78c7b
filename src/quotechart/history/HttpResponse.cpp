#include "history/HttpResponse.h"

#include <QList>

#include <algorithm>

namespace quotechart {

namespace {

constexpr qsizetype MaxChunkSizeDigits = 15;   // keeps a chunk's size within 64 bits

bool isRedirect(int status)
{
    return status == 301 || status == 302 || status == 303 || status == 307 || status == 308;
}

// The status of a status line ("HTTP/1.1 200 OK"), or 0.
int statusOf(QByteArrayView line)
{
    if (!line.startsWith("HTTP/"))
        return 0;
    const qsizetype space = line.indexOf(' ');
    if (space < 0 || line.size() < space + 4)
        return 0;
    int status = 0;
    for (const char digit : line.sliced(space + 1, 3)) {
        if (digit < '0' || digit > '9')
            return 0;
        status = status * 10 + (digit - '0');
    }
    return status;
}

// A whole decimal number of at most 18 digits, or -1.
qint64 decimalOf(QByteArrayView text)
{
    if (text.isEmpty() || text.size() > 18)
        return -1;
    qint64 value = 0;
    for (const char digit : text) {
        if (digit < '0' || digit > '9')
            return -1;
        value = value * 10 + (digit - '0');
    }
    return value;
}

int hexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

qint64 hexadecimalOf(QByteArrayView text)
{
    if (text.isEmpty() || text.size() > MaxChunkSizeDigits)
        return -1;
    qint64 value = 0;
    for (const char c : text) {
        if (hexDigit(c) < 0)
            return -1;
        value = value * 16 + hexDigit(c);
    }
    return value;
}

QByteArrayView withoutLineEnd(QByteArrayView line)
{
    while (!line.isEmpty() && (line.back() == '\n' || line.back() == '\r'))
        line.chop(1);
    return line;
}

}   // namespace

void HttpResponse::feed(QByteArrayView bytes)
{
    if (finished())
        return;
    pending_ += bytes;
    while (step()) {
    }
}

void HttpResponse::connectionClosed()
{
    if (stage_ == Stage::ToClose)
        takeBody(pending_.size());
    finish();
}

// Takes what it can of the pending bytes; true when more may follow at once.
bool HttpResponse::step()
{
    switch (stage_) {
    case Stage::Head: return readHead();
    case Stage::Sized: return readSized();
    case Stage::Chunked: return readChunked();
    case Stage::ToClose: takeBody(pending_.size()); return false;
    case Stage::Finished: pending_.clear(); return false;
    }
    return false;
}

// The head ends at an empty line: CR LF CR LF, or bare line feeds.
bool HttpResponse::readHead()
{
    for (qsizetype i = std::max<qsizetype>(scanned_, 1); i < pending_.size(); ++i) {
        if (pending_[i] != '\n')
            continue;
        if (pending_[i - 1] == '\n' || (i >= 2 && pending_[i - 1] == '\r' && pending_[i - 2] == '\n')) {
            const qsizetype end = i + 1;
            headBytes_ += end;
            if (headBytes_ > MaxHeadBytes) {
                finish();
                return false;
            }
            const QByteArray head = pending_.first(end);
            consume(end);
            startBody(head);
            return !finished();
        }
    }
    scanned_ = pending_.size();
    if (headBytes_ + pending_.size() > MaxHeadBytes)
        finish();
    return false;
}

void HttpResponse::startBody(QByteArrayView head)
{
    QList<QByteArrayView> lines;
    for (qsizetype from = 0; from < head.size();) {
        const qsizetype end = head.indexOf('\n', from);
        lines.append(withoutLineEnd(head.sliced(from, end + 1 - from)));
        from = end + 1;
    }
    while (!lines.isEmpty() && lines.front().isEmpty())   // stray line ends before the status line
        lines.removeFirst();
    const int status = lines.isEmpty() ? 0 : statusOf(lines.front());
    if (status == 0) {
        finish();
        return;
    }
    if (status < 200)
        return;   // an interim answer; the final one follows
    opened_ = true;
    status_ = status;

    bool chunked = false;
    qint64 length = -1;
    bool lengthValid = true;
    for (const QByteArrayView line : lines.sliced(1)) {
        const qsizetype colon = line.indexOf(':');
        if (colon <= 0)
            continue;
        const QByteArray name = line.first(colon).trimmed().toByteArray().toLower();
        const QByteArray value = line.sliced(colon + 1).trimmed().toByteArray();
        if (name == "transfer-encoding") {
            chunked = value.split(',').constLast().trimmed().compare("chunked", Qt::CaseInsensitive) == 0;
        } else if (name == "content-length") {
            const qint64 stated = decimalOf(value);
            lengthValid = lengthValid && stated >= 0 && (length < 0 || length == stated);
            length = stated;
        } else if (name == "location") {
            location_ = value;
        }
    }
    if (!isRedirect(status))
        location_.clear();
    if (!location_.isEmpty() || status == 204 || status == 304) {
        finish();
    } else if (chunked) {
        stage_ = Stage::Chunked;
    } else if (length >= 0 || !lengthValid) {
        remaining_ = lengthValid ? length : 0;
        stage_ = Stage::Sized;
        if (remaining_ == 0)
            finish();
    } else {
        stage_ = Stage::ToClose;
    }
}

bool HttpResponse::readSized()
{
    const qsizetype bytes = qsizetype(std::min<qint64>(pending_.size(), remaining_));
    remaining_ -= bytes;
    takeBody(bytes);
    if (remaining_ == 0)
        finish();
    return false;
}

bool HttpResponse::readChunked()
{
    switch (chunkPart_) {
    case ChunkPart::SizeLine: return readChunkSize();
    case ChunkPart::Data: {
        if (pending_.isEmpty())
            return false;
        const qsizetype bytes = qsizetype(std::min<qint64>(pending_.size(), remaining_));
        remaining_ -= bytes;
        takeBody(bytes);
        if (remaining_ == 0)
            chunkPart_ = ChunkPart::DataEnd;
        return !finished();
    }
    case ChunkPart::DataEnd: {
        const qsizetype end = lineEnd(MaxLineBytes);
        if (end < 0)
            return false;
        if (!withoutLineEnd(QByteArrayView(pending_).first(end)).isEmpty()) {
            finish();   // no line end after the data: the framing is lost
            return false;
        }
        consume(end);
        chunkPart_ = ChunkPart::SizeLine;
        return true;
    }
    case ChunkPart::Trailer: return readTrailer();
    }
    return false;
}

// "1a2b;extension" and a line end.
bool HttpResponse::readChunkSize()
{
    const qsizetype end = lineEnd(MaxLineBytes);
    if (end < 0)
        return false;
    QByteArrayView size = withoutLineEnd(QByteArrayView(pending_).first(end));
    if (const qsizetype semicolon = size.indexOf(';'); semicolon >= 0)
        size = size.first(semicolon);
    const qint64 bytes = hexadecimalOf(size.trimmed());
    consume(end);
    if (bytes < 0) {
        finish();
        return false;
    }
    remaining_ = bytes;
    chunkPart_ = bytes == 0 ? ChunkPart::Trailer : ChunkPart::Data;
    return true;
}

// Header lines after the last chunk, up to an empty line; counted with the head.
bool HttpResponse::readTrailer()
{
    const qsizetype end = lineEnd(MaxLineBytes);
    if (end < 0)
        return false;
    headBytes_ += end;
    const bool last = withoutLineEnd(QByteArrayView(pending_).first(end)).isEmpty();
    consume(end);
    if (last || headBytes_ > MaxHeadBytes)
        finish();
    return !finished();
}

// Moves `bytes` pending bytes to the body, as far as its bound allows.
void HttpResponse::takeBody(qsizetype bytes)
{
    const qsizetype room = maxBody_ - body_.size();
    body_.append(pending_.constData(), std::min(bytes, room));
    consume(bytes);
    if (body_.size() >= maxBody_)
        finish();
}

// The length of the pending line with its line feed, or -1 while it has
// none; a line longer than `limit` finishes the response.
qsizetype HttpResponse::lineEnd(qsizetype limit)
{
    const qsizetype feed = pending_.indexOf('\n', scanned_);
    if (feed >= 0 && feed < limit)
        return feed + 1;
    scanned_ = pending_.size();
    if (feed >= 0 || pending_.size() > limit)
        finish();
    return -1;
}

void HttpResponse::consume(qsizetype bytes)
{
    pending_.remove(0, bytes);
    scanned_ = 0;
}

}   // namespace quotechart
