#pragma once
// Placing child widgets by twips, as the old layouts did.

class QWidget;

namespace platform {

// Moves and sizes `child` to the twips rectangle, in pixels rounded half to
// even. A negative or non-finite size fails and leaves the child where it
// was, so a layout can skip the step and go on.
bool placeChild(QWidget &child, double left, double top, double width, double height);
// The same for one coordinate at a time (the rest of the geometry stays).
bool setChildTop(QWidget &child, double top);

}   // namespace platform
