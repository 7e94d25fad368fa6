// How a CefLayout sizes and places a panel's children: by the children's
// own preferred sizes, as Chromium's views layouts do, never by Qt's size
// hints.

#ifndef QTCEF_SRC_VIEWS_LAYOUT_ARRANGEMENT_H_
#define QTCEF_SRC_VIEWS_LAYOUT_ARRANGEMENT_H_

#include <vector>

#include "include/views/cef_panel.h"

namespace qtcef {

class LayoutArrangement {
 public:
  // The size that the host's visible children ask of it.
  virtual CefSize GetPreferredSize() = 0;
  // The host's height at |width|, or 0 to leave it to the preferred size.
  virtual int GetHeightForWidth(int width) = 0;
  // Gives each child its bounds in a host of |size|.
  virtual void Place(const CefSize& size) = 0;
  // |child| has left the host.
  virtual void OnChildRemoved(CefView* child) = 0;

  // The host took another layout, or went.
  void Detach() { host_ = nullptr; }

 protected:
  explicit LayoutArrangement(CefPanel* host) : host_(host) {}
  virtual ~LayoutArrangement() = default;

  bool attached() const { return host_ != nullptr; }
  // The host's children in order; hidden ones take no room.
  std::vector<CefRefPtr<CefView>> Children(bool visible_only) const {
    std::vector<CefRefPtr<CefView>> children;
    const int count = host_ ? static_cast<int>(host_->GetChildViewCount()) : 0;
    for (int i = 0; i < count; ++i) {
      CefRefPtr<CefView> child = host_->GetChildViewAt(i);
      if (!visible_only || child->IsVisible())
        children.push_back(child);
    }
    return children;
  }

  // Not owned: the host detaches the layout before it goes.
  CefPanel* host_;
};

}  // namespace qtcef

#endif  // QTCEF_SRC_VIEWS_LAYOUT_ARRANGEMENT_H_
