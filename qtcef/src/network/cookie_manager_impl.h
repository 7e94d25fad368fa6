// CefCookieManager over the cookie store of a Profile. It may be called on
// any thread, as CEF's; Qt's cookie store lives on the main thread, so the
// work is done there (at once when called there), and callbacks run there
// from the event loop.

#ifndef QTCEF_SRC_NETWORK_COOKIE_MANAGER_IMPL_H_
#define QTCEF_SRC_NETWORK_COOKIE_MANAGER_IMPL_H_

#include <functional>
#include <memory>

#include "include/cef_cookie.h"

namespace qtcef {

class CookieTracker;
class Profile;
struct ProfileOptions;

class CookieManagerImpl : public CefCookieManager {
 public:
  // A NULL |profile| makes the blocking manager, which keeps no cookie.
  explicit CookieManagerImpl(std::shared_ptr<Profile> profile);
  // A manager over a new profile, which is made on the main thread; then
  // |callback| runs.
  static CefRefPtr<CookieManagerImpl> Create(
      const ProfileOptions& options,
      CefRefPtr<CefCompletionCallback> callback);
  ~CookieManagerImpl() override;

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

 private:
  // Runs |work| on the main thread with the profile's cookies, NULL for the
  // blocking manager or a closed profile.
  void OnMainThread(std::function<void(CookieTracker*)> work);

  // Used on the main thread only.
  std::shared_ptr<Profile> profile_;

  IMPLEMENT_REFCOUNTING(CookieManagerImpl);
};

}  // namespace qtcef

#endif  // QTCEF_SRC_NETWORK_COOKIE_MANAGER_IMPL_H_
