// The chart on a 2x screen (QT_SCALE_FACTOR=2): its histogram bars are as
// solid as on a 1x screen, and the zero line shows between them as a line.

#include "ChartTest.h"
#include "TestAccess.h"

#include <QSettings>
#include <QTemporaryDir>

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

const QColor VolumeGreen(0, 128, 0);
const QColor DifferenceGreen(0, 200, 0);

// The lengths of the runs of one colour along row y.
std::vector<int> runLengths(const QImage &image, int y, const QColor &colour)
{
    std::vector<int> runs;
    bool inRun = false;
    for (int x = 0; x < image.width(); ++x) {
        const bool match = image.pixelColor(x, y) == colour;
        if (match && inRun)
            ++runs.back();
        else if (match)
            runs.push_back(1);
        inRun = match;
    }
    return runs;
}

class ChartAt2x : public ChartTest {
protected:
    void SetUp() override
    {
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settings.path());
        showChart(1200, 900);
        ASSERT_DOUBLE_EQ(chart->devicePixelRatioF(), 2.0);
        hist.copySample("MSFT");
        load("MSFT");
        auto &panes = quotechart::TestAccess::document(*chart).pane_settings;
        panes[0].indicator = 1;   // volume
        panes[2].indicator = 6;   // EMA difference
        chart->starting_date_local = 1;
        chart->ending_date_local = 60;   // under 130 days: bars five lines (75 twips) wide
        quotechart::TestAccess::redraw(*chart);
    }
    platform::PictureBox &pane(int k) { return *box(QStringLiteral("Picture%1").arg(k + 1)); }

    QTemporaryDir settings;
};

TEST_F(ChartAt2x, HistogramBarsAreSolidAndAsWideAsOnA1xScreen)
{
    const std::pair<int, QColor> bars[] = {{1, VolumeGreen}, {3, DifferenceGreen}};
    for (const auto &[k, colour] : bars) {
        const QImage &image = pane(k).image();
        int barRows = 0;
        for (int y = 0; y < image.height(); ++y) {
            const std::vector<int> runs = runLengths(image, y, colour);
            barRows += !runs.empty();
            for (const int length : runs)
                ASSERT_EQ(length, 10) << "pane " << k << " row " << y;
        }
        EXPECT_GT(barRows, 20) << "pane " << k;
    }
}

TEST_F(ChartAt2x, TheZeroLineShowsBetweenTheBarsAsALine)
{
    platform::PictureBox &box = pane(3);
    const int zeroRow = int(std::lround(box.surface().scaleHeight() / 2 / box.surface().twipsPerPixelY()));
    const std::vector<int> pieces = runLengths(box.image(), zeroRow, Qt::black);
    ASSERT_FALSE(pieces.empty());
    // A dot is the zero line showing between the lines of a bar.
    EXPECT_EQ(std::count_if(pieces.begin(), pieces.end(), [](int length) { return length <= 2; }), 0);
}

}   // namespace
