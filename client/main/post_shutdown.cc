#include "client/main/post_shutdown.h"

#include <fstream>
#include <string>

#include "client/main/notices.h"
#include "client/main/profile_files.h"
#include "client/main/version_gate.h"

namespace fs = std::filesystem;

namespace {

// How many set-aside cookie files are kept beside a folder that has a new
// store; the player would have to lose the same race that often.
constexpr int kMaxKeptCookieFiles = 1000;

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

// Moves the set-aside cookie file back into |profile_folder|, creating the
// folder; a cookie file already there is never replaced. Returns 0 or the
// error code.
int RestoreCookies(const fs::path& profile_folder) {
  bool folder_exists = false;
  int error = ProbePath(profile_folder, &folder_exists);
  if (error == 0 && !folder_exists)
    error = CreateProfileFolder(profile_folder);
  if (error == 0) {
    error = MoveWithoutReplacing(SavedCookiesPath(profile_folder),
                                 profile_folder / "Cookies");
  }
  return error;
}

// Gives the set-aside file |saved| the first free name "<saved>.<n>" and
// returns it; empty if it could not be moved.
fs::path KeepStrandedCookies(const fs::path& saved) {
  for (int n = 1; n <= kMaxKeptCookieFiles; ++n) {
    fs::path kept = saved;
    kept += "." + std::to_string(n);
    const int error = MoveWithoutReplacing(saved, kept);
    if (error == 0)
      return kept;
    if (error != kAlreadyExistsError)
      break;
  }
  return fs::path();
}

}  // namespace

fs::path SavedCookiesPath(const fs::path& profile_folder) {
  fs::path saved = profile_folder;
  saved += ".Cookies";
  return saved;
}

bool ResetProfileFolder(const fs::path& profile_folder) {
  // The cookie file is set aside by renaming it, not read into memory: it
  // can be of any size, and a partial read must never be written back. Only
  // a cookie file known to be absent may go with the folder, and a file
  // already set aside is never replaced.
  const fs::path cookies = profile_folder / "Cookies";
  bool cookies_saved = false;
  int error = ProbePath(cookies, &cookies_saved);
  if (error == 0 && cookies_saved)
    error = MoveWithoutReplacing(cookies, SavedCookiesPath(profile_folder));
  if (error != 0) {
    // The folder stays as it is rather than lose the player's cookies.
    ReportFailure(error, profile_folder);
    return false;
  }

  // Whatever the deletion did, the cookies go back where they were; if even
  // that fails they wait beside the folder for the next start.
  const int deleted = DeleteProfileFolder(profile_folder);
  const int restored = cookies_saved ? RestoreCookies(profile_folder) : 0;
  if (deleted != 0) {
    ReportFailure(deleted, profile_folder);
    return false;
  }
  if (restored != 0) {
    ReportFailure(restored, SavedCookiesPath(profile_folder));
    return false;
  }
  return true;
}

void RecoverSavedCookies(const fs::path& profile_folder) {
  const fs::path saved = SavedCookiesPath(profile_folder);
  bool stranded = false;
  int error = ProbePath(saved, &stranded);
  if (error == 0 && stranded)
    error = RestoreCookies(profile_folder);
  if (error == kAlreadyExistsError) {
    // The engine began a new store since the file was set aside, and it
    // stays in use; the older one is kept rather than replaced or deleted.
    const fs::path kept = KeepStrandedCookies(saved);
    if (!kept.empty()) {
      WriteUpdateErrorLog(error, kept);
      return;
    }
  }
  if (error != 0)
    WriteUpdateErrorLog(error, saved);
}

void RunPostShutdownActions(const fs::path& profile_folder, int* exit_code) {
  if (client_outdated) {
    ShowNotice(Notice::kClientOutdated);
    return;
  }
  if (!update_required)
    return;

  // The new version is on disk before the profile is touched, so that a
  // reset is never followed by a version that cannot be recorded: that
  // would reset the profile again at every start.
  const std::string& version = pending_web_version;
  if (!version.empty()) {
    const int prepared = PrepareWebVersion(version);
    if (prepared != 0) {
      DiscardWebVersion();
      ReportFailure(prepared, kPreparedWebVersionFile);
      return;
    }
  }
  if (!profile_folder.empty() && !ResetProfileFolder(profile_folder)) {
    if (!version.empty())
      DiscardWebVersion();
    return;
  }
  if (!version.empty()) {
    const int committed = CommitWebVersion(version);
    if (committed != 0) {
      DiscardWebVersion();
      ReportFailure(committed, kWebVersionFile);
      return;
    }
  }
  if (!profile_folder.empty())
    *exit_code = 1;
  ShowNotice(Notice::kUpdate);
}
