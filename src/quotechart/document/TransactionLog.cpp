#include "document/TransactionLog.h"

namespace quotechart {

void TransactionLog::append(const ListEntry &entry)
{
    entries_.push_back(entry);
    if (observer_)
        observer_->appended(entry);
}

void TransactionLog::removeLast()
{
    if (entries_.empty())
        return;
    entries_.pop_back();
    if (observer_)
        observer_->removedLast();
}

void TransactionLog::clear()
{
    entries_.clear();
    if (observer_)
        observer_->replaced();
}

void TransactionLog::replaceEntries(std::vector<ListEntry> entries) { entries_ = std::move(entries); }

void TransactionLog::setSumGainText(const QString &text)
{
    sumGainText_ = text;
    if (observer_)
        observer_->gainsChanged();
}

void TransactionLog::setCumGainText(const QString &text)
{
    cumGainText_ = text;
    if (observer_)
        observer_->gainsChanged();
}

}   // namespace quotechart
