// The client's callbacks for a Views view.

#ifndef CEF_INCLUDE_VIEWS_CEF_VIEW_DELEGATE_H_
#define CEF_INCLUDE_VIEWS_CEF_VIEW_DELEGATE_H_

#include "include/cef_base.h"

class CefView;

// The default implementations ignore their arguments.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wunused-parameter"

// Called on the browser process UI thread. An empty CefSize from the size
// callbacks leaves the size to the view's own logic.
class CefViewDelegate : public virtual CefBaseRefCounted {
 public:
  virtual CefSize GetPreferredSize(CefRefPtr<CefView> view) {
    return CefSize();
  }
  virtual CefSize GetMinimumSize(CefRefPtr<CefView> view) { return CefSize(); }
  virtual CefSize GetMaximumSize(CefRefPtr<CefView> view) { return CefSize(); }
  // 0 leaves the height to the preferred size.
  virtual int GetHeightForWidth(CefRefPtr<CefView> view, int width) {
    return 0;
  }

  virtual void OnParentViewChanged(CefRefPtr<CefView> view,
                                   bool added,
                                   CefRefPtr<CefView> parent) {}
  virtual void OnChildViewChanged(CefRefPtr<CefView> view,
                                  bool added,
                                  CefRefPtr<CefView> child) {}
  virtual void OnFocus(CefRefPtr<CefView> view) {}
  virtual void OnBlur(CefRefPtr<CefView> view) {}
};

#pragma GCC diagnostic pop

#endif  // CEF_INCLUDE_VIEWS_CEF_VIEW_DELEGATE_H_
