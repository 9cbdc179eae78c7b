#include "HostDialogs.h"

#include <QApplication>
#include <QClipboard>
#include <QColorDialog>
#include <QDateEdit>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLocale>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSettings>
#include <QVBoxLayout>

#include <tuple>

namespace {

constexpr int32_t White = 0xFFFFFF;

// What a chart shows before anything is stored.
int32_t startUpColour(const QString &key) { return key == QLatin1String("BkgRulers") ? 0 : White; }

// The chart's store: its keys live in the section "Settings".
QSettings chartStore() { return QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Tradevane5")); }
QString chartKey(const char *key) { return QStringLiteral("Settings/") + QLatin1String(key); }

QColor colourOf(int32_t value) { return QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF); }

// The Dark preset, in the dialog's order: slate panes, near-black rulers, pale text.
const std::array<QColor, 7> DarkColours{{
    QColor(148, 156, 168),   // price pane
    QColor(24, 26, 30),      // rulers
    QColor(136, 144, 156),   // indicator panes
    QColor(136, 144, 156),
    QColor(136, 144, 156),
    QColor(172, 178, 188),   // transaction list
    QColor(226, 230, 236),   // ruler text
}};

}   // namespace

const std::array<ColourKey, 7> ChartColourKeys{{
    {"BkgChart", "Price pane"},
    {"BkgRulers", "Rulers"},
    {"BkgTech1", "First indicator pane"},
    {"BkgTech2", "Second indicator pane"},
    {"BkgTech3", "Third indicator pane"},
    {"BkgBuySell", "Transaction list"},
    {"BkgRulersText", "Ruler text"},
}};

QColor storedChartColour(const char *key)
{
    const QString name = QLatin1String(key);
    bool ok = false;
    const qlonglong value = chartStore().value(chartKey(key)).toString().trimmed().toLongLong(&ok);
    return colourOf(ok && value >= 0 && value <= White ? int32_t(value) : startUpColour(name));
}

void storeChartColour(const char *key, const QColor &colour)
{
    const int32_t value = colour.red() + 256 * colour.green() + 65536 * colour.blue();
    chartStore().setValue(chartKey(key), QString::number(value));
}

QColor presetColour(ColourPreset preset, const char *key)
{
    for (std::size_t i = 0; i < ChartColourKeys.size(); ++i)
        if (qstrcmp(ChartColourKeys[i].key, key) == 0)
            return preset == ColourPreset::Dark ? DarkColours[i] : colourOf(startUpColour(QLatin1String(key)));
    return {};
}

QDate historyDate(const QString &text)
{
    const QLocale c = QLocale::c();
    const QString trimmed = text.trimmed();
    for (const char *format : {"yyyy-MM-dd", "d-MMM-yyyy", "M/d/yyyy", "MMM d, yyyy"}) {
        const QDate date = c.toDate(trimmed, QLatin1String(format));
        if (date.isValid())
            return date;
    }
    // Two-digit years: 00-29 are this century, 30-99 the last one.
    QDate date = c.toDate(trimmed, QStringLiteral("d-MMM-yy"));
    if (date.isValid() && date.year() < 1930)
        date = date.addYears(100);
    return date;
}

TimeRangeDialog::TimeRangeDialog(QDate oldest, QDate newest, QDate from, QDate to, QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("timeRangeDialog"));
    setWindowTitle(tr("Time range"));
    auto *form = new QFormLayout;
    from_ = new QDateEdit;
    from_->setObjectName(QStringLiteral("fromDate"));
    to_ = new QDateEdit;
    to_->setObjectName(QStringLiteral("toDate"));
    for (QDateEdit *edit : {from_, to_}) {
        edit->setCalendarPopup(true);
        edit->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
        if (oldest.isValid() && newest.isValid())
            edit->setDateRange(oldest, newest);
    }
    setRange(from, to);
    form->addRow(tr("&From (oldest day)"), from_);
    form->addRow(tr("&To (newest day)"), to_);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
}

QDate TimeRangeDialog::from() const { return from_->date(); }
QDate TimeRangeDialog::to() const { return to_->date(); }

void TimeRangeDialog::setRange(QDate from, QDate to)
{
    if (from.isValid())
        from_->setDate(from);
    if (to.isValid())
        to_->setDate(to);
}

ColoursDialog::ColoursDialog(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("coloursDialog"));
    setWindowTitle(tr("Chart colours"));
    auto *form = new QFormLayout;
    for (std::size_t i = 0; i < ChartColourKeys.size(); ++i) {
        colours_[i] = storedChartColour(ChartColourKeys[i].key);
        buttons_[i] = new QPushButton;
        buttons_[i]->setObjectName(QLatin1String(ChartColourKeys[i].key));
        buttons_[i]->setMinimumWidth(80);
        connect(buttons_[i], &QPushButton::clicked, this, [this, i] { choose(i); });
        showSwatch(i);
        form->addRow(tr(ChartColourKeys[i].caption), buttons_[i]);
    }
    auto *presets = new QHBoxLayout;
    for (const auto &[name, text, preset] : {std::tuple{"classicPreset", "C&lassic", ColourPreset::Classic},
                                             std::tuple{"darkPreset", "&Dark", ColourPreset::Dark}}) {
        auto *button = new QPushButton(tr(text));
        button->setObjectName(QLatin1String(name));
        connect(button, &QPushButton::clicked, this, [this, preset = preset] { applyPreset(preset); });
        presets->addWidget(button);
    }
    form->insertRow(0, tr("Preset"), presets);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
}

void ColoursDialog::applyPreset(ColourPreset preset)
{
    for (const ColourKey &key : ChartColourKeys)
        setColour(key.key, presetColour(preset, key.key));
}

QColor ColoursDialog::colour(const char *key) const
{
    for (std::size_t i = 0; i < ChartColourKeys.size(); ++i)
        if (qstrcmp(ChartColourKeys[i].key, key) == 0)
            return colours_[i];
    return {};
}

void ColoursDialog::setColour(const char *key, const QColor &colour)
{
    for (std::size_t i = 0; i < ChartColourKeys.size(); ++i)
        if (qstrcmp(ChartColourKeys[i].key, key) == 0 && colour.isValid()) {
            colours_[i] = colour.toRgb();
            showSwatch(i);
        }
}

void ColoursDialog::store() const
{
    for (std::size_t i = 0; i < ChartColourKeys.size(); ++i)
        storeChartColour(ChartColourKeys[i].key, colours_[i]);
}

void ColoursDialog::choose(std::size_t index)
{
    const QColor chosen = QColorDialog::getColor(colours_[index], this, tr(ChartColourKeys[index].caption));
    if (chosen.isValid()) {
        colours_[index] = chosen.toRgb();
        showSwatch(index);
    }
}

void ColoursDialog::showSwatch(std::size_t index)
{
    const QColor &c = colours_[index];
    const QColor text = c.lightness() < 128 ? Qt::white : Qt::black;
    buttons_[index]->setText(c.name());
    buttons_[index]->setStyleSheet(
        QStringLiteral("background-color: %1; color: %2").arg(c.name(QColor::HexRgb), text.name()));
}

ReportDialog::ReportDialog(const QString &title, const QString &report, QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("reportDialog"));
    setWindowTitle(title);
    auto *text = new QPlainTextEdit(report);
    text->setObjectName(QStringLiteral("reportText"));
    text->setReadOnly(true);
    text->setLineWrapMode(QPlainTextEdit::NoWrap);
    text->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close);
    QPushButton *copy = buttons->addButton(tr("&Copy"), QDialogButtonBox::ActionRole);
    copy->setObjectName(QStringLiteral("copyButton"));
    connect(copy, &QPushButton::clicked, this, [report] { QApplication::clipboard()->setText(report); });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(text);
    layout->addWidget(buttons);
    resize(520, 360);
}
