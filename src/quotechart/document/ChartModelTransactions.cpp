// The chart model's transactions: what may be recorded, recording and
// removing, the list's entries, the gains and the report. A smaller day
// index is a more recent day.

#include "document/ChartModel.h"
#include "document/TransactionsReport.h"
#include "platform/Rounding.h"

#include <algorithm>

namespace quotechart {

namespace {

// Room for one more after `count` recorded. A count a host made negative
// would write below the table: refused.
ChartModel::RecordCheck roomAfter(int16_t count)
{
    if (count >= 0 && count < ChartModel::RecordLimit)
        return ChartModel::RecordCheck::Allowed;
    return count >= ChartModel::RecordLimit ? ChartModel::RecordCheck::Full : ChartModel::RecordCheck::Refused;
}

void dropOne(int16_t &count) { count = platform::sub16(count, 1).value_or(count); }

}   // namespace

ChartModel::RecordCheck ChartModel::mayRecordBuy() const { return roomAfter(buyCount()); }

// The sell may not be older than the last buy, and may fall on its day.
ChartModel::RecordCheck ChartModel::mayRecordSell(int16_t day) const
{
    const int16_t buys = buyCount();
    const bool bought = buys >= 1 && buys <= TransactionTables::capacity;
    if (!bought || day > tables().buy_days[std::size_t(buys)])
        return RecordCheck::NothingBought;
    return roomAfter(sellCount());
}

void ChartModel::recordBuy(int16_t day)
{
    log_.append(buyEntry(history(), day));
    ++buyCount();
    tables().buy_days[std::size_t(buyCount())] = day;
    told();
}

void ChartModel::recordSell(int16_t day)
{
    const int16_t boughtOn = tables().buy_days[std::size_t(buyCount())];
    log_.append(sellEntry(history(), day, boughtOn));
    ++sellCount();
    tables().sell_days[std::size_t(sellCount())] = day;
    told();
}

void ChartModel::removeLastEntry()
{
    const ListEntry *last = log_.last();
    if (!last)
        return;
    dropOne(last->text == SellText ? sellCount() : buyCount());
    log_.removeLast();
}

void ChartModel::removeLastSell()
{
    removeLastEntry();
    if (const ListEntry *last = log_.last(); last && last->text == BuyText)
        removeLastEntry();
    told();
}

void ChartModel::removeLastBuy()
{
    removeLastEntry();
    told();
}

void ChartModel::clearTransactions()
{
    buyCount() = 0;
    sellCount() = 0;
    log_.clear();
    told();
}

void ChartModel::resetGains()
{
    log_.setSumGainText(SumGainCaption);
    log_.setCumGainText(CumGainCaption);
}

void ChartModel::listCountedTransactions()
{
    const TransactionTables &t = tables();
    const int buys = std::min<int>(buyCount(), TransactionTables::capacity);
    for (int i = 1; i <= buys; ++i) {
        log_.append(buyEntry(history(), t.buy_days[std::size_t(i)]));
        if (i <= sellCount())
            log_.append(sellEntry(history(), t.sell_days[std::size_t(i)], t.buy_days[std::size_t(i)]));
    }
    told();
}

void ChartModel::updateSumGain() { log_.setSumGainText(summarizedGainText(log_.entries(), sellCount())); }
void ChartModel::updateCumGain() { log_.setCumGainText(cumulativeGainText(log_.entries(), sellCount())); }

QString ChartModel::transactionsReport() const
{
    return quotechart::transactionsReport(companyName(), log_.entries(), log_.sumGainText(), log_.cumGainText());
}

}   // namespace quotechart
