// What a page reports to the client: console messages, titles, navigations
// and load errors, and strings shown as pages.

#include "tests/qtcef/engine_test.h"

namespace {

// ctest selects qtcef's tests by the "qtcef" in their suite names.
using qtcef_Page = EngineTest;

const CefRect kBounds(0, 0, 640, 480);

TEST_F(qtcef_Page, ConsoleMessagesCarrySeveritySourceAndLine) {
  Initialize({}, false);
  const std::string url = WritePage("console.html",
                                    "<html><body><script>\n"
                                    "console.info('ztv-info');\n"
                                    "console.warn('ztv-warning');\n"
                                    "console.error('ztv-error');\n"
                                    "</script></body></html>\n");
  ASSERT_TRUE(OpenBrowser(url, kBounds));
  ASSERT_TRUE(RunUntil([&] { return client_->HasConsole("ztv-error"); }));

  std::vector<TestClient::ConsoleMessage> ours;
  for (const auto& message : client_->console) {
    if (message.message.rfind("ztv-", 0) == 0)
      ours.push_back(message);
  }
  ASSERT_EQ(ours.size(), 3u);
  EXPECT_EQ(ours[0].level, LOGSEVERITY_INFO);
  EXPECT_EQ(ours[1].level, LOGSEVERITY_WARNING);
  EXPECT_EQ(ours[2].level, LOGSEVERITY_ERROR);
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(ours[i].source, url);
    EXPECT_EQ(ours[i].line, i + 2);
  }
}

TEST_F(qtcef_Page, TitleChangesReachTheDisplayHandler) {
  Initialize({}, false);
  const std::string url =
      WritePage("title.html",
                "<title>First Title</title><script>setTimeout(function() {"
                "document.title = 'Second Title'; }, 100);</script>");
  ASSERT_TRUE(OpenBrowser(url, kBounds));
  ASSERT_TRUE(RunUntil([&] {
    return !client_->titles.empty() && client_->titles.back() == "Second Title";
  }));
  EXPECT_NE(
      std::find(client_->titles.begin(), client_->titles.end(), "First Title"),
      client_->titles.end());
}

TEST_F(qtcef_Page, OnBeforeBrowseSeesNavigationsAndTrueCancelsThem) {
  Initialize({}, false);
  const std::string blocked =
      WritePage("blocked.html", "<title>Blocked</title>");
  const std::string start = WritePage("start.html", "<title>Start</title>");
  client_->cancel_navigation = [&](CefRefPtr<CefRequest> request) {
    return request->GetURL().ToString() == blocked;
  };
  CefRefPtr<CefBrowser> browser = OpenBrowser(start, kBounds);
  ASSERT_TRUE(browser);
  ASSERT_TRUE(RunUntil([&] { return client_->load_ends > 0; }));
  EXPECT_EQ(client_->before_browse_urls.front(), start);

  browser->GetMainFrame()->LoadURL(blocked);
  ASSERT_TRUE(RunUntil([&] { return !client_->load_errors.empty(); }));
  EXPECT_EQ(client_->before_browse_urls.back(), blocked);
  const TestClient::LoadError& error = client_->load_errors.front();
  EXPECT_EQ(error.code, ERR_ABORTED);
  EXPECT_EQ(error.text, "ERR_ABORTED");
  EXPECT_EQ(error.url, blocked);
  EXPECT_TRUE(error.is_main);
  EXPECT_EQ(browser->GetMainFrame()->GetURL().ToString(), start);
  EXPECT_EQ(client_->titles.back(), "Start");
}

TEST_F(qtcef_Page, RefusedConnectionReportsChromiumsErrorCodeAndName) {
  // Port 1 is one Chromium refuses to use unless told otherwise, which also
  // shows that the process's switches reach Chromium.
  Initialize({"--explicitly-allowed-ports=1"}, false);
  const std::string url = "http://127.0.0.1:1/";
  ASSERT_TRUE(OpenBrowser(url, kBounds));
  ASSERT_TRUE(RunUntil([&] { return !client_->load_errors.empty(); }));
  const TestClient::LoadError& error = client_->load_errors.front();
  EXPECT_EQ(error.code, ERR_CONNECTION_REFUSED);
  EXPECT_EQ(error.text, "ERR_CONNECTION_REFUSED");
  EXPECT_EQ(error.url, url);
  EXPECT_TRUE(error.is_main);
}

TEST_F(qtcef_Page, LoadStringShowsTheHtmlAtTheGivenUrl) {
  Initialize({}, false);
  CefRefPtr<CefBrowser> browser = OpenBrowser("", kBounds);
  ASSERT_TRUE(browser);
  const std::string url = "http://zentrova.test/error-page";
  browser->GetMainFrame()->LoadString(
      "<html><body><p id='text'>Shown from a string</p></body></html>", url);
  ASSERT_TRUE(RunUntil([&] { return client_->load_ends > 0; }));
  EXPECT_EQ(browser->GetMainFrame()->GetURL().ToString(), url);
  EXPECT_EQ(client_->before_browse_urls.back(), url);

  browser->GetMainFrame()->ExecuteJavaScript(
      "console.log('read:' + document.getElementById('text').textContent +"
      "'@' + location.href);",
      "http://zentrova.test/probe.js", 0);
  ASSERT_TRUE(RunUntil([&] { return client_->HasConsole("read:"); }));
  EXPECT_TRUE(client_->HasConsole("read:Shown from a string@" + url));
  EXPECT_EQ(client_->console.back().source, "http://zentrova.test/probe.js");
}

}  // namespace
