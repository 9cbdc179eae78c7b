#pragma once
// The host's own dialogs: the visible range as two dates, the chart's seven
// stored colours (one by one or from a preset), and the transactions report
// with a Copy button.

#include <QColor>
#include <QDate>
#include <QDialog>
#include <QString>

#include <array>
#include <cstdint>

class QDateEdit;
class QPushButton;

// The chart's colour keys, in the order the dialog shows them.
struct ColourKey {
    const char *key;
    const char *caption;
};
extern const std::array<ColourKey, 7> ChartColourKeys;

// The colour the chart uses for `key` now: the stored value, or what a chart
// starts with when nothing is stored.
QColor storedChartColour(const char *key);
// Whole sets of the seven colours: Classic is what a chart starts with; Dark
// keeps the panes light enough for the chart's black bars and lines.
enum class ColourPreset { Classic, Dark };
QColor presetColour(ColourPreset preset, const char *key);

// Writes the colour as the store keeps it: red + 256 * green + 65536 * blue.
void storeChartColour(const char *key, const QColor &colour);

// A date of a history file in any of the forms history files use, or an
// invalid date.
QDate historyDate(const QString &text);

class TimeRangeDialog : public QDialog {
    Q_OBJECT
public:
    // `oldest` and `newest` are the loaded history's first and last days;
    // `from` and `to` the range shown now.
    TimeRangeDialog(QDate oldest, QDate newest, QDate from, QDate to, QWidget *parent = nullptr);

    QDate from() const;
    QDate to() const;
    void setRange(QDate from, QDate to);

private:
    QDateEdit *from_ = nullptr;
    QDateEdit *to_ = nullptr;
};

class ColoursDialog : public QDialog {
    Q_OBJECT
public:
    explicit ColoursDialog(QWidget *parent = nullptr);

    QColor colour(const char *key) const;
    void setColour(const char *key, const QColor &colour);
    // Writes every key to the chart's settings store.
    void store() const;
    // Sets every colour from the preset.
    void applyPreset(ColourPreset preset);

private:
    void choose(std::size_t index);
    void showSwatch(std::size_t index);

    std::array<QColor, 7> colours_;
    std::array<QPushButton *, 7> buttons_{};
};

class ReportDialog : public QDialog {
    Q_OBJECT
public:
    ReportDialog(const QString &title, const QString &report, QWidget *parent = nullptr);
};
