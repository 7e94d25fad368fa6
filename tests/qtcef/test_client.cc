#include "tests/qtcef/test_client.h"

bool TestClient::HasConsole(const std::string& text) const {
  for (const ConsoleMessage& message : console) {
    if (message.message.find(text) != std::string::npos)
      return true;
  }
  return false;
}

CefRefPtr<CefContextMenuHandler> TestClient::GetContextMenuHandler() {
  return this;
}

CefRefPtr<CefDisplayHandler> TestClient::GetDisplayHandler() {
  return this;
}

CefRefPtr<CefLifeSpanHandler> TestClient::GetLifeSpanHandler() {
  return this;
}

CefRefPtr<CefLoadHandler> TestClient::GetLoadHandler() {
  return this;
}

CefRefPtr<CefRequestHandler> TestClient::GetRequestHandler() {
  return this;
}

void TestClient::OnBeforeContextMenu(CefRefPtr<CefBrowser>,
                                     CefRefPtr<CefFrame>,
                                     CefRefPtr<CefContextMenuParams>,
                                     CefRefPtr<CefMenuModel> model) {
  events.push_back("before-context-menu");
  context_menu_items = model->GetCount();
  if (edit_context_menu)
    edit_context_menu(model);
}

void TestClient::OnTitleChange(CefRefPtr<CefBrowser>, const CefString& title) {
  titles.push_back(title);
}

bool TestClient::OnConsoleMessage(CefRefPtr<CefBrowser>,
                                  cef_log_severity_t level,
                                  const CefString& message,
                                  const CefString& source,
                                  int line) {
  console.push_back({level, message, source, line});
  return true;
}

bool TestClient::OnBeforePopup(CefRefPtr<CefBrowser>,
                               CefRefPtr<CefFrame>,
                               const CefString& target_url,
                               const CefString&,
                               cef_window_open_disposition_t,
                               bool,
                               const CefPopupFeatures&,
                               CefWindowInfo&,
                               CefRefPtr<CefClient>&,
                               CefBrowserSettings&,
                               bool*) {
  events.push_back("before-popup " + target_url.ToString());
  return false;
}

void TestClient::OnAfterCreated(CefRefPtr<CefBrowser> browser) {
  events.push_back("after-created");
  created.push_back(browser);
}

bool TestClient::DoClose(CefRefPtr<CefBrowser> browser) {
  events.push_back("do-close");
  return do_close ? do_close(browser) : false;
}

void TestClient::OnBeforeClose(CefRefPtr<CefBrowser> browser) {
  events.push_back("before-close");
  closed.push_back(browser);
  if (before_close)
    before_close(browser);
}

void TestClient::OnLoadEnd(CefRefPtr<CefBrowser>, CefRefPtr<CefFrame>, int) {
  events.push_back("load-end");
  ++load_ends;
}

void TestClient::OnLoadError(CefRefPtr<CefBrowser>,
                             CefRefPtr<CefFrame> frame,
                             ErrorCode errorCode,
                             const CefString& errorText,
                             const CefString& failedUrl) {
  events.push_back("load-error");
  load_errors.push_back({errorCode, errorText, failedUrl, frame->IsMain()});
}

bool TestClient::OnBeforeBrowse(CefRefPtr<CefBrowser>,
                                CefRefPtr<CefFrame> frame,
                                CefRefPtr<CefRequest> request,
                                bool,
                                bool) {
  if (frame->IsMain()) {
    events.push_back("before-browse");
    before_browse_urls.push_back(request->GetURL());
  }
  return cancel_navigation && cancel_navigation(request);
}

CefRefPtr<CefBrowserProcessHandler> TestApp::GetBrowserProcessHandler() {
  ++handler_queries;
  client_->events.push_back("process-handler");
  return this;
}

void TestApp::OnContextInitialized() {
  ++context_initialized;
  client_->events.push_back("context-initialized");
}
