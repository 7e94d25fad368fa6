#include "client/handler/client_request_context_handler.h"

namespace {

const char kFlashMimeType[] = "application/x-shockwave-flash";

}  // namespace

bool ClientRequestContextHandler::OnBeforePluginLoad(
    const CefString& mime_type,
    const CefString& /*plugin_url*/,
    bool /*is_main_frame*/,
    const CefString& /*top_origin_url*/,
    CefRefPtr<CefWebPluginInfo> /*plugin_info*/,
    PluginPolicy* plugin_policy) {
  if (!plugin_policy)
    return false;
  // CEF may call this on several threads; it touches only its arguments.
  if (mime_type == CefString(kFlashMimeType))
    return false;
  *plugin_policy = PLUGIN_POLICY_ALLOW;
  return true;
}
