// The company-name lookup against sites that answer too slowly or without
// end: it ends by its deadline, keeps at most its bound, and leaves no
// connection or thread reading once it returned.

#include "ChartTest.h"
#include "HostileSite.h"
#include "history/OpenURL.h"

#include <QElapsedTimer>
#include <QSignalSpy>

using namespace std::chrono_literals;

namespace {

constexpr auto Slack = 2s;
constexpr qint64 InFlight = 32 << 20;   // what loopback buffers may hold beyond what the client read

class HostileLookup : public ChartTest {
protected:
    void SetUp() override
    {
        showChart(800, 600);
        chart->ticker_name = "ACME";
    }
    void TearDown() override { quotechart::setLookupSite(QString()); }
};

TEST_F(HostileLookup, ASiteThatDripsBytesIsLeftAtTheDeadline)
{
    // Every byte comes before the 5 s receive time-out would end the wait.
    HostileSite site(HostileSite::Answer::Drip, 3500ms, quotechart::LookupDeadline + 6s);
    quotechart::setLookupSite(site.site());
    QSignalSpy resolved(chart.get(), &quotechart::REvuved::CompanyNameResolved);
    QElapsedTimer clock;
    clock.start();
    chart->DrawLabel();
    EXPECT_LT(clock.elapsed(), (quotechart::LookupDeadline + Slack).count());
    EXPECT_EQ(resolved.count(), 1);
}

TEST_F(HostileLookup, AnswersWithoutEndAreCutAndNothingReadsOnAfterwards)
{
    struct Case {
        HostileSite::Answer answer;
        qsizetype chars;
    };
    for (const Case &c :
         {Case{HostileSite::Answer::EndlessBody, 1 << 20}, Case{HostileSite::Answer::EndlessHeader, 1}}) {
        HostileSite site(c.answer);
        QElapsedTimer clock;
        clock.start();
        const QString text = quotechart::OpenURL(site.url());
        EXPECT_LT(clock.elapsed(), (quotechart::LookupDeadline + Slack).count());
        EXPECT_EQ(text.size(), c.chars);   // the bound, or "0" for a head that never ends
        const qint64 sentWhenReturned = site.bytesSent();
        EXPECT_LT(sentWhenReturned, InFlight);
        // The site sees the connection closed, and stops sending.
        EXPECT_TRUE(QTest::qWaitFor([&] { return site.clientClosed(); }, 5000));
        EXPECT_LT(site.bytesSent() - sentWhenReturned, InFlight);
    }
}

}   // namespace
