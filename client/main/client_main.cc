#include "client/main/client_main.h"

#include <cstdio>
#include <string>

#include "client/app/client_app.h"
#include "client/main/post_shutdown.h"
#include "client/main/profile_files.h"
#include "client/main/profile_folder.h"
#include "client/main/profile_lock.h"
#include "client/main/profile_state.h"
#include "client/main/sandbox.h"
#include "client/main/version_gate.h"
#include "include/cef_app.h"

namespace fs = std::filesystem;

namespace {

// Without its folder the engine keeps the profile in memory, the update
// reset has no folder to look after, and the version gate records nothing
// for a folder it did not use. The player hears of it on the terminal at
// once, and through the log and the update-error notice at the end.
void GiveUpProfileFolder(const std::string& reason,
                         const FileError& trouble,
                         fs::path* profile_folder) {
  std::fprintf(stderr,
               "ZTV: the profile folder cannot be used (%s); this run keeps "
               "the game's cookies in memory only.\n",
               reason.c_str());
  WriteUpdateErrorLog(trouble);
  web_announcements_ignored = true;
  profile_folder->clear();
}

std::string Describe(const FileError& trouble) {
  return "error " + std::to_string(trouble.code) + " at " +
         trouble.path.u8string();
}

}  // namespace

int RunClient(const CefMainArgs& main_args) {
  CefEnableHighDPISupport();

  CefSettings settings;
  settings.persist_session_cookies = true;
  settings.persist_user_preferences = true;
  settings.multi_threaded_message_loop = false;
  fs::path profile_folder = GetProfileFolderPath();

  ReadWebVersion();
  ReadClientVersion();

  CefRefPtr<ClientApp> app(new ClientApp());
  const int sub_process_result = CefExecuteProcess(main_args, app, nullptr);
  if (sub_process_result >= 0)
    return sub_process_result;

  // Only the browser process looks at the profile folder, and only while it
  // holds the folder's lock: a second start just shows the running client.
  // What the version files said before the lock may be stale by now: a run
  // that held it meanwhile may have recorded a new version.
  ProfileLock lock;
  FileError given_up;
  UsedProfileFolder used;
  if (!profile_folder.empty()) {
    std::string reason = ProfileFolderProblem(profile_folder, &given_up.code);
    if (!reason.empty()) {
      given_up.path = profile_folder;
    } else {
      switch (lock.Acquire(profile_folder)) {
        case ProfileLock::Result::kAcquired:
          ReadVersionFilesAgain();
          given_up = CheckProfileFolder(profile_folder);
          // The reset wipes the folder given to the engine here, and no
          // other that comes to stand at its path.
          if (given_up.code == 0) {
            given_up = {MakeFolderAndIdentify(profile_folder, &used.identity),
                        profile_folder};
          }
          if (given_up.code == 0)
            given_up = SeparateCookieFile(profile_folder);
          break;
        case ProfileLock::Result::kHeldElsewhere:
          lock.ShowHolder();
          return 0;
        case ProfileLock::Result::kFailed:
          given_up = {lock.error(), ProfileLock::PathFor(profile_folder)};
          break;
      }
      if (given_up.code != 0)
        reason = Describe(given_up);
    }
    if (given_up.code != 0)
      GiveUpProfileFolder(reason, given_up, &profile_folder);
  }
  if (version_file_error.code != 0 && given_up.code == 0)
    WriteUpdateErrorLog(version_file_error);
  bool only_cookies = true;
  if (!profile_folder.empty() &&
      HoldsOnlyCookies(profile_folder, &only_cookies) != 0) {
    only_cookies = false;
  }
  TakeUpPreparedWebVersion(only_cookies);
  used.path = profile_folder;
  // The path goes to CEF in the platform's own encoding, so that the cache,
  // the cookie file and the folder the update reset wipes are one folder.
  if (!profile_folder.empty())
    CefString(&settings.cache_path) = profile_folder.native();

  std::string sandbox_off;
  settings.no_sandbox = SandboxMustStayOff(&sandbox_off);
  if (!sandbox_off.empty()) {
    std::fprintf(stderr, "ZTV: Chromium's sandbox is off: %s.\n",
                 sandbox_off.c_str());
  }

  CefInitialize(main_args, settings, app, nullptr);
  CefRunMessageLoop();
  CefShutdown();

  int exit_code = 0;
  RunPostShutdownActions(used, given_up, &exit_code);
  return exit_code;
}
