#include "qtcef/src/views/browser_view_impl.h"

#include <QVBoxLayout>
#include <QWebEngineHistory>
#include <QWebEngineView>

#include "qtcef/src/browser/browser_host_impl.h"
#include "qtcef/src/process/engine.h"
#include "qtcef/src/process/post_task.h"

namespace qtcef {

BrowserViewImpl::BrowserViewImpl(CefRefPtr<CefClient> client,
                                 const QUrl& url,
                                 const CefBrowserSettings& settings,
                                 CefRefPtr<CefRequestContext> context,
                                 CefRefPtr<CefBrowserViewDelegate> delegate)
    : ViewBase(new QWidget(), delegate),
      client_(client),
      url_(url),
      settings_(settings),
      context_(context) {}

void BrowserViewImpl::Embed(QWebEngineView* content) {
  QVBoxLayout* layout = new QVBoxLayout(widget_);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(content);
  // Asking the history starts the page, which gives the view its OpenGL
  // render widget now. The window is then made for OpenGL from the start,
  // rather than made again, as another X11 window, once that widget joins.
  content->history()->canGoBack();
}

void BrowserViewImpl::CloseHostWindow() {
  CefRefPtr<CefWindow> window = GetWindow();
  CefRefPtr<BrowserHostImpl> browser = browser_;
  // Posted, so that the window's close, which asks CanClose, runs outside
  // the page's signal.
  PostTask([window, browser] {
    if (window)
      window->Close();
    else if (browser)
      browser->Destroy(true);
  });
}

void BrowserViewImpl::OnBrowserDestroyed(bool notify) {
  CefRefPtr<BrowserHostImpl> browser = browser_;
  browser_ = nullptr;
  if (notify && browser && delegate_)
    delegate_->OnBrowserDestroyed(this, browser.get());
}

CefWindowHandle BrowserViewImpl::WindowHandle() {
  CefRefPtr<CefWindow> window = GetWindow();
  return window ? window->GetWindowHandle() : kNullWindowHandle;
}

void BrowserViewImpl::OnAddedToWindow() {
  if (browser_requested_ || !IsValid())
    return;
  browser_requested_ = true;
  CefRefPtr<BrowserHostImpl> browser = BrowserHostImpl::Create(
      QRect(), client_, settings_, context_, nullptr, this);
  if (!browser)
    return;
  browser_ = browser;
  // CEF's order: the view's delegate, the life span handler, then the load.
  if (delegate_)
    delegate_->OnBrowserCreated(this, browser.get());
  browser->NotifyCreated();
  if (!url_.isEmpty())
    browser->LoadUrl(url_);
}

void BrowserViewImpl::Invalidate(bool notify) {
  if (CefRefPtr<BrowserHostImpl> browser = browser_)
    browser->Destroy(notify);
  ViewBase::Invalidate(notify);
}

void BrowserViewImpl::RequestFocus() {
  if (browser_)
    browser_->SetFocus(true);
  else
    ViewBase::RequestFocus();
}

CefRefPtr<CefBrowser> BrowserViewImpl::GetBrowser() {
  return browser_.get();
}

}  // namespace qtcef

CefRefPtr<CefBrowserView> CefBrowserView::CreateBrowserView(
    CefRefPtr<CefClient> client,
    const CefString& url,
    const CefBrowserSettings& settings,
    CefRefPtr<CefRequestContext> request_context,
    CefRefPtr<CefBrowserViewDelegate> delegate) {
  if (!qtcef::Engine::Get())
    return nullptr;
  return new qtcef::BrowserViewImpl(client, QUrl(qtcef::ToQString(url)),
                                    settings, request_context, delegate);
}

CefRefPtr<CefBrowserView> CefBrowserView::GetForBrowser(
    CefRefPtr<CefBrowser> browser) {
  if (!browser)
    return nullptr;
  return static_cast<qtcef::BrowserHostImpl*>(browser.get())
      ->browser_view()
      .get();
}
