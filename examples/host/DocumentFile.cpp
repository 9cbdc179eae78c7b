#include "DocumentFile.h"

#include <quotechart/REvuved.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryDir>

namespace {

// Where charts write what they would save, to be compared; one folder for
// the process, in memory where the system offers such a folder (the chart
// syncs what it saves, which costs little there and a disk write elsewhere).
QString scratchPath(const void *document)
{
    static QTemporaryDir scratch = [] {
        const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
        for (const QString &folder : {QStringLiteral("/dev/shm"), runtime})
            if (!folder.isEmpty() && QFileInfo(folder).isDir() && QFileInfo(folder).isWritable())
                if (QTemporaryDir inMemory(folder + QStringLiteral("/quotechart-XXXXXX")); inMemory.isValid())
                    return inMemory;
        return QTemporaryDir();
    }();
    return scratch.filePath(QStringLiteral("%1.chart").arg(quintptr(document), 0, 16));
}

}   // namespace

DocumentFile::DocumentFile(quotechart::REvuved &chart, const QString &path, QObject *parent)
    : QObject(parent), chart_(chart)
{
    setObjectName(QStringLiteral("documentFile"));
    pending_.setSingleShot(true);
    pending_.setInterval(0);
    connect(&pending_, &QTimer::timeout, this, &DocumentFile::compare);
    const auto later = [this] { pending_.start(); };
    connect(&chart, &quotechart::REvuved::transactionsChanged, this, later);
    connect(&chart, &quotechart::REvuved::visibleRangeChanged, this, later);
    connect(&chart, &quotechart::REvuved::DrawComplete, this, later);   // the panes change with an Apply
    savedAs(path);
}

DocumentFile *DocumentFile::of(const QObject *chart)
{
    return chart ? chart->findChild<DocumentFile *>(QStringLiteral("documentFile"), Qt::FindDirectChildrenOnly)
                 : nullptr;
}

QString DocumentFile::name() const
{
    return path_.isEmpty() ? chart_.ticker_name
                           : QStringLiteral("%1 (%2)").arg(chart_.ticker_name, QFileInfo(path_).fileName());
}

QString DocumentFile::title() const { return isModified() ? name() + u'*' : name(); }

bool DocumentFile::isModified() const
{
    if (pending_.isActive())
        const_cast<DocumentFile *>(this)->compare();
    return modified_;
}

void DocumentFile::savedAs(const QString &path)
{
    path_ = path;
    saved_ = path_.isEmpty() ? QByteArray() : chartText();
    pending_.stop();
    modified_ = false;
    compare();
    emit titleChanged(title());
}

QByteArray DocumentFile::chartText() const
{
    QString scratch = scratchPath(this);
    try {
        chart_.SaveChartInFile(scratch);
    } catch (const quotechart::ControlError &) {
        return {};   // nothing to compare: a ticker the file cannot hold
    }
    QFile file(scratch);
    QByteArray text = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    file.remove();
    return text;
}

void DocumentFile::compare()
{
    pending_.stop();
    const bool modified =
        path_.isEmpty() ? chart_.buy_number + chart_.sell_number > 0 : chartText() != saved_;
    if (modified == modified_)
        return;
    modified_ = modified;
    emit titleChanged(title());
}
