// The switches that reach Qt WebEngine.

#include "qtcef/src/process/chromium_flags.h"
#include "gtest/gtest.h"

namespace {

TEST(qtcef_ChromiumFlags, JoinsSwitchesAsChromiumWritesThem) {
  EXPECT_EQ(qtcef::JoinSwitches({{"no-sandbox", ""}, {"lang", "de"}}),
            "--lang=de --no-sandbox");
}

TEST(qtcef_ChromiumFlags, AddedSwitchesAreNewOrChanged) {
  const qtcef::SwitchMap added = qtcef::AddedSwitches(
      {{"a", "1"}, {"b", "2"}}, {{"a", "1"}, {"b", "3"}, {"c", ""}});
  EXPECT_EQ(added, qtcef::SwitchMap({{"b", "3"}, {"c", ""}}));
}

TEST(qtcef_ChromiumFlags, SettingsBecomeSwitches) {
  CefSettings settings;
  settings.no_sandbox = 1;
  settings.remote_debugging_port = 9222;
  CefString(&settings.locale) = "fr";
  EXPECT_EQ(qtcef::SettingsSwitches(settings),
            qtcef::SwitchMap({{"no-sandbox", ""},
                              {"remote-debugging-port", "9222"},
                              {"lang", "fr"}}));
}

}  // namespace
