#include "indicators/PaneFrame.h"

#include "platform/NumberFormat.h"
#include "platform/SurfaceRegion.h"
#include "render/Margins.h"

#include <QLineF>

#include <algorithm>
#include <vector>

namespace quotechart {

namespace {

constexpr double Margin = PaneMargin;
constexpr double BarSpread = 15;   // twips between the lines of a bar
constexpr int WideBarDays = 130;   // below this many days bars get five lines
constexpr double LabelX = 50;

}   // namespace

PaneFrame::PaneFrame(const PaneTarget &target, int16_t first, int16_t last)
    : ruler_(target.ruler), pane_(target.pane), stripColour_(target.stripColour), valueFormat_(target.valueFormat),
      labels_(target.labels), days_(DayAxis::exactSlots(target.pane.scaleWidth(), first, last)), first_(first),
      last_(last), width_(target.pane.scaleWidth()), height_(target.pane.scaleHeight())
{}

std::optional<double> PaneFrame::x(int32_t day) const
{
    if (!days_)
        return std::nullopt;
    return days_->x(day);
}

bool PaneFrame::fewDays() const { return last_ - first_ < WideBarDays; }

void PaneFrame::useFixedScale()
{
    scale_ = (height_ - 2 * Margin) / 100;
    zeroY_ = height_ - Margin;
}

void PaneFrame::useSymmetricScale(float M)
{
    scale_ = M != 0 ? (height_ - 2 * Margin) / (2 * double(M)) : 0.0;
    zeroY_ = height_ / 2;
}

double PaneFrame::y(double value) const { return zeroY_ - value * scale_; }

void PaneFrame::clear()
{
    pane_.clear();
    pane_.setForeColor(Qt::black);
    pane_.setDrawWidth(1);
}

void PaneFrame::drawReferenceLines()
{
    for (const double y : {height_ / 2, height_ - Margin, Margin})
        pane_.line(0, y, width_, y, Qt::black);
}

void PaneFrame::rulerTick(double fromX, double y) { ruler_.line(fromX, y, ruler_.scaleWidth(), y); }

void PaneFrame::rulerLabel(double y, const QString &text)
{
    if (labels_) {
        labels_->push_back({LabelX, y, text});
        return;
    }
    ruler_.setCurrent(LabelX, y);
    ruler_.print(text);
}

QString PaneFrame::valueLabel(float value) const { return platform::formatNumber(value, valueFormat_); }

void PaneFrame::drawFixedRuler()
{
    rulerTick(250, height_ - Margin);
    rulerTick(350, height_ / 2);
    rulerTick(450, Margin);
    rulerLabel(0, QStringLiteral("100"));
    rulerLabel(height_ / 2 - 100, QStringLiteral("50"));
    rulerLabel(height_ - 200, QStringLiteral("0"));
}

void PaneFrame::drawSymmetricRuler(const QString &topLabel)
{
    rulerTick(550, height_ / 2);
    rulerTick(550, height_ - Margin);
    rulerTick(550, Margin);
    rulerLabel(25, topLabel);
    rulerLabel(height_ / 2 - 100, QStringLiteral("0"));
    rulerLabel(height_ - 200, QStringLiteral("-") + topLabel);
}

void PaneFrame::drawLine(const indicators::PlotSeries &series, const QColor &colour)
{
    pane_.setForeColor(colour);
    // Segments from day i + 1 to day i where both have a point: one polyline
    // for each run of days with points, oldest first.
    std::vector<QPointF> run;
    run.reserve(std::size_t(std::max(0, last_ - first_ + 2)));
    for (int32_t i = last_ + 1; i >= first_; --i) {
        if (const std::optional<QPointF> p = point(series, i)) {
            run.push_back(*p);
            continue;
        }
        pane_.polyline(run);
        run.clear();
    }
    pane_.polyline(run);
}

std::optional<QPointF> PaneFrame::point(const indicators::PlotSeries &series, int32_t day) const
{
    const std::optional<double> value = series.at(day);
    const std::optional<double> dayX = value ? x(day) : std::nullopt;
    if (!dayX)
        return std::nullopt;
    return QPointF(*dayX, y(*value));
}

void PaneFrame::drawBars(const indicators::PlotSeries &series, const QColor &colour)
{
    pane_.setForeColor(colour);
    pane_.setDrawWidth(1);
    std::vector<Bar> bars;
    bars.reserve(std::size_t(std::max(0, last_ - first_ + 1)));
    for (int32_t i = last_; i >= first_; --i) {
        const auto value = series.at(i);
        const auto dayX = x(i);
        if (value && dayX)
            bars.push_back({*dayX, zeroY_, y(*value)});
    }
    drawBars(bars);
}

void PaneFrame::drawBars(std::span<const Bar> bars)
{
    // Where a pixel is as wide as the lines' spacing (a 96-dpi screen) the
    // lines are adjacent pixels, a solid bar. Finer pixels (a 2x screen, a
    // printer) would show them as stripes of hairlines, so the bar is filled
    // over the width the lines cover there, one spacing per line.
    if (pane_.twipsPerPixelX() < BarSpread) {
        for (const Bar &bar : bars)
            pane_.bar(bar.x, (fewDays() ? 5 : 3) * BarSpread, bar.from, bar.to);
        return;
    }
    std::vector<QLineF> lines;
    lines.reserve(bars.size() * (fewDays() ? 5 : 3));
    for (const Bar &bar : bars) {
        for (const double offset : {-BarSpread, 0.0, BarSpread})
            lines.emplace_back(bar.x + offset, bar.from, bar.x + offset, bar.to);
        if (fewDays()) {
            lines.emplace_back(bar.x + 2 * BarSpread, bar.from, bar.x + 2 * BarSpread, bar.to);
            lines.emplace_back(bar.x - 2 * BarSpread, bar.from, bar.x - 2 * BarSpread, bar.to);
        }
    }
    pane_.lines(lines);
}

void PaneFrame::drawMarginStrips()
{
    pane_.fillBox(0, 0, width_, Margin, stripColour_);
    pane_.fillBox(0, height_ - Margin, width_, height_, stripColour_);
}

}   // namespace quotechart
