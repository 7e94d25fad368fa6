// The game's fullscreen button: the page's request fills the screen with
// the game window, and leaving, by Escape or by the page, brings the window
// back to where it was; in the native window and in the Views window.
#include <X11/keysym.h>

#include "tests/e2e/e2e_test_base.h"

namespace {

using FullscreenE2ETest = E2ETest;

struct Place {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
  bool operator==(const Place& other) const {
    return x == other.x && y == other.y && width == other.width &&
           height == other.height;
  }
};

void PrintTo(const Place& place, std::ostream* out) {
  *out << place.width << "x" << place.height << "+" << place.x << "+"
       << place.y;
}

TEST_F(FullscreenE2ETest, PageFillsTheScreenAndComesBack) {
  for (const bool views : {false, true}) {
    SCOPED_TRACE(views ? "Views window" : "native window");
    auto client =
        install_.StartClient(views ? std::vector<std::string>{"--use-views"}
                                   : std::vector<std::string>{});
    const unsigned long window = windows_.WaitFor("Zentrova - Login", kTimeout);
    ASSERT_NE(window, 0u) << install_.ClientLog();
    const DevTools::Page page = WaitForPage("Zentrova - Login");
    const auto place_now = [&] {
      Place place;
      windows_.Geometry(window, &place.x, &place.y, &place.width,
                        &place.height);
      return place;
    };
    const auto wait_for = [&](const Place& expected, const char* element) {
      Place place;
      EXPECT_TRUE(WaitUntil(
          [&] {
            place = place_now();
            return place == expected &&
                   devtools_.Evaluate(page,
                                      "String(document.fullscreenElement && "
                                      "document.fullscreenElement.tagName)") ==
                       element;
          },
          kTimeout))
          << testing::PrintToString(place) << install_.ClientLog();
    };
    const Place windowed = place_now();
    const Place screen = {0, 0, 1920, 1080};
    ASSERT_FALSE(windowed == screen);
    // As the game's button does: a request with the player's gesture.
    const std::string enter =
        R"js({"expression":"document.documentElement.requestFullscreen()",)js"
        R"js("userGesture":true,"awaitPromise":true})js";

    devtools_.Call(page, "Runtime.evaluate", enter);
    wait_for(screen, "HTML");
    windows_.PressKey(window, XK_Escape);
    wait_for(windowed, "null");

    devtools_.Call(page, "Runtime.evaluate", enter);
    wait_for(screen, "HTML");
    devtools_.Evaluate(page, "document.exitFullscreen(); 'left'");
    wait_for(windowed, "null");

    windows_.Close(window);
    EXPECT_EQ(Finish(client.get()), 0);
  }
}

}  // namespace
