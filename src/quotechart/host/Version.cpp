#include "quotechart/Version.h"

namespace quotechart {

// The text is compiled in here, so it names the library that was loaded.
const char *version() noexcept { return QUOTECHART_VERSION_STRING; }

}   // namespace quotechart
