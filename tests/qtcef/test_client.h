// A client whose handlers record what the engine tells them and call the
// hooks a test sets.

#ifndef TESTS_QTCEF_TEST_CLIENT_H_
#define TESTS_QTCEF_TEST_CLIENT_H_

#include <functional>
#include <string>
#include <vector>

#include "include/cef_app.h"
#include "include/cef_client.h"

class TestClient : public CefClient,
                   public CefContextMenuHandler,
                   public CefDisplayHandler,
                   public CefLifeSpanHandler,
                   public CefLoadHandler,
                   public CefRequestHandler {
 public:
  struct ConsoleMessage {
    cef_log_severity_t level;
    std::string message;
    std::string source;
    int line;
  };
  struct LoadError {
    cef_errorcode_t code;
    std::string text;
    std::string url;
    bool is_main;
  };

  // Events in the order they came, such as "after-created" or "load-end".
  std::vector<std::string> events;
  std::vector<ConsoleMessage> console;
  std::vector<std::string> titles;
  std::vector<std::string> before_browse_urls;
  std::vector<LoadError> load_errors;
  std::vector<CefRefPtr<CefBrowser>> created;
  std::vector<CefRefPtr<CefBrowser>> closed;
  int load_ends = 0;
  int context_menu_items = -1;

  std::function<bool(CefRefPtr<CefRequest>)> cancel_navigation;
  std::function<bool(CefRefPtr<CefBrowser>)> do_close;
  std::function<void(CefRefPtr<CefMenuModel>)> edit_context_menu;
  std::function<void(CefRefPtr<CefBrowser>)> before_close;

  // Whether a console message contains |text|.
  bool HasConsole(const std::string& text) const;

  CefRefPtr<CefContextMenuHandler> GetContextMenuHandler() override;
  CefRefPtr<CefDisplayHandler> GetDisplayHandler() override;
  CefRefPtr<CefLifeSpanHandler> GetLifeSpanHandler() override;
  CefRefPtr<CefLoadHandler> GetLoadHandler() override;
  CefRefPtr<CefRequestHandler> GetRequestHandler() override;

  void OnBeforeContextMenu(CefRefPtr<CefBrowser> browser,
                           CefRefPtr<CefFrame> frame,
                           CefRefPtr<CefContextMenuParams> params,
                           CefRefPtr<CefMenuModel> model) override;
  void OnTitleChange(CefRefPtr<CefBrowser> browser,
                     const CefString& title) override;
  bool OnConsoleMessage(CefRefPtr<CefBrowser> browser,
                        cef_log_severity_t level,
                        const CefString& message,
                        const CefString& source,
                        int line) override;
  bool OnBeforePopup(CefRefPtr<CefBrowser> browser,
                     CefRefPtr<CefFrame> frame,
                     const CefString& target_url,
                     const CefString& target_frame_name,
                     cef_window_open_disposition_t target_disposition,
                     bool user_gesture,
                     const CefPopupFeatures& popupFeatures,
                     CefWindowInfo& windowInfo,
                     CefRefPtr<CefClient>& client,
                     CefBrowserSettings& settings,
                     bool* no_javascript_access) override;
  void OnAfterCreated(CefRefPtr<CefBrowser> browser) override;
  bool DoClose(CefRefPtr<CefBrowser> browser) override;
  void OnBeforeClose(CefRefPtr<CefBrowser> browser) override;
  void OnLoadEnd(CefRefPtr<CefBrowser> browser,
                 CefRefPtr<CefFrame> frame,
                 int httpStatusCode) override;
  void OnLoadError(CefRefPtr<CefBrowser> browser,
                   CefRefPtr<CefFrame> frame,
                   ErrorCode errorCode,
                   const CefString& errorText,
                   const CefString& failedUrl) override;
  bool OnBeforeBrowse(CefRefPtr<CefBrowser> browser,
                      CefRefPtr<CefFrame> frame,
                      CefRefPtr<CefRequest> request,
                      bool user_gesture,
                      bool is_redirect) override;

  IMPLEMENT_REFCOUNTING(TestClient);
};

// An application that records the engine's calls to its browser process
// handler.
class TestApp : public CefApp, public CefBrowserProcessHandler {
 public:
  explicit TestApp(TestClient* client) : client_(client) {}

  int handler_queries = 0;
  int context_initialized = 0;

  CefRefPtr<CefBrowserProcessHandler> GetBrowserProcessHandler() override;
  void OnContextInitialized() override;

 private:
  TestClient* client_;

  IMPLEMENT_REFCOUNTING(TestApp);
};

#endif  // TESTS_QTCEF_TEST_CLIENT_H_
