#pragma once
// The chart's child controls, created with the object names the interface
// gives them ("Picture1", "Combo(2)", "Text1(3)", ...); the members say what
// each one is.

#include "controllers/SettingsTabController.h"
#include "document/PaneSettings.h"

#include <array>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;
class QTimer;
class QTreeWidget;
class QWidget;

namespace platform {
class PictureBox;
}

namespace quotechart {

struct ChartWidgets {
    platform::PictureBox *pricePane = nullptr;                         // Picture1
    std::array<platform::PictureBox *, PaneCount> indicatorPanes{};    // Picture2..Picture4
    platform::PictureBox *priceRuler = nullptr;                        // PriceRuler
    platform::PictureBox *dateRuler = nullptr;                         // DateRuler
    std::array<platform::PictureBox *, PaneCount> indicatorRulers{};   // TechRuler1..TechRuler3
    QLabel *dayReadout = nullptr;                                      // CaptionLabel
    QLabel *changeReadout = nullptr;                                   // ChangeLabel
    QLabel *olderArrow = nullptr;                                      // TimeBackward "<<"
    QLabel *newerArrow = nullptr;                                      // TimeForward ">>"
    QTimer *newerRepeat = nullptr;                                     // Timer1
    QTimer *olderRepeat = nullptr;                                     // Timer2

    QTabWidget *sidePanel = nullptr;   // SSTab1
    QWidget *indicatorsTab = nullptr;
    QWidget *transactionsTab = nullptr;
    QGroupBox *indicatorsFrame = nullptr;                   // Frame2
    std::array<QComboBox *, PaneCount> indicatorCombos{};   // Combo(1)..Combo(3)
    std::array<PeriodFieldWidgets, PaneCount> periodFields;
    QPushButton *applyButton = nullptr;       // Command1, "Apply now"
    QTreeWidget *transactionList = nullptr;   // ListView1
    QLabel *sumGainLabel = nullptr;           // SumGain
    QLabel *cumGainLabel = nullptr;           // CumGain
};

// Creates every child of `chart`; nothing is placed or drawn yet.
ChartWidgets createChartWidgets(QWidget &chart);

}   // namespace quotechart
