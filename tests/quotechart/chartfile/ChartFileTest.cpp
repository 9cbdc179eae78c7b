// Saving a chart to its file and opening it again, as a host does.

#include "ChartTest.h"
#include "TestAccess.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>

namespace {

// While alive, files this process writes cannot grow beyond `bytes`, and a
// write past the limit fails with EFBIG instead of killing the process, as
// on a full disk.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        struct sigaction ignore {};
        ignore.sa_handler = SIG_IGN;
        sigaction(SIGXFSZ, &ignore, &oldAction_);
        getrlimit(RLIMIT_FSIZE, &oldLimit_);
        rlimit limit = oldLimit_;
        limit.rlim_cur = std::min(bytes, oldLimit_.rlim_max);
        active_ = setrlimit(RLIMIT_FSIZE, &limit) == 0;
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &oldLimit_);
        sigaction(SIGXFSZ, &oldAction_, nullptr);
    }
    bool active() const { return active_; }

private:
    rlimit oldLimit_{};
    struct sigaction oldAction_ {};
    bool active_ = false;
};

QByteArray paneBlock(int status)
{
    return "Status:" + QByteArray::number(status) +
        "\r\nRelative strength periods:14\r\nFast stochastic K periods:5\r\nFast stochastic D periods:5\r\n"
        "Slow stochastic K periods:5\r\nSlow stochastic D periods:5\r\n"
        "Exponential moving average difference first periods:10\r\n"
        "Exponential moving average difference second periods:15\r\nMACD first periods:12\r\n"
        "MACD second periods:26\r\nMACD signal periods:5\r\nMomentum periods:12\r\n"
        "Volatility first periods:10\r\nVolatility second periods:10\r\n";
}

const QByteArray ExampleFile = "XYZ\r\n" + paneBlock(1) + paneBlock(3) + paneBlock(6) +
    "Starting date index:1\r\nEnding date index:200\r\nBuy #1:57\r\nSell #1:40\r\n";

class ChartFile : public ChartTest {
protected:
    void SetUp() override
    {
        showChart(1000, 700);
        hist.writeStandard("XYZ", syntheticRows(300));
        load("XYZ");
        chart->starting_date_local = 1;
        chart->ending_date_local = 200;
    }
    quotechart::DocumentState &document() { return quotechart::TestAccess::document(*chart); }
    QString path(const char *name) const { return dir.filePath(QLatin1String(name)); }
    int saveError(const char *name)
    {
        QString file = path(name);
        return errorOf([&] { chart->SaveChartInFile(file); });
    }
    QStringList filesInDir() const
    {
        return QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System);
    }
    QByteArray bytesOf(const QString &file)
    {
        QFile f(file);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    void writeFile(const QString &file, const QByteArray &bytes)
    {
        QFile f(file);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    int errorOf(const std::function<void()> &call)
    {
        try {
            call();
        } catch (const quotechart::ControlError &error) {
            return error.number();
        }
        return 0;
    }
    void open(const QByteArray &bytes)
    {
        writeFile(path("in.chart"), bytes);
        QString file = path("in.chart");
        chart->OpenChartFromFile(file);
    }
    void addTrade(int16_t buyDay, int16_t sellDay)
    {
        auto &t = document().transactions;
        t.buy_days[std::size_t(++chart->buy_number)] = buyDay;
        t.sell_days[std::size_t(++chart->sell_number)] = sellDay;
    }

    QTemporaryDir dir;
};

TEST_F(ChartFile, WritesTheLabelledLinesByteForByte)
{
    chart->starting_date_local = 1;
    chart->ending_date_local = 200;
    addTrade(57, 40);
    QString file = path("xyz.chart");
    chart->SaveChartInFile(file);
    EXPECT_EQ(bytesOf(file), ExampleFile);
}

TEST_F(ChartFile, TransactionsOnDayZeroAreLeftOutWithTheirNumbers)
{
    addTrade(0, 12);
    addTrade(33, 0);
    QString file = path("gaps.chart");
    chart->SaveChartInFile(file);
    EXPECT_TRUE(bytesOf(file).endsWith("Ending date index:200\r\nBuy #2:33\r\nSell #1:12\r\n"));
    chart->OpenChartFromFile(file);
    EXPECT_EQ(chart->buy_number, 1);
    EXPECT_EQ(document().transactions.buy_days[1], 33);
    EXPECT_EQ(chart->sell_number, 1);
    EXPECT_EQ(document().transactions.sell_days[1], 12);
}

TEST_F(ChartFile, ARoundTripRestoresEverythingButLeavesTheMoneyFlowPeriods)
{
    auto &panes = document().pane_settings;
    int value = 20;
    for (auto &pane : panes)
        for (const auto &field : quotechart::periodFields)
            pane.*field.member = int16_t(value++);
    panes[0].indicator = 2;
    panes[1].indicator = 10;
    panes[2].indicator = 7;
    chart->starting_date_local = 11;
    chart->ending_date_local = 150;
    addTrade(140, 100);
    addTrade(90, 15);
    const auto saved = panes;
    QString file = path("round.chart");
    chart->SaveChartInFile(file);

    for (auto &pane : panes)
        pane = quotechart::PaneSettings{};
    for (auto &pane : panes)
        pane.MoneyFlowperiods = 99;
    chart->ticker_name = "OTHER";
    chart->starting_date_local = chart->ending_date_local = 5;
    chart->buy_number = chart->sell_number = 0;
    chart->OpenChartFromFile(file);

    EXPECT_EQ(chart->ticker_name, "XYZ");
    for (std::size_t k = 0; k < 3; ++k) {
        EXPECT_EQ(panes[k].indicator, saved[k].indicator);
        for (std::size_t f = 0; f < 13; ++f)
            EXPECT_EQ(panes[k].*quotechart::periodFields[f].member, saved[k].*quotechart::periodFields[f].member);
        EXPECT_EQ(panes[k].MoneyFlowperiods, 99);
    }
    EXPECT_EQ(chart->starting_date_local, 11);
    EXPECT_EQ(chart->ending_date_local, 150);
    ASSERT_EQ(chart->buy_number, 2);
    ASSERT_EQ(chart->sell_number, 2);
    EXPECT_EQ(document().transactions.buy_days[2], 90);
    EXPECT_EQ(document().transactions.sell_days[1], 100);
    EXPECT_EQ(child<QComboBox>("Combo(2)")->currentIndex(), 9);
}

TEST_F(ChartFile, TransactionLinesAreFoundByTheirWordsInAnyCase)
{
    open("XYZ\r\n" + paneBlock(1) + paneBlock(4) + paneBlock(6) +
         "Starting date index:3\r\nEnding date index:40\r\nbuy #1: 57\r\n\r\nx\r\nBuy Sell:3\r\nSELL #9:20\r\n");
    EXPECT_EQ(chart->buy_number, 2);
    EXPECT_EQ(document().transactions.buy_days[1], 57);
    EXPECT_EQ(document().transactions.buy_days[2], 3);
    EXPECT_EQ(chart->sell_number, 2);
    EXPECT_EQ(document().transactions.sell_days[1], 3);
    EXPECT_EQ(document().transactions.sell_days[2], 20);
    EXPECT_EQ(child<QComboBox>("Combo(2)")->currentText(), "Slow Stochastic");
}

TEST_F(ChartFile, MoreThanTheTablesHoldIsNotStored)
{
    QByteArray many;
    for (int i = 1; i <= 300; ++i)
        many += "Buy #" + QByteArray::number(i) + ":" + QByteArray::number(i) + "\r\n";
    open("XYZ\r\n" + paneBlock(1) + paneBlock(3) + paneBlock(6) + "Starting date index:1\r\nEnding date index:9\r\n" +
         many);
    EXPECT_EQ(chart->buy_number, 250);
    EXPECT_EQ(document().transactions.buy_days[250], 250);
}

TEST_F(ChartFile, ErrorsReachTheCallerAndKeepWhatWasReadBefore)
{
    QString missing = path("none.chart");
    EXPECT_EQ(errorOf([&] { chart->OpenChartFromFile(missing); }), 53);
    EXPECT_EQ(chart->ticker_name, "XYZ");

    EXPECT_EQ(errorOf([&] { open("ABC\r\n" + paneBlock(5) + "Status:x\r\n"); }), 13);
    EXPECT_EQ(chart->ticker_name, "ABC");
    EXPECT_EQ(document().pane_settings[0].indicator, 5);

    EXPECT_EQ(errorOf([&] { open("DEF\r\n" + paneBlock(2) + paneBlock(3)); }), 62);
    EXPECT_EQ(chart->ticker_name, "DEF");
    EXPECT_EQ(document().pane_settings[1].indicator, 3);

    EXPECT_EQ(errorOf([&] { open("GHI\r\nStatus:11\r\n"); }), 380);
    EXPECT_EQ(errorOf([&] { open("GHI\r\nStatus:99999\r\n"); }), 6);
}

TEST_F(ChartFile, AFailedSaveLeavesTheOldFileAsItWas)
{
    QString noFolder = path("missing/x.chart");
    EXPECT_EQ(errorOf([&] { chart->SaveChartInFile(noFolder); }), 76);
    QString folder = dir.path();   // a folder of that name is no file to write
    EXPECT_EQ(errorOf([&] { chart->SaveChartInFile(folder); }), 75);
    QString locked = path("locked.chart");
    writeFile(locked, "old");
    QFile::setPermissions(locked, QFile::ReadOwner);
    if (!QFileInfo(locked).isWritable()) {   // whoever may write anything (root) writes it
        EXPECT_EQ(errorOf([&] { chart->SaveChartInFile(locked); }), 75);
        EXPECT_EQ(bytesOf(locked), "old");
    }
}

TEST_F(ChartFile, ASaveThatCannotBeWrittenWholeFailsAndLeavesTheOldFile)
{
    for (int16_t day = 1; day <= 250; ++day)
        addTrade(day, day);   // some 7 kB, past one write buffer
    const QByteArray old = "old chart\r\n";
    writeFile(path("full.chart"), old);
    for (const rlim_t limit : {rlim_t(0), rlim_t(1000), rlim_t(4096)}) {
        int error = 0;
        {
            const FileSizeLimit full(limit);
            ASSERT_TRUE(full.active());
            error = saveError("full.chart");
        }
        EXPECT_EQ(error, 75) << "limit " << limit;
        EXPECT_EQ(bytesOf(path("full.chart")).toStdString(), old.toStdString()) << "limit " << limit;
        EXPECT_EQ(filesInDir(), QStringList{"full.chart"}) << "limit " << limit;   // no partial file left
    }
    EXPECT_EQ(saveError("full.chart"), 0);   // with room again the save goes through
    EXPECT_GT(bytesOf(path("full.chart")).size(), 7000);
}

TEST_F(ChartFile, ATargetThatIsNoRegularFileIsRefusedAndKept)
{
    ASSERT_EQ(mkfifo(QFile::encodeName(path("pipe")).constData(), 0644), 0);
    EXPECT_EQ(saveError("pipe"), 75);
    struct stat info {};
    ASSERT_EQ(stat(QFile::encodeName(path("pipe")).constData(), &info), 0);
    EXPECT_TRUE(S_ISFIFO(info.st_mode));

    // A character device like the null device (only root may make one).
    if (mknod(QFile::encodeName(path("device")).constData(), S_IFCHR | 0666, makedev(1, 3)) == 0) {
        EXPECT_EQ(saveError("device"), 75);
        ASSERT_EQ(stat(QFile::encodeName(path("device")).constData(), &info), 0);
        EXPECT_TRUE(S_ISCHR(info.st_mode));
    }
}

TEST_F(ChartFile, ATickerThatCannotBeReadBackIsRefusedBeforeAnythingIsWritten)
{
    writeFile(path("old.chart"), "old");
    for (const char *ticker : {"A,B", "A\rB", "A\nB", "AB\r\n"}) {
        chart->ticker_name = QString::fromLatin1(ticker);
        EXPECT_EQ(saveError("old.chart"), 75) << ticker;
        EXPECT_EQ(bytesOf(path("old.chart")), "old") << ticker;
        EXPECT_EQ(saveError("new.chart"), 75) << ticker;
        EXPECT_FALSE(QFile::exists(path("new.chart"))) << ticker;
    }
    chart->ticker_name = "A.B-C D";   // other characters are kept as they are
    EXPECT_EQ(saveError("new.chart"), 0);
    QString file = path("new.chart");
    chart->OpenChartFromFile(file);
    EXPECT_EQ(chart->ticker_name, "A.B-C D");
}

}   // namespace
