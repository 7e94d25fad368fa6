// CefExecuteProcess: a sub-process has nothing to run, and the browser
// process carries on.

#include <unistd.h>

#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>

#include "gtest/gtest.h"
#include "include/cef_app.h"
#include "include/cef_command_line.h"

namespace {

TEST(qtcef_ExecuteProcess, SubProcessReturnsZeroAtOnceLeavingNoTrace) {
  QTemporaryDir dir;
  char cwd[4096];
  ASSERT_TRUE(getcwd(cwd, sizeof(cwd)));
  ASSERT_EQ(chdir(dir.path().toLocal8Bit().constData()), 0);
  std::string program = "game.ztv", type = "--type=renderer";
  char* argv[] = {program.data(), type.data(), nullptr};
  EXPECT_EQ(CefExecuteProcess(CefMainArgs(2, argv), nullptr, nullptr), 0);
  EXPECT_EQ(QCoreApplication::instance(), nullptr);
  EXPECT_TRUE(
      QDir(dir.path())
          .isEmpty(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot));
  ASSERT_EQ(chdir(cwd), 0);
}

TEST(qtcef_ExecuteProcess, BrowserProcessReturnsMinusOne) {
  std::string program = "game.ztv", flag = "--no-sandbox";
  char* argv[] = {program.data(), flag.data(), nullptr};
  EXPECT_EQ(CefExecuteProcess(CefMainArgs(2, argv), nullptr, nullptr), -1);
  EXPECT_TRUE(CefCommandLine::GetGlobalCommandLine()->HasSwitch("no-sandbox"));
}

}  // namespace
