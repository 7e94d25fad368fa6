// Finds and closes the game's windows for the demo run without a display of
// its own: `find <seconds> <title-prefix>...` waits for a top-level window
// whose title starts with one of the prefixes and prints its id and title;
// `close <id>` asks it to close the way a window manager's close button
// does.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>
#include <vector>

#include "platform/x11_display_linux.h"

int main(int argc, char** argv) {
  const platform::X11Display display;
  if (!display.connected() || argc < 3) {
    std::fprintf(stderr,
                 "usage: %s find <seconds> <title-prefix>... | close <id>\n",
                 argv[0]);
    return 2;
  }
  const std::string command = argv[1];
  int status = 1;
  if (command == "find" && argc >= 4) {
    const auto deadline = std::chrono::steady_clock::now() +
                          std::chrono::seconds(std::atoi(argv[2]));
    while (status != 0 && std::chrono::steady_clock::now() < deadline) {
      for (int i = 3; i < argc && status != 0; ++i) {
        const std::vector<platform::XWindow> found =
            display.TopLevelWindows(argv[i]);
        if (!found.empty()) {
          std::printf("%lu %s\n", found[0], display.Title(found[0]).c_str());
          status = 0;
        }
      }
      if (status != 0)
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
  } else if (command == "close") {
    display.RequestClose(std::strtoul(argv[2], nullptr, 0));
    status = 0;
  }
  return status;
}
