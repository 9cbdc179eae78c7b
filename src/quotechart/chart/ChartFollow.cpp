// A chart that follows its history file: a downloader adds days to the file
// and the chart shows them, on the same dates as before.

#include "chart/ChartPrivate.h"
#include "controllers/CaptionText.h"
#include "document/PlacesByDate.h"
#include "history/CompleteHistory.h"

#include <QLabel>

namespace quotechart {

bool REvuved::followHistoryFile() const { return d->follower->enabled(); }

void REvuved::setFollowHistoryFile(bool on)
{
    if (on == d->follower->enabled())
        return;
    d->follower->setEnabled(on);
    emit followHistoryFileChanged(on);
}

void REvuved::Private::rereadFollowedFile(const QString &path)
{
    std::optional<CompleteHistory> read = readCompleteHistory(path);
    if (!read)
        return;   // the last whole history stays until a whole one is read
    follower->markRead();
    DayDates newDates;
    const PlacesByDate places = placesInNewHistory(model.history(), model.dates(), *read->history, newDates,
                                                   model.range(), model.tables(), model.buyCount(),
                                                   model.sellCount());
    model.history() = *read->history;
    model.historyReplaced();
    model.tables() = places.tables;
    model.setRange(places.range);
    if (read->header.longHeader && read->header.companyName) {
        model.companyName() = *read->header.companyName;
        widgets.dayReadout->setText(shownInLabel(model.companyName(), *widgets.dayReadout));
    }
    redraw();
    emit chart.historyLoaded(model.ticker(), model.history().record_count);
}

}   // namespace quotechart
