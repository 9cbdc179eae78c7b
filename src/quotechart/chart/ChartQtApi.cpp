// REvuved's face for Qt developers, beside the interface of old: data from
// memory, properties with their change signals, and slots to connect to.

#include "chart/ChartPrivate.h"
#include "controllers/CaptionText.h"
#include "history/HistoryFromMemory.h"
#include "history/HistoryPath.h"

#include <QFileInfo>
#include <QLabel>

#include <algorithm>

namespace quotechart {

bool REvuved::loadHistory(const QString &ticker, const QList<DayPrices> &newestFirst, const QString &companyName)
{
    ChartModel &model = d->model;
    if (!storeHistory(newestFirst, model.history()))
        return false;
    model.historyReplaced();
    d->follower->follow(QString());
    model.ticker() = ticker;
    if (!companyName.isNull()) {
        model.companyName() = companyName;
        d->widgets.dayReadout->setText(shownInLabel(companyName, *d->widgets.dayReadout));
    }
    emit historyLoaded(ticker, model.history().record_count);
    return true;
}

bool REvuved::openTicker(const QString &ticker, int days)
{
    const std::optional<QString> path = historyFilePath(ticker);
    if (!path || !QFileInfo(*path).isFile())
        return false;
    QString name = ticker;
    bool today = false;
    ReadDataFile(name, today);
    const int loaded = d->model.history().record_count;
    setVisibleRange(1, std::clamp(days, 1, std::max(loaded, 1)));
    return true;
}

// Clamped to the loaded days as paging clamps: the newest day from 1, the
// oldest no further back than the oldest loaded day. Without a history the
// window stays.
void REvuved::setVisibleRange(int newestDay, int oldestDay)
{
    const int loaded = d->model.history().record_count;
    if (loaded > 0) {
        const int newest = std::clamp(std::min(newestDay, oldestDay), 1, loaded);
        const int oldest = std::clamp(std::max(newestDay, oldestDay), newest, loaded);
        d->model.setRange({int16_t(newest), int16_t(oldest)});
    }
    d->redraw();
}

void REvuved::showCrosshairAt(int day) { d->crosshair->showAt(std::clamp(day, 0, int(PriceHistory::capacity))); }

int REvuved::newestDay() const { return starting_date_local; }
int REvuved::oldestDay() const { return ending_date_local; }
void REvuved::setNewestDay(int day) { setVisibleRange(day, ending_date_local); }
void REvuved::setOldestDay(int day) { setVisibleRange(starting_date_local, day); }
int REvuved::dayCount() const { return d->model.history().record_count; }
QString REvuved::ticker() const { return ticker_name; }

namespace {

// A drawing switch set by the host: redrawn when it changes, which tells
// the host through the switch's signal as any other change does.
template <typename Value> void setSwitch(REvuved::Private &d, Value &flag, Value on)
{
    if (flag == on)
        return;
    flag = on;
    d.redraw();
}

static_assert(int(REvuved::HighLowClose) == int(PriceStyle::HighLowClose) &&
              int(REvuved::OpenHighLowClose) == int(PriceStyle::OpenHighLowClose) &&
              int(REvuved::Candlestick) == int(PriceStyle::Candlestick));

}   // namespace

bool REvuved::envelopes() const { return d->model.switches().envelopes_flag; }
bool REvuved::bollingerBands() const { return d->model.switches().bollinger_flag; }
bool REvuved::highLowClose() const { return d->model.switches().high_low_close_flag; }
bool REvuved::verticalGrid() const { return d->model.switches().vertical_grid_flag; }
bool REvuved::horizontalGrid() const { return d->model.switches().horizontal_grid_flag; }
void REvuved::setMovingAverage10(bool on) { setSwitch(*d, d->model.switches().ma10_flag, on); }
void REvuved::setMovingAverage50(bool on) { setSwitch(*d, d->model.switches().ma50_flag, on); }
void REvuved::setMovingAverage200(bool on) { setSwitch(*d, d->model.switches().ma200_flag, on); }
void REvuved::setCustomMovingAverage(bool on) { setSwitch(*d, d->model.switches().macustom_flag, on); }
void REvuved::setEnvelopes(bool on) { setSwitch(*d, d->model.switches().envelopes_flag, on); }
void REvuved::setBollingerBands(bool on) { setSwitch(*d, d->model.switches().bollinger_flag, on); }
void REvuved::setHighLowClose(bool on) { setSwitch(*d, d->model.switches().high_low_close_flag, on); }
void REvuved::setVerticalGrid(bool on) { setSwitch(*d, d->model.switches().vertical_grid_flag, on); }
void REvuved::setHorizontalGrid(bool on) { setSwitch(*d, d->model.switches().horizontal_grid_flag, on); }
bool REvuved::logarithmicScale() const { return d->model.switches().logarithmic_scale_flag; }
void REvuved::setLogarithmicScale(bool on) { setSwitch(*d, d->model.switches().logarithmic_scale_flag, on); }
REvuved::PriceStyle REvuved::priceStyle() const { return PriceStyle(int(d->model.switches().price_style)); }

void REvuved::setPriceStyle(PriceStyle style)
{
    if (style != HighLowClose && style != OpenHighLowClose && style != Candlestick)
        return;
    setSwitch(*d, d->model.switches().price_style, quotechart::PriceStyle(int(style)));
}

// Whatever changed the range or the switches since the host was last told
// (the user, a host call, a chart file, a timer) is told once.
void REvuved::Private::announceChanges()
{
    const VisibleRange range = model.range();
    if (range != announced.range) {
        announced.range = range;
        emit chart.visibleRangeChanged(range.s, range.e);
    }
    const DrawingSwitches on = model.switches();
    const DrawingSwitches was = std::exchange(announced.switches, on);
    const std::pair<bool DrawingSwitches::*, void (REvuved::*)(bool)> notices[] = {
        {&DrawingSwitches::ma10_flag, &REvuved::movingAverage10Changed},
        {&DrawingSwitches::ma50_flag, &REvuved::movingAverage50Changed},
        {&DrawingSwitches::ma200_flag, &REvuved::movingAverage200Changed},
        {&DrawingSwitches::macustom_flag, &REvuved::customMovingAverageChanged},
        {&DrawingSwitches::envelopes_flag, &REvuved::envelopesChanged},
        {&DrawingSwitches::bollinger_flag, &REvuved::bollingerBandsChanged},
        {&DrawingSwitches::high_low_close_flag, &REvuved::highLowCloseChanged},
        {&DrawingSwitches::vertical_grid_flag, &REvuved::verticalGridChanged},
        {&DrawingSwitches::horizontal_grid_flag, &REvuved::horizontalGridChanged},
        {&DrawingSwitches::logarithmic_scale_flag, &REvuved::logarithmicScaleChanged},
    };
    for (const auto &[flag, notice] : notices)
        if (on.*flag != was.*flag)
            emit(chart.*notice)(on.*flag);
    if (on.price_style != was.price_style)
        emit chart.priceStyleChanged(REvuved::PriceStyle(int(on.price_style)));
}

void REvuved::Private::announceCrosshair(int day)
{
    if (day == announced.crosshairDay)
        return;
    announced.crosshairDay = day;
    emit chart.crosshairMoved(day);
}

}   // namespace quotechart
