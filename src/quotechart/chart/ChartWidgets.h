#pragma once
// The chart's child controls, created with the object names the interface
// gives them ("Picture1", "Combo(2)", "Text1(3)", ...).

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

// The three captioned period fields of one indicator pane's settings.
struct PeriodFieldWidgets {
    std::array<QLabel *, 3> labels{};     // Label1(k), Label2(k), Label3(k)
    std::array<QLineEdit *, 3> texts{};   // Text1(k), Text2(k), Text3(k)
};

struct ChartWidgets {
    platform::PictureBox *Picture1 = nullptr;                    // price pane
    std::array<platform::PictureBox *, PaneCount> techPanes{};   // Picture2..Picture4
    platform::PictureBox *PriceRuler = nullptr;
    platform::PictureBox *DateRuler = nullptr;
    std::array<platform::PictureBox *, PaneCount> techRulers{};   // TechRuler1..TechRuler3
    QLabel *CaptionLabel = nullptr;
    QLabel *ChangeLabel = nullptr;
    QLabel *TimeBackward = nullptr;
    QLabel *TimeForward = nullptr;
    QTimer *Timer1 = nullptr;
    QTimer *Timer2 = nullptr;

    QTabWidget *SSTab1 = nullptr;
    QWidget *indicatorsTab = nullptr;
    QWidget *transactionsTab = nullptr;
    QGroupBox *Frame2 = nullptr;
    std::array<QComboBox *, PaneCount> Combo{};
    std::array<PeriodFieldWidgets, PaneCount> periodFields;
    QPushButton *Command1 = nullptr;
    QTreeWidget *ListView1 = nullptr;
    QLabel *SumGain = nullptr;
    QLabel *CumGain = nullptr;
};

// Creates every child of `chart`; nothing is placed or drawn yet.
ChartWidgets createChartWidgets(QWidget &chart);

}   // namespace quotechart
