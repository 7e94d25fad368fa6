#include "platform/message_dialog_linux.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/keysym.h>

#include <algorithm>

namespace platform {

namespace {

constexpr int kMargin = 16;
constexpr int kIconSize = 32;
constexpr int kButtonWidth = 80;
constexpr int kButtonHeight = 26;

const char* IconName(DialogIcon icon) {
  switch (icon) {
    case DialogIcon::kError:
      return "error";
    case DialogIcon::kWarning:
      return "warning";
    case DialogIcon::kInformation:
      return "information";
  }
  return "";
}

class MessageDialog {
 public:
  MessageDialog(Display* display,
                const std::string& title,
                const std::string& text,
                DialogIcon icon)
      : display_(display), text_(text), icon_(icon) {
    const int screen = DefaultScreen(display_);
    font_ = XLoadQueryFont(display_, "fixed");
    const int text_width =
        font_ ? XTextWidth(font_, text_.data(), static_cast<int>(text_.size()))
              : static_cast<int>(text_.size()) * 6;
    line_height_ = font_ ? font_->ascent + font_->descent : 13;

    const int width = std::max(kMargin * 3 + kIconSize + text_width,
                               kButtonWidth + 2 * kMargin);
    const int height = kMargin * 3 + kIconSize + kButtonHeight;
    const int x = (DisplayWidth(display_, screen) - width) / 2;
    const int y = (DisplayHeight(display_, screen) - height) / 2;

    window_ =
        XCreateSimpleWindow(display_, RootWindow(display_, screen), x, y, width,
                            height, 0, Color("black"), Color("#f0f0f0"));
    icon_window_ =
        Child(kMargin, kMargin, kIconSize, kIconSize, IconName(icon_), 0);
    label_window_ = Child(kMargin * 2 + kIconSize, kMargin, text_width + 1,
                          kIconSize, text_, 0);
    button_window_ =
        Child((width - kButtonWidth) / 2, height - kMargin - kButtonHeight,
              kButtonWidth, kButtonHeight, "OK", 1);

    SetTitle(title);
    SetDialogHints(x, y, width, height);
    XSelectInput(display_, window_,
                 ExposureMask | KeyPressMask | StructureNotifyMask);
    XSelectInput(display_, button_window_,
                 ExposureMask | ButtonPressMask | ButtonReleaseMask);
    gc_ = XCreateGC(display_, window_, 0, nullptr);
    if (font_)
      XSetFont(display_, gc_, font_->fid);
  }

  ~MessageDialog() {
    XFreeGC(display_, gc_);
    if (font_)
      XFreeFont(display_, font_);
    XDestroyWindow(display_, window_);
    XFlush(display_);
  }

  void Run() {
    XMapSubwindows(display_, window_);
    XMapRaised(display_, window_);
    bool pressed = false;
    for (;;) {
      XEvent event;
      XNextEvent(display_, &event);
      switch (event.type) {
        case MapNotify:
          XSetInputFocus(display_, window_, RevertToParent, CurrentTime);
          break;
        case Expose:
          if (event.xexpose.count == 0)
            Paint(event.xexpose.window);
          break;
        case ButtonPress:
          pressed = event.xbutton.button == Button1;
          break;
        case ButtonRelease:
          if (pressed && event.xbutton.button == Button1)
            return;
          break;
        case KeyPress: {
          const KeySym key = XLookupKeysym(&event.xkey, 0);
          if (key == XK_Return || key == XK_KP_Enter || key == XK_Escape ||
              key == XK_space) {
            return;
          }
          break;
        }
        case ClientMessage:
          if (static_cast<Atom>(event.xclient.data.l[0]) == delete_atom_)
            return;
          break;
        default:
          break;
      }
    }
  }

 private:
  unsigned long Color(const char* name) {
    XColor color;
    XColor exact;
    const Colormap map = DefaultColormap(display_, DefaultScreen(display_));
    if (XAllocNamedColor(display_, map, name, &color, &exact))
      return color.pixel;
    return BlackPixel(display_, DefaultScreen(display_));
  }

  Atom Intern(const char* name) { return XInternAtom(display_, name, False); }

  Window Child(int x,
               int y,
               int width,
               int height,
               const std::string& name,
               int border) {
    const Window child = XCreateSimpleWindow(
        display_, window_, x, y, width, height, border, Color("#707070"),
        Color(border ? "#e1e1e1" : "#f0f0f0"));
    XStoreName(display_, child, name.c_str());
    XSelectInput(display_, child, ExposureMask);
    return child;
  }

  void SetTitle(const std::string& title) {
    XStoreName(display_, window_, title.c_str());
    XChangeProperty(display_, window_, Intern("_NET_WM_NAME"),
                    Intern("UTF8_STRING"), 8, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(title.data()),
                    static_cast<int>(title.size()));
  }

  void SetDialogHints(int x, int y, int width, int height) {
    Atom type = Intern("_NET_WM_WINDOW_TYPE_DIALOG");
    XChangeProperty(display_, window_, Intern("_NET_WM_WINDOW_TYPE"), XA_ATOM,
                    32, PropModeReplace,
                    reinterpret_cast<unsigned char*>(&type), 1);
    Atom states[] = {Intern("_NET_WM_STATE_MODAL"),
                     Intern("_NET_WM_STATE_ABOVE")};
    XChangeProperty(display_, window_, Intern("_NET_WM_STATE"), XA_ATOM, 32,
                    PropModeReplace, reinterpret_cast<unsigned char*>(states),
                    2);
    delete_atom_ = Intern("WM_DELETE_WINDOW");
    XSetWMProtocols(display_, window_, &delete_atom_, 1);

    XSizeHints* size = XAllocSizeHints();
    size->flags = PPosition | PMinSize | PMaxSize;
    size->x = x;
    size->y = y;
    size->min_width = size->max_width = width;
    size->min_height = size->max_height = height;
    XSetWMNormalHints(display_, window_, size);
    XFree(size);
  }

  void Paint(Window window) {
    if (window == icon_window_) {
      PaintIcon();
    } else if (window == label_window_) {
      XSetForeground(display_, gc_, Color("black"));
      const int baseline =
          (kIconSize + line_height_) / 2 - (font_ ? font_->descent : 2);
      XDrawString(display_, label_window_, gc_, 0, baseline, text_.data(),
                  static_cast<int>(text_.size()));
    } else if (window == button_window_) {
      XSetForeground(display_, gc_, Color("black"));
      const int label_width = font_ ? XTextWidth(font_, "OK", 2) : 12;
      XDrawString(display_, button_window_, gc_,
                  (kButtonWidth - label_width) / 2,
                  (kButtonHeight + line_height_) / 2 - 2, "OK", 2);
    }
  }

  void PaintIcon() {
    const Window w = icon_window_;
    XSetLineAttributes(display_, gc_, 3, LineSolid, CapRound, JoinRound);
    if (icon_ == DialogIcon::kWarning) {
      XPoint triangle[] = {{16, 1}, {31, 30}, {1, 30}};
      XSetForeground(display_, gc_, Color("#f5c400"));
      XFillPolygon(display_, w, gc_, triangle, 3, Convex, CoordModeOrigin);
      XSetForeground(display_, gc_, Color("black"));
      XDrawLine(display_, w, gc_, 16, 10, 16, 20);
      XDrawPoint(display_, w, gc_, 16, 26);
    } else {
      const bool error = icon_ == DialogIcon::kError;
      XSetForeground(display_, gc_, Color(error ? "#d32f2f" : "#1e6fd9"));
      XFillArc(display_, w, gc_, 0, 0, kIconSize - 1, kIconSize - 1, 0,
               360 * 64);
      XSetForeground(display_, gc_, Color("white"));
      if (error) {
        XDrawLine(display_, w, gc_, 10, 10, 21, 21);
        XDrawLine(display_, w, gc_, 21, 10, 10, 21);
      } else {
        XDrawPoint(display_, w, gc_, 16, 8);
        XDrawLine(display_, w, gc_, 16, 14, 16, 24);
      }
    }
    XSetLineAttributes(display_, gc_, 1, LineSolid, CapButt, JoinMiter);
  }

  Display* display_;
  std::string text_;
  DialogIcon icon_;
  XFontStruct* font_ = nullptr;
  int line_height_ = 13;
  Window window_ = 0;
  Window icon_window_ = 0;
  Window label_window_ = 0;
  Window button_window_ = 0;
  GC gc_ = nullptr;
  Atom delete_atom_ = 0;
};

}  // namespace

bool ShowMessageDialog(const std::string& title,
                       const std::string& text,
                       DialogIcon icon) {
  Display* display = XOpenDisplay(nullptr);
  if (!display)
    return false;
  {
    MessageDialog dialog(display, title, text, icon);
    dialog.Run();
  }
  XCloseDisplay(display);
  return true;
}

}  // namespace platform
