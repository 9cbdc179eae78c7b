#include "ErrorSentences.h"

#include <quotechart/ErrorNumbers.h>

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <cmath>
#include <optional>

namespace {

namespace Error = quotechart::ErrorNumber;

constexpr int HeaderItems = 45;            // the ticker, three panes of 14, the range
constexpr int PaneItems = 14;              // each pane's indicator, then its 13 periods
constexpr qint64 ChartFileByteLimit = qint64(4) << 20;   // what the chart reads at most
constexpr int ItemShown = 40;              // characters of an item quoted in a sentence

QString tr(const char *text) { return QCoreApplication::translate("ErrorSentences", text); }

QString fileName(const QString &path) { return QFileInfo(path).fileName(); }
QString native(const QString &path) { return QDir::toNativeSeparators(path); }

QString quoted(const QString &item)
{
    return QStringLiteral("\"%1\"").arg(item.size() > ItemShown ? item.left(ItemShown) + QStringLiteral("...") : item);
}

// The items of a chart file with the line each starts on.
class Items {
public:
    explicit Items(const QByteArray &bytes) : text_(bytes) {}

    bool atEnd() const { return at_ >= text_.size(); }
    int line() const { return line_; }

    QString next()
    {
        qsizetype end = at_;
        while (end < text_.size() && text_[end] != ',' && text_[end] != '\r' && text_[end] != '\n')
            ++end;
        QByteArray item = text_.mid(at_, end - at_);
        at_ = end;
        itemLine_ = line_;
        skipSeparator();
        while (!item.isEmpty() && (item.front() == ' ' || item.front() == '\t'))
            item.remove(0, 1);
        if (item.size() >= 2 && item.front() == '"' && item.back() == '"')
            item = item.mid(1, item.size() - 2);
        return QString::fromLocal8Bit(item);
    }
    int itemLine() const { return itemLine_; }

private:
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
        ++line_;
    }

    const QByteArray &text_;
    qsizetype at_ = 0;
    int line_ = 1, itemLine_ = 1;
};

// The value after an item's first colon, as a number; empty when it is none.
std::optional<double> numberOf(const QString &item)
{
    const qsizetype colon = item.indexOf(u':');
    const QString text = (colon < 0 ? item : item.mid(colon + 1)).trimmed();
    bool ok = false;
    const double value = text.toDouble(&ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

bool fitsSixteenBits(double value) { return value >= -32768.5 && value < 32767.5; }

ChartFileFault faultOf(ChartFileFault::Kind kind, int line, const QString &item) { return {kind, line, item}; }

}   // namespace

ChartFileFault findChartFileFault(const QByteArray &bytes)
{
    Items items(bytes);
    for (int i = 0; i < HeaderItems; ++i) {
        if (items.atEnd())
            return faultOf(ChartFileFault::EndsEarly, std::max(1, items.line() - 1), {});
        const QString item = items.next();
        if (i == 0)
            continue;   // the ticker
        const std::optional<double> value = numberOf(item);
        if (!value)
            return faultOf(ChartFileFault::NotANumber, items.itemLine(), item);
        if (!fitsSixteenBits(*value))
            return faultOf(ChartFileFault::TooLarge, items.itemLine(), item);
        const bool indicator = i <= 3 * PaneItems && (i - 1) % PaneItems == 0;
        const double whole = std::nearbyint(*value);
        if (indicator && (whole < 1 || whole > 10))
            return faultOf(ChartFileFault::BadIndicator, items.itemLine(), item);
    }
    while (!items.atEnd()) {
        const QString item = items.next();
        if (item.size() < 2 || (!item.contains(QLatin1String("buy"), Qt::CaseInsensitive) &&
                                !item.contains(QLatin1String("sell"), Qt::CaseInsensitive)))
            continue;
        const std::optional<double> value = numberOf(item);
        if (!value)
            return faultOf(ChartFileFault::NotANumber, items.itemLine(), item);
        if (!fitsSixteenBits(*value))
            return faultOf(ChartFileFault::TooLarge, items.itemLine(), item);
    }
    return {};
}

QString chartFileOpenSentence(const QString &path, int number, const QByteArray &bytes)
{
    const QString file = fileName(path);
    const QFileInfo info(path);
    if (number == Error::FileNotFound) {
        if (!info.exists())
            return tr("%1 cannot be opened: there is no such file in %2.").arg(file, native(info.absolutePath()));
        if (!info.isFile())
            return tr("%1 cannot be opened: it is not a file.").arg(file);
        if (info.size() > ChartFileByteLimit)
            return tr("%1 is not a chart file: it is far larger than any chart file.").arg(file);
        return tr("%1 cannot be opened: it cannot be read.").arg(file);
    }
    const QString notAChart = tr("%1 is not a chart file: %2.").arg(file);
    const ChartFileFault fault = findChartFileFault(bytes);
    switch (number) {
    case Error::TypeMismatch:
        if (fault.kind == ChartFileFault::NotANumber)
            return notAChart.arg(tr("line %1 should be a number, not %2").arg(fault.line).arg(quoted(fault.item)));
        return notAChart.arg(tr("one of its lines should be a number"));
    case Error::Overflow:
        if (fault.kind == ChartFileFault::TooLarge)
            return notAChart.arg(
                tr("line %1 holds %2, beyond the numbers a chart file holds (-32768 to 32767)")
                    .arg(fault.line)
                    .arg(quoted(fault.item)));
        return notAChart.arg(tr("one of its numbers is beyond -32768 to 32767"));
    case Error::InputPastEndOfFile:
        if (fault.kind == ChartFileFault::EndsEarly)
            return notAChart.arg(
                tr("it ends after line %1, and a chart file has %2 lines before its trades").arg(fault.line).arg(HeaderItems));
        return notAChart.arg(tr("it ends too early"));
    case Error::InvalidPropertyValue:
        if (fault.kind == ChartFileFault::BadIndicator)
            return notAChart.arg(
                tr("line %1 names indicator %2, and the panes' indicators are numbered 1 to 10").arg(fault.line).arg(quoted(fault.item)));
        return notAChart.arg(tr("a pane's indicator is not one of 1 to 10"));
    default:
        return tr("%1 cannot be opened (the chart's error %2).").arg(file).arg(number);
    }
}

QString chartFileSaveSentence(const QString &path, int number, const QString &ticker)
{
    const QFileInfo info(path);
    const QString file = fileName(path);
    if (number == Error::PathNotFound || !info.absoluteDir().exists())
        return tr("%1 cannot be saved: the folder %2 does not exist.").arg(file, native(info.absolutePath()));
    if (ticker.contains(u',') || ticker.contains(u'\r') || ticker.contains(u'\n'))
        return tr("%1 cannot be saved: a chart file cannot hold the ticker %2.").arg(file, quoted(ticker));
    if (info.exists() && !info.isFile())
        return tr("%1 cannot be saved: something that is not a file has that name.").arg(file);
    if (info.exists() && !info.isWritable())
        return tr("%1 cannot be saved: the file is read-only.").arg(file);
    if (!QFileInfo(info.absolutePath()).isWritable())
        return tr("%1 cannot be saved: the folder %2 cannot be written.").arg(file, native(info.absolutePath()));
    return tr("%1 cannot be saved: the disk did not take it (is it full?).").arg(file);
}

QString missingHistorySentence(const QString &ticker, const QString &histFolder)
{
    const QString csv = QDir(histFolder).filePath(ticker + QStringLiteral(".csv"));
    if (QFileInfo(csv).isFile())
        return tr("%1 holds no day a chart can show.").arg(native(csv));
    return tr("There is no history of %1: no %1.csv in %2.").arg(ticker, native(histFolder));
}

QString chartWithoutHistorySentence(const QString &path, const QString &ticker, const QString &histFolder)
{
    return tr("%1 charts %2, so nothing was opened. %3").arg(fileName(path), ticker,
                                                              missingHistorySentence(ticker, histFolder));
}

QString printSentence(int number, const QString &text)
{
    if (number == Error::PrinterError)
        return tr("The chart cannot be printed: the printer reported an error.");
    return tr("The chart cannot be printed: %1.").arg(text);
}

QString rangeSentence(int number, const QString &text)
{
    if (number == Error::SubscriptOutOfRange || number == Error::DivisionByZero)
        return tr("That range cannot be shown: it holds no day of the history.");
    return tr("That range cannot be shown: %1.").arg(text);
}
