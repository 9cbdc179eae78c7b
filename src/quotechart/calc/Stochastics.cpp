#include "calc/Stochastics.h"

#include "calc/Averages.h"
#include "calc/WindowFunctions.h"
#include "platform/Rounding.h"

#include <algorithm>

namespace quotechart::indicators {

namespace {

struct PriceSeries {
    Series closes;
    Series highs;
    Series lows;
};

// The three values %K is made of at one day. Each is a statement of its own
// in the pane: one that fails leaves the previous day's value in place.
struct KTerms {
    float close = 0.0f;
    float lowest = 0.0f;
    float highest = 0.0f;
};

void keep(float &term, std::optional<float> value)
{
    if (value)
        term = *value;
}

void updateFastTerms(KTerms &terms, const PriceSeries &prices, Day i, Period K)
{
    keep(terms.lowest, GetLowestValue(prices.lows, i, K));
    keep(terms.highest, GetHighestValue(prices.highs, i, K));
    keep(terms.close, dayValue(prices.closes, i));
}

std::optional<float> smoothedClose(Series closes, Day i)
{
    float sum = 0.0f;
    for (int32_t offset = 0; offset < 3; ++offset) {
        const auto day = dayPlus(i, offset);
        const auto close = day ? dayValue(closes, *day) : std::nullopt;
        if (!close)
            return std::nullopt;
        sum += *close / 3.0f;
    }
    return finiteSingle(sum);
}

void updateSlowTerms(KTerms &terms, const PriceSeries &prices, Day i, Period K)
{
    keep(terms.lowest, GetAverageLowest(prices.lows, i, K));
    keep(terms.highest, GetAverageHighest(prices.highs, i, K));
    keep(terms.close, smoothedClose(prices.closes, i));
}

std::optional<float> percentK(const KTerms &terms)
{
    const auto range = finiteSingle(terms.highest - terms.lowest);
    const auto share = range ? platform::divide(terms.close - terms.lowest, *range) : std::nullopt;
    return share ? finiteSingle(*share * 100.0f) : std::nullopt;
}

using UpdateTerms = void (*)(KTerms &, const PriceSeries &, Day, Period);

StochasticLines stochasticLines(const PriceSeries &prices, Day first, Day last, Period K, Period D, UpdateTerms update)
{
    WorkSeries percentKSeries;
    WorkSeries percentDSeries;
    KTerms terms;
    // When last + D overflows 16 bits the loop does not run. A day past the
    // work series stores nothing and only carries terms to older days.
    if (const auto oldest = dayPlus(last, D)) {
        for (int32_t i = first; i <= std::min<int32_t>(*oldest, percentKSeries.capacity()); ++i) {
            update(terms, prices, Day(i), K);
            if (const auto value = percentK(terms))
                percentKSeries.store(i, *value);
        }
    }
    // A failing average stops where it failed; what it stored is drawn.
    if (const auto oldest = dayPlus(last, 1))
        CalculateMA(percentKSeries.view(), percentDSeries, first, *oldest, D);
    return {plotOf(percentKSeries, lineDays(first, last)), plotOf(percentDSeries, lineDays(first, last))};
}

}   // namespace

StochasticLines fastStochasticLines(Series closes, Series highs, Series lows, Day first, Day last, Period K, Period D)
{
    return stochasticLines({closes, highs, lows}, first, last, K, D, &updateFastTerms);
}

StochasticLines slowStochasticLines(Series closes, Series highs, Series lows, Day first, Day last, Period K, Period D)
{
    return stochasticLines({closes, highs, lows}, first, last, K, D, &updateSlowTerms);
}

}   // namespace quotechart::indicators
