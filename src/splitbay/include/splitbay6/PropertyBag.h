#pragma once
/// \file
/// The host's property store of the dock pane.

#include <splitbay6/splitbay6_export.h>

#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>
#include <QVariant>

namespace splitbay6 {

/// The host's property store: a name -> value map that the controls read with
/// a default and write with a default, so that a value equal to its default
/// need not be stored (SplitbayCtl::loadProperties, SplitbayCtl::saveProperties).
///
/// Hosts may derive from it to keep the values elsewhere (a form file,
/// QSettings); the base class keeps them in memory, in the order they were
/// first written.
class SPLITBAY6_EXPORT PropertyBag {
public:
    PropertyBag();   ///< An empty store.
    virtual ~PropertyBag();
    PropertyBag(const PropertyBag &);              ///< A copy of another store's values.
    PropertyBag &operator=(const PropertyBag &);   ///< Takes another store's values.

    /// The stored value of `name`, or `defaultValue` when none is stored.
    virtual QVariant read(const QString &name, const QVariant &defaultValue) const;
    /// Stores `value` under `name`; a value equal to `defaultValue` is not
    /// kept, and one stored before is dropped.
    virtual void write(const QString &name, const QVariant &value, const QVariant &defaultValue);

    /// Whether a value is stored under `name`.
    bool contains(const QString &name) const;
    /// The names of the stored values, in the order they were first written.
    QStringList names() const;
    /// Drops every stored value.
    void clear();

private:
    qsizetype indexOf(const QString &name) const;

    QList<QPair<QString, QVariant>> values_;
};

}   // namespace splitbay6
