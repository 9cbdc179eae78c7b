#include "ChartViewMenu.h"

#include "HostSettings.h"

#include <quotechart/REvuved.h>

#include <QAction>
#include <QActionGroup>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>

namespace {

const QString LegendKey = QStringLiteral("legend");

}   // namespace

ChartViewMenu::ChartViewMenu(QMenu &view, QMdiArea &documents, QObject *parent)
    : QObject(parent), documents_(documents)
{
    view.addSeparator();
    legend_ = view.addAction(tr("&Legend"));
    legend_->setObjectName(QStringLiteral("actionLegend"));
    legend_->setCheckable(true);
    legend_->setChecked(hostSettings().value(LegendKey, true).toBool());
    connect(legend_, &QAction::toggled, this, [this](bool on) {
        hostSettings().setValue(LegendKey, on);
        showLegends(on);
    });

    QMenu *styles = view.addMenu(tr("Price &style"));
    styles->setObjectName(QStringLiteral("priceStyleMenu"));
    styles_ = new QActionGroup(this);
    const std::pair<const char *, QString> entries[] = {
        {"actionHighLowClose", tr("&High-low-close bars")},
        {"actionOpenHighLowClose", tr("&Open-high-low-close bars")},
        {"actionCandlesticks", tr("&Candlesticks")},
    };
    for (int style = 0; style < 3; ++style) {
        QAction *entry = styles->addAction(entries[style].second);
        entry->setObjectName(QLatin1String(entries[style].first));
        entry->setCheckable(true);
        entry->setData(style);
        styles_->addAction(entry);
    }
    connect(styles_, &QActionGroup::triggered, this, [this](QAction *entry) {
        if (quotechart::REvuved *chart = activeChart())
            chart->setPriceStyle(quotechart::REvuved::PriceStyle(entry->data().toInt()));
    });
    logarithmic_ = view.addAction(tr("L&ogarithmic scale"));
    logarithmic_->setObjectName(QStringLiteral("actionLogarithmicScale"));
    logarithmic_->setCheckable(true);
    connect(logarithmic_, &QAction::triggered, this, [this](bool on) {
        if (quotechart::REvuved *chart = activeChart())
            chart->setLogarithmicScale(on);
    });
    connect(&documents_, &QMdiArea::subWindowActivated, this, &ChartViewMenu::showActiveChart);
    showActiveChart();
}

void ChartViewMenu::adopt(quotechart::REvuved &chart) const
{
    chart.setShowLegend(legend_->isChecked());
    chart.setFollowHistoryFile(true);
}

quotechart::REvuved *ChartViewMenu::activeChart() const
{
    QMdiSubWindow *window = documents_.activeSubWindow();
    return window ? qobject_cast<quotechart::REvuved *>(window->widget()) : nullptr;
}

void ChartViewMenu::showActiveChart()
{
    const quotechart::REvuved *chart = activeChart();
    for (QAction *entry : styles_->actions()) {
        entry->setEnabled(chart);
        entry->setChecked(chart && entry->data().toInt() == chart->priceStyle());
    }
    logarithmic_->setEnabled(chart);
    logarithmic_->setChecked(chart && chart->logarithmicScale());
}

void ChartViewMenu::showLegends(bool on) const
{
    for (QMdiSubWindow *window : documents_.subWindowList())
        if (auto *chart = qobject_cast<quotechart::REvuved *>(window->widget()))
            chart->setShowLegend(on);
}
