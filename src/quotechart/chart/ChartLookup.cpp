// REvuved's company-name lookup and the history-update confirmation.

#include "chart/ChartPrivate.h"
#include "controllers/CaptionText.h"
#include "history/CompanyNameAnswer.h"
#include "history/LookupAddress.h"
#include "history/OpenURL.h"
#include "platform/MessageBox.h"

#include <QLabel>
#include <QPointer>

namespace quotechart {

namespace {

constexpr qsizetype KnownCaptionLength = 3;   // a caption this long already names the company

QString answerFor(const QString &ticker)
{
    const QString site = lookupSite();
    // No site: as an address that cannot be opened.
    return site.isEmpty() ? QStringLiteral("0") : OpenURL(lookupAddress(site, ticker));
}

}   // namespace

void REvuved::DrawLabel()
{
    QLabel *caption = d->widgets.dayReadout;
    if (caption->text().size() < KnownCaptionLength) {
        const QString ticker = ticker_name;
        const QPointer<REvuved> self(this);
        const QString answer = answerFor(ticker);
        if (!self)
            return;   // the host closed the chart while the lookup waited
        if (const std::optional<QString> text = labelCaption(answer, ticker))
            caption->setText(shownInLabel(*text, *caption));
        d->model.companyName() = caption->text();
    }
    emit CompanyNameResolved();
}

void REvuved::DrawLabelNoEvent()
{
    QLabel *caption = d->widgets.dayReadout;
    if (caption->text().size() >= KnownCaptionLength)
        return;
    const QString ticker = ticker_name;
    const QPointer<REvuved> self(this);
    const QString answer = answerFor(ticker);
    if (!self)
        return;
    caption->setText(shownInLabel(labelCaptionNoEvent(answer, ticker), *caption));
    d->model.companyName() = caption->text();
}

void REvuved::UpdateHistData() { platform::messageBox(this, QStringLiteral("data updated"), QMessageBox::NoIcon); }

}   // namespace quotechart
