// Chromium's network error names.

#ifndef QTCEF_SRC_BROWSER_NET_ERROR_H_
#define QTCEF_SRC_BROWSER_NET_ERROR_H_

#include <QString>

namespace qtcef {

// The name net::ErrorToShortString gives |code|, such as
// "ERR_CONNECTION_REFUSED". Qt WebEngine's own description, which is
// net::ErrorToString's "net::ERR_..." for network errors, serves for codes
// this table lacks.
QString NetErrorName(int code, const QString& qt_description);

// The code of Chromium's error |name|, such as -102 for
// "ERR_CONNECTION_REFUSED"; ERR_FAILED for a name this table lacks.
int NetErrorCode(const QString& name);

}  // namespace qtcef

#endif  // QTCEF_SRC_BROWSER_NET_ERROR_H_
