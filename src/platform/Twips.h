#pragma once
// Twips (1440 per inch) are the unit of every control surface. The screen's
// factors come from its logical DPI: 15 twips per pixel at 96 DPI.

namespace platform {

inline constexpr double TwipsPerInch = 1440.0;

double twipsPerPixelX();
double twipsPerPixelY();

// Lengths between twips and screen pixels, unrounded.
inline double twipsToPixelsX(double twips) { return twips / twipsPerPixelX(); }
inline double twipsToPixelsY(double twips) { return twips / twipsPerPixelY(); }
inline double pixelsToTwipsX(double pixels) { return pixels * twipsPerPixelX(); }
inline double pixelsToTwipsY(double pixels) { return pixels * twipsPerPixelY(); }

}   // namespace platform
