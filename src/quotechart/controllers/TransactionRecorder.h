#pragma once
// Recording a buy or a sell on the day under a position of the price pane,
// as the popup menu and the host do: the checks, with the user told when
// one fails, the arrow, and the transaction in the model (whose list shows
// it). A sell recomputes both gains, allowed or not.

#include "document/ChartModel.h"

#include <QWidget>

namespace platform {
class PictureBox;
}

namespace quotechart {

class TransactionRecorder {
public:
    // `chart` is the parent of the messages; the chart may be closed while
    // one is shown, which the recorder expects.
    TransactionRecorder(ChartModel &model, platform::PictureBox &pricePane, QWidget &chart);

    void recordBuy(float x);
    void recordSell(float x);

private:
    bool hasRoom(ChartModel::RecordCheck check, const char *kind);
    void drawRecordedArrow(float x, int16_t day, bool isBuy);

    ChartModel &model_;
    platform::PictureBox &pricePane_;
    QWidget &chart_;
};

}   // namespace quotechart
