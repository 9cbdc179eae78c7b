#pragma once
// A chart shown on the offscreen screen at a known size, with a hist folder
// of its own.

#include "HistFolder.h"
#include "QtPrinters.h"
#include "platform/PictureBox.h"
#include "quotechart/REvuved.h"

#include <QTest>

#include <gtest/gtest.h>

#include <memory>

class ChartTest : public ::testing::Test {
protected:
    // Twips per pixel on the offscreen screen (96 DPI).
    static constexpr double T = 15.0;

    void showChart(int width = 1200, int height = 900)
    {
        chart = std::make_unique<quotechart::REvuved>();
        chart->resize(width, height);
        chart->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(chart.get()));
    }

    template <typename Widget = QWidget> Widget *child(const QString &name) const
    {
        return chart->findChild<Widget *>(name);
    }
    platform::PictureBox *box(const QString &name) const { return child<platform::PictureBox>(name); }

    void load(const QString &ticker)
    {
        QString t = ticker;
        bool today = true;
        chart->ReadDataFile(t, today);
    }

    HistFolder hist;
    std::unique_ptr<quotechart::REvuved> chart;
};
