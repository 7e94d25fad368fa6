#include "client/main/client_main.h"

#include "client/app/client_app.h"
#include "client/main/post_shutdown.h"
#include "client/main/profile_folder.h"
#include "client/main/version_gate.h"
#include "include/cef_app.h"

int RunClient(const CefMainArgs& main_args) {
  CefEnableHighDPISupport();

  CefSettings settings;
  const std::filesystem::path profile_folder = GetProfileFolderPath();
  // The path goes to CEF in the platform's own encoding, so that the cache,
  // the cookie file and the folder the update reset deletes are one folder.
  if (!profile_folder.empty())
    CefString(&settings.cache_path) = profile_folder.native();
  settings.persist_session_cookies = true;
  settings.persist_user_preferences = true;
  settings.no_sandbox = true;
  settings.multi_threaded_message_loop = false;

  ReadWebVersion();
  ReadClientVersion();

  CefRefPtr<ClientApp> app(new ClientApp());
  const int sub_process_result = CefExecuteProcess(main_args, app, nullptr);
  if (sub_process_result >= 0)
    return sub_process_result;

  // Only the browser process touches the profile folder.
  if (!profile_folder.empty())
    RecoverSavedCookies(profile_folder);
  CefInitialize(main_args, settings, app, nullptr);
  CefRunMessageLoop();
  CefShutdown();

  int exit_code = 0;
  RunPostShutdownActions(profile_folder, &exit_code);
  return exit_code;
}
