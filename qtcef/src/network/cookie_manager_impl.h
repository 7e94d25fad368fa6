// CefCookieManager over the cookie store of a Profile. Callbacks run on the
// main thread, from the event loop.

#ifndef QTCEF_SRC_NETWORK_COOKIE_MANAGER_IMPL_H_
#define QTCEF_SRC_NETWORK_COOKIE_MANAGER_IMPL_H_

#include <memory>

#include "include/cef_cookie.h"

namespace qtcef {

class Profile;

class CookieManagerImpl : public CefCookieManager {
 public:
  // A NULL |profile| makes the blocking manager, which keeps no cookie.
  explicit CookieManagerImpl(std::shared_ptr<Profile> profile);

  void SetSupportedSchemes(const std::vector<CefString>& schemes,
                           CefRefPtr<CefCompletionCallback> callback) override;
  bool VisitAllCookies(CefRefPtr<CefCookieVisitor> visitor) override;
  bool VisitUrlCookies(const CefString& url,
                       bool includeHttpOnly,
                       CefRefPtr<CefCookieVisitor> visitor) override;
  bool SetCookie(const CefString& url,
                 const CefCookie& cookie,
                 CefRefPtr<CefSetCookieCallback> callback) override;
  bool DeleteCookies(const CefString& url,
                     const CefString& cookie_name,
                     CefRefPtr<CefDeleteCookiesCallback> callback) override;
  bool SetStoragePath(const CefString& path,
                      bool persist_session_cookies,
                      CefRefPtr<CefCompletionCallback> callback) override;
  bool FlushStore(CefRefPtr<CefCompletionCallback> callback) override;

 private:
  std::shared_ptr<Profile> profile_;

  IMPLEMENT_REFCOUNTING(CookieManagerImpl);
};

}  // namespace qtcef

#endif  // QTCEF_SRC_NETWORK_COOKIE_MANAGER_IMPL_H_
