// Views panels, views that hold child views.

#ifndef CEF_INCLUDE_VIEWS_CEF_PANEL_H_
#define CEF_INCLUDE_VIEWS_CEF_PANEL_H_

#include "include/views/cef_box_layout.h"
#include "include/views/cef_fill_layout.h"
#include "include/views/cef_layout.h"
#include "include/views/cef_panel_delegate.h"
#include "include/views/cef_view.h"

class CefWindow;

// Browser process UI thread only.
class CefPanel : public CefView {
 public:
  // |delegate| may be NULL.
  static CefRefPtr<CefPanel> CreatePanel(CefRefPtr<CefPanelDelegate> delegate);

  // NULL unless the panel is a window.
  virtual CefRefPtr<CefWindow> AsWindow() = 0;

  virtual CefRefPtr<CefFillLayout> SetToFillLayout() = 0;
  virtual CefRefPtr<CefBoxLayout> SetToBoxLayout(
      const CefBoxLayoutSettings& settings) = 0;
  virtual CefRefPtr<CefLayout> GetLayout() = 0;
  // Lays the children out again now.
  virtual void Layout() = 0;

  virtual void AddChildView(CefRefPtr<CefView> view) = 0;
  virtual void AddChildViewAt(CefRefPtr<CefView> view, int index) = 0;
  virtual void ReorderChildView(CefRefPtr<CefView> view, int index) = 0;
  virtual void RemoveChildView(CefRefPtr<CefView> view) = 0;
  virtual void RemoveAllChildViews() = 0;
  virtual size_t GetChildViewCount() = 0;
  virtual CefRefPtr<CefView> GetChildViewAt(int index) = 0;
};

#endif  // CEF_INCLUDE_VIEWS_CEF_PANEL_H_
