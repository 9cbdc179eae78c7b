#pragma once
/// \file
/// The daily stock chart control REvuved.

#include <quotechart/ControlError.h>
#include <quotechart/HostHooks.h>
#include <quotechart/PriceHistory.h>
#include <quotechart/quotechart_export.h>

#include <QString>
#include <QVariant>
#include <QWidget>

class QPaintDevice;
class QPrinter;
class QRectF;

#include <cstdint>
#include <memory>
#include <optional>

namespace quotechart {

/// A daily stock chart control.
///
/// The host loads a ticker's history with ReadDataFile and draws a range of
/// days (1 = the newest loaded day); the control lays out its panes and redraws
/// itself on every resize. Methods take their arguments by reference where the
/// control may write back into them. Errors that reach the host are thrown as
/// ControlError; everything else that fails is skipped silently.
///
/// Beside that interface the chart offers what a Qt developer expects: data
/// from memory (loadHistory), properties with change signals, signals that
/// tell whatever caused a change (visibleRangeChanged, historyLoaded,
/// crosshairMoved, transactionsChanged, timeRangeRequested) and slots
/// (setVisibleRange, showCrosshairAt, openTicker, and the methods without
/// arguments).
class QUOTECHART_EXPORT REvuved : public QWidget {
    Q_OBJECT
    /// The chart reads its history file again when the file changes on disk
    /// (see setFollowHistoryFile).
    Q_PROPERTY(bool followHistoryFile READ followHistoryFile WRITE setFollowHistoryFile NOTIFY followHistoryFileChanged)
    /// The names of the averages shown and of each pane's series stand at the
    /// top left of their pane, in their colours.
    Q_PROPERTY(bool showLegend READ showLegend WRITE setShowLegend NOTIFY showLegendChanged)
    /// The newest visible day, the visible range's right edge (starting_date_local).
    Q_PROPERTY(int newestDay READ newestDay WRITE setNewestDay NOTIFY visibleRangeChanged)
    /// The oldest visible day, the visible range's left edge (ending_date_local).
    Q_PROPERTY(int oldestDay READ oldestDay WRITE setOldestDay NOTIFY visibleRangeChanged)
    /// How many days are loaded.
    Q_PROPERTY(int dayCount READ dayCount NOTIFY historyLoaded)
    /// The ticker of the loaded history (ticker_name).
    Q_PROPERTY(QString ticker READ ticker NOTIFY historyLoaded)
    /// The 10-day moving average is drawn.
    Q_PROPERTY(bool movingAverage10 READ MA10 WRITE setMovingAverage10 NOTIFY movingAverage10Changed)
    /// The 50-day moving average is drawn.
    Q_PROPERTY(bool movingAverage50 READ MA50 WRITE setMovingAverage50 NOTIFY movingAverage50Changed)
    /// The 200-day moving average is drawn.
    Q_PROPERTY(bool movingAverage200 READ MA200 WRITE setMovingAverage200 NOTIFY movingAverage200Changed)
    /// The moving average of the custom period is drawn.
    Q_PROPERTY(bool customMovingAverage READ MACustom WRITE setCustomMovingAverage NOTIFY customMovingAverageChanged)
    /// The envelopes are drawn.
    Q_PROPERTY(bool envelopes READ envelopes WRITE setEnvelopes NOTIFY envelopesChanged)
    /// The Bollinger bands are drawn.
    Q_PROPERTY(bool bollingerBands READ bollingerBands WRITE setBollingerBands NOTIFY bollingerBandsChanged)
    /// Days are drawn as high-low-close bars; otherwise as a line through the closes.
    Q_PROPERTY(bool highLowClose READ highLowClose WRITE setHighLowClose NOTIFY highLowCloseChanged)
    /// The vertical grid lines are drawn.
    Q_PROPERTY(bool verticalGrid READ verticalGrid WRITE setVerticalGrid NOTIFY verticalGridChanged)
    /// The horizontal grid lines are drawn.
    Q_PROPERTY(bool horizontalGrid READ horizontalGrid WRITE setHorizontalGrid NOTIFY horizontalGridChanged)
    /// How the price pane draws a day (HighLowClose at first). The close line
    /// (highLowClose off) and a hidden chart win over it; the printed page
    /// follows it.
    Q_PROPERTY(PriceStyle priceStyle READ priceStyle WRITE setPriceStyle NOTIFY priceStyleChanged)
    /// The price pane, its ruler and grid, the overlays and the transaction
    /// arrows place prices on a logarithmic scale (off at first); the printed
    /// page follows it. Prices of 0 or below are left out there.
    Q_PROPERTY(bool logarithmicScale READ logarithmicScale WRITE setLogarithmicScale NOTIFY logarithmicScaleChanged)
public:
    /// How the price pane draws each day, on the place and in the slot its
    /// bar has. A day without an open (0) is drawn as a HighLowClose bar.
    enum PriceStyle : int {
        /// A bar from the low to the high with a mark for the close on its
        /// right: the chart's own drawing.
        HighLowClose,
        /// The same bar with a mark for the open on its left.
        OpenHighLowClose,
        /// A wick from the low to the high and a body from the open to the
        /// close, in the colour of a rising day (a close at or above the
        /// open) or a falling one: the settings keys CandleRising and
        /// CandleFalling, read at start-up and by SetColors.
        Candlestick,
    };
    Q_ENUM(PriceStyle)

    /// A chart with the stored colours and indicator periods (or their
    /// defaults) and no history; it draws nothing until its first resize.
    explicit REvuved(QWidget *parent = nullptr);
    ~REvuved() override;   ///< Destroys the chart and its child widgets.

    /// The ticker of the loaded history; set by ReadDataFile.
    QString ticker_name;
    ///@{
    /// How many buys and sells are recorded (see RecordBuy and RecordSell).
    int16_t buy_number = 0, sell_number = 0;
    ///@}
    ///@{
    /// The visible range: the newest visible day (the panes' right edge) and
    /// the oldest (their left edge), 1 and 200 at first. The drawing methods
    /// copy the range they draw into them.
    int16_t starting_date_local = 1, ending_date_local = 200;   // newest and oldest visible day
    ///@}
    ///@{
    /// Where the crosshair's vertical and horizontal lines were last drawn in
    /// the price pane: x and y, in twips.
    float OldVerticalLineX = 0, OldHorizontalLineY = 0;
    ///@}
    ///@{
    /// Whether the crosshair's vertical and horizontal lines are drawn now.
    bool isVerticalLineDisplayed = false, isHorizontalLineDisplayed = false;
    ///@}

    /// Loads `<application path>/hist/<TICKER>.csv`; b_Today_flag comes back false.
    /// Always returns an empty value.
    QVariant ReadDataFile(QString &Ticker, bool &b_Today_flag);
    /// Chooses the price scale for the range (copied into starting_date_local
    /// and ending_date_local) and draws the price ruler and horizontal grid.
    void DrawPriceRuler(int16_t &starting_date, int16_t &ending_date);
    /// Draws the price pane: bars or close line, the overlays that are on, and
    /// the transaction arrows. An ending day beyond the loaded days is lowered
    /// to record_count, also in the caller's variable. A failure (a visible day
    /// outside 1..5000, or an ending day two before the starting day, which
    /// gives no day slots) ends the drawing and is thrown as ControlError
    /// (ErrorNumber::SubscriptOutOfRange, ErrorNumber::DivisionByZero).
    void DisplayChart(int16_t &starting_date, int16_t &ending_date);
    ///@{
    /// Highest high and lowest low over the visible days, or over a range; only
    /// loaded days count, and no loaded day in the range gives 0.
    float MaximumPrice() const;
    float MinimumPrice() const;
    float GetMaximumPrice(int16_t &starting_date, int16_t &ending_date);
    float GetMinimumPrice(int16_t &starting_date, int16_t &ending_date);
    ///@}
    /// Erases the price pane and the rulers (not the indicator panes), and
    /// notes that the crosshair is no longer drawn.
    void Clear();
    /// Labels the days on the date ruler and draws the vertical grid.
    void DrawDateRuler(int16_t &starting_date, int16_t &ending_date);
    /// Fills the read-outs for the day under x (twips in the price pane): the
    /// caption with the company, high, low, close and date, the change label
    /// with the change against the older day. Either keeps its text when its
    /// days are not loaded.
    void UpdateCaption(float &x);
    ///@{
    /// Record a buy (sell) on the day under x: its arrow, an entry in the
    /// transaction list and the day in the tables. A sell needs a buy that is
    /// not more recent than it and recomputes both gains, allowed or not. A day
    /// that is not loaded records nothing; at 125 of a kind the user is told.
    void RecordBuy(float &x);
    void RecordSell(float &x);
    ///@}
    ///@{
    /// Draw a buy (sell) arrow for the day under x (twips in the price pane).
    void DrawBuy(float &x);
    void DrawSell(float &x);
    ///@}
    /// Forgets every transaction (the counts go to 0), empties the list and
    /// redraws.
    Q_SLOT void ClearBuysSells();
    /// Redraws the three indicator panes with indicators 1..10 (any other
    /// number leaves its pane empty) and raises DrawComplete.
    void DisplayTechnicalIndicators(int16_t &indicator1, int16_t &indicator2, int16_t &indicator3);
    /// Appends an entry for every counted transaction: buy 1, sell 1, buy 2...
    /// The list is not emptied first.
    void FillListView();
    /// The day index of a date; a weekend or holiday finds the trading day up to
    /// two days before it. 0 when the text is no date or nothing matches.
    int16_t ConvertDateToInteger(QString &str_date);
    ///@{
    /// Date texts of the newest and oldest visible day; throws ControlError 9
    /// when the visible range lies outside 1..5000.
    QString StartingDate() const;
    QString EndingDate() const;
    ///@}
    ///@{
    /// Page one window width toward older (GoBackward) or newer days, narrow
    /// the window by 30 % keeping its newest day, or widen it by its width on
    /// each side; clamped to the loaded days, and redrawn in every case.
    Q_SLOT void GoBackward();
    Q_SLOT void GoForward();
    Q_SLOT void ZoomIn();
    Q_SLOT void ZoomOut();
    ///@}
    /// The company, the list's entries and the two gain labels as they read,
    /// one line each, lines ending in a line feed.
    QString PrintTransactionsReport();
    ///@{
    /// Recompute the gain labels from the list's prices: the pairs' gains
    /// added, and compounded.
    void CalculateSumGain();
    void CalculateCumGain();
    ///@}
    /// Returns `input_date` unchanged, as a string value.
    QVariant convert_trading_date(QString &input_date);
    ///@{
    /// Save the chart's ticker, panes, range and transactions to a text file,
    /// and read them back; opening redraws nothing (the host reloads the
    /// history, rebuilds the list and redraws). Errors throw ControlError: 53
    /// no such file, 75/76 a path that cannot be written, 13 an item that is
    /// no number, 6 a number too large, 62 a file that ends early, 380 an
    /// indicator outside 1..10 (see ErrorNumber).
    void SaveChartInFile(QString &filepath);
    void OpenChartFromFile(QString &filepath);
    ///@}
    /// Prints the whole chart on one landscape page of the printer given by
    /// setPrinter (or the default printer); a chart with no printer to print
    /// on, or a printer that fails, throws ControlError 482.
    Q_SLOT void PrintEntireChart();
    /// Shows "data updated"; changes nothing.
    Q_SLOT void UpdateHistData();
    /// Re-applies the stored colours (with their own defaults); draws nothing.
    Q_SLOT void SetColors();
    ///@{
    /// Look up the company name of ticker_name on the lookup site (see
    /// setLookupSite) while the caption is shorter than 3 characters, and show
    /// it in the caption; DrawLabel raises CompanyNameResolved in every case.
    /// The host's events run while the lookup waits, for 5 seconds at most.
    Q_SLOT void DrawLabel();
    Q_SLOT void DrawLabelNoEvent();
    ///@}
    /// The caption's text: the company name, or the read-out of a day.
    QString CompanyName() const;
    ///@{
    /// Whether the 10-, 50- and 200-day and the custom moving averages are
    /// drawn (the popup menu switches them).
    bool MA10() const;
    bool MA50() const;
    bool MA200() const;
    bool MACustom() const;
    ///@}
    int16_t MaximumInput() const;          ///< Always 0.
    void setMaximumInput(int16_t value);   ///< Accepted and ignored.
    ///@{
    /// The indicator number (1..10, see DisplayTechnicalIndicators) of the
    /// first, second and third indicator pane.
    int16_t TechInd1() const;
    int16_t TechInd2() const;
    int16_t TechInd3() const;
    ///@}

    /// @name Following the history file, pictures, the legend
    ///@{
    bool followHistoryFile() const;   ///< The followHistoryFile property.
    /// While on, a change to the loaded ticker's history file (written in
    /// place, or replaced) is read once the writes have settled for half a
    /// second: the window stays on the newest day if it showed it and on the
    /// same dates otherwise, the transactions keep their dates, the chart is
    /// redrawn and historyLoaded is emitted. A file that is not whole (its
    /// last line unfinished, or no day in it) leaves the chart as it is.
    /// Off by default; a history from loadHistory is not followed.
    void setFollowHistoryFile(bool on);
    /// Draws the chart as the window shows it (price pane, rulers, read-outs,
    /// the three panes, arrows) into `target` on any paint device: an SVG or
    /// PDF generator, a printer, or an image of any resolution. Lines one
    /// pixel wide on the screen are one device pixel wide there. Draws
    /// nothing without a history or on a device that cannot be painted.
    void renderTo(QPaintDevice *device, const QRectF &target);
    bool showLegend() const;          ///< The showLegend property.
    /// Shows or hides the legend on the screen (off by default): the names
    /// the printed legend gives the averages shown and each pane's series,
    /// in their colours, at the top left of their pane. Redraws.
    void setShowLegend(bool on);
    ///@}

    const PriceHistory &history() const;   ///< The loaded history, a read-only view for hosts.
    /// Where PrintEntireChart prints; nullptr means the default printer. The
    /// chart does not own the printer.
    void setPrinter(QPrinter *printer);

    /// @name Data from memory and the properties
    ///@{
    /// Loads a history handed over in memory, newest day first, as
    /// ReadDataFile loads a file: days with a high or low of 0 do not count,
    /// at most the 5000 newest are kept, dates are stored as "yyyy-mm-dd"
    /// texts and the slots above the new count are cleared. Sets ticker_name
    /// and, when given, the company name and the caption; emits
    /// historyLoaded; draws nothing. False, with nothing changed, for a list
    /// that is not newest first or holds an invalid date.
    bool loadHistory(const QString &ticker, const QList<DayPrices> &newestFirst,
                     const QString &companyName = QString());
    int newestDay() const;             ///< The newestDay property.
    int oldestDay() const;             ///< The oldestDay property.
    void setNewestDay(int day);        ///< setVisibleRange(day, oldestDay()).
    void setOldestDay(int day);        ///< setVisibleRange(newestDay(), day).
    int dayCount() const;              ///< The dayCount property: history().record_count.
    QString ticker() const;            ///< The ticker property.
    bool envelopes() const;            ///< The envelopes property.
    bool bollingerBands() const;       ///< The bollingerBands property.
    bool highLowClose() const;         ///< The highLowClose property.
    bool verticalGrid() const;         ///< The verticalGrid property.
    bool horizontalGrid() const;       ///< The horizontalGrid property.
    /// Setters of the drawing switches: a change redraws the chart and emits
    /// the switch's signal, as the popup menu's toggle does (the custom
    /// average keeps its period; no dialog is shown).
    void setMovingAverage10(bool on);
    void setMovingAverage50(bool on);        ///< See setMovingAverage10.
    void setMovingAverage200(bool on);       ///< See setMovingAverage10.
    void setCustomMovingAverage(bool on);    ///< See setMovingAverage10.
    void setEnvelopes(bool on);              ///< See setMovingAverage10.
    void setBollingerBands(bool on);         ///< See setMovingAverage10.
    void setHighLowClose(bool on);           ///< See setMovingAverage10.
    void setVerticalGrid(bool on);           ///< See setMovingAverage10.
    void setHorizontalGrid(bool on);         ///< See setMovingAverage10.
    void setLogarithmicScale(bool on);       ///< See setMovingAverage10.
    PriceStyle priceStyle() const;           ///< The priceStyle property.
    bool logarithmicScale() const;           ///< The logarithmicScale property.
    /// Sets the price style: a change redraws the chart and emits
    /// priceStyleChanged; a value that is no PriceStyle is ignored.
    void setPriceStyle(PriceStyle style);
    ///@}

    struct Private;   ///< What the chart keeps behind its interface.

public slots:
    /// Shows the days newestDay .. oldestDay (in either order), clamped to
    /// the loaded days as paging clamps (without a history the range stays),
    /// and redraws; emits visibleRangeChanged when the range changed.
    void setVisibleRange(int newestDay, int oldestDay);
    /// Draws the crosshair's vertical line at day `day` and fills the
    /// read-outs as a left press of the pointer there would; 0 takes the line
    /// away. Used to link the crosshairs of several charts (by date, through
    /// crosshairMoved).
    void showCrosshairAt(int day);
    /// ReadDataFile for `ticker`, then the newest `days` days, then the
    /// window redraw. False, with nothing changed, when the ticker has no
    /// history file.
    bool openTicker(const QString &ticker, int days = 200);

signals:
    /// After every redraw of the indicator panes, so after every full redraw.
    void DrawComplete();
    /// After every DrawLabel.
    void CompanyNameResolved();
    /// The visible range changed, whatever changed it (the user, a host
    /// call, a chart file, a timer); told once, after the redraw's last pane.
    void visibleRangeChanged(int newestDay, int oldestDay);
    /// A history was loaded (ReadDataFile, loadHistory, openTicker).
    void historyLoaded(const QString &ticker, int dayCount);
    /// The day under the crosshair's vertical line, when it moves to another
    /// one; 0 when no loaded day is under it or it is hidden (a redraw
    /// hides it).
    void crosshairMoved(int day);
    /// A transaction was recorded or deleted, the transactions were cleared
    /// or listed, or a chart file was opened.
    void transactionsChanged();
    /// The user chose the popup menu's "Time Range" (besides the Ctrl+T it
    /// sends to the host's window).
    void timeRangeRequested();
    void followHistoryFileChanged(bool on);   ///< The followHistoryFile property changed.
    void showLegendChanged(bool on);          ///< The showLegend property changed.
    ///@{
    /// A drawing switch changed, whatever changed it (the popup menu, a host
    /// call); the argument is its new state.
    void movingAverage10Changed(bool on);
    void movingAverage50Changed(bool on);
    void movingAverage200Changed(bool on);
    void customMovingAverageChanged(bool on);
    void envelopesChanged(bool on);
    void bollingerBandsChanged(bool on);
    void highLowCloseChanged(bool on);
    void verticalGridChanged(bool on);
    void horizontalGridChanged(bool on);
    void logarithmicScaleChanged(bool on);
    ///@}
    /// The price style changed, whatever changed it; the argument is the new
    /// style.
    void priceStyleChanged(quotechart::REvuved::PriceStyle style);

protected:
    void resizeEvent(QResizeEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    std::unique_ptr<Private> d;
    friend struct TestAccess;   // lets the library's own tests reach the private state
};

}   // namespace quotechart
