// Views views, the elements of a Views window.

#ifndef CEF_INCLUDE_VIEWS_CEF_VIEW_H_
#define CEF_INCLUDE_VIEWS_CEF_VIEW_H_

#include "include/cef_base.h"
#include "include/views/cef_view_delegate.h"

class CefBrowserView;
class CefPanel;
class CefWindow;

// A view; browser process UI thread only. As in CEF 3538, the Views classes
// derive CefBaseRefCounted non-virtually.
class CefView : public CefBaseRefCounted {
 public:
  // NULL unless the view is of that kind.
  virtual CefRefPtr<CefBrowserView> AsBrowserView() = 0;
  virtual CefRefPtr<CefPanel> AsPanel() = 0;

  virtual CefString GetTypeString() = 0;
  virtual CefString ToString(bool include_children) = 0;
  virtual bool IsValid() = 0;
  // Whether the view is in a hierarchy.
  virtual bool IsAttached() = 0;
  virtual bool IsSame(CefRefPtr<CefView> that) = 0;
  virtual CefRefPtr<CefViewDelegate> GetDelegate() = 0;
  virtual CefRefPtr<CefWindow> GetWindow() = 0;
  virtual int GetID() = 0;
  virtual void SetID(int id) = 0;
  virtual CefRefPtr<CefView> GetParentView() = 0;

  // Bounds and positions are relative to the parent view, except in screen
  // bounds, which are the view's place on screen once it is in a window.
  virtual void SetBounds(const CefRect& bounds) = 0;
  virtual CefRect GetBounds() = 0;
  virtual CefRect GetBoundsInScreen() = 0;
  virtual void SetSize(const CefSize& size) = 0;
  virtual CefSize GetSize() = 0;
  virtual void SetPosition(const CefPoint& position) = 0;
  virtual CefPoint GetPosition() = 0;
  // The delegate's sizes first; otherwise the preferred size is the
  // layout's, or else the current size.
  virtual CefSize GetPreferredSize() = 0;
  virtual void SizeToPreferredSize() = 0;
  virtual CefSize GetMinimumSize() = 0;
  virtual CefSize GetMaximumSize() = 0;
  virtual int GetHeightForWidth(int width) = 0;
  // The next layout of the parents reaches this view even if their bounds
  // stay the same.
  virtual void InvalidateLayout() = 0;

  virtual void SetVisible(bool visible) = 0;
  virtual bool IsVisible() = 0;
  // Whether the view and every parent up to its window are visible; a
  // window is drawn when it is visible.
  virtual bool IsDrawn() = 0;
  virtual void SetEnabled(bool enabled) = 0;
  virtual bool IsEnabled() = 0;
  // Views are not focusable unless set so; a focusable view is focusable
  // only while enabled and drawn.
  virtual void SetFocusable(bool focusable) = 0;
  virtual bool IsFocusable() = 0;
  virtual bool IsAccessibilityFocusable() = 0;
  virtual void RequestFocus() = 0;
  virtual void SetBackgroundColor(cef_color_t color) = 0;
  virtual cef_color_t GetBackgroundColor() = 0;
};

#endif  // CEF_INCLUDE_VIEWS_CEF_VIEW_H_
