#pragma once
// The watch list's entries: the tickers of the history files in a hist/
// folder, with the company name of the files whose header carries one.

#include <QList>
#include <QString>

struct WatchEntry {
    QString ticker;
    QString company;   // empty when the file has no long header
};

// Every regular <TICKER>.csv in `histFolder`, sorted by ticker.
QList<WatchEntry> scanHistories(const QString &histFolder);

// What a history file's first lines say about its company: a first line of
// 40 characters or more opens a header whose third line is the name followed
// by four characters that are not part of it.
QString companyOfHeader(const QByteArray &firstLines);
