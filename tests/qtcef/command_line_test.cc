// CefCommandLine parses switches as Chromium does on POSIX.

#include "gtest/gtest.h"
#include "include/cef_command_line.h"

namespace {

CefRefPtr<CefCommandLine> Parse(std::vector<const char*> argv) {
  CefRefPtr<CefCommandLine> command_line = CefCommandLine::CreateCommandLine();
  command_line->InitFromArgv(static_cast<int>(argv.size()), argv.data());
  return command_line;
}

TEST(qtcef_CommandLine, ReadsSwitchesWithAndWithoutValues) {
  CefRefPtr<CefCommandLine> command_line =
      Parse({"/opt/ztv/bin/game.ztv", "--no-sandbox", "--lang=de-DE",
             "-single-dash=1", "page.html", "--empty="});
  EXPECT_EQ(command_line->GetProgram().ToString(), "/opt/ztv/bin/game.ztv");
  EXPECT_TRUE(command_line->HasSwitch("no-sandbox"));
  EXPECT_EQ(command_line->GetSwitchValue("no-sandbox").ToString(), "");
  EXPECT_EQ(command_line->GetSwitchValue("lang").ToString(), "de-DE");
  EXPECT_EQ(command_line->GetSwitchValue("single-dash").ToString(), "1");
  EXPECT_TRUE(command_line->HasSwitch("empty"));
  EXPECT_FALSE(command_line->HasSwitch("lang=de-DE"));
  EXPECT_FALSE(command_line->HasSwitch("missing"));
  CefCommandLine::ArgumentList arguments;
  command_line->GetArguments(arguments);
  ASSERT_EQ(arguments.size(), 1u);
  EXPECT_EQ(arguments[0].ToString(), "page.html");
}

TEST(qtcef_CommandLine, StopsReadingSwitchesAfterDoubleDash) {
  CefRefPtr<CefCommandLine> command_line =
      Parse({"prog", "--a", "--", "--b", "c"});
  EXPECT_TRUE(command_line->HasSwitch("a"));
  EXPECT_FALSE(command_line->HasSwitch("b"));
  CefCommandLine::ArgumentList arguments;
  command_line->GetArguments(arguments);
  ASSERT_EQ(arguments.size(), 3u);
  EXPECT_EQ(arguments[1].ToString(), "--b");
}

TEST(qtcef_CommandLine, AppendsSwitchesBeforeArguments) {
  CefRefPtr<CefCommandLine> command_line = Parse({"prog", "arg"});
  command_line->AppendSwitch("flag");
  command_line->AppendSwitchWithValue("key", "value");
  EXPECT_EQ(command_line->GetCommandLineString().ToString(),
            "prog --flag --key=value arg");
  command_line->PrependWrapper("gdb --args");
  EXPECT_EQ(command_line->GetProgram().ToString(), "gdb");
  EXPECT_TRUE(command_line->HasSwitch("key"));
}

TEST(qtcef_CommandLine, GlobalCommandLineIsReadOnly) {
  CefRefPtr<CefCommandLine> global = CefCommandLine::GetGlobalCommandLine();
  EXPECT_TRUE(global->IsReadOnly());
  global->AppendSwitch("ztv-test");
  EXPECT_FALSE(global->HasSwitch("ztv-test"));
  CefRefPtr<CefCommandLine> copy = global->Copy();
  EXPECT_FALSE(copy->IsReadOnly());
}

}  // namespace
