// CefDragHandler, the client's callbacks for drag and drop.

#ifndef CEF_INCLUDE_CEF_DRAG_HANDLER_H_
#define CEF_INCLUDE_CEF_DRAG_HANDLER_H_

#include "include/cef_base.h"

// Declares none of its callbacks: the client leaves them all to CEF. The
// class is complete because the default result of
// CefClient::GetDragHandler() needs it.
class CefDragHandler : public virtual CefBaseRefCounted {};

#endif  // CEF_INCLUDE_CEF_DRAG_HANDLER_H_
