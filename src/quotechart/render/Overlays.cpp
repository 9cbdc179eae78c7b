#include "render/Overlays.h"

#include "calc/Averages.h"
#include "calc/SeriesMemo.h"
#include "platform/Rounding.h"
#include "platform/SurfaceRegion.h"
#include "render/PriceChartView.h"

#include <QLineF>
#include <QPointF>

#include <vector>

namespace quotechart {

using indicators::WorkSeries;

namespace {

const QColor EnvelopeColour(255, 0, 255);

// Closes of the loaded days only: an average whose window reaches past the
// oldest loaded day finds no value there instead of another ticker's leftovers.
indicators::Series loadedCloses(const PriceHistory &h)
{
    return indicators::Series(h.close_array.data(), std::size_t(std::max<int16_t>(h.record_count, 0)) + 1);
}

// The average over days s .. last, with work series as long as the history;
// kept for the next redraw of the same days.
WorkSeries averageSeries(const PriceChartView &view, int last, int16_t period)
{
    thread_local indicators::SeriesMemo<WorkSeries, int16_t, int, int16_t> memo;
    const indicators::Series closes = loadedCloses(view.history);
    return memo.get({indicators::memoInput(closes)}, {view.s, last, period}, [&] {
        WorkSeries average(PriceHistory::capacity);
        if (const auto lastDay = platform::toInt16(last))
            indicators::CalculateMA(closes, average, view.s, *lastDay, period);
        return average;
    });
}

// Segments from day k + 1 to day k for k = s .. last of the values the
// function gives for a day (skipping a segment whose value is missing or has
// no place on the scale).
template <typename ValueOf>
void drawDaySegments(platform::SurfaceRegion &pane, const PriceChartView &view, int last, ValueOf value)
{
    if (last < view.s)
        return;
    // Each day's point ends one segment and starts the next: place it once.
    auto point = [&](int k) -> std::optional<QPointF> {
        const std::optional<double> price = value(k);
        const std::optional<double> y = price ? view.yOf(*price) : std::nullopt;   // none for 0 or below on a log scale
        return y ? std::optional<QPointF>(QPointF(view.x(k), *y)) : std::nullopt;
    };
    std::vector<QLineF> segments;
    segments.reserve(std::size_t(last - view.s + 1));
    std::optional<QPointF> newer = point(view.s);
    for (int k = view.s; k <= last; ++k) {
        const std::optional<QPointF> older = point(k + 1);
        if (older && newer)
            segments.emplace_back(*older, *newer);
        newer = older;
    }
    pane.lines(segments);
}

std::optional<double> scaled(const WorkSeries &series, int day, double factor)
{
    const std::optional<float> value = series.read(day);
    return value ? std::optional<double>(*value * factor) : std::nullopt;
}

}   // namespace

std::optional<int16_t> lastAveragedDay(int16_t e, int period, int16_t recordCount)
{
    const std::optional<int16_t> reach = platform::add16(e, period);
    if (!reach)
        return std::nullopt;
    return *reach <= recordCount ? std::optional<int16_t>(e) : platform::sub16(recordCount, period);
}

void drawMovingAverage(platform::SurfaceRegion &pane, const PriceChartView &view, int16_t period, const QColor &colour)
{
    pane.setForeColor(colour);
    const WorkSeries average = averageSeries(view, view.e + 1, period);
    if (const auto last = lastAveragedDay(view.e, period, view.history.record_count))
        drawDaySegments(pane, view, *last, [&](int k) { return scaled(average, k, 1.0); });
}

void drawEnvelopes(platform::SurfaceRegion &pane, const PriceChartView &view, int16_t period, int16_t percent)
{
    pane.setForeColor(EnvelopeColour);
    const WorkSeries average = averageSeries(view, view.e + 1, period);
    const std::optional<int16_t> last = lastAveragedDay(view.e, period, view.history.record_count);
    if (!last)
        return;
    const double upper = 1 + percent / 100.0, lower = 1 - percent / 100.0;
    drawDaySegments(pane, view, *last, [&](int k) { return scaled(average, k, upper); });
    drawDaySegments(pane, view, *last, [&](int k) { return scaled(average, k, lower); });
}

void drawBollingerBands(platform::SurfaceRegion &pane, const PriceChartView &view, float period, float width)
{
    pane.setForeColor(Qt::black);
    const std::optional<int16_t> days = platform::toInt16(period);
    if (!days)
        return;
    // The average reaches `period` days further back so that every deviation
    // window finds the averages of its own days.
    const WorkSeries average = averageSeries(view, view.e + *days + 1, *days);
    thread_local indicators::SeriesMemo<WorkSeries, int16_t, int16_t, float, float> memo;
    const indicators::Series closes = loadedCloses(view.history);
    const WorkSeries band = memo.get({indicators::memoInput(closes)}, {view.s, view.e, period, width}, [&] {
        WorkSeries spreads(PriceHistory::capacity);
        indicators::BollingerBands(closes, average.view(), spreads, view.s, view.e, period, width);
        return spreads;
    });
    const int last = view.e + period > view.history.record_count
        ? int(platform::roundHalfEven(view.history.record_count - double(period)))
        : view.e;
    auto edge = [&](int k, double side) -> std::optional<double> {
        const std::optional<float> mid = average.read(k), spread = band.read(k);
        return mid && spread ? std::optional<double>(*mid + side * *spread) : std::nullopt;
    };
    drawDaySegments(pane, view, last - 1, [&](int k) { return edge(k, -1); });
    drawDaySegments(pane, view, last - 1, [&](int k) { return edge(k, +1); });
}

}   // namespace quotechart
