// A mirror of the cookies in a QWebEngineCookieStore. Qt tells of changes
// only after the fact, so changes made through the tracker show at once and
// the store's notifications confirm them in order.

#ifndef QTCEF_SRC_NETWORK_COOKIE_TRACKER_H_
#define QTCEF_SRC_NETWORK_COOKIE_TRACKER_H_

#include <QList>
#include <QMetaObject>
#include <QNetworkCookie>
#include <QUrl>

class QWebEngineCookieStore;

namespace qtcef {

class CookieTracker {
 public:
  // Starts loading the cookies already in |store|.
  explicit CookieTracker(QWebEngineCookieStore* store);
  ~CookieTracker();

  const QList<QNetworkCookie>& cookies() const { return cookies_; }

  void Set(const QNetworkCookie& cookie, const QUrl& origin);
  void Delete(const QNetworkCookie& cookie);
  void DeleteAll();

 private:
  void Insert(const QNetworkCookie& cookie);
  void Erase(const QNetworkCookie& cookie);

  QWebEngineCookieStore* store_;
  QList<QNetworkCookie> cookies_;
  QMetaObject::Connection added_;
  QMetaObject::Connection removed_;
};

}  // namespace qtcef

#endif  // QTCEF_SRC_NETWORK_COOKIE_TRACKER_H_
