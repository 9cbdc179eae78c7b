// Placement of the children on resize, at a normal size and at sizes too
// small for the fixed strips.

#include "ChartTest.h"

#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QTabBar>
#include <QTabWidget>
#include <QTreeWidget>

namespace {

class Layout : public ChartTest {
protected:
    QRect geometry(const char *name) const { return chart->findChild<QWidget *>(name)->geometry(); }
};

TEST_F(Layout, PlacesEveryPaneByTwipsAtANormalSize)
{
    showChart(1200, 900);   // W = 18000, H = 13500 twips
    EXPECT_EQ(geometry("SSTab1"), QRect(1033, 0, 167, 900));
    EXPECT_EQ(geometry("CaptionLabel"), QRect(0, 0, 867, 15));
    EXPECT_EQ(geometry("ChangeLabel"), QRect(867, 0, 160, 15));
    EXPECT_EQ(geometry("Picture1"), QRect(43, 15, 983, 565));
    EXPECT_EQ(geometry("PriceRuler"), QRect(0, 15, 43, 565));
    EXPECT_EQ(geometry("DateRuler"), QRect(43, 580, 983, 20));
    EXPECT_EQ(geometry("TimeForward"), QRect(22, 580, 21, 20));
    EXPECT_EQ(geometry("TimeBackward"), QRect(0, 580, 22, 20));
    EXPECT_EQ(geometry("Picture2"), QRect(43, 600, 983, 100));
    EXPECT_EQ(geometry("Picture3"), QRect(43, 700, 983, 100));
    EXPECT_EQ(geometry("Picture4"), QRect(43, 800, 983, 100));
    EXPECT_EQ(geometry("TechRuler3"), QRect(0, 800, 43, 100));
    EXPECT_EQ(child<QTabWidget>("SSTab1")->currentIndex(), 0);
    EXPECT_EQ(geometry("ListView1").size(), QSize(161, 802));   // 2415 x (13500 - 1475) twips
}

TEST_F(Layout, FollowsEveryResize)
{
    showChart(1200, 900);
    chart->resize(900, 600);
    QApplication::processEvents();
    EXPECT_EQ(geometry("Picture1"), QRect(43, 15, 683, 365));
    EXPECT_EQ(geometry("Picture4"), QRect(43, 533, 683, 67));
}

TEST_F(Layout, SkipsPlacementsThatWouldHaveNegativeSizes)
{
    showChart(1200, 900);
    const QRect price = geometry("Picture1");
    const QRect caption = geometry("CaptionLabel");
    chart->resize(150, 40);   // W = 2250 < 3250, H = 600
    QApplication::processEvents();
    EXPECT_EQ(geometry("Picture1"), price);         // width W - 3250 < 0: kept
    EXPECT_EQ(geometry("CaptionLabel"), caption);   // width W - 5000 < 0: kept
    EXPECT_EQ(geometry("SSTab1"), QRect(-17, 0, 167, 40));
    EXPECT_EQ(geometry("PriceRuler").y(), 15);   // height 2H/3 - 520 = -120: kept
    EXPECT_EQ(geometry("TechRuler1"), QRect(0, 27, 43, 4));

    chart->resize(1, 1);
    QApplication::processEvents();
    chart->resize(0, 0);
    QApplication::processEvents();
    SUCCEED();
}

}   // namespace

namespace {

// Whether `text` shows whole in a box of `width` pixels that keeps `padding`
// for its frame, in the widget's font.
bool fits(const QWidget &widget, const QString &text, int width, int padding = 0)
{
    return widget.fontMetrics().horizontalAdvance(text) + padding <= width;
}

TEST_F(Layout, EveryCaptionEntryTabAndColumnTitleShowsWhole)
{
    showChart(1200, 900);
    for (int k = 1; k <= 3; ++k) {
        auto *combo = child<QComboBox>(QStringLiteral("Combo(%1)").arg(k));
        QStyleOptionComboBox option;
        option.initFrom(combo);
        const QRect field = combo->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField,
                                                           combo);
        for (int entry = 0; entry < combo->count(); ++entry) {
            EXPECT_TRUE(fits(*combo, combo->itemText(entry), field.width())) << combo->itemText(entry).toStdString();
            combo->setCurrentIndex(entry);   // shows that indicator's period captions
            for (int row = 1; row <= 3; ++row) {
                auto *label = child<QLabel>(QStringLiteral("Label%1(%2)").arg(row).arg(k));
                if (label->isVisibleTo(chart.get())) {
                    EXPECT_TRUE(fits(*label, label->text(), label->contentsRect().width()))
                        << label->text().toStdString();
                }
            }
        }
    }

    auto *tabs = child<QTabWidget>("SSTab1");
    QTabBar *bar = tabs->tabBar();
    const int tabPadding = bar->style()->pixelMetric(QStyle::PM_TabBarTabHSpace, nullptr, bar);
    for (int tab = 0; tab < bar->count(); ++tab)
        EXPECT_TRUE(fits(*bar, bar->tabText(tab), bar->tabRect(tab).width(), tabPadding))
            << bar->tabText(tab).toStdString();
    EXPECT_LE(bar->tabRect(bar->count() - 1).right(), tabs->width());

    auto *list = child<QTreeWidget>("ListView1");
    QHeaderView *header = list->header();
    const int headerPadding = 2 * header->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header);
    for (int column = 1; column < list->columnCount(); ++column)
        EXPECT_TRUE(fits(*header, list->headerItem()->text(column), header->sectionSize(column), headerPadding))
            << list->headerItem()->text(column).toStdString();
    EXPECT_LE(header->length(), list->viewport()->width())
        << header->sectionSize(0) << " " << header->sectionSize(1) << " " << header->sectionSize(2) << " "
        << header->sectionSize(3) << " min " << header->minimumSectionSize();

    auto *apply = child<QPushButton>("Command1");
    EXPECT_TRUE(fits(*apply, apply->text(), apply->width(), 12));
    for (const char *gain : {"SumGain", "CumGain"})
        EXPECT_TRUE(fits(*child<QLabel>(gain), child<QLabel>(gain)->text(), child<QLabel>(gain)->width()));
}

}   // namespace
