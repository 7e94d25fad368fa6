#include "qtcef/src/network/cookie_tracker.h"

#include <QWebEngineCookieStore>

#include "qtcef/src/network/cookie_util.h"

namespace qtcef {

namespace {

// Qt hands the store a cookie as a Set-Cookie line, in which any domain
// makes a domain cookie: a host cookie must go without one.
QNetworkCookie ForStore(const QNetworkCookie& cookie) {
  QNetworkCookie copy = cookie;
  if (IsHostCookie(cookie))
    copy.setDomain(QString());
  return copy;
}

}  // namespace

CookieTracker::CookieTracker(QWebEngineCookieStore* store) : store_(store) {
  added_ = QObject::connect(store, &QWebEngineCookieStore::cookieAdded,
                            [this](const QNetworkCookie& c) { Insert(c); });
  removed_ = QObject::connect(store, &QWebEngineCookieStore::cookieRemoved,
                              [this](const QNetworkCookie& c) { Erase(c); });
  store->loadAllCookies();
}

CookieTracker::~CookieTracker() {
  QObject::disconnect(added_);
  QObject::disconnect(removed_);
}

void CookieTracker::Set(const QNetworkCookie& cookie, const QUrl& origin) {
  store_->setCookie(ForStore(cookie), origin);
  Insert(cookie);
}

void CookieTracker::Delete(const QNetworkCookie& cookie) {
  store_->deleteCookie(ForStore(cookie), OriginOf(cookie));
  cookies_.removeIf(
      [&](const QNetworkCookie& c) { return c.hasSameIdentifier(cookie); });
}

void CookieTracker::DeleteAll() {
  store_->deleteAllCookies();
  cookies_.clear();
}

void CookieTracker::Insert(const QNetworkCookie& cookie) {
  for (QNetworkCookie& existing : cookies_) {
    if (existing.hasSameIdentifier(cookie)) {
      existing = cookie;
      return;
    }
  }
  cookies_.append(cookie);
}

void CookieTracker::Erase(const QNetworkCookie& cookie) {
  // A removal names the value it removed; a newer value set through the
  // tracker stays.
  cookies_.removeIf([&](const QNetworkCookie& c) {
    return c.hasSameIdentifier(cookie) && c.value() == cookie.value();
  });
}

}  // namespace qtcef
