#include "chart/ChartColours.h"

#include "chart/ChartWidgets.h"
#include "platform/Colours.h"
#include "platform/PictureBox.h"
#include "platform/SettingsStore.h"

#include <QLabel>
#include <QTreeWidget>

namespace quotechart {

namespace {

constexpr int32_t White = 16777215;
constexpr int32_t PaleYellow = 12910591;   // 255, 255, 196
constexpr int32_t LightGrey = 15724527;    // 239, 239, 239
constexpr int32_t StripBlue = 3407872;     // 0, 0, 52

using platform::SettingsStore::Session;

// Only plain RGB values are colours; anything else is as good as missing.
QColor colourOr(int32_t value, int32_t fallback)
{
    return platform::colourFromLong(value >= 0 && value <= White ? value : fallback);
}

QColor storedColour(const Session &store, const char *key, int32_t fallback)
{
    return colourOr(store.readLong(QLatin1String(key), fallback), fallback);
}

QColor storedColour(const Session &store, const char *key, ColourDefaults defaults, int32_t startUp, int32_t setColors)
{
    return storedColour(store, key, defaults == ColourDefaults::StartUp ? startUp : setColors);
}

void setLabelColour(QLabel *label, QPalette::ColorRole role, const QColor &colour)
{
    QPalette palette = label->palette();
    palette.setColor(role, colour);
    label->setPalette(palette);
}

}   // namespace

void applyStoredColours(ChartWidgets &w, ColourDefaults defaults, const Session &store)
{
    w.pricePane->setBackColor(storedColour(store, "BkgChart", defaults, White, PaleYellow));

    const QColor rulers = storedColour(store, "BkgRulers", defaults, 0, 0);
    for (platform::PictureBox *ruler : w.indicatorRulers)
        ruler->setBackColor(rulers);
    w.priceRuler->setBackColor(rulers);
    w.dateRuler->setBackColor(rulers);
    setLabelColour(w.changeReadout, QPalette::Window, rulers);
    setLabelColour(w.dayReadout, QPalette::Window, rulers);

    const char *techKeys[PaneCount] = {"BkgTech1", "BkgTech2", "BkgTech3"};
    for (int k = 0; k < PaneCount; ++k)
        w.indicatorPanes[k]->setBackColor(storedColour(store, techKeys[k], defaults, White, PaleYellow));

    QPalette list = w.transactionList->palette();
    list.setColor(QPalette::Base, storedColour(store, "BkgBuySell", defaults, White, LightGrey));
    w.transactionList->setPalette(list);

    const QColor text = storedColour(store, "BkgRulersText", defaults, White, White);
    for (platform::PictureBox *ruler : w.indicatorRulers)
        ruler->setForeColor(text);
    w.priceRuler->setForeColor(text);
    w.dateRuler->setForeColor(text);
    setLabelColour(w.dayReadout, QPalette::WindowText, text);
}

CandleColours storedCandleColours(const Session &store)
{
    const CandleColours defaults;
    return {storedColour(store, "CandleRising", platform::longFromColour(defaults.rising)),
            storedColour(store, "CandleFalling", platform::longFromColour(defaults.falling))};
}

QColor marginStripColour()
{
    return colourOr(platform::SettingsStore::readLong(QStringLiteral("BkgRulers"), StripBlue), StripBlue);
}

}   // namespace quotechart
