// The layout that gives each child of a panel the panel's whole area.

#ifndef CEF_INCLUDE_VIEWS_CEF_FILL_LAYOUT_H_
#define CEF_INCLUDE_VIEWS_CEF_FILL_LAYOUT_H_

#include "include/views/cef_layout.h"

// Has no settings.
class CefFillLayout : public CefLayout {};

#endif  // CEF_INCLUDE_VIEWS_CEF_FILL_LAYOUT_H_
