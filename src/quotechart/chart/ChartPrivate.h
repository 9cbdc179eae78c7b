#pragma once
// What REvuved keeps behind its public interface: its child controls, the
// chart model, and the controllers its events go to.

#include "chart/ChartWidgets.h"
#include "controllers/CrosshairController.h"
#include "controllers/HistoryFileFollower.h"
#include "controllers/NavigationController.h"
#include "controllers/PopupMenu.h"
#include "controllers/PopupMenuController.h"
#include "controllers/SettingsTabController.h"
#include "controllers/TransactionListMenu.h"
#include "controllers/TransactionListView.h"
#include "controllers/TransactionRecorder.h"
#include "document/ChartModel.h"
#include "render/ChartContent.h"
#include "platform/SettingsStore.h"
#include "quotechart/REvuved.h"

#include <memory>
#include <optional>

class QPrinter;

namespace quotechart {

struct REvuved::Private {
    explicit Private(REvuved &chart);

    REvuved &chart;
    // Every redraw reads a colour from the store; a large store stays parsed
    // for the chart's lifetime instead of being parsed for each.
    platform::SettingsStore::KeepParsed keptSettings;
    ChartWidgets widgets;
    ChartModel model;
    QPrinter *printer = nullptr;   // the host's, not owned

    // The views and controllers go before the model and the widgets they
    // work on (members are destroyed in reverse).
    PopupMenus menus;
    std::optional<TransactionListView> transactionListView;
    std::optional<TransactionRecorder> recorder;
    std::optional<CrosshairController> crosshair;
    std::optional<NavigationController> navigation;
    std::optional<PopupMenuController> popupMenu;
    std::optional<SettingsTabController> settingsTab;
    std::optional<TransactionListMenu> transactionListMenu;
    std::optional<HistoryFileFollower> follower;
    bool showLegend = false;

    // What the host was last told of the range, the drawing switches and the
    // crosshair, so that a change is told once whatever made it.
    struct Announced {
        VisibleRange range;
        DrawingSwitches switches;
        int crosshairDay = 0;
    } announced;

    // Start-up of the controllers, once the chart's defaults and stored
    // settings are in the model.
    void connectControllers();
    // What the controllers may ask of the chart: Clear, and the window redraw.
    ChartActions actions();
    void redraw();
    void announceChanges();
    // The picture boxes' surfaces, for the drawing steps.
    ChartRegions screenRegions();
    void announceCrosshair(int day);
    // The followed history file, read again: taken only when whole.
    void rereadFollowedFile(const QString &path);
};

}   // namespace quotechart
