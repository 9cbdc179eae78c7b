#include "document/VisibleRange.h"

#include "platform/Rounding.h"

namespace quotechart {

using platform::add16;
using platform::sub16;

VisibleRange pagedBackward(VisibleRange r, int16_t N)
{
    const auto w = sub16(r.e, r.s);
    const auto older = w ? add16(r.e, *w) : std::nullopt;
    if (!older)
        return r;
    if (*older > N) {
        const auto s = sub16(N, *w);
        return s ? VisibleRange{*s, N} : r;
    }
    return {r.e, *older};
}

VisibleRange pagedForward(VisibleRange r)
{
    const auto w = sub16(r.e, r.s);
    const auto newer = w ? sub16(r.s, *w) : std::nullopt;
    if (!newer)
        return r;
    if (*newer < 1) {
        const auto e = add16(1, *w);
        return e ? VisibleRange{1, *e} : r;
    }
    return {*newer, r.s};
}

VisibleRange zoomedIn(VisibleRange r)
{
    const auto w = sub16(r.e, r.s);
    const auto cut = w ? platform::toInt16(platform::roundHalfEven(*w * 0.3)) : std::nullopt;
    auto e = cut ? sub16(r.e, *cut) : std::nullopt;
    if (e && r.s > *e)
        e = add16(r.s, 3);
    return e ? VisibleRange{r.s, *e} : r;
}

VisibleRange zoomedOut(VisibleRange r, int16_t N)
{
    if (r.s == r.e) {
        const auto e = add16(r.e, 1);
        return e && *e <= N ? VisibleRange{r.s, *e} : r;
    }
    const auto s = sub16(2 * r.s, r.e), e = sub16(2 * r.e, r.s);
    if (!s || !e)
        return r;
    return {*s < 1 ? int16_t(1) : *s, *e > N ? N : *e};
}

VisibleRange zoomedBySteps(VisibleRange r, int16_t N, int steps)
{
    for (int i = 0; i < steps || i < -steps; ++i) {
        const VisibleRange next = steps > 0 ? zoomedIn(r) : zoomedOut(r, N);
        if (next == r)
            break;
        r = next;
    }
    return r;
}

std::optional<VisibleRange> steppedOlder(VisibleRange r, int16_t N)
{
    const auto s = add16(r.s, ArrowStep), e = add16(r.e, ArrowStep);
    if (!s || !e || *e > N)
        return std::nullopt;
    return VisibleRange{*s, *e};
}

std::optional<VisibleRange> steppedNewer(VisibleRange r)
{
    const auto s = sub16(r.s, ArrowStep), e = sub16(r.e, ArrowStep);
    if (!s || !e || *s < 1)
        return std::nullopt;
    return VisibleRange{*s, *e};
}

}   // namespace quotechart
