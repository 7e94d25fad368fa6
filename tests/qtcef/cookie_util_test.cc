// Which cookies DeleteCookies picks, and the URLs it accepts.

#include "qtcef/src/network/cookie_util.h"
#include "gtest/gtest.h"

namespace {

QNetworkCookie Cookie(const char* name, const char* domain, const char* path) {
  QNetworkCookie cookie(name, "v");
  cookie.setDomain(domain);
  cookie.setPath(path);
  return cookie;
}

QStringList Names(const QList<QNetworkCookie>& cookies) {
  QStringList names;
  for (const QNetworkCookie& cookie : cookies)
    names << QString::fromUtf8(cookie.name());
  return names;
}

const QList<QNetworkCookie> kCookies = {
    Cookie("host", "zentrova.test", "/"),
    Cookie("domain", ".zentrova.test", "/"),
    Cookie("sub", "www.zentrova.test", "/"),
    Cookie("pathed", ".zentrova.test", "/shop"),
    Cookie("other", "other.test", "/"),
};

TEST(qtcef_CookieUtil, UrlsNeedAScheme) {
  EXPECT_FALSE(qtcef::ParseUrl("www.example.com/").isValid());
  EXPECT_FALSE(qtcef::ParseUrl("example.com").isValid());
  EXPECT_TRUE(qtcef::ParseUrl("http://example.com/").isValid());
}

TEST(qtcef_CookieUtil, EmptyUrlDeletesEverything) {
  EXPECT_EQ(qtcef::CookiesToDelete(kCookies, QUrl(), "host").size(),
            kCookies.size());
}

TEST(qtcef_CookieUtil, UrlAloneDeletesHostCookiesOfItsHost) {
  EXPECT_EQ(Names(qtcef::CookiesToDelete(
                kCookies, QUrl("http://zentrova.test/"), QString())),
            QStringList({"host"}));
}

TEST(qtcef_CookieUtil, UrlAndNameDeleteMatchingHostAndDomainCookies) {
  EXPECT_EQ(Names(qtcef::CookiesToDelete(
                kCookies, QUrl("http://www.zentrova.test/"), "domain")),
            QStringList({"domain"}));
  EXPECT_EQ(Names(qtcef::CookiesToDelete(
                kCookies, QUrl("http://www.zentrova.test/"), "sub")),
            QStringList({"sub"}));
  EXPECT_TRUE(
      qtcef::CookiesToDelete(kCookies, QUrl("http://zentrova.test/"), "pathed")
          .isEmpty());
  EXPECT_EQ(Names(qtcef::CookiesToDelete(
                kCookies, QUrl("http://zentrova.test/shop/item"), "pathed")),
            QStringList({"pathed"}));
}

TEST(qtcef_CookieUtil, CefCookiesBecomeHostOrDomainCookies) {
  CefCookie cookie;
  CefString(&cookie.name) = "n";
  const QUrl url("http://play.zentrova.test/");
  EXPECT_EQ(qtcef::ToQtCookie(cookie, url).domain(), "play.zentrova.test");
  CefString(&cookie.domain) = "zentrova.test";
  EXPECT_EQ(qtcef::ToQtCookie(cookie, url).domain(), ".zentrova.test");
  const CefCookie back = qtcef::ToCefCookie(qtcef::ToQtCookie(cookie, url));
  EXPECT_EQ(CefString(&back.domain).ToString(), ".zentrova.test");
  EXPECT_EQ(CefString(&back.path).ToString(), "/");
}

}  // namespace
