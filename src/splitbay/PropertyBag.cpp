#include "splitbay6/PropertyBag.h"

namespace splitbay6 {

PropertyBag::PropertyBag() = default;
PropertyBag::~PropertyBag() = default;
PropertyBag::PropertyBag(const PropertyBag &) = default;
PropertyBag &PropertyBag::operator=(const PropertyBag &) = default;

qsizetype PropertyBag::indexOf(const QString &name) const
{
    for (qsizetype i = 0; i < values_.size(); ++i)
        if (values_[i].first == name)
            return i;
    return -1;
}

QVariant PropertyBag::read(const QString &name, const QVariant &defaultValue) const
{
    const qsizetype at = indexOf(name);
    return at < 0 ? defaultValue : values_[at].second;
}

void PropertyBag::write(const QString &name, const QVariant &value, const QVariant &defaultValue)
{
    const qsizetype at = indexOf(name);
    if (value == defaultValue) {
        if (at >= 0)
            values_.removeAt(at);
        return;
    }
    if (at >= 0)
        values_[at].second = value;
    else
        values_.append({name, value});
}

bool PropertyBag::contains(const QString &name) const { return indexOf(name) >= 0; }

QStringList PropertyBag::names() const
{
    QStringList names;
    for (const auto &entry : values_)
        names.append(entry.first);
    return names;
}

void PropertyBag::clear() { values_.clear(); }

}   // namespace splitbay6
