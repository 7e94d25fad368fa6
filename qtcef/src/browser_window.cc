#include "qtcef/src/browser_window.h"

#include <QCloseEvent>
#include <QVBoxLayout>

#include "qtcef/src/browser_host_impl.h"

namespace qtcef {

BrowserWindow::BrowserWindow(BrowserHostImpl* browser, QWidget* content)
    : browser_(browser) {
  QVBoxLayout* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(content);
}

void BrowserWindow::closeEvent(QCloseEvent* event) {
  event->setAccepted(browser_->OnWindowCloseRequested());
}

}  // namespace qtcef
