#include "calc/LogScale.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

namespace quotechart::logscale {

namespace {

// A value a rounding error outside the range (1000 computed as 999.9999...)
// still counts as inside it.
constexpr double Tolerance = 1e-9;
constexpr std::array<int, 6> DecadeStrides{50, 20, 10, 5, 2, 1};
constexpr std::array<double, 3> OneTwoFive{1, 2, 5};
constexpr std::array<double, 9> OneToNine{1, 2, 3, 4, 5, 6, 7, 8, 9};

using Values = std::vector<double>;

struct Prices {
    double low, high;
    bool holds(double value) const { return value >= low * (1 - Tolerance) && value <= high * (1 + Tolerance); }
};

// m * 10^j, dividing for negative j so that 0.1 * 3 comes out as 0.3.
double times10To(double m, int j) { return j >= 0 ? m * std::pow(10.0, j) : m / std::pow(10.0, -j); }

int firstDecade(const DecadeRange &r) { return int(std::floor(r.low - Tolerance)); }
int lastDecade(const DecadeRange &r) { return int(std::floor(r.high + Tolerance)); }

Values powersOfTen(const DecadeRange &r, const Prices &p, int stride)
{
    Values values;
    for (int k = firstDecade(r); k <= lastDecade(r); ++k)
        if (k % stride == 0 && p.holds(times10To(1, k)))
            values.push_back(times10To(1, k));
    return values;
}

template <std::size_t N> Values timesPowersOfTen(const DecadeRange &r, const Prices &p, const std::array<double, N> &m)
{
    Values values;
    for (int k = firstDecade(r); k <= lastDecade(r); ++k)
        for (double factor : m)
            if (const double value = times10To(factor, k); p.holds(value))
                values.push_back(value);
    return values;
}

// The multiples of m * 10^j inside the prices; empty when there would be
// more than a ruler takes.
std::optional<Values> multiples(const Prices &p, double m, int j)
{
    const double step = times10To(m, j);
    const double first = std::ceil(p.low / step * (1 - Tolerance)), last = std::floor(p.high / step * (1 + Tolerance));
    if (!(last - first < MaxRulerValues))
        return std::nullopt;
    Values values;
    for (double k = first; k <= last; ++k)
        if (const double value = times10To(k * m, j); p.holds(value))
            values.push_back(value);
    return values;
}

// Every set the ruler may use, coarsest kinds first.
std::vector<Values> candidateSets(const DecadeRange &r)
{
    const Prices p{std::pow(10.0, r.low), std::pow(10.0, r.high)};
    std::vector<Values> sets;
    for (int stride : DecadeStrides)
        sets.push_back(powersOfTen(r, p, stride));
    sets.push_back(timesPowersOfTen(r, p, OneTwoFive));
    sets.push_back(timesPowersOfTen(r, p, OneToNine));
    // Steps from ten times the top's decade down, until they give too many.
    for (int j = lastDecade(r) + 1;; --j) {
        for (double m : {5.0, 2.0, 1.0}) {
            std::optional<Values> values = multiples(p, m, j);
            if (!values)
                return sets;
            sets.push_back(std::move(*values));
        }
    }
}

double smallestGap(const Values &values, double twipsPerDecade)
{
    double gap = std::numeric_limits<double>::infinity();
    for (std::size_t i = 1; i < values.size(); ++i)
        gap = std::min(gap, (std::log10(values[i]) - std::log10(values[i - 1])) * twipsPerDecade);
    return gap;
}

}   // namespace

std::optional<double> decadesOf(double price)
{
    if (!(price > 0) || !std::isfinite(price))
        return std::nullopt;
    return std::log10(price);
}

std::optional<DecadeRange> decadeRangeFor(double lowest, double highest)
{
    const std::optional<double> high = decadesOf(highest);
    if (!high)
        return std::nullopt;
    const std::optional<double> low = decadesOf(lowest);
    if (low && *low > *high)
        return std::nullopt;
    const double margin = std::log10(SinglePriceMargin);
    if (!low)
        return DecadeRange{*high - margin, *high + margin};
    if (*high - *low < 2 * margin) {
        const double middle = (*low + *high) / 2;
        return DecadeRange{middle - margin, middle + margin};
    }
    return DecadeRange{*low, *high};
}

std::vector<double> rulerValues(DecadeRange range, double twipsPerDecade, double minimumGap)
{
    // Ends beyond the doubles' decades came from no price.
    if (!(range.low < range.high) || !(std::pow(10.0, range.low) > 0) || !std::isfinite(std::pow(10.0, range.high)) ||
        !std::isfinite(twipsPerDecade) || !(twipsPerDecade > 0))
        return {};
    const std::vector<Values> sets = candidateSets(range);
    const Values *best = nullptr;
    for (const Values &values : sets)
        if (!values.empty() && int(values.size()) <= MaxRulerValues &&
            smallestGap(values, twipsPerDecade) >= minimumGap && (!best || values.size() > best->size()))
            best = &values;
    if (!best) {   // nothing is far enough apart: the set that comes closest
        for (const Values &values : sets)
            if (!values.empty() && int(values.size()) <= MaxRulerValues &&
                (!best || smallestGap(values, twipsPerDecade) > smallestGap(*best, twipsPerDecade)))
                best = &values;
    }
    return best ? *best : Values{};
}

}   // namespace quotechart::logscale
