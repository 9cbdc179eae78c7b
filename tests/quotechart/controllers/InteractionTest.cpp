// The chart driven as a user drives it: the arrows, the crosshair and its
// read-outs, the popup menu and its dialogs, keys and wheel.

#include "ChartTest.h"
#include "ModalAnswer.h"
#include "Pixels.h"
#include "TestAccess.h"

#include <QAction>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QPaintEvent>
#include <QPushButton>
#include <QSignalSpy>
#include <QTimer>
#include <QWheelEvent>

namespace {

class Interaction : public ChartTest {
protected:
    void SetUp() override
    {
        quotechart::overlayParameters() = quotechart::OverlayParameters{};
        showChart(1200, 900);
        hist.writeStandard("DAYS", syntheticRows(300, 50.0));
        load("DAYS");
        setRange(1, 100);
    }
    void setRange(int s, int e)
    {
        chart->starting_date_local = int16_t(s);
        chart->ending_date_local = int16_t(e);
        quotechart::TestAccess::redraw(*chart);
    }
    bool rangeIs(int s, int e) const { return chart->starting_date_local == s && chart->ending_date_local == e; }
    platform::PictureBox &price() { return *box("Picture1"); }
    QPoint at(double twipsX, double twipsY = 3000) { return QPoint(int(twipsX / T), int(twipsY / T)); }
    quotechart::DrawingSwitches &switches() { return quotechart::TestAccess::document(*chart).switches; }
    QLabel *label(const char *name) { return child<QLabel>(QLatin1String(name)); }
    QImage picture(const char *name) { return box(QLatin1String(name))->image().copy(); }
    void wheel(int delta)
    {
        QWheelEvent event(QPointF(100, 100), price().mapToGlobal(QPointF(100, 100)), {}, QPoint(0, delta), Qt::NoButton,
                          {}, Qt::NoScrollPhase, false);
        QApplication::sendEvent(&price(), &event);
    }
};

const char *const LineSurfaces[] = {"Picture1", "Picture2", "Picture3", "Picture4", "DateRuler"};

TEST_F(Interaction, PagingAndZoomFollowTheWorkedExamplesAndAlwaysRedraw)
{
    QSignalSpy drawn(chart.get(), &quotechart::REvuved::DrawComplete);
    setRange(1, 11);
    chart->GoBackward();
    EXPECT_TRUE(rangeIs(11, 21));
    chart->GoForward();
    EXPECT_TRUE(rangeIs(1, 11));
    chart->ZoomIn();
    EXPECT_TRUE(rangeIs(1, 8));
    setRange(250, 290);
    chart->GoBackward();
    chart->GoBackward();
    EXPECT_TRUE(rangeIs(260, 300));
    setRange(7, 7);
    chart->ZoomOut();
    EXPECT_TRUE(rangeIs(7, 8));
    EXPECT_EQ(drawn.count(), 3 + 6);   // the three set-ups and the six calls
}

TEST_F(Interaction, WithoutAHistoryNothingMovesAndNothingBreaks)
{
    chart = std::make_unique<quotechart::REvuved>();
    chart->resize(600, 400);
    chart->show();
    chart->GoBackward();
    chart->GoForward();
    chart->ZoomIn();
    chart->ZoomOut();
    EXPECT_TRUE(rangeIs(1, 0));   // the window stays; the drawing lowers its oldest day to the 0 loaded
    QTest::mouseClick(label("TimeBackward"), Qt::LeftButton);
    QTest::mouseClick(label("TimeForward"), Qt::LeftButton);
    EXPECT_TRUE(rangeIs(1, 0));
}

TEST_F(Interaction, ArrowClicksStepFiveDaysAndRefuseToLeaveTheHistory)
{
    QLabel *older = label("TimeBackward"), *newer = label("TimeForward");
    EXPECT_EQ(older->text(), "<<");
    EXPECT_EQ(newer->text(), ">>");
    EXPECT_EQ(older->font().family(), "Arial");
    EXPECT_EQ(older->palette().color(QPalette::Window), QColor(255, 255, 255));
    EXPECT_EQ(older->palette().color(QPalette::WindowText), QApplication::palette().color(QPalette::WindowText));

    setRange(200, 295);
    QTest::mouseClick(older, Qt::LeftButton);
    EXPECT_TRUE(rangeIs(205, 300));
    QSignalSpy drawn(chart.get(), &quotechart::REvuved::DrawComplete);
    QTest::mouseClick(older, Qt::LeftButton);   // would end at 305
    EXPECT_TRUE(rangeIs(205, 300));
    EXPECT_EQ(drawn.count(), 0);
    setRange(6, 50);
    QTest::mouseClick(newer, Qt::LeftButton);
    EXPECT_TRUE(rangeIs(1, 45));
    QTest::mouseClick(newer, Qt::LeftButton);
    EXPECT_TRUE(rangeIs(1, 45));
    EXPECT_EQ(older->palette().color(QPalette::Window), QColor(255, 255, 255));
    EXPECT_EQ(older->palette().color(QPalette::WindowText), QColor(35, 35, 35));
}

TEST_F(Interaction, HoldingAnArrowRepeatsEvery300MsAndTheReleaseAddsItsClick)
{
    QLabel *newer = label("TimeForward");
    auto *timer = chart->findChild<QTimer *>("Timer1");
    setRange(101, 150);
    EXPECT_FALSE(timer->isActive());
    QTest::mousePress(newer, Qt::LeftButton);
    EXPECT_TRUE(timer->isActive());
    EXPECT_EQ(timer->interval(), 300);
    EXPECT_EQ(newer->palette().color(QPalette::Window), QColor(35, 35, 35));
    EXPECT_EQ(newer->palette().color(QPalette::WindowText), QColor(255, 255, 255));
    for (int tick = 0; tick < 3; ++tick)
        QMetaObject::invokeMethod(timer, "timeout");   // three ticks of a hold just under a second
    QTest::mouseRelease(newer, Qt::LeftButton);
    EXPECT_FALSE(timer->isActive());
    EXPECT_TRUE(rangeIs(81, 130));
    EXPECT_FALSE(chart->findChild<QTimer *>("Timer2")->isActive());
}

TEST_F(Interaction, ADragErasesTheOldLineOnAllFiveSurfacesBeforeDrawingTheNew)
{
    std::vector<QImage> before;
    for (const char *name : LineSurfaces)
        before.push_back(picture(name));
    QTest::mousePress(&price(), Qt::LeftButton, {}, at(4500));
    QTest::mouseMove(&price(), at(4800));
    QTest::mouseRelease(&price(), Qt::LeftButton, {}, at(4800));
    for (std::size_t i = 0; i < std::size(LineSurfaces); ++i) {
        platform::PictureBox *surface = box(LineSurfaces[i]);
        QImage image = surface->image().copy();
        for (int y = 0; y < image.height(); ++y)
            EXPECT_EQ(image.pixel(300, y), before[i].pixel(300, y)) << LineSurfaces[i] << " row " << y;
        int inverted = 0;
        for (int y = 0; y < image.height(); ++y)
            inverted += image.pixel(320, y) == (~before[i].pixel(320, y) | 0xFF000000u);
        EXPECT_EQ(inverted, image.height()) << LineSurfaces[i];
    }
    EXPECT_TRUE(chart->isVerticalLineDisplayed);
    EXPECT_FLOAT_EQ(chart->OldVerticalLineX, float(320 * T));
    EXPECT_TRUE(label("CaptionLabel")->text().contains("Date: "));
}

TEST_F(Interaction, MovesWithoutTheLeftButtonOnlyRememberThePointer)
{
    QTest::mouseRelease(&price(), Qt::LeftButton, {}, at(10));   // no button is held from here on
    const QImage before = picture("Picture1");
    const QString caption = label("CaptionLabel")->text();
    QTest::mouseMove(&price(), at(3000, 1500));
    EXPECT_EQ(picture("Picture1"), before);
    EXPECT_EQ(label("CaptionLabel")->text(), caption);
    EXPECT_FLOAT_EQ(quotechart::TestAccess::interaction(*chart).popup_x, float(200 * T));
    EXPECT_FLOAT_EQ(quotechart::TestAccess::interaction(*chart).popup_y, float(100 * T));
    EXPECT_EQ(price().surface().drawMode(), platform::DrawMode::CopyPen);
}

TEST_F(Interaction, ThePriceRulerDrawsADashedHorizontalLineAcrossThePricePane)
{
    const QImage before = picture("Picture1");
    QTest::mousePress(box("PriceRuler"), Qt::LeftButton, {}, at(100, 3000));
    QTest::mouseMove(box("PriceRuler"), at(100, 3300));
    QTest::mouseRelease(box("PriceRuler"), Qt::LeftButton, {}, at(100, 3300));
    const QImage after = picture("Picture1");
    EXPECT_EQ(after.copy(0, 200, after.width(), 1), before.copy(0, 200, after.width(), 1));
    int changed = 0;
    for (int x = 0; x < after.width(); ++x)
        changed += after.pixel(x, 220) != before.pixel(x, 220);
    EXPECT_GT(changed, after.width() / 2);   // dashed: most of the row, not all of it
    EXPECT_LT(changed, after.width());
    EXPECT_FLOAT_EQ(chart->OldHorizontalLineY, float(220 * T));
    EXPECT_EQ(price().surface().drawStyle(), platform::LineStyle::Solid);
}

TEST_F(Interaction, ARightReleaseMovesTheLineSetsTheCheckMarksAndOpensTheMenu)
{
    switches().ma50_flag = false;
    switches().bollinger_flag = true;
    QStringList checked;
    auto answer = std::make_unique<ModalAnswer>([&](QWidget *widget) {
        for (QAction *action : widget->findChildren<QAction *>())
            if (action->isChecked())
                checked << action->objectName();
        static_cast<QMenu *>(widget)->close();
    });
    QTest::mouseRelease(&price(), Qt::RightButton, {}, at(6000));
    EXPECT_TRUE(answer->answered());
    EXPECT_FLOAT_EQ(chart->OldVerticalLineX, float(400 * T));
    checked.sort();
    EXPECT_EQ(checked,
              QStringList({"mnuGridSettingsHorizontal", "mnuGridSettingsVertical", "mnuPopupHighLowClose",
                           "mnuPopupMA10Days", "mnuPopupMA200Days", "mnuPriceIndicatorsBands"}));
}

TEST_F(Interaction, TheMenuTreeHasTheNamedEntriesInOrder)
{
    auto *popup = chart->findChild<QMenu *>("mnuPopup");
    ASSERT_NE(popup, nullptr);
    QStringList top;
    for (QAction *action : popup->actions())
        top << action->objectName() + "=" + action->text();
    EXPECT_EQ(
        top,
        QStringList({"mnuPopupMA=Moving  Averages", "mnuPriceIndicators=Price Indicators",
                     "mnuPopupHighLowClose=High-Low-Close", "mnuPopupSep2=", "mnuGridSettings=Grid Settings",
                     "mnuPopupSep=", "mnuPopupTimeRange=Time Range", "mnuPopupSep3=", "mnuPopupRecordBuy=Record &Buy",
                     "mnuPopupRecordSell=Record &Sell", "mnuPopupHideChart=Hide Chart"}));
    EXPECT_FALSE(chart->findChild<QAction *>("mnuPopupHideChart")->isVisible());
    for (QAction *action : chart->findChildren<QAction *>())
        EXPECT_TRUE(action->shortcut().isEmpty()) << action->objectName().toStdString();
    EXPECT_EQ(chart->findChild<QMenu *>("mnuPopupListView")->title(), "Listview");
}

TEST_F(Interaction, ATogglePicksTheFlagAndRedraws)
{
    QSignalSpy drawn(chart.get(), &quotechart::REvuved::DrawComplete);
    chart->findChild<QAction *>("mnuPopupMA10Days")->trigger();
    EXPECT_FALSE(chart->MA10());
    chart->findChild<QAction *>("mnuGridSettingsVertical")->trigger();
    EXPECT_FALSE(switches().vertical_grid_flag);
    EXPECT_EQ(drawn.count(), 2);
}

void typeAndPress(QDialog *dialog, const QString &field, const QString &text, const char *button)
{
    dialog->findChild<QLineEdit *>(field)->setText(text);
    dialog->findChild<QPushButton *>(QLatin1String(button))->click();
}

TEST_F(Interaction, TheCustomPeriodRoundsHalvesToEven)
{
    int16_t &period = quotechart::overlayParameters().custom_ma_period;
    QString prefilled;
    auto answer = ModalAnswer::dialog([&](QDialog *dialog) {
        EXPECT_EQ(dialog->objectName(), "frmCustomMAperiods");
        EXPECT_EQ(dialog->windowTitle(), "Enter periods");
        prefilled = dialog->findChild<QLineEdit *>("Text1")->text();
        typeAndPress(dialog, "Text1", "12.5", "OKButton");
    });
    chart->findChild<QAction *>("mnuPopupMACustom")->trigger();
    EXPECT_EQ(prefilled, "20");
    EXPECT_EQ(period, 12);
    EXPECT_TRUE(chart->MACustom());
    chart->findChild<QAction *>("mnuPopupMACustom")->trigger();   // off, without asking
    EXPECT_FALSE(chart->MACustom());
    answer = ModalAnswer::dialog([&](QDialog *dialog) { typeAndPress(dialog, "Text1", "13.5", "OKButton"); });
    chart->findChild<QAction *>("mnuPopupMACustom")->trigger();
    EXPECT_EQ(period, 14);
}

TEST_F(Interaction, AnEmptyPeriodAsksForANumberAndTheDialogStaysOpen)
{
    QString message;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    bool stillOpen = false, focusInText1 = false;
    auto answer = ModalAnswer::dialog([&](QDialog *dialog) {
        auto box = ModalAnswer::messageBox(QMessageBox::Ok);
        typeAndPress(dialog, "Text1", "", "OKButton");
        message = box->text();
        icon = box->icon();
        stillOpen = dialog->isVisible();
        focusInText1 = dialog->focusWidget() == dialog->findChild<QLineEdit *>("Text1");
        typeAndPress(dialog, "Text1", "99999", "OKButton");   // outside 16 bits: silently refused
        stillOpen = stillOpen && dialog->isVisible();
        dialog->findChild<QPushButton *>("CancelButton")->click();
    });
    chart->findChild<QAction *>("mnuPopupMACustom")->trigger();
    EXPECT_EQ(message, "Numeric expression required");
    EXPECT_EQ(icon, QMessageBox::Warning);
    EXPECT_TRUE(stillOpen);
    EXPECT_TRUE(focusInText1);
    EXPECT_EQ(quotechart::overlayParameters().custom_ma_period, 20);
    EXPECT_TRUE(chart->MACustom());   // cancelled, yet switched on
}

TEST_F(Interaction, CancellingTheEnvelopesStillDrawsThemWithTheStartUpSettings)
{
    auto answer = ModalAnswer::dialog([&](QDialog *dialog) {
        EXPECT_EQ(dialog->objectName(), "frmEnvelopes");
        EXPECT_EQ(dialog->findChild<QLineEdit *>("Text1")->text(), "20");
        EXPECT_EQ(dialog->findChild<QLineEdit *>("Text2")->text(), "5");
        EXPECT_EQ(dialog->findChild<QLabel *>("Label2")->text(), "Percentage difference");
        dialog->findChild<QPushButton *>("CancelButton")->click();
    });
    chart->findChild<QAction *>("mnuPriceIndicatorsEnvelopes")->trigger();
    EXPECT_TRUE(switches().envelopes_flag);
    EXPECT_GT(countInColumn(price(), 600, QColor(255, 0, 255)), 0);
    answer = ModalAnswer::dialog([&](QDialog *) { ADD_FAILURE() << "switching off asks nothing"; });
    chart->findChild<QAction *>("mnuPriceIndicatorsEnvelopes")->trigger();
    EXPECT_FALSE(switches().envelopes_flag);
}

TEST_F(Interaction, AFailingPercentageKeepsThePeriodStoredBeforeIt)
{
    auto answer = ModalAnswer::dialog([&](QDialog *dialog) {
        auto box = ModalAnswer::messageBox(QMessageBox::Ok);
        dialog->findChild<QLineEdit *>("Text1")->setText("30");
        typeAndPress(dialog, "Text2", "wide", "OKButton");
        dialog->findChild<QPushButton *>("CancelButton")->click();
    });
    chart->findChild<QAction *>("mnuPriceIndicatorsEnvelopes")->trigger();
    EXPECT_EQ(quotechart::overlayParameters().envelope_period, 30);
    EXPECT_EQ(quotechart::overlayParameters().envelope_percent, 5);
}

TEST_F(Interaction, TimeRangeFiresTheHostsCtrlTAndChangesNothingInTheChart)
{
    QMainWindow host;
    auto *hosted = new quotechart::REvuved(&host);
    host.setCentralWidget(hosted);
    int fired = 0;
    QAction *timeRange = host.addAction("Time range");
    timeRange->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_T));
    QObject::connect(timeRange, &QAction::triggered, [&] { ++fired; });
    host.resize(800, 600);
    host.show();
    host.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&host));
    hosted->setFocus();
    const int16_t s = hosted->starting_date_local, e = hosted->ending_date_local;
    QSignalSpy drawn(hosted, &quotechart::REvuved::DrawComplete);
    hosted->findChild<QAction *>("mnuPopupTimeRange")->trigger();
    EXPECT_EQ(fired, 0);   // queued, not waited for
    QTRY_COMPARE(fired, 1);
    EXPECT_EQ(hosted->starting_date_local, s);
    EXPECT_EQ(hosted->ending_date_local, e);
    EXPECT_EQ(drawn.count(), 0);
}

TEST_F(Interaction, KeysAndTheWheelStepPageAndZoom)
{
    setRange(11, 21);
    chart->setFocus();
    QTest::keyClick(chart.get(), Qt::Key_Left);
    EXPECT_TRUE(rangeIs(16, 26));
    QTest::keyClick(chart.get(), Qt::Key_Right);
    EXPECT_TRUE(rangeIs(11, 21));
    QTest::keyClick(chart.get(), Qt::Key_PageUp);
    EXPECT_TRUE(rangeIs(21, 31));
    QTest::keyClick(chart.get(), Qt::Key_PageDown);
    EXPECT_TRUE(rangeIs(11, 21));
    QTest::keyClick(chart.get(), Qt::Key_Minus);
    EXPECT_TRUE(rangeIs(1, 31));
    QTest::keyClick(chart.get(), Qt::Key_Plus);
    EXPECT_TRUE(rangeIs(1, 22));
    QTest::keyClick(chart.get(), Qt::Key_Escape);
    EXPECT_TRUE(rangeIs(1, 22));

    wheel(60);
    EXPECT_TRUE(rangeIs(1, 22));   // half a notch: not yet
    wheel(60);
    EXPECT_TRUE(rangeIs(1, 16));
    wheel(-120);
    EXPECT_TRUE(rangeIs(1, 31));
}

TEST_F(Interaction, OneWheelEventRedrawsOnceHoweverFarItTurns)
{
    setRange(100, 110);
    QSignalSpy drawn(chart.get(), &quotechart::REvuved::DrawComplete);
    wheel(-32768);   // 273 notches and a part
    EXPECT_TRUE(rangeIs(1, 300));
    EXPECT_EQ(drawn.count(), 1);
    wheel(32767);
    EXPECT_TRUE(rangeIs(1, 2));
    EXPECT_EQ(drawn.count(), 2);
}

TEST_F(Interaction, AMillionCharacterCompanyNameIsShownOnlyAsFarAsTheCaptionReaches)
{
    const QString name(1'000'000, QLatin1Char('N'));
    quotechart::TestAccess::document(*chart).company_name = name;
    QTest::mousePress(&price(), Qt::LeftButton, {}, at(4500));
    const QString caption = label("CaptionLabel")->text();
    EXPECT_TRUE(caption.startsWith(QStringLiteral("NNNN")));
    EXPECT_LT(caption.size(), 100'000);
    EXPECT_TRUE(caption.contains(QStringLiteral("   High: $")));   // the day's values follow what shows

}

}   // namespace

namespace {

// What a widget was asked to repaint.
class PaintLog : public QObject {
public:
    explicit PaintLog(QWidget *widget) { widget->installEventFilter(this); }
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            painted += static_cast<QPaintEvent *>(event)->region();
        return false;
    }
    QRegion painted;
};

TEST_F(Interaction, ACrosshairMoveRepaintsOnlyTheColumnsItChanged)
{
    QTest::mousePress(&price(), Qt::LeftButton, {}, at(4500));
    QApplication::processEvents();
    PaintLog log(&price());
    QTest::mouseMove(&price(), at(4800));
    QTest::mouseRelease(&price(), Qt::LeftButton, {}, at(4800));
    QTRY_VERIFY(!log.painted.isEmpty());
    for (const QRect &part : log.painted)
        EXPECT_LE(part.width(), 4) << part.x();
    EXPECT_TRUE(log.painted.contains(QPoint(300, 100)));
    EXPECT_TRUE(log.painted.contains(QPoint(320, 100)));
}

// A step of a few pixels, as most moves are: both columns and the few
// between them repaint as one box, each row copied once.
TEST_F(Interaction, ACrosshairStepOfAFewPixelsRepaintsBothColumnsAsOneBox)
{
    QTest::mousePress(&price(), Qt::LeftButton, {}, at(4500));
    QApplication::processEvents();
    PaintLog log(&price());
    QTest::mouseMove(&price(), at(4590));
    QTest::mouseRelease(&price(), Qt::LeftButton, {}, at(4590));
    QTRY_VERIFY(!log.painted.isEmpty());
    EXPECT_EQ(log.painted.rectCount(), 1);
    EXPECT_LE(log.painted.boundingRect().width(), 12);
    EXPECT_TRUE(log.painted.contains(QPoint(300, 100)));
    EXPECT_TRUE(log.painted.contains(QPoint(306, 100)));
}

}   // namespace
