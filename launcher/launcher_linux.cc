#include "launcher/launcher.h"

#include <spawn.h>
#include <unistd.h>

#include <cstdio>
#include <string>
#include <vector>

#include "launcher/message_dialog_linux.h"

extern char** environ;

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
  const std::string program =
      std::string(cwd) + "/" + command->application_name;

  std::vector<std::string> args = SplitSwitches(kClientSwitches);
  args.insert(args.begin(), command->application_name);
  std::vector<char*> argv;
  for (std::string& arg : args)
    argv.push_back(arg.data());
  argv.push_back(nullptr);

  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addchdir_np(&actions, "bin");
  pid_t pid;
  const int error = posix_spawn(&pid, program.c_str(), &actions, nullptr,
                                argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  return error == 0;
}

void ShowLaunchError(OwnerWindow) {
  std::fprintf(stderr, "%s: %s\n", kErrorTitle, kErrorText);
  ShowMessageDialog(kErrorTitle, kErrorText, DialogIcon::kError);
}
