// CefRequest, a plain data holder.

#ifndef QTCEF_SRC_BROWSER_REQUEST_IMPL_H_
#define QTCEF_SRC_BROWSER_REQUEST_IMPL_H_

#include "include/cef_request.h"

namespace qtcef {

class RequestImpl : public CefRequest {
 public:
  RequestImpl();

  // A read-only request describing a navigation to |url|.
  static CefRefPtr<CefRequest> ForNavigation(const CefString& url,
                                             ResourceType resource_type,
                                             TransitionType transition_type);

  bool IsReadOnly() override { return read_only_; }
  CefString GetURL() override { return url_; }
  void SetURL(const CefString& url) override;
  CefString GetMethod() override { return method_; }
  void SetMethod(const CefString& method) override;
  void SetReferrer(const CefString& referrer_url,
                   ReferrerPolicy policy) override;
  CefString GetReferrerURL() override { return referrer_url_; }
  ReferrerPolicy GetReferrerPolicy() override { return referrer_policy_; }
  CefRefPtr<CefPostData> GetPostData() override { return post_data_; }
  void SetPostData(CefRefPtr<CefPostData> postData) override;
  void GetHeaderMap(HeaderMap& headerMap) override { headerMap = headers_; }
  void SetHeaderMap(const HeaderMap& headerMap) override;
  void Set(const CefString& url,
           const CefString& method,
           CefRefPtr<CefPostData> postData,
           const HeaderMap& headerMap) override;
  int GetFlags() override { return flags_; }
  void SetFlags(int flags) override;
  CefString GetFirstPartyForCookies() override {
    return first_party_for_cookies_;
  }
  void SetFirstPartyForCookies(const CefString& url) override;
  ResourceType GetResourceType() override { return resource_type_; }
  TransitionType GetTransitionType() override { return transition_type_; }
  uint64 GetIdentifier() override;

 private:
  bool read_only_;
  CefString url_;
  CefString method_;
  CefString referrer_url_;
  ReferrerPolicy referrer_policy_;
  CefRefPtr<CefPostData> post_data_;
  HeaderMap headers_;
  int flags_;
  CefString first_party_for_cookies_;
  ResourceType resource_type_;
  TransitionType transition_type_;

  IMPLEMENT_REFCOUNTING(RequestImpl);
};

}  // namespace qtcef

#endif  // QTCEF_SRC_BROWSER_REQUEST_IMPL_H_
