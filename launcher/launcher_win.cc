#include "launcher/launcher.h"

#include <windows.h>

#include <aclapi.h>

#include <string>
#include <vector>

#include "launcher/install_trust_win.h"

const char kClientFolderPrefix[] = "bin\\";
// The sandbox would keep the system's Flash plug-in out of the renderer.
const char kClientSwitches[] =
    " --enable-system-flash --allow-outdated-plugins --plugin-policy=allow"
    " --no-sandbox";

namespace {

// Text of config.ini and the command line is in the system's code page, as
// the launcher has always passed it to the system.
std::wstring FromCodePage(const std::string& text) {
  if (text.empty())
    return std::wstring();
  const int size = MultiByteToWideChar(
      CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  std::wstring wide(size, L'\0');
  MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()),
                      wide.data(), size);
  return wide;
}

// The account the launcher runs as, or null when it cannot be known.
PSID CurrentUser() {
  static std::vector<BYTE> token_user;
  if (token_user.empty()) {
    HANDLE token = nullptr;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token))
      return nullptr;
    DWORD size = 0;
    GetTokenInformation(token, TokenUser, nullptr, 0, &size);
    token_user.resize(size);
    if (size == 0 || !GetTokenInformation(token, TokenUser, token_user.data(),
                                          size, &size)) {
      token_user.clear();
    }
    CloseHandle(token);
    if (token_user.empty())
      return nullptr;
  }
  return reinterpret_cast<TOKEN_USER*>(token_user.data())->User.Sid;
}

// What HoldIfTrusted holds, until the client has been made.
std::vector<HANDLE>& HeldFiles() {
  static std::vector<HANDLE> held;
  return held;
}

}  // namespace

bool HoldIfTrusted(const std::filesystem::path& path) {
  // Without write or delete sharing, what is checked here cannot be changed,
  // renamed or replaced before it is read or started. A link is not what
  // the installer made.
  const HANDLE handle = CreateFileW(
      path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
      FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
  if (handle == INVALID_HANDLE_VALUE) {
    const DWORD error = GetLastError();
    return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
  }
  HeldFiles().push_back(handle);
  BY_HANDLE_FILE_INFORMATION info;
  if (!GetFileInformationByHandle(handle, &info) ||
      (info.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT)) {
    return false;
  }
  PSECURITY_DESCRIPTOR descriptor = nullptr;
  if (GetSecurityInfo(handle, SE_FILE_OBJECT,
                      OWNER_SECURITY_INFORMATION | DACL_SECURITY_INFORMATION,
                      nullptr, nullptr, nullptr, nullptr,
                      &descriptor) != ERROR_SUCCESS) {
    return false;
  }
  const bool trusted = OnlyTrustedMayChange(descriptor, CurrentUser());
  LocalFree(descriptor);
  return trusted;
}

std::filesystem::path InstallFolder() {
  // The launcher runs as administrator: only the install beside it, which
  // only administrators may change, is trusted, never the current folder.
  std::vector<wchar_t> path(MAX_PATH);
  for (;;) {
    const DWORD length = GetModuleFileNameW(nullptr, path.data(),
                                            static_cast<DWORD>(path.size()));
    if (length == 0)
      return std::filesystem::path();
    if (length < path.size())
      return std::filesystem::path(path.data()).parent_path();
    if (path.size() >= 32768)
      return std::filesystem::path();
    path.resize(path.size() * 2);
  }
}

bool StartClient(const std::filesystem::path& install, LaunchCommand* command) {
  const std::wstring application =
      (install / FromCodePage(command->application_name)).wstring();
  const std::wstring folder = (install / L"bin").wstring();
  if (!HoldIfTrusted(application))
    return false;
  std::wstring line = FromCodePage(command->command_line);
  line.push_back(L'\0');
  STARTUPINFOW startup_info;
  PROCESS_INFORMATION process_info;
  ZeroMemory(&startup_info, sizeof(startup_info));
  ZeroMemory(&process_info, sizeof(process_info));
  startup_info.cb = sizeof(startup_info);
  // The client is made from the files held, and runs only once they are let
  // go: it writes in bin\, which the held handle would not share.
  if (!CreateProcessW(application.c_str(), line.data(), nullptr, nullptr, FALSE,
                      CREATE_SUSPENDED, nullptr, folder.c_str(), &startup_info,
                      &process_info)) {
    return false;
  }
  for (const HANDLE held : HeldFiles())
    CloseHandle(held);
  HeldFiles().clear();
  const bool running =
      ResumeThread(process_info.hThread) != static_cast<DWORD>(-1);
  if (!running)
    TerminateProcess(process_info.hProcess, 1);
  CloseHandle(process_info.hThread);
  CloseHandle(process_info.hProcess);
  return running;
}

void ShowLaunchError() {
  // The box belongs to the launcher's console window, which a GUI program
  // normally does not have.
  MessageBoxA(GetConsoleWindow(), "Files are missing or corrupted",
              "Launching Error", MB_OK | MB_ICONERROR);
}
