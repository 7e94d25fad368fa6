#include "qtcef/src/browser/request_impl.h"

#include <QUrl>

#include "qtcef/src/runtime/string_util.h"

namespace qtcef {

RequestImpl::RequestImpl()
    : read_only_(false),
      method_("GET"),
      referrer_policy_(REFERRER_POLICY_DEFAULT),
      flags_(0),
      resource_type_(RT_MAIN_FRAME),
      transition_type_(TT_EXPLICIT) {}

CefRefPtr<CefRequest> RequestImpl::ForNavigation(
    const CefString& url,
    ResourceType resource_type,
    TransitionType transition_type) {
  CefRefPtr<RequestImpl> request = new RequestImpl();
  request->url_ = url;
  request->resource_type_ = resource_type;
  request->transition_type_ = transition_type;
  request->read_only_ = true;
  return request.get();
}

void RequestImpl::SetURL(const CefString& url) {
  if (!read_only_)
    url_ = url;
}

void RequestImpl::SetMethod(const CefString& method) {
  if (!read_only_)
    method_ = method;
}

void RequestImpl::SetReferrer(const CefString& referrer_url,
                              ReferrerPolicy policy) {
  if (read_only_)
    return;
  // Only an http or https URL can be a referrer, and it never carries
  // credentials or a fragment.
  QUrl url(ToQString(referrer_url), QUrl::StrictMode);
  const bool usable =
      url.isValid() && (url.scheme() == "http" || url.scheme() == "https");
  url.setUserInfo(QString());
  url.setFragment(QString());
  referrer_url_ = usable ? ToCefString(url.toString()) : CefString();
  referrer_policy_ = policy;
}

void RequestImpl::SetPostData(CefRefPtr<CefPostData> postData) {
  if (!read_only_)
    post_data_ = postData;
}

void RequestImpl::Set(const CefString& url,
                      const CefString& method,
                      CefRefPtr<CefPostData> postData,
                      const HeaderMap& headerMap) {
  SetURL(url);
  SetMethod(method);
  SetPostData(postData);
  SetHeaderMap(headerMap);
}

void RequestImpl::SetHeaderMap(const HeaderMap& headerMap) {
  if (!read_only_)
    headers_ = headerMap;
}

void RequestImpl::SetFlags(int flags) {
  if (!read_only_)
    flags_ = flags;
}

void RequestImpl::SetFirstPartyForCookies(const CefString& url) {
  if (!read_only_)
    first_party_for_cookies_ = url;
}

uint64 RequestImpl::GetIdentifier() {
  return 0;
}

}  // namespace qtcef

CefRefPtr<CefRequest> CefRequest::Create() {
  return new qtcef::RequestImpl();
}
