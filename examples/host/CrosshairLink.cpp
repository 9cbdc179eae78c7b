#include "CrosshairLink.h"

#include "HostDialogs.h"

#include <quotechart/REvuved.h>

QDate dateOfDay(const quotechart::PriceHistory &history, int day)
{
    return day >= 1 && day <= history.record_count ? historyDate(history.date_array[std::size_t(day)]) : QDate();
}

int dayOnOrBefore(const quotechart::PriceHistory &history, QDate date)
{
    const int count = std::min<int>(history.record_count, quotechart::PriceHistory::capacity);
    if (!date.isValid() || count < 1)
        return 0;
    const QDate newest = dateOfDay(history, 1), oldest = dateOfDay(history, count);
    if (!newest.isValid() || !oldest.isValid() || date > newest || date < oldest)
        return 0;
    // The first day (from the newest) dated on or before `date`.
    int low = 1, high = count;
    while (low < high) {
        const int middle = low + (high - low) / 2;
        const QDate at = dateOfDay(history, middle);
        if (at.isValid() && at <= date)
            high = middle;
        else
            low = middle + 1;
    }
    return low;
}

CrosshairLink::CrosshairLink(QObject *parent) : QObject(parent) {}

void CrosshairLink::add(quotechart::REvuved *chart)
{
    charts_.removeAll(nullptr);
    charts_.append(chart);
    connect(chart, &quotechart::REvuved::crosshairMoved, this, [this, chart](int day) { follow(chart, day); });
}

void CrosshairLink::setEnabled(bool on)
{
    if (on == enabled_)
        return;
    enabled_ = on;
    if (on)
        return;
    spreading_ = true;
    for (const QPointer<quotechart::REvuved> &chart : std::as_const(charts_))
        if (chart && chart != leader_)
            chart->showCrosshairAt(0);
    spreading_ = false;
}

void CrosshairLink::follow(quotechart::REvuved *source, int day)
{
    if (!enabled_ || spreading_)
        return;
    leader_ = source;
    const QDate date = dateOfDay(source->history(), day);
    spreading_ = true;
    for (const QPointer<quotechart::REvuved> &chart : std::as_const(charts_))
        if (chart && chart != source)
            chart->showCrosshairAt(date.isValid() ? dayOnOrBefore(chart->history(), date) : 0);
    spreading_ = false;
}
