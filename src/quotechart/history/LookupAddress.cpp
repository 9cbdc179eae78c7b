#include "history/LookupAddress.h"

namespace quotechart {

namespace {

bool changesTheAddress(QChar c) { return QStringView(u"#&=?%+").contains(c) || c.isSpace(); }

}   // namespace

QString lookupAddress(const QString &site, const QString &ticker)
{
    QString address = site + QStringLiteral("/cgi-bin/ticker.pl?");
    for (const QChar c : ticker) {
        if (!changesTheAddress(c)) {
            address += c;
            continue;
        }
        for (const char byte : QString(c).toUtf8())
            address += QStringLiteral("%%1").arg(uchar(byte), 2, 16, QLatin1Char('0')).toUpper();
    }
    return address;
}

}   // namespace quotechart
