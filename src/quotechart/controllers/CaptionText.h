#pragma once
// Texts put into the read-out labels, cut to what a label can show: a name
// of millions of characters (from a history header or a lookup answer) would
// stall the label's layout on every change, and no label shows more than a
// screen's width of it.

#include <QString>

class QLabel;

namespace quotechart {

QString shownInLabel(const QString &text, const QLabel &label);

// The company name as the caption shows it, worked out again only when the
// name changes: every crosshair move puts it into the caption.
class ShownCompanyName {
public:
    const QString &of(const QString &name, const QLabel &label);

private:
    QString name_;
    QString shown_;
    bool known_ = false;
};

}   // namespace quotechart
