#include "qtcef/src/browser/frame_impl.h"

#include "qtcef/src/browser/browser_host_impl.h"
#include "qtcef/src/browser/browser_host_page.h"
#include "qtcef/src/runtime/string_util.h"

namespace qtcef {

FrameImpl::FrameImpl(CefRefPtr<BrowserHostImpl> browser,
                     bool is_main,
                     const QUrl& url)
    : browser_(browser), is_main_(is_main), url_(url) {}

FrameImpl::FrameImpl(CefRefPtr<BrowserHostImpl> browser,
                     const SubFrameError& error)
    : browser_(browser), is_main_(false), url_(error.url), error_(error) {}

void FrameImpl::Trigger(int action) {
  if (is_main_ && browser_->page())
    browser_->page()->triggerAction(
        static_cast<QWebEnginePage::WebAction>(action));
}

bool FrameImpl::IsValid() {
  return browser_->page() != nullptr;
}

void FrameImpl::Undo() {
  Trigger(QWebEnginePage::Undo);
}

void FrameImpl::Redo() {
  Trigger(QWebEnginePage::Redo);
}

void FrameImpl::Cut() {
  Trigger(QWebEnginePage::Cut);
}

void FrameImpl::Copy() {
  Trigger(QWebEnginePage::Copy);
}

void FrameImpl::Paste() {
  Trigger(QWebEnginePage::Paste);
}

void FrameImpl::Delete() {
  if (is_main_)
    browser_->ExecuteScript("document.execCommand('delete');");
}

void FrameImpl::SelectAll() {
  Trigger(QWebEnginePage::SelectAll);
}

void FrameImpl::ViewSource() {
  Trigger(QWebEnginePage::ViewSource);
}

void FrameImpl::LoadRequest(CefRefPtr<CefRequest> request) {
  if (request)
    LoadURL(request->GetURL());
}

void FrameImpl::LoadURL(const CefString& url) {
  if (is_main_)
    browser_->LoadUrl(QUrl(ToQString(url)));
}

void FrameImpl::LoadString(const CefString& string_val, const CefString& url) {
  if (is_main_)
    browser_->LoadHtml(ToQString(string_val), QUrl(ToQString(url)));
  else if (error_)
    browser_->ExecuteIsolatedScript(
        SubFrameContentScript(*error_, ToQString(string_val)));
}

void FrameImpl::ExecuteJavaScript(const CefString& code,
                                  const CefString& script_url,
                                  int) {
  if (!is_main_)
    return;
  QString script = ToQString(code);
  // Names the script in console messages and errors, as CEF does.
  if (!script_url.empty())
    script += "\n//# sourceURL=" + ToQString(script_url);
  browser_->ExecuteScript(script);
}

bool FrameImpl::IsMain() {
  return is_main_;
}

bool FrameImpl::IsFocused() {
  return is_main_;
}

CefString FrameImpl::GetName() {
  return CefString();
}

int64 FrameImpl::GetIdentifier() {
  return is_main_ ? browser_->GetIdentifier() : -1;
}

CefRefPtr<CefFrame> FrameImpl::GetParent() {
  return is_main_ ? nullptr : browser_->GetMainFrame();
}

CefString FrameImpl::GetURL() {
  if (!is_main_)
    return ToCefString(url_);
  return browser_->page() ? ToCefString(browser_->page()->url()) : CefString();
}

CefRefPtr<CefBrowser> FrameImpl::GetBrowser() {
  return browser_.get();
}

}  // namespace qtcef
