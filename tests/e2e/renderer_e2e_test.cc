// The game's renderer killed under it, as a crash or the out-of-memory
// killer would: the page comes back, and a renderer that keeps dying ends on
// the client's own page.
#include <signal.h>

#include "tests/e2e/e2e_test_base.h"
#include "tests/support/process_tree_linux.h"

namespace {

using RendererE2ETest = E2ETest;

// Kills every renderer of the client's tree; how many there were.
// Renderers are forked by Chromium's zygote and keep its command line, so
// they are the zygote processes whose parent is one too.
int KillRenderers(pid_t client) {
  const std::vector<ProcessInfo> tree = ReadProcessTree(client);
  auto is_zygote = [](const ProcessInfo& process) {
    return process.command_line.find("--type=zygote") != std::string::npos;
  };
  int killed = 0;
  for (const ProcessInfo& process : tree) {
    for (const ProcessInfo& parent : tree) {
      if (parent.pid == process.parent && is_zygote(parent) &&
          is_zygote(process)) {
        killed += kill(process.pid, SIGKILL) == 0;
      }
    }
  }
  return killed;
}

TEST_F(RendererE2ETest, KilledRendererReloadsThenStopsOnTheClientsPage) {
  auto client = install_.StartClient();
  const pid_t pid = static_cast<pid_t>(client->handle());
  for (int death = 1; death <= 3; ++death) {
    SCOPED_TRACE("death " + std::to_string(death));
    // A mark of this page's life, gone with a reload.
    const DevTools::Page page = WaitForPage("Zentrova - Login");
    ASSERT_EQ(devtools_.Evaluate(page, "window.ztvMark = 'alive'"), "alive")
        << install_.ClientLog();
    ASSERT_GT(KillRenderers(pid), 0);
    if (death < 3) {
      EXPECT_TRUE(WaitUntil(
          [&] {
            for (const DevTools::Page& again : devtools_.Pages()) {
              if (again.title == "Zentrova - Login" &&
                  devtools_.Evaluate(again, "typeof window.ztvMark") ==
                      "undefined") {
                return true;
              }
            }
            return false;
          },
          kTimeout))
          << install_.ClientLog();
    }
  }
  // Killed: status 1.
  EXPECT_TRUE(WaitUntil(
      [&] {
        for (const DevTools::Page& page : devtools_.Pages()) {
          if (devtools_.Evaluate(page, "document.body.innerHTML") ==
              "<h2>The game stopped unexpectedly (status 1). Please restart "
              "the application.</h2>") {
            return true;
          }
        }
        return false;
      },
      kTimeout))
      << install_.ClientLog();
  windows_.Close(windows_.WaitFor("", kTimeout));
  EXPECT_EQ(Finish(client.get()), 0);
}

}  // namespace
