#include "chart/ChartColors.h"

#include "chart/ChartWidgets.h"
#include "platform/Colors.h"
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
    return platform::colorFromLong(value >= 0 && value <= White ? value : fallback);
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
    w.Picture1->setBackColor(storedColour(store, "BkgChart", defaults, White, PaleYellow));

    const QColor rulers = storedColour(store, "BkgRulers", defaults, 0, 0);
    for (platform::PictureBox *ruler : w.techRulers)
        ruler->setBackColor(rulers);
    w.PriceRuler->setBackColor(rulers);
    w.DateRuler->setBackColor(rulers);
    setLabelColour(w.ChangeLabel, QPalette::Window, rulers);
    setLabelColour(w.CaptionLabel, QPalette::Window, rulers);

    const char *techKeys[PaneCount] = {"BkgTech1", "BkgTech2", "BkgTech3"};
    for (int k = 0; k < PaneCount; ++k)
        w.techPanes[k]->setBackColor(storedColour(store, techKeys[k], defaults, White, PaleYellow));

    QPalette list = w.ListView1->palette();
    list.setColor(QPalette::Base, storedColour(store, "BkgBuySell", defaults, White, LightGrey));
    w.ListView1->setPalette(list);

    const QColor text = storedColour(store, "BkgRulersText", defaults, White, White);
    for (platform::PictureBox *ruler : w.techRulers)
        ruler->setForeColor(text);
    w.PriceRuler->setForeColor(text);
    w.DateRuler->setForeColor(text);
    setLabelColour(w.CaptionLabel, QPalette::WindowText, text);
}

QColor marginStripColour()
{
    return colourOr(platform::SettingsStore::readLong(QStringLiteral("BkgRulers"), StripBlue), StripBlue);
}

}   // namespace quotechart
