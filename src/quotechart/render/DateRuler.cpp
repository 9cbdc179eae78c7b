#include "render/DateRuler.h"

#include "platform/DateText.h"
#include "platform/SurfaceRegion.h"
#include "render/GridStyle.h"
#include "render/MonthLetters.h"

#include <QDate>

#include <optional>

namespace quotechart {

namespace {

constexpr double TickLength = 100;
constexpr double LongTickLength = 150;
constexpr double QuarterTickEnd = 130;

// One visited day: where it sits, its date if it reads as one, and whether a
// month starts there.
struct VisitedDay {
    int k = 0;
    double x = 0;
    std::optional<QDate> date;
    bool monthStart = false;
};

class DateRulerPainter {
public:
    DateRulerPainter(platform::SurfaceRegion &ruler, platform::SurfaceRegion &pane, bool verticalGrid)
        : ruler_(ruler), pane_(pane), verticalGrid_(verticalGrid), pixel_(ruler.twipsPerPixelX())
    {}

    void draw(DateRulerStyle style, const PriceHistory &h, const VisitedDay &day)
    {
        switch (style) {
        case DateRulerStyle::EveryDate: everyDate(h, day); break;
        case DateRulerStyle::DayNumbers: dayNumbers(day); break;
        case DateRulerStyle::Months: months(day); break;
        case DateRulerStyle::QuarterNames: quarters(day, false); break;
        case DateRulerStyle::QuarterLetters: quarters(day, true); break;
        }
    }

private:
    void tick(double x) { ruler_.line(x, 0, x, TickLength); }
    void grid(double x)
    {
        if (verticalGrid_)
            drawGridLine(pane_, x, 0, x, pane_.scaleHeight());
    }
    // Prints at the tick's foot, moved left by `shift` twips.
    void label(double x, double shift, const QString &text)
    {
        ruler_.setCurrent(x - shift, TickLength);
        ruler_.print(text);
    }

    void everyDate(const PriceHistory &h, const VisitedDay &day)
    {
        tick(day.x);
        grid(day.x);
        if (day.k >= 1 && day.k <= PriceHistory::capacity)
            label(day.x, 20 * pixel_, h.date_array[day.k]);
    }

    void dayNumbers(const VisitedDay &day)
    {
        tick(day.x);
        grid(day.x);
        if (!day.date)
            return;
        if (day.monthStart)
            label(day.x, 10 * pixel_, platform::formatDate(*day.date, u"mmm"));
        else
            label(day.x, 7 * pixel_, platform::formatDate(*day.date, u"d"));
    }

    void months(const VisitedDay &day)
    {
        tick(day.x);
        if (!day.monthStart || !day.date)
            return;
        const int month = day.date->month();
        if (month == 1 || month == 7)
            label(day.x, 150, platform::formatDate(*day.date, u"mmm,yy"));
        else
            label(day.x, 8 * pixel_, platform::formatDate(*day.date, u"mmm"));
        ruler_.line(day.x, 0, day.x, LongTickLength);
        grid(day.x);
    }

    void quarters(const VisitedDay &day, bool letters)
    {
        if (!day.monthStart || !day.date)
            return;
        tick(day.x);
        const int month = day.date->month();
        const bool quarterMonth = month == 4 || month == 7 || month == 10;
        if (month == 1) {
            label(day.x, 120, QLatin1String(MonthLetters[0]) + u',' + platform::formatDate(*day.date, u"yy"));
            grid(day.x);
        } else if (quarterMonth && !letters) {
            label(day.x, 120, platform::formatDate(*day.date, u"mmm"));
            grid(day.x);
        } else if (quarterMonth) {
            grid(day.x);
            label(day.x, pixel_, QLatin1String(MonthLetters[month - 1]));
        }
        if (letters && (month == 1 || quarterMonth))
            ruler_.line(day.x, TickLength, day.x, QuarterTickEnd);
    }

    platform::SurfaceRegion &ruler_;
    platform::SurfaceRegion &pane_;
    bool verticalGrid_;
    double pixel_;
};

}   // namespace

DateRulerStyle dateRulerStyle(int n)
{
    if (n <= 8)
        return DateRulerStyle::EveryDate;
    if (n <= 29)
        return DateRulerStyle::DayNumbers;
    if (n <= 299)
        return DateRulerStyle::Months;
    if (n <= 499)
        return DateRulerStyle::QuarterNames;
    return DateRulerStyle::QuarterLetters;
}

void drawDateRuler(platform::SurfaceRegion &ruler, platform::SurfaceRegion &pane, const PriceHistory &h,
                   DayDates &dates, const DayAxis &axis, bool verticalGrid)
{
    const int16_t s = axis.newest(), e = axis.oldest();
    const DateRulerStyle style = dateRulerStyle(e - s + 1);
    DateRulerPainter painter(ruler, pane, verticalGrid);
    int olderDayNumber = 0;   // the first visited day is never a month start
    int dayNumber = 0;
    for (int k = e; k >= s; --k) {
        VisitedDay day;
        day.k = k;
        day.x = axis.x(k);
        day.date = dates.at(h, k);
        if (day.date)
            dayNumber = day.date->day();   // an unreadable date keeps the last day number
        day.monthStart = dayNumber < olderDayNumber;
        olderDayNumber = dayNumber;
        painter.draw(style, h, day);
    }
}

}   // namespace quotechart
