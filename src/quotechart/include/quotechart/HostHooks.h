#pragma once
/// \file
/// Settings a host gives the chart control once for the whole process.

#include <quotechart/quotechart_export.h>

#include <QString>

namespace quotechart {

/// Sets the folder whose hist/ subfolder holds the history files. By default
/// it is the folder the quotechart library was loaded from, or, when that
/// folder has no hist/, the installed samples' folder (`share/quotechart` under the install prefix).
QUOTECHART_EXPORT void setApplicationPath(const QString &dir);
/// The folder whose hist/ subfolder holds the history files.
QUOTECHART_EXPORT QString applicationPath();

/// Sets the quote site the company-name lookup asks (for example
/// "http://quotes.example"); none is set by default, and then every lookup
/// fails as an address that cannot be opened would.
QUOTECHART_EXPORT void setLookupSite(const QString &baseUrl);
/// The quote site the company-name lookup asks; empty when none is set.
QUOTECHART_EXPORT QString lookupSite();

}   // namespace quotechart
