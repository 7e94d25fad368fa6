// Turns the recording engine into a scripted one for the Windows client
// program built for tests: CreateBrowser opens a real native window from
// the client's window description, and the message loop replays page events
// from the file named by ZTV_PAGE_SCRIPT, one a line:
//   console <message>   the page logs <message>
//   title <title>       the page's title changes
//   record <file>       writes the window's title, rectangle, style and icon
//                       sizes to <file>
//   close               the player closes the window
//   wait <file>         the page stays until <file> exists (at most a minute)
//   crash <status>      the page's renderer ends with CEF's termination
//                       status <status>
//   page <file>         writes how often the page was reloaded and the last
//                       page loaded into its main frame to <file>
//   fullscreen <0|1>    the page leaves or enters fullscreen
//   count <file>        appends the handles open and the windows of this
//                       thread to <file>, a line each time
// A process whose command line carries --type= is a CEF sub-process and
// ends at once with 0.
#include <windows.h>

#include <cstdlib>
#include <fstream>
#include <string>

#include "tests/engine/test_engine.h"
#include "tests/support/resource_count_win.h"

namespace {

using test_engine::engine;
using test_engine::FakeBrowser;

CefRefPtr<FakeBrowser> g_browser;
HWND g_window = nullptr;

void CloseBrowser(FakeBrowser* browser) {
  CefRefPtr<CefLifeSpanHandler> life_span =
      engine().created_browsers[0].client->GetLifeSpanHandler();
  if (life_span->DoClose(browser))
    return;
  DestroyWindow(g_window);
  g_window = nullptr;
  life_span->OnBeforeClose(browser);
}

int IconWidth(int which) {
  const HICON icon =
      reinterpret_cast<HICON>(SendMessageW(g_window, WM_GETICON, which, 0));
  ICONINFO info = {};
  if (!icon || !GetIconInfo(icon, &info))
    return 0;
  BITMAP bitmap = {};
  GetObjectW(info.hbmColor, sizeof(bitmap), &bitmap);
  DeleteObject(info.hbmColor);
  DeleteObject(info.hbmMask);
  return bitmap.bmWidth;
}

void RecordWindow(const std::string& file) {
  wchar_t title[256] = {};
  GetWindowTextW(g_window, title, 256);
  RECT rect = {};
  GetWindowRect(g_window, &rect);
  std::ofstream out(file, std::ios::binary);
  out << "title=" << CefString(title).ToString() << "\n"
      << "rect=" << rect.left << "," << rect.top << "," << rect.right << ","
      << rect.bottom << "\n"
      << "style=" << std::hex << GetWindowLongW(g_window, GWL_STYLE) << std::dec
      << "\n"
      << "visible=" << (IsWindowVisible(g_window) ? 1 : 0) << "\n"
      << "small_icon=" << IconWidth(ICON_SMALL) << "\n"
      << "big_icon=" << IconWidth(ICON_BIG) << "\n";
}

// Keeps the window answering while it waits, as a page that stays would.
void WaitForFile(const std::string& file) {
  const std::wstring path = CefString(file).ToWString();
  for (int tick = 0; tick < 600 && GetFileAttributesW(path.c_str()) ==
                                       INVALID_FILE_ATTRIBUTES;
       ++tick) {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
    Sleep(100);
  }
}

void OpenNativeWindow() {
  const test_engine::CreatedBrowser& created = engine().created_browsers[0];
  const CefWindowInfo& info = created.window_info;
  WNDCLASSW window_class = {};
  window_class.lpfnWndProc = DefWindowProcW;
  window_class.hInstance = GetModuleHandleW(nullptr);
  window_class.lpszClassName = L"ZtvScriptedBrowser";
  RegisterClassW(&window_class);
  const std::wstring name = CefString(&info.window_name).ToWString();
  g_window = CreateWindowExW(info.ex_style, L"ZtvScriptedBrowser", name.c_str(),
                             info.style, info.x, info.y, info.width,
                             info.height, info.parent_window, info.menu,
                             GetModuleHandleW(nullptr), nullptr);
  g_browser = new FakeBrowser(1, g_window);
  created.client->GetLifeSpanHandler()->OnAfterCreated(g_browser.get());
  // CEF asks for the handler again once the window exists.
  engine().app->GetBrowserProcessHandler();
}

void ReplayScript() {
  engine().app->GetBrowserProcessHandler()->OnContextInitialized();
  if (!g_browser)
    return;
  CefRefPtr<CefClient> client = engine().created_browsers[0].client;
  const char* script = std::getenv("ZTV_PAGE_SCRIPT");
  std::ifstream lines(script ? script : "");
  std::string line;
  while (!engine().quit_requested && std::getline(lines, line)) {
    const size_t space = line.find(' ');
    const std::string verb = line.substr(0, space);
    const std::string rest =
        space == std::string::npos ? "" : line.substr(space + 1);
    if (verb == "console") {
      client->GetDisplayHandler()->OnConsoleMessage(
          g_browser.get(), LOGSEVERITY_INFO, rest, "page.js", 1);
    } else if (verb == "title") {
      client->GetDisplayHandler()->OnTitleChange(g_browser.get(), rest);
    } else if (verb == "record") {
      RecordWindow(rest);
    } else if (verb == "close") {
      CloseBrowser(g_browser.get());
    } else if (verb == "wait") {
      WaitForFile(rest);
    } else if (verb == "crash") {
      client->GetRequestHandler()->OnRenderProcessTerminated(
          g_browser.get(),
          static_cast<cef_termination_status_t>(std::atoi(rest.c_str())));
    } else if (verb == "fullscreen") {
      client->GetDisplayHandler()->OnFullscreenModeChange(g_browser.get(),
                                                          rest == "1");
    } else if (verb == "count") {
      std::ofstream(rest, std::ios::binary | std::ios::app)
          << CountOpenHandles() << " " << CountThreadWindows() << "\n";
    } else if (verb == "page") {
      const auto& loaded = g_browser->main_frame()->loaded;
      std::ofstream out(rest, std::ios::binary);
      out << "reloads=" << g_browser->reload_calls << "\n"
          << "page=" << (loaded.empty() ? "" : loaded.back().html) << "\n";
    }
  }
  if (!engine().quit_requested && g_window)
    CloseBrowser(g_browser.get());
  g_browser = nullptr;
}

struct ScriptedEngine {
  ScriptedEngine() {
    if (wcsstr(GetCommandLineW(), L"--type="))
      engine().execute_process_result = 0;
    engine().after_create_browser = OpenNativeWindow;
    engine().on_try_close = CloseBrowser;
    engine().message_loop = ReplayScript;
  }
} g_scripted_engine;

}  // namespace
