// The client's callbacks for a Views window.

#ifndef CEF_INCLUDE_VIEWS_CEF_WINDOW_DELEGATE_H_
#define CEF_INCLUDE_VIEWS_CEF_WINDOW_DELEGATE_H_

#include "include/views/cef_panel_delegate.h"
#include "include/views/cef_window.h"

// The default implementations ignore their arguments.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wunused-parameter"

// Called on the browser process UI thread. This is the complete 3538 set.
class CefWindowDelegate : public CefPanelDelegate {
 public:
  virtual void OnWindowCreated(CefRefPtr<CefWindow> window) {}
  // Release every reference to |window| here.
  virtual void OnWindowDestroyed(CefRefPtr<CefWindow> window) {}

  // The parent of |window|, or NULL for none; a window with a parent gets no
  // taskbar button.
  virtual CefRefPtr<CefWindow> GetParentWindow(CefRefPtr<CefWindow> window,
                                               bool* is_menu,
                                               bool* can_activate_menu) {
    return nullptr;
  }

  virtual bool IsFrameless(CefRefPtr<CefWindow> window) { return false; }
  virtual bool CanResize(CefRefPtr<CefWindow> window) { return true; }
  virtual bool CanMaximize(CefRefPtr<CefWindow> window) { return true; }
  virtual bool CanMinimize(CefRefPtr<CefWindow> window) { return true; }
  // Asked when the window is about to close; false keeps it open.
  virtual bool CanClose(CefRefPtr<CefWindow> window) { return true; }

  // Return true when the accelerator was handled.
  virtual bool OnAccelerator(CefRefPtr<CefWindow> window, int command_id) {
    return false;
  }
  // Return true when the key event was handled.
  virtual bool OnKeyEvent(CefRefPtr<CefWindow> window,
                          const CefKeyEvent& event) {
    return false;
  }
};

#pragma GCC diagnostic pop

#endif  // CEF_INCLUDE_VIEWS_CEF_WINDOW_DELEGATE_H_
