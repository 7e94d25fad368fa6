#include "qtcef/src/network/cookie_manager_impl.h"

#include "qtcef/src/network/cookie_util.h"
#include "qtcef/src/network/profile.h"
#include "qtcef/src/network/request_context_impl.h"
#include "qtcef/src/process/engine.h"
#include "qtcef/src/process/post_task.h"
#include "qtcef/src/runtime/string_util.h"

namespace qtcef {

namespace {

CookieTracker* Tracker(const std::shared_ptr<Profile>& profile) {
  return profile ? profile->cookies() : nullptr;
}

// Visits |cookies| from the event loop; the visitor may delete each one.
void PostVisits(std::shared_ptr<Profile> profile,
                QList<QNetworkCookie> cookies,
                CefRefPtr<CefCookieVisitor> visitor) {
  PostTask([profile, cookies, visitor] {
    for (int i = 0; i < cookies.size(); ++i) {
      bool delete_cookie = false;
      const bool go_on = visitor->Visit(ToCefCookie(cookies[i]), i,
                                        cookies.size(), delete_cookie);
      if (delete_cookie && Tracker(profile))
        Tracker(profile)->Delete(cookies[i]);
      if (!go_on)
        break;
    }
  });
}

void PostDeleted(CefRefPtr<CefDeleteCookiesCallback> callback, int count) {
  if (callback)
    PostTask([callback, count] { callback->OnComplete(count); });
}

}  // namespace

CookieManagerImpl::CookieManagerImpl(std::shared_ptr<Profile> profile)
    : profile_(profile) {}

void CookieManagerImpl::SetSupportedSchemes(
    const std::vector<CefString>&,
    CefRefPtr<CefCompletionCallback> callback) {
  PostCompletion(callback);
}

bool CookieManagerImpl::VisitAllCookies(CefRefPtr<CefCookieVisitor> visitor) {
  if (!visitor || (profile_ && !Tracker(profile_)))
    return false;
  if (Tracker(profile_))
    PostVisits(profile_, Tracker(profile_)->cookies(), visitor);
  return true;
}

bool CookieManagerImpl::VisitUrlCookies(const CefString& url,
                                        bool includeHttpOnly,
                                        CefRefPtr<CefCookieVisitor> visitor) {
  const QUrl parsed = ParseUrl(url);
  if (!visitor || !parsed.isValid() || (profile_ && !Tracker(profile_)))
    return false;
  if (!Tracker(profile_))
    return true;
  QList<QNetworkCookie> matches;
  for (const QNetworkCookie& cookie : Tracker(profile_)->cookies()) {
    if (MatchesUrl(cookie, parsed) && (includeHttpOnly || !cookie.isHttpOnly()))
      matches.append(cookie);
  }
  PostVisits(profile_, matches, visitor);
  return true;
}

bool CookieManagerImpl::SetCookie(const CefString& url,
                                  const CefCookie& cookie,
                                  CefRefPtr<CefSetCookieCallback> callback) {
  const QUrl parsed = ParseUrl(url);
  if (!parsed.isValid())
    return false;
  const QNetworkCookie qt_cookie = ToQtCookie(cookie, parsed);
  // Chromium refuses a cookie for a domain the URL is not in, or without a
  // name and value.
  const bool accepted =
      Tracker(profile_) && !parsed.host().isEmpty() &&
      DomainMatches(qt_cookie, parsed.host()) &&
      !(qt_cookie.name().isEmpty() && qt_cookie.value().isEmpty());
  if (accepted)
    Tracker(profile_)->Set(qt_cookie, parsed);
  if (callback)
    PostTask([callback, accepted] { callback->OnComplete(accepted); });
  return true;
}

bool CookieManagerImpl::DeleteCookies(
    const CefString& url,
    const CefString& cookie_name,
    CefRefPtr<CefDeleteCookiesCallback> callback) {
  const QUrl parsed = ParseUrl(url);
  if (!url.empty() && !parsed.isValid())
    return false;
  CookieTracker* tracker = Tracker(profile_);
  if (!tracker) {
    PostDeleted(callback, 0);
    return true;
  }
  const QString name = ToQString(cookie_name);
  const QList<QNetworkCookie> doomed =
      CookiesToDelete(tracker->cookies(), parsed, name);
  if (url.empty()) {
    tracker->DeleteAll();
  } else {
    for (const QNetworkCookie& cookie : doomed)
      tracker->Delete(cookie);
  }
  // CEF 3538 cannot count a deletion by URL and name.
  PostDeleted(callback, !url.empty() && !name.isEmpty() ? -1 : doomed.size());
  return true;
}

bool CookieManagerImpl::SetStoragePath(const CefString&,
                                       bool,
                                       CefRefPtr<CefCompletionCallback>) {
  return false;
}

bool CookieManagerImpl::FlushStore(CefRefPtr<CefCompletionCallback> callback) {
  PostCompletion(callback);
  return true;
}

}  // namespace qtcef

CefRefPtr<CefCookieManager> CefCookieManager::GetGlobalManager(
    CefRefPtr<CefCompletionCallback> callback) {
  CefRefPtr<CefRequestContext> context = CefRequestContext::GetGlobalContext();
  return context ? context->GetDefaultCookieManager(callback) : nullptr;
}

CefRefPtr<CefCookieManager> CefCookieManager::GetBlockingManager() {
  return new qtcef::CookieManagerImpl(nullptr);
}

CefRefPtr<CefCookieManager> CefCookieManager::CreateManager(
    const CefString& path,
    bool persist_session_cookies,
    CefRefPtr<CefCompletionCallback> callback) {
  if (!qtcef::Engine::Get())
    return nullptr;
  qtcef::ProfileOptions options;
  options.path = qtcef::ToQString(path);
  options.persist_session_cookies = persist_session_cookies;
  qtcef::PostCompletion(callback);
  return new qtcef::CookieManagerImpl(qtcef::Profile::Create(options));
}
