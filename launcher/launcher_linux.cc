#include "launcher/launcher.h"

#include <unistd.h>

#include <cstdio>
#include <string>
#include <vector>

#include "platform/message_dialog_linux.h"
#include "platform/spawn_linux.h"

const char kClientFolderPrefix[] = "bin/";

namespace {

const char kErrorTitle[] = "Launching Error";
const char kErrorText[] = "Files are missing or corrupted";

std::vector<std::string> SplitSwitches(const std::string& switches) {
  std::vector<std::string> words;
  std::string word;
  for (char c : switches) {
    if (c != ' ') {
      word += c;
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

OwnerWindow CaptureOwnerWindow() {
  return nullptr;
}

bool StartClient(LaunchCommand* command) {
  // The program path is taken relative to the launcher's own directory, while
  // the client runs in bin/, as on Windows.
  char cwd[4096];
  if (!getcwd(cwd, sizeof(cwd)))
    return false;
  platform::SpawnRequest request;
  request.program = std::string(cwd) + "/" + command->application_name;
  request.argv = SplitSwitches(kClientSwitches);
  request.argv.insert(request.argv.begin(), command->application_name);
  request.working_dir = "bin";
  pid_t pid;
  return platform::Spawn(request, &pid) == 0;
}

void ShowLaunchError(OwnerWindow) {
  std::fprintf(stderr, "%s: %s\n", kErrorTitle, kErrorText);
  platform::ShowMessageDialog(kErrorTitle, kErrorText,
                              platform::DialogIcon::kError);
}
