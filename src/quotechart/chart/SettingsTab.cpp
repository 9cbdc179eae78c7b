// REvuved's indicator settings tab: each pane's combo and period fields, and
// "Apply now", which checks the periods, takes them over, stores every
// pane's settings and redraws.

#include "chart/ChartPrivate.h"
#include "indicators/IndicatorCatalogue.h"
#include "controllers/ValidateRange.h"
#include "platform/ErrorCodes.h"
#include "platform/NumberText.h"
#include "platform/Rounding.h"
#include "platform/SettingsStore.h"

#include <QComboBox>
#include <QEvent>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>

namespace quotechart {

namespace {

constexpr int16_t LowestPeriod = 1, HighestPeriod = 300;
constexpr int ComboListEntries = 12;

// The order "Apply now" stores the periods in (it differs from the record's).
constexpr std::array<int16_t PaneSettings::*, 14> StoreOrder{
    &PaneSettings::RSI_periods,        &PaneSettings::FS_periodsD,      &PaneSettings::FS_periodsK,
    &PaneSettings::SS_periodsD,        &PaneSettings::SS_periodsK,      &PaneSettings::ExpMAperiods1,
    &PaneSettings::ExpMAperiods2,      &PaneSettings::MACDperiods1,     &PaneSettings::MACDperiods2,
    &PaneSettings::MACDperiods3,       &PaneSettings::Momentumperiods,  &PaneSettings::Volatilityperiods1,
    &PaneSettings::Volatilityperiods2, &PaneSettings::MoneyFlowperiods,
};

const char *keyOf(int16_t PaneSettings::*member)
{
    for (const PeriodField &field : periodFields)
        if (field.member == member)
            return field.key;
    return "";
}

const IndicatorInfo *indicatorAt(int position) { return findIndicator(int16_t(position + 1)); }

// Shows, captions and fills the pane's three fields for the indicator at
// `position`; no indicator there changes nothing.
void fillPeriodFields(PeriodFieldWidgets &fields, const PaneSettings &settings, int position)
{
    const IndicatorInfo *indicator = indicatorAt(position);
    if (!indicator)
        return;
    for (std::size_t i = 0; i < 3; ++i)
        fields.labels[i]->setVisible(indicator->periods[i].field != nullptr);
    for (std::size_t i = 0; i < 3; ++i)
        fields.texts[i]->setVisible(indicator->periods[i].field != nullptr);
    for (std::size_t i = 0; i < 3; ++i) {
        const PeriodCaption &period = indicator->periods[i];
        if (!period.field)
            continue;
        fields.labels[i]->setText(QLatin1String(period.caption));
        fields.texts[i]->setText(QString::number(settings.*period.field));
    }
}

void storePanes(platform::SettingsStore::Session &store, const std::array<PaneSettings, PaneCount> &panes)
{
    for (int k = 0; k < PaneCount; ++k)
        for (int16_t PaneSettings::*member : StoreOrder)
            store.write(QLatin1String(keyOf(member)) + QString::number(k + 1),
                                           QString::number(panes[std::size_t(k)].*member));
}

}   // namespace

void REvuved::connectSettingsTab()
{
    ChartWidgets &w = d->widgets;
    for (int k = 0; k < PaneCount; ++k) {
        QComboBox *combo = w.Combo[std::size_t(k)];
        connect(combo, &QComboBox::currentIndexChanged, this, [this, k] { comboIndexChanged(k); });
        connect(combo, &QComboBox::activated, this, [this, k] { comboActivated(k); });
        combo->installEventFilter(this);
        fillPeriodFields(w.periodFields[std::size_t(k)], d->document.pane_settings[std::size_t(k)],
                         combo->currentIndex());
    }
    connect(w.Command1, &QPushButton::clicked, this, [this] { applyPeriods(); });
    connect(w.SSTab1, &QTabWidget::currentChanged, this, [this] { setUpComboLists(); });
    setUpComboLists();   // as the tab change of the first layout would
}

// The first tab change makes each combo's list tall enough for 12 entries.
void REvuved::setUpComboLists()
{
    if (d->interaction.combo_setup_done)
        return;
    d->interaction.combo_setup_done = true;
    for (QComboBox *combo : d->widgets.Combo)
        combo->setMaxVisibleItems(ComboListEntries);
}

// Every selection runs the handling once: a change of the index, whoever made
// it, and the user's choice of the entry already selected, which changes
// nothing and announces itself only as `activated`. A choice that changes
// the index announces itself both ways, the change first.
void REvuved::comboIndexChanged(int k)
{
    d->interaction.selectionHandled[std::size_t(k)] = true;
    QTimer::singleShot(0, this, [this, k] { d->interaction.selectionHandled[std::size_t(k)] = false; });
    showIndicatorFields(k);
}

void REvuved::comboActivated(int k)
{
    bool &handled = d->interaction.selectionHandled[std::size_t(k)];
    if (handled) {
        handled = false;
        return;
    }
    showIndicatorFields(k);
}

void REvuved::showIndicatorFields(int k)
{
    QComboBox *combo = d->widgets.Combo[std::size_t(k)];
    PaneSettings &settings = d->document.pane_settings[std::size_t(k)];
    settings.indicator = int16_t(combo->currentIndex() + 1);
    fillPeriodFields(d->widgets.periodFields[std::size_t(k)], settings, combo->currentIndex());
    redraw();
}

// The program's choice runs the same handling as the user's, also for the
// entry already chosen; a number no combo entry has is the caller's error.
void REvuved::selectIndicator(int k)
{
    const int16_t indicator = d->document.pane_settings[std::size_t(k)].indicator;
    if (!findIndicator(indicator))
        throw ControlError(platform::InvalidPropertyValue);
    QComboBox *combo = d->widgets.Combo[std::size_t(k)];
    if (combo->currentIndex() != indicator - 1)
        combo->setCurrentIndex(indicator - 1);   // handled as the change
    else
        showIndicatorFields(k);
}

// Every shown field is checked (each failure with its message); the valid
// ones are taken over in order until a field that is no number ends it all.
// Only when every field was valid are the settings stored and the chart
// redrawn.
void REvuved::applyPeriods()
{
    ChartWidgets &w = d->widgets;
    const QPointer<REvuved> alive(this);
    bool allValid = true;
    for (int k = 0; k < PaneCount; ++k) {
        const IndicatorInfo *indicator = indicatorAt(w.Combo[std::size_t(k)]->currentIndex());
        if (!indicator)
            continue;
        PeriodFieldWidgets &fields = w.periodFields[std::size_t(k)];
        std::array<FieldCheck, 3> checks{};
        for (std::size_t i = 0; i < 3; ++i)
            if (indicator->periods[i].field) {
                checks[i] = checkRange(fields.texts[i], LowestPeriod, HighestPeriod);
                if (!alive)
                    return;   // closed while a message was shown
                allValid = allValid && checks[i] == FieldCheck::Valid;
            }
        PaneSettings &settings = d->document.pane_settings[std::size_t(k)];
        for (std::size_t i = 0; i < 3; ++i) {
            if (!indicator->periods[i].field || checks[i] == FieldCheck::OutOfRange)
                continue;
            if (checks[i] == FieldCheck::NotANumber)
                return;
            const std::optional<int16_t> value =
                platform::toInt16(platform::strictNumber(fields.texts[i]->text()).value_or(0));
            if (value)
                settings.*indicator->periods[i].field = *value;
        }
    }
    if (!allValid)
        return;
    Clear();
    platform::SettingsStore::Session store;   // the store is written once, when it ends
    storePanes(store, d->document.pane_settings);
    redraw();
    for (int k = 0; k < PaneCount; ++k)
        store.write(QStringLiteral("Tech%1").arg(k + 1),
                    QString::number(d->document.pane_settings[std::size_t(k)].indicator));
}

}   // namespace quotechart
