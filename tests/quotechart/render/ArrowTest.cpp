// The buy and sell arrows, pixel by pixel.

#include "render/Arrow.h"
#include "Pixels.h"

#include <gtest/gtest.h>

namespace {

// The columns painted in each row, as (first column, count).
std::map<int, std::pair<int, int>> paintedRows(platform::PictureBox &box, const QColor &colour)
{
    return paintedRows(box.image(), colour);
}

class Arrow : public ::testing::Test {
protected:
    void SetUp() override
    {
        box.resize(200, 300);
        box.surface().clear();
    }
    platform::PictureBox box;
};

TEST_F(Arrow, ABuyArrowHangsBelowItsTipAndPointsUp)
{
    float x = 100, y = 150;
    quotechart::DrawArrow(x, y, box.surface(), true);
    const auto rows = paintedRows(box, QColor(0, 180, 0));
    std::map<int, std::pair<int, int>> expected{
        {150, {100, 1}}, {151, {99, 3}}, {152, {98, 5}}, {153, {97, 7}}, {154, {96, 9}}};
    for (int y = 155; y <= 161; ++y)
        expected[y] = {99, 3};
    EXPECT_EQ(rows, expected);   // and nothing in row 162
}

TEST_F(Arrow, ASellArrowIsTheMirrorImage)
{
    float x = 100, y = 150;
    quotechart::DrawArrow(x, y, box.surface(), false);
    const auto rows = paintedRows(box, QColor(180, 0, 0));
    std::map<int, std::pair<int, int>> expected{
        {150, {100, 1}}, {149, {99, 3}}, {148, {98, 5}}, {147, {97, 7}}, {146, {96, 9}}};
    for (int y = 139; y <= 145; ++y)
        expected[y] = {99, 3};
    EXPECT_EQ(rows, expected);
}

TEST_F(Arrow, ArrowsFarOffThePaneDrawNothing)
{
    float x = 1.0e12f, y = 150;
    quotechart::DrawArrow(x, y, box.surface(), true);
    float nx = std::nanf(""), ny = 10;
    quotechart::DrawArrow(nx, ny, box.surface(), false);
    EXPECT_TRUE(paintedRows(box, QColor(0, 180, 0)).empty());
    EXPECT_TRUE(paintedRows(box, QColor(180, 0, 0)).empty());
}

}   // namespace
