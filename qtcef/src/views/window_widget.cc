#include "qtcef/src/views/window_widget.h"

#include <QCloseEvent>
#include <QResizeEvent>

#include "qtcef/src/views/window_impl.h"

namespace qtcef {

WindowWidget::WindowWidget(WindowImpl* window) : window_(window) {}

void WindowWidget::closeEvent(QCloseEvent* event) {
  event->setAccepted(window_->OnCloseRequested());
}

void WindowWidget::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  window_->DoLayout();
}

}  // namespace qtcef
