// CefDialogHandler, the client's callbacks for file dialogs.

#ifndef CEF_INCLUDE_CEF_DIALOG_HANDLER_H_
#define CEF_INCLUDE_CEF_DIALOG_HANDLER_H_

#include "include/cef_base.h"

// Declares none of its callbacks: the client leaves them all to CEF. The
// class is complete because the default result of
// CefClient::GetDialogHandler() needs it.
class CefDialogHandler : public virtual CefBaseRefCounted {};

#endif  // CEF_INCLUDE_CEF_DIALOG_HANDLER_H_
