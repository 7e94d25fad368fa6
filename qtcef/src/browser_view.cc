#include "qtcef/src/browser_view.h"

#include <QContextMenuEvent>

#include "qtcef/src/browser_host_impl.h"
#include "qtcef/src/context_menu.h"

namespace qtcef {

BrowserView::BrowserView(BrowserHostImpl* browser, QWebEnginePage* page)
    : QWebEngineView(page), browser_(browser) {}

void BrowserView::contextMenuEvent(QContextMenuEvent* event) {
  // Only the page's own requests describe what the menu is for.
  if (lastContextMenuRequest())
    ContextMenu::Show(browser_, this, event->pos());
}

}  // namespace qtcef
