#include "WatchList.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

constexpr int LongHeaderLength = 40;
constexpr qint64 HeaderBytes = 4096;   // the header's lines are far shorter

QByteArray lineAt(const QList<QByteArray> &lines, int i)
{
    if (i >= lines.size())
        return {};
    QByteArray line = lines[i];
    if (line.endsWith('\r'))
        line.chop(1);
    return line;
}

}   // namespace

QString companyOfHeader(const QByteArray &firstLines)
{
    const QList<QByteArray> lines = firstLines.split('\n');
    if (lineAt(lines, 0).size() < LongHeaderLength || lines.size() < 4)
        return {};
    const QByteArray third = lineAt(lines, 2);
    return third.size() >= 4 ? QString::fromLatin1(third.first(third.size() - 4)).trimmed() : QString();
}

QList<WatchEntry> scanHistories(const QString &histFolder)
{
    QList<WatchEntry> entries;
    const QFileInfoList files =
        QDir(histFolder).entryInfoList({QStringLiteral("*.csv")}, QDir::Files | QDir::Readable, QDir::Name);
    for (const QFileInfo &info : files) {
        if (!info.isFile() || info.completeBaseName().isEmpty())
            continue;
        QFile file(info.filePath());
        QString company;
        if (file.open(QIODevice::ReadOnly))
            company = companyOfHeader(file.read(HeaderBytes));
        entries.append({info.completeBaseName(), company});
    }
    return entries;
}
