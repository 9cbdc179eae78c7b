#pragma once
// The recorded transactions as the transaction list shows them: one entry
// per buy or sell in list order, and the texts of the two gain labels. The
// gains and the report are computed from these texts, as they were from the
// list's: the prices as the list shows them, rounded to cents.
//
// The list widget is a view of this log. One observer hears every change,
// so that it can show it; what a host does to the widget directly comes
// back through replaceEntries.

#include "document/Gains.h"
#include "document/TransactionEntries.h"

#include <QString>

#include <vector>

namespace quotechart {

class TransactionLog {
public:
    class Observer {
    public:
        virtual void appended(const ListEntry &entry) = 0;
        virtual void removedLast() = 0;
        virtual void replaced() = 0;   // any other change of the entries
        virtual void gainsChanged() = 0;

    protected:
        ~Observer() = default;
    };

    const std::vector<ListEntry> &entries() const { return entries_; }
    const ListEntry *last() const { return entries_.empty() ? nullptr : &entries_.back(); }
    void append(const ListEntry &entry);
    void removeLast();
    void clear();
    void replaceEntries(std::vector<ListEntry> entries);   // told only to an observer that did not make the change

    const QString &sumGainText() const { return sumGainText_; }
    const QString &cumGainText() const { return cumGainText_; }
    void setSumGainText(const QString &text);
    void setCumGainText(const QString &text);

    void setObserver(Observer *observer) { observer_ = observer; }

private:
    std::vector<ListEntry> entries_;
    QString sumGainText_ = SumGainCaption;
    QString cumGainText_ = CumGainCaption;
    Observer *observer_ = nullptr;
};

}   // namespace quotechart
