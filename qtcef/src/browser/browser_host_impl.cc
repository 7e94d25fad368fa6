#include "qtcef/src/browser/browser_host_impl.h"

#include <QShortcut>
#include <QWebEngineFullScreenRequest>
#include <QWebEngineHistory>
#include <QWebEngineNewWindowRequest>
#include <QWebEngineProfile>
#include <cmath>

#include "qtcef/src/browser/browser_host_page.h"
#include "qtcef/src/browser/browser_host_view.h"
#include "qtcef/src/browser/browser_host_window.h"
#include "qtcef/src/browser/browser_settings.h"
#include "qtcef/src/browser/frame_impl.h"
#include "qtcef/src/network/profile.h"
#include "qtcef/src/network/request_context_impl.h"
#include "qtcef/src/process/engine.h"
#include "qtcef/src/process/post_task.h"
#include "qtcef/src/runtime/string_util.h"
#include "qtcef/src/views/browser_view_impl.h"

namespace qtcef {

namespace {

// The size of a window whose CefWindowInfo gives none.
const int kDefaultWidth = 800;
const int kDefaultHeight = 600;

// Chromium's zoom levels are steps of 20%.
const double kZoomStep = 1.2;

cef_window_open_disposition_t ToDisposition(
    QWebEngineNewWindowRequest::DestinationType destination) {
  switch (destination) {
    case QWebEngineNewWindowRequest::InNewTab:
      return WOD_NEW_FOREGROUND_TAB;
    case QWebEngineNewWindowRequest::InNewBackgroundTab:
      return WOD_NEW_BACKGROUND_TAB;
    case QWebEngineNewWindowRequest::InNewDialog:
      return WOD_NEW_POPUP;
    default:
      return WOD_NEW_WINDOW;
  }
}

QRect Bounds(const CefWindowInfo& window_info) {
  return QRect(static_cast<int>(window_info.x), static_cast<int>(window_info.y),
               static_cast<int>(window_info.width),
               static_cast<int>(window_info.height));
}

}  // namespace

CefRefPtr<BrowserHostImpl> BrowserHostImpl::Create(
    const QRect& bounds,
    CefRefPtr<CefClient> client,
    const CefBrowserSettings& settings,
    CefRefPtr<CefRequestContext> context,
    CefRefPtr<BrowserHostImpl> opener,
    CefRefPtr<BrowserViewImpl> browser_view) {
  Engine* engine = Engine::Get();
  if (!engine)
    return nullptr;
  CefRefPtr<RequestContextImpl> context_impl =
      context ? CefRefPtr<RequestContextImpl>(
                    static_cast<RequestContextImpl*>(context.get()))
              : engine->global_context();
  QWebEngineProfile* qt_profile = context_impl->profile()->qt_profile();
  if (!qt_profile)
    return nullptr;

  CefRefPtr<BrowserHostImpl> browser =
      new BrowserHostImpl(client, settings, context_impl, opener);
  browser->page_ = new BrowserHostPage(qt_profile, browser.get());
  ApplyBrowserSettings(settings, browser->page_->settings());
  if (CefColorGetA(settings.background_color))
    browser->page_->setBackgroundColor(
        QColor::fromRgba(settings.background_color));
  browser->view_ = new BrowserHostView(browser.get(), browser->page_);
  if (browser_view) {
    browser->browser_view_ = browser_view;
    browser_view->Embed(browser->view_);
  } else {
    browser->window_ = new BrowserHostWindow(browser.get(), browser->view_);
    QRect geometry = bounds;
    if (geometry.width() <= 0 || geometry.height() <= 0)
      geometry.setSize(QSize(kDefaultWidth, kDefaultHeight));
    browser->window_->setGeometry(geometry);
    // Asking the history starts the page, so that its OpenGL render widget
    // exists before the window is shown: the X11 window is then made once,
    // and the handle the client is given stays the window's.
    browser->view_->history()->canGoBack();
    browser->window_->show();
  }
  engine->AddBrowser(browser);
  return browser;
}

BrowserHostImpl::BrowserHostImpl(CefRefPtr<CefClient> client,
                                 const CefBrowserSettings& settings,
                                 CefRefPtr<RequestContextImpl> context,
                                 CefRefPtr<BrowserHostImpl> opener)
    : id_(Engine::Get()->NextBrowserId()),
      client_(client),
      settings_(settings),
      context_(context),
      is_popup_(opener != nullptr),
      opener_window_(opener ? opener->GetWindowHandle() : kNullWindowHandle),
      page_(nullptr),
      view_(nullptr),
      window_(nullptr),
      close_state_(CloseState::kNone),
      client_closes_window_(false) {}

BrowserHostImpl::~BrowserHostImpl() = default;

void BrowserHostImpl::NotifyCreated() {
  if (CefRefPtr<CefLifeSpanHandler> handler = LifeSpanHandler())
    handler->OnAfterCreated(this);
  Engine::Get()->QueryBrowserProcessHandler();
}

CefRefPtr<BrowserViewImpl> BrowserHostImpl::browser_view() const {
  return browser_view_;
}

void BrowserHostImpl::LoadUrl(const QUrl& url) {
  if (page_)
    page_->load(url);
}

void BrowserHostImpl::LoadHtml(const QString& html, const QUrl& url) {
  if (!page_)
    return;
  page_->ExpectString(url);
  page_->setHtml(html, url);
}

void BrowserHostImpl::ExecuteScript(const QString& code) {
  if (page_)
    page_->runJavaScript(code);
}

void BrowserHostImpl::ExecuteIsolatedScript(const QString& code) {
  if (page_)
    page_->runJavaScript(code, QWebEngineScript::ApplicationWorld);
}

CefRefPtr<CefDisplayHandler> BrowserHostImpl::DisplayHandler() {
  return client_ ? client_->GetDisplayHandler() : nullptr;
}

CefRefPtr<CefLifeSpanHandler> BrowserHostImpl::LifeSpanHandler() {
  return client_ ? client_->GetLifeSpanHandler() : nullptr;
}

CefRefPtr<CefLoadHandler> BrowserHostImpl::LoadHandler() {
  return client_ ? client_->GetLoadHandler() : nullptr;
}

CefRefPtr<CefRequestHandler> BrowserHostImpl::RequestHandler() {
  return client_ ? client_->GetRequestHandler() : nullptr;
}

CefRefPtr<CefContextMenuHandler> BrowserHostImpl::ContextMenuHandler() {
  return client_ ? client_->GetContextMenuHandler() : nullptr;
}

CefRefPtr<CefFrame> BrowserHostImpl::Frame(bool is_main, const QUrl& url) {
  return new FrameImpl(this, is_main, url);
}

void BrowserHostImpl::OnPageCloseRequested() {
  ProceedClose();
}

bool BrowserHostImpl::OnWindowCloseRequested() {
  CefRefPtr<BrowserHostImpl> self(this);
  switch (close_state_) {
    case CloseState::kNone:
      // Outside the close event, as CEF runs the close sequence.
      PostTask([self] { self->CloseBrowser(false); });
      return false;
    case CloseState::kPending:
      if (!client_closes_window_)
        return false;
      close_state_ = CloseState::kAccepted;
      [[fallthrough]];
    case CloseState::kAccepted:
      PostTask([self] { self->Destroy(true); });
      return true;
    default:
      return true;
  }
}

void BrowserHostImpl::ProceedClose() {
  if (close_state_ == CloseState::kAccepted ||
      close_state_ == CloseState::kClosed)
    return;
  close_state_ = CloseState::kPending;
  CefRefPtr<CefLifeSpanHandler> handler = LifeSpanHandler();
  if (handler && handler->DoClose(this)) {
    client_closes_window_ = true;
    return;
  }
  close_state_ = CloseState::kAccepted;
  if (browser_view_)
    browser_view_->CloseHostWindow();
  else
    window_->close();
}

void BrowserHostImpl::OnNewWindowRequested(
    QWebEngineNewWindowRequest& request) {
  CefRefPtr<CefClient> client = client_;
  CefBrowserSettings settings = settings_;
  CefWindowInfo window_info;
  CefPopupFeatures features;
  features.menuBarVisible = features.statusBarVisible = 1;
  features.toolBarVisible = features.scrollbarsVisible = 1;
  const QRect requested = request.requestedGeometry();
  if (!requested.isEmpty()) {
    features.x = requested.x();
    features.y = requested.y();
    features.width = requested.width();
    features.height = requested.height();
    features.xSet = features.ySet = features.widthSet = features.heightSet = 1;
    window_info.x = static_cast<unsigned int>(requested.x());
    window_info.y = static_cast<unsigned int>(requested.y());
    window_info.width = static_cast<unsigned int>(requested.width());
    window_info.height = static_cast<unsigned int>(requested.height());
  }
  bool no_javascript_access = false;
  CefRefPtr<CefLifeSpanHandler> handler = LifeSpanHandler();
  if (handler && handler->OnBeforePopup(
                     this, GetMainFrame(), ToCefString(request.requestedUrl()),
                     CefString(), ToDisposition(request.destination()),
                     request.isUserInitiated(), features, window_info, client,
                     settings, &no_javascript_access))
    return;
  CefRefPtr<BrowserHostImpl> popup = Create(
      Bounds(window_info), client, settings, context_.get(), this, nullptr);
  if (!popup)
    return;
  request.openIn(popup->page_);
  popup->NotifyCreated();
}

void BrowserHostImpl::OnFullScreenRequested(
    QWebEngineFullScreenRequest& request) {
  request.accept();
  const bool fullscreen = request.toggleOn();
  delete leave_fullscreen_;
  leave_fullscreen_ = nullptr;
  if (fullscreen && view_) {
    leave_fullscreen_ = new QShortcut(Qt::Key_Escape, view_);
    leave_fullscreen_->setContext(Qt::WindowShortcut);
    QObject::connect(leave_fullscreen_, &QShortcut::activated, view_, [this] {
      if (page_)
        page_->triggerAction(QWebEnginePage::ExitFullScreen);
    });
  }
  if (CefRefPtr<CefDisplayHandler> handler = DisplayHandler())
    handler->OnFullscreenModeChange(this, fullscreen);
}

void BrowserHostImpl::Destroy(bool notify) {
  if (!view_)
    return;
  CefRefPtr<BrowserHostImpl> self(this);
  close_state_ = CloseState::kClosed;
  if (devtools_ && notify)
    devtools_->CloseBrowser(true);
  devtools_ = nullptr;
  // The shortcut belongs to the view.
  leave_fullscreen_ = nullptr;
  delete view_;
  view_ = nullptr;
  delete window_;
  window_ = nullptr;
  delete page_;
  page_ = nullptr;
  if (browser_view_) {
    browser_view_->OnBrowserDestroyed(notify);
    browser_view_ = nullptr;
  }
  if (CefRefPtr<CefLifeSpanHandler> handler = LifeSpanHandler();
      handler && notify)
    handler->OnBeforeClose(this);
  client_ = nullptr;
  Engine::Get()->RemoveBrowser(this);
}

CefRefPtr<CefBrowserHost> BrowserHostImpl::GetHost() {
  return this;
}

bool BrowserHostImpl::CanGoBack() {
  return page_ && page_->history()->canGoBack();
}

void BrowserHostImpl::GoBack() {
  if (page_)
    page_->triggerAction(QWebEnginePage::Back);
}

bool BrowserHostImpl::CanGoForward() {
  return page_ && page_->history()->canGoForward();
}

void BrowserHostImpl::GoForward() {
  if (page_)
    page_->triggerAction(QWebEnginePage::Forward);
}

bool BrowserHostImpl::IsLoading() {
  return page_ && page_->isLoading();
}

void BrowserHostImpl::Reload() {
  if (page_)
    page_->triggerAction(QWebEnginePage::Reload);
}

void BrowserHostImpl::ReloadIgnoreCache() {
  if (page_)
    page_->triggerAction(QWebEnginePage::ReloadAndBypassCache);
}

void BrowserHostImpl::StopLoad() {
  if (page_)
    page_->triggerAction(QWebEnginePage::Stop);
}

int BrowserHostImpl::GetIdentifier() {
  return id_;
}

bool BrowserHostImpl::IsSame(CefRefPtr<CefBrowser> that) {
  return that.get() == static_cast<CefBrowser*>(this);
}

bool BrowserHostImpl::IsPopup() {
  return is_popup_;
}

bool BrowserHostImpl::HasDocument() {
  return page_ && !page_->url().isEmpty();
}

CefRefPtr<CefFrame> BrowserHostImpl::GetMainFrame() {
  return Frame(true, QUrl());
}

CefRefPtr<CefFrame> BrowserHostImpl::GetFocusedFrame() {
  return GetMainFrame();
}

CefRefPtr<CefFrame> BrowserHostImpl::GetFrame(int64 identifier) {
  return identifier == id_ ? GetMainFrame() : nullptr;
}

CefRefPtr<CefFrame> BrowserHostImpl::GetFrame(const CefString& name) {
  return name.empty() ? GetMainFrame() : nullptr;
}

size_t BrowserHostImpl::GetFrameCount() {
  return 1;
}

void BrowserHostImpl::GetFrameIdentifiers(std::vector<int64>& identifiers) {
  identifiers.assign(1, id_);
}

void BrowserHostImpl::GetFrameNames(std::vector<CefString>& names) {
  names.assign(1, CefString());
}

bool BrowserHostImpl::SendProcessMessage(CefProcessId,
                                         CefRefPtr<CefProcessMessage>) {
  return false;
}

CefRefPtr<CefBrowser> BrowserHostImpl::GetBrowser() {
  return this;
}

void BrowserHostImpl::CloseBrowser(bool force_close) {
  if (close_state_ == CloseState::kAccepted ||
      close_state_ == CloseState::kClosed)
    return;
  if (force_close) {
    ProceedClose();
    return;
  }
  if (close_state_ == CloseState::kPending)
    return;
  close_state_ = CloseState::kPending;
  // Runs the page's unload handlers; Qt signals windowCloseRequested once
  // they let the page close.
  page_->triggerAction(QWebEnginePage::RequestClose);
}

bool BrowserHostImpl::TryCloseBrowser() {
  if (close_state_ == CloseState::kNone) {
    CloseBrowser(false);
    return false;
  }
  return close_state_ == CloseState::kAccepted ||
         close_state_ == CloseState::kClosed;
}

void BrowserHostImpl::SetFocus(bool focus) {
  if (!view_)
    return;
  if (focus)
    view_->setFocus();
  else
    view_->clearFocus();
}

CefWindowHandle BrowserHostImpl::GetWindowHandle() {
  if (browser_view_)
    return browser_view_->WindowHandle();
  return window_ ? static_cast<CefWindowHandle>(window_->winId())
                 : kNullWindowHandle;
}

CefWindowHandle BrowserHostImpl::GetOpenerWindowHandle() {
  return opener_window_;
}

bool BrowserHostImpl::HasView() {
  return browser_view_.get() != nullptr;
}

CefRefPtr<CefClient> BrowserHostImpl::GetClient() {
  return client_;
}

CefRefPtr<CefRequestContext> BrowserHostImpl::GetRequestContext() {
  return context_.get();
}

double BrowserHostImpl::GetZoomLevel() {
  return page_ ? std::log(page_->zoomFactor()) / std::log(kZoomStep) : 0.0;
}

void BrowserHostImpl::SetZoomLevel(double zoomLevel) {
  if (page_)
    page_->setZoomFactor(std::pow(kZoomStep, zoomLevel));
}

void BrowserHostImpl::ShowDevTools(const CefWindowInfo& windowInfo,
                                   CefRefPtr<CefClient> client,
                                   const CefBrowserSettings& settings,
                                   const CefPoint&) {
  if (!page_ || HasDevTools())
    return;
  devtools_ = Create(Bounds(windowInfo), client, settings, context_.get(),
                     nullptr, nullptr);
  if (!devtools_)
    return;
  page_->setDevToolsPage(devtools_->page_);
  devtools_->NotifyCreated();
}

void BrowserHostImpl::CloseDevTools() {
  if (devtools_)
    devtools_->CloseBrowser(true);
  devtools_ = nullptr;
}

bool BrowserHostImpl::HasDevTools() {
  return devtools_ && devtools_->page_;
}

}  // namespace qtcef

bool CefBrowserHost::CreateBrowser(
    const CefWindowInfo& windowInfo,
    CefRefPtr<CefClient> client,
    const CefString& url,
    const CefBrowserSettings& settings,
    CefRefPtr<CefRequestContext> request_context) {
  if (!qtcef::Engine::Get())
    return false;
  const QRect bounds = qtcef::Bounds(windowInfo);
  const QUrl target(qtcef::ToQString(url));
  qtcef::PostTask([bounds, client, target, settings, request_context] {
    CefRefPtr<qtcef::BrowserHostImpl> browser = qtcef::BrowserHostImpl::Create(
        bounds, client, settings, request_context, nullptr, nullptr);
    if (!browser)
      return;
    browser->NotifyCreated();
    if (!target.isEmpty())
      browser->LoadUrl(target);
  });
  return true;
}

CefRefPtr<CefBrowser> CefBrowserHost::CreateBrowserSync(
    const CefWindowInfo& windowInfo,
    CefRefPtr<CefClient> client,
    const CefString& url,
    const CefBrowserSettings& settings,
    CefRefPtr<CefRequestContext> request_context) {
  CefRefPtr<qtcef::BrowserHostImpl> browser = qtcef::BrowserHostImpl::Create(
      qtcef::Bounds(windowInfo), client, settings, request_context, nullptr,
      nullptr);
  if (!browser)
    return nullptr;
  browser->NotifyCreated();
  if (!url.empty())
    browser->LoadUrl(QUrl(qtcef::ToQString(url)));
  return browser.get();
}
