// Compile-time check of the CEF 3538 declarations in qtcef/include. It
// includes every header, pins down the struct layouts and class shapes the
// client relies on, and defines a sample client the way a CEF program does.
// Build it with -fsyntax-only; the functions at the end are never called.

#include <stddef.h>

#include <memory>
#include <string>
#include <type_traits>
#include <vector>

#include "include/base/cef_basictypes.h"
#include "include/base/cef_bind.h"
#include "include/base/cef_build.h"
#include "include/base/cef_callback.h"
#include "include/base/cef_lock.h"
#include "include/base/cef_macros.h"
#include "include/base/cef_ref_counted.h"
#include "include/base/cef_string16.h"
#include "include/cef_app.h"
#include "include/cef_base.h"
#include "include/cef_browser.h"
#include "include/cef_browser_process_handler.h"
#include "include/cef_callback.h"
#include "include/cef_client.h"
#include "include/cef_command_line.h"
#include "include/cef_context_menu_handler.h"
#include "include/cef_cookie.h"
#include "include/cef_dialog_handler.h"
#include "include/cef_display_handler.h"
#include "include/cef_download_handler.h"
#include "include/cef_drag_handler.h"
#include "include/cef_find_handler.h"
#include "include/cef_focus_handler.h"
#include "include/cef_frame.h"
#include "include/cef_jsdialog_handler.h"
#include "include/cef_keyboard_handler.h"
#include "include/cef_life_span_handler.h"
#include "include/cef_load_handler.h"
#include "include/cef_menu_model.h"
#include "include/cef_print_handler.h"
#include "include/cef_process_message.h"
#include "include/cef_render_handler.h"
#include "include/cef_render_process_handler.h"
#include "include/cef_request.h"
#include "include/cef_request_context.h"
#include "include/cef_request_context_handler.h"
#include "include/cef_request_handler.h"
#include "include/cef_resource_bundle_handler.h"
#include "include/cef_resource_handler.h"
#include "include/cef_response.h"
#include "include/cef_response_filter.h"
#include "include/cef_task.h"
#include "include/cef_thread.h"
#include "include/cef_values.h"
#include "include/cef_version.h"
#include "include/cef_waitable_event.h"
#include "include/cef_web_plugin.h"
#include "include/internal/cef_ptr.h"
#include "include/internal/cef_string.h"
#include "include/internal/cef_string_types.h"
#include "include/internal/cef_string_wrappers.h"
#include "include/internal/cef_thread_internal.h"
#include "include/internal/cef_time.h"
#include "include/internal/cef_types.h"
#include "include/internal/cef_types_wrappers.h"
#include "include/views/cef_box_layout.h"
#include "include/views/cef_browser_view.h"
#include "include/views/cef_browser_view_delegate.h"
#include "include/views/cef_fill_layout.h"
#include "include/views/cef_layout.h"
#include "include/views/cef_panel.h"
#include "include/views/cef_panel_delegate.h"
#include "include/views/cef_view.h"
#include "include/views/cef_view_delegate.h"
#include "include/views/cef_window.h"
#include "include/views/cef_window_delegate.h"
#include "include/wrapper/cef_closure_task.h"
#include "include/wrapper/cef_scoped_temp_dir.h"

#if defined(OS_WIN)
#include "include/internal/cef_types_win.h"
#include "include/internal/cef_win.h"
#elif defined(OS_LINUX)
#include "include/internal/cef_linux.h"
#include "include/internal/cef_types_linux.h"
#endif

namespace {

// Struct layouts: each list must name every field of the struct, in order,
// with nothing between them but alignment padding.

struct Field {
  size_t offset;
  size_t size;
  size_t align;
};

#define FIELD(S, f)                                       \
  Field {                                                 \
    offsetof(S, f), sizeof(S::f), alignof(decltype(S::f)) \
  }

constexpr size_t RoundUp(size_t value, size_t align) {
  return (value + align - 1) / align * align;
}

template <typename S, size_t N>
constexpr bool FieldsAre(const Field (&fields)[N]) {
  size_t end = 0;
  for (size_t i = 0; i < N; ++i) {
    if (fields[i].offset != RoundUp(end, fields[i].align))
      return false;
    end = fields[i].offset + fields[i].size;
  }
  return sizeof(S) == RoundUp(end, alignof(S));
}

static_assert(FieldsAre<cef_string_utf16_t>({
                  FIELD(cef_string_utf16_t, str),
                  FIELD(cef_string_utf16_t, length),
                  FIELD(cef_string_utf16_t, dtor),
              }),
              "cef_string_utf16_t");

static_assert(FieldsAre<cef_settings_t>({
                  FIELD(cef_settings_t, size),
                  FIELD(cef_settings_t, no_sandbox),
                  FIELD(cef_settings_t, browser_subprocess_path),
                  FIELD(cef_settings_t, framework_dir_path),
                  FIELD(cef_settings_t, multi_threaded_message_loop),
                  FIELD(cef_settings_t, external_message_pump),
                  FIELD(cef_settings_t, windowless_rendering_enabled),
                  FIELD(cef_settings_t, command_line_args_disabled),
                  FIELD(cef_settings_t, cache_path),
                  FIELD(cef_settings_t, user_data_path),
                  FIELD(cef_settings_t, persist_session_cookies),
                  FIELD(cef_settings_t, persist_user_preferences),
                  FIELD(cef_settings_t, user_agent),
                  FIELD(cef_settings_t, product_version),
                  FIELD(cef_settings_t, locale),
                  FIELD(cef_settings_t, log_file),
                  FIELD(cef_settings_t, log_severity),
                  FIELD(cef_settings_t, javascript_flags),
                  FIELD(cef_settings_t, resources_dir_path),
                  FIELD(cef_settings_t, locales_dir_path),
                  FIELD(cef_settings_t, pack_loading_disabled),
                  FIELD(cef_settings_t, remote_debugging_port),
                  FIELD(cef_settings_t, uncaught_exception_stack_size),
                  FIELD(cef_settings_t, ignore_certificate_errors),
                  FIELD(cef_settings_t, enable_net_security_expiration),
                  FIELD(cef_settings_t, background_color),
                  FIELD(cef_settings_t, accept_language_list),
              }),
              "cef_settings_t");

static_assert(
    FieldsAre<cef_request_context_settings_t>({
        FIELD(cef_request_context_settings_t, size),
        FIELD(cef_request_context_settings_t, cache_path),
        FIELD(cef_request_context_settings_t, persist_session_cookies),
        FIELD(cef_request_context_settings_t, persist_user_preferences),
        FIELD(cef_request_context_settings_t, ignore_certificate_errors),
        FIELD(cef_request_context_settings_t, enable_net_security_expiration),
        FIELD(cef_request_context_settings_t, accept_language_list),
    }),
    "cef_request_context_settings_t");

static_assert(FieldsAre<cef_browser_settings_t>({
                  FIELD(cef_browser_settings_t, size),
                  FIELD(cef_browser_settings_t, windowless_frame_rate),
                  FIELD(cef_browser_settings_t, standard_font_family),
                  FIELD(cef_browser_settings_t, fixed_font_family),
                  FIELD(cef_browser_settings_t, serif_font_family),
                  FIELD(cef_browser_settings_t, sans_serif_font_family),
                  FIELD(cef_browser_settings_t, cursive_font_family),
                  FIELD(cef_browser_settings_t, fantasy_font_family),
                  FIELD(cef_browser_settings_t, default_font_size),
                  FIELD(cef_browser_settings_t, default_fixed_font_size),
                  FIELD(cef_browser_settings_t, minimum_font_size),
                  FIELD(cef_browser_settings_t, minimum_logical_font_size),
                  FIELD(cef_browser_settings_t, default_encoding),
                  FIELD(cef_browser_settings_t, remote_fonts),
                  FIELD(cef_browser_settings_t, javascript),
                  FIELD(cef_browser_settings_t, javascript_close_windows),
                  FIELD(cef_browser_settings_t, javascript_access_clipboard),
                  FIELD(cef_browser_settings_t, javascript_dom_paste),
                  FIELD(cef_browser_settings_t, plugins),
                  FIELD(cef_browser_settings_t,
                        universal_access_from_file_urls),
                  FIELD(cef_browser_settings_t, file_access_from_file_urls),
                  FIELD(cef_browser_settings_t, web_security),
                  FIELD(cef_browser_settings_t, image_loading),
                  FIELD(cef_browser_settings_t, image_shrink_standalone_to_fit),
                  FIELD(cef_browser_settings_t, text_area_resize),
                  FIELD(cef_browser_settings_t, tab_to_links),
                  FIELD(cef_browser_settings_t, local_storage),
                  FIELD(cef_browser_settings_t, databases),
                  FIELD(cef_browser_settings_t, application_cache),
                  FIELD(cef_browser_settings_t, webgl),
                  FIELD(cef_browser_settings_t, background_color),
                  FIELD(cef_browser_settings_t, accept_language_list),
              }),
              "cef_browser_settings_t");

static_assert(FieldsAre<cef_cookie_t>({
                  FIELD(cef_cookie_t, name),
                  FIELD(cef_cookie_t, value),
                  FIELD(cef_cookie_t, domain),
                  FIELD(cef_cookie_t, path),
                  FIELD(cef_cookie_t, secure),
                  FIELD(cef_cookie_t, httponly),
                  FIELD(cef_cookie_t, creation),
                  FIELD(cef_cookie_t, last_access),
                  FIELD(cef_cookie_t, has_expires),
                  FIELD(cef_cookie_t, expires),
              }),
              "cef_cookie_t");

#if defined(OS_WIN)
static_assert(FieldsAre<cef_main_args_t>({
                  FIELD(cef_main_args_t, instance),
              }),
              "cef_main_args_t");
static_assert(FieldsAre<cef_window_info_t>({
                  FIELD(cef_window_info_t, ex_style),
                  FIELD(cef_window_info_t, window_name),
                  FIELD(cef_window_info_t, style),
                  FIELD(cef_window_info_t, x),
                  FIELD(cef_window_info_t, y),
                  FIELD(cef_window_info_t, width),
                  FIELD(cef_window_info_t, height),
                  FIELD(cef_window_info_t, parent_window),
                  FIELD(cef_window_info_t, menu),
                  FIELD(cef_window_info_t, windowless_rendering_enabled),
                  FIELD(cef_window_info_t, window),
              }),
              "cef_window_info_t");
static_assert(std::is_same<cef_window_handle_t, HWND>::value,
              "cef_window_handle_t");
#elif defined(OS_LINUX)
static_assert(FieldsAre<cef_main_args_t>({
                  FIELD(cef_main_args_t, argc),
                  FIELD(cef_main_args_t, argv),
              }),
              "cef_main_args_t");
static_assert(FieldsAre<cef_window_info_t>({
                  FIELD(cef_window_info_t, x),
                  FIELD(cef_window_info_t, y),
                  FIELD(cef_window_info_t, width),
                  FIELD(cef_window_info_t, height),
                  FIELD(cef_window_info_t, parent_window),
                  FIELD(cef_window_info_t, windowless_rendering_enabled),
                  FIELD(cef_window_info_t, window),
              }),
              "cef_window_info_t");
static_assert(std::is_same<cef_window_handle_t, unsigned long>::value,
              "cef_window_handle_t");
#endif
static_assert(std::is_same<CefWindowHandle, cef_window_handle_t>::value,
              "CefWindowHandle");

// Basic and string types.

#if defined(OS_WIN)
static_assert(std::is_same<char16, wchar_t>::value, "char16");
static_assert(std::is_same<base::string16, std::wstring>::value, "string16");
#else
static_assert(std::is_same<char16, unsigned short>::value, "char16");
#endif
static_assert(sizeof(char16) == 2 && sizeof(int64) == 8 &&
                  sizeof(uint32) == 4 && sizeof(int32) == 4 &&
                  sizeof(cef_color_t) == 4,
              "basic type sizes");
static_assert(std::is_same<cef_string_t, cef_string_utf16_t>::value,
              "cef_string_t is UTF-16");
static_assert(std::is_same<CefString, CefStringUTF16>::value &&
                  std::is_same<CefStringUTF16,
                               CefStringBase<CefStringTraitsUTF16>>::value,
              "CefString is UTF-16");
static_assert(std::is_same<base::string16, std::basic_string<char16>>::value,
              "string16");
static_assert(CEF_STRING_TYPE_UTF16 == 1, "CEF_STRING_TYPE_UTF16");
static_assert(std::is_convertible<const char*, CefString>::value &&
                  std::is_convertible<std::string, CefString>::value &&
                  std::is_convertible<const wchar_t*, CefString>::value &&
                  std::is_convertible<std::wstring, CefString>::value &&
                  std::is_convertible<cef_string_t*, CefString>::value &&
                  std::is_convertible<CefString, std::string>::value &&
                  std::is_convertible<CefString, std::wstring>::value,
              "CefString converts implicitly");

// Wrappers and explicit constructors.

static_assert(
    std::is_base_of<cef_settings_t, CefSettings>::value &&
        std::is_base_of<cef_browser_settings_t, CefBrowserSettings>::value &&
        std::is_base_of<cef_request_context_settings_t,
                        CefRequestContextSettings>::value &&
        std::is_base_of<cef_cookie_t, CefCookie>::value &&
        std::is_base_of<cef_key_event_t, CefKeyEvent>::value &&
        std::is_base_of<cef_popup_features_t, CefPopupFeatures>::value &&
        std::is_base_of<cef_box_layout_settings_t, CefBoxLayoutSettings>::value,
    "wrappers derive their C structs");
static_assert(!std::is_convertible<const CefMainArgs&, CefMainArgs>::value &&
                  std::is_constructible<CefMainArgs, const CefMainArgs&>::value,
              "CefMainArgs has an explicit copy constructor");
static_assert(
    !std::is_convertible<const CefWindowInfo&, CefWindowInfo>::value &&
        std::is_constructible<CefWindowInfo, const CefWindowInfo&>::value,
    "CefWindowInfo has an explicit copy constructor");
static_assert(!std::is_convertible<cef_window_info_t, CefWindowInfo>::value &&
                  !std::is_convertible<cef_main_args_t, CefMainArgs>::value,
              "the constructors from the C structs are explicit");
#if defined(OS_WIN)
static_assert(!std::is_convertible<HINSTANCE, CefMainArgs>::value,
              "CefMainArgs(HINSTANCE) is explicit");
#endif

// Reference counting.

static_assert(
    std::is_same<CefRefPtr<CefBrowser>, scoped_refptr<CefBrowser>>::value &&
        std::is_same<CefRawPtr<CefFrame>, CefFrame*>::value &&
        std::is_same<CefOwnPtr<CefBaseScoped>,
                     std::unique_ptr<CefBaseScoped>>::value,
    "pointer aliases");
static_assert(std::is_abstract<CefBaseRefCounted>::value &&
                  !std::is_destructible<CefBaseRefCounted>::value &&
                  std::has_virtual_destructor<CefBaseRefCounted>::value &&
                  std::has_virtual_destructor<CefBaseScoped>::value,
              "CefBaseRefCounted has a protected virtual destructor");
static_assert(!std::is_copy_constructible<CefRefCount>::value &&
                  !std::is_copy_assignable<CefRefCount>::value,
              "CefRefCount is not copyable");

// A downcast with static_cast compiles only through a non-virtual base.
template <typename Base, typename Derived, typename = void>
struct DerivesNonVirtually : std::false_type {};
template <typename Base, typename Derived>
struct DerivesNonVirtually<
    Base,
    Derived,
    std::void_t<decltype(static_cast<Derived*>(std::declval<Base*>()))>>
    : std::true_type {};

template <typename Derived>
constexpr bool IsHandler() {
  return std::is_base_of<CefBaseRefCounted, Derived>::value &&
         !DerivesNonVirtually<CefBaseRefCounted, Derived>::value;
}

static_assert(
    IsHandler<CefApp>() && IsHandler<CefBrowserProcessHandler>() &&
        IsHandler<CefClient>() && IsHandler<CefContextMenuHandler>() &&
        IsHandler<CefDisplayHandler>() && IsHandler<CefLifeSpanHandler>() &&
        IsHandler<CefLoadHandler>() && IsHandler<CefRequestHandler>() &&
        IsHandler<CefRequestContextHandler>() &&
        IsHandler<CefCookieVisitor>() && IsHandler<CefCompletionCallback>() &&
        IsHandler<CefViewDelegate>() && IsHandler<CefWindowDelegate>() &&
        IsHandler<CefBrowserViewDelegate>(),
    "handlers derive CefBaseRefCounted virtually");
static_assert(
    DerivesNonVirtually<CefBaseRefCounted, CefView>::value &&
        DerivesNonVirtually<CefView, CefPanel>::value &&
        DerivesNonVirtually<CefPanel, CefWindow>::value &&
        DerivesNonVirtually<CefView, CefBrowserView>::value &&
        DerivesNonVirtually<CefViewDelegate, CefPanelDelegate>::value &&
        DerivesNonVirtually<CefPanelDelegate, CefWindowDelegate>::value &&
        DerivesNonVirtually<CefViewDelegate, CefBrowserViewDelegate>::value,
    "the Views hierarchy");
static_assert(std::is_abstract<CefBrowser>::value &&
                  std::is_abstract<CefBrowserHost>::value &&
                  std::is_abstract<CefFrame>::value &&
                  std::is_abstract<CefRequestContext>::value &&
                  std::is_abstract<CefCookieManager>::value &&
                  std::is_abstract<CefValue>::value &&
                  std::is_abstract<CefWindow>::value,
              "library-side classes are abstract");

// Enumerations and typedefs.

static_assert(ERR_ABORTED == -3 && ERR_NAME_NOT_RESOLVED == -105 &&
                  ERR_INVALID_URL == -300 && ERR_INSECURE_RESPONSE == -501,
              "cef_errorcode_t");
static_assert(LOGSEVERITY_DEFAULT == 0 && LOGSEVERITY_DEBUG == 1 &&
                  LOGSEVERITY_VERBOSE == 1 && LOGSEVERITY_INFO == 2 &&
                  LOGSEVERITY_WARNING == 3 && LOGSEVERITY_ERROR == 4 &&
                  LOGSEVERITY_DISABLE == 99,
              "cef_log_severity_t");
static_assert(STATE_DEFAULT == 0 && STATE_ENABLED == 1 && STATE_DISABLED == 2,
              "cef_state_t");
static_assert(PLUGIN_POLICY_ALLOW == 0 && PLUGIN_POLICY_DETECT_IMPORTANT == 1 &&
                  PLUGIN_POLICY_BLOCK == 2 && PLUGIN_POLICY_DISABLE == 3,
              "cef_plugin_policy_t");
static_assert(WOD_UNKNOWN == 0 && WOD_IGNORE_ACTION == 9,
              "cef_window_open_disposition_t");
static_assert(PID_BROWSER == 0 && PID_RENDERER == 1, "cef_process_id_t");
static_assert(TID_UI == 0 && TID_FILE == TID_FILE_BACKGROUND &&
                  TID_FILE_USER_BLOCKING == 3 && TID_IO == 5 &&
                  TID_RENDERER == 6,
              "cef_thread_id_t");
static_assert(CM_TYPEFLAG_EDITABLE == 32, "cef_context_menu_type_flags_t");
static_assert(
    std::is_same<CefProcessId, cef_process_id_t>::value &&
        std::is_same<CefLifeSpanHandler::WindowOpenDisposition,
                     cef_window_open_disposition_t>::value &&
        std::is_same<CefLoadHandler::ErrorCode, cef_errorcode_t>::value &&
        std::is_same<CefRequestContextHandler::PluginPolicy,
                     cef_plugin_policy_t>::value &&
        std::is_same<CefRequestHandler::X509CertificateList,
                     std::vector<CefRefPtr<CefX509Certificate>>>::value &&
        std::is_same<CefContextMenuHandler::EventFlags,
                     cef_event_flags_t>::value,
    "member typedefs");

// The sample client.

const char kLogoutMarker[] = "logout=true";
const char kVersionMarker[] = "ZTV-Version: ";

class SampleHandler : public CefClient,
                      public CefContextMenuHandler,
                      public CefDisplayHandler,
                      public CefLifeSpanHandler,
                      public CefLoadHandler,
                      public CefRequestHandler {
 public:
  SampleHandler() {}

  CefRefPtr<CefContextMenuHandler> GetContextMenuHandler() OVERRIDE {
    return this;
  }
  CefRefPtr<CefDisplayHandler> GetDisplayHandler() OVERRIDE { return this; }
  CefRefPtr<CefLifeSpanHandler> GetLifeSpanHandler() OVERRIDE { return this; }
  CefRefPtr<CefLoadHandler> GetLoadHandler() OVERRIDE { return this; }
  CefRefPtr<CefRequestHandler> GetRequestHandler() OVERRIDE { return this; }

  void OnBeforeContextMenu(CefRefPtr<CefBrowser>,
                           CefRefPtr<CefFrame>,
                           CefRefPtr<CefContextMenuParams>,
                           CefRefPtr<CefMenuModel> model) OVERRIDE {
    model->Clear();
  }

  bool OnContextMenuCommand(CefRefPtr<CefBrowser>,
                            CefRefPtr<CefFrame>,
                            CefRefPtr<CefContextMenuParams>,
                            int,
                            EventFlags) OVERRIDE {
    return false;
  }

  void OnTitleChange(CefRefPtr<CefBrowser> browser,
                     const CefString& title) OVERRIDE {
    title_ = title;
    window_ = browser->GetHost()->GetWindowHandle();
#if defined(OS_WIN)
    SetWindowTextW(window_, title.c_str());
#endif
  }

  bool OnConsoleMessage(CefRefPtr<CefBrowser> browser,
                        cef_log_severity_t,
                        const CefString& message,
                        const CefString&,
                        int) OVERRIDE {
    const std::string text = message;
    if (text.compare(0, sizeof(kVersionMarker) - 1, kVersionMarker) == 0)
      browser->GetHost()->TryCloseBrowser();
    return false;
  }

  void OnAfterCreated(CefRefPtr<CefBrowser> browser) OVERRIDE {
    browser_list_.push_back(browser);
  }

  bool DoClose(CefRefPtr<CefBrowser>) OVERRIDE {
    return false;
  }

  void OnBeforeClose(CefRefPtr<CefBrowser> browser) OVERRIDE {
    for (auto it = browser_list_.begin(); it != browser_list_.end(); ++it) {
      if ((*it)->IsSame(browser)) {
        browser_list_.erase(it);
        break;
      }
    }
    if (browser_list_.empty())
      CefQuitMessageLoop();
  }

  void OnLoadError(CefRefPtr<CefBrowser>,
                   CefRefPtr<CefFrame> frame,
                   ErrorCode errorCode,
                   const CefString& errorText,
                   const CefString& failedUrl) OVERRIDE {
    if (errorCode == ERR_ABORTED)
      return;
    frame->LoadString("<html><body>" + errorText.ToString() + "</body></html>",
                      failedUrl);
  }

  bool OnBeforeBrowse(CefRefPtr<CefBrowser>,
                      CefRefPtr<CefFrame>,
                      CefRefPtr<CefRequest> request,
                      bool,
                      bool) OVERRIDE {
    if (request->GetURL().ToString().find(kLogoutMarker) != std::string::npos) {
      CefCookieManager::GetGlobalManager(nullptr)->DeleteCookies(
          "https://www.facebook.com", "", nullptr);
    }
    return false;
  }

  // Both bases declare WindowOpenDisposition, so it is ambiguous here.
  static_assert(std::is_same<CefRequestHandler::WindowOpenDisposition,
                             cef_window_open_disposition_t>::value,
                "WindowOpenDisposition");

  // Creates the request context on first use, under the object's lock.
  CefRefPtr<CefRequestContext> GetSharedContext(
      CefRefPtr<CefRequestContextHandler> handler) {
    AutoLock lock_scope(this);
    if (!request_context_) {
      request_context_ = CefRequestContext::CreateContext(
          CefRequestContext::GetGlobalContext(), handler);
    }
    return request_context_;
  }

 private:
  std::vector<CefRefPtr<CefBrowser>> browser_list_;
  CefRefPtr<CefRequestContext> request_context_;
  CefString title_;
  CefWindowHandle window_ = kNullWindowHandle;

  IMPLEMENT_REFCOUNTING(SampleHandler);
  IMPLEMENT_LOCKING(SampleHandler);
};

class SampleRequestContextHandler : public CefRequestContextHandler {
 public:
  SampleRequestContextHandler() {}

  bool OnBeforePluginLoad(const CefString& mime_type,
                          const CefString&,
                          bool,
                          const CefString&,
                          CefRefPtr<CefWebPluginInfo> plugin_info,
                          PluginPolicy* plugin_policy) OVERRIDE {
    if (mime_type.empty() && !plugin_info)
      return false;
    *plugin_policy = PLUGIN_POLICY_ALLOW;
    return true;
  }

  IMPLEMENT_REFCOUNTING(SampleRequestContextHandler);
};

class SampleWindowDelegate : public CefWindowDelegate {
 public:
  explicit SampleWindowDelegate(CefRefPtr<CefBrowserView> browser_view)
      : browser_view_(browser_view) {}

  void OnWindowCreated(CefRefPtr<CefWindow> window) OVERRIDE {
    window->AddChildView(browser_view_);
    window->SetTitle("Zentrova");
    window->CenterWindow(CefSize(1280, 800));
    window->Show();
    browser_view_->RequestFocus();
  }

  void OnWindowDestroyed(CefRefPtr<CefWindow>) OVERRIDE {
    browser_view_ = nullptr;
  }

  bool CanClose(CefRefPtr<CefWindow>) OVERRIDE {
    CefRefPtr<CefBrowser> browser = browser_view_->GetBrowser();
    if (browser)
      return browser->GetHost()->TryCloseBrowser();
    return true;
  }

 private:
  CefRefPtr<CefBrowserView> browser_view_;

  IMPLEMENT_REFCOUNTING(SampleWindowDelegate);
  DISALLOW_COPY_AND_ASSIGN(SampleWindowDelegate);
};

class SampleApp : public CefApp, public CefBrowserProcessHandler {
 public:
  SampleApp() {}

  CefRefPtr<CefBrowserProcessHandler> GetBrowserProcessHandler() OVERRIDE {
    return this;
  }

  void OnContextInitialized() OVERRIDE {
    CefRefPtr<SampleHandler> handler(new SampleHandler());
    CefRefPtr<CefRequestContext> context =
        handler->GetSharedContext(new SampleRequestContextHandler());

    CefRefPtr<CefValue> value = CefValue::Create();
    value->SetBool(true);
    CefString error;
    if (context->CanSetPreference("plugins.allow_outdated"))
      context->SetPreference("plugins.allow_outdated", value, error);

    CefBrowserSettings browser_settings;
    browser_settings.plugins = STATE_ENABLED;
    const CefString url = "https://example.com/login_standalone.html";

    if (CefCommandLine::GetGlobalCommandLine()->HasSwitch("use-views")) {
      CefRefPtr<CefBrowserView> browser_view =
          CefBrowserView::CreateBrowserView(handler, url, browser_settings,
                                            context, nullptr);
      CefWindow::CreateTopLevelWindow(new SampleWindowDelegate(browser_view));
      return;
    }

    CefWindowInfo window_info;
#if defined(OS_WIN)
    window_info.SetAsPopup(nullptr, "Zentrova");
#else
    window_info.SetAsChild(kNullWindowHandle, CefRect(0, 0, 1280, 800));
#endif
    CefBrowserHost::CreateBrowser(window_info, handler, url, browser_settings,
                                  context);
  }

  IMPLEMENT_REFCOUNTING(SampleApp);
};

int RunSampleClient(const CefMainArgs& main_args) {
  CefEnableHighDPISupport();
  CefRefPtr<SampleApp> app(new SampleApp());
  const int exit_code = CefExecuteProcess(main_args, app, nullptr);
  if (exit_code >= 0)
    return exit_code;

  CefSettings settings;
  settings.no_sandbox = true;
  settings.log_severity = LOGSEVERITY_DISABLE;
  CefString(&settings.cache_path) = "C:\\Users\\player\\AppData\\Roaming\\ZTV";
  CefInitialize(main_args, settings, app.get(), nullptr);
  CefRunMessageLoop();
  CefShutdown();
  return 0;
}

}  // namespace

// Entry point of the sample, as a program would call it from its main.
#if defined(OS_WIN)
int SampleMain(HINSTANCE instance) {
  CefMainArgs main_args(instance);
  return RunSampleClient(main_args);
}
#else
int SampleMain(int argc, char** argv) {
  const CefMainArgs& main_args = {argc, argv};
  return RunSampleClient(main_args);
}
#endif

// Value semantics of the strings, structs and pointers; returns true when
// all hold.
bool CheckValueSemantics() {
  bool ok = true;

  // Assignment through a temporary attached to a settings field writes into
  // the field, and CefSettings frees it.
  CefSettings settings;
  ok &= settings.size == sizeof(cef_settings_t);
  CefString(&settings.cache_path) = "profile";
  CefString(&settings.locale) = L"en-US";
  ok &= CefString(&settings.cache_path) == "profile";
  ok &= settings.cache_path.length == 7 && settings.cache_path.dtor;
  ok &= !CefString(&settings.cache_path).IsOwner();

  // Copies duplicate the strings.
  CefSettings copy(settings);
  ok &= copy.cache_path.str != settings.cache_path.str;
  ok &= CefString(&copy.cache_path).ToString() == "profile";

  // UTF-8 and wide round trips, and invalid UTF-8.
  const std::string utf8 = "Gr\xC3\xBC\xC3\x9F \xE2\x82\xAC \xF0\x9F\x98\x80";
  CefString text(utf8);
  ok &= text.length() == 9 && text.ToString() == utf8;
  ok &= CefString(text.ToWString()) == text;
  CefString invalid;
  ok &= !invalid.FromString(std::string("a\xFF") + "b");
  ok &= invalid.length() == 3 && invalid.c_str()[1] == 0xFFFD;

  // Copy, assignment and comparison.
  CefString other = text;
  ok &= other == text && !(other != text) && other.c_str() != text.c_str();
  other = "abc";
  ok &= other < CefString("abd") && other > CefString("ab") && other <= "abc" &&
        other >= "abc";
  CefString empty;
  ok &= empty.empty() && empty.c_str() == nullptr && empty.ToString().empty();
  ok &= CefString(static_cast<const char*>(nullptr)).empty();

  // Userfree strings.
  cef_string_userfree_t userfree = other.DetachToUserFree();
  ok &= other.empty();
  CefString adopted;
  adopted.AttachToUserFree(userfree);
  ok &= adopted == "abc";

  // Reference counting.
  CefRefPtr<CefClient> client(new SampleHandler());
  ok &= client->HasOneRef();
  CefRefPtr<CefClient> client_copy = client;
  ok &= !client->HasOneRef() && client_copy.get() == client.get();
  CefRefPtr<CefLifeSpanHandler> life_span = client->GetLifeSpanHandler();
  ok &= life_span.get() != nullptr && !client->GetDialogHandler();
  client_copy = nullptr;
  life_span = nullptr;
  ok &= client->HasOneRef() && client->HasAtLeastOneRef();

  // Geometry.
  ok &= CefSize().IsEmpty() && !CefSize(2, 3).IsEmpty();
  ok &= CefRect(0, 0, 10, 10).Contains(CefPoint(9, 9));
  ok &= CefRect(1, 2, 3, 4) == CefRect(cef_rect_t{1, 2, 3, 4});

  return ok;
}
