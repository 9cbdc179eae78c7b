#pragma once
// Linked crosshairs: the crosshair on one chart shows the same date on every
// other linked chart, at its nearest trading day on or before that date, and
// on none where the date lies outside its history. Charts are linked by date,
// not by day number, since each history has its own days.

#include <QDate>
#include <QList>
#include <QObject>
#include <QPointer>

namespace quotechart {
class REvuved;
struct PriceHistory;
}   // namespace quotechart

// The newest day of `history` dated on or before `date`; 0 when the date is
// before its oldest day or after its newest, or a date cannot be read.
// Day 1 is the newest: the dates fall as the days rise, so the search halves.
int dayOnOrBefore(const quotechart::PriceHistory &history, QDate date);
// The date of `day`, or an invalid date.
QDate dateOfDay(const quotechart::PriceHistory &history, int day);

class CrosshairLink : public QObject {
    Q_OBJECT
public:
    explicit CrosshairLink(QObject *parent = nullptr);

    // Links `chart` until it is destroyed.
    void add(quotechart::REvuved *chart);
    bool isEnabled() const { return enabled_; }
    // Switched off, each chart's crosshair is its own again; those shown for
    // another chart go.
    void setEnabled(bool on);

private:
    void follow(quotechart::REvuved *source, int day);

    QList<QPointer<quotechart::REvuved>> charts_;
    QPointer<quotechart::REvuved> leader_;   // whose crosshair the others show
    bool enabled_ = true;
    bool spreading_ = false;   // the others' own signals while they follow are not followed
};
