#include "qtcef/src/browser/browser_host_window.h"

#include <QCloseEvent>
#include <QVBoxLayout>

#include "qtcef/src/browser/browser_host_impl.h"

namespace qtcef {

BrowserHostWindow::BrowserHostWindow(BrowserHostImpl* browser, QWidget* content)
    : browser_(browser) {
  QVBoxLayout* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(content);
}

void BrowserHostWindow::closeEvent(QCloseEvent* event) {
  event->setAccepted(browser_->OnWindowCloseRequested());
}

}  // namespace qtcef
