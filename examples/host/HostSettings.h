#pragma once
// The host's own settings, apart from the chart's store. Both are INI files
// in the user's settings folder; a test or a scripted session points that
// folder elsewhere with useSettingsFolder, so it never touches the real one.

#include <QSettings>

inline QSettings hostSettings()
{
    return QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("QuotechartHost"),
                     QStringLiteral("host"));
}

// Keeps the host's and the chart's settings in `folder` from now on.
inline void useSettingsFolder(const QString &folder)
{
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, folder);
}
