// CefRenderHandler, the client's callbacks for off-screen rendering.

#ifndef CEF_INCLUDE_CEF_RENDER_HANDLER_H_
#define CEF_INCLUDE_CEF_RENDER_HANDLER_H_

#include "include/cef_base.h"

// Declares none of its callbacks: the client leaves them all to CEF. The
// class is complete because the default result of
// CefClient::GetRenderHandler() needs it.
class CefRenderHandler : public virtual CefBaseRefCounted {};

#endif  // CEF_INCLUDE_CEF_RENDER_HANDLER_H_
