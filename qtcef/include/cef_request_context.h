// Request contexts: the storage (cache, cookies, preferences) that browsers
// share.

#ifndef CEF_INCLUDE_CEF_REQUEST_CONTEXT_H_
#define CEF_INCLUDE_CEF_REQUEST_CONTEXT_H_

#include <vector>

#include "include/cef_base.h"
#include "include/cef_callback.h"
#include "include/cef_cookie.h"
#include "include/cef_request_context_handler.h"
#include "include/cef_values.h"

// A loaded extension; the client loads none, so no methods are declared.
class CefExtension : public virtual CefBaseRefCounted {};
class CefExtensionHandler;
class CefResolveCallback;
class CefSchemeHandlerFactory;

class CefRequestContext : public virtual CefBaseRefCounted {
 public:
  // The context built from CefSettings.
  static CefRefPtr<CefRequestContext> GetGlobalContext();
  static CefRefPtr<CefRequestContext> CreateContext(
      const CefRequestContextSettings& settings,
      CefRefPtr<CefRequestContextHandler> handler);
  // A context that shares the storage of |other|.
  static CefRefPtr<CefRequestContext> CreateContext(
      CefRefPtr<CefRequestContext> other,
      CefRefPtr<CefRequestContextHandler> handler);

  // Whether |other| is this very context.
  virtual bool IsSame(CefRefPtr<CefRequestContext> other) = 0;
  virtual bool IsSharingWith(CefRefPtr<CefRequestContext> other) = 0;
  virtual bool IsGlobal() = 0;
  virtual CefRefPtr<CefRequestContextHandler> GetHandler() = 0;
  virtual CefString GetCachePath() = 0;
  virtual CefRefPtr<CefCookieManager> GetDefaultCookieManager(
      CefRefPtr<CefCompletionCallback> callback) = 0;

  virtual bool RegisterSchemeHandlerFactory(
      const CefString& scheme_name,
      const CefString& domain_name,
      CefRefPtr<CefSchemeHandlerFactory> factory) = 0;
  virtual bool ClearSchemeHandlerFactories() = 0;
  virtual void PurgePluginListCache(bool reload_pages) = 0;

  // The preference methods are for the browser UI thread only.
  virtual bool HasPreference(const CefString& name) = 0;
  // A copy of the value, or NULL.
  virtual CefRefPtr<CefValue> GetPreference(const CefString& name) = 0;
  virtual CefRefPtr<CefDictionaryValue> GetAllPreferences(
      bool include_defaults) = 0;
  virtual bool CanSetPreference(const CefString& name) = 0;
  // A NULL |value| restores the default. On failure returns false with the
  // reason in |error|.
  virtual bool SetPreference(const CefString& name,
                             CefRefPtr<CefValue> value,
                             CefString& error) = 0;

  virtual void ClearCertificateExceptions(
      CefRefPtr<CefCompletionCallback> callback) = 0;
  virtual void CloseAllConnections(
      CefRefPtr<CefCompletionCallback> callback) = 0;
  virtual void ResolveHost(const CefString& origin,
                           CefRefPtr<CefResolveCallback> callback) = 0;
  virtual cef_errorcode_t ResolveHostCached(
      const CefString& origin,
      std::vector<CefString>& resolved_ips) = 0;

  virtual void LoadExtension(const CefString& root_directory,
                             CefRefPtr<CefDictionaryValue> manifest,
                             CefRefPtr<CefExtensionHandler> handler) = 0;
  virtual bool DidLoadExtension(const CefString& extension_id) = 0;
  virtual bool HasExtension(const CefString& extension_id) = 0;
  virtual bool GetExtensions(std::vector<CefString>& extension_ids) = 0;
  virtual CefRefPtr<CefExtension> GetExtension(
      const CefString& extension_id) = 0;
};

#endif  // CEF_INCLUDE_CEF_REQUEST_CONTEXT_H_
