#pragma once
// What the company-name lookup puts into the caption for an answer of the
// lookup page. The page answers with the name and a line end.

#include <QString>

#include <optional>

namespace quotechart {

// DrawLabel drops the last two characters (the CR LF) and adds a space; an
// empty answer shows the ticker; an answer shorter than 2 characters (the
// failure "0" among them) leaves the caption as it is (empty result).
std::optional<QString> labelCaption(const QString &answer, const QString &ticker);
// DrawLabelNoEvent drops one character, adds a space, then removes every CR
// and LF; an empty answer shows the ticker.
QString labelCaptionNoEvent(const QString &answer, const QString &ticker);

}   // namespace quotechart
