#include "qtcef/src/views/window_impl.h"

#include <QKeySequence>
#include <QScreen>
#include <QTimer>

#include "qtcef/src/process/engine.h"
#include "qtcef/src/process/post_task.h"
#include "qtcef/src/views/window_widget.h"

namespace qtcef {

namespace {

// The size of a window whose delegate prefers none.
const int kDefaultWidth = 800;
const int kDefaultHeight = 600;

// A CEF accelerator's keys: a Windows virtual key code, or a character,
// with modifiers. Qt's codes for digits and capital letters are theirs too.
QKeySequence ToKeySequence(int key_code, bool shift, bool ctrl, bool alt) {
  struct KeyPair {
    int windows;
    Qt::Key qt;
  };
  const KeyPair kKeys[] = {{0x08, Qt::Key_Backspace}, {0x09, Qt::Key_Tab},
                           {0x0D, Qt::Key_Return},    {0x1B, Qt::Key_Escape},
                           {0x21, Qt::Key_PageUp},    {0x22, Qt::Key_PageDown},
                           {0x23, Qt::Key_End},       {0x24, Qt::Key_Home},
                           {0x25, Qt::Key_Left},      {0x26, Qt::Key_Up},
                           {0x27, Qt::Key_Right},     {0x28, Qt::Key_Down},
                           {0x2D, Qt::Key_Insert},    {0x2E, Qt::Key_Delete}};
  const int kF1 = 0x70;
  const int kF24 = 0x87;
  int key = key_code;
  if (key_code >= 'a' && key_code <= 'z')
    key = key_code - 'a' + 'A';
  if (key_code >= kF1 && key_code <= kF24)
    key = Qt::Key_F1 + (key_code - kF1);
  for (const KeyPair& pair : kKeys) {
    if (pair.windows == key_code)
      key = pair.qt;
  }
  Qt::KeyboardModifiers modifiers;
  modifiers.setFlag(Qt::ShiftModifier, shift);
  modifiers.setFlag(Qt::ControlModifier, ctrl);
  modifiers.setFlag(Qt::AltModifier, alt);
  return QKeySequence(QKeyCombination(modifiers, static_cast<Qt::Key>(key)));
}

}  // namespace

WindowImpl::WindowImpl(CefRefPtr<CefWindowDelegate> delegate)
    : PanelBase(new WindowWidget(this), delegate) {}

void WindowImpl::Init() {
  if (!delegate_)
    return;
  resizable_ = delegate_->CanResize(this);
  const bool can_maximize = delegate_->CanMaximize(this);
  const bool can_minimize = delegate_->CanMinimize(this);
  Qt::WindowFlags flags = Qt::Window;
  if (delegate_->IsFrameless(this)) {
    flags |= Qt::FramelessWindowHint;
  } else if (!can_maximize || !can_minimize) {
    flags |= Qt::CustomizeWindowHint | Qt::WindowTitleHint |
             Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    if (can_maximize)
      flags |= Qt::WindowMaximizeButtonHint;
    if (can_minimize)
      flags |= Qt::WindowMinimizeButtonHint;
  }
  widget_->setWindowFlags(flags);
  const CefSize minimum = delegate_->GetMinimumSize(this);
  if (!minimum.IsEmpty())
    widget_->setMinimumSize(minimum.width, minimum.height);
  const CefSize maximum = delegate_->GetMaximumSize(this);
  if (!maximum.IsEmpty())
    widget_->setMaximumSize(maximum.width, maximum.height);
}

bool WindowImpl::OnCloseRequested() {
  if (closed_)
    return true;
  CefRefPtr<WindowImpl> self(this);
  if (delegate_ && !delegate_->CanClose(this))
    return false;
  closed_ = true;
  // Not inside the widget's own close event, which Qt is still handling.
  PostTask([self] { self->Destroy(true); });
  return true;
}

void WindowImpl::Destroy(bool notify) {
  if (!widget_)
    return;
  CefRefPtr<WindowImpl> self(this);
  CefRefPtr<CefWindowDelegate> delegate = delegate_;
  closed_ = true;
  Invalidate(notify);
  delete widget_.data();
  if (Engine* engine = Engine::Get())
    engine->RemoveWindow(this);
  if (delegate && notify)
    delegate->OnWindowDestroyed(this);
}

// The window's size is the player's or the client's: the window never sizes
// itself to its preferred size here, as other views do.
void WindowImpl::DoLayout() {
  needs_layout_ = false;
  LayoutContents();
}

// Views lay a window out on its next frame, after the rest of the client's
// changes of this turn.
void WindowImpl::InvalidateLayout() {
  PanelBase::InvalidateLayout();
  if (layout_posted_ || !widget_)
    return;
  layout_posted_ = true;
  QTimer::singleShot(0, widget_, [this] {
    layout_posted_ = false;
    if (NeedsLayout())
      DoLayout();
  });
}

void WindowImpl::SetVisible(bool visible) {
  if (visible)
    Show();
  else
    Hide();
}

void WindowImpl::Show() {
  if (closed_ || !widget_)
    return;
  // A window that nobody has sized takes its preferred size.
  if (!widget_->testAttribute(Qt::WA_Resized)) {
    CefSize size = GetPreferredSize();
    if (size.IsEmpty())
      size.Set(kDefaultWidth, kDefaultHeight);
    SetSize(size);
  }
  if (!resizable_)
    widget_->setFixedSize(widget_->size());
  widget_->show();
}

void WindowImpl::Hide() {
  if (widget_)
    widget_->hide();
}

void WindowImpl::CenterWindow(const CefSize& size) {
  if (!widget_)
    return;
  QRect bounds(0, 0, size.width, size.height);
  bounds.moveCenter(widget_->screen()->availableGeometry().center());
  SetBounds(CefRect(bounds.x(), bounds.y(), bounds.width(), bounds.height()));
}

void WindowImpl::Close() {
  if (!closed_ && widget_)
    widget_->close();
}

void WindowImpl::Activate() {
  if (!widget_)
    return;
  widget_->raise();
  widget_->activateWindow();
}

void WindowImpl::BringToTop() {
  if (widget_)
    widget_->raise();
}

void WindowImpl::SetAlwaysOnTop(bool on_top) {
  if (!widget_)
    return;
  // Qt hides a window whose flags change.
  const bool shown = widget_->isVisible();
  widget_->setWindowFlag(Qt::WindowStaysOnTopHint, on_top);
  if (shown)
    widget_->show();
}

bool WindowImpl::IsAlwaysOnTop() {
  return widget_ && widget_->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
}

void WindowImpl::Maximize() {
  if (widget_ && !closed_)
    widget_->showMaximized();
}

void WindowImpl::Minimize() {
  if (widget_ && !closed_)
    widget_->showMinimized();
}

void WindowImpl::Restore() {
  if (widget_ && !closed_)
    widget_->showNormal();
}

void WindowImpl::SetFullscreen(bool fullscreen) {
  if (!widget_ || closed_ || fullscreen == widget_->isFullScreen())
    return;
  if (fullscreen) {
    windowed_geometry_ = widget_->geometry();
    // A window manager fills the screen for the fullscreen state; without
    // one, only the window's own geometry does. Set after the state, the
    // geometry would end it.
    if (QScreen* screen = widget_->screen())
      widget_->setGeometry(screen->geometry());
    widget_->showFullScreen();
  } else {
    widget_->showNormal();
    widget_->setGeometry(windowed_geometry_);
  }
}

void WindowImpl::SetTitle(const CefString& title) {
  if (widget_)
    widget_->setWindowTitle(ToQString(title));
}

CefString WindowImpl::GetTitle() {
  return widget_ ? ToCefString(widget_->windowTitle()) : CefString();
}

CefWindowHandle WindowImpl::GetWindowHandle() {
  return widget_ ? static_cast<CefWindowHandle>(widget_->winId())
                 : kNullWindowHandle;
}

void WindowImpl::SetAccelerator(int command_id,
                                int key_code,
                                bool shift_pressed,
                                bool ctrl_pressed,
                                bool alt_pressed) {
  RemoveAccelerator(command_id);
  if (!widget_)
    return;
  accelerators_[command_id] = new QShortcut(
      ToKeySequence(key_code, shift_pressed, ctrl_pressed, alt_pressed),
      widget_, [this, command_id] {
        CefRefPtr<WindowImpl> self(this);
        if (delegate_)
          delegate_->OnAccelerator(this, command_id);
      });
}

void WindowImpl::RemoveAccelerator(int command_id) {
  auto it = accelerators_.find(command_id);
  if (it == accelerators_.end())
    return;
  delete it->second.data();
  accelerators_.erase(it);
}

void WindowImpl::RemoveAllAccelerators() {
  while (!accelerators_.empty())
    RemoveAccelerator(accelerators_.begin()->first);
}

}  // namespace qtcef

CefRefPtr<CefWindow> CefWindow::CreateTopLevelWindow(
    CefRefPtr<CefWindowDelegate> delegate) {
  qtcef::Engine* engine = qtcef::Engine::Get();
  if (!engine)
    return nullptr;
  CefRefPtr<qtcef::WindowImpl> window = new qtcef::WindowImpl(delegate);
  window->Init();
  engine->AddWindow(window);
  if (delegate)
    delegate->OnWindowCreated(window.get());
  return window.get();
}
