// The real launcher and client on a real Chromium: window, icons, landing
// page, error page, context menu, ending, and the sub-process role.
#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <optional>

#include "tests/e2e/e2e_test_base.h"

namespace {

namespace fs = std::filesystem;

using ClientE2ETest = E2ETest;

TEST_F(ClientE2ETest, LauncherOpensTheGameWindow) {
  auto launcher = install_.StartLauncher();
  int launcher_exit = -1;
  ASSERT_TRUE(launcher->Wait(std::chrono::seconds(30), &launcher_exit));
  EXPECT_EQ(launcher_exit, 0);

  const unsigned long window = windows_.WaitFor("Zentrova - Login", kTimeout);
  ASSERT_NE(window, 0u) << install_.ClientLog();
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
  ASSERT_TRUE(windows_.Geometry(window, &x, &y, &width, &height));
  // 40 pixels from each edge of the 1920 x 1080 screen.
  EXPECT_EQ(x, 40);
  EXPECT_EQ(y, 40);
  EXPECT_EQ(width, 1840);
  EXPECT_EQ(height, 1000);

  // The 32 and then the 64 pixel image, given while the window was still
  // titled "Zentrova", and kept after the page retitled it.
  const std::vector<uint32_t> icons = windows_.Icons(window);
  ASSERT_EQ(icons.size(), 2u + 32 * 32 + 2u + 64 * 64);
  EXPECT_EQ(icons[0], 32u);
  EXPECT_EQ(icons[1], 32u);
  EXPECT_EQ(icons[2 + 32 * 32], 64u);
  EXPECT_EQ(icons[3 + 32 * 32], 64u);

  windows_.Close(window);
  EXPECT_TRUE(WaitUntil([&] { return !ClientRunning(install_); }, kTimeout));
  // The client made its profile folder where the platform says.
  EXPECT_TRUE(fs::exists(install_.profile() / "Cookies"));
}

TEST_F(ClientE2ETest, ClosingTheWindowEndsTheClientWithZero) {
  auto client = install_.StartClient();
  const unsigned long window = windows_.WaitFor("Zentrova - Login", kTimeout);
  ASSERT_NE(window, 0u) << install_.ClientLog();
  windows_.Close(window);
  EXPECT_EQ(Finish(client.get()), 0);
  EXPECT_FALSE(TopLevelWindowExists("ZTV - Client Update"));
  // Chromium will not run sandboxed as root, and the client says so once.
  const std::string log = install_.ClientLog();
  const std::string said =
      "ZTV: Chromium's sandbox is off: the client runs as root.";
  const size_t first = log.find(said);
  EXPECT_EQ(first != std::string::npos, geteuid() == 0) << log;
  EXPECT_EQ(log.find(said, first + 1), std::string::npos) << log;
}

TEST_F(ClientE2ETest, LandingPageFileIsHonoured) {
  install_.SetLandingPage(server_.Url("/popup.html"));
  auto client = install_.StartClient();
  const DevTools::Page page = WaitForPage("Zentrova - News");
  EXPECT_EQ(page.url, server_.Url("/popup.html"));
  const unsigned long window = windows_.WaitFor("Zentrova - News", kTimeout);
  ASSERT_NE(window, 0u);
  windows_.Close(window);
  EXPECT_EQ(Finish(client.get()), 0);
}

// A port of 127.0.0.1 that nothing listens on.
int ClosedPort() {
  const int fd = socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in address = {};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  socklen_t size = sizeof(address);
  bind(fd, reinterpret_cast<sockaddr*>(&address), size);
  getsockname(fd, reinterpret_cast<sockaddr*>(&address), &size);
  close(fd);
  return ntohs(address.sin_port);
}

TEST_F(ClientE2ETest, FailedLoadShowsTheEscapedErrorPage) {
  const std::string url =
      "http://127.0.0.1:" + std::to_string(ClosedPort()) + "/keep?a=1&b=2";
  install_.SetLandingPage(url);
  auto client = install_.StartClient();
  std::string html;
  ASSERT_TRUE(WaitUntil(
      [&] {
        for (const DevTools::Page& page : devtools_.Pages()) {
          html = devtools_.Evaluate(page, "document.documentElement.outerHTML");
          if (html.find("Failed to load URL") != std::string::npos)
            return true;
        }
        return false;
      },
      kTimeout))
      << install_.ClientLog();
  EXPECT_NE(html.find("<h2>Failed to load URL " + url.substr(0, url.find('&')) +
                      "&amp;b=2 with error ERR_CONNECTION_REFUSED "
                      "(-102).</h2>"),
            std::string::npos)
      << html;
  // The client's only window, whatever title the page gave it.
  const unsigned long window = windows_.WaitFor("", kTimeout);
  ASSERT_NE(window, 0u);
  windows_.Close(window);
  EXPECT_EQ(Finish(client.get()), 0);
}

// Each failing frame shows the client's page inside itself, whatever its
// depth or however it came; the page around it stays.
TEST_F(ClientE2ETest, FailedSubFrameShowsTheErrorPageInItselfOnly) {
  auto client = install_.StartClient();
  const DevTools::Page page = WaitForPage("Zentrova - Login");
  const std::string url =
      "http://127.0.0.1:" + std::to_string(ClosedPort()) + "/in?a=<b>&c=1";
  // A frame the page adds later, inside a frame of its own.
  ASSERT_EQ(devtools_.Evaluate(page,
                               "const outer = document.createElement('iframe');"
                               "outer.srcdoc = '<iframe src=\"" +
                                   url +
                                   "\"></iframe>';"
                                   "document.body.appendChild(outer); 'added'"),
            "added");
  const std::vector<std::string> expected = {
      // The demo's own frame, on a port Chromium refuses.
      "<h2>Failed to load URL http://127.0.0.1:1/unreachable.html with "
      "error ERR_UNSAFE_PORT (-312).</h2>",
      "<iframe src=\"" + url.substr(0, url.find('&')) + "&amp;c=1\"></iframe>",
      // Chromium's own form of the URL, escaped for the page.
      "<h2>Failed to load URL " + url.substr(0, url.find('<')) +
          "%3Cb%3E&amp;c=1 with error ERR_CONNECTION_REFUSED (-102).</h2>"};
  std::vector<std::string> shown;
  EXPECT_TRUE(WaitUntil(
      [&] {
        shown = devtools_.EvaluateInSubFrames(page, "document.body.innerHTML");
        return shown == expected;
      },
      kTimeout))
      << testing::PrintToString(shown) << install_.ClientLog();
  EXPECT_EQ(devtools_.Evaluate(page, "document.title"), "Zentrova - Login");
  windows_.Close(windows_.WaitFor("Zentrova - Login", kTimeout));
  EXPECT_EQ(Finish(client.get()), 0);
}

TEST_F(ClientE2ETest, RightClickOpensNoMenu) {
  auto client = install_.StartClient();
  const unsigned long window = windows_.WaitFor("Zentrova - Login", kTimeout);
  ASSERT_NE(window, 0u);
  ASSERT_FALSE(WaitForPage("Zentrova - Login").socket_path.empty());
  const int before = windows_.OverrideRedirectCount();
  windows_.RightClick(window);
  // A menu would be a new window that bypasses the window manager.
  EXPECT_FALSE(
      WaitUntil([&] { return windows_.OverrideRedirectCount() > before; },
                std::chrono::seconds(3)));
  windows_.Close(window);
  EXPECT_EQ(Finish(client.get()), 0);
}

TEST_F(ClientE2ETest, PageTextIsLoggedEscapedAndEngineChatterIsOff) {
  struct Case {
    const char* label;
    std::optional<std::string> logging_rules;
    bool engine_dump;
  } const cases[] = {
      {"by default", std::nullopt, false},
      {"asked for", "qt.webenginecontext.info=true", true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    install_.SetEnvironment("QT_LOGGING_RULES", c.logging_rules);
    auto client = install_.StartClient();
    const DevTools::Page page = WaitForPage("Zentrova - Login");
    devtools_.Evaluate(page, "console.error('ztv-page\\u001b[2J\\rtext')");
    EXPECT_TRUE(WaitUntil(
        [&] {
          return install_.ClientLog().find("ztv-page") != std::string::npos;
        },
        kTimeout));
    windows_.Close(windows_.WaitFor("Zentrova - Login", kTimeout));
    EXPECT_EQ(Finish(client.get()), 0);
    const std::string log = install_.ClientLog();
    EXPECT_NE(log.find("js: ztv-page\\x1b[2J\\x0dtext"), std::string::npos)
        << log;
    EXPECT_EQ(log.find_first_of("\x1b\r"), std::string::npos);
    EXPECT_EQ(log.find("GL Type") != std::string::npos, c.engine_dump);
    EXPECT_EQ(log.find("Sandboxing disabled"), std::string::npos);
  }
}

TEST_F(ClientE2ETest, SubProcessRoleEndsAtOnceWritingNothing) {
  auto client = install_.StartClient({"--type=renderer"});
  EXPECT_EQ(Finish(client.get()), 0);
  EXPECT_FALSE(windows_.WaitFor("Zentrova", std::chrono::seconds(2)));
  EXPECT_FALSE(fs::exists(install_.profile()));
  std::vector<std::string> files;
  for (const auto& entry : fs::directory_iterator(install_.bin()))
    files.push_back(entry.path().filename());
  std::sort(files.begin(), files.end());
  EXPECT_EQ(files,
            (std::vector<std::string>{"client_version.ini", "game.ztv",
                                      "landing_page.ini", "version.ini"}));
}

}  // namespace
