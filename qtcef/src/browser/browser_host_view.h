// The view that shows a browser's page, with CEF's context menu.

#ifndef QTCEF_SRC_BROWSER_BROWSER_HOST_VIEW_H_
#define QTCEF_SRC_BROWSER_BROWSER_HOST_VIEW_H_

#include <QWebEngineView>

namespace qtcef {

class BrowserHostImpl;

class BrowserHostView : public QWebEngineView {
 public:
  BrowserHostView(BrowserHostImpl* browser, QWebEnginePage* page);

 protected:
  void contextMenuEvent(QContextMenuEvent* event) override;

 private:
  BrowserHostImpl* browser_;
};

}  // namespace qtcef

#endif  // QTCEF_SRC_BROWSER_BROWSER_HOST_VIEW_H_
