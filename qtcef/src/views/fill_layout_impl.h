// CefFillLayout: every child fills the whole panel.

#ifndef QTCEF_SRC_VIEWS_FILL_LAYOUT_IMPL_H_
#define QTCEF_SRC_VIEWS_FILL_LAYOUT_IMPL_H_

#include "include/views/cef_box_layout.h"
#include "include/views/cef_fill_layout.h"
#include "qtcef/src/views/layout_arrangement.h"

namespace qtcef {

class FillLayoutImpl : public CefFillLayout, public LayoutArrangement {
 public:
  explicit FillLayoutImpl(CefPanel* host) : LayoutArrangement(host) {}

  // LayoutArrangement:
  CefSize GetPreferredSize() override;
  int GetHeightForWidth(int width) override;
  void Place(const CefSize& size) override;
  void OnChildRemoved(CefView*) override {}

  // CefLayout:
  CefRefPtr<CefBoxLayout> AsBoxLayout() override { return nullptr; }
  CefRefPtr<CefFillLayout> AsFillLayout() override { return this; }
  bool IsValid() override { return attached(); }

 private:
  IMPLEMENT_REFCOUNTING(FillLayoutImpl);
};

}  // namespace qtcef

#endif  // QTCEF_SRC_VIEWS_FILL_LAYOUT_IMPL_H_
