// How often a chart reads and writes the settings store: a large store (a
// host's own settings kept beside the chart's) made start-up and "Apply now"
// take seconds when every key opened, parsed and rewrote the whole file.

#include "ChartTest.h"

#include <QComboBox>
#include <QFileInfo>
#include <QPushButton>
#include <QSettings>

#include <sys/inotify.h>
#include <unistd.h>

#include <array>

namespace {

// What happens to one file from now on: each opening of it, and each time
// it is replaced by a renamed copy (how Qt writes a settings file). Closes
// are watched too, though not counted: inotify merges identical events in a
// row, and an open always has its close between it and the next.
class FileActivity {
public:
    explicit FileActivity(const QString &path) : name_(QFileInfo(path).fileName().toLocal8Bit())
    {
        fd_ = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
        inotify_add_watch(fd_, QFileInfo(path).absolutePath().toLocal8Bit().constData(),
                          IN_OPEN | IN_CLOSE | IN_MOVED_TO);
    }
    ~FileActivity() { close(fd_); }
    FileActivity(const FileActivity &) = delete;
    FileActivity &operator=(const FileActivity &) = delete;

    struct Counts {
        int opened = 0;
        int written = 0;
    };
    // What happened since the last call.
    Counts take()
    {
        Counts counts;
        alignas(inotify_event) std::array<char, 65536> buffer;
        for (ssize_t got; (got = read(fd_, buffer.data(), buffer.size())) > 0;) {
            for (ssize_t at = 0; at < got;) {
                const auto *event = reinterpret_cast<const inotify_event *>(buffer.data() + at);
                at += ssize_t(sizeof(inotify_event) + event->len);
                if (event->len == 0 || name_ != event->name)
                    continue;
                if (event->mask & IN_OPEN)
                    ++counts.opened;
                if (event->mask & IN_MOVED_TO)
                    ++counts.written;
            }
        }
        return counts;
    }

private:
    QByteArray name_;
    int fd_ = -1;
};

class StoreAccess : public ChartTest {
protected:
    void SetUp() override
    {
        QSettings store(QSettings::IniFormat, QSettings::UserScope, "Tradevane5");
        for (int i = 0; i < 20000; ++i)   // far more than Qt keeps parsed on its own
            store.setValue(QStringLiteral("Settings/HostKey%1").arg(i), QStringLiteral("value %1").arg(i));
        store.setValue("Settings/Tech1", "1");
        store.sync();
        storePath = store.fileName();
        hist.writeStandard("DAYS", syntheticRows(300));
    }
    QString storePath;
};

TEST_F(StoreAccess, StartUpReadsTheStoreOnceAndRedrawsDoNotParseItAgain)
{
    FileActivity store(storePath);
    showChart(800, 600);
    load("DAYS");
    EXPECT_LE(store.take().opened, 1);
    chart->resize(900, 700);   // a redraw reads the margin strips' colour
    chart->resize(800, 600);
    EXPECT_EQ(store.take().opened, 0);
}

TEST_F(StoreAccess, ApplyNowWritesTheStoreOnce)
{
    showChart(800, 600);
    load("DAYS");
    for (int k = 1; k <= 3; ++k)
        child<QComboBox>(QStringLiteral("Combo(%1)").arg(k))->setCurrentIndex(0);   // no fields to check
    FileActivity store(storePath);
    child<QPushButton>("Command1")->click();
    EXPECT_EQ(store.take().written, 1);
    QSettings stored(QSettings::IniFormat, QSettings::UserScope, "Tradevane5");
    EXPECT_EQ(stored.value("Settings/Tech3").toString(), "1");
    EXPECT_EQ(stored.value("Settings/RSI_periods2").toString(), "14");
    EXPECT_EQ(stored.value("Settings/HostKey19999").toString(), "value 19999");

    child<QPushButton>("Command1")->click();   // nothing changed: nothing to write
    EXPECT_EQ(store.take().written, 0);
}

}   // namespace
