#pragma once
// The indicator settings tab: each pane's combo (choosing an indicator
// switches the pane at once and shows the fields of its periods, whoever
// makes the choice) and "Apply now", which checks the periods typed in,
// takes them over, stores every pane's settings and redraws.

#include "controllers/ChartActions.h"
#include "document/PaneSettings.h"

#include <QObject>

#include <array>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;

namespace quotechart {

class ChartModel;

// The three captioned period fields of one indicator pane's settings.
struct PeriodFieldWidgets {
    std::array<QLabel *, 3> labels{};     // Label1(k), Label2(k), Label3(k)
    std::array<QLineEdit *, 3> texts{};   // Text1(k), Text2(k), Text3(k)
};

struct SettingsTabWidgets {
    QTabWidget &sidePanel;
    std::array<QComboBox *, PaneCount> indicatorCombos;
    std::array<PeriodFieldWidgets, PaneCount> periodFields;
    QPushButton &applyButton;
};

class SettingsTabController : public QObject {
public:
    // `chart` is the messages' parent; the chart may be closed while one is
    // shown, which the controller expects. The fields show the panes'
    // settings at once; nothing is drawn.
    SettingsTabController(ChartModel &model, SettingsTabWidgets widgets, QWidget &chart, ChartActions actions);

    // Pane k's combo (0 to 2) to its stored indicator, with the handling of
    // a choice also when the entry is chosen already; ControlError 380 for
    // an indicator no entry has.
    void selectIndicator(int k);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void indexChanged(int k);
    void activated(int k);
    void showIndicatorFields(int k);
    void setUpComboLists();
    void applyPeriods();

    ChartModel &model_;
    SettingsTabWidgets widgets_;
    QWidget &chart_;
    ChartActions actions_;
    bool comboSetupDone_ = false;   // combo_setup_done
    // A combo whose index change was handled in this turn of the event loop:
    // the user's choice that changed it announces itself once more.
    std::array<bool, PaneCount> selectionHandled_{};
};

}   // namespace quotechart
