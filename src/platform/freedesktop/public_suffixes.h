#pragma once

#include <QString>

namespace korvane::PublicSuffixes {

// The site a web host belongs to by the public suffix list (publicsuffix's, else libpsl's own
// copy): "www.example.co.uk" gives "example.co.uk". An IP address, a single name or a public
// suffix gives the host itself, in lower case.
QString siteOf(const QString& host);

} // namespace korvane::PublicSuffixes
