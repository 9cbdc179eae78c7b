// REvuved's chart file: saving the document, and reading it back into the
// chart's state with each pane's combo following its indicator.

#include "chart/ChartPrivate.h"
#include "chartfile/ChartFileReader.h"
#include "chartfile/ChartFileWriter.h"
#include "history/HistoryFile.h"
#include "platform/ErrorCodes.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
#include <unistd.h>

namespace quotechart {

namespace {

constexpr qint64 ChartFileByteLimit = qint64(4) << 20;   // 45 lines and 500 transactions fill a few kilobytes

ControlError writeError(const QString &path)
{
    const QFileInfo info(path);
    return ControlError(info.absoluteDir().exists() ? platform::PathFileAccessError : platform::PathNotFound);
}

// Qt syncs the new file before it takes the old one's place but ignores the
// outcome; a disk that took the bytes and cannot keep them says so here.
bool keptOnDisk(QSaveFile &file) { return ::fdatasync(file.handle()) == 0 || errno == EINVAL; }

}   // namespace

// The new file is written beside the old one and takes its place only when
// it was written whole, so a failed save leaves the old chart as it was.
// Unbuffered, a write the disk or a size limit cuts short shows in write()'s
// count; buffered, the failing flush would go unseen and commit() succeed.
void REvuved::SaveChartInFile(QString &filepath)
{
    const QFileInfo target(filepath);
    // A device or pipe of that name is not to be replaced by a file.
    if (filepath.isEmpty() || (target.exists() && (!target.isFile() || !target.isWritable())))
        throw writeError(filepath);
    const ChartDocument document = d->model.document();
    if (!chartFileHolds(document.ticker_name))
        throw ControlError(platform::PathFileAccessError);
    const QByteArray text = chartFileText(document);
    QSaveFile file(filepath);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        throw writeError(filepath);
    if (file.write(text) != text.size() || !keptOnDisk(file) || !file.commit())
        throw ControlError(platform::PathFileAccessError);
}

void REvuved::OpenChartFromFile(QString &filepath)
{
    const std::optional<QByteArray> text = readHistoryFile(filepath, ChartFileByteLimit);
    if (!text)
        throw ControlError(platform::FileNotFound);
    // The file is read into a document that the chart adopts, also when the
    // file fails part way: what was read before the failure stays. Each
    // pane's combo follows its indicator as soon as it is read, with the
    // handling of a choice (a redraw): the chart adopts what was read so
    // far for it, and reading goes on from the chart's state.
    ChartModel &model = d->model;
    ChartDocument document = model.document();
    const auto selectIndicator = [&](int k) {
        model.adopt(document);
        d->settingsTab->selectIndicator(k);
        document = model.document();
    };
    const auto adoptRead = [&] {
        model.adopt(document);
        d->announceChanges();
        emit transactionsChanged();
    };
    try {
        readChartFile(*text, document, selectIndicator);
    } catch (const ControlError &) {
        adoptRead();
        throw;
    }
    adoptRead();
}

}   // namespace quotechart
