#include "qtcef/src/views/box_layout_impl.h"

#include <algorithm>

namespace qtcef {

BoxLayoutImpl::BoxLayoutImpl(CefPanel* host,
                             const CefBoxLayoutSettings& settings)
    : LayoutArrangement(host), settings_(settings) {}

CefSize BoxLayoutImpl::GetPreferredSize() {
  const std::vector<CefRefPtr<CefView>> children = Children(true);
  const bool horizontal = settings_.horizontal;
  int cross = settings_.minimum_cross_axis_size;
  for (const CefRefPtr<CefView>& child : children) {
    const CefSize preferred = child->GetPreferredSize();
    cross =
        std::max(cross, horizontal ? child->GetHeightForWidth(preferred.width)
                                   : preferred.width);
  }
  int main = Spacing(children.size());
  for (const CefRefPtr<CefView>& child : children)
    main += MainSizeOf(child, cross);
  const cef_insets_t insets = Insets();
  const int width = (horizontal ? main : cross) + insets.left + insets.right;
  const int height = (horizontal ? cross : main) + insets.top + insets.bottom;
  return CefSize(width, height);
}

int BoxLayoutImpl::GetHeightForWidth(int width) {
  if (settings_.horizontal)
    return GetPreferredSize().height;
  const std::vector<CefRefPtr<CefView>> children = Children(true);
  const cef_insets_t insets = Insets();
  const int cross = std::max(0, width - insets.left - insets.right);
  int height = Spacing(children.size()) + insets.top + insets.bottom;
  for (const CefRefPtr<CefView>& child : children)
    height += MainSizeOf(child, cross);
  return height;
}

void BoxLayoutImpl::Place(const CefSize& size) {
  const std::vector<CefRefPtr<CefView>> children = Children(true);
  const bool horizontal = settings_.horizontal;
  const cef_insets_t insets = Insets();
  const int width = std::max(0, size.width - insets.left - insets.right);
  const int height = std::max(0, size.height - insets.top - insets.bottom);
  const int main = horizontal ? width : height;
  const int cross = horizontal ? height : width;
  int position = 0;
  const std::vector<int> sizes = MainSizes(children, main, cross, &position);
  for (size_t i = 0; i < children.size(); ++i) {
    int child_cross = cross;
    int cross_position = 0;
    if (settings_.cross_axis_alignment != CEF_CROSS_AXIS_ALIGNMENT_STRETCH) {
      child_cross = std::min(cross, CrossSizeOf(children[i], sizes[i]));
      if (settings_.cross_axis_alignment == CEF_CROSS_AXIS_ALIGNMENT_CENTER)
        cross_position = (cross - child_cross) / 2;
      else if (settings_.cross_axis_alignment == CEF_CROSS_AXIS_ALIGNMENT_END)
        cross_position = cross - child_cross;
    }
    children[i]->SetBounds(
        horizontal ? CefRect(insets.left + position,
                             insets.top + cross_position, sizes[i], child_cross)
                   : CefRect(insets.left + cross_position,
                             insets.top + position, child_cross, sizes[i]));
    position += sizes[i] + settings_.between_child_spacing;
  }
}

void BoxLayoutImpl::SetFlexForView(CefRefPtr<CefView> view, int flex) {
  if (!IsChild(view) || flex < 0)
    return;
  flex_[view.get()] = flex;
  host_->InvalidateLayout();
}

void BoxLayoutImpl::ClearFlexForView(CefRefPtr<CefView> view) {
  if (!IsChild(view))
    return;
  flex_.erase(view.get());
  host_->InvalidateLayout();
}

// Explicit insets win over the two spacings, as in CEF.
cef_insets_t BoxLayoutImpl::Insets() const {
  const cef_insets_t& insets = settings_.inside_border_insets;
  if (insets.top || insets.left || insets.bottom || insets.right)
    return insets;
  const int vertical = settings_.inside_border_vertical_spacing;
  const int horizontal = settings_.inside_border_horizontal_spacing;
  return cef_insets_t{vertical, horizontal, vertical, horizontal};
}

int BoxLayoutImpl::Spacing(size_t count) const {
  return count > 1
             ? static_cast<int>(count - 1) * settings_.between_child_spacing
             : 0;
}

bool BoxLayoutImpl::IsChild(CefRefPtr<CefView> view) const {
  if (!view || !host_)
    return false;
  CefRefPtr<CefView> parent = view->GetParentView();
  return parent && parent->IsSame(host_);
}

int BoxLayoutImpl::FlexOf(CefView* child) const {
  auto it = flex_.find(child);
  return it != flex_.end() ? it->second : settings_.default_flex;
}

// A column asks each child its height for the width it will get.
int BoxLayoutImpl::MainSizeOf(CefRefPtr<CefView> child, int cross) const {
  if (settings_.horizontal)
    return child->GetPreferredSize().width;
  const bool stretch =
      settings_.cross_axis_alignment == CEF_CROSS_AXIS_ALIGNMENT_STRETCH;
  return child->GetHeightForWidth(stretch ? cross
                                          : child->GetPreferredSize().width);
}

int BoxLayoutImpl::CrossSizeOf(CefRefPtr<CefView> child, int main) const {
  return settings_.horizontal ? child->GetHeightForWidth(main)
                              : child->GetPreferredSize().width;
}

std::vector<int> BoxLayoutImpl::MainSizes(
    const std::vector<CefRefPtr<CefView>>& children,
    int main,
    int cross,
    int* offset) const {
  std::vector<int> sizes;
  int free = main - Spacing(children.size());
  int flex_sum = 0;
  for (const CefRefPtr<CefView>& child : children) {
    sizes.push_back(MainSizeOf(child, cross));
    free -= sizes.back();
    flex_sum += FlexOf(child.get());
  }
  *offset = 0;
  if (flex_sum > 0) {
    // Each child's share is cumulative, so the rounding adds up to |free|.
    int flex_so_far = 0;
    int shared = 0;
    for (size_t i = 0; i < children.size(); ++i) {
      flex_so_far += FlexOf(children[i].get());
      const int share = free * flex_so_far / flex_sum;
      sizes[i] = std::max(0, sizes[i] + share - shared);
      shared = share;
    }
  } else if (free > 0) {
    if (settings_.main_axis_alignment == CEF_MAIN_AXIS_ALIGNMENT_CENTER)
      *offset = free / 2;
    else if (settings_.main_axis_alignment == CEF_MAIN_AXIS_ALIGNMENT_END)
      *offset = free;
  }
  return sizes;
}

}  // namespace qtcef
