// CefResponseFilter, the client's callbacks for filtering response bodies.

#ifndef CEF_INCLUDE_CEF_RESPONSE_FILTER_H_
#define CEF_INCLUDE_CEF_RESPONSE_FILTER_H_

#include "include/cef_base.h"

// Declares none of its callbacks: the client leaves them all to CEF. The
// class is complete because the default result of
// CefRequestHandler::GetResourceResponseFilter() needs it.
class CefResponseFilter : public virtual CefBaseRefCounted {};

#endif  // CEF_INCLUDE_CEF_RESPONSE_FILTER_H_
