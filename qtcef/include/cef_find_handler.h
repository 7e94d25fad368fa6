// CefFindHandler, the client's callbacks for find-in-page results.

#ifndef CEF_INCLUDE_CEF_FIND_HANDLER_H_
#define CEF_INCLUDE_CEF_FIND_HANDLER_H_

#include "include/cef_base.h"

// Declares none of its callbacks: the client leaves them all to CEF. The
// class is complete because the default result of
// CefClient::GetFindHandler() needs it.
class CefFindHandler : public virtual CefBaseRefCounted {};

#endif  // CEF_INCLUDE_CEF_FIND_HANDLER_H_
