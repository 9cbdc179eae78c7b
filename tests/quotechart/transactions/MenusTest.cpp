// The transactions driven with the mouse: Record Buy and Record Sell on the
// price pane's popup menu, and the transaction list's Delete.

#include "TransactionsFixture.h"
#include "platform/Rounding.h"
#include "render/PriceAxis.h"

#include <QAbstractButton>
#include <QAction>
#include <QMenu>
#include <QSignalSpy>

#include <cstdlib>
#include <set>

namespace {

const QColor BuyArrow(0, 180, 0), SellArrow(180, 0, 0);
const QString Question =
    QString("Delete transaction?") + QChar(10) + "(corresponding Buys or Sells will also be deleted)";

QRgb inverted(QRgb rgb) { return ~rgb | 0xFF000000u; }

class Menus : public TransactionsTest {
protected:
    // Presses and releases the right button over `target`; the menu that
    // opens is closed and kept for `choose`. Whether one opened.
    bool rightClick(QWidget *target, QPoint at)
    {
        opened = nullptr;
        ModalAnswer answer([this](QWidget *widget) {
            opened = qobject_cast<QMenu *>(widget);
            widget->close();
        });
        QTest::mousePress(target, Qt::RightButton, {}, at);
        QTest::mouseRelease(target, Qt::RightButton, {}, at);
        return answer.answered();
    }
    // The entry chosen once its menu has closed, as a click on it does.
    void choose(const char *name)
    {
        ASSERT_NE(opened, nullptr);
        opened->findChild<QAction *>(name)->trigger();
    }

    QPoint onPane(int day) { return QPoint(int(xOf(day) / T), 200); }
    // A left click puts the crosshair on the day, a right release there
    // opens the popup menu and leaves it where it was.
    bool popupMenuOn(int day)
    {
        QTest::mouseClick(&price(), Qt::LeftButton, {}, onPane(day));
        paneBefore = price().image().copy();
        QTest::mouseMove(&price(), onPane(day));
        return rightClick(&price(), onPane(day));
    }
    // The pane as it was, with the arrow drawn under the crosshair line.
    void expectArrowUnderTheCrosshair(int day, double tipTwips, bool isBuy)
    {
        const int x = onPane(day).x();
        const int tip = int(platform::roundHalfEven(float(tipTwips / T)));
        std::set<std::pair<int, int>> arrow;
        for (const auto &[y, run] : arrowRows(x, tip, isBuy))
            for (int k = 0; k < run.second; ++k)
                arrow.insert({run.first + k, y});
        const QRgb colour = (isBuy ? BuyArrow : SellArrow).rgb();
        const QImage &after = price().image();
        int wrong = 0;
        for (int py = 0; py < after.height(); ++py)
            for (int px = 0; px < after.width(); ++px) {
                QRgb expected = paneBefore.pixel(px, py);
                if (arrow.count({px, py}))
                    expected = px == x ? inverted(colour) : colour;
                wrong += after.pixel(px, py) != expected;
            }
        EXPECT_EQ(wrong, 0);
        EXPECT_TRUE(chart->isVerticalLineDisplayed);
        EXPECT_FLOAT_EQ(chart->OldVerticalLineX, float(x * T));
    }

    QWidget *listArea() { return list().viewport(); }
    QPoint onEntry(int row) { return list().visualItemRect(list().topLevelItem(row)).center(); }
    // Right-clicks entry `row`, chooses Delete and answers the confirmation.
    void deleteEntry(int row, QMessageBox::StandardButton answer)
    {
        ASSERT_TRUE(rightClick(listArea(), onEntry(row)));
        auto confirmation = ModalAnswer::messageBox(answer);
        choose("mnuPopupListViewDelete");
        EXPECT_TRUE(confirmation->answered());
    }
    int arrowPixels()
    {
        return int(paintedRows(price().image(), BuyArrow).size() + paintedRows(price().image(), SellArrow).size());
    }

    QMenu *opened = nullptr;
    QImage paneBefore;
};

TEST_F(Menus, RecordBuyAndRecordSellTakeTheDayUnderTheRightRelease)
{
    const quotechart::PriceAxis prices(price().surface().scaleHeight(), quotechart::TestAccess::scale(*chart));
    ASSERT_TRUE(popupMenuOn(30));
    EXPECT_EQ(opened->objectName(), "mnuPopup");
    choose("mnuPopupRecordBuy");
    EXPECT_EQ(chart->buy_number, 1);
    EXPECT_EQ(tables().buy_days[1], 30);
    expectArrowUnderTheCrosshair(30, prices.yOverBottomEdge(history().low_array[30]), true);

    ASSERT_TRUE(popupMenuOn(20));
    choose("mnuPopupRecordSell");
    EXPECT_EQ(chart->sell_number, 1);
    EXPECT_EQ(tables().sell_days[1], 20);
    expectArrowUnderTheCrosshair(20, prices.yOverBottomEdge(history().high_array[20]) - 100, false);
    EXPECT_EQ(list().topLevelItemCount(), 2);
    EXPECT_TRUE(label("SumGain").startsWith("Summarized gain: "));
}

TEST_F(Menus, DeletingAnOpenBuyTakesItAlone)
{
    buyOn(30);
    sellOn(20);
    buyOn(10);
    QSignalSpy drawn(chart.get(), &quotechart::REvuved::DrawComplete);
    deleteEntry(2, QMessageBox::Ok);
    EXPECT_EQ(chart->buy_number, 1);
    EXPECT_EQ(chart->sell_number, 1);
    EXPECT_EQ(list().topLevelItemCount(), 2);
    EXPECT_EQ(drawn.count(), 1);
    EXPECT_EQ(paintedRows(price().image(), BuyArrow).size(), 12u);   // buy 1's arrow, whole
    EXPECT_EQ(tables().buy_days[2], 10);                             // the tables keep it, past the count
}

TEST_F(Menus, DeletingASellTakesItsBuyWithItAfterAskingOnce)
{
    buyOn(30);
    sellOn(20);
    QString text, title;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
    ASSERT_TRUE(rightClick(listArea(), onEntry(1)));
    ModalAnswer confirmation([&](QWidget *widget) {
        auto *box = qobject_cast<QMessageBox *>(widget);
        text = box->text();
        title = box->windowTitle();
        icon = box->icon();
        buttons = box->standardButtons();
        box->button(QMessageBox::Ok)->click();
    });
    QSignalSpy drawn(chart.get(), &quotechart::REvuved::DrawComplete);
    choose("mnuPopupListViewDelete");
    EXPECT_EQ(text, Question);
    EXPECT_EQ(title, "Confirmation");
    EXPECT_EQ(icon, QMessageBox::Warning);
    EXPECT_EQ(buttons, QMessageBox::Ok | QMessageBox::Cancel);
    EXPECT_EQ(list().topLevelItemCount(), 0);
    EXPECT_EQ(chart->buy_number, 0);
    EXPECT_EQ(chart->sell_number, 0);
    EXPECT_EQ(drawn.count(), 1);
    EXPECT_EQ(arrowPixels(), 0);
    EXPECT_EQ(label("SumGain"), "Summarized gain: 0.0 %");
    EXPECT_EQ(label("CumGain"), "Cumulative gain: 0.0 %");
}

TEST_F(Menus, OnlyTheLastEntryWhenSelectedOffersTheMenu)
{
    buyOn(30);
    sellOn(20);
    EXPECT_TRUE(rightClick(listArea(), onEntry(1)));
    EXPECT_EQ(opened->objectName(), "mnuPopupListView");
    EXPECT_EQ(opened->actions().size(), 1);
    EXPECT_EQ(opened->actions().first()->text(), "Delete");
    const QPoint below = onEntry(1) + QPoint(0, 5 * list().visualItemRect(list().topLevelItem(1)).height());
    EXPECT_FALSE(rightClick(listArea(), below));   // no entry under the pointer
    EXPECT_FALSE(rightClick(listArea(), onEntry(0)));
    EXPECT_EQ(list().selectedItems(), QList<QTreeWidgetItem *>{list().topLevelItem(0)});
    QTest::mouseClick(listArea(), Qt::LeftButton, {}, onEntry(1));
    ModalAnswer none([](QWidget *widget) {
        ADD_FAILURE() << "no menu on the left button";
        widget->close();
    });
    QTest::mouseClick(listArea(), Qt::LeftButton, {}, onEntry(1));
    EXPECT_FALSE(none.answered());
    EXPECT_EQ(list().topLevelItemCount(), 2);
}

TEST_F(Menus, CancelRemovesNothingButTheGainsAreRecomputed)
{
    buyOn(30);
    sellOn(20);
    child<QLabel>("SumGain")->setText("stale");
    child<QLabel>("CumGain")->setText("stale");
    deleteEntry(1, QMessageBox::Cancel);
    EXPECT_EQ(list().topLevelItemCount(), 2);
    EXPECT_EQ(chart->buy_number, 1);
    EXPECT_EQ(chart->sell_number, 1);
    EXPECT_TRUE(label("SumGain").startsWith("Summarized gain: "));
    EXPECT_TRUE(label("CumGain").startsWith("Cumulative gain: "));
}

TEST_F(Menus, OneConfirmationNeverTakesMoreThanTheLastTransactionOrPair)
{
    // A buy following a buy: the sell goes with the buy before it, the first buy stays.
    buyOn(40);
    buyOn(30);
    sellOn(20);
    deleteEntry(2, QMessageBox::Ok);
    EXPECT_EQ(entries(), QStringList{entry("B", 40)});
    EXPECT_EQ(chart->buy_number, 1);
    EXPECT_EQ(chart->sell_number, 0);
    EXPECT_TRUE(list().selectedItems().isEmpty());

    // A sell following a sell goes alone: the entry before it is no buy.
    chart->ClearBuysSells();
    buyOn(40);
    sellOn(30);
    sellOn(20);
    deleteEntry(2, QMessageBox::Ok);
    EXPECT_EQ(list().topLevelItemCount(), 2);
    EXPECT_EQ(chart->buy_number, 1);
    EXPECT_EQ(chart->sell_number, 1);
    EXPECT_TRUE(list().selectedItems().isEmpty());
}

// Set QUOTECHART_PICTURE_DIR to keep the picture as transactions.png there.
TEST_F(Menus, APictureOfSeveralTradesShowsTheirArrowsTheListAndTheGains)
{
    const int trades[][2] = {{95, 80}, {70, 52}, {45, 33}, {25, 6}};
    for (const auto &trade : trades) {
        ASSERT_TRUE(popupMenuOn(trade[0]));
        choose("mnuPopupRecordBuy");
        ASSERT_TRUE(popupMenuOn(trade[1]));
        choose("mnuPopupRecordSell");
    }
    setRange(1, 100);
    EXPECT_EQ(paintedRows(price().image(), BuyArrow).size() / 12, 4u);
    EXPECT_EQ(list().topLevelItemCount(), 8);
    EXPECT_TRUE(list().isVisible());
    const QImage picture = chart->grab().toImage();
    EXPECT_EQ(picture.size(), chart->size());
    if (const char *dir = std::getenv("QUOTECHART_PICTURE_DIR")) {
        EXPECT_TRUE(picture.save(QString::fromLocal8Bit(dir) + "/transactions.png"));
    }
}

}   // namespace
