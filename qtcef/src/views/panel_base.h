// The CefPanel methods of panels and windows: child views, each with its
// widget in the panel's widget, arranged by the panel's layout.

#ifndef QTCEF_SRC_VIEWS_PANEL_BASE_H_
#define QTCEF_SRC_VIEWS_PANEL_BASE_H_

#include <vector>

#include "qtcef/src/views/box_layout_impl.h"
#include "qtcef/src/views/fill_layout_impl.h"
#include "qtcef/src/views/view_base.h"

namespace qtcef {

template <class Base, class Delegate>
class PanelBase : public ViewBase<Base, Delegate> {
 public:
  // ViewNode:
  void OnAddedToWindow() override {
    for (const CefRefPtr<CefView>& child : children_)
      ViewNode::From(child)->OnAddedToWindow();
  }
  void Invalidate(bool notify) override {
    std::vector<CefRefPtr<CefView>> children;
    children.swap(children_);
    for (const CefRefPtr<CefView>& child : children) {
      ViewNode::From(child)->Invalidate(notify);
      ViewNode::From(child)->SetParentView(nullptr);
    }
    arrangement_->Detach();
    ViewBase<Base, Delegate>::Invalidate(notify);
  }

  // CefView:
  CefRefPtr<CefPanel> AsPanel() override { return this; }
  CefString ToString(bool include_children) override {
    QString text = ToQString(ViewBase<Base, Delegate>::ToString(false));
    if (include_children) {
      QStringList children;
      for (const CefRefPtr<CefView>& child : children_)
        children << ToQString(child->ToString(true));
      text += QStringLiteral(" [%1]").arg(children.join(QStringLiteral(", ")));
    }
    return ToCefString(text);
  }

  // CefPanel:
  CefRefPtr<CefWindow> AsWindow() override { return nullptr; }
  CefRefPtr<CefFillLayout> SetToFillLayout() override {
    CefRefPtr<FillLayoutImpl> layout = new FillLayoutImpl(this);
    UseLayout(layout.get(), layout.get());
    return layout.get();
  }
  CefRefPtr<CefBoxLayout> SetToBoxLayout(
      const CefBoxLayoutSettings& settings) override {
    CefRefPtr<BoxLayoutImpl> layout = new BoxLayoutImpl(this, settings);
    UseLayout(layout.get(), layout.get());
    return layout.get();
  }
  CefRefPtr<CefLayout> GetLayout() override { return layout_; }
  void Layout() override { this->DoLayout(); }
  void AddChildView(CefRefPtr<CefView> view) override {
    AddChildViewAt(view, static_cast<int>(children_.size()));
  }
  void AddChildViewAt(CefRefPtr<CefView> view, int index) override {
    if (!CanAdopt(view) || index < 0 ||
        index > static_cast<int>(children_.size()))
      return;
    children_.insert(children_.begin() + index, view);
    ViewNode::From(view)->SetParentView(this);
    if (QWidget* widget = ViewNode::From(view)->widget()) {
      widget->setParent(this->widget_);
      widget->setVisible(view->IsVisible());
    }
    Restack();
    this->InvalidateLayout();
    NotifyChildChanged(view, true);
    CefRefPtr<CefWindow> window = this->GetWindow();
    if (window && !window->IsClosed())
      ViewNode::From(view)->OnAddedToWindow();
  }
  void ReorderChildView(CefRefPtr<CefView> view, int index) override {
    const int from = IndexOf(view);
    if (from < 0)
      return;
    CefRefPtr<CefView> child = children_[from];
    children_.erase(children_.begin() + from);
    if (index < 0 || index > static_cast<int>(children_.size()))
      index = static_cast<int>(children_.size());
    children_.insert(children_.begin() + index, child);
    Restack();
    this->InvalidateLayout();
  }
  void RemoveChildView(CefRefPtr<CefView> view) override {
    const int index = IndexOf(view);
    if (index < 0)
      return;
    CefRefPtr<CefView> child = children_[index];
    children_.erase(children_.begin() + index);
    Orphan(child);
    arrangement_->OnChildRemoved(child.get());
    this->InvalidateLayout();
    NotifyChildChanged(child, false);
  }
  // First to last, as CEF tells the delegate.
  void RemoveAllChildViews() override {
    while (!children_.empty())
      RemoveChildView(children_.front());
  }
  size_t GetChildViewCount() override { return children_.size(); }
  CefRefPtr<CefView> GetChildViewAt(int index) override {
    if (index < 0 || index >= static_cast<int>(children_.size()))
      return nullptr;
    return children_[index];
  }

 protected:
  // Panels and windows start with a fill layout.
  PanelBase(QWidget* widget, CefRefPtr<Delegate> delegate)
      : ViewBase<Base, Delegate>(widget, delegate) {
    CefRefPtr<FillLayoutImpl> layout = new FillLayoutImpl(this);
    UseLayout(layout.get(), layout.get());
  }
  // Children that the client still holds keep their widgets.
  ~PanelBase() override {
    arrangement_->Detach();
    for (const CefRefPtr<CefView>& child : children_)
      Orphan(child);
  }

  // ViewBase:
  void LayoutContents() override {
    arrangement_->Place(this->GetSize());
    // Hidden children that the layout passed over still catch up.
    for (const CefRefPtr<CefView>& child : children_) {
      if (ViewNode::From(child)->NeedsLayout())
        ViewNode::From(child)->DoLayout();
    }
  }
  CefSize GetContentsPreferredSize() override {
    return arrangement_->GetPreferredSize();
  }
  int GetContentsHeightForWidth(int width) override {
    return arrangement_->GetHeightForWidth(width);
  }

 private:
  // Only a view of qtcef's, without a parent, that is no window and does not
  // hold this panel.
  bool CanAdopt(CefRefPtr<CefView> view) {
    if (!ViewNode::From(view) || view->GetParentView() || !this->IsValid())
      return false;
    CefRefPtr<CefPanel> panel = view->AsPanel();
    if (panel && panel->AsWindow())
      return false;
    for (CefRefPtr<CefView> up = this; up; up = up->GetParentView()) {
      if (up->IsSame(view))
        return false;
    }
    return true;
  }
  int IndexOf(CefRefPtr<CefView> view) const {
    for (size_t i = 0; i < children_.size(); ++i) {
      if (children_[i]->IsSame(view))
        return static_cast<int>(i);
    }
    return -1;
  }
  static void Orphan(CefRefPtr<CefView> child) {
    ViewNode::From(child)->SetParentView(nullptr);
    if (QWidget* widget = ViewNode::From(child)->widget())
      widget->setParent(nullptr);
  }
  void UseLayout(CefRefPtr<CefLayout> layout, LayoutArrangement* arrangement) {
    if (arrangement_)
      arrangement_->Detach();
    layout_ = layout;
    arrangement_ = arrangement;
    this->InvalidateLayout();
  }
  // Later children are drawn over earlier ones, as in views.
  void Restack() {
    for (const CefRefPtr<CefView>& child : children_) {
      if (QWidget* widget = ViewNode::From(child)->widget())
        widget->raise();
    }
  }
  void NotifyChildChanged(CefRefPtr<CefView> child, bool added) {
    if (CefRefPtr<CefViewDelegate> delegate = child->GetDelegate())
      delegate->OnParentViewChanged(child, added, this);
    if (this->delegate_)
      this->delegate_->OnChildViewChanged(this, added, child);
  }

  std::vector<CefRefPtr<CefView>> children_;
  CefRefPtr<CefLayout> layout_;
  LayoutArrangement* arrangement_ = nullptr;
};

}  // namespace qtcef

#endif  // QTCEF_SRC_VIEWS_PANEL_BASE_H_
