#include "document/TransactionsReport.h"

namespace quotechart {

QString transactionsReport(const QString &companyName, std::span<const ListEntry> list, const QString &sumGain,
                           const QString &cumGain)
{
    const QChar LF(10);
    QString report = companyName + LF;
    for (const ListEntry &entry : list) {
        // Both prefixes are 13 characters, so the dates line up.
        report += entry.text == BuyText ? QStringLiteral("Bought on:   ") : QStringLiteral("Sold on:     ");
        report += entry.date + QStringLiteral("\t\t at: $") + entry.price;
        if (!entry.percent.isEmpty())
            report += QStringLiteral("\t Gain:") + entry.percent + QStringLiteral("%");
        report += LF;
    }
    report += LF;
    report += sumGain + LF + cumGain + LF;
    return report;
}

}   // namespace quotechart
