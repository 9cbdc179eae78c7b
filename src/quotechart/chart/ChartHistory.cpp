// REvuved's history methods: loading a ticker and moving between dates and
// day indices.

#include "chart/ChartPrivate.h"
#include "controllers/CaptionText.h"
#include "history/HistoryFile.h"
#include "history/HistoryPath.h"
#include "history/HistoryText.h"
#include "history/TradingDays.h"
#include "platform/ErrorCodes.h"

#include <QLabel>

namespace quotechart {

namespace {

QString dateAt(const PriceHistory &h, int16_t day)
{
    if (day < 1 || day > PriceHistory::capacity)
        throw ControlError(platform::SubscriptOutOfRange);
    return h.date_array[day];
}

}   // namespace

QVariant REvuved::ReadDataFile(QString &Ticker, bool &b_Today_flag)
{
    b_Today_flag = false;
    const std::optional<QString> path = historyFilePath(Ticker);
    const std::optional<QByteArray> text = path ? readHistoryFile(*path) : std::nullopt;
    d->model.ticker() = Ticker;
    if (!text) {
        d->widgets.dayReadout->setText(QString());
        d->model.history().record_count = 0;
    } else {
        const HistoryHeader header = readHistoryText(*text, d->model.history());
        d->model.historyReplaced();
        if (header.longHeader) {
            if (header.companyName)
                d->model.companyName() = *header.companyName;
            d->widgets.dayReadout->setText(shownInLabel(d->model.companyName(), *d->widgets.dayReadout));
        } else {
            d->widgets.dayReadout->setText(QString());
        }
    }
    d->follower->follow(path.value_or(QString()));
    emit historyLoaded(ticker_name, d->model.history().record_count);
    return {};
}

int16_t REvuved::ConvertDateToInteger(QString &str_date)
{
    return dayOfDate(d->model.history(), d->model.dates(), str_date);
}

QString REvuved::StartingDate() const { return dateAt(d->model.history(), starting_date_local); }

QString REvuved::EndingDate() const { return dateAt(d->model.history(), ending_date_local); }

QVariant REvuved::convert_trading_date(QString &input_date) { return QVariant(input_date); }

}   // namespace quotechart
