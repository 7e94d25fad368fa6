// CefRequestContext over a Profile.

#ifndef QTCEF_SRC_NETWORK_REQUEST_CONTEXT_IMPL_H_
#define QTCEF_SRC_NETWORK_REQUEST_CONTEXT_IMPL_H_

#include <memory>

#include "include/cef_request_context.h"

namespace qtcef {

class Profile;

class RequestContextImpl : public CefRequestContext {
 public:
  RequestContextImpl(std::shared_ptr<Profile> profile,
                     CefRefPtr<CefRequestContextHandler> handler,
                     bool global);
  ~RequestContextImpl() override;

  const std::shared_ptr<Profile>& profile() const { return profile_; }

  bool IsSame(CefRefPtr<CefRequestContext> other) override;
  bool IsSharingWith(CefRefPtr<CefRequestContext> other) override;
  bool IsGlobal() override;
  CefRefPtr<CefRequestContextHandler> GetHandler() override;
  CefString GetCachePath() override;
  CefRefPtr<CefCookieManager> GetDefaultCookieManager(
      CefRefPtr<CefCompletionCallback> callback) override;
  bool RegisterSchemeHandlerFactory(
      const CefString& scheme_name,
      const CefString& domain_name,
      CefRefPtr<CefSchemeHandlerFactory> factory) override;
  bool ClearSchemeHandlerFactories() override;
  void PurgePluginListCache(bool reload_pages) override;
  bool HasPreference(const CefString& name) override;
  CefRefPtr<CefValue> GetPreference(const CefString& name) override;
  CefRefPtr<CefDictionaryValue> GetAllPreferences(
      bool include_defaults) override;
  bool CanSetPreference(const CefString& name) override;
  bool SetPreference(const CefString& name,
                     CefRefPtr<CefValue> value,
                     CefString& error) override;
  void ClearCertificateExceptions(
      CefRefPtr<CefCompletionCallback> callback) override;
  void CloseAllConnections(CefRefPtr<CefCompletionCallback> callback) override;
  void ResolveHost(const CefString& origin,
                   CefRefPtr<CefResolveCallback> callback) override;
  cef_errorcode_t ResolveHostCached(
      const CefString& origin,
      std::vector<CefString>& resolved_ips) override;
  void LoadExtension(const CefString& root_directory,
                     CefRefPtr<CefDictionaryValue> manifest,
                     CefRefPtr<CefExtensionHandler> handler) override;
  bool DidLoadExtension(const CefString& extension_id) override;
  bool HasExtension(const CefString& extension_id) override;
  bool GetExtensions(std::vector<CefString>& extension_ids) override;
  CefRefPtr<CefExtension> GetExtension(const CefString& extension_id) override;

 private:
  std::shared_ptr<Profile> profile_;
  CefRefPtr<CefRequestContextHandler> handler_;
  bool global_;

  IMPLEMENT_REFCOUNTING(RequestContextImpl);
};

// Runs |callback|, if any, from the event loop.
void PostCompletion(CefRefPtr<CefCompletionCallback> callback);

}  // namespace qtcef

#endif  // QTCEF_SRC_NETWORK_REQUEST_CONTEXT_IMPL_H_
