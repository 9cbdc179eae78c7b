#pragma once

#include <QString>

namespace quotechart {

// The application path when the host sets none, for a library loaded from
// `libraryFolder`: that folder when it holds hist/ (the build tree, a host
// that ships its histories beside the library), else the installed samples'
// folder, <prefix>/share/quotechart.
QString defaultApplicationPath(const QString &libraryFolder);

}   // namespace quotechart
