// History files that are not regular files, files that shrink while they are
// read, stored dates that do not read, and loads that must stay silent.

#include "ChartTest.h"
#include "TestAccess.h"
#include "history/HistoryFile.h"
#include "platform/TextStamps.h"

#include <QDir>
#include <QFile>
#include <QLabel>

#include <atomic>
#include <thread>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

class HostileFiles : public ChartTest {
protected:
    void SetUp() override { showChart(); }
    const quotechart::PriceHistory &h() const { return chart->history(); }
    QString histPath(const QString &name) const { return hist.path() + "/hist/" + name; }
    // A previous load, so a refused file visibly replaces it.
    void loadSomething()
    {
        hist.writeStandard("GOOD", syntheticRows(20));
        load("GOOD");
        ASSERT_EQ(h().record_count, 20);
    }
};

TEST_F(HostileFiles, OnlyARegularFileIsRead)
{
    ASSERT_EQ(::mkfifo(QFile::encodeName(histPath("FIFO.csv")).constData(), 0600), 0);
    ASSERT_TRUE(QFile::link("/dev/zero", histPath("ZERO.csv")));
    ASSERT_TRUE(QDir().mkpath(histPath("DIR.csv")));   // a folder named like a history file
    for (const char *ticker : {"FIFO", "ZERO", "DIR"}) {
        loadSomething();
        child<QLabel>("CaptionLabel")->setText("old caption");
        load(ticker);   // a FIFO would block here, /dev/zero never end
        EXPECT_EQ(h().record_count, 0) << ticker;
        EXPECT_EQ(chart->ticker_name, ticker);
        EXPECT_EQ(child<QLabel>("CaptionLabel")->text(), "") << ticker;
    }

    // A link to a regular file is that file.
    hist.writeStandard("REAL", syntheticRows(7));
    ASSERT_TRUE(QFile::link(histPath("REAL.csv"), histPath("ALIAS.csv")));
    load("ALIAS");
    EXPECT_EQ(h().record_count, 7);
}

TEST_F(HostileFiles, OneLoadReadsAtMostTheByteLimit)
{
    const QByteArray text = standardText(syntheticRows(100));
    hist.write("BIG.csv", text);
    const auto bytes = quotechart::readHistoryFile(histPath("BIG.csv"), 1000);
    ASSERT_TRUE(bytes);
    EXPECT_EQ(*bytes, text.first(1000));
    EXPECT_EQ(quotechart::readHistoryFile(histPath("BIG.csv")), text);
    EXPECT_GE(quotechart::HistoryFileByteLimit, qint64(20'000'000));   // room for a 10-million-character field
    EXPECT_EQ(quotechart::readHistoryFile(histPath("NONE.csv")), std::nullopt);
    EXPECT_EQ(quotechart::readHistoryFile(QString()), std::nullopt);
}

TEST_F(HostileFiles, AFileTruncatedWhileItIsReadLoadsWhatWasRead)
{
    const std::vector<HistoryRow> rows = syntheticRows(5000);
    const QByteArray text = standardText(rows);
    hist.write("SHRINK.csv", text);
    const QByteArray name = QFile::encodeName(histPath("SHRINK.csv"));
    // An updater rewriting the file in place: cut it, then write it again.
    // What a load reads meanwhile is not a consistent copy (the system
    // zeroes the page a cut ends in), only a bounded one.
    struct Updater {
        std::atomic<bool> stop{false};
        std::thread thread;
        ~Updater()
        {
            stop = true;
            if (thread.joinable())
                thread.join();
        }
    } updater;
    updater.thread = std::thread([&] {
        const int fd = ::open(name.constData(), O_WRONLY);
        if (fd < 0)
            return;
        for (int round = 0; !updater.stop; ++round) {
            if (::ftruncate(fd, round % 2 ? 0 : text.size() / 3) != 0)
                break;
            if (::pwrite(fd, text.constData(), size_t(text.size()), 0) != text.size())
                break;
        }
        ::close(fd);
    });
    for (int load_ = 0; load_ < 300; ++load_) {
        load("SHRINK");
        ASSERT_GE(h().record_count, 0);
        ASSERT_LE(h().record_count, 5000);
    }
    updater.stop = true;
    updater.thread.join();

    load("SHRINK");
    ASSERT_EQ(h().record_count, 5000);
    for (int k = 1; k <= 5000; k += 499)
        EXPECT_EQ(h().date_array[k], rows[std::size_t(k - 1)].date) << k;
}

TEST_F(HostileFiles, AnUnreadableDateFailsTheLookupOnlyWhereItIsCompared)
{
    const QByteArray header = "Date,Open,High,Low,Close,Volume\n";
    hist.write("GAP.csv",
               header +
                   "2001-01-05,10,11,9,10,100\n"
                   "not-a-date,10,11,9,10,100\n"
                   "2001-01-03,10,11,9,10,100\n");
    load("GAP");
    ASSERT_EQ(h().record_count, 3);
    const auto dayOf = [this](const char *date) {
        QString text = date;
        return chart->ConvertDateToInteger(text);
    };
    EXPECT_EQ(dayOf("2001-01-06"), 1);   // after the newest day
    EXPECT_EQ(dayOf("2001-01-05"), 1);   // the scan matches day 1 before reaching day 2
    EXPECT_EQ(dayOf("2001-01-01"), 3);   // before the oldest day
    EXPECT_EQ(dayOf("2001-01-04"), 0);   // the scan compares day 2
    EXPECT_EQ(dayOf("2001-01-03"), 0);
    EXPECT_EQ(dayOf("not-a-date"), 0);

    // The ends themselves are compared by every lookup.
    hist.write("END.csv",
               header +
                   "2001-01-05,10,11,9,10,100\n"
                   "2001-01-04,10,11,9,10,100\n"
                   "sometime,10,11,9,10,100\n");
    load("END");
    EXPECT_EQ(dayOf("2001-01-06"), 0);
    EXPECT_EQ(dayOf("2001-01-05"), 0);
}

TEST_F(HostileFiles, TenMillionCharacterFieldsLoadAndDraw)
{
    const QByteArray name(10'000'000, 'N'), date(10'000'000, '7');
    hist.write("VAST.csv",
               QByteArray(40, 'x') + "\nsecond\n" + name + "(VA)\nfourth\nfifth\n" + date +
                   ",11,9,10,700\n2001-01-04,11,9,10,700\n");
    load("VAST");
    ASSERT_EQ(h().record_count, 2);
    EXPECT_EQ(h().date_array[1].size(), date.size());
    // The caption (and CompanyName, its text) is the start a screen can show.
    const QString caption = child<QLabel>("CaptionLabel")->text();
    EXPECT_TRUE(QString::fromLatin1(name).startsWith(caption));
    EXPECT_GT(caption.size(), 100);
    EXPECT_LT(caption.size(), 200'000);
    EXPECT_EQ(chart->CompanyName(), caption);

    chart->starting_date_local = 1;
    chart->ending_date_local = 2;   // every date labelled with its text
    quotechart::TestAccess::redraw(*chart);
    EXPECT_LE(platform::textStampBytes(), qsizetype(16) << 20);
    const QImage ruler = box("DateRuler")->image();
    int ink = 0;
    for (int x = 0; x < ruler.width(); ++x)
        ink += ruler.pixelColor(x, ruler.height() / 2) != box("DateRuler")->backColor();
    EXPECT_GT(ink, 0);
}

std::atomic<int> messages{0};

void countMessage(QtMsgType, const QMessageLogContext &, const QString &) { ++messages; }

TEST_F(HostileFiles, HandledInputPrintsNothing)
{
    ASSERT_EQ(::mkfifo(QFile::encodeName(histPath("FIFO.csv")).constData(), 0600), 0);
    ASSERT_TRUE(QFile::link("/dev/zero", histPath("ZERO.csv")));
    hist.write("GARBAGE.csv", QByteArray(5000, '\xff') + "\n,,,\n\r\r\n" + QByteArray(100, ','));
    messages = 0;
    const QtMessageHandler previous = qInstallMessageHandler(countMessage);
    for (const char *ticker : {"../out", "", "a/b", "NOPE", "FIFO", "ZERO", "GARBAGE"}) {
        load(ticker);
        quotechart::TestAccess::redraw(*chart);
    }
    qInstallMessageHandler(previous);
    EXPECT_EQ(messages, 0);
}

}   // namespace
