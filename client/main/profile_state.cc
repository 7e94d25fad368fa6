#include "client/main/profile_state.h"

#include <vector>

#include "client/main/profile_files.h"

namespace fs = std::filesystem;

const char kCookieFileName[] = "Cookies";

namespace {

// Where earlier versions of the client set the cookie file aside during a
// reset, beside the folder.
fs::path SetAsideCookiesPath(const fs::path& folder) {
  fs::path set_aside = folder;
  set_aside += ".Cookies";
  return set_aside;
}

}  // namespace

FileError CheckProfileFolder(const fs::path& folder) {
  PathKind kind = PathKind::kAbsent;
  int error = ProbePath(folder, &kind);
  if (error == 0 && kind == PathKind::kLink) {
    error = ProbeLinkTarget(folder, &kind);
    if (error == 0 && kind == PathKind::kAbsent)
      error = kNotFoundError;
  }
  if (error == 0 && kind != PathKind::kAbsent && kind != PathKind::kFolder)
    error = kNotAFolderError;
  if (error != 0)
    return {error, folder};

  const fs::path cookies = folder / kCookieFileName;
  PathKind cookies_kind = PathKind::kAbsent;
  if (kind == PathKind::kFolder) {
    error = ProbePath(cookies, &cookies_kind);
    if (error == 0 && cookies_kind != PathKind::kAbsent &&
        cookies_kind != PathKind::kFile) {
      error = kNotAFileError;
    }
    if (error != 0)
      return {error, cookies};
  }
  if (cookies_kind == PathKind::kAbsent) {
    const fs::path set_aside = SetAsideCookiesPath(folder);
    PathKind set_aside_kind = PathKind::kAbsent;
    error = ProbePath(set_aside, &set_aside_kind);
    if (error == 0 && set_aside_kind != PathKind::kAbsent)
      error = kAlreadyExistsError;
    if (error != 0)
      return {error, set_aside};
  }
  return FileError();
}

bool HoldsOnlyCookies(const fs::path& folder) {
  PathKind kind = PathKind::kAbsent;
  if (ProbePath(folder, &kind) != 0)
    return false;
  if (kind == PathKind::kAbsent)
    return true;
  std::vector<fs::path> names;
  if (ListFolder(folder, &names) != 0)
    return false;
  for (const fs::path& name : names) {
    if (name != kCookieFileName)
      return false;
  }
  return true;
}
