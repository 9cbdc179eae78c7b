#pragma once
// One chart's state, in one place: the loaded history and its dates, the
// document (what a chart file saves and the printer reads), the price scale
// of the last drawing, the candlesticks' colours from the settings store, the
// recorded transactions as the list shows them, and the way to the overlay
// parameters that the charts of a thread share.
//
// Part of the document is REvuved's public variables, which hosts read and
// write directly; the model works on them in place, so the two never
// disagree.

#include "document/ChartDocument.h"
#include "document/OverlayParameters.h"
#include "document/PriceScale.h"
#include "document/CandleColours.h"
#include "document/TransactionLog.h"
#include "document/VisibleRange.h"
#include "history/DayDates.h"
#include "quotechart/PriceHistory.h"

#include <QString>

#include <array>
#include <cstdint>
#include <functional>
#include <memory>

namespace quotechart {

// REvuved's public variables that belong to the document.
struct PublicVariables {
    QString &ticker_name;
    int16_t &buy_number;
    int16_t &sell_number;
    int16_t &starting_date_local;
    int16_t &ending_date_local;
};

class ChartModel {
public:
    explicit ChartModel(PublicVariables variables);
    ChartModel(const ChartModel &) = delete;
    ChartModel &operator=(const ChartModel &) = delete;

    // The loaded history; its dates are read as they are needed, and read
    // afresh after historyReplaced().
    PriceHistory &history() { return *history_; }
    const PriceHistory &history() const { return *history_; }
    DayDates &dates() { return dates_; }
    void historyReplaced() { dates_.reset(); }

    // The document.
    QString &ticker() { return public_.ticker_name; }
    const QString &ticker() const { return public_.ticker_name; }
    int16_t &newestDay() { return public_.starting_date_local; }   // the right edge
    int16_t &oldestDay() { return public_.ending_date_local; }     // the left edge
    VisibleRange range() const { return {public_.starting_date_local, public_.ending_date_local}; }
    void setRange(VisibleRange range);
    DrawingSwitches &switches() { return state_.switches; }
    const DrawingSwitches &switches() const { return state_.switches; }
    std::array<PaneSettings, PaneCount> &panes() { return state_.pane_settings; }
    const std::array<PaneSettings, PaneCount> &panes() const { return state_.pane_settings; }
    QString &companyName() { return state_.company_name; }
    const QString &companyName() const { return state_.company_name; }
    TransactionTables &tables() { return state_.transactions; }
    const TransactionTables &tables() const { return state_.transactions; }
    int16_t &buyCount() { return public_.buy_number; }
    int16_t &sellCount() { return public_.sell_number; }
    int16_t buyCount() const { return public_.buy_number; }
    int16_t sellCount() const { return public_.sell_number; }
    // What the chart keeps of its document behind its interface.
    DocumentState &state() { return state_; }

    // The whole document as one value, for writers and the printer, and
    // back from a reader.
    ChartDocument document() const;
    void adopt(const ChartDocument &document);

    // The price pane's scale as the last drawing fixed it.
    PriceScale &scale() { return scale_; }
    const PriceScale &scale() const { return scale_; }
    // Read from the settings store at start-up and by SetColors.
    CandleColours &candleColours() { return candleColours_; }
    const CandleColours &candleColours() const { return candleColours_; }
    // Shared by every chart of this thread.
    OverlayParameters &overlays() { return overlayParameters(); }
    const OverlayParameters &overlays() const { return overlayParameters(); }

    // The recorded transactions: checks, recording and removing, the list's
    // entries and the gains (ChartModelTransactions.cpp).
    enum class RecordCheck {
        Allowed,
        Full,            // the user records at most 125 of a kind
        NothingBought,   // a sell needs a buy that is not more recent than it
        Refused,         // a count a host made negative
    };
    RecordCheck mayRecordBuy() const;
    RecordCheck mayRecordSell(int16_t day) const;
    void recordBuy(int16_t day);
    void recordSell(int16_t day);   // closes the last buy
    // The last entry, a sell, and the buy it closed when that is then the
    // last (after a sell following a sell the entry before is no buy and
    // stays); or the last entry, a buy.
    void removeLastSell();
    void removeLastBuy();
    // Every count back to 0 and the list emptied; the gains keep their texts
    // until resetGains() puts back their captions.
    void clearTransactions();
    void resetGains();
    // Appends an entry for every counted transaction (buy 1, sell 1, buy 2, ...).
    void listCountedTransactions();
    void updateSumGain();
    void updateCumGain();
    QString transactionsReport() const;
    TransactionLog &transactionLog() { return log_; }
    const TransactionLog &transactionLog() const { return log_; }
    // Told once after each of the changes above that changes the
    // transactions (not the gains).
    void setTransactionsChanged(std::function<void()> told) { transactionsChanged_ = std::move(told); }

    static constexpr int16_t RecordLimit = 125;

private:
    PublicVariables public_;
    std::unique_ptr<PriceHistory> history_;
    DayDates dates_;
    DocumentState state_;
    PriceScale scale_;
    CandleColours candleColours_;
    TransactionLog log_;
    std::function<void()> transactionsChanged_;

    void removeLastEntry();
    void told() const
    {
        if (transactionsChanged_)
            transactionsChanged_();
    }
};

}   // namespace quotechart
