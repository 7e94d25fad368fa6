// Conversions between CefCookie and QNetworkCookie, and the matching rules of
// Chromium's cookie store.

#ifndef QTCEF_SRC_NETWORK_COOKIE_UTIL_H_
#define QTCEF_SRC_NETWORK_COOKIE_UTIL_H_

#include <QList>
#include <QNetworkCookie>
#include <QString>
#include <QUrl>

#include "include/cef_base.h"

namespace qtcef {

// Parses |url| as Chromium's GURL would accept it: absolute, with a scheme.
// An invalid result for text that is not such a URL.
QUrl ParseUrl(const CefString& url);

// A cookie's domain keeps a leading dot for a domain cookie and names the
// host alone for a host cookie, as both CEF and Qt write it.
QNetworkCookie ToQtCookie(const CefCookie& cookie, const QUrl& url);
CefCookie ToCefCookie(const QNetworkCookie& cookie);

bool IsHostCookie(const QNetworkCookie& cookie);
// Whether |cookie| may be sent to |host|.
bool DomainMatches(const QNetworkCookie& cookie, const QString& host);
// Whether |cookie| would be sent with a request for |url|.
bool MatchesUrl(const QNetworkCookie& cookie, const QUrl& url);
// Where the cookie could have been set, for the store's delete operation.
QUrl OriginOf(const QNetworkCookie& cookie);

// The cookies that CefCookieManager::DeleteCookies deletes: every one for an
// empty |url|; for a valid |url|, the host cookies of its host, or with a
// |name| the cookies of that name that a request for |url| would carry.
QList<QNetworkCookie> CookiesToDelete(const QList<QNetworkCookie>& cookies,
                                      const QUrl& url,
                                      const QString& name);

}  // namespace qtcef

#endif  // QTCEF_SRC_NETWORK_COOKIE_UTIL_H_
