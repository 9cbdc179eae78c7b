#pragma once
// The ten indicator panes. Each draws one indicator for the visible days
// first (newest) .. last (oldest) into a pane region and its ruler strip,
// from the history's day arrays and the pane's periods. All share one
// signature, so the catalogue points straight at them.

#include "document/PaneSettings.h"
#include "quotechart/PriceHistory.h"

#include <QColor>
#include <QString>
#include <QStringView>

#include <cstdint>
#include <vector>

namespace platform {
class SurfaceRegion;
}

namespace quotechart {

// A scale label of a pane's ruler: its text and its position, in twips of
// the ruler.
struct RulerLabel {
    double x = 0;
    double y = 0;
    QString text;
};

// Where a pane routine draws: the pane, its ruler strip, and the colour of
// the margin strips along the pane's top and bottom; and where the printed
// page differs from the screen.
struct PaneTarget {
    platform::SurfaceRegion &ruler;
    platform::SurfaceRegion &pane;
    QColor stripColour;
    // The format of the symmetric scale's values (not of volumes).
    QStringView valueFormat = u"####0.00";
    // None: the labels are printed on the ruler, cut at its edge like any
    // text of a picture box. Otherwise they are handed over here, for a
    // caller to print whole once the pane is finished.
    std::vector<RulerLabel> *labels = nullptr;
};

using PaneRoutine = void (*)(const PaneTarget &target, const PriceHistory &history, int16_t first, int16_t last,
                             const PaneSettings &settings);

void DisplayVolume(const PaneTarget &target, const PriceHistory &history, int16_t first, int16_t last,
                   const PaneSettings &settings);
void DisplayRSI(const PaneTarget &target, const PriceHistory &history, int16_t first, int16_t last,
                const PaneSettings &settings);
void DisplayFastStochastic(const PaneTarget &target, const PriceHistory &history, int16_t first, int16_t last,
                           const PaneSettings &settings);
void DisplaySlowStochastic(const PaneTarget &target, const PriceHistory &history, int16_t first, int16_t last,
                           const PaneSettings &settings);
void DisplayMACD(const PaneTarget &target, const PriceHistory &history, int16_t first, int16_t last,
                 const PaneSettings &settings);
void DisplayExpMADifference(const PaneTarget &target, const PriceHistory &history, int16_t first, int16_t last,
                            const PaneSettings &settings);
void DisplayMomentum(const PaneTarget &target, const PriceHistory &history, int16_t first, int16_t last,
                     const PaneSettings &settings);
void DisplayVolatility(const PaneTarget &target, const PriceHistory &history, int16_t first, int16_t last,
                       const PaneSettings &settings);
void DisplayOBV(const PaneTarget &target, const PriceHistory &history, int16_t first, int16_t last,
                const PaneSettings &settings);
void DisplayMoneyFlow(const PaneTarget &target, const PriceHistory &history, int16_t first, int16_t last,
                      const PaneSettings &settings);

}   // namespace quotechart
