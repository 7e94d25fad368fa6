// Cookie stores and their callbacks.

#ifndef CEF_INCLUDE_CEF_COOKIE_H_
#define CEF_INCLUDE_CEF_COOKIE_H_

#include <vector>

#include "include/cef_base.h"
#include "include/cef_callback.h"

class CefCookieVisitor;
class CefSetCookieCallback;
class CefDeleteCookiesCallback;

// A cookie store. Its methods may be called on any thread; callbacks run on
// the IO thread. A NULL callback is allowed wherever one is taken.
class CefCookieManager : public virtual CefBaseRefCounted {
 public:
  // The global context's store, the same as
  // CefRequestContext::GetGlobalContext()->GetDefaultCookieManager();
  // |callback| runs once the store is ready.
  static CefRefPtr<CefCookieManager> GetGlobalManager(
      CefRefPtr<CefCompletionCallback> callback);
  // A store that blocks every cookie: none is kept, sent or shown.
  static CefRefPtr<CefCookieManager> GetBlockingManager();
  // A store kept in |path|, or in memory when |path| is empty.
  static CefRefPtr<CefCookieManager> CreateManager(
      const CefString& path,
      bool persist_session_cookies,
      CefRefPtr<CefCompletionCallback> callback);

  virtual void SetSupportedSchemes(
      const std::vector<CefString>& schemes,
      CefRefPtr<CefCompletionCallback> callback) = 0;

  // Return false when the cookies cannot be accessed.
  virtual bool VisitAllCookies(CefRefPtr<CefCookieVisitor> visitor) = 0;
  virtual bool VisitUrlCookies(const CefString& url,
                               bool includeHttpOnly,
                               CefRefPtr<CefCookieVisitor> visitor) = 0;

  // Returns false for an invalid |url|.
  virtual bool SetCookie(const CefString& url,
                         const CefCookie& cookie,
                         CefRefPtr<CefSetCookieCallback> callback) = 0;

  // An empty |url| deletes every cookie. A |url| alone deletes the host
  // cookies of its host, but not domain cookies; with |cookie_name| it
  // deletes the matching host and domain cookies. A non-empty |url| that is
  // not a valid URL (one without a scheme, say) makes it return false,
  // delete nothing and not run |callback|.
  virtual bool DeleteCookies(const CefString& url,
                             const CefString& cookie_name,
                             CefRefPtr<CefDeleteCookiesCallback> callback) = 0;
};

// Visits cookies one at a time, on the IO thread.
class CefCookieVisitor : public virtual CefBaseRefCounted {
 public:
  // |count| is the cookie's index among |total|. Set |deleteCookie| to
  // delete it; return false to stop visiting.
  virtual bool Visit(const CefCookie& cookie,
                     int count,
                     int total,
                     bool& deleteCookie) = 0;
};

class CefSetCookieCallback : public virtual CefBaseRefCounted {
 public:
  virtual void OnComplete(bool success) = 0;
};

class CefDeleteCookiesCallback : public virtual CefBaseRefCounted {
 public:
  // In 3538, -1 when both a URL and a cookie name were given.
  virtual void OnComplete(int num_deleted) = 0;
};

#endif  // CEF_INCLUDE_CEF_COOKIE_H_
