#include "HistoryImport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <limits>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr qsizetype MaxTickerLength = 20;
constexpr qint64 Chunk = qint64(1) << 20;

QString systemError() { return QString::fromLocal8Bit(std::strerror(errno)); }

bool isTickerCharacter(QChar c)
{
    return (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9') || c == u'.' || c == u'-' || c == u'_' || c == u'^' ||
        c == u'=';
}

QString linesText(const SkippedLines &skipped)
{
    QStringList numbers;
    for (int line : skipped.firstLines)
        numbers << QString::number(line);
    const QString more = skipped.count > skipped.firstLines.size() ? QStringLiteral(", ...") : QString();
    return (numbers.size() == 1 ? QStringLiteral("line ") : QStringLiteral("lines ")) + numbers.join(u", ") + more;
}

QString reasonText(SkipReason reason)
{
    switch (reason) {
    case SkipReason::MissingFields: return QStringLiteral("fewer fields than the header names");
    case SkipReason::BadDate: return QStringLiteral("a date that is not yyyy-mm-dd, m/d/yyyy or d-Mon-yy");
    case SkipReason::BadNumber: return QStringLiteral("a price or volume that is not a number");
    case SkipReason::ZeroHighOrLow: return QStringLiteral("a high or low of 0");
    case SkipReason::RepeatedDate: return QStringLiteral("the date of an earlier line");
    }
    return {};
}

}   // namespace

CsvFile readCsvFile(const QString &path, qint64 byteLimit)
{
    const QByteArray name = QFile::encodeName(path);
    // Looked at before opening, so a device is never opened; again on the
    // open file, which may have been replaced in between. The open does not
    // wait for a FIFO's writer.
    struct stat info {};
    if (name.isEmpty() || ::stat(name.constData(), &info) != 0)
        return {{}, QStringLiteral("it cannot be read (%1)").arg(systemError())};
    if (!S_ISREG(info.st_mode))
        return {{}, QStringLiteral("it is not a regular file")};
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return {{}, QStringLiteral("it cannot be read (%1)").arg(systemError())};
    CsvFile file;
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode))
        file.error = QStringLiteral("it is not a regular file");
    else if (info.st_size > byteLimit)
        file.error = QStringLiteral("it is larger than %1 MiB, far more than a daily history").arg(byteLimit >> 20);
    else
        file.bytes.reserve(qsizetype(info.st_size) + 1);
    // One byte beyond the limit tells a file that grew meanwhile.
    while (file.error.isEmpty() && file.bytes.size() <= byteLimit) {
        const qsizetype at = file.bytes.size();
        file.bytes.resize(at + qsizetype(std::min(Chunk, byteLimit + 1 - at)));
        const ssize_t got = ::read(fd, file.bytes.data() + at, size_t(file.bytes.size() - at));
        if (got < 0 && errno == EINTR) {
            file.bytes.resize(at);
            continue;
        }
        if (got < 0)
            file.error = QStringLiteral("it cannot be read (%1)").arg(systemError());
        file.bytes.resize(at + std::max<qsizetype>(got, 0));
        if (got <= 0)
            break;
    }
    ::close(fd);
    if (file.error.isEmpty() && file.bytes.size() > byteLimit)
        file.error = QStringLiteral("it is larger than %1 MiB, far more than a daily history").arg(byteLimit >> 20);
    if (!file.error.isEmpty())
        file.bytes.clear();
    return file;
}

bool isImportTicker(const QString &ticker)
{
    if (ticker.isEmpty() || ticker.size() > MaxTickerLength)
        return false;
    // Not a hidden file, and no option to a tool that is handed the name.
    const QChar first = ticker.front();
    if (!first.isLetterOrNumber() && first != u'^')
        return false;
    return std::all_of(ticker.begin(), ticker.end(), isTickerCharacter);
}

QString proposedTicker(const QString &filePath)
{
    const QString base = QFileInfo(filePath).completeBaseName().toUpper();
    const auto end = std::find_if_not(base.begin(), base.end(), isTickerCharacter);
    QString ticker = QStringView(base.begin(), end).left(MaxTickerLength).toString();
    while (!ticker.isEmpty() && !isImportTicker(ticker))
        ticker.remove(0, 1);
    return ticker;
}

QString historyPathIn(const QString &dataFolder, const QString &ticker)
{
    return QDir(dataFolder).filePath(QStringLiteral("hist/") + ticker + QStringLiteral(".csv"));
}

QString daysReadText(const CsvHistory &history)
{
    if (history.days.isEmpty())
        return QStringLiteral("No day could be read.");
    const QString span = QStringLiteral("%1 to %2")
                             .arg(history.days.constLast().date.toString(Qt::ISODate),
                                  history.days.constFirst().date.toString(Qt::ISODate));
    QString text = history.days.size() == 1 ? QStringLiteral("1 day, %1.").arg(span.section(u' ', 0, 0))
                                            : QStringLiteral("%1 days, %2.").arg(history.days.size()).arg(span);
    if (history.olderDays > 0)
        text += QStringLiteral(" The chart holds the newest %1; %2 older days are left out.")
                    .arg(HistoryCapacity)
                    .arg(history.olderDays);
    if (history.cappedVolumes > 0)
        text += QStringLiteral(" %1 volumes above %2 are kept as %2.")
                    .arg(history.cappedVolumes)
                    .arg(std::numeric_limits<int32_t>::max());
    return text;
}

QStringList skippedTexts(const CsvHistory &history)
{
    QStringList texts;
    for (std::size_t r = 0; r < SkipReasonCount; ++r) {
        const SkippedLines &skipped = history.skipped[r];
        if (skipped.count > 0)
            texts << QStringLiteral("%1 %2 with %3 (%4)")
                         .arg(skipped.count)
                         .arg(skipped.count == 1 ? QStringLiteral("line") : QStringLiteral("lines"))
                         .arg(reasonText(SkipReason(r)), linesText(skipped));
    }
    return texts;
}

HistoryWrite writeHistoryFile(const QString &path, const QByteArray &bytes)
{
    const QFileInfo target(path);
    const QString folder = target.absolutePath();
    if (!QDir().mkpath(folder))
        return {HistoryWrite::Folder,
                QFileInfo(folder).exists() ? QStringLiteral("it is a file, not a folder")
                                           : QStringLiteral("it cannot be made")};
    if (target.exists() && !target.isFile())
        return {HistoryWrite::File, QStringLiteral("it is not a file")};
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        const bool folderRefuses = !QFileInfo(folder).isWritable() || !QFileInfo(folder).isDir();
        return {folderRefuses ? HistoryWrite::Folder : HistoryWrite::File, file.errorString()};
    }
    if (file.write(bytes) != bytes.size()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return {HistoryWrite::File, reason};
    }
    if (!file.commit())
        return {HistoryWrite::File, file.errorString()};
    return {};
}
