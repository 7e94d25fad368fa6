// What qtcef's Views classes share beyond the CEF API: each view's Qt widget
// and its place in a hierarchy of views.

#ifndef QTCEF_SRC_VIEWS_VIEW_NODE_H_
#define QTCEF_SRC_VIEWS_VIEW_NODE_H_

#include "include/views/cef_view.h"

class QWidget;

namespace qtcef {

class ViewNode {
 public:
  // NULL for a view that qtcef did not create.
  static ViewNode* From(CefRefPtr<CefView> view) {
    return dynamic_cast<ViewNode*>(view.get());
  }

  // NULL once the view's window has gone.
  virtual QWidget* widget() = 0;
  virtual void SetParentView(CefView* parent) = 0;
  // The view, or a panel that holds it, has been added to a window.
  virtual void OnAddedToWindow() = 0;
  // The view's window is going: the browsers in the view close and the
  // view lets its delegate go. Clients are told only when |notify|.
  virtual void Invalidate(bool notify) = 0;
  // Whether the view's contents wait for a layout, and that layout.
  virtual bool NeedsLayout() const = 0;
  virtual void DoLayout() = 0;

 protected:
  virtual ~ViewNode() = default;
};

}  // namespace qtcef

#endif  // QTCEF_SRC_VIEWS_VIEW_NODE_H_
