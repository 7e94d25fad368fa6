// Views windows, the top-level panels.

#ifndef CEF_INCLUDE_VIEWS_CEF_WINDOW_H_
#define CEF_INCLUDE_VIEWS_CEF_WINDOW_H_

#include "include/cef_menu_model.h"
#include "include/views/cef_panel.h"

class CefImage;
class CefWindowDelegate;

// Browser process UI thread only.
class CefWindow : public CefPanel {
 public:
  static CefRefPtr<CefWindow> CreateTopLevelWindow(
      CefRefPtr<CefWindowDelegate> delegate);

  virtual void Show() = 0;
  virtual void Hide() = 0;
  // Resizes the window to |size| and centres it on its display.
  virtual void CenterWindow(const CefSize& size) = 0;
  virtual void Close() = 0;
  virtual bool IsClosed() = 0;
  virtual void Activate() = 0;
  virtual void Deactivate() = 0;
  virtual bool IsActive() = 0;
  virtual void BringToTop() = 0;
  virtual void SetAlwaysOnTop(bool on_top) = 0;
  virtual bool IsAlwaysOnTop() = 0;
  virtual void Maximize() = 0;
  virtual void Minimize() = 0;
  virtual void Restore() = 0;
  virtual void SetFullscreen(bool fullscreen) = 0;
  virtual bool IsMaximized() = 0;
  virtual bool IsMinimized() = 0;
  virtual bool IsFullscreen() = 0;

  virtual void SetTitle(const CefString& title) = 0;
  virtual CefString GetTitle() = 0;
  // The small icon of the title bar, and the large one of the task switcher.
  virtual void SetWindowIcon(CefRefPtr<CefImage> image) = 0;
  virtual void SetWindowAppIcon(CefRefPtr<CefImage> image) = 0;

  virtual void ShowMenu(CefRefPtr<CefMenuModel> menu_model,
                        const CefPoint& screen_point,
                        cef_menu_anchor_position_t anchor_position) = 0;
  virtual void CancelMenu() = 0;

  virtual CefWindowHandle GetWindowHandle() = 0;

  // |key_code| is a virtual key or character value; while the window has
  // focus, the combination triggers CefWindowDelegate::OnAccelerator.
  virtual void SetAccelerator(int command_id,
                              int key_code,
                              bool shift_pressed,
                              bool ctrl_pressed,
                              bool alt_pressed) = 0;
  virtual void RemoveAccelerator(int command_id) = 0;
  virtual void RemoveAllAccelerators() = 0;
};

// Included last: CefWindowDelegate's default GetParentWindow() result needs
// the complete CefWindow above, whichever of the two headers comes first.
#include "include/views/cef_window_delegate.h"

#endif  // CEF_INCLUDE_VIEWS_CEF_WINDOW_H_
