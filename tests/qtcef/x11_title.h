// The title that the window manager reads from an X11 window.

#ifndef TESTS_QTCEF_X11_TITLE_H_
#define TESTS_QTCEF_X11_TITLE_H_

#include <string>

// The window's _NET_WM_NAME, empty when it has none.
std::string ReadNetWmName(unsigned long window);

#endif  // TESTS_QTCEF_X11_TITLE_H_
