#include "qtcef/src/network/cookie_util.h"
#include "qtcef/src/runtime/string_util.h"

#include <QDateTime>
#include <QTimeZone>

namespace qtcef {

namespace {

QDateTime FromCefTime(const cef_time_t& time) {
  return QDateTime(QDate(time.year, time.month, time.day_of_month),
                   QTime(time.hour, time.minute, time.second, time.millisecond),
                   QTimeZone::utc());
}

cef_time_t ToCefTime(const QDateTime& local) {
  const QDateTime utc = local.toUTC();
  cef_time_t time = {};
  time.year = utc.date().year();
  time.month = utc.date().month();
  time.day_of_week = utc.date().dayOfWeek() % 7;
  time.day_of_month = utc.date().day();
  time.hour = utc.time().hour();
  time.minute = utc.time().minute();
  time.second = utc.time().second();
  time.millisecond = utc.time().msec();
  return time;
}

}  // namespace

QUrl ParseUrl(const CefString& url) {
  const QUrl parsed(ToQString(url), QUrl::StrictMode);
  return parsed.isValid() && !parsed.isRelative() ? parsed : QUrl();
}

QNetworkCookie ToQtCookie(const CefCookie& cookie, const QUrl& url) {
  QNetworkCookie result(ToQString(cookie.name).toUtf8(),
                        ToQString(cookie.value).toUtf8());
  QString domain = ToQString(cookie.domain);
  if (domain.isEmpty())
    domain = url.host();
  else if (!domain.startsWith('.'))
    domain.prepend('.');
  result.setDomain(domain);
  result.setPath(ToQString(cookie.path).isEmpty() ? "/"
                                                  : ToQString(cookie.path));
  result.setSecure(cookie.secure);
  result.setHttpOnly(cookie.httponly);
  if (cookie.has_expires)
    result.setExpirationDate(FromCefTime(cookie.expires));
  return result;
}

CefCookie ToCefCookie(const QNetworkCookie& cookie) {
  CefCookie result;
  SetCefString(QString::fromUtf8(cookie.name()), &result.name);
  SetCefString(QString::fromUtf8(cookie.value()), &result.value);
  SetCefString(cookie.domain(), &result.domain);
  SetCefString(cookie.path(), &result.path);
  result.secure = cookie.isSecure();
  result.httponly = cookie.isHttpOnly();
  result.has_expires = !cookie.isSessionCookie();
  if (result.has_expires)
    result.expires = ToCefTime(cookie.expirationDate());
  return result;
}

bool IsHostCookie(const QNetworkCookie& cookie) {
  return !cookie.domain().startsWith('.');
}

bool DomainMatches(const QNetworkCookie& cookie, const QString& host) {
  const QString domain = cookie.domain().toLower();
  const QString lower_host = host.toLower();
  if (IsHostCookie(cookie))
    return domain == lower_host;
  return lower_host == domain.mid(1) || lower_host.endsWith(domain);
}

bool MatchesUrl(const QNetworkCookie& cookie, const QUrl& url) {
  if (!DomainMatches(cookie, url.host()))
    return false;
  if (cookie.isSecure() && url.scheme() != "https" && url.scheme() != "wss")
    return false;
  const QString cookie_path = cookie.path().isEmpty() ? "/" : cookie.path();
  const QString url_path = url.path().isEmpty() ? "/" : url.path();
  return url_path == cookie_path ||
         (url_path.startsWith(cookie_path) &&
          (cookie_path.endsWith('/') || url_path[cookie_path.size()] == '/'));
}

QUrl OriginOf(const QNetworkCookie& cookie) {
  QUrl origin;
  origin.setScheme(cookie.isSecure() ? "https" : "http");
  origin.setHost(IsHostCookie(cookie) ? cookie.domain()
                                      : cookie.domain().mid(1));
  origin.setPath(cookie.path().isEmpty() ? "/" : cookie.path());
  return origin;
}

QList<QNetworkCookie> CookiesToDelete(const QList<QNetworkCookie>& cookies,
                                      const QUrl& url,
                                      const QString& name) {
  QList<QNetworkCookie> matches;
  for (const QNetworkCookie& cookie : cookies) {
    bool match;
    if (url.isEmpty())
      match = true;
    else if (name.isEmpty())
      match = IsHostCookie(cookie) && DomainMatches(cookie, url.host());
    else
      match = cookie.name() == name.toUtf8() && MatchesUrl(cookie, url);
    if (match)
      matches.append(cookie);
  }
  return matches;
}

}  // namespace qtcef
