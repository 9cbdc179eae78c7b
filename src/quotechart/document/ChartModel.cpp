#include "document/ChartModel.h"

namespace quotechart {

ChartModel::ChartModel(PublicVariables variables) : public_(variables), history_(std::make_unique<PriceHistory>()) {}

void ChartModel::setRange(VisibleRange range)
{
    public_.starting_date_local = range.s;
    public_.ending_date_local = range.e;
}

ChartDocument ChartModel::document() const
{
    ChartDocument document;
    document.ticker_name = public_.ticker_name;
    document.starting_date_local = public_.starting_date_local;
    document.ending_date_local = public_.ending_date_local;
    document.buy_number = public_.buy_number;
    document.sell_number = public_.sell_number;
    document.state = state_;
    return document;
}

void ChartModel::adopt(const ChartDocument &document)
{
    public_.ticker_name = document.ticker_name;
    public_.starting_date_local = document.starting_date_local;
    public_.ending_date_local = document.ending_date_local;
    public_.buy_number = document.buy_number;
    public_.sell_number = document.sell_number;
    state_ = document.state;
}

}   // namespace quotechart
