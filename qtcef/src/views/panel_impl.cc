// CefPanel::CreatePanel: a plain panel, a widget that holds other views.

#include "include/views/cef_panel.h"

#include <QWidget>

#include "qtcef/src/process/engine.h"
#include "qtcef/src/views/panel_base.h"

namespace qtcef {

namespace {

class PanelImpl : public PanelBase<CefPanel, CefPanelDelegate> {
 public:
  explicit PanelImpl(CefRefPtr<CefPanelDelegate> delegate)
      : PanelBase(new QWidget(), delegate) {}

  // CefView:
  CefString GetTypeString() override { return "Panel"; }

 private:
  IMPLEMENT_REFCOUNTING(PanelImpl);
};

}  // namespace

}  // namespace qtcef

CefRefPtr<CefPanel> CefPanel::CreatePanel(
    CefRefPtr<CefPanelDelegate> delegate) {
  if (!qtcef::Engine::Get())
    return nullptr;
  return new qtcef::PanelImpl(delegate);
}
