// Fuzzing the HTTP answer reader. The first byte chooses the body's bound and
// the size of the pieces the rest arrives in. Whatever the bytes: the body
// stays within its bound, the pieces read as the whole does, only a final
// status opens, a redirect keeps no body, and the connection's end finishes.

#include "FuzzEntries.h"

#include "history/HttpResponse.h"

#include <algorithm>

using quotechart::HttpResponse;

namespace {

bool sameRead(const HttpResponse &a, const HttpResponse &b)
{
    return a.finished() == b.finished() && a.opened() == b.opened() && a.status() == b.status() &&
        a.redirectTarget() == b.redirectTarget() && a.body() == b.body();
}

}   // namespace

int fuzzHttpResponse(const uint8_t *data, size_t size)
{
    if (size == 0)
        return 0;
    const qsizetype bound = 1 + data[0] % 32 * 64;
    const qsizetype piece = 1 + data[0] / 32;
    const QByteArrayView bytes(reinterpret_cast<const char *>(data + 1), qsizetype(size - 1));
    HttpResponse whole(bound);
    whole.feed(bytes);
    HttpResponse pieces(bound);
    for (qsizetype at = 0; at < bytes.size(); at += piece)
        pieces.feed(bytes.sliced(at, std::min(piece, bytes.size() - at)));

    fuzzExpect(whole.body().size() <= bound, "the body stays within its bound");
    fuzzExpect(sameRead(whole, pieces), "pieces read as the whole");
    fuzzExpect(!whole.opened() || (whole.status() >= 200 && whole.status() <= 999), "only a final status opens");
    fuzzExpect(whole.redirectTarget().isEmpty() || whole.body().isEmpty(), "a redirect keeps no body");
    whole.connectionClosed();
    pieces.connectionClosed();
    fuzzExpect(whole.finished() && sameRead(whole, pieces), "the connection's end finishes the answer alike");
    return 0;
}
