#include "printing/PaperDateRuler.h"

#include "platform/DateText.h"
#include "platform/SurfaceRegion.h"
#include "printing/PageLayout.h"
#include "render/MonthLetters.h"

#include <QDate>

#include <optional>

namespace quotechart {

namespace {

constexpr double TickLength = 20;
constexpr double LongTickLength = 60;
constexpr double LabelDrop = 25;

class PaperDatePainter {
public:
    PaperDatePainter(platform::SurfaceRegion &page, const PageLayout &layout) : page_(page), p_(layout) {}

    void tick(double x, double length = TickLength)
    {
        page_.line(x, p_.priceBottom(), x, p_.priceBottom() + length, Qt::black);
    }
    void grid(double x)
    {
        page_.setDrawStyle(platform::LineStyle::Dot);
        page_.line(x, PageLayout::FrameTop, x, p_.priceBottom(), Qt::black);
        page_.line(x, p_.priceBottom() + 100, x, p_.frameBottom(), Qt::black);
        page_.setDrawStyle(platform::LineStyle::Solid);
    }
    void label(double x, double shift, const QString &text)
    {
        page_.setForeColor(Qt::black);
        page_.setCurrent(x - shift, p_.priceBottom() + LabelDrop);
        page_.print(text);
    }

    void day(PaperDateStyle style, double x, const std::optional<QDate> &date, bool monthStart)
    {
        switch (style) {
        case PaperDateStyle::EveryDate:
            tick(x);
            grid(x);
            if (date)
                label(x, 65, platform::formatDate(*date, u"d,mmm,yy"));
            break;
        case PaperDateStyle::DayNumbers:
            tick(x);
            grid(x);
            if (date)
                monthStart ? label(x, 45, platform::formatDate(*date, u"mmm,yy"))
                           : label(x, 20, platform::formatDate(*date, u"d"));
            break;
        case PaperDateStyle::Months:
            tick(x);
            if (monthStart && date) {
                grid(x);
                label(x, 45, platform::formatDate(*date, u"mmm,yy"));
            }
            break;
        default:
            if (monthStart && date)
                quarter(style, x, *date);
        }
    }

private:
    void quarter(PaperDateStyle style, double x, const QDate &date)
    {
        const QString month = platform::formatDate(date, u"mmm");
        const bool january = month == u"Jan";
        if (!january && month != u"Apr" && month != u"Jul" && month != u"Oct") {
            tick(x);
            return;
        }
        tick(x, LongTickLength);
        grid(x);
        if (!january)
            label(x, 22, month);
        else if (style == PaperDateStyle::QuartersLong)
            label(x, 45, platform::formatDate(date, u"mmm,yyyy"));
        else if (style == PaperDateStyle::QuartersLetters)
            label(x, 22, QLatin1String(MonthLetters[date.month() - 1]) + u',' + platform::formatDate(date, u"yy"));
        else
            label(x, 45, platform::formatDate(date, u"mmm,yy"));
    }

    platform::SurfaceRegion &page_;
    const PageLayout &p_;
};

}   // namespace

PaperDateStyle paperDateStyle(int n)
{
    if (n < 13)
        return PaperDateStyle::EveryDate;
    if (n <= 29)
        return PaperDateStyle::DayNumbers;
    if (n <= 99)
        return PaperDateStyle::Months;
    if (n <= 299)
        return PaperDateStyle::QuartersLong;
    if (n <= 699)
        return PaperDateStyle::QuartersLetters;
    return PaperDateStyle::QuartersShort;
}

void drawPaperDateRuler(platform::SurfaceRegion &page, const PageLayout &layout, const PriceHistory &h, DayDates &dates,
                        const DayAxis &days)
{
    const int16_t s = days.newest(), e = days.oldest();
    const PaperDateStyle style = paperDateStyle(e - s + 1);
    PaperDatePainter painter(page, layout);
    int previousDay = 0;   // the first visited day is never a month start
    int dayNumber = 0;
    for (int k = e; k >= s; --k) {
        const std::optional<QDate> date = dates.at(h, k);
        if (date)
            dayNumber = date->day();   // an unreadable date keeps the last day number
        const bool monthStart = previousDay != 0 && dayNumber <= previousDay;
        previousDay = dayNumber;
        painter.day(style, PageLayout::BandRight + days.x(k), date, monthStart);
    }
}

}   // namespace quotechart
