#include "qtcef/src/network/cookie_manager_impl.h"

#include <utility>

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

CefRefPtr<CookieManagerImpl> CookieManagerImpl::Create(
    const ProfileOptions& options,
    CefRefPtr<CefCompletionCallback> callback) {
  CefRefPtr<CookieManagerImpl> manager = new CookieManagerImpl(nullptr);
  manager->OnMainThread([manager, options, callback](CookieTracker*) {
    manager->profile_ = Profile::Create(options);
    PostCompletion(callback);
  });
  return manager;
}

CookieManagerImpl::~CookieManagerImpl() {
  // The last reference may go on any thread.
  ReleaseOnMainThread(std::move(profile_));
}

void CookieManagerImpl::OnMainThread(std::function<void(CookieTracker*)> work) {
  CefRefPtr<CookieManagerImpl> self(this);
  RunOrPostTask(
      [self, work = std::move(work)] { work(Tracker(self->profile_)); });
}

void CookieManagerImpl::SetSupportedSchemes(
    const std::vector<CefString>&,
    CefRefPtr<CefCompletionCallback> callback) {
  PostCompletion(callback);
}

bool CookieManagerImpl::VisitAllCookies(CefRefPtr<CefCookieVisitor> visitor) {
  if (!visitor)
    return false;
  CefRefPtr<CookieManagerImpl> self(this);
  OnMainThread([self, visitor](CookieTracker* tracker) {
    if (tracker)
      PostVisits(self->profile_, tracker->cookies(), visitor);
  });
  return true;
}

bool CookieManagerImpl::VisitUrlCookies(const CefString& url,
                                        bool includeHttpOnly,
                                        CefRefPtr<CefCookieVisitor> visitor) {
  const QUrl parsed = ParseUrl(url);
  if (!visitor || !parsed.isValid())
    return false;
  CefRefPtr<CookieManagerImpl> self(this);
  OnMainThread(
      [self, parsed, includeHttpOnly, visitor](CookieTracker* tracker) {
        if (!tracker)
          return;
        QList<QNetworkCookie> matches;
        for (const QNetworkCookie& cookie : tracker->cookies()) {
          if (MatchesUrl(cookie, parsed) &&
              (includeHttpOnly || !cookie.isHttpOnly()))
            matches.append(cookie);
        }
        PostVisits(self->profile_, matches, visitor);
      });
  return true;
}

bool CookieManagerImpl::SetCookie(const CefString& url,
                                  const CefCookie& cookie,
                                  CefRefPtr<CefSetCookieCallback> callback) {
  const QUrl parsed = ParseUrl(url);
  if (!parsed.isValid())
    return false;
  const QNetworkCookie qt_cookie = ToQtCookie(cookie, parsed);
  OnMainThread([parsed, qt_cookie, callback](CookieTracker* tracker) {
    // Chromium refuses a cookie for a domain the URL is not in, or without
    // a name and value.
    const bool accepted =
        tracker && !parsed.host().isEmpty() &&
        DomainMatches(qt_cookie, parsed.host()) &&
        !(qt_cookie.name().isEmpty() && qt_cookie.value().isEmpty());
    if (accepted)
      tracker->Set(qt_cookie, parsed);
    if (callback)
      PostTask([callback, accepted] { callback->OnComplete(accepted); });
  });
  return true;
}

bool CookieManagerImpl::DeleteCookies(
    const CefString& url,
    const CefString& cookie_name,
    CefRefPtr<CefDeleteCookiesCallback> callback) {
  const QUrl parsed = ParseUrl(url);
  if (!url.empty() && !parsed.isValid())
    return false;
  const QString name = ToQString(cookie_name);
  const bool by_url = !url.empty();
  OnMainThread([parsed, name, by_url, callback](CookieTracker* tracker) {
    if (!tracker) {
      PostDeleted(callback, 0);
      return;
    }
    const QList<QNetworkCookie> doomed =
        CookiesToDelete(tracker->cookies(), parsed, name);
    if (by_url) {
      for (const QNetworkCookie& cookie : doomed)
        tracker->Delete(cookie);
    } else {
      tracker->DeleteAll();
    }
    // CEF 3538 cannot count a deletion by URL and name.
    PostDeleted(callback, by_url && !name.isEmpty() ? -1 : doomed.size());
  });
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
  return qtcef::CookieManagerImpl::Create(options, callback).get();
}
