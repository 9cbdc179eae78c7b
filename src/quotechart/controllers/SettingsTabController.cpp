#include "controllers/SettingsTabController.h"

#include "controllers/ValidateRange.h"
#include "document/ChartModel.h"
#include "indicators/IndicatorCatalogue.h"
#include "platform/ErrorCodes.h"
#include "platform/NumberText.h"
#include "platform/Rounding.h"
#include "platform/SettingsStore.h"
#include "quotechart/ControlError.h"

#include <QComboBox>
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

SettingsTabController::SettingsTabController(ChartModel &model, SettingsTabWidgets widgets, QWidget &chart,
                                             ChartActions actions)
    : model_(model), widgets_(widgets), chart_(chart), actions_(std::move(actions))
{
    for (int k = 0; k < PaneCount; ++k) {
        QComboBox *combo = widgets_.indicatorCombos[std::size_t(k)];
        connect(combo, &QComboBox::currentIndexChanged, this, [this, k] { indexChanged(k); });
        connect(combo, &QComboBox::activated, this, [this, k] { activated(k); });
        combo->installEventFilter(this);
        fillPeriodFields(widgets_.periodFields[std::size_t(k)], model_.panes()[std::size_t(k)], combo->currentIndex());
    }
    connect(&widgets_.applyButton, &QPushButton::clicked, this, [this] { applyPeriods(); });
    connect(&widgets_.sidePanel, &QTabWidget::currentChanged, this, [this] { setUpComboLists(); });
    setUpComboLists();   // as the tab change of the first layout would
}

// The first tab change makes each combo's list tall enough for 12 entries.
void SettingsTabController::setUpComboLists()
{
    if (comboSetupDone_)
        return;
    comboSetupDone_ = true;
    for (QComboBox *combo : widgets_.indicatorCombos)
        combo->setMaxVisibleItems(ComboListEntries);
}

// Every selection runs the handling once: a change of the index, whoever made
// it, and the user's choice of the entry already selected, which changes
// nothing and announces itself only as `activated`. A choice that changes
// the index announces itself both ways, the change first.
void SettingsTabController::indexChanged(int k)
{
    selectionHandled_[std::size_t(k)] = true;
    QTimer::singleShot(0, this, [this, k] { selectionHandled_[std::size_t(k)] = false; });
    showIndicatorFields(k);
}

void SettingsTabController::activated(int k)
{
    bool &handled = selectionHandled_[std::size_t(k)];
    if (handled) {
        handled = false;
        return;
    }
    showIndicatorFields(k);
}

void SettingsTabController::showIndicatorFields(int k)
{
    QComboBox *combo = widgets_.indicatorCombos[std::size_t(k)];
    PaneSettings &settings = model_.panes()[std::size_t(k)];
    settings.indicator = int16_t(combo->currentIndex() + 1);
    fillPeriodFields(widgets_.periodFields[std::size_t(k)], settings, combo->currentIndex());
    actions_.redraw();
}

void SettingsTabController::selectIndicator(int k)
{
    const int16_t indicator = model_.panes()[std::size_t(k)].indicator;
    if (!findIndicator(indicator))
        throw ControlError(platform::InvalidPropertyValue);
    QComboBox *combo = widgets_.indicatorCombos[std::size_t(k)];
    if (combo->currentIndex() != indicator - 1)
        combo->setCurrentIndex(indicator - 1);   // handled as the change
    else
        showIndicatorFields(k);
}

// A combo given the focus by the keyboard opens its list at once (a click
// opens it anyway).
bool SettingsTabController::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::FocusIn)
        return false;
    const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
    if (reason == Qt::MouseFocusReason || reason == Qt::PopupFocusReason || reason == Qt::ActiveWindowFocusReason)
        return false;
    for (QComboBox *combo : widgets_.indicatorCombos)
        if (watched == combo)
            combo->showPopup();
    return false;
}

// Every shown field is checked (each failure with its message); the valid
// ones are taken over in order until a field that is no number ends it all.
// Only when every field was valid are the settings stored and the chart
// redrawn.
void SettingsTabController::applyPeriods()
{
    const QPointer<QWidget> alive(&chart_);
    bool allValid = true;
    for (int k = 0; k < PaneCount; ++k) {
        const IndicatorInfo *indicator = indicatorAt(widgets_.indicatorCombos[std::size_t(k)]->currentIndex());
        if (!indicator)
            continue;
        PeriodFieldWidgets &fields = widgets_.periodFields[std::size_t(k)];
        std::array<FieldCheck, 3> checks{};
        for (std::size_t i = 0; i < 3; ++i)
            if (indicator->periods[i].field) {
                checks[i] = checkRange(fields.texts[i], LowestPeriod, HighestPeriod);
                if (!alive)
                    return;   // closed while a message was shown
                allValid = allValid && checks[i] == FieldCheck::Valid;
            }
        PaneSettings &settings = model_.panes()[std::size_t(k)];
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
    actions_.clear();
    platform::SettingsStore::Session store;   // the store is written once, when it ends
    storePanes(store, model_.panes());
    actions_.redraw();
    for (int k = 0; k < PaneCount; ++k)
        store.write(QStringLiteral("Tech%1").arg(k + 1), QString::number(model_.panes()[std::size_t(k)].indicator));
}

}   // namespace quotechart
