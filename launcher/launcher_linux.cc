#include "launcher/launcher.h"

#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/message_dialog_linux.h"
#include "platform/spawn_linux.h"

const char kClientFolderPrefix[] = "bin/";
// The client decides itself whether Chromium's sandbox can be on.
const char kClientSwitches[] =
    " --enable-system-flash --allow-outdated-plugins --plugin-policy=allow";

namespace {

const char kErrorTitle[] = "Launching Error";
const char kErrorText[] = "Files are missing or corrupted";

// The command line's words: the program's name and its switches, none of
// which can hold a space.
std::vector<std::string> SplitCommandLine(const char* command_line) {
  std::vector<std::string> words;
  std::string word;
  for (const char* c = command_line; *c; ++c) {
    if (*c != ' ') {
      word += *c;
    } else if (!word.empty()) {
      words.push_back(word);
      word.clear();
    }
  }
  if (!word.empty())
    words.push_back(word);
  return words;
}

}  // namespace

std::filesystem::path InstallFolder() {
  std::error_code error;
  const std::filesystem::path folder = std::filesystem::current_path(error);
  return error ? std::filesystem::path() : folder;
}

bool HoldIfTrusted(const std::filesystem::path& /*path*/) {
  return true;
}

bool StartClient(const std::filesystem::path& install, LaunchCommand* command) {
  platform::SpawnRequest request;
  request.program = (install / command->application_name).string();
  request.argv = SplitCommandLine(command->command_line);
  request.working_dir = (install / "bin").string();
  pid_t pid;
  return platform::Spawn(request, &pid) == 0;
}

void ShowLaunchError() {
  std::fprintf(stderr, "%s: %s\n", kErrorTitle, kErrorText);
  platform::ShowMessageDialog(kErrorTitle, kErrorText,
                              platform::DialogIcon::kError);
}
