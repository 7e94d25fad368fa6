// CefBoxLayout: the panel's children in one row or column, each at its
// preferred size along the row, with flex sharing out the room left over.

#ifndef QTCEF_SRC_VIEWS_BOX_LAYOUT_IMPL_H_
#define QTCEF_SRC_VIEWS_BOX_LAYOUT_IMPL_H_

#include <map>
#include <vector>

#include "include/views/cef_box_layout.h"
#include "include/views/cef_fill_layout.h"
#include "qtcef/src/views/layout_arrangement.h"

namespace qtcef {

class BoxLayoutImpl : public CefBoxLayout, public LayoutArrangement {
 public:
  BoxLayoutImpl(CefPanel* host, const CefBoxLayoutSettings& settings);

  // LayoutArrangement:
  CefSize GetPreferredSize() override;
  int GetHeightForWidth(int width) override;
  void Place(const CefSize& size) override;
  void OnChildRemoved(CefView* child) override { flex_.erase(child); }

  // CefLayout:
  CefRefPtr<CefBoxLayout> AsBoxLayout() override { return this; }
  CefRefPtr<CefFillLayout> AsFillLayout() override { return nullptr; }
  bool IsValid() override { return attached(); }

  // CefBoxLayout:
  void SetFlexForView(CefRefPtr<CefView> view, int flex) override;
  void ClearFlexForView(CefRefPtr<CefView> view) override;

 private:
  // The room between the host's edges and its children.
  cef_insets_t Insets() const;
  int Spacing(size_t count) const;
  bool IsChild(CefRefPtr<CefView> view) const;
  int FlexOf(CefView* child) const;
  // How long |child| is along the main axis, in an area |cross| across.
  int MainSizeOf(CefRefPtr<CefView> child, int cross) const;
  // How wide |child| is across, for a |main| long child.
  int CrossSizeOf(CefRefPtr<CefView> child, int main) const;
  // The children's lengths in an area |main| long and |cross| across, with
  // the room left over, or missing, shared out by flex; sets |*offset| to
  // where the first child starts along the main axis.
  std::vector<int> MainSizes(const std::vector<CefRefPtr<CefView>>& children,
                             int main,
                             int cross,
                             int* offset) const;

  const CefBoxLayoutSettings settings_;
  std::map<CefView*, int> flex_;

  IMPLEMENT_REFCOUNTING(BoxLayoutImpl);
};

}  // namespace qtcef

#endif  // QTCEF_SRC_VIEWS_BOX_LAYOUT_IMPL_H_
