// CefJSDialogHandler, the client's callbacks for JavaScript alert, confirm and
// prompt dialogs.

#ifndef CEF_INCLUDE_CEF_JSDIALOG_HANDLER_H_
#define CEF_INCLUDE_CEF_JSDIALOG_HANDLER_H_

#include "include/cef_base.h"

// Declares none of its callbacks: the client leaves them all to CEF. The
// class is complete because the default result of
// CefClient::GetJSDialogHandler() needs it.
class CefJSDialogHandler : public virtual CefBaseRefCounted {};

#endif  // CEF_INCLUDE_CEF_JSDIALOG_HANDLER_H_
