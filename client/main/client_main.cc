#include "client/main/client_main.h"

#include <cstdio>
#include <string>

#include "client/app/client_app.h"
#include "client/main/post_shutdown.h"
#include "client/main/profile_folder.h"
#include "client/main/profile_lock.h"
#include "client/main/version_gate.h"
#include "include/cef_app.h"

namespace fs = std::filesystem;

namespace {

// Without a usable profile folder the engine keeps the profile in memory, and
// the update reset has no folder to look after.
void GiveUpProfileFolder(const std::string& reason, fs::path* profile_folder) {
  std::fprintf(stderr,
               "ZTV: the profile folder cannot be used (%s); this run keeps "
               "the game's cookies in memory only.\n",
               reason.c_str());
  profile_folder->clear();
}

}  // namespace

int RunClient(const CefMainArgs& main_args) {
  CefEnableHighDPISupport();

  CefSettings settings;
  settings.persist_session_cookies = true;
  settings.persist_user_preferences = true;
  settings.no_sandbox = true;
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
  ProfileLock lock;
  if (!profile_folder.empty()) {
    const std::string problem = ProfileFolderProblem(profile_folder);
    if (!problem.empty())
      GiveUpProfileFolder(problem, &profile_folder);
  }
  if (!profile_folder.empty()) {
    switch (lock.Acquire(profile_folder)) {
      case ProfileLock::Result::kAcquired:
        RecoverSavedCookies(profile_folder);
        break;
      case ProfileLock::Result::kHeldElsewhere:
        lock.ShowHolder();
        return 0;
      case ProfileLock::Result::kFailed:
        GiveUpProfileFolder("its lock file cannot be opened: error " +
                                std::to_string(lock.error()),
                            &profile_folder);
        break;
    }
  }
  // The path goes to CEF in the platform's own encoding, so that the cache,
  // the cookie file and the folder the update reset deletes are one folder.
  if (!profile_folder.empty())
    CefString(&settings.cache_path) = profile_folder.native();

  CefInitialize(main_args, settings, app, nullptr);
  CefRunMessageLoop();
  CefShutdown();

  int exit_code = 0;
  RunPostShutdownActions(profile_folder, &exit_code);
  return exit_code;
}
