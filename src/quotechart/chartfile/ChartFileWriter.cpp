#include "chartfile/ChartFileWriter.h"

namespace quotechart {

const char *const PaneBlockLabels[14] = {
    "Status:",
    "Relative strength periods:",
    "Fast stochastic K periods:",
    "Fast stochastic D periods:",
    "Slow stochastic K periods:",
    "Slow stochastic D periods:",
    "Exponential moving average difference first periods:",
    "Exponential moving average difference second periods:",
    "MACD first periods:",
    "MACD second periods:",
    "MACD signal periods:",
    "Momentum periods:",
    "Volatility first periods:",
    "Volatility second periods:",
};

namespace {

const QByteArray LineEnd = "\r\n";

void labelled(QByteArray &text, const char *label, int value)
{
    text += label;
    text += QByteArray::number(value);
    text += LineEnd;
}

void transactions(QByteArray &text, const char *label, const std::array<int16_t, TransactionTables::capacity + 1> &days,
                  int16_t count)
{
    for (int i = 1; i <= count && i <= TransactionTables::capacity; ++i) {
        if (days[std::size_t(i)] == 0)
            continue;
        text += label;
        text += QByteArray::number(i);
        text += ':';
        text += QByteArray::number(days[std::size_t(i)]);
        text += LineEnd;
    }
}

}   // namespace

bool chartFileHolds(const QString &ticker)
{
    return !ticker.contains(u',') && !ticker.contains(u'\r') && !ticker.contains(u'\n');
}

QByteArray chartFileText(const ChartDocument &doc)
{
    QByteArray text = doc.ticker_name.toLocal8Bit() + LineEnd;
    for (const PaneSettings &pane : doc.state.pane_settings) {
        labelled(text, PaneBlockLabels[0], pane.indicator);
        for (std::size_t field = 0; field < 13; ++field)
            labelled(text, PaneBlockLabels[field + 1], pane.*periodFields[field].member);
    }
    labelled(text, "Starting date index:", doc.starting_date_local);
    labelled(text, "Ending date index:", doc.ending_date_local);
    transactions(text, "Buy #", doc.state.transactions.buy_days, doc.buy_number);
    transactions(text, "Sell #", doc.state.transactions.sell_days, doc.sell_number);
    return text;
}

}   // namespace quotechart
