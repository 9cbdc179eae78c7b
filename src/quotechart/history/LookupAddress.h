#pragma once
// The address of the company-name lookup page for a ticker.

#include <QString>

namespace quotechart {

// The site followed by "/cgi-bin/ticker.pl?" and the ticker. The ticker's
// characters that would change the address are percent-encoded: '#' would
// start a fragment, '&' and '=' split the query into fields, and a second
// '?' is a separator to some servers; '%' would start an escape, '+' and
// white space read as a space. Every other character is passed as it is.
QString lookupAddress(const QString &site, const QString &ticker);

}   // namespace quotechart
