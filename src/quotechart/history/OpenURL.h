#pragma once
// Fetching a web page's body as text for the company-name lookup.

#include <QString>

#include <chrono>

namespace quotechart {

// However the site answers, a lookup ends this long after it started.
constexpr std::chrono::milliseconds LookupDeadline{10000};

// The body of the page at `url` (http or https), read in chunks of at most
// 4096 bytes and taken as Latin-1 text; "0" when the address cannot be
// opened (no server, a name that does not resolve, nothing heard for 5
// seconds before the answer's head was whole). A read that fails or stalls
// part way returns what was read; reading stops after 1 MiB and at the
// deadline. Redirects are followed, but not from https to http.
// The host's events run while it waits (a local event loop), so a caller
// must expect anything to have happened when it returns. When it returns
// the connection is closed and nothing reads on.
QString OpenURL(const QString &url);

}   // namespace quotechart
