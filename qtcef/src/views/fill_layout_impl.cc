#include "qtcef/src/views/fill_layout_impl.h"

#include <QStackedLayout>
#include <QWidget>

namespace qtcef {

void FillLayoutImpl::Apply(QWidget* panel,
                           const std::vector<QWidget*>& children) {
  delete panel->layout();
  QStackedLayout* layout = new QStackedLayout(panel);
  // Shows every child, each over the whole panel, the first on top.
  layout->setStackingMode(QStackedLayout::StackAll);
  layout->setContentsMargins(0, 0, 0, 0);
  for (QWidget* child : children)
    layout->addWidget(child);
}

}  // namespace qtcef
