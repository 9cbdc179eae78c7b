// Reading an HTTP answer as its bytes arrive, whatever pieces they come in.

#include "history/HttpResponse.h"

#include <gtest/gtest.h>

namespace {

using quotechart::HttpResponse;

struct Read {
    bool finished;
    bool opened;
    int status;
    QByteArray body;
};

Read read(const QByteArray &bytes, bool thenClosed, qsizetype bound = 1 << 20, qsizetype piece = 0)
{
    HttpResponse response(bound);
    if (piece == 0)
        response.feed(bytes);
    for (qsizetype at = 0; piece > 0 && at < bytes.size(); at += piece)
        response.feed(QByteArrayView(bytes).sliced(at, std::min(piece, bytes.size() - at)));
    if (thenClosed)
        response.connectionClosed();
    return {response.finished(), response.opened(), response.status(), response.body()};
}

void expectRead(const Read &got, const Read &want, const QByteArray &bytes)
{
    EXPECT_EQ(got.finished, want.finished) << bytes.constData();
    EXPECT_EQ(got.opened, want.opened) << bytes.constData();
    EXPECT_EQ(got.status, want.status) << bytes.constData();
    EXPECT_EQ(got.body, want.body) << bytes.constData();
}

TEST(HttpResponse, ReadsEveryFramingInAnyPieces)
{
    struct Case {
        QByteArray bytes;
        bool closed;
        Read want;
    };
    const Case cases[] = {
        {"HTTP/1.1 200 OK\r\nContent-Length: 6\r\n\r\nAcme\r\nleft over", false, {true, true, 200, "Acme\r\n"}},
        {"HTTP/1.1 200 OK\r\ntransfer-encoding: gzip, Chunked\r\n\r\n4;name=x\r\nAcme\r\n2\r\n\r\n\r\n0\r\nX-T: "
         "1\r\n\r\n",
         false,
         {true, true, 200, "Acme\r\n"}},
        {"HTTP/1.0 404 Not Found\nServer: x\n\nmissing", true, {true, true, 404, "missing"}},
        {"HTTP/1.0 200 OK\r\n\r\nno length", false, {false, true, 200, "no length"}},
        {"\r\nHTTP/1.1 100 Continue\r\n\r\nHTTP/1.1 200 OK\r\nContent-Length: 2\r\n\r\nok",
         false,
         {true, true, 200, "ok"}},
        {"HTTP/1.1 204 No Content\r\nContent-Length: 9\r\n\r\n", false, {true, true, 204, ""}},
        {"HTTP/1.1 302 Found\r\nLocation: /b\r\nContent-Length: 5\r\n\r\nmoved", false, {true, true, 302, ""}},
        {"HTTP/1.1 200 OK\r\nContent-Length: 2\r\nContent-Length: 3\r\n\r\nabc", false, {true, true, 200, ""}},
    };
    for (const Case &c : cases) {
        expectRead(read(c.bytes, c.closed), c.want, c.bytes);
        expectRead(read(c.bytes, c.closed, 1 << 20, 1), c.want, c.bytes);
        expectRead(read(c.bytes, c.closed, 1 << 20, 5), c.want, c.bytes);
    }
    HttpResponse redirect(100);
    redirect.feed("HTTP/1.1 307 Temporary\r\nLocation:  https://b.example/x?y \r\n\r\n");
    EXPECT_EQ(redirect.redirectTarget(), "https://b.example/x?y");
}

TEST(HttpResponse, ACutAnswerKeepsWhatArrivedAndACutHeadOpensNothing)
{
    expectRead(read("HTTP/1.1 200 OK\r\nContent-Length: 9\r\n\r\nAcm", true), {true, true, 200, "Acm"}, "sized");
    expectRead(read("HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n9\r\nAcm", true), {true, true, 200, "Acm"},
               "chunked");
    expectRead(read("HTTP/1.1 200 OK\r\nContent-Length: 9\r\n", true), {true, false, 0, ""}, "head");
    expectRead(read("SSH-2.0-OpenSSH\r\n\r\n", false), {true, false, 0, ""}, "no HTTP");
    // A chunk size that is no number, or data that runs past its size: the framing is lost.
    expectRead(read("HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n2\r\nAc\r\nzz\r\nme", false),
               {true, true, 200, "Ac"}, "size");
    expectRead(read("HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n2\r\nAcme\r\n", false),
               {true, true, 200, "Ac"}, "data");
}

TEST(HttpResponse, WhatASiteSendsWithoutEndIsBounded)
{
    const QByteArray ok = "HTTP/1.1 200 OK\r\n";
    expectRead(read(ok + "\r\n" + QByteArray(5000, 'x'), false, 4096), {true, true, 200, QByteArray(4096, 'x')},
               "body");
    QByteArray chunks = ok + "Transfer-Encoding: chunked\r\n\r\n";
    for (int i = 0; i < 3000; ++i)
        chunks += "1\r\nx\r\n";
    expectRead(read(chunks, false, 2000, 7), {true, true, 200, QByteArray(2000, 'x')}, "chunks");
    expectRead(read(ok + "X-Long: " + QByteArray(HttpResponse::MaxHeadBytes, 'x'), false), {true, false, 0, ""},
               "header");
    QByteArray interims;
    for (int i = 0; i < 4000; ++i)
        interims += "HTTP/1.1 100 Continue\r\n\r\n";
    expectRead(read(interims, false), {true, false, 0, ""}, "interims");
    const QByteArray chunked = ok + "Transfer-Encoding: chunked\r\n\r\n";
    expectRead(read(chunked + "2;" + QByteArray(HttpResponse::MaxLineBytes, 'e'), false), {true, true, 200, ""},
               "size line");
    QByteArray trailer = chunked + "2\r\nAc\r\n0\r\n";
    while (trailer.size() < 2 * HttpResponse::MaxHeadBytes)
        trailer += "X-Trailer: t\r\n";
    expectRead(read(trailer, false), {true, true, 200, "Ac"}, "trailer");
}

}   // namespace
