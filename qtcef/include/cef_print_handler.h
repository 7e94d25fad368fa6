// CefPrintHandler, the client's callbacks for printing on Linux.

#ifndef CEF_INCLUDE_CEF_PRINT_HANDLER_H_
#define CEF_INCLUDE_CEF_PRINT_HANDLER_H_

#include "include/cef_base.h"

// Declares none of its callbacks: the client leaves them all to CEF. The
// class is complete because the default result of
// CefBrowserProcessHandler::GetPrintHandler() needs it.
class CefPrintHandler : public virtual CefBaseRefCounted {};

#endif  // CEF_INCLUDE_CEF_PRINT_HANDLER_H_
