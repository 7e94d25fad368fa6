#include "client/main/profile_folder.h"

#include <gtest/gtest.h>

#include "client/main/long_path_win.h"
#include "tests/support/test_files.h"

namespace {

TEST(ProfileFolderTest, FollowsAppData) {
  struct Case {
    const char* label;
    const char* appdata;  // UTF-8
    std::wstring folder;
  } const cases[] = {
      {"set", "D:\\Users\\A\\AppData\\Roaming",
       L"D:\\Users\\A\\AppData\\Roaming\\ZTV"},
      {"unset", nullptr, L""},
      {"non-ASCII kept in UTF-16", "C:\\Users\\Z\xC3\xA9na\\\xE2\x9C\x93",
       L"C:\\Users\\Z\u00e9na\\\u2713\\ZTV"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    ScopedEnvironment appdata("APPDATA", c.appdata);
    EXPECT_EQ(GetProfileFolderPath().native(), c.folder);
  }
}

// Every path the reset uses reaches Win32 whole, whatever its length.
TEST(ProfileFolderTest, PathsTakeTheExtendedLengthForm) {
  ScopedWorkingDirectory working(std::filesystem::temp_directory_path());
  const std::wstring here = std::filesystem::current_path().native();
  const std::wstring deep(300, L'd');
  struct Case {
    const wchar_t* given;
    std::wstring expected;
  } const cases[] = {
      {L"C:\\Users\\A\\ZTV", L"\\\\?\\C:\\Users\\A\\ZTV"},
      {L"C:/Users/A/./x/../ZTV", L"\\\\?\\C:\\Users\\A\\ZTV"},
      {L"version.ini", L"\\\\?\\" + here + L"\\version.ini"},
      {L"\\\\server\\share\\ZTV", L"\\\\?\\UNC\\server\\share\\ZTV"},
      {L"\\\\?\\C:\\already", L"\\\\?\\C:\\already"},
      {L"\\\\.\\pipe\\x", L"\\\\.\\pipe\\x"},
      {L"C:\\ZTV", L"\\\\?\\C:\\ZTV"},
      {L"C:\\a\\..", L"\\\\?\\C:\\"},
      // Names Win32 would clean up into another stay as they are.
      {L"C:\\ZTV\\Cookies.", L"\\\\?\\C:\\ZTV\\Cookies."},
      {L"C:\\ZTV\\Cookies ", L"\\\\?\\C:\\ZTV\\Cookies "},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::filesystem::path(c.given).u8string());
    EXPECT_EQ(ExtendedLengthPath(c.given), c.expected);
  }
  const std::wstring long_path = L"C:\\" + deep + L"\\ZTV";
  EXPECT_EQ(ExtendedLengthPath(long_path), L"\\\\?\\" + long_path);
}

}  // namespace
