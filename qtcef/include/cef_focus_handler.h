// CefFocusHandler, the client's callbacks for focus changes.

#ifndef CEF_INCLUDE_CEF_FOCUS_HANDLER_H_
#define CEF_INCLUDE_CEF_FOCUS_HANDLER_H_

#include "include/cef_base.h"

// Declares none of its callbacks: the client leaves them all to CEF. The
// class is complete because the default result of
// CefClient::GetFocusHandler() needs it.
class CefFocusHandler : public virtual CefBaseRefCounted {};

#endif  // CEF_INCLUDE_CEF_FOCUS_HANDLER_H_
