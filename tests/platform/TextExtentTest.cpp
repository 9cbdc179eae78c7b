// Texts far wider than any surface: only what can be seen is laid out, the
// pixels stay those of the whole text, and the stamp cache is bounded by the
// bytes it holds.

#include "platform/TextExtent.h"
#include "Pixels.h"
#include "platform/PictureBox.h"
#include "platform/Surface.h"
#include "platform/TextStamps.h"

#include <QFontMetricsF>

#include <gtest/gtest.h>

using namespace platform;

namespace {

const QString TenMillion(10'000'000, u'x');

TEST(TextExtent, KeepsWhatReachesTheEdgeOfALongText)
{
    const QFont font;
    EXPECT_EQ(visiblePart(QString(200, u'x'), font, 10), QString(200, u'x'));   // short: whole
    const QString long_ = QString(300, u'y');
    EXPECT_EQ(visiblePart(long_, font, 100'000), long_);   // narrower than the room: whole

    const QString part = visiblePart(TenMillion, font, 1200);
    EXPECT_TRUE(TenMillion.startsWith(part));
    EXPECT_LT(part.size(), 20'000);
    QImage probe(1, 1, QImage::Format_ARGB32_Premultiplied);
    EXPECT_GE(QFontMetricsF(font, &probe).horizontalAdvance(part), 1200);

    // Characters without width are no way round the bound.
    const QString invisible(1'000'000, QChar(0x200B));
    EXPECT_LE(visiblePart(invisible, font, 100).size(), 16 * (100 + 32) + 1);

    // A cut keeps surrogate pairs whole.
    QString faces;
    for (int i = 0; i < 100'000; ++i)
        faces += QString::fromUcs4(U"\U0001F600");
    const QString cut = visiblePart(faces, font, 500);
    ASSERT_LT(cut.size(), faces.size());
    EXPECT_EQ(cut.size() % 2, 0);
    EXPECT_TRUE(cut.back().isLowSurrogate());
}

class LongTexts : public ::testing::Test {
protected:
    void SetUp() override
    {
        box.resize(120, 40);
        box.setBackColor(Qt::white);
        box.surface().clear();
    }
    QImage printed(const QString &text)
    {
        box.surface().clear();
        box.surface().setCurrent(15 * 5, 15 * 5);
        box.surface().print(text);
        box.surface().flush();
        return box.image().copy();
    }
    PictureBox box;
};

TEST_F(LongTexts, PixelsPastTheEdgeChangeNothing)
{
    // 250 characters are never cut: their whole stamp runs far past the edge.
    const QString visible = QString(250, u'W');
    const QImage whole = printed(visible);
    EXPECT_EQ(printed(visible + TenMillion), whole);
    EXPECT_NE(whole, printed(QString()));
}

TEST_F(LongTexts, TheStampCacheIsBoundedByItsBytes)
{
    // Each stamp runs to the surface's edge: a few kilobytes, a thousand of
    // them would be megabytes more than the bound.
    box.resize(1200, 40);
    for (int i = 0; i < 1500; ++i) {
        box.surface().setCurrent(0, 0);
        box.surface().print(QString::number(i) + TenMillion.first(400));
        ASSERT_LE(textStampBytes(), qsizetype(16) << 20) << i;
    }
    EXPECT_GT(textStampBytes(), qsizetype(8) << 20);   // it does fill up to the bound
}

// A font's written-out key leaves out kerning and overline, which change a
// text's pixels: such fonts still get stamps of their own.
TEST(TextStamps, FontsThatDifferOnlyInKerningOrOverlineGetStampsOfTheirOwn)
{
    QFont plain(QStringLiteral("DejaVu Sans"), 12);
    const QString text = QStringLiteral("AVAWAY To");
    const QImage plainStamp = textStamp(text, plain, Qt::black, 1).image;
    QFont overlined = plain;
    overlined.setOverline(true);
    EXPECT_NE(textStamp(text, overlined, Qt::black, 1).image, plainStamp);
    QFont unkerned = plain;
    unkerned.setKerning(false);
    EXPECT_NE(textStamp(text, unkerned, Qt::black, 1).image, plainStamp);
    EXPECT_EQ(textStamp(text, plain, Qt::black, 1).image, plainStamp);
}

}   // namespace
