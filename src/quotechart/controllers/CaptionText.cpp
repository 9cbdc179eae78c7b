#include "controllers/CaptionText.h"

#include "platform/TextExtent.h"

#include <QLabel>
#include <QScreen>

namespace quotechart {

QString shownInLabel(const QString &text, const QLabel &label)
{
    const QScreen *screen = label.screen();
    return platform::visiblePart(text, label.font(), screen ? screen->geometry().width() : 0, &label);
}

const QString &ShownCompanyName::of(const QString &name, const QLabel &label)
{
    if (!known_ || name != name_) {
        name_ = name;
        shown_ = shownInLabel(name, label);
        known_ = true;
    }
    return shown_;
}

}   // namespace quotechart
