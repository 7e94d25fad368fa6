#include "qtcef/src/views/box_layout_impl.h"

#include <QWidget>

#include "qtcef/src/views/view_node.h"

namespace qtcef {

BoxLayoutImpl::BoxLayoutImpl(const CefBoxLayoutSettings& settings)
    : settings_(settings) {}

void BoxLayoutImpl::Apply(QWidget* panel,
                          const std::vector<QWidget*>& children) {
  delete panel->layout();
  layout_ = new QBoxLayout(
      settings_.horizontal ? QBoxLayout::LeftToRight : QBoxLayout::TopToBottom,
      panel);
  const cef_insets_t& insets = settings_.inside_border_insets;
  if (insets.top || insets.left || insets.bottom || insets.right) {
    layout_->setContentsMargins(insets.left, insets.top, insets.right,
                                insets.bottom);
  } else {
    layout_->setContentsMargins(settings_.inside_border_horizontal_spacing,
                                settings_.inside_border_vertical_spacing,
                                settings_.inside_border_horizontal_spacing,
                                settings_.inside_border_vertical_spacing);
  }
  layout_->setSpacing(settings_.between_child_spacing);
  // Empty stretches take the room that no flexible child takes.
  if (settings_.main_axis_alignment != CEF_MAIN_AXIS_ALIGNMENT_START)
    layout_->addStretch();
  for (QWidget* child : children)
    layout_->addWidget(child, FlexOf(child), CrossAxisAlignment());
  if (settings_.main_axis_alignment != CEF_MAIN_AXIS_ALIGNMENT_END)
    layout_->addStretch();
}

void BoxLayoutImpl::SetFlexForView(CefRefPtr<CefView> view, int flex) {
  ViewNode* node = ViewNode::From(view);
  if (!node || !node->widget())
    return;
  flex_[node->widget()] = flex;
  if (layout_)
    layout_->setStretchFactor(node->widget(), flex);
}

void BoxLayoutImpl::ClearFlexForView(CefRefPtr<CefView> view) {
  ViewNode* node = ViewNode::From(view);
  if (!node || !node->widget())
    return;
  flex_.erase(node->widget());
  if (layout_)
    layout_->setStretchFactor(node->widget(), settings_.default_flex);
}

int BoxLayoutImpl::FlexOf(QWidget* child) const {
  auto it = flex_.find(child);
  return it != flex_.end() ? it->second : settings_.default_flex;
}

Qt::Alignment BoxLayoutImpl::CrossAxisAlignment() const {
  const bool horizontal = settings_.horizontal;
  switch (settings_.cross_axis_alignment) {
    case CEF_CROSS_AXIS_ALIGNMENT_START:
      return horizontal ? Qt::AlignTop : Qt::AlignLeft;
    case CEF_CROSS_AXIS_ALIGNMENT_CENTER:
      return horizontal ? Qt::AlignVCenter : Qt::AlignHCenter;
    case CEF_CROSS_AXIS_ALIGNMENT_END:
      return horizontal ? Qt::AlignBottom : Qt::AlignRight;
    default:
      return Qt::Alignment();
  }
}

}  // namespace qtcef
