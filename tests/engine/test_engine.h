#ifndef TESTS_ENGINE_TEST_ENGINE_H_
#define TESTS_ENGINE_TEST_ENGINE_H_

// A recording stand-in for CEF: it implements the API's free functions and
// library classes, writes down what the client asks of it, and lets a test
// drive the client's callbacks exactly as an engine would.

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "include/cef_app.h"
#include "include/cef_browser.h"
#include "include/cef_command_line.h"
#include "include/cef_cookie.h"
#include "include/cef_frame.h"
#include "include/cef_menu_model.h"
#include "include/cef_request.h"
#include "include/cef_request_context.h"
#include "include/cef_task.h"
#include "include/cef_values.h"
#include "include/views/cef_browser_view.h"
#include "include/views/cef_window.h"

namespace test_engine {

class FakeBrowser;

class FakeFrame : public CefFrame {
 public:
  FakeFrame(FakeBrowser* browser, bool is_main);

  struct Loaded {
    std::string html;
    std::string url;
  };
  std::vector<Loaded> loaded;

  bool IsValid() override { return true; }
  void Undo() override {}
  void Redo() override {}
  void Cut() override {}
  void Copy() override {}
  void Paste() override {}
  void Delete() override {}
  void SelectAll() override {}
  void ViewSource() override {}
  void LoadRequest(CefRefPtr<CefRequest>) override {}
  void LoadURL(const CefString& url) override;
  void LoadString(const CefString& string_val, const CefString& url) override;
  void ExecuteJavaScript(const CefString&, const CefString&, int) override {}
  bool IsMain() override { return is_main_; }
  bool IsFocused() override { return false; }
  CefString GetName() override { return CefString(); }
  int64 GetIdentifier() override { return is_main_ ? 1 : 2; }
  CefRefPtr<CefFrame> GetParent() override { return nullptr; }
  CefString GetURL() override { return url_; }
  CefRefPtr<CefBrowser> GetBrowser() override;

 private:
  FakeBrowser* browser_;
  bool is_main_;
  CefString url_;
  IMPLEMENT_REFCOUNTING(FakeFrame);
};

class FakeBrowserHost : public CefBrowserHost {
 public:
  FakeBrowserHost(FakeBrowser* browser, CefWindowHandle window);

  int try_close_calls = 0;
  bool try_close_result = false;
  CefRefPtr<CefClient> client;
  CefRefPtr<CefRequestContext> request_context;

  CefRefPtr<CefBrowser> GetBrowser() override;
  void CloseBrowser(bool) override {}
  bool TryCloseBrowser() override;
  void SetFocus(bool) override {}
  CefWindowHandle GetWindowHandle() override { return window_; }
  CefWindowHandle GetOpenerWindowHandle() override { return kNullWindowHandle; }
  bool HasView() override { return false; }
  CefRefPtr<CefClient> GetClient() override { return client; }
  CefRefPtr<CefRequestContext> GetRequestContext() override {
    return request_context;
  }
  double GetZoomLevel() override { return 0; }
  void SetZoomLevel(double) override {}
  void ShowDevTools(const CefWindowInfo&,
                    CefRefPtr<CefClient>,
                    const CefBrowserSettings&,
                    const CefPoint&) override {}
  void CloseDevTools() override {}
  bool HasDevTools() override { return false; }

 private:
  FakeBrowser* browser_;
  CefWindowHandle window_;
  IMPLEMENT_REFCOUNTING(FakeBrowserHost);
};

class FakeBrowser : public CefBrowser {
 public:
  FakeBrowser(int id, CefWindowHandle window);
  ~FakeBrowser() override;

  FakeBrowserHost* host() { return host_.get(); }
  FakeFrame* main_frame() { return main_frame_.get(); }
  FakeFrame* sub_frame() { return sub_frame_.get(); }

  int reload_calls = 0;

  CefRefPtr<CefBrowserHost> GetHost() override { return host_.get(); }
  bool CanGoBack() override { return false; }
  void GoBack() override {}
  bool CanGoForward() override { return false; }
  void GoForward() override {}
  bool IsLoading() override { return false; }
  void Reload() override { ++reload_calls; }
  void ReloadIgnoreCache() override {}
  void StopLoad() override {}
  int GetIdentifier() override { return id_; }
  bool IsSame(CefRefPtr<CefBrowser> that) override {
    return that && that->GetIdentifier() == id_;
  }
  bool IsPopup() override { return false; }
  bool HasDocument() override { return true; }
  CefRefPtr<CefFrame> GetMainFrame() override { return main_frame_.get(); }
  CefRefPtr<CefFrame> GetFocusedFrame() override { return main_frame_.get(); }
  CefRefPtr<CefFrame> GetFrame(int64) override { return nullptr; }
  CefRefPtr<CefFrame> GetFrame(const CefString&) override { return nullptr; }
  size_t GetFrameCount() override { return 2; }
  void GetFrameIdentifiers(std::vector<int64>&) override {}
  void GetFrameNames(std::vector<CefString>&) override {}
  bool SendProcessMessage(CefProcessId, CefRefPtr<CefProcessMessage>) override {
    return false;
  }

 private:
  int id_;
  CefRefPtr<FakeBrowserHost> host_;
  CefRefPtr<FakeFrame> main_frame_;
  CefRefPtr<FakeFrame> sub_frame_;
  IMPLEMENT_REFCOUNTING(FakeBrowser);
};

class FakeRequest : public CefRequest {
 public:
  explicit FakeRequest(const CefString& url) : url_(url) {}

  bool IsReadOnly() override { return true; }
  CefString GetURL() override { return url_; }
  void SetURL(const CefString& url) override { url_ = url; }
  CefString GetMethod() override { return "GET"; }
  void SetMethod(const CefString&) override {}
  void SetReferrer(const CefString&, ReferrerPolicy) override {}
  CefString GetReferrerURL() override { return CefString(); }
  ReferrerPolicy GetReferrerPolicy() override {
    return REFERRER_POLICY_DEFAULT;
  }
  CefRefPtr<CefPostData> GetPostData() override { return nullptr; }
  void SetPostData(CefRefPtr<CefPostData>) override {}
  void GetHeaderMap(HeaderMap&) override {}
  void SetHeaderMap(const HeaderMap&) override {}
  void Set(const CefString&,
           const CefString&,
           CefRefPtr<CefPostData>,
           const HeaderMap&) override {}
  int GetFlags() override { return 0; }
  void SetFlags(int) override {}
  CefString GetFirstPartyForCookies() override { return CefString(); }
  void SetFirstPartyForCookies(const CefString&) override {}
  ResourceType GetResourceType() override { return RT_MAIN_FRAME; }
  TransitionType GetTransitionType() override { return TT_LINK; }
  uint64 GetIdentifier() override { return 0; }

 private:
  CefString url_;
  IMPLEMENT_REFCOUNTING(FakeRequest);
};

class FakeMenuModel : public CefMenuModel {
 public:
  // A page's usual menu: Back, Forward, a separator, Reload.
  FakeMenuModel();

  int clear_calls = 0;

  bool IsSubMenu() override { return false; }
  bool Clear() override;
  int GetCount() override { return static_cast<int>(items_.size()); }
  bool AddSeparator() override;
  bool AddItem(int command_id, const CefString& label) override;
  bool AddCheckItem(int command_id, const CefString& label) override;
  bool AddRadioItem(int command_id, const CefString& label, int) override;
  CefRefPtr<CefMenuModel> AddSubMenu(int, const CefString&) override {
    return nullptr;
  }
  bool InsertSeparatorAt(int) override { return false; }
  bool InsertItemAt(int, int, const CefString&) override { return false; }
  bool Remove(int command_id) override;
  bool RemoveAt(int index) override;
  int GetIndexOf(int command_id) override;
  int GetCommandIdAt(int index) override;
  CefString GetLabel(int command_id) override;
  CefString GetLabelAt(int index) override;
  bool SetLabel(int, const CefString&) override { return false; }
  MenuItemType GetType(int) override { return MENUITEMTYPE_COMMAND; }
  MenuItemType GetTypeAt(int) override { return MENUITEMTYPE_COMMAND; }
  bool IsVisible(int) override { return true; }
  bool SetVisible(int, bool) override { return false; }
  bool IsEnabled(int) override { return true; }
  bool SetEnabled(int, bool) override { return false; }
  bool IsChecked(int) override { return false; }
  bool SetChecked(int, bool) override { return false; }

 private:
  struct Item {
    int command_id;
    CefString label;
  };
  std::vector<Item> items_;
  IMPLEMENT_REFCOUNTING(FakeMenuModel);
};

class FakeValue : public CefValue {
 public:
  FakeValue() {}

  bool IsValid() override { return true; }
  bool IsOwned() override { return false; }
  bool IsReadOnly() override { return false; }
  bool IsSame(CefRefPtr<CefValue> that) override { return that.get() == this; }
  bool IsEqual(CefRefPtr<CefValue> that) override;
  CefRefPtr<CefValue> Copy() override;
  CefValueType GetType() override { return type_; }
  bool GetBool() override { return bool_; }
  int GetInt() override { return int_; }
  double GetDouble() override { return double_; }
  CefString GetString() override { return string_; }
  CefRefPtr<CefBinaryValue> GetBinary() override { return nullptr; }
  CefRefPtr<CefDictionaryValue> GetDictionary() override { return nullptr; }
  CefRefPtr<CefListValue> GetList() override { return nullptr; }
  bool SetNull() override;
  bool SetBool(bool value) override;
  bool SetInt(int value) override;
  bool SetDouble(double value) override;
  bool SetString(const CefString& value) override;
  bool SetBinary(CefRefPtr<CefBinaryValue>) override { return false; }
  bool SetDictionary(CefRefPtr<CefDictionaryValue>) override { return false; }
  bool SetList(CefRefPtr<CefListValue>) override { return false; }

 private:
  CefValueType type_ = VTYPE_NULL;
  bool bool_ = false;
  int int_ = 0;
  double double_ = 0;
  CefString string_;
  IMPLEMENT_REFCOUNTING(FakeValue);
};

class FakeRequestContext : public CefRequestContext {
 public:
  FakeRequestContext(bool is_global,
                     CefRefPtr<CefRequestContext> shared_with,
                     CefRefPtr<CefRequestContextHandler> handler);

  // Each SetPreference as it arrived: the name, the value's type and
  // content (the value object itself, to see that it is shared).
  struct Preference {
    std::string name;
    CefValueType type;
    int int_value;
    bool bool_value;
    CefRefPtr<CefValue> value;
  };
  std::vector<Preference> preferences;
  CefRefPtr<CefRequestContext> shared_with;

  bool IsSame(CefRefPtr<CefRequestContext> other) override {
    return other.get() == this;
  }
  bool IsSharingWith(CefRefPtr<CefRequestContext> other) override;
  bool IsGlobal() override { return is_global_; }
  CefRefPtr<CefRequestContextHandler> GetHandler() override { return handler_; }
  CefString GetCachePath() override { return CefString(); }
  CefRefPtr<CefCookieManager> GetDefaultCookieManager(
      CefRefPtr<CefCompletionCallback>) override;
  bool RegisterSchemeHandlerFactory(
      const CefString&,
      const CefString&,
      CefRefPtr<CefSchemeHandlerFactory>) override {
    return false;
  }
  bool ClearSchemeHandlerFactories() override { return false; }
  void PurgePluginListCache(bool) override {}
  bool HasPreference(const CefString& name) override;
  CefRefPtr<CefValue> GetPreference(const CefString& name) override;
  CefRefPtr<CefDictionaryValue> GetAllPreferences(bool) override {
    return nullptr;
  }
  bool CanSetPreference(const CefString&) override { return true; }
  bool SetPreference(const CefString& name,
                     CefRefPtr<CefValue> value,
                     CefString& error) override;
  void ClearCertificateExceptions(CefRefPtr<CefCompletionCallback>) override {}
  void CloseAllConnections(CefRefPtr<CefCompletionCallback>) override {}
  void ResolveHost(const CefString&, CefRefPtr<CefResolveCallback>) override {}
  cef_errorcode_t ResolveHostCached(const CefString&,
                                    std::vector<CefString>&) override {
    return ERR_FAILED;
  }
  void LoadExtension(const CefString&,
                     CefRefPtr<CefDictionaryValue>,
                     CefRefPtr<CefExtensionHandler>) override {}
  bool DidLoadExtension(const CefString&) override { return false; }
  bool HasExtension(const CefString&) override { return false; }
  bool GetExtensions(std::vector<CefString>&) override { return false; }
  CefRefPtr<CefExtension> GetExtension(const CefString&) override {
    return nullptr;
  }

 private:
  bool is_global_;
  CefRefPtr<CefRequestContextHandler> handler_;
  IMPLEMENT_REFCOUNTING(FakeRequestContext);
};

class FakeCookieManager : public CefCookieManager {
 public:
  FakeCookieManager() {}

  struct Deletion {
    std::string url;
    std::string cookie_name;
    bool had_callback;
  };
  std::vector<Deletion> deletions;

  void SetSupportedSchemes(const std::vector<CefString>&,
                           CefRefPtr<CefCompletionCallback>) override {}
  bool VisitAllCookies(CefRefPtr<CefCookieVisitor>) override { return false; }
  bool VisitUrlCookies(const CefString&,
                       bool,
                       CefRefPtr<CefCookieVisitor>) override {
    return false;
  }
  bool SetCookie(const CefString&,
                 const CefCookie&,
                 CefRefPtr<CefSetCookieCallback>) override {
    return false;
  }
  bool DeleteCookies(const CefString& url,
                     const CefString& cookie_name,
                     CefRefPtr<CefDeleteCookiesCallback> callback) override;

 private:
  IMPLEMENT_REFCOUNTING(FakeCookieManager);
};

class FakeWindow;

// The CefView methods that neither fake view records.
template <class Interface>
class FakeViewBase : public Interface {
 public:
  bool IsValid() override { return true; }
  bool IsSame(CefRefPtr<CefView> that) override { return that.get() == this; }
  int GetID() override { return 0; }
  void SetID(int) override {}
  CefRefPtr<CefView> GetParentView() override { return nullptr; }
  void SetBounds(const CefRect&) override {}
  CefRect GetBounds() override { return CefRect(); }
  void SetSize(const CefSize&) override {}
  CefSize GetSize() override { return CefSize(); }
  CefSize GetPreferredSize() override { return CefSize(); }
  CefRect GetBoundsInScreen() override { return CefRect(); }
  void SetPosition(const CefPoint&) override {}
  CefPoint GetPosition() override { return CefPoint(); }
  void SizeToPreferredSize() override {}
  CefSize GetMinimumSize() override { return CefSize(); }
  CefSize GetMaximumSize() override { return CefSize(); }
  int GetHeightForWidth(int) override { return 0; }
  void InvalidateLayout() override {}
  void SetVisible(bool) override {}
  void SetEnabled(bool) override {}
  bool IsEnabled() override { return true; }
  void SetFocusable(bool) override {}
  bool IsFocusable() override { return false; }
  bool IsAccessibilityFocusable() override { return false; }
  void SetBackgroundColor(cef_color_t) override {}
  cef_color_t GetBackgroundColor() override { return 0; }
};

class FakeBrowserView : public FakeViewBase<CefBrowserView> {
 public:
  FakeBrowserView(CefRefPtr<CefClient> client,
                  const std::string& url,
                  CefRefPtr<CefRequestContext> request_context,
                  CefRefPtr<CefBrowserViewDelegate> delegate);

  CefRefPtr<CefClient> client;
  std::string url;
  CefRefPtr<CefRequestContext> request_context;
  CefRefPtr<CefBrowserViewDelegate> delegate;
  // Set by a test to stand for the browser created in the view.
  CefRefPtr<CefBrowser> browser;
  FakeWindow* window = nullptr;
  int focus_requests = 0;

  CefRefPtr<CefBrowser> GetBrowser() override { return browser; }
  void SetPreferAccelerators(bool) override {}
  CefRefPtr<CefBrowserView> AsBrowserView() override { return this; }
  CefRefPtr<CefPanel> AsPanel() override { return nullptr; }
  CefString GetTypeString() override { return "BrowserView"; }
  CefString ToString(bool) override { return "BrowserView"; }
  bool IsAttached() override { return window != nullptr; }
  CefRefPtr<CefViewDelegate> GetDelegate() override { return delegate.get(); }
  CefRefPtr<CefWindow> GetWindow() override;
  bool IsVisible() override { return true; }
  bool IsDrawn() override { return window != nullptr; }
  void RequestFocus() override;

 private:
  IMPLEMENT_REFCOUNTING(FakeBrowserView);
};

class FakeWindow : public FakeViewBase<CefWindow> {
 public:
  explicit FakeWindow(CefRefPtr<CefWindowDelegate> delegate);

  CefRefPtr<CefWindowDelegate> delegate;
  std::vector<CefRefPtr<CefView>> children;
  std::string title;
  int show_calls = 0;
  // Each SetFullscreen, in order.
  std::vector<bool> fullscreen_calls;

  // What closing the window by hand does: asks the delegate, then destroys.
  bool CloseByPlayer();

  void Show() override;
  void Hide() override {}
  void CenterWindow(const CefSize&) override {}
  void Close() override {}
  bool IsClosed() override { return false; }
  void Activate() override {}
  void Deactivate() override {}
  bool IsActive() override { return false; }
  void BringToTop() override {}
  void SetAlwaysOnTop(bool) override {}
  bool IsAlwaysOnTop() override { return false; }
  void Maximize() override {}
  void Minimize() override {}
  void Restore() override {}
  void SetFullscreen(bool fullscreen) override {
    fullscreen_calls.push_back(fullscreen);
  }
  bool IsMaximized() override { return false; }
  bool IsMinimized() override { return false; }
  bool IsFullscreen() override { return false; }
  void SetTitle(const CefString& new_title) override;
  CefString GetTitle() override { return title; }
  void SetWindowIcon(CefRefPtr<CefImage>) override {}
  void SetWindowAppIcon(CefRefPtr<CefImage>) override {}
  void ShowMenu(CefRefPtr<CefMenuModel>,
                const CefPoint&,
                cef_menu_anchor_position_t) override {}
  void CancelMenu() override {}
  CefWindowHandle GetWindowHandle() override { return kNullWindowHandle; }
  void SetAccelerator(int, int, bool, bool, bool) override {}
  void RemoveAccelerator(int) override {}
  void RemoveAllAccelerators() override {}
  CefRefPtr<CefWindow> AsWindow() override { return this; }
  CefRefPtr<CefFillLayout> SetToFillLayout() override { return nullptr; }
  CefRefPtr<CefBoxLayout> SetToBoxLayout(const CefBoxLayoutSettings&) override {
    return nullptr;
  }
  CefRefPtr<CefLayout> GetLayout() override { return nullptr; }
  void Layout() override {}
  void AddChildView(CefRefPtr<CefView> view) override;
  void AddChildViewAt(CefRefPtr<CefView> view, int) override {
    AddChildView(view);
  }
  void ReorderChildView(CefRefPtr<CefView>, int) override {}
  void RemoveChildView(CefRefPtr<CefView>) override {}
  void RemoveAllChildViews() override { children.clear(); }
  size_t GetChildViewCount() override { return children.size(); }
  CefRefPtr<CefView> GetChildViewAt(int index) override {
    return children.at(index);
  }
  CefRefPtr<CefBrowserView> AsBrowserView() override { return nullptr; }
  CefRefPtr<CefPanel> AsPanel() override { return this; }
  CefString GetTypeString() override { return "Window"; }
  CefString ToString(bool) override { return "Window"; }
  bool IsAttached() override { return true; }
  CefRefPtr<CefViewDelegate> GetDelegate() override { return delegate.get(); }
  CefRefPtr<CefWindow> GetWindow() override { return this; }
  bool IsVisible() override { return show_calls > 0; }
  bool IsDrawn() override { return IsVisible(); }
  void RequestFocus() override {}

 private:
  IMPLEMENT_REFCOUNTING(FakeWindow);
};

// What CefBrowserHost::CreateBrowser was given.
struct CreatedBrowser {
  CefWindowInfo window_info;
  CefRefPtr<CefClient> client;
  std::string url;
  cef_state_t plugins;
  cef_state_t webgl;
  CefRefPtr<CefRequestContext> request_context;
};

// What CefInitialize was given.
struct InitializeSettings {
  int no_sandbox = 0;
  int multi_threaded_message_loop = 0;
  int command_line_args_disabled = 0;
  std::string cache_path;
  int persist_session_cookies = 0;
  int persist_user_preferences = 0;
  std::string browser_subprocess_path;
  std::string user_data_path;
  int log_severity = 0;
  int remote_debugging_port = 0;
  int windowless_rendering_enabled = 0;
  int external_message_pump = 0;
};

struct Engine {
  // How the engine answers.
  int execute_process_result = -1;
  bool create_browser_result = true;
  bool no_command_line = false;
  bool no_request_context = false;
  bool no_value = false;
  bool no_cookie_manager = false;
  bool no_browser_view = false;
  // The process's switches, "name" or "name=value".
  std::vector<std::string> switches;
  // What happens while CefExecuteProcess runs: another process may change
  // the disk meanwhile.
  std::function<void()> on_execute_process;
  // What CefRunMessageLoop does before it returns.
  std::function<void()> message_loop;
  // Run after CefBrowserHost::CreateBrowser has recorded its browser.
  std::function<void()> after_create_browser;
  // Run when the client asks a browser to close.
  std::function<void(FakeBrowser*)> on_try_close;

  // What the client asked, in order.
  std::vector<std::string> calls;
  // Tasks posted to the UI thread and not yet run; CefRunMessageLoop runs
  // them first.
  std::vector<CefRefPtr<CefTask>> ui_tasks;
  // Set by CefQuitMessageLoop while CefRunMessageLoop runs; as in CEF, a
  // quit with no loop running does nothing.
  bool quit_requested = false;
  bool loop_running = false;
  InitializeSettings settings;
  CefRefPtr<CefApp> app;
  std::vector<CreatedBrowser> created_browsers;
  CefRefPtr<FakeRequestContext> global_context;
  std::vector<CefRefPtr<FakeRequestContext>> created_contexts;
  CefRefPtr<FakeCookieManager> cookie_manager;
  std::vector<CefRefPtr<FakeBrowserView>> browser_views;
  std::vector<CefRefPtr<FakeWindow>> windows;
};

// The one engine of the test process, and a fresh start for it.
Engine& engine();
void Reset();

// Records |call| in the engine's list.
void Record(const std::string& call);

}  // namespace test_engine

#endif  // TESTS_ENGINE_TEST_ENGINE_H_
