#pragma once
// A font `factor` times as large, in whichever unit it was given: texts keep
// their proportion on a device of finer pixels or in a picture at another
// scale. A factor of 1 (or one that is not positive) leaves it as it is.

#include <QFont>

namespace platform {

QFont scaledFont(const QFont &font, double factor);

}   // namespace platform
