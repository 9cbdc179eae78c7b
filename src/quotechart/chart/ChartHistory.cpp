// REvuved's history methods: loading a ticker and moving between dates and
// day indices.

#include "chart/ChartPrivate.h"
#include "history/HistoryPath.h"
#include "history/HistoryText.h"
#include "history/TradingDays.h"
#include "platform/ErrorCodes.h"

#include <QFile>
#include <QLabel>

namespace quotechart {

namespace {

// The whole file, mapped when possible so any size reads without copying.
class FileText {
public:
    explicit FileText(const QString &path) : file_(path)
    {
        if (!file_.open(QIODevice::ReadOnly))
            return;
        open_ = true;
        if (file_.size() > 0) {
            if (uchar *mapped = file_.map(0, file_.size())) {
                view_ = QByteArrayView(mapped, file_.size());
                return;
            }
        }
        copy_ = file_.readAll();
        view_ = copy_;
    }

    bool isOpen() const { return open_; }
    QByteArrayView text() const { return view_; }

private:
    QFile file_;
    bool open_ = false;
    QByteArray copy_;
    QByteArrayView view_;
};

QString dateAt(const PriceHistory &h, int16_t day)
{
    if (day < 1 || day > PriceHistory::capacity)
        throw ControlError(platform::SubscriptOutOfRange);
    return h.date_array[day];
}

} // namespace

QVariant REvuved::ReadDataFile(QString &Ticker, bool &b_Today_flag)
{
    b_Today_flag = false;
    const std::optional<QString> path = historyFilePath(Ticker);
    const FileText file(path.value_or(QString()));
    ticker_name = Ticker;
    if (!path || !file.isOpen()) {
        d->widgets.CaptionLabel->setText(QString());
        d->history->record_count = 0;
        return {};
    }
    const HistoryHeader header = readHistoryText(file.text(), *d->history);
    d->dates.reset();
    if (header.longHeader) {
        if (header.companyName)
            d->document.company_name = *header.companyName;
        d->widgets.CaptionLabel->setText(d->document.company_name);
    } else {
        d->widgets.CaptionLabel->setText(QString());
    }
    return {};
}

int16_t REvuved::ConvertDateToInteger(QString &str_date) { return dayOfDate(*d->history, d->dates, str_date); }

QString REvuved::StartingDate() const { return dateAt(*d->history, starting_date_local); }

QString REvuved::EndingDate() const { return dateAt(*d->history, ending_date_local); }

QVariant REvuved::convert_trading_date(QString &input_date) { return QVariant(input_date); }

} // namespace quotechart
