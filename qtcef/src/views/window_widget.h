// The top-level Qt window of a CefWindow.

#ifndef QTCEF_SRC_VIEWS_WINDOW_WIDGET_H_
#define QTCEF_SRC_VIEWS_WINDOW_WIDGET_H_

#include <QWidget>

namespace qtcef {

class WindowImpl;

class WindowWidget : public QWidget {
 public:
  explicit WindowWidget(WindowImpl* window);

 protected:
  // The player's close and CefWindow::Close both ask the window's delegate.
  void closeEvent(QCloseEvent* event) override;
  // The player's resizing too lays the window's views out again.
  void resizeEvent(QResizeEvent* event) override;

 private:
  WindowImpl* window_;
};

}  // namespace qtcef

#endif  // QTCEF_SRC_VIEWS_WINDOW_WIDGET_H_
