#pragma once
// A logarithmic price scale's arithmetic: where a price sits in decades (a
// decade is a factor of ten), the decades a range of prices spans, and the
// values its ruler labels. A price of 0 or below has no place on such a scale;
// whoever draws it skips it, as a failing value is skipped.

#include <optional>
#include <vector>

namespace quotechart::logscale {

// log10 of the price; empty for 0, negatives, NaN and infinity.
std::optional<double> decadesOf(double price);

// The span of a scale, in decades: log10 of the prices at its foot and top.
struct DecadeRange {
    double low = 0;
    double high = 0;
};

// How far one price stands above another when a single price is all there
// is: the range widens by this factor either way, so it still has a height.
inline constexpr double SinglePriceMargin = 1.01;

// The span for prices lowest .. highest. A lowest of 0 or below (no positive
// price but the highest) or equal to the highest gives the highest widened by
// SinglePriceMargin either way; a range narrower than that widens about its
// middle to that height. Empty when the highest has no logarithm or the
// lowest is above it.
std::optional<DecadeRange> decadeRangeFor(double lowest, double highest);

// The most values rulerValues gives; finer sets are not considered.
inline constexpr int MaxRulerValues = 200;

// The values a ruler over `range` marks, ascending: of these sets, the one
// with the most values inside the range whose neighbours stand at least
// `minimumGap` twips apart at `twipsPerDecade` (on a tie the one listed
// first):
//   every n-th power of ten (n = 1, 2, 5, 10, 20, 50),
//   1, 2 and 5 times the powers of ten,
//   1 to 9 times the powers of ten,
//   the multiples of a step of 1, 2 or 5 times a power of ten;
// so wide ranges get powers of ten, a few decades 1-2-5 and a narrow range
// the round numbers of a linear ruler. One value has no neighbour and is
// always far enough apart. When every set with values fails the gap, the one
// whose neighbours stand furthest apart. Empty for a range without height or
// beyond the doubles' decades, a scale that is not positive and finite, or
// when no set has a value inside the range.
std::vector<double> rulerValues(DecadeRange range, double twipsPerDecade, double minimumGap);

}   // namespace quotechart::logscale
