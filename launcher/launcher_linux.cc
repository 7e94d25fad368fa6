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

bool StartClient(LaunchCommand* command) {
  // The program path is taken relative to the launcher's own directory, while
  // the client runs in bin/, as on Windows.
  char cwd[4096];
  if (!getcwd(cwd, sizeof(cwd)))
    return false;
  platform::SpawnRequest request;
  request.program = std::string(cwd) + "/" + command->application_name;
  request.argv = SplitCommandLine(command->command_line);
  request.working_dir = "bin";
  pid_t pid;
  return platform::Spawn(request, &pid) == 0;
}

void ShowLaunchError() {
  std::fprintf(stderr, "%s: %s\n", kErrorTitle, kErrorText);
  platform::ShowMessageDialog(kErrorTitle, kErrorText,
                              platform::DialogIcon::kError);
}
