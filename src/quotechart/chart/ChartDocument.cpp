#include "document/ChartDocument.h"

#include "chart/ChartPrivate.h"

namespace quotechart {

ChartDocument REvuved::Private::documentOf(const REvuved &chart)
{
    ChartDocument document;
    document.ticker_name = chart.ticker_name;
    document.starting_date_local = chart.starting_date_local;
    document.ending_date_local = chart.ending_date_local;
    document.buy_number = chart.buy_number;
    document.sell_number = chart.sell_number;
    document.state = chart.d->document;
    return document;
}

void REvuved::Private::adoptDocument(REvuved &chart, const ChartDocument &document)
{
    chart.ticker_name = document.ticker_name;
    chart.starting_date_local = document.starting_date_local;
    chart.ending_date_local = document.ending_date_local;
    chart.buy_number = document.buy_number;
    chart.sell_number = document.sell_number;
    chart.d->document = document.state;
}

}   // namespace quotechart
