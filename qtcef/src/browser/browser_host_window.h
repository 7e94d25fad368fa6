// The top-level window of a browser, whose X11 window is the browser's
// window handle.

#ifndef QTCEF_SRC_BROWSER_BROWSER_HOST_WINDOW_H_
#define QTCEF_SRC_BROWSER_BROWSER_HOST_WINDOW_H_

#include <QWidget>

namespace qtcef {

class BrowserHostImpl;

class BrowserHostWindow : public QWidget {
 public:
  // Takes |content| as its only child, filling the window.
  BrowserHostWindow(BrowserHostImpl* browser, QWidget* content);

 protected:
  // The player's close, like the close that CEF sends once the client
  // agreed, goes through the browser's close sequence.
  void closeEvent(QCloseEvent* event) override;

 private:
  BrowserHostImpl* browser_;
};

}  // namespace qtcef

#endif  // QTCEF_SRC_BROWSER_BROWSER_HOST_WINDOW_H_
