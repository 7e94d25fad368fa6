#include "client/main/post_shutdown.h"

#include <string>
#include <vector>

#include "client/main/notices.h"
#include "client/main/profile_files.h"
#include "client/main/profile_state.h"
#include "client/main/version_gate.h"

namespace fs = std::filesystem;

namespace {

void ReportFailure(const FileError& error) {
  WriteUpdateErrorLog(error);
  ShowNotice(Notice::kUpdateError);
}

// Deletes every entry of |folder| but the cookie file. Every entry is tried
// even after one fails, so that a failure wipes as much as it can; the
// first error is returned.
int DeleteAllButCookies(const OpenedFolder& folder, bool* had_cookies) {
  std::vector<fs::path> names;
  fs::path cookies;
  int error = folder.List(&names, &cookies);
  // Without knowing which entry is the cookie file, nothing is deleted.
  if (error != 0)
    return error;
  *had_cookies = !cookies.empty();
  for (const fs::path& name : names) {
    if (name == cookies)
      continue;
    const int deleted = folder.Delete(name);
    if (error == 0)
      error = deleted;
  }
  return error;
}

// Wipes the opened folder; the first error, which decided the outcome.
int WipeOpened(const UsedProfileFolder& profile_folder, bool* had_cookies) {
  OpenedFolder folder;
  int error = folder.Open(profile_folder.path, profile_folder.identity);
  if (error == 0)
    error = DeleteAllButCookies(folder, had_cookies);
  // Nothing may have come back meanwhile, or the update notice would not
  // tell the truth.
  bool only_cookies = false;
  if (error == 0)
    error = HoldsOnlyCookies(folder, &only_cookies);
  if (error == 0 && !only_cookies)
    error = kNotEmptyError;
  return error;
}

int Reset(const UsedProfileFolder& profile_folder) {
  bool had_cookies = false;
  int error = WipeOpened(profile_folder, &had_cookies);
  if (error != 0 || had_cookies)
    return error;
  // A folder without a cookie file goes too, once it is closed; a link that
  // stands for the folder is the player's and stays, with its folder empty,
  // and so does a folder that is busy (a mount point, one open elsewhere).
  PathKind kind = PathKind::kAbsent;
  error = ProbePath(profile_folder.path, &kind);
  if (error == 0 && kind == PathKind::kFolder)
    error = RemoveEmptyFolder(profile_folder.path);
  return error == kInUseError ? 0 : error;
}

// Reset, record and notice; any failure is reported, and what was prepared
// stays as the record that the profile was already wiped for it.
void RunUpdate(const UsedProfileFolder& profile_folder, int* exit_code) {
  const bool used = !profile_folder.path.empty();
  if (used) {
    // The engine may still be writing the cookie store; nothing is deleted
    // beside it until it has closed.
    const fs::path cookies = profile_folder.path / kCookieFileName;
    bool in_use = false;
    int error = IsFileStillOpen(cookies, &in_use);
    if (error == 0 && in_use)
      error = kInUseError;
    if (error != 0) {
      ReportFailure({error, cookies});
      return;
    }
    if (!ResetProfileFolder(profile_folder))
      return;
  }
  const std::string& version = pending_web_version;
  if (!version.empty()) {
    const int committed = CommitWebVersion(version);
    if (committed != 0) {
      ReportFailure({committed, kWebVersionFile});
      return;
    }
  }
  if (used)
    *exit_code = 1;
  ShowNotice(Notice::kUpdate);
}

}  // namespace

bool ResetProfileFolder(const UsedProfileFolder& profile_folder) {
  const int error = Reset(profile_folder);
  if (error != 0) {
    ReportFailure({error, profile_folder.path});
    return false;
  }
  return true;
}

void RunPostShutdownActions(const UsedProfileFolder& profile_folder,
                            const FileError& given_up,
                            int* exit_code) {
  if (client_outdated) {
    // An update announced beside it is not begun after all.
    if (!pending_web_version.empty())
      DiscardWebVersion();
    ShowNotice(Notice::kClientOutdated);
    return;
  }
  // A run without the player's folder, or that could not prepare the
  // announced version, records nothing and says so.
  if (given_up.code != 0) {
    ReportFailure(given_up);
    return;
  }
  if (prepare_error.code != 0) {
    ReportFailure(prepare_error);
    return;
  }
  if (update_required)
    RunUpdate(profile_folder, exit_code);
}
