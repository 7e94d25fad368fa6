// Layouts, which arrange the children of a Views panel.

#ifndef CEF_INCLUDE_VIEWS_CEF_LAYOUT_H_
#define CEF_INCLUDE_VIEWS_CEF_LAYOUT_H_

#include "include/cef_base.h"

class CefBoxLayout;
class CefFillLayout;

// Browser process UI thread only.
class CefLayout : public CefBaseRefCounted {
 public:
  // NULL unless the layout is of that kind.
  virtual CefRefPtr<CefBoxLayout> AsBoxLayout() = 0;
  virtual CefRefPtr<CefFillLayout> AsFillLayout() = 0;
  virtual bool IsValid() = 0;
};

#endif  // CEF_INCLUDE_VIEWS_CEF_LAYOUT_H_
