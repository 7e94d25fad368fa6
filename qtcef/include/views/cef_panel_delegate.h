// The client's callbacks for a Views panel.

#ifndef CEF_INCLUDE_VIEWS_CEF_PANEL_DELEGATE_H_
#define CEF_INCLUDE_VIEWS_CEF_PANEL_DELEGATE_H_

#include "include/views/cef_view_delegate.h"

// Adds nothing to CefViewDelegate in 3538.
class CefPanelDelegate : public CefViewDelegate {};

#endif  // CEF_INCLUDE_VIEWS_CEF_PANEL_DELEGATE_H_
