// The indicator settings tab driven as a user drives it.

#include "ChartTest.h"
#include "TestAccess.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>
#include <QSignalSpy>
#include <QTimer>

namespace {

// Presses OK on every message box that opens while it lives, noting each
// text and the red field behind it.
class MessageLog {
public:
    MessageLog()
    {
        timer_.setInterval(1);
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (!box || box->property("answered").toBool())
                return;
            box->setProperty("answered", true);
            texts << box->text();
            icons << box->icon();
            if (auto *field = qobject_cast<QLineEdit *>(box->parentWidget()))
                redWhileShown << (field->palette().color(QPalette::Base) == QColor(255, 0, 0));
            box->button(QMessageBox::Ok)->click();
        });
        timer_.start();
    }
    QStringList texts;
    QList<QMessageBox::Icon> icons;
    QList<bool> redWhileShown;

private:
    QTimer timer_;
};

class SettingsTab : public ChartTest {
protected:
    void SetUp() override
    {
        showChart(1200, 900);
        hist.writeStandard("DAYS", syntheticRows(300));
        load("DAYS");
    }
    QComboBox *combo(int k) { return child<QComboBox>(QStringLiteral("Combo(%1)").arg(k)); }
    QLineEdit *text(int field, int k) { return child<QLineEdit>(QStringLiteral("Text%1(%2)").arg(field).arg(k)); }
    QLabel *label(int field, int k) { return child<QLabel>(QStringLiteral("Label%1(%2)").arg(field).arg(k)); }
    quotechart::PaneSettings &pane(int k) { return quotechart::TestAccess::document(*chart).pane_settings[k - 1]; }
    void choose(int k, int position)
    {
        combo(k)->setCurrentIndex(position);
        emit combo(k)->activated(position);
    }
    void apply() { child<QPushButton>("Command1")->click(); }
    QString stored(const QString &key)
    {
        QSettings settings(QSettings::IniFormat, QSettings::UserScope, "Tradevane5");
        return settings.value("Settings/" + key).toString();
    }
    void onlyPaneOne(int position)
    {
        choose(1, position);
        choose(2, 0);
        choose(3, 8);
    }
};

TEST_F(SettingsTab, ChoosingAnIndicatorShowsItsFieldsAndRedrawsEvenForTheSameEntry)
{
    QSignalSpy drawn(chart.get(), &quotechart::REvuved::DrawComplete);
    choose(2, 4);
    EXPECT_EQ(pane(2).indicator, 5);
    EXPECT_EQ(label(1, 2)->text(), "First MA per.");
    EXPECT_EQ(text(2, 2)->text(), "26");
    EXPECT_EQ(text(3, 2)->text(), "5");
    EXPECT_TRUE(text(3, 2)->isVisibleTo(chart.get()));
    choose(2, 4);
    EXPECT_EQ(drawn.count(), 2);
    choose(2, 0);
    EXPECT_FALSE(text(1, 2)->isVisibleTo(chart.get()));
    EXPECT_FALSE(label(1, 2)->isVisibleTo(chart.get()));
    choose(2, 9);
    EXPECT_EQ(label(1, 2)->text(), "Money flow per.");
    EXPECT_EQ(text(1, 2)->text(), "10");
    EXPECT_EQ(combo(2)->maxVisibleItems(), 12);
}

TEST_F(SettingsTab, EverySelectionRunsTheHandlingOnceWhoeverMakesIt)
{
    QSignalSpy drawn(chart.get(), &quotechart::REvuved::DrawComplete);
    combo(2)->setCurrentIndex(4);   // the program's choice
    EXPECT_EQ(pane(2).indicator, 5);
    EXPECT_EQ(label(1, 2)->text(), "First MA per.");
    EXPECT_EQ(drawn.count(), 1);

    QApplication::processEvents();
    emit combo(2)->activated(4);   // the user picks the entry already chosen
    EXPECT_EQ(drawn.count(), 2);

    QTest::keyClick(combo(2), Qt::Key_Down);   // the keyboard's next entry: changed and activated
    EXPECT_EQ(pane(2).indicator, 6);
    EXPECT_EQ(label(1, 2)->text(), "1st periods");
    EXPECT_EQ(drawn.count(), 3);
}

TEST_F(SettingsTab, TheBoundsAreIncludedAndTheValuesRoundHalfToEven)
{
    onlyPaneOne(3);   // slow stochastic: two fields
    text(1, 1)->setText("1");
    text(2, 1)->setText("300");
    MessageLog log;
    apply();
    EXPECT_TRUE(log.texts.isEmpty());
    EXPECT_EQ(pane(1).SS_periodsK, 1);
    EXPECT_EQ(pane(1).SS_periodsD, 300);
    text(1, 1)->setText("5.6");
    text(2, 1)->setText(" 12.5 ");
    apply();
    EXPECT_EQ(pane(1).SS_periodsK, 6);
    EXPECT_EQ(pane(1).SS_periodsD, 12);
}

TEST_F(SettingsTab, EachBoundBrokenHasItsMessageAndNothingIsStored)
{
    onlyPaneOne(3);
    text(1, 1)->setText("0");
    text(2, 1)->setText("301");
    QSignalSpy drawn(chart.get(), &quotechart::REvuved::DrawComplete);
    MessageLog log;
    apply();
    EXPECT_EQ(log.texts, QStringList({"The value has to be greater than 1", "The value has to be less than 300"}));
    EXPECT_EQ(log.icons, QList<QMessageBox::Icon>({QMessageBox::NoIcon, QMessageBox::NoIcon}));
    EXPECT_EQ(log.redWhileShown, QList<bool>({true, true}));
    EXPECT_EQ(text(1, 1)->palette().color(QPalette::Base), QColor(255, 255, 255));
    EXPECT_EQ(pane(1).SS_periodsK, 5);
    EXPECT_EQ(drawn.count(), 0);
    EXPECT_EQ(stored("Tech1"), "");
}

TEST_F(SettingsTab, ANonNumberEndsTheWholeOperation)
{
    onlyPaneOne(4);   // MACD: three fields
    text(1, 1)->setText("20");
    text(2, 1)->setText("");
    text(3, 1)->setText("9");
    MessageLog log;
    apply();
    EXPECT_EQ(log.texts, QStringList({"Numeric expression required"}));
    EXPECT_EQ(log.icons.value(0), QMessageBox::Warning);
    EXPECT_EQ(pane(1).MACDperiods1, 20);   // stored before the empty field's turn
    EXPECT_EQ(pane(1).MACDperiods3, 5);
    EXPECT_EQ(stored("MACDperiods11"), "");
}

TEST_F(SettingsTab, PanesWithoutPeriodsSaveAndRedrawAtOnceInTheKeyOrder)
{
    choose(1, 0);
    choose(2, 8);
    choose(3, 0);
    pane(2).FS_periodsD = 7;
    QSignalSpy drawn(chart.get(), &quotechart::REvuved::DrawComplete);
    MessageLog log;
    apply();
    EXPECT_TRUE(log.texts.isEmpty());
    EXPECT_EQ(drawn.count(), 1);
    EXPECT_EQ(stored("Tech1"), "1");
    EXPECT_EQ(stored("Tech2"), "9");
    EXPECT_EQ(stored("FS_periodsD2"), "7");
    EXPECT_EQ(stored("MoneyFlowperiods3"), "10");
}

}   // namespace
