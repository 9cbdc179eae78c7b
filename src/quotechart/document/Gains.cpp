#include "document/Gains.h"

#include "platform/NumberFormat.h"
#include "platform/NumberText.h"
#include "platform/Rounding.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace quotechart {

namespace {

struct Pair {
    double bought, sold;
};

// Pair i (from 1), when its two entries make one.
std::optional<Pair> pairAt(std::span<const ListEntry> list, int i)
{
    const std::size_t second = std::size_t(2) * std::size_t(i) - 1;   // entries counted from 0
    if (second >= list.size())
        return std::nullopt;
    const ListEntry &buy = list[second - 1];
    const ListEntry &sell = list[second];
    if (buy.text != BuyText || sell.text != SellText)
        return std::nullopt;
    const std::optional<double> b = platform::strictNumber(buy.price);
    const std::optional<double> s = platform::strictNumber(sell.price);
    if (!b || !s || *b == 0)
        return std::nullopt;
    return Pair{*b, *s};
}

// s / b - 1 (the sum's gain) and s / b (the product's ratio) are worked out
// in double precision and each kept as a single.
std::optional<float> gainOf(const Pair &pair)
{
    const std::optional<double> ratio = platform::divide(pair.sold, pair.bought);
    return ratio ? platform::toSingle(*ratio - 1) : std::nullopt;
}

std::optional<float> ratioOf(const Pair &pair)
{
    const std::optional<double> ratio = platform::divide(pair.sold, pair.bought);
    return ratio ? platform::toSingle(*ratio) : std::nullopt;
}

// Pairs past the end of the list add nothing, so the loop stops there.
int lastPair(std::span<const ListEntry> list, int16_t sellCount)
{
    return std::min<int>(sellCount, int(list.size() / 2));
}

QString gainText(const QString &caption, int16_t sellCount, float gain)
{
    QString text = caption + QStringLiteral(": ");
    if (sellCount >= 0)
        text += platform::formatNumber(gain, u"####0.0") + QStringLiteral(" %");
    return text;
}

}   // namespace

float summarizedGain(std::span<const ListEntry> list, int16_t sellCount)
{
    float sum = 0;
    for (int i = 1; i <= lastPair(list, sellCount); ++i) {
        const std::optional<Pair> pair = pairAt(list, i);
        if (!pair)
            continue;
        const std::optional<float> gain = gainOf(*pair);
        if (!gain)
            continue;
        const float next = sum + *gain * 100.0f;
        if (std::isfinite(next))
            sum = next;
    }
    return sum;
}

float cumulativeGain(std::span<const ListEntry> list, int16_t sellCount)
{
    float product = 1;
    for (int i = 1; i <= lastPair(list, sellCount); ++i) {
        const std::optional<Pair> pair = pairAt(list, i);
        if (!pair)
            continue;
        const std::optional<float> ratio = ratioOf(*pair);
        if (!ratio)
            continue;
        const float next = product * *ratio;
        if (std::isfinite(next))
            product = next;
    }
    const float cum = (product - 1.0f) * 100.0f;
    return std::isfinite(cum) ? cum : 0.0f;
}

QString summarizedGainText(std::span<const ListEntry> list, int16_t sellCount)
{
    return gainText(SumGainCaption, sellCount, summarizedGain(list, sellCount));
}

QString cumulativeGainText(std::span<const ListEntry> list, int16_t sellCount)
{
    return gainText(CumGainCaption, sellCount, cumulativeGain(list, sellCount));
}

}   // namespace quotechart
