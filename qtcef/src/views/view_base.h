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
    if (widget_)
      widget_->setGeometry(bounds.x, bounds.y, bounds.width, bounds.height);
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
  void SetSize(const CefSize& size) override {
    if (widget_)
      widget_->resize(size.width, size.height);
  }
  CefSize GetSize() override {
    const CefRect bounds = GetBounds();
    return CefSize(bounds.width, bounds.height);
  }
  CefSize GetPreferredSize() override {
    CefSize size = delegate_ ? delegate_->GetPreferredSize(this) : CefSize();
    if (size.IsEmpty() && widget_)
      size.Set(widget_->sizeHint().width(), widget_->sizeHint().height());
    return size;
  }
  void SetVisible(bool visible) override {
    visible_ = visible;
    if (widget_)
      widget_->setVisible(visible);
  }
  bool IsVisible() override { return visible_; }
  void SetEnabled(bool enabled) override {
    if (widget_)
      widget_->setEnabled(enabled);
  }
  bool IsEnabled() override { return widget_ && widget_->isEnabled(); }
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
  ViewBase(QWidget* widget, CefRefPtr<Delegate> delegate)
      : widget_(widget), delegate_(delegate) {}
  ~ViewBase() override { delete widget_.data(); }

  QPointer<QWidget> widget_;
  CefRefPtr<Delegate> delegate_;

 private:
  CefView* parent_ = nullptr;
  int id_ = 0;
  bool valid_ = true;
  bool visible_ = true;
};

}  // namespace qtcef

#endif  // QTCEF_SRC_VIEWS_VIEW_BASE_H_
