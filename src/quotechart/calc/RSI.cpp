#include "calc/RSI.h"

#include "calc/DayValues.h"

#include "platform/Rounding.h"

namespace quotechart::indicators {

namespace {

struct GainAndLoss {
    double gain = 0.0;
    double loss = 0.0;
};

// The change into day k from the day before it, as a gain or a loss.
std::optional<GainAndLoss> changeInto(Series closes, int32_t k)
{
    const auto today = dayValue(closes, k);
    const auto before = dayValue(closes, k + 1);
    if (!today || !before)
        return std::nullopt;
    const auto change = finiteSingle(*today - *before);
    if (!change)
        return std::nullopt;
    if (*change >= 0.0f)
        return GainAndLoss{*change, 0.0};
    return GainAndLoss{0.0, -double(*change)};
}

}   // namespace

std::optional<double> CalculateRSI(Series closes, Day i, Period N)
{
    if (N < 1)
        return std::nullopt;
    // i + N is formed before j is taken off; the window ends at i + N - 1.
    const auto top = N >= 2 ? dayPlus(i, N) : std::optional<Day>(i);
    if (!top)
        return std::nullopt;
    // The running G and L stand for G(j) and L(j): only G(N) and L(N) are
    // used, so the scratch arrays of one value per j are not needed.
    double G = 0.0;
    double L = 0.0;
    for (int32_t j = 2; j <= N; ++j) {
        const auto change = changeInto(closes, *top - j);   // oldest change first
        if (!change)
            return std::nullopt;
        G = (N - 1) * G / N + change->gain;
        L = (N - 1) * L / N + change->loss;
    }
    const auto ratio = platform::divide(G, L);
    const auto relative = ratio ? platform::divide(100.0, 1.0 + *ratio) : std::nullopt;
    if (!relative)
        return std::nullopt;
    return 100.0 - *relative;
}

PlotSeries rsiLine(Series closes, Day first, Day last, Period N)
{
    // Each RSI value is computed once here; the old pane computed each twice
    // (as the newer and the older end of two segments) with the same result.
    // A day's RSI does not depend on the window: kept for the next one.
    const std::shared_ptr<DayValues> kept = keptDayValues<struct RSITag>(closes, N);
    return plotEach(lineDays(first, last), [&](Day day) {
        return std::optional<double>(kept->at(day, [&](Day d) { return CalculateRSI(closes, d, N); }).value_or(0.0));
    });
}

}   // namespace quotechart::indicators
