#pragma once
// A document's chart file, and whether the chart differs from it. The chart
// itself is the judge: what it would write now is compared with what it held
// when it was opened from the file or last saved, so the comparison covers
// the trades, the range and the panes exactly as the file does. A document
// opened from a ticker has no file; it differs while it holds trades, the
// one thing of it a restart would lose (its range comes back with it).

#include <QObject>
#include <QString>
#include <QTimer>

namespace quotechart {
class REvuved;
}

class DocumentFile : public QObject {
    Q_OBJECT
public:
    // Follows `chart` (its parent's lifetime); `path` is empty for a ticker.
    DocumentFile(quotechart::REvuved &chart, const QString &path, QObject *parent);

    QString path() const { return path_; }
    // The document's name: the ticker, and the file's name when it has one.
    QString name() const;
    // The name, with a '*' while the chart differs from its file.
    QString title() const;
    bool isModified() const;
    // The chart was just written to `path` (or read from it): the file is
    // now what the chart holds.
    void savedAs(const QString &path);

    // The document of a window's chart, if it has one.
    static DocumentFile *of(const QObject *chart);

signals:
    void titleChanged(const QString &title);

private:
    QByteArray chartText() const;
    void compare();

    quotechart::REvuved &chart_;
    QString path_;
    QByteArray saved_;
    bool modified_ = false;
    QTimer pending_;   // coalesces the chart's many signals into one comparison
};
