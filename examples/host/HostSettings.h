#pragma once
// The host's own settings, apart from the chart's store.

#include <QSettings>

inline QSettings hostSettings()
{
    return QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("QuotechartHost"),
                     QStringLiteral("host"));
}
