#include "qtcef/src/views/fill_layout_impl.h"

#include <algorithm>

namespace qtcef {

// The largest of the children's.
CefSize FillLayoutImpl::GetPreferredSize() {
  CefSize size;
  for (const CefRefPtr<CefView>& child : Children(true)) {
    const CefSize preferred = child->GetPreferredSize();
    size.Set(std::max(size.width, preferred.width),
             std::max(size.height, preferred.height));
  }
  return size;
}

int FillLayoutImpl::GetHeightForWidth(int width) {
  int height = 0;
  for (const CefRefPtr<CefView>& child : Children(true))
    height = std::max(height, child->GetHeightForWidth(width));
  return height;
}

// Hidden children too, so that they fill the panel once shown.
void FillLayoutImpl::Place(const CefSize& size) {
  for (const CefRefPtr<CefView>& child : Children(false))
    child->SetBounds(CefRect(0, 0, size.width, size.height));
}

}  // namespace qtcef
