#include "tests/engine/test_engine.h"

namespace test_engine {

namespace {

// Made on first use, so that engines set up during static initialisation
// (the scripted one) find it.
Engine*& EnginePointer() {
  static Engine* engine = new Engine();
  return engine;
}

std::string SwitchName(const std::string& entry) {
  return entry.substr(0, entry.find('='));
}

class FakeCommandLine : public CefCommandLine {
 public:
  explicit FakeCommandLine(const std::vector<std::string>& switches)
      : switches_(switches) {}

  bool IsValid() override { return true; }
  bool IsReadOnly() override { return true; }
  CefRefPtr<CefCommandLine> Copy() override {
    return new FakeCommandLine(switches_);
  }
  void InitFromArgv(int, const char* const*) override {}
  void InitFromString(const CefString&) override {}
  void Reset() override {}
  void GetArgv(std::vector<CefString>&) override {}
  CefString GetCommandLineString() override { return CefString(); }
  CefString GetProgram() override { return CefString(); }
  void SetProgram(const CefString&) override {}
  bool HasSwitches() override { return !switches_.empty(); }
  bool HasSwitch(const CefString& name) override {
    Record("HasSwitch " + name.ToString());
    for (const std::string& entry : switches_) {
      if (SwitchName(entry) == name.ToString())
        return true;
    }
    return false;
  }
  CefString GetSwitchValue(const CefString& name) override {
    for (const std::string& entry : switches_) {
      const size_t equals = entry.find('=');
      if (SwitchName(entry) == name.ToString() && equals != std::string::npos)
        return entry.substr(equals + 1);
    }
    return CefString();
  }
  void GetSwitches(SwitchMap&) override {}
  void AppendSwitch(const CefString&) override {}
  void AppendSwitchWithValue(const CefString&, const CefString&) override {}
  bool HasArguments() override { return false; }
  void GetArguments(ArgumentList&) override {}
  void AppendArgument(const CefString&) override {}
  void PrependWrapper(const CefString&) override {}

 private:
  std::vector<std::string> switches_;
  IMPLEMENT_REFCOUNTING(FakeCommandLine);
};

CefRefPtr<FakeCookieManager> GlobalCookieManager() {
  Engine& e = engine();
  if (e.no_cookie_manager)
    return nullptr;
  if (!e.cookie_manager)
    e.cookie_manager = new FakeCookieManager();
  return e.cookie_manager;
}

}  // namespace

Engine& engine() {
  return *EnginePointer();
}

void Reset() {
  delete EnginePointer();
  EnginePointer() = new Engine();
}

void Record(const std::string& call) {
  engine().calls.push_back(call);
}

FakeFrame::FakeFrame(FakeBrowser* browser, bool is_main)
    : browser_(browser), is_main_(is_main) {}

void FakeFrame::LoadURL(const CefString& url) {
  url_ = url;
}

void FakeFrame::LoadString(const CefString& string_val, const CefString& url) {
  Record("LoadString");
  loaded.push_back({string_val.ToString(), url.ToString()});
}

CefRefPtr<CefBrowser> FakeFrame::GetBrowser() {
  return browser_;
}

FakeBrowserHost::FakeBrowserHost(FakeBrowser* browser, CefWindowHandle window)
    : browser_(browser), window_(window) {}

CefRefPtr<CefBrowser> FakeBrowserHost::GetBrowser() {
  return browser_;
}

bool FakeBrowserHost::TryCloseBrowser() {
  Record("TryCloseBrowser " + std::to_string(browser_->GetIdentifier()));
  ++try_close_calls;
  if (engine().on_try_close)
    engine().on_try_close(browser_);
  return try_close_result;
}

FakeBrowser::FakeBrowser(int id, CefWindowHandle window)
    : id_(id),
      host_(new FakeBrowserHost(this, window)),
      main_frame_(new FakeFrame(this, true)),
      sub_frame_(new FakeFrame(this, false)) {}

FakeBrowser::~FakeBrowser() = default;

FakeMenuModel::FakeMenuModel() {
  AddItem(MENU_ID_BACK, "Back");
  AddItem(MENU_ID_FORWARD, "Forward");
  AddSeparator();
  AddItem(MENU_ID_RELOAD, "Reload");
}

bool FakeMenuModel::Clear() {
  Record("MenuModel::Clear");
  ++clear_calls;
  items_.clear();
  return true;
}

bool FakeMenuModel::AddSeparator() {
  items_.push_back({-1, CefString()});
  return true;
}

bool FakeMenuModel::AddItem(int command_id, const CefString& label) {
  items_.push_back({command_id, label});
  return true;
}

bool FakeMenuModel::AddCheckItem(int command_id, const CefString& label) {
  return AddItem(command_id, label);
}

bool FakeMenuModel::AddRadioItem(int command_id, const CefString& label, int) {
  return AddItem(command_id, label);
}

bool FakeMenuModel::Remove(int command_id) {
  return RemoveAt(GetIndexOf(command_id));
}

bool FakeMenuModel::RemoveAt(int index) {
  if (index < 0 || index >= GetCount())
    return false;
  items_.erase(items_.begin() + index);
  return true;
}

int FakeMenuModel::GetIndexOf(int command_id) {
  for (size_t i = 0; i < items_.size(); ++i) {
    if (items_[i].command_id == command_id)
      return static_cast<int>(i);
  }
  return -1;
}

int FakeMenuModel::GetCommandIdAt(int index) {
  return index >= 0 && index < GetCount() ? items_[index].command_id : -1;
}

CefString FakeMenuModel::GetLabel(int command_id) {
  return GetLabelAt(GetIndexOf(command_id));
}

CefString FakeMenuModel::GetLabelAt(int index) {
  return index >= 0 && index < GetCount() ? items_[index].label : CefString();
}

bool FakeValue::IsEqual(CefRefPtr<CefValue> that) {
  return that && that->GetType() == type_ && that->GetBool() == bool_ &&
         that->GetInt() == int_ && that->GetString() == string_;
}

CefRefPtr<CefValue> FakeValue::Copy() {
  CefRefPtr<FakeValue> copy = new FakeValue();
  copy->type_ = type_;
  copy->bool_ = bool_;
  copy->int_ = int_;
  copy->double_ = double_;
  copy->string_ = string_;
  return copy.get();
}

bool FakeValue::SetNull() {
  type_ = VTYPE_NULL;
  return true;
}

bool FakeValue::SetBool(bool value) {
  type_ = VTYPE_BOOL;
  bool_ = value;
  return true;
}

bool FakeValue::SetInt(int value) {
  type_ = VTYPE_INT;
  int_ = value;
  return true;
}

bool FakeValue::SetDouble(double value) {
  type_ = VTYPE_DOUBLE;
  double_ = value;
  return true;
}

bool FakeValue::SetString(const CefString& value) {
  type_ = VTYPE_STRING;
  string_ = value;
  return true;
}

FakeRequestContext::FakeRequestContext(
    bool is_global,
    CefRefPtr<CefRequestContext> shared_with_context,
    CefRefPtr<CefRequestContextHandler> handler)
    : shared_with(shared_with_context),
      is_global_(is_global),
      handler_(handler) {}

bool FakeRequestContext::IsSharingWith(CefRefPtr<CefRequestContext> other) {
  return other && (other.get() == this || other.get() == shared_with.get());
}

CefRefPtr<CefCookieManager> FakeRequestContext::GetDefaultCookieManager(
    CefRefPtr<CefCompletionCallback>) {
  return GlobalCookieManager().get();
}

bool FakeRequestContext::HasPreference(const CefString& name) {
  for (const Preference& preference : preferences) {
    if (preference.name == name.ToString())
      return true;
  }
  return false;
}

CefRefPtr<CefValue> FakeRequestContext::GetPreference(const CefString& name) {
  for (auto it = preferences.rbegin(); it != preferences.rend(); ++it) {
    if (it->name == name.ToString())
      return it->value ? it->value->Copy() : nullptr;
  }
  return nullptr;
}

bool FakeRequestContext::SetPreference(const CefString& name,
                                       CefRefPtr<CefValue> value,
                                       CefString&) {
  Record("SetPreference " + name.ToString());
  preferences.push_back(
      {name.ToString(), value ? value->GetType() : VTYPE_INVALID,
       value ? value->GetInt() : 0, value ? value->GetBool() : false, value});
  return true;
}

bool FakeCookieManager::DeleteCookies(
    const CefString& url,
    const CefString& cookie_name,
    CefRefPtr<CefDeleteCookiesCallback> callback) {
  Record("DeleteCookies " + url.ToString());
  deletions.push_back(
      {url.ToString(), cookie_name.ToString(), callback.get() != nullptr});
  return true;
}

FakeBrowserView::FakeBrowserView(
    CefRefPtr<CefClient> view_client,
    const std::string& view_url,
    CefRefPtr<CefRequestContext> context,
    CefRefPtr<CefBrowserViewDelegate> view_delegate)
    : client(view_client),
      url(view_url),
      request_context(context),
      delegate(view_delegate) {}

CefRefPtr<CefWindow> FakeBrowserView::GetWindow() {
  return window;
}

void FakeBrowserView::RequestFocus() {
  Record("BrowserView::RequestFocus");
  ++focus_requests;
}

FakeWindow::FakeWindow(CefRefPtr<CefWindowDelegate> window_delegate)
    : delegate(window_delegate) {}

bool FakeWindow::CloseByPlayer() {
  if (!delegate->CanClose(this))
    return false;
  delegate->OnWindowDestroyed(this);
  for (CefRefPtr<CefView>& child : children) {
    CefRefPtr<CefBrowserView> view = child->AsBrowserView();
    if (view)
      static_cast<FakeBrowserView*>(view.get())->window = nullptr;
  }
  children.clear();
  return true;
}

void FakeWindow::Show() {
  Record("Window::Show");
  ++show_calls;
}

void FakeWindow::SetTitle(const CefString& new_title) {
  Record("Window::SetTitle " + new_title.ToString());
  title = new_title.ToString();
}

void FakeWindow::AddChildView(CefRefPtr<CefView> view) {
  Record("Window::AddChildView");
  children.push_back(view);
  CefRefPtr<CefBrowserView> browser_view = view->AsBrowserView();
  if (browser_view)
    static_cast<FakeBrowserView*>(browser_view.get())->window = this;
}

}  // namespace test_engine

using test_engine::engine;
using test_engine::Record;

// The API's free functions and static factories.

void CefEnableHighDPISupport() {
  Record("CefEnableHighDPISupport");
}

int CefExecuteProcess(const CefMainArgs&,
                      CefRefPtr<CefApp> application,
                      void* windows_sandbox_info) {
  Record(std::string("CefExecuteProcess") + (application ? " app" : "") +
         (windows_sandbox_info ? " sandbox" : ""));
  if (engine().on_execute_process)
    engine().on_execute_process();
  return engine().execute_process_result;
}

bool CefInitialize(const CefMainArgs&,
                   const CefSettings& settings,
                   CefRefPtr<CefApp> application,
                   void* windows_sandbox_info) {
  Record(std::string("CefInitialize") + (application ? " app" : "") +
         (windows_sandbox_info ? " sandbox" : ""));
  test_engine::InitializeSettings& s = engine().settings;
  s.no_sandbox = settings.no_sandbox;
  s.multi_threaded_message_loop = settings.multi_threaded_message_loop;
  s.command_line_args_disabled = settings.command_line_args_disabled;
  s.cache_path = CefString(&settings.cache_path).ToString();
  s.persist_session_cookies = settings.persist_session_cookies;
  s.persist_user_preferences = settings.persist_user_preferences;
  s.browser_subprocess_path =
      CefString(&settings.browser_subprocess_path).ToString();
  s.user_data_path = CefString(&settings.user_data_path).ToString();
  s.log_severity = settings.log_severity;
  s.remote_debugging_port = settings.remote_debugging_port;
  s.windowless_rendering_enabled = settings.windowless_rendering_enabled;
  s.external_message_pump = settings.external_message_pump;
  engine().app = application;
  return true;
}

void CefRunMessageLoop() {
  Record("CefRunMessageLoop");
  engine().loop_running = true;
  while (!engine().ui_tasks.empty() && !engine().quit_requested) {
    CefRefPtr<CefTask> task = engine().ui_tasks.front();
    engine().ui_tasks.erase(engine().ui_tasks.begin());
    task->Execute();
  }
  if (engine().message_loop && !engine().quit_requested)
    engine().message_loop();
  engine().loop_running = false;
}

void CefQuitMessageLoop() {
  Record("CefQuitMessageLoop");
  if (engine().loop_running)
    engine().quit_requested = true;
}

bool CefPostTask(CefThreadId threadId, CefRefPtr<CefTask> task) {
  Record("CefPostTask " + std::to_string(threadId));
  if (threadId != TID_UI)
    return false;
  engine().ui_tasks.push_back(task);
  return true;
}

void CefShutdown() {
  Record("CefShutdown");
}

void CefDoMessageLoopWork() {}

void CefSetOSModalLoop(bool) {}

CefRefPtr<CefCommandLine> CefCommandLine::GetGlobalCommandLine() {
  Record("GetGlobalCommandLine");
  if (engine().no_command_line)
    return nullptr;
  return new test_engine::FakeCommandLine(engine().switches);
}

CefRefPtr<CefCommandLine> CefCommandLine::CreateCommandLine() {
  return new test_engine::FakeCommandLine({});
}

bool CefBrowserHost::CreateBrowser(
    const CefWindowInfo& windowInfo,
    CefRefPtr<CefClient> client,
    const CefString& url,
    const CefBrowserSettings& settings,
    CefRefPtr<CefRequestContext> request_context) {
  Record("CreateBrowser");
  test_engine::CreatedBrowser created{
      CefWindowInfo(windowInfo), client,         url.ToString(),
      settings.plugins,          settings.webgl, request_context};
  engine().created_browsers.push_back(std::move(created));
  if (engine().after_create_browser)
    engine().after_create_browser();
  return engine().create_browser_result;
}

CefRefPtr<CefBrowser> CefBrowserHost::CreateBrowserSync(
    const CefWindowInfo&,
    CefRefPtr<CefClient>,
    const CefString&,
    const CefBrowserSettings&,
    CefRefPtr<CefRequestContext>) {
  return nullptr;
}

CefRefPtr<CefRequestContext> CefRequestContext::GetGlobalContext() {
  Record("GetGlobalContext");
  test_engine::Engine& e = engine();
  if (!e.global_context)
    e.global_context =
        new test_engine::FakeRequestContext(true, nullptr, nullptr);
  return e.global_context.get();
}

CefRefPtr<CefRequestContext> CefRequestContext::CreateContext(
    const CefRequestContextSettings&,
    CefRefPtr<CefRequestContextHandler> handler) {
  Record("CreateContext settings");
  return new test_engine::FakeRequestContext(false, nullptr, handler);
}

CefRefPtr<CefRequestContext> CefRequestContext::CreateContext(
    CefRefPtr<CefRequestContext> other,
    CefRefPtr<CefRequestContextHandler> handler) {
  Record("CreateContext shared");
  if (engine().no_request_context)
    return nullptr;
  CefRefPtr<test_engine::FakeRequestContext> context =
      new test_engine::FakeRequestContext(false, other, handler);
  engine().created_contexts.push_back(context);
  return context.get();
}

CefRefPtr<CefValue> CefValue::Create() {
  Record("CefValue::Create");
  if (engine().no_value)
    return nullptr;
  return new test_engine::FakeValue();
}

CefRefPtr<CefCookieManager> CefCookieManager::GetGlobalManager(
    CefRefPtr<CefCompletionCallback> callback) {
  Record(std::string("GetGlobalManager") + (callback ? " callback" : ""));
  return test_engine::GlobalCookieManager().get();
}

CefRefPtr<CefBrowserView> CefBrowserView::CreateBrowserView(
    CefRefPtr<CefClient> client,
    const CefString& url,
    const CefBrowserSettings&,
    CefRefPtr<CefRequestContext> request_context,
    CefRefPtr<CefBrowserViewDelegate> delegate) {
  Record("CreateBrowserView");
  if (engine().no_browser_view)
    return nullptr;
  CefRefPtr<test_engine::FakeBrowserView> view =
      new test_engine::FakeBrowserView(client, url.ToString(), request_context,
                                       delegate);
  engine().browser_views.push_back(view);
  return view.get();
}

CefRefPtr<CefBrowserView> CefBrowserView::GetForBrowser(
    CefRefPtr<CefBrowser> browser) {
  for (const auto& view : engine().browser_views) {
    if (view->browser && view->browser->IsSame(browser))
      return view.get();
  }
  return nullptr;
}

CefRefPtr<CefWindow> CefWindow::CreateTopLevelWindow(
    CefRefPtr<CefWindowDelegate> delegate) {
  Record("CreateTopLevelWindow");
  CefRefPtr<test_engine::FakeWindow> window =
      new test_engine::FakeWindow(delegate);
  engine().windows.push_back(window);
  // CEF tells the delegate before this returns.
  delegate->OnWindowCreated(window.get());
  return window.get();
}
