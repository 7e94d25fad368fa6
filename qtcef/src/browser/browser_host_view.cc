#include "qtcef/src/browser/browser_host_view.h"

#include <QContextMenuEvent>

#include "qtcef/src/browser/browser_host_impl.h"
#include "qtcef/src/browser/context_menu.h"

namespace qtcef {

BrowserHostView::BrowserHostView(BrowserHostImpl* browser, QWebEnginePage* page)
    : QWebEngineView(page), browser_(browser) {}

void BrowserHostView::contextMenuEvent(QContextMenuEvent* event) {
  // Only the page's own requests describe what the menu is for.
  if (lastContextMenuRequest())
    ContextMenu::Show(browser_, this, event->pos());
}

}  // namespace qtcef
