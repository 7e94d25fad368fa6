// CefRenderProcessHandler, the client's callbacks for the render process.

#ifndef CEF_INCLUDE_CEF_RENDER_PROCESS_HANDLER_H_
#define CEF_INCLUDE_CEF_RENDER_PROCESS_HANDLER_H_

#include "include/cef_base.h"

// Declares none of its callbacks: the client leaves them all to CEF. The
// class is complete because the default result of
// CefApp::GetRenderProcessHandler() needs it.
class CefRenderProcessHandler : public virtual CefBaseRefCounted {};

#endif  // CEF_INCLUDE_CEF_RENDER_PROCESS_HANDLER_H_
