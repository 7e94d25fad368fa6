#ifndef TESTS_E2E_E2E_TEST_BASE_H_
#define TESTS_E2E_E2E_TEST_BASE_H_

#include <gtest/gtest.h>

#include <memory>

#include "tests/e2e/client_install.h"
#include "tests/support/demo_server.h"
#include "tests/support/devtools_linux.h"
#include "tests/support/dialog.h"
#include "tests/support/x11_windows_linux.h"

// The real client in a fresh install, against the demo game server, on the
// test's X display.
class E2ETest : public testing::Test {
 protected:
  static constexpr auto kTimeout = std::chrono::seconds(90);

  // The server announces |web_version| and the install holds version 1 and
  // client version 1.0.0.0.
  explicit E2ETest(const std::string& web_version = "1")
      : server_("1.0.0.0", web_version), devtools_(install_.debugging_port()) {}

  void SetUp() override {
    ASSERT_TRUE(server_.started());
    ASSERT_TRUE(windows_.connected()) << "these tests need an X display";
    install_.SetVersions("1", "1.0.0.0");
    install_.SetLandingPage(server_.Url("/login_standalone.html"));
  }

  // Waits for the client's exit and returns its code; -1 on time-out.
  int Finish(ChildProcess* client) {
    int exit_code = -1;
    EXPECT_TRUE(client->Wait(kTimeout, &exit_code)) << install_.ClientLog();
    return exit_code;
  }

  // Waits for the client's exit, pressing OK on each notice it shows on the
  // way, whose titles go to |notices|. Returns the exit code; -1 on time-out.
  int FinishWithNotices(ChildProcess* client,
                        std::vector<std::string>* notices) {
    const auto deadline = std::chrono::steady_clock::now() + kTimeout;
    int exit_code = -1;
    while (std::chrono::steady_clock::now() < deadline) {
      for (const char* title :
           {"ZTV - Client Update", "ZTV - Error", "ZTV - Client Outdated"}) {
        DialogInfo box;
        if (TopLevelWindowExists(title) &&
            ReadAndDismissDialog(title, std::chrono::seconds(5), &box)) {
          notices->push_back(title);
        }
      }
      if (client->Wait(std::chrono::milliseconds(200), &exit_code))
        return exit_code;
    }
    ADD_FAILURE() << "the client did not end\n" << install_.ClientLog();
    return -1;
  }

  // The player closes the game window once it shows, and presses OK on each
  // notice; returns their titles. The client must end with 0.
  std::vector<std::string> CloseAndFinish(ChildProcess* client) {
    const unsigned long window = windows_.WaitFor("Zentrova - ", kTimeout);
    EXPECT_NE(window, 0u) << install_.ClientLog();
    windows_.Close(window);
    std::vector<std::string> notices;
    EXPECT_EQ(FinishWithNotices(client, &notices), 0);
    return notices;
  }

  // The page the client shows whose title starts with |title|, once it is
  // there.
  DevTools::Page WaitForPage(const std::string& title) {
    DevTools::Page found;
    WaitUntil(
        [&] {
          for (const DevTools::Page& page : devtools_.Pages()) {
            if (page.title.rfind(title, 0) == 0) {
              found = page;
              return true;
            }
          }
          return false;
        },
        kTimeout);
    return found;
  }

  DemoServer server_;
  ClientInstall install_;
  X11Windows windows_;
  DevTools devtools_;
};

#endif  // TESTS_E2E_E2E_TEST_BASE_H_
