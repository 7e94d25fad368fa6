// How a CefLayout places a panel's children in the panel's Qt widget.

#ifndef QTCEF_SRC_VIEWS_LAYOUT_ARRANGEMENT_H_
#define QTCEF_SRC_VIEWS_LAYOUT_ARRANGEMENT_H_

#include <vector>

class QWidget;

namespace qtcef {

class LayoutArrangement {
 public:
  // Gives |panel| a new Qt layout holding |children| in their order.
  virtual void Apply(QWidget* panel, const std::vector<QWidget*>& children) = 0;
  // The panel has taken another layout.
  virtual void Detach() = 0;

 protected:
  virtual ~LayoutArrangement() = default;
};

}  // namespace qtcef

#endif  // QTCEF_SRC_VIEWS_LAYOUT_ARRANGEMENT_H_
