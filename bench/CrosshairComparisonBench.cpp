// A crosshair move as a user makes it (the left button held, one mouse-move
// event, the repaint that follows) on the chart, side by side with the
// fastest crosshair of QCustomPlot, a general plotting library: two
// straight-line items and a text item on a buffered layer of their own,
// only that layer replotted, each move painted. Both show the same 5000-day
// history over 1000 visible days at 1200 x 900 pixels. Prints both medians
// and their ratio.

#include "BenchChart.h"
#include "MedianTable.h"

#include <QApplication>
#include <QMouseEvent>

#include <qcustomplot.h>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>

namespace {

constexpr int Width = 1200, Height = 900, Visible = 1000;

BenchHistory &files()
{
    static BenchHistory shared(5000);
    return shared;
}

// Pointer positions swept back and forth across the middle of a pane.
int sweep(int step, int width) { return width / 4 + (step * 7) % (width / 2); }

void ChartCrosshairMove(benchmark::State &state)
{
    const auto chart = benchChart(files(), Width, Height);
    chart->starting_date_local = 1;
    chart->ending_date_local = Visible;
    quotechart::TestAccess::redraw(*chart);
    QWidget *pane = chart->findChild<QWidget *>("Picture1");
    QApplication::processEvents();
    int step = 0;
    for (auto _ : state) {
        const QPointF at(sweep(step++, pane->width()), pane->height() / 2);
        QMouseEvent move(QEvent::MouseMove, at, pane->mapToGlobal(at), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(pane, &move);
        QApplication::processEvents();   // the repaint
    }
}

void QCustomPlotCrosshairMove(benchmark::State &state)
{
    const auto source = benchChart(files(), 100, 100);
    const quotechart::PriceHistory &h = source->history();
    QCustomPlot plot;
    plot.resize(Width, Height);
    plot.setNotAntialiasedElements(QCP::aeAll);
    auto *bars = new QCPFinancial(plot.xAxis, plot.yAxis);
    bars->setChartStyle(QCPFinancial::csOhlc);
    QVector<double> keys, open, high, low, close;
    for (int k = Visible; k >= 1; --k) {
        keys << -k;
        open << h.close_array[k + 1];
        high << h.high_array[k];
        low << h.low_array[k];
        close << h.close_array[k];
    }
    bars->setData(keys, open, high, low, close, true);
    plot.rescaleAxes();
    plot.addLayer("crosshair", nullptr, QCustomPlot::limAbove);
    QCPLayer *layer = plot.layer("crosshair");
    layer->setMode(QCPLayer::lmBuffered);
    auto *vertical = new QCPItemStraightLine(&plot);
    auto *horizontal = new QCPItemStraightLine(&plot);
    auto *readout = new QCPItemText(&plot);
    for (QCPAbstractItem *item : std::initializer_list<QCPAbstractItem *>{vertical, horizontal, readout})
        item->setLayer(layer);
    plot.show();
    plot.replot();
    QApplication::processEvents();
    int step = 0;
    for (auto _ : state) {
        const double x = plot.xAxis->pixelToCoord(sweep(step++, Width)), y = plot.yAxis->pixelToCoord(Height / 2);
        vertical->point1->setCoords(x, 0);
        vertical->point2->setCoords(x, 1);
        horizontal->point1->setCoords(0, y);
        horizontal->point2->setCoords(1, y);
        readout->position->setCoords(x, y);
        readout->setText(QString::number(y, 'f', 2));
        layer->replot();
        QApplication::processEvents();   // the repaint
    }
}

BENCHMARK(ChartCrosshairMove)->Unit(benchmark::kMicrosecond)->Repetitions(9)->ReportAggregatesOnly();
BENCHMARK(QCustomPlotCrosshairMove)->Unit(benchmark::kMicrosecond)->Repetitions(9)->ReportAggregatesOnly();

}   // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    MedianTable table;
    benchmark::RunSpecifiedBenchmarks(&table);
    const double chart = table.medians["ChartCrosshairMove"], plot = table.medians["QCustomPlotCrosshairMove"];
    if (chart > 0 && plot > 0)
        std::printf("\ncrosshair move: chart %.1f us, QCustomPlot %.1f us, ratio %.2f\n", chart, plot, chart / plot);
    benchmark::Shutdown();
    return 0;
}
