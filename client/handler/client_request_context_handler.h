#ifndef CLIENT_HANDLER_CLIENT_REQUEST_CONTEXT_HANDLER_H_
#define CLIENT_HANDLER_CLIENT_REQUEST_CONTEXT_HANDLER_H_

#include "include/cef_request_context_handler.h"

// The plug-in policy of the client's own request context: every plug-in but
// Flash is allowed outright; Flash is left to the content settings and the
// preferences that browser creation sets.
class ClientRequestContextHandler : public CefRequestContextHandler {
 public:
  ClientRequestContextHandler() {}

  bool OnBeforePluginLoad(const CefString& mime_type,
                          const CefString& plugin_url,
                          bool is_main_frame,
                          const CefString& top_origin_url,
                          CefRefPtr<CefWebPluginInfo> plugin_info,
                          PluginPolicy* plugin_policy) override;

 private:
  IMPLEMENT_REFCOUNTING(ClientRequestContextHandler);
  DISALLOW_COPY_AND_ASSIGN(ClientRequestContextHandler);
};

#endif  // CLIENT_HANDLER_CLIENT_REQUEST_CONTEXT_HANDLER_H_
