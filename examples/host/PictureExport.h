#pragma once
// A chart written as a picture file; the file's suffix decides: a PNG of
// the window as it stands, or the chart drawn by its renderers as an SVG
// drawing or on a PDF page, sharp at any size.

#include <QString>

namespace quotechart {
class REvuved;
}

// False when the chart could not be written there (the file may then be
// missing or incomplete).
bool exportChartPicture(quotechart::REvuved &chart, const QString &path);

// The filter of a save dialog for the three kinds.
QString pictureFileFilter();
