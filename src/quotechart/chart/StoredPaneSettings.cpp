#include "chart/StoredPaneSettings.h"

#include <QString>

namespace quotechart {

std::array<PaneSettings, PaneCount> readStoredPaneSettings(const platform::SettingsStore::Session &store)
{
    std::array<PaneSettings, PaneCount> panes;
    for (int k = 1; k <= PaneCount; ++k) {
        PaneSettings &pane = panes[k - 1];
        for (const PeriodField &field : periodFields) {
            const QString key = QLatin1String(field.key) + QString::number(k);
            pane.*field.member = store.readInteger(key, pane.*field.member);
        }
    }
    for (int k = 1; k <= PaneCount; ++k)
        panes[k - 1].indicator = store.readInteger(QStringLiteral("Tech%1").arg(k), defaultIndicators[k - 1]);
    return panes;
}

}   // namespace quotechart
