#include "controllers/TransactionRecorder.h"

#include "platform/MessageBox.h"
#include "platform/PictureBox.h"
#include "render/Crosshair.h"
#include "render/DayAxis.h"
#include "render/Arrow.h"

#include <QPointer>

#include <algorithm>
#include <optional>

namespace quotechart {

namespace {

// With the price drawing suppressed a recorded arrow's tip stands this far
// above the pane's bottom (the next redraw puts a sell's at 50).
constexpr double RecordedHiddenBuyRise = 200;
constexpr double RecordedHiddenSellRise = 30;

const QString CantSell = QStringLiteral("You can't sell the security before you bought it");

// The loaded day under x, as the crosshair's read-out finds it.
std::optional<int16_t> loadedDayUnder(const ChartModel &model, platform::SurfaceRegion &pane, float x)
{
    const VisibleRange range = model.range();
    const std::optional<int16_t> day = DayAxis::singleSlot(pane.scaleWidth(), range.s, range.e, 0).dayAt(x);
    const int16_t loaded = std::min(model.history().record_count, PriceHistory::capacity);
    if (!day || *day < 1 || *day > loaded)
        return std::nullopt;
    return day;
}

}   // namespace

TransactionRecorder::TransactionRecorder(ChartModel &model, platform::PictureBox &pricePane, QWidget &chart)
    : model_(model), pricePane_(pricePane), chart_(chart)
{}

void TransactionRecorder::recordBuy(float x)
{
    const std::optional<int16_t> day = loadedDayUnder(model_, pricePane_.surface(), x);
    if (!day || !hasRoom(model_.mayRecordBuy(), "buys"))
        return;
    drawRecordedArrow(x, *day, true);
    model_.recordBuy(*day);
}

void TransactionRecorder::recordSell(float x)
{
    const QPointer<QWidget> alive(&chart_);
    if (const std::optional<int16_t> day = loadedDayUnder(model_, pricePane_.surface(), x)) {
        const ChartModel::RecordCheck check = model_.mayRecordSell(*day);
        if (check == ChartModel::RecordCheck::NothingBought)
            platform::messageBox(&chart_, CantSell, QMessageBox::Warning, QMessageBox::Ok);
        else if (hasRoom(check, "sells")) {
            drawRecordedArrow(x, *day, false);
            model_.recordSell(*day);
        }
    }
    if (!alive)
        return;   // the host closed the chart while a refusal was shown
    model_.updateSumGain();
    model_.updateCumGain();
}

// Whether the check allows one more; a full table is told to the user. A
// caller must not touch the recorder when the chart is gone afterwards.
bool TransactionRecorder::hasRoom(ChartModel::RecordCheck check, const char *kind)
{
    if (check == ChartModel::RecordCheck::Full)
        platform::messageBox(
            &chart_,
            QStringLiteral("You can't record more than %1 %2").arg(ChartModel::RecordLimit).arg(QLatin1String(kind)),
            QMessageBox::Warning, QMessageBox::Ok);
    return check == ChartModel::RecordCheck::Allowed;
}

// The right-button release that opened the menu drew the crosshair at x; it
// is inverted away while the arrow is drawn and then put back.
void TransactionRecorder::drawRecordedArrow(float x, int16_t day, bool isBuy)
{
    platform::SurfaceRegion &pane = pricePane_.surface();
    invertVerticalLine(pane, x);
    pane.setDrawMode(platform::DrawMode::CopyPen);
    if (model_.switches().hide_chart_flag)
        drawArrowAboveBottom(pane, x, isBuy ? RecordedHiddenBuyRise : RecordedHiddenSellRise, isBuy);
    else
        drawDayArrow(pane, PriceAxis(pane.scaleHeight(), model_.scale()), model_.history(), x, day, isBuy);
    pane.setDrawWidth(1);
    invertVerticalLine(pane, x);
    pane.setDrawMode(platform::DrawMode::CopyPen);
}

}   // namespace quotechart
