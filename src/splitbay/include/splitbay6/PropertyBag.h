#pragma once
// The host's property store: a name -> value map that the controls read with
// a default and write with a default, so that a value equal to its default
// need not be stored. Hosts may derive from it to keep the values elsewhere
// (a form file, QSettings); the base class keeps them in memory, in the order
// they were first written.

#include <splitbay6/splitbay6_export.h>

#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>
#include <QVariant>

namespace splitbay6 {

class SPLITBAY6_EXPORT PropertyBag {
public:
    PropertyBag();
    virtual ~PropertyBag();
    PropertyBag(const PropertyBag &);
    PropertyBag &operator=(const PropertyBag &);

    // The stored value of `name`, or `defaultValue` when none is stored.
    virtual QVariant read(const QString &name, const QVariant &defaultValue) const;
    // Stores `value` under `name`; a value equal to `defaultValue` is not kept.
    virtual void write(const QString &name, const QVariant &value, const QVariant &defaultValue);

    bool contains(const QString &name) const;
    QStringList names() const;
    void clear();

private:
    qsizetype indexOf(const QString &name) const;

    QList<QPair<QString, QVariant>> values_;
};

}   // namespace splitbay6
