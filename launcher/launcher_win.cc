#include "launcher/launcher.h"

#include <windows.h>

#include <string>
#include <vector>

const char kClientFolderPrefix[] = "bin\\";

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

}  // namespace

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
  std::wstring line = FromCodePage(command->command_line);
  line.push_back(L'\0');
  STARTUPINFOW startup_info;
  PROCESS_INFORMATION process_info;
  ZeroMemory(&startup_info, sizeof(startup_info));
  ZeroMemory(&process_info, sizeof(process_info));
  startup_info.cb = sizeof(startup_info);
  // The handles are not needed: the launcher neither waits for the client nor
  // reads its exit code, and they close when the launcher ends.
  return CreateProcessW(application.c_str(), line.data(), nullptr, nullptr,
                        FALSE, 0, nullptr, folder.c_str(), &startup_info,
                        &process_info) != 0;
}

void ShowLaunchError() {
  // The box belongs to the launcher's console window, which a GUI program
  // normally does not have.
  MessageBoxA(GetConsoleWindow(), "Files are missing or corrupted",
              "Launching Error", MB_OK | MB_ICONERROR);
}
