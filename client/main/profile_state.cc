#include "client/main/profile_state.h"

#include <string>
#include <vector>

#include "client/main/file_replacement.h"
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

FileError SeparateCookieFile(const fs::path& folder) {
  const fs::path cookies = folder / kCookieFileName;
  PathKind kind = PathKind::kAbsent;
  int error = ProbePath(cookies, &kind);
  unsigned names = 1;
  if (error == 0 && kind == PathKind::kFile)
    error = CountNames(cookies, &names);
  if (error == 0 && names > 1) {
    std::string bytes;
    bool found = true;
    error = ReadRegularFile(cookies, &bytes, &found);
    if (error == 0)
      error = ReplaceFileDurably(cookies, bytes);
  }
  return error == 0 ? FileError() : FileError{error, cookies};
}

int HoldsOnlyCookies(const OpenedFolder& folder, bool* only) {
  *only = false;
  std::vector<fs::path> names;
  fs::path cookies;
  const int error = folder.List(&names, &cookies);
  if (error == 0)
    *only = names.empty() || (names.size() == 1 && names[0] == cookies);
  return error;
}

int HoldsOnlyCookies(const fs::path& folder, bool* only) {
  OpenedFolder opened;
  int error = opened.Open(folder);
  *only = false;
  if (error == kNotFoundError) {
    // A link to nothing is not an absent folder.
    PathKind kind = PathKind::kAbsent;
    error = ProbePath(folder, &kind);
    *only = error == 0 && kind == PathKind::kAbsent;
    return error == 0 && !*only ? kNotFoundError : error;
  }
  return error == 0 ? HoldsOnlyCookies(opened, only) : error;
}
