#include "splitbay6/Version.h"

namespace splitbay6 {

// The text is compiled in here, so it names the library that was loaded.
const char *version() noexcept { return SPLITBAY6_VERSION_STRING; }

}   // namespace splitbay6
