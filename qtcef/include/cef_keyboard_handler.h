// CefKeyboardHandler, the client's callbacks for keyboard events.

#ifndef CEF_INCLUDE_CEF_KEYBOARD_HANDLER_H_
#define CEF_INCLUDE_CEF_KEYBOARD_HANDLER_H_

#include "include/cef_base.h"

// Declares none of its callbacks: the client leaves them all to CEF. The
// class is complete because the default result of
// CefClient::GetKeyboardHandler() needs it.
class CefKeyboardHandler : public virtual CefBaseRefCounted {};

#endif  // CEF_INCLUDE_CEF_KEYBOARD_HANDLER_H_
