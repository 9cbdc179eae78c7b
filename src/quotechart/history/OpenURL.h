#pragma once
// Fetching a web page's body as text for the company-name lookup.

#include <QString>

namespace quotechart {

// The body of the page at `url`, read in chunks of at most 4096 bytes and
// taken as Latin-1 text; "0" when the address cannot be opened (no server,
// a name that does not resolve, nothing heard for 5 seconds). A read that
// fails part way returns what was read, and reading stops after 1 MiB.
// The host's events run while it waits (a local event loop), so a caller
// must expect anything to have happened when it returns.
QString OpenURL(const QString &url);

}   // namespace quotechart
