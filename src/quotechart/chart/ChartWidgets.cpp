#include "chart/ChartWidgets.h"

#include "chart/GridLineDelegate.h"
#include "indicators/IndicatorCatalogue.h"
#include "platform/PictureBox.h"

#include <QComboBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QTabWidget>
#include <QTimer>
#include <QTreeWidget>

namespace quotechart {

namespace {

QString arrayName(const char *name, int index) { return QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(index); }

template <typename Widget> Widget *named(Widget *widget, const QString &name)
{
    widget->setObjectName(name);
    return widget;
}

platform::PictureBox *pictureBox(QWidget &parent, const QString &name)
{
    return named(new platform::PictureBox(&parent), name);
}

QLabel *label(QWidget &parent, const QString &name, const QString &text = {})
{
    auto *result = named(new QLabel(text, &parent), name);
    result->setAutoFillBackground(true);
    // Read-outs and captions are plain text: a company name with "<" in it
    // shows as written, and no text is searched for markup on every move.
    result->setTextFormat(Qt::PlainText);
    return result;
}

// The arrows that step the visible range, left of the date ruler.
QLabel *arrowLabel(QWidget &parent, const QString &name, const QString &text)
{
    QLabel *arrow = label(parent, name, text);
    QFont font(QStringLiteral("Arial"));
    font.setBold(true);
    arrow->setFont(font);
    arrow->setAlignment(Qt::AlignCenter);
    // The idle look's white background; the text keeps the system's colour
    // until the first press.
    QPalette palette = arrow->palette();
    palette.setColor(QPalette::Window, Qt::white);
    arrow->setPalette(palette);
    return arrow;
}

constexpr int PeriodLabelWidth = 88;   // pixels, as the panel was designed
constexpr double LargestPanelPoints = 8, SmallestPanelPoints = 6;

// The width a combo gives its entry's text.
int comboTextWidth(const QComboBox &combo)
{
    QStyleOptionComboBox option;
    option.initFrom(&combo);
    return combo.style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, &combo).width();
}

bool namesAndCaptionsFit(const QFont &font, int comboText)
{
    const QFontMetrics metrics(font);
    for (const IndicatorInfo &indicator : indicatorCatalogue) {
        if (metrics.horizontalAdvance(QLatin1String(indicator.name)) > comboText)
            return false;
        for (const PeriodCaption &period : indicator.periods)
            if (period.caption && metrics.horizontalAdvance(QLatin1String(period.caption)) > PeriodLabelWidth)
                return false;
    }
    return true;
}

// The side panel was laid out for the old framework's small default font; in
// Qt's wider default, captions such as "%K periods fast" ran past their
// labels and the tab titles were cut. The panel takes the application font's
// family at the largest size, 8 points or less in half points, at which every
// indicator name fits its combo and every period caption its label.
void chooseSidePanelFont(ChartWidgets &w)
{
    QFont font = w.sidePanel->font();
    const int comboText = comboTextWidth(*w.indicatorCombos[0]);
    for (double points = LargestPanelPoints; points >= SmallestPanelPoints; points -= 0.5) {
        font.setPointSizeF(points);
        if (namesAndCaptionsFit(font, comboText))
            break;
    }
    w.sidePanel->setFont(font);
}

// Pane k's indicator choice and its three captioned period fields, in a
// column of the indicators frame (positions in pixels of the frame).
void createPaneSettings(ChartWidgets &w, int k)
{
    const int top = 22 + (k - 1) * 100;
    QComboBox *combo = named(new QComboBox(w.indicatorsFrame), arrayName("Combo", k));
    combo->setGeometry(7, top, 139, 22);
    w.indicatorCombos[k - 1] = combo;
    PeriodFieldWidgets &fields = w.periodFields[k - 1];
    for (int row = 0; row < 3; ++row) {
        const QByteArray labelName = "Label" + QByteArray::number(row + 1);
        const QByteArray textName = "Text" + QByteArray::number(row + 1);
        fields.labels[row] = named(new QLabel(w.indicatorsFrame), arrayName(labelName.constData(), k));
        fields.labels[row]->setGeometry(7, top + 27 + row * 23, PeriodLabelWidth, 20);
        fields.texts[row] = named(new QLineEdit(w.indicatorsFrame), arrayName(textName.constData(), k));
        fields.texts[row]->setGeometry(97, top + 26 + row * 23, 49, 21);
    }
}

void createSidePanel(QWidget &chart, ChartWidgets &w)
{
    w.sidePanel = named(new QTabWidget(&chart), QStringLiteral("SSTab1"));
    w.indicatorsTab = new QWidget;
    w.transactionsTab = new QWidget;
    w.sidePanel->addTab(w.indicatorsTab, QObject::tr("Indicators"));
    w.sidePanel->addTab(w.transactionsTab, QObject::tr("Transactions"));

    w.indicatorsFrame = named(new QGroupBox(QStringLiteral("Indicators"), w.indicatorsTab), QStringLiteral("Frame2"));
    for (int k = 1; k <= PaneCount; ++k)
        createPaneSettings(w, k);
    w.applyButton = named(new QPushButton(QStringLiteral("Apply now"), w.indicatorsFrame), QStringLiteral("Command1"));
    w.applyButton->setGeometry(7, 0, 139, 25);

    w.transactionList = named(new QTreeWidget(w.transactionsTab), QStringLiteral("ListView1"));
    w.transactionList->setColumnCount(4);
    w.transactionList->setHeaderLabels(
        {QString(), QStringLiteral("Price"), QStringLiteral("Date"), QStringLiteral("%")});
    w.transactionList->setRootIsDecorated(false);
    w.transactionList->setSortingEnabled(false);
    w.transactionList->setItemDelegate(new GridLineDelegate(w.transactionList));
    w.sumGainLabel = named(new QLabel(QStringLiteral("Summarized gain"), w.transactionsTab), QStringLiteral("SumGain"));
    w.cumGainLabel = named(new QLabel(QStringLiteral("Cumulative gain"), w.transactionsTab), QStringLiteral("CumGain"));
    w.sumGainLabel->setGeometry(2, 0, 160, 20);
    w.cumGainLabel->setGeometry(2, 0, 160, 20);
    chooseSidePanelFont(w);
}

}   // namespace

ChartWidgets createChartWidgets(QWidget &chart)
{
    ChartWidgets w;
    w.pricePane = pictureBox(chart, QStringLiteral("Picture1"));
    for (int k = 0; k < PaneCount; ++k) {
        w.indicatorPanes[k] = pictureBox(chart, QStringLiteral("Picture%1").arg(k + 2));
        w.indicatorRulers[k] = pictureBox(chart, QStringLiteral("TechRuler%1").arg(k + 1));
    }
    w.priceRuler = pictureBox(chart, QStringLiteral("PriceRuler"));
    w.dateRuler = pictureBox(chart, QStringLiteral("DateRuler"));
    w.dayReadout = label(chart, QStringLiteral("CaptionLabel"));
    w.changeReadout = label(chart, QStringLiteral("ChangeLabel"));
    w.olderArrow = arrowLabel(chart, QStringLiteral("TimeBackward"), QStringLiteral("<<"));
    w.newerArrow = arrowLabel(chart, QStringLiteral("TimeForward"), QStringLiteral(">>"));
    w.newerRepeat = named(new QTimer(&chart), QStringLiteral("Timer1"));
    w.olderRepeat = named(new QTimer(&chart), QStringLiteral("Timer2"));
    createSidePanel(chart, w);
    return w;
}

}   // namespace quotechart
