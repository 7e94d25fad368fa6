// The Windows installer as a player's machine runs it, under Wine in a Wine
// prefix of its own: what it installs, its shortcuts and their working
// folder, its Add/Remove Programs entry, the game started from a shortcut,
// an upgrade, and an uninstall that leaves the player's profile alone.
#include <windows.h>

#include <aclapi.h>
#include <objbase.h>
#include <shellapi.h>
#include <shlobj.h>
#include <shobjidl.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <iostream>
#include <map>
#include <string>
#include <vector>

#include "launcher/install_trust_win.h"
#include "launcher/launch_command.h"
#include "tests/support/dialog.h"
#include "tests/support/test_files.h"

namespace {

namespace fs = std::filesystem;
using std::chrono::seconds;

const wchar_t kUninstallKey[] =
    L"Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Zentrova";

fs::path KnownFolder(int csidl) {
  wchar_t path[MAX_PATH] = {};
  SHGetFolderPathW(nullptr, csidl, nullptr, SHGFP_TYPE_CURRENT, path);
  return path;
}

fs::path StartMenuShortcut() {
  return KnownFolder(CSIDL_COMMON_PROGRAMS) / L"Zentrova.lnk";
}

fs::path DesktopShortcut() {
  return KnownFolder(CSIDL_COMMON_DESKTOPDIRECTORY) / L"Zentrova.lnk";
}

// Runs |command_line| and waits for it; false when it could not start.
bool RunAndWait(std::wstring command_line, DWORD* exit_code) {
  STARTUPINFOW startup = {};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION process = {};
  // Once in some hundred starts, Wine fails to start a program right after
  // the last one ended; that failure alone is tried once more, and said.
  for (int attempt = 1;
       !CreateProcessW(nullptr, command_line.data(), nullptr, nullptr, FALSE, 0,
                       nullptr, nullptr, &startup, &process);
       ++attempt) {
    const DWORD error = GetLastError();
    std::cout << "Wine did not start a program (error " << error << ")"
              << (attempt == 1 ? "; trying once more" : "") << std::endl;
    if (attempt == 2)
      return false;
    Sleep(500);
  }
  WaitForSingleObject(process.hProcess, 120000);
  GetExitCodeProcess(process.hProcess, exit_code);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return true;
}

// A value of the uninstall entry, or empty.
std::wstring UninstallValue(const wchar_t* name) {
  wchar_t value[1024] = {};
  DWORD size = sizeof(value);
  if (RegGetValueW(HKEY_LOCAL_MACHINE, kUninstallKey, name, RRF_RT_REG_SZ,
                   nullptr, value, &size) != ERROR_SUCCESS) {
    return std::wstring();
  }
  return value;
}

bool UninstallEntryExists() {
  HKEY key = nullptr;
  if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, kUninstallKey, 0, KEY_READ, &key) !=
      ERROR_SUCCESS) {
    return false;
  }
  RegCloseKey(key);
  return true;
}

// Whether the elevated launcher would trust |path|: only administrators, the
// system or the user running the test may change it.
bool LauncherWouldTrust(const fs::path& path) {
  HANDLE token = nullptr;
  if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token))
    return false;
  alignas(TOKEN_USER) BYTE user[256];
  DWORD size = 0;
  const bool known =
      GetTokenInformation(token, TokenUser, user, sizeof(user), &size);
  CloseHandle(token);
  PSECURITY_DESCRIPTOR descriptor = nullptr;
  if (!known ||
      GetNamedSecurityInfoW(
          path.c_str(), SE_FILE_OBJECT,
          OWNER_SECURITY_INFORMATION | DACL_SECURITY_INFORMATION, nullptr,
          nullptr, nullptr, nullptr, &descriptor) != ERROR_SUCCESS) {
    return false;
  }
  const bool trusted = OnlyTrustedMayChange(
      descriptor, reinterpret_cast<TOKEN_USER*>(user)->User.Sid);
  LocalFree(descriptor);
  return trusted;
}

// Every path under |folder|, relative to it.
std::vector<std::string> TreeEntries(const fs::path& folder) {
  std::vector<std::string> entries;
  for (const auto& entry : fs::recursive_directory_iterator(folder))
    entries.push_back(entry.path().lexically_relative(folder).u8string());
  std::sort(entries.begin(), entries.end());
  return entries;
}

// Every file under |folder| with its bytes, by path relative to it.
std::map<std::string, std::string> TreeContents(const fs::path& folder) {
  std::map<std::string, std::string> contents;
  for (const auto& entry : fs::recursive_directory_iterator(folder)) {
    if (entry.is_regular_file()) {
      contents[entry.path().lexically_relative(folder).u8string()] =
          ReadFileBytes(entry.path());
    }
  }
  return contents;
}

// Each of |files| is in its place in |folder| or set aside, with its bytes.
void ExpectInPlaceOrSetAside(const fs::path& folder,
                             const std::map<std::string, std::string>& files) {
  auto holds = [](const fs::path& file, const std::string& bytes) {
    return fs::exists(file) && ReadFileBytes(file) == bytes;
  };
  for (const auto& [path, bytes] : files) {
    EXPECT_TRUE(holds(folder / fs::u8path(path), bytes) ||
                holds(folder / L".setup-old" / fs::u8path(path), bytes))
        << path;
  }
}

struct Shortcut {
  fs::path target;
  fs::path working_directory;
};

Shortcut ReadShortcut(const fs::path& link) {
  Shortcut shortcut;
  IShellLinkW* shell_link = nullptr;
  if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER,
                              IID_IShellLinkW,
                              reinterpret_cast<void**>(&shell_link)))) {
    return shortcut;
  }
  IPersistFile* file = nullptr;
  if (SUCCEEDED(shell_link->QueryInterface(IID_IPersistFile,
                                           reinterpret_cast<void**>(&file)))) {
    if (SUCCEEDED(file->Load(link.c_str(), STGM_READ))) {
      wchar_t path[MAX_PATH] = {};
      if (SUCCEEDED(shell_link->GetPath(path, MAX_PATH, nullptr, 0)))
        shortcut.target = path;
      if (SUCCEEDED(shell_link->GetWorkingDirectory(path, MAX_PATH)))
        shortcut.working_directory = path;
    }
    file->Release();
  }
  shell_link->Release();
  return shortcut;
}

class InstallerTest : public testing::Test {
 protected:
  static void SetUpTestSuite() { CoInitialize(nullptr); }

  void TearDown() override {
    if (fs::exists(folder_ / L"uninstall.exe"))
      Uninstall();
  }

  // Runs |installer| silently, into |folder| or the default folder, and
  // returns its exit code.
  DWORD RunInstaller(const char* installer, const fs::path& folder) {
    std::wstring command =
        L"\"" + BuildTreePath(installer).wstring() + L"\" /S";
    if (!folder.empty())
      command += L" /D=" + folder.wstring();
    DWORD exit_code = 1;
    EXPECT_TRUE(RunAndWait(command, &exit_code));
    return exit_code;
  }

  void Install(const char* installer, const fs::path& folder = fs::path()) {
    EXPECT_EQ(RunInstaller(installer, folder), 0u);
    folder_ = folder.empty() ? KnownFolder(CSIDL_PROGRAM_FILES) / L"Zentrova"
                             : folder;
  }

  // The silent uninstall runs from a copy of itself, so the test waits for
  // what it removes.
  void Uninstall() {
    DWORD exit_code = 1;
    ASSERT_TRUE(RunAndWait(
        L"\"" + (folder_ / L"uninstall.exe").wstring() + L"\" /S", &exit_code));
    EXPECT_EQ(exit_code, 0u);
    // Removing its entry is the uninstaller's last step.
    EXPECT_TRUE(
        WaitUntil([&] { return !UninstallEntryExists(); }, seconds(60)));
  }

  fs::path folder_;
};

TEST_F(InstallerTest, InstallsTheGameForEveryUser) {
  Install(ZTV_INSTALLER_PATH);
  EXPECT_TRUE(fs::exists(folder_ / L"ZTV.exe"));
  EXPECT_TRUE(fs::exists(folder_ / L"uninstall.exe"));
  EXPECT_EQ(ReadFileBytes(folder_ / L"bin" / L"client_version.ini"),
            ZTV_VERSION);
  EXPECT_EQ(ReadFileBytes(folder_ / L"bin" / L"version.ini"), "0");

  for (const fs::path& link : {StartMenuShortcut(), DesktopShortcut()}) {
    SCOPED_TRACE(link.u8string());
    const Shortcut shortcut = ReadShortcut(link);
    EXPECT_TRUE(fs::equivalent(shortcut.target, folder_ / L"ZTV.exe"));
    EXPECT_TRUE(fs::equivalent(shortcut.working_directory, folder_));
  }

  EXPECT_EQ(UninstallValue(L"DisplayName"), L"Zentrova");
  EXPECT_EQ(UninstallValue(L"DisplayVersion"), fs::path(ZTV_VERSION).wstring());
  EXPECT_FALSE(UninstallValue(L"Publisher").empty());
  EXPECT_EQ(UninstallValue(L"DisplayIcon"),
            (folder_ / L"ZTV.exe").wstring() + L",0");
  EXPECT_EQ(UninstallValue(L"UninstallString"),
            L"\"" + (folder_ / L"uninstall.exe").wstring() + L"\"");
  DWORD size_kb = 0;
  DWORD size = sizeof(size_kb);
  EXPECT_EQ(RegGetValueW(HKEY_LOCAL_MACHINE, kUninstallKey, L"EstimatedSize",
                         RRF_RT_REG_DWORD, nullptr, &size_kb, &size),
            ERROR_SUCCESS);
  EXPECT_GT(size_kb, 0u);
}

TEST_F(InstallerTest, ShortcutStartsTheGameFromItsBinFolder) {
  // A folder of the player's choosing, with a space in its name; the test
  // installer's client is a probe.
  Install(ZTV_INSTALLER_PATH,
          KnownFolder(CSIDL_PROGRAM_FILES) / L"Zentrova Game");
  TempDir dir;
  const fs::path record = dir.path() / "record";
  WriteFileBytes(dir.path() / "release", "");
  ScopedEnvironment record_variable("ZTV_PROBE_RECORD",
                                    record.u8string().c_str());
  ScopedEnvironment release_variable(
      "ZTV_PROBE_RELEASE", (dir.path() / "release").u8string().c_str());

  // What a double click on the shortcut does.
  SHELLEXECUTEINFOW execute = {};
  execute.cbSize = sizeof(execute);
  execute.fMask = SEE_MASK_NOCLOSEPROCESS;
  const std::wstring link = DesktopShortcut().wstring();
  execute.lpFile = link.c_str();
  execute.nShow = SW_SHOWNORMAL;
  ASSERT_TRUE(ShellExecuteExW(&execute));
  if (execute.hProcess)
    CloseHandle(execute.hProcess);

  ASSERT_TRUE(WaitUntil([&] { return fs::exists(record); }, seconds(60)));
  const std::string text = ReadFileBytes(record);
  const size_t cwd_end = text.find('\n');
  const size_t program_end = text.find('\n', cwd_end + 1);
  ASSERT_NE(program_end, std::string::npos) << text;
  EXPECT_TRUE(
      fs::equivalent(fs::u8path(text.substr(0, cwd_end)), folder_ / L"bin"))
      << text;
  EXPECT_TRUE(fs::equivalent(
      fs::u8path(text.substr(cwd_end + 1, program_end - cwd_end - 1)),
      folder_ / L"bin" / L"game.ztv"))
      << text;
  EXPECT_EQ(text.substr(program_end + 1),
            std::string(kClientFolderPrefix) + "game.ztv" + kClientSwitches);
  EXPECT_TRUE(WaitUntil([&] { return fs::exists(record.u8string() + ".done"); },
                        seconds(60)));
}

// A folder of another program's that everyone may write, say: the install
// takes it over for administrators alone.
TEST_F(InstallerTest, MakesTheFolderAdministratorsOnly) {
  const fs::path folder = KnownFolder(CSIDL_PROGRAM_FILES) / L"Zentrova Open";
  fs::create_directories(folder);
  ASSERT_TRUE(OpenToEveryone(folder));
  ASSERT_FALSE(LauncherWouldTrust(folder));
  Install(ZTV_INSTALLER_PATH, folder);
  for (const fs::path& path : {folder, folder / L"ZTV.exe", folder / L"bin",
                               folder / L"bin" / L"game.ztv"}) {
    EXPECT_TRUE(LauncherWouldTrust(path)) << path.u8string();
  }
}

// Two setups at once would delete each other's stage and set-aside files.
TEST_F(InstallerTest, ASecondSetupAtOnceEndsUnchanged) {
  Install(ZTV_OLDER_INSTALLER_PATH);
  const HANDLE other = CreateMutexW(nullptr, FALSE, L"Global\\ZentrovaSetup");
  ASSERT_NE(other, nullptr);
  EXPECT_EQ(RunInstaller(ZTV_INSTALLER_PATH, folder_), 5u);
  DWORD exit_code = 0;
  ASSERT_TRUE(RunAndWait(L"\"" + (folder_ / L"uninstall.exe").wstring() +
                             L"\" /S _?=" + folder_.wstring(),
                         &exit_code));
  EXPECT_EQ(exit_code, 5u);
  CloseHandle(other);
  EXPECT_EQ(ReadFileBytes(folder_ / L"bin" / L"client_version.ini"), "0.9.0.0");
  EXPECT_EQ(UninstallValue(L"DisplayVersion"), L"0.9.0.0");
}

TEST_F(InstallerTest, InstallsOnlyUnderProgramFiles) {
  for (const fs::path& folder :
       {fs::path(L"C:\\Games\\Zentrova"),
        KnownFolder(CSIDL_PROGRAM_FILES) / L"..\\Zentrova"}) {
    SCOPED_TRACE(folder.u8string());
    EXPECT_EQ(RunInstaller(ZTV_INSTALLER_PATH, folder), 2u);
    EXPECT_FALSE(fs::exists(folder / L"ZTV.exe"));
    EXPECT_FALSE(UninstallEntryExists());
  }
}

TEST_F(InstallerTest, UpgradeReplacesEveryFileButTheRecordedWebVersion) {
  const fs::path folder = KnownFolder(CSIDL_PROGRAM_FILES) / L"Zentrova Up";
  Install(ZTV_OLDER_INSTALLER_PATH, folder);
  EXPECT_EQ(ReadFileBytes(folder_ / L"bin" / L"client_version.ini"), "0.9.0.0");
  EXPECT_TRUE(fs::exists(folder_ / L"bin" / L"retired.dat"));
  // The player's client has recorded the server's web version.
  WriteFileBytes(folder_ / L"bin" / L"version.ini", "77");

  Install(ZTV_INSTALLER_PATH, folder);
  EXPECT_EQ(ReadFileBytes(folder_ / L"bin" / L"version.ini"), "77");
  // What only the older version had is gone, and nothing is left aside.
  EXPECT_FALSE(fs::exists(folder_ / L"bin" / L"retired.dat"));
  EXPECT_FALSE(fs::exists(folder_ / L".setup-old"));
  EXPECT_FALSE(fs::exists(folder_ / L".setup-new"));
  EXPECT_FALSE(fs::exists(folder_ / L".setup-journal"));
  EXPECT_EQ(ReadFileBytes(folder_ / L"bin" / L"client_version.ini"),
            ZTV_VERSION);
  EXPECT_EQ(UninstallValue(L"DisplayVersion"), fs::path(ZTV_VERSION).wstring());
  EXPECT_TRUE(fs::equivalent(UninstallValue(L"InstallLocation"), folder));
}

// While the game plays, the silent upgrade and uninstall change nothing and
// say so in their exit codes.
TEST_F(InstallerTest, APlayingClientStopsUpgradeAndUninstallUnchanged) {
  const fs::path folder = KnownFolder(CSIDL_PROGRAM_FILES) / L"Zentrova Busy";
  Install(ZTV_OLDER_INSTALLER_PATH, folder);
  // The older version's client, scripted, started from its shortcut's
  // launcher, stays until the test lets it go.
  TempDir dir;
  const fs::path release = dir.path() / "release";
  WriteFileBytes(dir.path() / "script.txt",
                 "title Zentrova - Realm\nwait " + release.u8string() + "\n");
  ScopedEnvironment script("ZTV_PAGE_SCRIPT",
                           (dir.path() / "script.txt").u8string().c_str());
  DWORD launcher_exit = 1;
  ASSERT_TRUE(RunAndWait(L"\"" + (folder_ / L"ZTV.exe").wstring() + L"\"",
                         &launcher_exit));
  EXPECT_EQ(launcher_exit, 0u);
  ASSERT_TRUE(WaitUntil([] { return TopLevelWindowExists("Zentrova - Realm"); },
                        seconds(60)));

  EXPECT_EQ(RunInstaller(ZTV_INSTALLER_PATH, folder), 3u);
  EXPECT_EQ(ReadFileBytes(folder_ / L"bin" / L"client_version.ini"), "0.9.0.0");
  EXPECT_TRUE(fs::exists(folder_ / L"bin" / L"retired.dat"));
  EXPECT_EQ(UninstallValue(L"DisplayVersion"), L"0.9.0.0");

  // Run in place, the uninstaller's exit code is its own.
  DWORD exit_code = 0;
  ASSERT_TRUE(RunAndWait(L"\"" + (folder_ / L"uninstall.exe").wstring() +
                             L"\" /S _?=" + folder_.wstring(),
                         &exit_code));
  EXPECT_EQ(exit_code, 3u);
  EXPECT_TRUE(UninstallEntryExists());
  EXPECT_TRUE(fs::exists(folder_ / L"ZTV.exe"));

  WriteFileBytes(release, "");
  EXPECT_TRUE(WaitUntil(
      [] { return !TopLevelWindowExists("Zentrova - Realm"); }, seconds(60)));
  fs::remove_all(KnownFolder(CSIDL_APPDATA) / L"ZTV");
}

// An install cut off after any step (a power loss, say): the next run first
// puts back the version before, or, when the new one was already whole,
// only cleans up. Until then every file of the version before is in its
// place or set aside, never lost.
TEST_F(InstallerTest, TheRunAfterACutOffInstallPutsOneVersionBackWhole) {
  const fs::path folder = KnownFolder(CSIDL_PROGRAM_FILES) / L"Zentrova Cut";
  auto install_older = [&] {
    Install(ZTV_OLDER_INSTALLER_PATH, folder);
    WriteFileBytes(folder_ / L"bin" / L"version.ini", "77");
    return TreeContents(folder_);
  };
  install_older();
  Install(ZTV_STOPPING_INSTALLER_PATH, folder);
  const std::map<std::string, std::string> newer = TreeContents(folder_);
  Uninstall();

  // After each step it was cut off at, what the next run left: "older",
  // "newer", or "mixed".
  std::vector<std::string> put_right;
  for (int step = 1;; ++step) {
    SCOPED_TRACE("cut off after step " + std::to_string(step));
    const std::map<std::string, std::string> older = install_older();
    DWORD exit_code = 0;
    {
      ScopedEnvironment stop("ZTV_SETUP_STOP_AFTER",
                             std::to_string(step).c_str());
      exit_code = RunInstaller(ZTV_STOPPING_INSTALLER_PATH, folder);
    }
    if (exit_code == 0u)
      break;
    ASSERT_EQ(exit_code, 99u);
    ExpectInPlaceOrSetAside(folder_, older);
    // The next run, stopped right after it has put things right.
    {
      ScopedEnvironment stop("ZTV_SETUP_STOP_AFTER", "0");
      EXPECT_EQ(RunInstaller(ZTV_STOPPING_INSTALLER_PATH, folder), 99u);
    }
    const std::map<std::string, std::string> after = TreeContents(folder_);
    put_right.push_back(after == older   ? "older"
                        : after == newer ? "newer"
                                         : "mixed");
    Uninstall();
  }
  // Every file moved, then the mark that the new version is whole: up to
  // that mark the version before comes back, after it the new one stays.
  ASSERT_GT(put_right.size(), newer.size());
  std::vector<std::string> expected(put_right.size() - 1, "older");
  expected.push_back("newer");
  EXPECT_EQ(put_right, expected);
}

// An install that fails and cannot put the version before back says the
// install is damaged; the next run puts that version back whole.
TEST_F(InstallerTest, AFailedUndoSaysTheInstallIsDamagedAndIsMendedNextRun) {
  Install(ZTV_OLDER_INSTALLER_PATH,
          KnownFolder(CSIDL_PROGRAM_FILES) / L"Zentrova Damaged");
  WriteFileBytes(folder_ / L"bin" / L"version.ini", "77");
  const std::map<std::string, std::string> older = TreeContents(folder_);
  {
    ScopedEnvironment fail("ZTV_SETUP_FAIL_AFTER", "4");
    ScopedEnvironment undo("ZTV_SETUP_UNDO_FAILS", "1");
    EXPECT_EQ(RunInstaller(ZTV_STOPPING_INSTALLER_PATH, folder_), 6u);
  }
  ExpectInPlaceOrSetAside(folder_, older);
  ScopedEnvironment stop("ZTV_SETUP_STOP_AFTER", "0");
  EXPECT_EQ(RunInstaller(ZTV_STOPPING_INSTALLER_PATH, folder_), 99u);
  EXPECT_EQ(TreeContents(folder_), older);
}

// A script uninstalls in place and installs again before the restart; the
// restart must not take the new install's uninstaller, nor anything else.
TEST_F(InstallerTest, AReinstallBeforeTheRestartKeepsItsUninstaller) {
  Install(ZTV_INSTALLER_PATH);
  DWORD exit_code = 1;
  ASSERT_TRUE(RunAndWait(L"\"" + (folder_ / L"uninstall.exe").wstring() +
                             L"\" /S _?=" + folder_.wstring(),
                         &exit_code));
  EXPECT_EQ(exit_code, 0u);
  // The running uninstaller has stepped aside to go at the restart, or,
  // under Wine, which cannot rename a running program, stays.
  const std::vector<std::string> left = TreeEntries(folder_);
  ASSERT_EQ(left.size(), 1u);
  const bool stepped_aside = left[0].rfind("uninstall-", 0) == 0;
  EXPECT_TRUE(stepped_aside || left[0] == "uninstall.exe") << left[0];
  Install(ZTV_INSTALLER_PATH);
  std::vector<std::string> installed = TreeEntries(folder_);
  if (stepped_aside)
    installed.erase(std::find(installed.begin(), installed.end(), left[0]));
  // What Windows does at the restart with the renames and deletions set
  // aside for it.
  ASSERT_TRUE(RunAndWait(L"wineboot.exe -r", &exit_code));
  EXPECT_EQ(TreeEntries(folder_), installed);
  EXPECT_TRUE(fs::exists(folder_ / L"uninstall.exe"));
}

TEST_F(InstallerTest, UninstallLeavesOnlyThePlayersProfile) {
  const fs::path profile = KnownFolder(CSIDL_APPDATA) / L"ZTV";
  fs::create_directories(profile);
  const std::string cookies("SQLite format 3\0login", 21);
  WriteFileBytes(profile / L"Cookies", cookies);
  Install(ZTV_INSTALLER_PATH);
  // What the client writes beside itself goes too, with what a client
  // stopped while writing leaves.
  for (const wchar_t* name : {L"update_error.log", L"update_error.log.tmp",
                              L"version.ini.new", L"version.ini.new.tmp"}) {
    WriteFileBytes(folder_ / L"bin" / name, "5\r\nC:\\x");
  }

  Uninstall();
  EXPECT_FALSE(fs::exists(folder_));
  EXPECT_FALSE(fs::exists(StartMenuShortcut()));
  EXPECT_FALSE(fs::exists(DesktopShortcut()));
  EXPECT_FALSE(UninstallEntryExists());
  EXPECT_EQ(ReadFileBytes(profile / L"Cookies"), cookies);
  fs::remove_all(profile);
}

}  // namespace
