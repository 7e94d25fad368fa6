// The CefView methods of every Views class, over the view's Qt widget.

#ifndef QTCEF_SRC_VIEWS_VIEW_BASE_H_
#define QTCEF_SRC_VIEWS_VIEW_BASE_H_

#include <QPalette>
#include <QPointer>
#include <QWidget>

#include "include/views/cef_browser_view.h"
#include "include/views/cef_panel.h"
#include "include/views/cef_window.h"
#include "qtcef/src/runtime/string_util.h"
#include "qtcef/src/views/view_node.h"

namespace qtcef {

// |Base| is the CEF class implemented and |Delegate| the client's delegate
// for it. The view deletes its widget, unless the widget of its window
// deleted it first.
template <class Base, class Delegate>
class ViewBase : public Base, public ViewNode {
 public:
  // ViewNode:
  QWidget* widget() override { return widget_; }
  void SetParentView(CefView* parent) override { parent_ = parent; }
  void OnAddedToWindow() override {}
  void Invalidate(bool) override {
    valid_ = false;
    delegate_ = nullptr;
  }
  bool NeedsLayout() const override { return needs_layout_; }
  void DoLayout() override {
    needs_layout_ = false;
    LayoutContents();
    // A view that nothing gave a size takes its preferred size, as CEF's
    // views do.
    if (GetSize().IsEmpty())
      SizeToPreferredSize();
  }

  // CefView:
  CefRefPtr<CefBrowserView> AsBrowserView() override { return nullptr; }
  CefRefPtr<CefPanel> AsPanel() override { return nullptr; }
  CefString ToString(bool) override {
    return ToCefString(
        QStringLiteral("%1 %2").arg(ToQString(this->GetTypeString())).arg(id_));
  }
  bool IsValid() override { return valid_; }
  bool IsAttached() override { return parent_ != nullptr; }
  bool IsSame(CefRefPtr<CefView> that) override {
    return that.get() == static_cast<CefView*>(this);
  }
  CefRefPtr<CefViewDelegate> GetDelegate() override { return delegate_.get(); }
  CefRefPtr<CefWindow> GetWindow() override {
    CefRefPtr<CefView> root = this;
    while (CefRefPtr<CefView> parent = root->GetParentView())
      root = parent;
    CefRefPtr<CefPanel> panel = root->AsPanel();
    return panel ? panel->AsWindow() : nullptr;
  }
  int GetID() override { return id_; }
  void SetID(int id) override { id_ = id; }
  CefRefPtr<CefView> GetParentView() override { return parent_; }
  void SetBounds(const CefRect& bounds) override {
    Reshape([&] {
      widget_->setGeometry(bounds.x, bounds.y, bounds.width, bounds.height);
    });
  }
  CefRect GetBounds() override {
    // Qt gives a widget nobody has placed a default size; CEF's views start
    // empty.
    if (!widget_ ||
        (!widget_->testAttribute(Qt::WA_Resized) &&
         !widget_->testAttribute(Qt::WA_Moved) && !widget_->isVisible())) {
      return CefRect();
    }
    const QRect bounds = widget_->geometry();
    return CefRect(bounds.x(), bounds.y(), bounds.width(), bounds.height());
  }
  CefRect GetBoundsInScreen() override {
    const CefSize size = GetSize();
    // Outside a window a view has no place on screen, as in CEF.
    if (!widget_ || !this->GetWindow())
      return CefRect(0, 0, size.width, size.height);
    const QPoint origin = widget_->mapToGlobal(QPoint(0, 0));
    return CefRect(origin.x(), origin.y(), size.width, size.height);
  }
  void SetSize(const CefSize& size) override {
    Reshape([&] { widget_->resize(size.width, size.height); });
  }
  CefSize GetSize() override {
    const CefRect bounds = GetBounds();
    return CefSize(bounds.width, bounds.height);
  }
  void SetPosition(const CefPoint& position) override {
    Reshape([&] { widget_->move(position.x, position.y); });
  }
  CefPoint GetPosition() override {
    const CefRect bounds = GetBounds();
    return CefPoint(bounds.x, bounds.y);
  }
  CefSize GetPreferredSize() override {
    CefSize size = delegate_ ? delegate_->GetPreferredSize(this) : CefSize();
    if (size.IsEmpty())
      size = GetContentsPreferredSize();
    // Box layouts need a size for a child that prefers none; the one the
    // client gave it stands in.
    if (size.IsEmpty())
      size = GetSize();
    return size;
  }
  void SizeToPreferredSize() override { SetSize(GetPreferredSize()); }
  // Views' own minimum size is the preferred size.
  CefSize GetMinimumSize() override {
    const CefSize size =
        delegate_ ? delegate_->GetMinimumSize(this) : CefSize();
    return size.IsEmpty() ? GetPreferredSize() : size;
  }
  CefSize GetMaximumSize() override {
    return delegate_ ? delegate_->GetMaximumSize(this) : CefSize();
  }
  int GetHeightForWidth(int width) override {
    int height = delegate_ ? delegate_->GetHeightForWidth(this, width) : 0;
    if (!height)
      height = GetContentsHeightForWidth(width);
    // A fill layout without children answers 0, which leaves the height to
    // the preferred size.
    if (!height)
      height = GetPreferredSize().height;
    return height;
  }
  void InvalidateLayout() override {
    needs_layout_ = true;
    if (parent_)
      parent_->InvalidateLayout();
  }
  void SetVisible(bool visible) override {
    if (visible == visible_)
      return;
    visible_ = visible;
    if (widget_)
      widget_->setVisible(visible);
    // Layouts leave hidden children out.
    if (parent_)
      parent_->InvalidateLayout();
  }
  bool IsVisible() override { return visible_; }
  bool IsDrawn() override {
    if (!IsVisible() || !parent_)
      return false;
    CefRefPtr<CefPanel> panel = parent_->AsPanel();
    return (panel && panel->AsWindow()) || parent_->IsDrawn();
  }
  void SetEnabled(bool enabled) override {
    if (widget_)
      widget_->setEnabled(enabled);
  }
  bool IsEnabled() override { return widget_ && widget_->isEnabled(); }
  void SetFocusable(bool focusable) override { focusable_ = focusable; }
  bool IsFocusable() override { return focusable_ && IsEnabled() && IsDrawn(); }
  bool IsAccessibilityFocusable() override { return IsFocusable(); }
  void RequestFocus() override {
    if (widget_)
      widget_->setFocus();
  }
  void SetBackgroundColor(cef_color_t color) override {
    if (!widget_)
      return;
    QPalette palette = widget_->palette();
    palette.setColor(QPalette::Window, QColor::fromRgba(color));
    widget_->setPalette(palette);
    widget_->setAutoFillBackground(true);
  }
  cef_color_t GetBackgroundColor() override {
    return widget_ ? widget_->palette().color(QPalette::Window).rgba() : 0;
  }

 protected:
  // CEF's views are white until told otherwise.
  ViewBase(QWidget* widget, CefRefPtr<Delegate> delegate)
      : widget_(widget), delegate_(delegate) {
    SetBackgroundColor(CefColorSetARGB(255, 255, 255, 255));
  }
  ~ViewBase() override { delete widget_.data(); }

  // What the view's layout places, asks and answers; panels have children.
  virtual void LayoutContents() {}
  virtual CefSize GetContentsPreferredSize() { return CefSize(); }
  virtual int GetContentsHeightForWidth(int) { return 0; }

  QPointer<QWidget> widget_;
  CefRefPtr<Delegate> delegate_;
  bool needs_layout_ = true;

 private:
  // Applies |change| to the widget, then lays the view out as views do:
  // when its size changed, or when it was asked to.
  template <class Change>
  void Reshape(const Change& change) {
    if (!widget_)
      return;
    const CefSize old_size = GetSize();
    change();
    if (needs_layout_ || GetSize() != old_size)
      DoLayout();
  }

  CefView* parent_ = nullptr;
  int id_ = 0;
  bool valid_ = true;
  bool visible_ = true;
  bool focusable_ = false;
};

}  // namespace qtcef

#endif  // QTCEF_SRC_VIEWS_VIEW_BASE_H_
