#pragma once
// The price ruler's arithmetic: the step between ruler lines for a visible
// price range, the lowest and highest ruler lines, and the vertical scale;
// or, on a logarithmic scale, the decades the prices span.

#include "document/PriceScale.h"

#include <cstdint>
#include <optional>

namespace quotechart {

// The step for a range max - min: 1000, 500, 250, 150, 100, 50, 25, 15, 10, 5,
// 2.5, 1, 0.5, 0.2, 0.1, 0.05 or 0.02, larger ranges taking larger steps. The
// steps are not all decimal (150, 15, 2.5) so that a typical range gets 4 to
// 10 ruler lines.
float priceTickFor(float range);

// The ruler lines as counts of steps: the highest is max / step + 0.5 and the
// lowest min / step - 0.5, each rounded half to even, so the ruler reaches at
// least half a step beyond the prices. Empty when a count leaves the 16-bit
// range (absurd prices), so the ruler keeps its previous lines.
std::optional<int16_t> rulerHighTicks(float maxPrice, float tick);
std::optional<int16_t> rulerLowTicks(float minPrice, float tick);

// The same counts stopped at the ends of the 16-bit range: where a count
// overflows, the ruler gets the lines nearest its prices that the counts can
// name, not the previous range's. Empty only for a step of 0.
std::optional<int16_t> rulerHighTicksWithin16Bits(float maxPrice, float tick);
std::optional<int16_t> rulerLowTicksWithin16Bits(float minPrice, float tick);

// Twips per price unit that fit the ruler lines into `height`, leaving 50
// twips above and below; empty when the lines coincide.
std::optional<float> priceScaleFor(double height, float highTicks, float lowTicks, float tick);

// The ruler's scale for prices minPrice..maxPrice on a ruler of `height`
// twips: the step, then the lowest and highest lines and the twips per price
// unit. Line counts beyond 16 bits stop at its ends; a value that cannot be
// computed keeps the one in `previous`.
PriceScale fixPriceScale(double height, float minPrice, float maxPrice, PriceScale previous);

// The logarithmic scale for prices lowestPositive .. highest (a lowest of 0
// when no low is positive): the decades logscale::decadeRangeFor gives and
// the twips per decade that fit them into `height`, leaving 50 twips above and
// below. Without a positive highest the decades stay those of `previous`, or
// are 1 .. 10 when it was linear; the step and line counts stay as they were.
PriceScale fixLogPriceScale(double height, float lowestPositive, float highest, PriceScale previous);

}   // namespace quotechart
