#include "client/handler/client_handler.h"

#include <map>
#include <random>
#include <vector>

#include "client/handler/client_request_context_handler.h"
#include "client/handler/renderer_deaths.h"
#include "tests/client/client_test_base.h"

namespace {

using test_engine::engine;
using test_engine::FakeBrowser;
using test_engine::FakeMenuModel;
using test_engine::FakeRequest;

class ClientHandlerTest : public ClientTest {
 protected:
  // A Views window holding a browser view of |handler|'s, for |browser|.
  static CefRefPtr<test_engine::FakeWindow> ViewsWindowFor(
      CefRefPtr<ClientHandler> handler,
      CefRefPtr<FakeBrowser> browser) {
    CefRefPtr<CefBrowserView> view = CefBrowserView::CreateBrowserView(
        handler.get(), "about:blank", CefBrowserSettings(), nullptr, nullptr);
    engine().browser_views.back()->browser = browser.get();
    CefRefPtr<test_engine::FakeWindow> window =
        new test_engine::FakeWindow(nullptr);
    window->AddChildView(view);
    return window;
  }

  CefRefPtr<ClientHandler> handler_ = new ClientHandler(false);
};

TEST_F(ClientHandlerTest, GettersReturnTheHandlerOrNull) {
  CefRefPtr<CefClient> client = handler_.get();
  EXPECT_EQ(client->GetContextMenuHandler().get(),
            static_cast<CefContextMenuHandler*>(handler_.get()));
  EXPECT_EQ(client->GetDisplayHandler().get(),
            static_cast<CefDisplayHandler*>(handler_.get()));
  EXPECT_EQ(client->GetLifeSpanHandler().get(),
            static_cast<CefLifeSpanHandler*>(handler_.get()));
  EXPECT_EQ(client->GetLoadHandler().get(),
            static_cast<CefLoadHandler*>(handler_.get()));
  EXPECT_EQ(client->GetRequestHandler().get(),
            static_cast<CefRequestHandler*>(handler_.get()));
  EXPECT_EQ(client->GetDialogHandler(), nullptr);
  EXPECT_EQ(client->GetDownloadHandler(), nullptr);
  EXPECT_EQ(client->GetDragHandler(), nullptr);
  EXPECT_EQ(client->GetFindHandler(), nullptr);
  EXPECT_EQ(client->GetFocusHandler(), nullptr);
  EXPECT_EQ(client->GetJSDialogHandler(), nullptr);
  EXPECT_EQ(client->GetKeyboardHandler(), nullptr);
  EXPECT_EQ(client->GetRenderHandler(), nullptr);
  EXPECT_FALSE(
      client->OnProcessMessageReceived(nullptr, PID_RENDERER, nullptr));
}

TEST_F(ClientHandlerTest, ReferenceCountStartsAtZeroAndFreesAtZero) {
  ClientHandler* raw = new ClientHandler(true);
  EXPECT_FALSE(raw->HasAtLeastOneRef());
  {
    CefRefPtr<ClientHandler> first(raw);
    EXPECT_TRUE(raw->HasOneRef());
    CefRefPtr<ClientHandler> second(first);
    EXPECT_FALSE(raw->HasOneRef());
  }
  // The handler held nothing that outlives it: the next line would report
  // a leak or a double free under the sanitizers otherwise.
}

// The order in which browsers close must not matter: the loop is quit once,
// after the last of them.
TEST_F(ClientHandlerTest, QuitsOnlyWhenTheLastListedBrowserCloses) {
  struct Case {
    const char* label;
    std::vector<int> created;
    std::vector<int> closed;
    int quits_expected;
  } const cases[] = {
      {"one browser", {1}, {1}, 1},
      {"popup first", {1, 2}, {2, 1}, 1},
      {"main window first", {1, 2}, {1, 2}, 1},
      {"three, middle first", {1, 2, 3}, {2, 3, 1}, 1},
      {"unknown browser while others listed", {1, 2}, {9}, 0},
      {"one of two closed", {1, 2}, {1}, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    test_engine::Reset();
    CefRefPtr<ClientHandler> handler = new ClientHandler(false);
    std::vector<CefRefPtr<FakeBrowser>> browsers;
    for (int id : c.created) {
      browsers.push_back(new FakeBrowser(id, kNullWindowHandle));
      handler->OnAfterCreated(browsers.back().get());
    }
    for (int id : c.closed) {
      CefRefPtr<FakeBrowser> browser = new FakeBrowser(id, kNullWindowHandle);
      EXPECT_FALSE(handler->DoClose(browser.get()));
      EXPECT_TRUE(CallsStartingWith("CefQuitMessageLoop").empty());
      handler->OnBeforeClose(browser.get());
    }
    EXPECT_EQ(static_cast<int>(CallsStartingWith("CefQuitMessageLoop").size()),
              c.quits_expected);
  }
}

TEST_F(ClientHandlerTest, ListHoldsAReferenceUntilTheBrowserCloses) {
  CefRefPtr<FakeBrowser> browser = new FakeBrowser(1, kNullWindowHandle);
  handler_->OnAfterCreated(browser.get());
  EXPECT_FALSE(browser->HasOneRef());
  handler_->OnBeforeClose(browser.get());
  EXPECT_TRUE(browser->HasOneRef());
}

TEST_F(ClientHandlerTest, ViewsTitlesGoToTheCefWindow) {
  struct Case {
    const char* label;
    std::string title;
  } const cases[] = {{"page title", "Zentrova - Realm"},
                     {"empty title", ""},
                     {"non-ASCII", "Z\xC3\xA9ntrova \xE2\x9A\x94"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    test_engine::Reset();
    CefRefPtr<ClientHandler> handler = new ClientHandler(true);
    CefRefPtr<FakeBrowser> browser = new FakeBrowser(1, kNullWindowHandle);
    CefRefPtr<test_engine::FakeWindow> window =
        ViewsWindowFor(handler, browser);
    window->title = "before";
    handler->OnTitleChange(browser.get(), c.title);
    EXPECT_EQ(window->title, c.title);
  }
}

TEST_F(ClientHandlerTest, ViewsWindowFollowsThePagesFullscreen) {
  CefRefPtr<ClientHandler> handler = new ClientHandler(true);
  CefRefPtr<FakeBrowser> browser = new FakeBrowser(1, kNullWindowHandle);
  CefRefPtr<test_engine::FakeWindow> window = ViewsWindowFor(handler, browser);
  handler->OnFullscreenModeChange(browser.get(), true);
  handler->OnFullscreenModeChange(browser.get(), false);
  EXPECT_EQ(window->fullscreen_calls, (std::vector<bool>{true, false}));
}

TEST_F(ClientHandlerTest, ViewsTitleWithoutViewOrWindowIsDropped) {
  CefRefPtr<ClientHandler> handler = new ClientHandler(true);
  CefRefPtr<FakeBrowser> browser = new FakeBrowser(1, kNullWindowHandle);
  handler->OnTitleChange(browser.get(), "no view");
  CefBrowserView::CreateBrowserView(handler.get(), "about:blank",
                                    CefBrowserSettings(), nullptr, nullptr);
  engine().browser_views[0]->browser = browser.get();
  handler->OnTitleChange(browser.get(), "no window");
  EXPECT_TRUE(CallsStartingWith("Window::SetTitle").empty());
}

TEST_F(ClientHandlerTest, LoadErrorShowsTheEscapedPageInTheFailedFrame) {
  struct Case {
    const char* label;
    bool main_frame;
    int code;
    std::string url;
    std::string text;
    std::string page;
  } const cases[] = {
      {"name not resolved", true, ERR_NAME_NOT_RESOLVED,
       "https://play.example/", "ERR_NAME_NOT_RESOLVED",
       "<html><body bgcolor=\"white\"><h2>Failed to load URL "
       "https://play.example/ with error ERR_NAME_NOT_RESOLVED "
       "(-105).</h2></body></html>"},
      {"markup in URL and text", false, -2,
       "https://x/?a=<script>alert('1')</script>&b=\"c\"", "<b>&",
       "<html><body bgcolor=\"white\"><h2>Failed to load URL "
       "https://x/?a=&lt;script&gt;alert(&#39;1&#39;)&lt;/script&gt;&amp;b="
       "&quot;c&quot; with error &lt;b&gt;&amp; (-2).</h2></body></html>"},
      {"positive code", true, 7, "u", "t",
       "<html><body bgcolor=\"white\"><h2>Failed to load URL u with error t "
       "(7).</h2></body></html>"},
      {"UTF-8 passes through", true, -106, "https://b\xC3\xBC.example/",
       "\xE2\x80\x94",
       "<html><body bgcolor=\"white\"><h2>Failed to load URL "
       "https://b\xC3\xBC.example/ with error \xE2\x80\x94 "
       "(-106).</h2></body></html>"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    CefRefPtr<FakeBrowser> browser = new FakeBrowser(1, kNullWindowHandle);
    test_engine::FakeFrame* frame =
        c.main_frame ? browser->main_frame() : browser->sub_frame();
    handler_->OnLoadError(browser.get(), frame,
                          static_cast<cef_errorcode_t>(c.code), c.text, c.url);
    ASSERT_EQ(frame->loaded.size(), 1u);
    EXPECT_EQ(frame->loaded[0].html, c.page);
    EXPECT_EQ(frame->loaded[0].url, c.url);
    test_engine::FakeFrame* other =
        c.main_frame ? browser->sub_frame() : browser->main_frame();
    EXPECT_TRUE(other->loaded.empty());
  }
}

TEST_F(ClientHandlerTest, AbortedLoadLeavesTheFrameAlone) {
  CefRefPtr<FakeBrowser> browser = new FakeBrowser(1, kNullWindowHandle);
  handler_->OnLoadError(browser.get(), browser->main_frame(), ERR_ABORTED,
                        "ERR_ABORTED", "https://play.example/");
  EXPECT_TRUE(browser->main_frame()->loaded.empty());
}

// Random death times of two browsers against the rule stated plainly: a
// death is followed by a reload unless, at it or at any death of that
// browser before it, three deaths fell within less than a minute.
TEST(RendererDeathsTest, ReloadsUntilThreeDeathsFallWithinAMinute) {
  std::mt19937 random(20261209);
  const int gaps[] = {0, 1, 29, 30, 59, 60, 61, 120};
  for (int sequence = 0; sequence < 300; ++sequence) {
    RendererDeaths deaths;
    std::map<int, std::vector<int>> times;
    std::map<int, bool> given_up;
    int now = 0;
    for (int death = 0; death < 8; ++death) {
      now += gaps[random() % 8];
      const int browser = 1 + random() % 2;
      std::vector<int>& seen = times[browser];
      seen.push_back(now);
      int within = 0;
      for (int earlier : seen)
        within += now - earlier < 60;
      given_up[browser] = given_up[browser] || within >= 3;
      ASSERT_EQ(deaths.RecordDeath(browser, RendererDeaths::Clock::time_point(
                                                std::chrono::seconds(now))),
                !given_up[browser])
          << "sequence " << sequence << ", death " << death;
    }
    // A browser that closed starts again from nothing.
    deaths.Forget(1);
    EXPECT_TRUE(deaths.RecordDeath(1, RendererDeaths::Clock::time_point()));
  }
}

TEST_F(ClientHandlerTest, DeadRendererReloadsThenShowsTheStoppedPage) {
  CefRefPtr<FakeBrowser> browser = new FakeBrowser(1, kNullWindowHandle);
  browser->main_frame()->LoadURL("https://play.example/realm");
  handler_->OnAfterCreated(browser.get());
  for (int death = 1; death <= 2; ++death) {
    handler_->OnRenderProcessTerminated(browser.get(), TS_PROCESS_WAS_KILLED);
    EXPECT_EQ(browser->reload_calls, death);
  }
  EXPECT_TRUE(browser->main_frame()->loaded.empty());
  // The third within a minute: the built-in page, until the game restarts.
  for (int death = 3; death <= 4; ++death) {
    handler_->OnRenderProcessTerminated(browser.get(), TS_PROCESS_OOM);
    EXPECT_EQ(browser->reload_calls, 2);
    ASSERT_EQ(browser->main_frame()->loaded.size(), death - 2u);
    EXPECT_EQ(browser->main_frame()->loaded.back().html,
              "<html><body bgcolor=\"white\"><h2>The game stopped "
              "unexpectedly (status 3). Please restart the "
              "application.</h2></body></html>");
    EXPECT_EQ(browser->main_frame()->loaded.back().url,
              "https://play.example/realm");
  }
  EXPECT_TRUE(browser->sub_frame()->loaded.empty());

  // A browser on its way to closing is left to close.
  CefRefPtr<FakeBrowser> popup = new FakeBrowser(2, kNullWindowHandle);
  handler_->OnAfterCreated(popup.get());
  handler_->DoClose(popup.get());
  handler_->OnRenderProcessTerminated(popup.get(), TS_PROCESS_CRASHED);
  EXPECT_EQ(popup->reload_calls, 0);
  EXPECT_TRUE(popup->main_frame()->loaded.empty());
  handler_->OnBeforeClose(popup.get());
  handler_->OnBeforeClose(browser.get());
}

TEST_F(ClientHandlerTest, ContextMenuIsEmptiedAndNoCommandHandled) {
  CefRefPtr<FakeBrowser> browser = new FakeBrowser(1, kNullWindowHandle);
  CefRefPtr<FakeMenuModel> model = new FakeMenuModel();
  ASSERT_GT(model->GetCount(), 0);
  handler_->OnBeforeContextMenu(browser.get(), browser->main_frame(), nullptr,
                                model.get());
  EXPECT_EQ(model->GetCount(), 0);
  EXPECT_EQ(model->clear_calls, 1);
  EXPECT_FALSE(handler_->OnContextMenuCommand(browser.get(),
                                              browser->main_frame(), nullptr,
                                              MENU_ID_BACK, EVENTFLAG_NONE));
}

TEST_F(ClientHandlerTest, PluginPolicy) {
  struct Case {
    const char* label;
    std::string mime_type;
    bool decided;
  } const cases[] = {
      {"Flash is left to the content settings", "application/x-shockwave-flash",
       false},
      {"PDF viewer allowed", "application/pdf", true},
      {"empty type allowed", "", true},
      {"letter case counts", "application/X-Shockwave-Flash", true},
      {"prefix is another type", "application/x-shockwave-flash2", true},
  };
  CefRefPtr<ClientRequestContextHandler> policy =
      new ClientRequestContextHandler();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    cef_plugin_policy_t value = PLUGIN_POLICY_BLOCK;
    EXPECT_EQ(policy->OnBeforePluginLoad(c.mime_type, "https://x/a.swf", true,
                                         "https://x/", nullptr, &value),
              c.decided);
    EXPECT_EQ(value, c.decided ? PLUGIN_POLICY_ALLOW : PLUGIN_POLICY_BLOCK);
  }
  EXPECT_FALSE(policy->OnBeforePluginLoad("application/pdf", "", false, "",
                                          nullptr, nullptr));
}

TEST_F(ClientHandlerTest, OneRequestContextSharingTheGlobalOne) {
  CefRefPtr<CefRequestContext> first = handler_->GetRequestContext();
  CefRefPtr<CefRequestContext> second = handler_->GetRequestContext();
  ASSERT_TRUE(first);
  EXPECT_EQ(first.get(), second.get());
  ASSERT_EQ(engine().created_contexts.size(), 1u);
  const auto& context = engine().created_contexts[0];
  EXPECT_EQ(context->shared_with.get(),
            static_cast<CefRequestContext*>(engine().global_context.get()));
  EXPECT_NE(
      dynamic_cast<ClientRequestContextHandler*>(context->GetHandler().get()),
      nullptr);
}

TEST_F(ClientHandlerTest, MissingRequestContextIsAskedForAgain) {
  engine().no_request_context = true;
  EXPECT_FALSE(handler_->GetRequestContext());
  engine().no_request_context = false;
  EXPECT_TRUE(handler_->GetRequestContext());
  EXPECT_EQ(CallsStartingWith("CreateContext").size(), 2u);
}

TEST_F(ClientHandlerTest, LogoutPurgesTheSocialSiteHostCookies) {
  struct Case {
    const char* label;
    std::string url;
    bool purges;
  } const cases[] = {
      {"query", "https://play.example/logout.html?logout=true", true},
      {"fragment", "https://play.example/#logout=true", true},
      {"inside a longer name", "https://x/?dologout=trueish", true},
      {"in the path", "https://x/logout=true/page", true},
      {"other letter case", "https://x/?Logout=True", false},
      {"other value", "https://x/?logout=false", false},
      {"absent", "https://play.example/login_standalone.html", false},
      {"split by encoding", "https://x/?logout%3Dtrue", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    test_engine::Reset();
    CefRefPtr<FakeBrowser> browser = new FakeBrowser(1, kNullWindowHandle);
    CefRefPtr<FakeRequest> request = new FakeRequest(c.url);
    for (bool redirect : {false, true}) {
      EXPECT_FALSE(handler_->OnBeforeBrowse(
          browser.get(),
          redirect ? browser->sub_frame() : browser->main_frame(),
          request.get(), !redirect, redirect));
    }
    if (!c.purges) {
      EXPECT_TRUE(CallsStartingWith("GetGlobalManager").empty());
      continue;
    }
    // Every navigation with the marker purges again, redirects included.
    EXPECT_EQ(CallsStartingWith("GetGlobalManager"),
              std::vector<std::string>(2, "GetGlobalManager"));
    ASSERT_EQ(engine().cookie_manager->deletions.size(), 2u);
    for (const auto& deletion : engine().cookie_manager->deletions) {
      EXPECT_EQ(deletion.url, "https://www.facebook.com/");
      EXPECT_EQ(deletion.cookie_name, "");
      EXPECT_FALSE(deletion.had_callback);
    }
  }
}

TEST_F(ClientHandlerTest, LogoutWithoutCookieManagerStillNavigates) {
  engine().no_cookie_manager = true;
  CefRefPtr<FakeBrowser> browser = new FakeBrowser(1, kNullWindowHandle);
  CefRefPtr<FakeRequest> request = new FakeRequest("https://x/?logout=true");
  EXPECT_FALSE(handler_->OnBeforeBrowse(browser.get(), browser->main_frame(),
                                        request.get(), true, false));
  EXPECT_TRUE(CallsStartingWith("DeleteCookies").empty());
}

}  // namespace
