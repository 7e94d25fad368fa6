#include "client/app/client_app.h"

#include "client/app/landing_page.h"
#include "client/handler/client_handler.h"
#include "client/handler/client_request_context_handler.h"
#include "tests/client/client_test_base.h"
#include "tests/client/window_description.h"

namespace {

using test_engine::engine;

class BrowserCreationTest : public ClientTest {
 protected:
  CefRefPtr<ClientApp> app_ = new ClientApp();
};

TEST_F(BrowserCreationTest, UseViewsSwitchChoosesTheWindowFramework) {
  struct Case {
    const char* label;
    std::vector<std::string> switches;
    bool no_command_line;
    bool views;
  } const cases[] = {
      {"no switch", {}, false, false},
      {"switch", {"use-views"}, false, true},
      {"switch with a value", {"use-views=0"}, false, true},
      {"other switches only", {"no-sandbox", "use-viewsx"}, false, false},
      {"no command line", {}, true, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    test_engine::Reset();
    engine().switches = c.switches;
    engine().no_command_line = c.no_command_line;
    app_->OnContextInitialized();
    EXPECT_EQ(CallsStartingWith("CreateBrowserView").size(), c.views ? 1u : 0u);
    EXPECT_EQ(CallsStartingWith("CreateBrowser").size() -
                  CallsStartingWith("CreateBrowserView").size(),
              c.views ? 0u : 1u);
  }
}

TEST_F(BrowserCreationTest, HandsItselfOutAsTheBrowserProcessHandler) {
  CefRefPtr<CefBrowserProcessHandler> handler =
      app_->GetBrowserProcessHandler();
  EXPECT_EQ(handler.get(), static_cast<CefBrowserProcessHandler*>(app_.get()));
  CefRefPtr<CefApp> as_app = app_.get();
  EXPECT_EQ(as_app->GetRenderProcessHandler(), nullptr);
  EXPECT_EQ(as_app->GetResourceBundleHandler(), nullptr);
  EXPECT_EQ(handler->GetPrintHandler(), nullptr);
}

TEST_F(BrowserCreationTest, NativePathCallsInOrder) {
  app_->CreateBrowserWindow(false);
  const std::vector<std::string> expected = {
      "GetGlobalManager",
      "GetGlobalContext",
      "CreateContext shared",
      "CefValue::Create",
      "CefValue::Create",
      "SetPreference profile.default_content_setting_values.plugins",
      "SetPreference plugins.run_all_flash_in_allow_mode",
      "SetPreference plugins.allow_outdated",
      "SetPreference webkit.webprefs.plugins_enabled",
      "CreateBrowser",
  };
  EXPECT_EQ(engine().calls, expected);
}

TEST_F(BrowserCreationTest, PreferencesTakeTwoSharedValues) {
  app_->CreateBrowserWindow(false);
  ASSERT_EQ(engine().created_contexts.size(), 1u);
  const auto& prefs = engine().created_contexts[0]->preferences;
  ASSERT_EQ(prefs.size(), 4u);
  EXPECT_EQ(prefs[0].type, VTYPE_INT);
  EXPECT_EQ(prefs[0].int_value, 1);
  for (size_t i = 1; i < prefs.size(); ++i) {
    EXPECT_EQ(prefs[i].type, VTYPE_BOOL) << prefs[i].name;
    EXPECT_TRUE(prefs[i].bool_value) << prefs[i].name;
    EXPECT_EQ(prefs[i].value.get(), prefs[1].value.get()) << prefs[i].name;
  }
  EXPECT_NE(prefs[0].value.get(), prefs[1].value.get());
}

TEST_F(BrowserCreationTest, BrowserGetsTheSettingsHandlerAndContext) {
  app_->CreateBrowserWindow(false);
  ASSERT_EQ(engine().created_browsers.size(), 1u);
  const auto& created = engine().created_browsers[0];
  EXPECT_EQ(created.plugins, STATE_ENABLED);
  EXPECT_EQ(created.webgl, STATE_ENABLED);
  EXPECT_EQ(created.url, DefaultLandingPage());
  EXPECT_EQ(created.url, "https://" ZTV_GAME_HOST "/login_standalone.html");
  auto* handler = dynamic_cast<ClientHandler*>(created.client.get());
  ASSERT_NE(handler, nullptr);
  EXPECT_EQ(created.request_context.get(), handler->GetRequestContext().get());
  EXPECT_EQ(engine().created_contexts.size(), 1u);
}

TEST_F(BrowserCreationTest, WindowIsInsetFromTheDesktop) {
  app_->CreateBrowserWindow(false);
  ASSERT_EQ(engine().created_browsers.size(), 1u);
  const CefWindowInfo& info = engine().created_browsers[0].window_info;
  // The tests run on a 1920 x 1080 display.
  EXPECT_EQ(static_cast<int>(info.x), 40);
  EXPECT_EQ(static_cast<int>(info.y), 40);
  EXPECT_EQ(static_cast<int>(info.width), 1840);
  EXPECT_EQ(static_cast<int>(info.height), 1000);
  EXPECT_TRUE(info.parent_window == kNullWindowHandle);
  EXPECT_EQ(info.windowless_rendering_enabled, 0);
  ExpectPlatformWindowDescription(info);
}

TEST_F(BrowserCreationTest, MissingEngineObjectsStillCreateTheBrowser) {
  struct Case {
    const char* label;
    bool no_context;
    bool no_value;
    bool no_cookie_manager;
    size_t preferences;
  } const cases[] = {
      {"no request context", true, false, false, 0},
      {"no value objects", false, true, false, 0},
      {"no cookie manager", false, false, true, 4},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    test_engine::Reset();
    engine().no_request_context = c.no_context;
    engine().no_value = c.no_value;
    engine().no_cookie_manager = c.no_cookie_manager;
    app_->CreateBrowserWindow(false);
    ASSERT_EQ(engine().created_browsers.size(), 1u);
    EXPECT_EQ(CallsStartingWith("SetPreference").size(), c.preferences);
    // Without a context of its own the browser uses the global one.
    EXPECT_EQ(engine().created_browsers[0].request_context.get() == nullptr,
              c.no_context);
    EXPECT_TRUE(CallsStartingWith("CefQuitMessageLoop").empty());
  }
}

// A failed browser or browser view ends the client instead of leaving it
// running without a window.
TEST_F(BrowserCreationTest, FailedCreationEndsTheMessageLoopOnceItRuns) {
  for (bool use_views : {false, true}) {
    SCOPED_TRACE(use_views);
    test_engine::Reset();
    engine().create_browser_result = false;
    engine().no_browser_view = true;
    // As in CEF, the browser is created before the loop runs.
    app_->CreateBrowserWindow(use_views);
    EXPECT_EQ(CallsStartingWith("CefPostTask"),
              std::vector<std::string>{"CefPostTask 0"});
    EXPECT_TRUE(engine().windows.empty());
    bool loop_body_ran = false;
    engine().message_loop = [&] { loop_body_ran = true; };
    CefRunMessageLoop();
    EXPECT_EQ(CallsStartingWith("CefQuitMessageLoop").size(), 1u);
    EXPECT_TRUE(engine().quit_requested);
    EXPECT_FALSE(loop_body_ran);
  }
}

TEST_F(BrowserCreationTest, KeepsNoReferenceOfItsOwn) {
  app_->CreateBrowserWindow(false);
  ASSERT_EQ(engine().created_browsers.size(), 1u);
  CefRefPtr<CefClient> client = engine().created_browsers[0].client;
  engine().created_browsers.clear();
  EXPECT_TRUE(client->HasOneRef());
}

TEST_F(BrowserCreationTest, LandingPageFile) {
  const std::string fallback = DefaultLandingPage();
  struct Case {
    const char* label;
    const char* content;  // null: no file
    std::string url;
  } const cases[] = {
      {"no file", nullptr, fallback},
      {"URL", "http://127.0.0.1:8080/login_standalone.html",
       "http://127.0.0.1:8080/login_standalone.html"},
      {"URL and more text", "http://a/ more text", "http://a/"},
      {"URL on the second line", "\nhttp://b/\n", "http://b/"},
      {"CRLF", "\r\nhttp://c/\r\n", "http://c/"},
      {"empty", "", fallback},
      {"whitespace only", " \t\r\n\v\f", fallback},
      {"byte-order mark kept", "\xEF\xBB\xBFhttp://d/",
       "\xEF\xBB\xBFhttp://d/"},
      {"non-ASCII word", "http://z\xC3\xA9ntrova.example/",
       "http://z\xC3\xA9ntrova.example/"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    test_engine::Reset();
    std::filesystem::remove("landing_page.ini");
    if (c.content)
      WriteFileBytes("landing_page.ini", c.content);
    app_->CreateBrowserWindow(false);
    ASSERT_EQ(engine().created_browsers.size(), 1u);
    // Decoded as UTF-8 on the way to CEF, and back here.
    EXPECT_EQ(engine().created_browsers[0].url, c.url);
  }
}

TEST_F(BrowserCreationTest, LandingPageFileOutsideTheWorkingDirectoryIsUnseen) {
  std::filesystem::create_directory("bin");
  WriteFileBytes("bin/landing_page.ini", "http://elsewhere/");
  app_->CreateBrowserWindow(false);
  ASSERT_EQ(engine().created_browsers.size(), 1u);
  EXPECT_EQ(engine().created_browsers[0].url, DefaultLandingPage());
}

TEST_F(BrowserCreationTest, ViewsPathUsesTheGlobalContextAndNoPreferences) {
  WriteFileBytes("landing_page.ini", "http://views/");
  app_->CreateBrowserWindow(true);
  EXPECT_TRUE(CallsStartingWith("SetPreference").empty());
  EXPECT_TRUE(CallsStartingWith("CreateContext").empty());
  EXPECT_TRUE(engine().created_browsers.empty());
  ASSERT_EQ(engine().browser_views.size(), 1u);
  const auto& view = engine().browser_views[0];
  EXPECT_EQ(view->url, "http://views/");
  EXPECT_EQ(view->request_context, nullptr);
  EXPECT_EQ(view->delegate, nullptr);
  ASSERT_EQ(engine().windows.size(), 1u);
  // The window shows the view, focused.
  EXPECT_EQ(engine().windows[0]->children.size(), 1u);
  EXPECT_EQ(engine().windows[0]->show_calls, 1);
  EXPECT_EQ(view->focus_requests, 1);
}

}  // namespace
