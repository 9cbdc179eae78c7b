#pragma once
// A property bag that remembers the order of reads and writes and the
// defaults they came with.

#include "splitbay6/PropertyBag.h"

class RecordingBag : public splitbay6::PropertyBag {
public:
    QVariant read(const QString &name, const QVariant &defaultValue) const override
    {
        reads << QStringLiteral("%1=%2").arg(name, defaultValue.toString());
        return PropertyBag::read(name, defaultValue);
    }
    void write(const QString &name, const QVariant &value, const QVariant &defaultValue) override
    {
        writes << QStringLiteral("%1=%2").arg(name, defaultValue.toString());
        PropertyBag::write(name, value, defaultValue);
    }

    mutable QStringList reads;
    QStringList writes;
};
