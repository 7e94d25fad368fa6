// CefWindow: a top-level Qt window whose views fill it by default.

#ifndef QTCEF_SRC_VIEWS_WINDOW_IMPL_H_
#define QTCEF_SRC_VIEWS_WINDOW_IMPL_H_

#include <QPointer>
#include <QRect>
#include <QShortcut>
#include <map>

#include "include/views/cef_window.h"
#include "qtcef/src/views/panel_base.h"

namespace qtcef {

class WindowImpl : public PanelBase<CefWindow, CefWindowDelegate> {
 public:
  explicit WindowImpl(CefRefPtr<CefWindowDelegate> delegate);

  // Gives the window the frame its delegate asks for; called once the
  // window is referenced, as the delegate receives it.
  void Init();
  // Asks the delegate whether the window may close; if so, the window goes
  // from the next turn of the event loop.
  bool OnCloseRequested();
  // Closes the browsers in the window, deletes the window and lets the
  // delegate go; the clients and the delegate hear of it when |notify|.
  void Destroy(bool notify);

  // ViewNode:
  void DoLayout() override;

  // CefView:
  CefString GetTypeString() override { return "Window"; }
  void InvalidateLayout() override;
  void SetVisible(bool visible) override;
  bool IsVisible() override { return widget_ && widget_->isVisible(); }
  bool IsDrawn() override { return IsVisible(); }

  // CefPanel:
  CefRefPtr<CefWindow> AsWindow() override { return this; }

  // CefWindow:
  void Show() override;
  void Hide() override;
  void CenterWindow(const CefSize& size) override;
  void Close() override;
  bool IsClosed() override { return closed_; }
  void Activate() override;
  void Deactivate() override {}
  bool IsActive() override { return widget_ && widget_->isActiveWindow(); }
  void BringToTop() override;
  void SetAlwaysOnTop(bool on_top) override;
  bool IsAlwaysOnTop() override;
  void Maximize() override;
  void Minimize() override;
  void Restore() override;
  void SetFullscreen(bool fullscreen) override;
  bool IsMaximized() override { return widget_ && widget_->isMaximized(); }
  bool IsMinimized() override { return widget_ && widget_->isMinimized(); }
  bool IsFullscreen() override { return widget_ && widget_->isFullScreen(); }
  void SetTitle(const CefString& title) override;
  CefString GetTitle() override;
  void SetWindowIcon(CefRefPtr<CefImage>) override {}
  void SetWindowAppIcon(CefRefPtr<CefImage>) override {}
  void ShowMenu(CefRefPtr<CefMenuModel>,
                const CefPoint&,
                cef_menu_anchor_position_t) override {}
  void CancelMenu() override {}
  CefWindowHandle GetWindowHandle() override;
  void SetAccelerator(int command_id,
                      int key_code,
                      bool shift_pressed,
                      bool ctrl_pressed,
                      bool alt_pressed) override;
  void RemoveAccelerator(int command_id) override;
  void RemoveAllAccelerators() override;

 private:
  // Qt shortcuts of the window, by command ID.
  std::map<int, QPointer<QShortcut>> accelerators_;
  bool resizable_ = true;
  bool closed_ = false;
  bool layout_posted_ = false;
  // Where the window was before it went fullscreen.
  QRect windowed_geometry_;

  IMPLEMENT_REFCOUNTING(WindowImpl);
};

}  // namespace qtcef

#endif  // QTCEF_SRC_VIEWS_WINDOW_IMPL_H_
