// The chart's full window redraw side by side with the same picture drawn by
// QCustomPlot, a general plotting library, at 1600 x 1000 pixels without
// antialiasing: high-low-close bars, four moving averages, volume bars, an
// RSI line, MACD lines and histogram, over 200, 1000 and 5000 visible days of
// a 5000-day history. Each side computes its series and draws every time.
// Prints both medians and their ratio.

#include "BenchChart.h"
#include "MedianTable.h"
#include "calc/IndicatorCalculations.h"

#include <qcustomplot.h>

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <map>
#include <memory>

namespace {

constexpr int Width = 1600;
constexpr int Height = 1000;
constexpr int HistoryDays = 5000;

namespace ind = quotechart::indicators;

// The bench history, kept as arrays too for the plot.
struct History {
    BenchHistory files{HistoryDays};
    quotechart::PriceHistory days;
};

History &history()
{
    static History shared;
    return shared;
}

void ChartRedraw(benchmark::State &state)
{
    const auto chart = benchChart(history().files, Width, Height);
    const auto visible = int16_t(state.range(0));
    for (auto _ : state) {
        int16_t s = 1, e = visible, volume = 1, rsi = 2, macd = 5;
        chart->Clear();
        chart->DrawPriceRuler(s, e);
        chart->DrawDateRuler(s, e);
        chart->DisplayChart(s, e);
        chart->DisplayTechnicalIndicators(volume, rsi, macd);
    }
}

// The same picture with QCustomPlot: four stacked axis rects with the same
// shares of the height as the chart's panes.
class PlotPicture {
public:
    PlotPicture()
    {
        plot_.resize(Width, Height);
        plot_.setNotAntialiasedElements(QCP::aeAll);
        plot_.plotLayout()->clear();
        for (int row = 0; row < 4; ++row) {
            auto *rect = new QCPAxisRect(&plot_);
            plot_.plotLayout()->addElement(row, 0, rect);
            plot_.plotLayout()->setRowStretchFactor(row, row == 0 ? 6 : 1);
            rects_[row] = rect;
        }
        bars_ = new QCPFinancial(rects_[0]->axis(QCPAxis::atBottom), rects_[0]->axis(QCPAxis::atLeft));
        bars_->setChartStyle(QCPFinancial::csOhlc);
        bars_->setPen(QPen(Qt::black));
        const QColor averageColours[4] = {{200, 0, 0}, {0, 200, 0}, {0, 0, 200}, {0, 128, 255}};
        for (int i = 0; i < 4; ++i) {
            averages_[i] = plot_.addGraph(rects_[0]->axis(QCPAxis::atBottom), rects_[0]->axis(QCPAxis::atLeft));
            averages_[i]->setPen(QPen(averageColours[i]));
        }
        volume_ = new QCPBars(rects_[1]->axis(QCPAxis::atBottom), rects_[1]->axis(QCPAxis::atLeft));
        volume_->setPen(QPen(QColor(0, 128, 0)));
        volume_->setBrush(QColor(0, 128, 0));
        rsi_ = plot_.addGraph(rects_[2]->axis(QCPAxis::atBottom), rects_[2]->axis(QCPAxis::atLeft));
        divergence_ = new QCPBars(rects_[3]->axis(QCPAxis::atBottom), rects_[3]->axis(QCPAxis::atLeft));
        divergence_->setPen(QPen(QColor(28, 177, 227)));
        macd_ = plot_.addGraph(rects_[3]->axis(QCPAxis::atBottom), rects_[3]->axis(QCPAxis::atLeft));
        signal_ = plot_.addGraph(rects_[3]->axis(QCPAxis::atBottom), rects_[3]->axis(QCPAxis::atLeft));
        signal_->setPen(QPen(QColor(200, 0, 0)));
    }

    // Computes every series for days 1..visible and draws the whole plot.
    void draw(int visible, QImage &image)
    {
        const quotechart::PriceHistory &h = history().days;
        const ind::Series closes(h.close_array.data(), std::size_t(h.record_count) + 1);
        setPrices(h, visible);
        const int periods[4] = {10, 50, 200, 20};
        for (int i = 0; i < 4; ++i)
            setAverage(averages_[i], closes, visible, int16_t(periods[i]));
        setVolumes(h, visible);
        setLine(rsi_, ind::rsiLine(closes, 1, int16_t(visible), 14), visible);
        const ind::MACDLines macd = ind::macdLines(closes, 1, int16_t(visible), 12, 26, 5);
        setLine(macd_, macd.macd, visible);
        setLine(signal_, macd.signal, visible);
        setBars(divergence_, macd.divergence, visible);
        for (QCPAxisRect *rect : rects_)
            for (QCPAxis *axis : rect->axes())
                axis->rescale();
        rects_[0]->axis(QCPAxis::atBottom)->setRange(-visible - 1, 0);
        QCPPainter painter(&image);
        plot_.toPainter(&painter, Width, Height);
    }

private:
    // Newer days to the right, as on the chart: day k at x = -k.
    void setPrices(const quotechart::PriceHistory &h, int visible)
    {
        QVector<double> keys, open, high, low, close;
        for (int k = visible; k >= 1; --k) {
            keys << -k;
            open << h.close_array[k + 1];
            high << h.high_array[k];
            low << h.low_array[k];
            close << h.close_array[k];
        }
        bars_->setData(keys, open, high, low, close, true);
    }
    void setAverage(QCPGraph *graph, ind::Series closes, int visible, int16_t period)
    {
        ind::WorkSeries average(quotechart::PriceHistory::capacity);
        ind::CalculateMA(closes, average, 1, int16_t(visible + 1), period);
        setLine(graph, ind::plotOf(average, {1, visible + 1}), visible);
    }
    void setVolumes(const quotechart::PriceHistory &h, int visible)
    {
        QVector<double> keys, values;
        for (int k = visible; k >= 1; --k) {
            keys << -k;
            values << h.volume_array[k];
        }
        volume_->setData(keys, values, true);
    }
    void setLine(QCPGraph *graph, const ind::PlotSeries &series, int visible)
    {
        QVector<double> keys, values;
        for (int k = visible + 1; k >= 1; --k)
            if (const auto value = series.at(k)) {
                keys << -k;
                values << *value;
            }
        graph->setData(keys, values, true);
    }
    void setBars(QCPBars *bars, const ind::PlotSeries &series, int visible)
    {
        QVector<double> keys, values;
        for (int k = visible; k >= 1; --k)
            if (const auto value = series.at(k)) {
                keys << -k;
                values << *value;
            }
        bars->setData(keys, values, true);
    }

    QCustomPlot plot_;
    QCPAxisRect *rects_[4] = {};
    QCPFinancial *bars_ = nullptr;
    QCPGraph *averages_[4] = {};
    QCPBars *volume_ = nullptr;
    QCPGraph *rsi_ = nullptr;
    QCPBars *divergence_ = nullptr;
    QCPGraph *macd_ = nullptr;
    QCPGraph *signal_ = nullptr;
};

void QCustomPlotRedraw(benchmark::State &state)
{
    quotechart::PriceHistory &h = history().days;
    if (h.record_count == 0)
        h = benchChart(history().files, Width, Height)->history();
    PlotPicture picture;
    QImage image(Width, Height, QImage::Format_RGB32);
    for (auto _ : state) {
        image.fill(Qt::white);
        picture.draw(int(state.range(0)), image);
    }
}

BENCHMARK(ChartRedraw)
    ->Arg(200)
    ->Arg(1000)
    ->Arg(5000)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(9)
    ->ReportAggregatesOnly();
BENCHMARK(QCustomPlotRedraw)
    ->Arg(200)
    ->Arg(1000)
    ->Arg(5000)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(9)
    ->ReportAggregatesOnly();

}   // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    MedianTable table;
    benchmark::RunSpecifiedBenchmarks(&table);
    std::printf("\n%-14s %16s %16s %8s\n", "visible days", "chart (ms)", "QCustomPlot (ms)", "ratio");
    for (const char *days : {"200", "1000", "5000"}) {
        const auto chart = table.medians.find(std::string("ChartRedraw/") + days);
        const auto plot = table.medians.find(std::string("QCustomPlotRedraw/") + days);
        if (chart == table.medians.end() || plot == table.medians.end())
            continue;
        std::printf("%-14s %16.2f %16.2f %8.2f\n", days, chart->second, plot->second, chart->second / plot->second);
    }
    benchmark::Shutdown();
    return 0;
}
