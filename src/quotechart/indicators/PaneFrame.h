#pragma once
// The drawing frame every indicator pane shares: the day mapping, the two
// vertical scales, reference lines, ruler ticks and labels, lines and
// histogram bars, and the margin strips. All in twips of the pane surface.
//
// Fixed scale (RSI, stochastics, money flow): 0..100 from H - 50 up to 50.
// Symmetric scale (MACD, EMA difference, momentum, volatility, OBV): zero at
// H / 2 and the largest absolute value M at 50 above and below; M = 0 puts
// every value on the zero line.

#include "indicators/PaneRoutines.h"
#include "calc/PlotSeries.h"
#include "render/DayAxis.h"

#include <QColor>
#include <QPointF>
#include <QString>

#include <cstdint>
#include <optional>
#include <span>

namespace quotechart {

class PaneFrame {
public:
    PaneFrame(const PaneTarget &target, int16_t first, int16_t last);

    double width() const { return width_; }
    double height() const { return height_; }
    // Day i on the exact-slot day axis; empty when there are no slots or
    // their count leaves 16 bits.
    std::optional<double> x(int32_t day) const;
    bool fewDays() const;   // fewer than 130 days: bars are drawn five lines wide

    void useFixedScale();
    void useSymmetricScale(float M);
    double y(double value) const;

    // Starts the pane afresh: erased (the pane region only), black pen one
    // pixel wide.
    void clear();
    void drawReferenceLines();
    // Ticks and labels of the ruler strip for the scale in use; the symmetric
    // labels show `topLabel` at the top and "-" and it at the bottom.
    void drawFixedRuler();
    void drawSymmetricRuler(const QString &topLabel);
    // A polyline from day i + 1 to day i, for i = last down to first, where
    // both days have a point.
    void drawLine(const indicators::PlotSeries &series, const QColor &colour);
    // A bar from the zero line to each visible day's value.
    void drawBars(const indicators::PlotSeries &series, const QColor &colour);
    // Histogram bars, each at x from `from` to `to`, three or five lines wide.
    struct Bar {
        double x, from, to;
    };
    void drawBars(std::span<const Bar> bars);
    // Covers the top and bottom margins with the strip colour.
    void drawMarginStrips();
    // A ruler tick from `fromX` to the strip's right edge, and a label at the
    // ruler's label column.
    void rulerTick(double fromX, double y);
    void rulerLabel(double y, const QString &text);
    // A value of the symmetric scale as its labels show it.
    QString valueLabel(float value) const;

    platform::SurfaceRegion &ruler() { return ruler_; }
    platform::SurfaceRegion &pane() { return pane_; }
    int16_t first() const { return first_; }
    int16_t last() const { return last_; }

private:
    // Where the series' value of a day sits, if it has one and a place.
    std::optional<QPointF> point(const indicators::PlotSeries &series, int32_t day) const;

    platform::SurfaceRegion &ruler_;
    platform::SurfaceRegion &pane_;
    QColor stripColour_;
    QStringView valueFormat_;
    std::vector<RulerLabel> *labels_;
    std::optional<DayAxis> days_;
    int16_t first_;
    int16_t last_;
    double width_;
    double height_;
    double scale_ = 0;   // twips per value unit
    double zeroY_ = 0;   // where value 0 sits
};

}   // namespace quotechart
