#pragma once
// What REvuved keeps behind its public interface.

#include "chart/CaptionText.h"
#include "document/ChartDocument.h"
#include "chart/ChartWidgets.h"
#include "chart/InteractionState.h"
#include "history/DayDates.h"
#include "controllers/PopupMenu.h"
#include "platform/SettingsStore.h"
#include "quotechart/PriceHistory.h"
#include "quotechart/REvuved.h"
#include "document/PriceScale.h"

#include <memory>

class QPrinter;

namespace quotechart {

struct REvuved::Private {
    // Every redraw reads a colour from the store; a large store stays parsed
    // for the chart's lifetime instead of being parsed for each.
    platform::SettingsStore::KeepParsed keptSettings;
    ChartWidgets widgets;
    DocumentState document;
    InteractionState interaction;
    PopupMenus menus;
    PriceScale scale;   // of the last drawing of the price pane
    QPrinter *printer = nullptr;   // the host's, not owned
    std::unique_ptr<PriceHistory> history = std::make_unique<PriceHistory>();
    DayDates dates;   // the history's dates, read as they are needed
    ShownCompanyName captionCompany;

    // The chart's document as one value, and back: the way writers and the
    // printer get it and readers return it.
    static ChartDocument documentOf(const REvuved &chart);
    static void adoptDocument(REvuved &chart, const ChartDocument &document);
};

}   // namespace quotechart
