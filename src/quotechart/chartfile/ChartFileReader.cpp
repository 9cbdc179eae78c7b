#include "chartfile/ChartFileReader.h"

#include "platform/ErrorCodes.h"
#include "platform/NumberText.h"
#include "platform/Rounding.h"
#include "quotechart/ControlError.h"

namespace quotechart {

namespace {

// The items of a text, one after the other.
class ItemReader {
public:
    explicit ItemReader(QByteArrayView text) : text_(text) {}

    bool atEnd() const { return at_ >= text_.size(); }

    QString next()
    {
        if (atEnd())
            throw ControlError(platform::InputPastEndOfFile);
        qsizetype end = at_;
        while (end < text_.size() && text_[end] != ',' && text_[end] != '\r' && text_[end] != '\n')
            ++end;
        QByteArrayView item = text_.sliced(at_, end - at_);
        at_ = end;
        skipSeparator();
        while (!item.isEmpty() && (item.front() == ' ' || item.front() == '\t'))
            item = item.sliced(1);
        if (item.size() >= 2 && item.front() == '"' && item.back() == '"')
            item = item.sliced(1, item.size() - 2);
        return QString::fromLocal8Bit(item);
    }

private:
    // A comma, or one line end (CR LF, CR or LF).
    void skipSeparator()
    {
        if (atEnd())
            return;
        if (text_[at_] == ',') {
            ++at_;
            return;
        }
        if (text_[at_] == '\r')
            ++at_;
        if (!atEnd() && text_[at_] == '\n')
            ++at_;
    }

    QByteArrayView text_;
    qsizetype at_ = 0;
};

int16_t valueOf(const QString &item)
{
    const qsizetype colon = item.indexOf(u':');
    const std::optional<double> number =
        platform::strictNumber(colon < 0 ? QStringView(item) : QStringView(item).sliced(colon + 1));
    if (!number)
        throw ControlError(platform::TypeMismatch);
    const std::optional<int16_t> value = platform::toInt16(*number);
    if (!value)
        throw ControlError(platform::Overflow);
    return *value;
}

void addTransaction(int16_t &count, std::array<int16_t, TransactionTables::capacity + 1> &days, int16_t day)
{
    if (count >= TransactionTables::capacity)
        return;
    ++count;
    days[std::size_t(count)] = day;
}

}   // namespace

void readChartFile(QByteArrayView text, ChartDocument &t, const std::function<void(int k)> &indicatorStored)
{
    ItemReader items(text);
    t.ticker_name = items.next();
    for (int k = 0; k < PaneCount; ++k) {
        t.state.pane_settings[std::size_t(k)].indicator = valueOf(items.next());
        if (indicatorStored)
            indicatorStored(k);
        PaneSettings &pane = t.state.pane_settings[std::size_t(k)];
        for (std::size_t field = 0; field < 13; ++field)
            pane.*periodFields[field].member = valueOf(items.next());
    }
    t.starting_date_local = valueOf(items.next());
    t.ending_date_local = valueOf(items.next());
    t.buy_number = 0;
    t.sell_number = 0;
    while (!items.atEnd()) {
        const QString item = items.next();
        if (item.size() < 2)
            continue;
        const bool buy = item.contains(u"buy", Qt::CaseInsensitive);
        const bool sell = item.contains(u"sell", Qt::CaseInsensitive);
        if (!buy && !sell)
            continue;
        const int16_t day = valueOf(item);
        if (buy)
            addTransaction(t.buy_number, t.state.transactions.buy_days, day);
        if (sell)
            addTransaction(t.sell_number, t.state.transactions.sell_days, day);
    }
}

}   // namespace quotechart
