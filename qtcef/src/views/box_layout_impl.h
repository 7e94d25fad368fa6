// CefBoxLayout: the panel's children in one row or column.

#ifndef QTCEF_SRC_VIEWS_BOX_LAYOUT_IMPL_H_
#define QTCEF_SRC_VIEWS_BOX_LAYOUT_IMPL_H_

#include <QBoxLayout>
#include <QPointer>
#include <map>

#include "include/views/cef_box_layout.h"
#include "include/views/cef_fill_layout.h"
#include "qtcef/src/views/layout_arrangement.h"

namespace qtcef {

class BoxLayoutImpl : public CefBoxLayout, public LayoutArrangement {
 public:
  explicit BoxLayoutImpl(const CefBoxLayoutSettings& settings);

  // LayoutArrangement:
  void Apply(QWidget* panel, const std::vector<QWidget*>& children) override;
  void Detach() override { valid_ = false; }

  // CefLayout:
  CefRefPtr<CefBoxLayout> AsBoxLayout() override { return this; }
  CefRefPtr<CefFillLayout> AsFillLayout() override { return nullptr; }
  bool IsValid() override { return valid_; }

  // CefBoxLayout:
  void SetFlexForView(CefRefPtr<CefView> view, int flex) override;
  void ClearFlexForView(CefRefPtr<CefView> view) override;

 private:
  int FlexOf(QWidget* child) const;
  Qt::Alignment CrossAxisAlignment() const;

  const CefBoxLayoutSettings settings_;
  // Qt's stretch factors are CEF's flex.
  std::map<QWidget*, int> flex_;
  QPointer<QBoxLayout> layout_;
  bool valid_ = true;

  IMPLEMENT_REFCOUNTING(BoxLayoutImpl);
};

}  // namespace qtcef

#endif  // QTCEF_SRC_VIEWS_BOX_LAYOUT_IMPL_H_
