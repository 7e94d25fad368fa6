// The layout that places a panel's children in one row or column.

#ifndef CEF_INCLUDE_VIEWS_CEF_BOX_LAYOUT_H_
#define CEF_INCLUDE_VIEWS_CEF_BOX_LAYOUT_H_

#include "include/views/cef_layout.h"

class CefView;

// Configured by CefBoxLayoutSettings.
class CefBoxLayout : public CefLayout {
 public:
  // How much of the spare main-axis space |view| takes, relative to its
  // siblings; 0 keeps its preferred size.
  virtual void SetFlexForView(CefRefPtr<CefView> view, int flex) = 0;
  virtual void ClearFlexForView(CefRefPtr<CefView> view) = 0;
};

#endif  // CEF_INCLUDE_VIEWS_CEF_BOX_LAYOUT_H_
