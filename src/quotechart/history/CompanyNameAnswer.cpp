#include "history/CompanyNameAnswer.h"

namespace quotechart {

std::optional<QString> labelCaption(const QString &answer, const QString &ticker)
{
    if (answer.isEmpty())
        return ticker;
    if (answer.size() < 2)
        return std::nullopt;
    return answer.left(answer.size() - 2) + u' ';
}

QString labelCaptionNoEvent(const QString &answer, const QString &ticker)
{
    if (answer.isEmpty())
        return ticker;
    QString caption = answer.left(answer.size() - 1) + u' ';
    caption.remove(u'\r');
    caption.remove(u'\n');
    return caption;
}

}   // namespace quotechart
