#include "chart/StoredPaneSettings.h"

#include "platform/SettingsStore.h"

#include <QString>

namespace quotechart {

std::array<PaneSettings, PaneCount> readStoredPaneSettings()
{
    using platform::SettingsStore::readInteger;
    std::array<PaneSettings, PaneCount> panes;
    for (int k = 1; k <= PaneCount; ++k) {
        PaneSettings &pane = panes[k - 1];
        for (const PeriodField &field : periodFields) {
            const QString key = QLatin1String(field.key) + QString::number(k);
            pane.*field.member = readInteger(key, pane.*field.member);
        }
    }
    for (int k = 1; k <= PaneCount; ++k)
        panes[k - 1].indicator = readInteger(QStringLiteral("Tech%1").arg(k), defaultIndicators[k - 1]);
    return panes;
}

}   // namespace quotechart
