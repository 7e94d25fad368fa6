#include "client/main/post_shutdown.h"

#include <fstream>
#include <system_error>

#include "client/main/notices.h"
#include "client/main/profile_files.h"
#include "client/main/version_gate.h"

namespace fs = std::filesystem;

namespace {

// "update_error.log" in the working directory: the error code, a line end
// and the path concerned.
void WriteUpdateErrorLog(int code, const fs::path& path) {
  std::ofstream log("update_error.log", std::ios::out | std::ios::trunc);
  if (log.is_open())
    log << code << "\n" << path.u8string();
}

void ReportFailure(int code, const fs::path& path) {
  WriteUpdateErrorLog(code, path);
  ShowNotice(Notice::kUpdateError);
}

bool Exists(const fs::path& path) {
  std::error_code error;
  return fs::exists(path, error);
}

// Moves the set-aside cookie file back into |profile_folder|, creating the
// folder. Returns 0 or the error code.
int RestoreCookies(const fs::path& profile_folder) {
  if (!Exists(profile_folder)) {
    const int created = CreateProfileFolder(profile_folder);
    if (created != 0)
      return created;
  }
  return MoveReplacing(SavedCookiesPath(profile_folder),
                       profile_folder / "Cookies");
}

}  // namespace

fs::path SavedCookiesPath(const fs::path& profile_folder) {
  fs::path saved = profile_folder;
  saved += ".Cookies";
  return saved;
}

bool ResetProfileFolder(const fs::path& profile_folder) {
  // The cookie file is set aside by renaming it, not read into memory: it
  // can be of any size, and a partial read must never be written back.
  const fs::path cookies = profile_folder / "Cookies";
  const bool cookies_saved = Exists(cookies);
  if (cookies_saved) {
    const int moved = MoveReplacing(cookies, SavedCookiesPath(profile_folder));
    if (moved != 0) {
      // The folder stays as it is rather than lose the player's cookies.
      ReportFailure(moved, profile_folder);
      return false;
    }
  }

  const int deleted = DeleteProfileFolder(profile_folder);
  if (deleted != 0) {
    ReportFailure(deleted, profile_folder);
    // Whatever the deletion left, the cookies go back where they were; if
    // even that fails they wait beside the folder for the next start.
    if (cookies_saved)
      RestoreCookies(profile_folder);
    return false;
  }

  if (cookies_saved) {
    const int restored = RestoreCookies(profile_folder);
    if (restored != 0)
      WriteUpdateErrorLog(restored, SavedCookiesPath(profile_folder));
  }
  return true;
}

void RecoverSavedCookies(const fs::path& profile_folder) {
  if (Exists(SavedCookiesPath(profile_folder)) &&
      !Exists(profile_folder / "Cookies")) {
    RestoreCookies(profile_folder);
  }
}

void RunPostShutdownActions(const fs::path& profile_folder, int* exit_code) {
  if (client_outdated) {
    ShowNotice(Notice::kClientOutdated);
    return;
  }
  if (!update_required)
    return;
  if (!profile_folder.empty()) {
    if (!ResetProfileFolder(profile_folder))
      return;
    *exit_code = 1;
  }
  if (!pending_web_version.empty())
    WriteWebVersion(pending_web_version);
  ShowNotice(Notice::kUpdate);
}
