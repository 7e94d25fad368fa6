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
int DeleteAllButCookies(const fs::path& folder, bool* had_cookies) {
  std::vector<fs::path> names;
  int error = ListFolder(folder, &names);
  *had_cookies = false;
  for (const fs::path& name : names) {
    if (name == kCookieFileName) {
      *had_cookies = true;
      continue;
    }
    const int deleted = DeleteEntry(folder / name);
    if (error == 0)
      error = deleted;
  }
  return error;
}

// Reset, record and notice; any failure is reported, and what was prepared
// stays as the record that the profile was already wiped for it.
void RunUpdate(const fs::path& profile_folder, int* exit_code) {
  if (!profile_folder.empty()) {
    // The engine may still be writing the cookie store; nothing is deleted
    // beside it until it has closed.
    const fs::path cookies = profile_folder / kCookieFileName;
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
  if (!profile_folder.empty())
    *exit_code = 1;
  ShowNotice(Notice::kUpdate);
}

}  // namespace

bool ResetProfileFolder(const fs::path& profile_folder) {
  PathKind kind = PathKind::kAbsent;
  int error = ProbePath(profile_folder, &kind);
  if (error == 0 && kind == PathKind::kAbsent)
    return true;
  bool had_cookies = false;
  if (error == 0)
    error = DeleteAllButCookies(profile_folder, &had_cookies);
  // A folder without a cookie file goes too; a link that stands for the
  // folder is the player's and stays, with its folder empty.
  if (error == 0 && !had_cookies && kind == PathKind::kFolder)
    error = RemoveEmptyFolder(profile_folder);
  // Nothing may have come back meanwhile, or the update notice would not
  // tell the truth.
  if (error == 0 && !HoldsOnlyCookies(profile_folder))
    error = kNotEmptyError;
  if (error != 0) {
    ReportFailure({error, profile_folder});
    return false;
  }
  return true;
}

void RunPostShutdownActions(const fs::path& profile_folder,
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
