// The client's callbacks for a request context.

#ifndef CEF_INCLUDE_CEF_REQUEST_CONTEXT_HANDLER_H_
#define CEF_INCLUDE_CEF_REQUEST_CONTEXT_HANDLER_H_

#include "include/cef_base.h"
#include "include/cef_cookie.h"
#include "include/cef_web_plugin.h"

class CefRequestContext;

// The default implementations ignore their arguments.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wunused-parameter"

class CefRequestContextHandler : public virtual CefBaseRefCounted {
 public:
  typedef cef_plugin_policy_t PluginPolicy;

  // UI thread.
  virtual void OnRequestContextInitialized(
      CefRefPtr<CefRequestContext> request_context) {}

  // IO thread. NULL selects the context's default cookie manager.
  virtual CefRefPtr<CefCookieManager> GetCookieManager() { return nullptr; }

  // Called on several threads before a plug-in loads; |top_origin_url| is
  // empty while the navigator.plugins list is built. To override the
  // policy, which defaults to the --plugin-policy switch, set
  // |*plugin_policy| and return true.
  virtual bool OnBeforePluginLoad(const CefString& mime_type,
                                  const CefString& plugin_url,
                                  bool is_main_frame,
                                  const CefString& top_origin_url,
                                  CefRefPtr<CefWebPluginInfo> plugin_info,
                                  PluginPolicy* plugin_policy) {
    return false;
  }
};

#pragma GCC diagnostic pop

#endif  // CEF_INCLUDE_CEF_REQUEST_CONTEXT_HANDLER_H_
