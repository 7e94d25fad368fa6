#include "launcher/launcher.h"

#include <windows.h>

const char kClientFolderPrefix[] = "bin\\";

bool StartClient(LaunchCommand* command) {
  STARTUPINFOA startup_info;
  PROCESS_INFORMATION process_info;
  ZeroMemory(&startup_info, sizeof(startup_info));
  ZeroMemory(&process_info, sizeof(process_info));
  startup_info.cb = sizeof(startup_info);
  // The handles are not needed: the launcher neither waits for the client nor
  // reads its exit code, and they close when the launcher ends.
  return CreateProcessA(command->application_name.c_str(),
                        command->command_line, nullptr, nullptr, FALSE, 0,
                        nullptr, ".\\bin\\", &startup_info, &process_info) != 0;
}

void ShowLaunchError() {
  // The box belongs to the launcher's console window, which a GUI program
  // normally does not have.
  MessageBoxA(GetConsoleWindow(), "Files are missing or corrupted",
              "Launching Error", MB_OK | MB_ICONERROR);
}
