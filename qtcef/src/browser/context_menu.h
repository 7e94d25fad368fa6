// One context menu: Qt's standard items in a CefMenuModel that the client
// may change, shown by qtcef or by the client.

#ifndef QTCEF_SRC_BROWSER_CONTEXT_MENU_H_
#define QTCEF_SRC_BROWSER_CONTEXT_MENU_H_

#include <QPoint>

#include "include/cef_context_menu_handler.h"
#include "qtcef/src/browser/browser_host_impl.h"
#include "qtcef/src/browser/menu_model_impl.h"

class QMenu;
class QWebEngineView;

namespace qtcef {

class ContextMenu : public CefRunContextMenuCallback {
 public:
  // For the context menu request that |view| is handling, at |position| in
  // the view.
  static void Show(CefRefPtr<BrowserHostImpl> browser,
                   QWebEngineView* view,
                   const QPoint& position);

  void Continue(int command_id, EventFlags event_flags) override;
  void Cancel() override;

 private:
  ContextMenu(CefRefPtr<BrowserHostImpl> browser, QWebEngineView* view);

  void Run(const QPoint& position);
  // Fills the model with the items of Qt's standard menu.
  void AddStandardItems();
  void AddItems(QMenu* menu, MenuModelImpl* model);
  void Execute(int command_id, EventFlags event_flags);
  void Dismiss();

  CefRefPtr<BrowserHostImpl> browser_;
  CefRefPtr<CefContextMenuHandler> handler_;
  CefRefPtr<CefFrame> frame_;
  CefRefPtr<CefContextMenuParams> params_;
  CefRefPtr<MenuModelImpl> model_;
  QWebEngineView* view_;
  bool done_;

  IMPLEMENT_REFCOUNTING(ContextMenu);
};

}  // namespace qtcef

#endif  // QTCEF_SRC_BROWSER_CONTEXT_MENU_H_
