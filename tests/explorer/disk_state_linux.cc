#include "tests/explorer/disk_state_linux.h"

#include <sys/stat.h>
#include <unistd.h>

#include "tests/support/file_flags_linux.h"
#include "tests/support/test_files.h"

namespace fs = std::filesystem;

namespace {

const char* const kSpotPaths[kSpotCount] = {
    "data/ZTV",        "data/ZTV/Cookies",    "data/ZTV.Cookies",
    "bin/version.ini", "bin/version.ini.new", "bin/client_version.ini",
    "data/ZTV.lock"};

const char* const kKindNames[kKindCount] = {"absent",
                                            "file",
                                            "folder",
                                            "link-file",
                                            "link-file-other",
                                            "link-folder",
                                            "link-folder-other",
                                            "dangling",
                                            "fifo",
                                            "unreadable",
                                            "read-only",
                                            "immutable"};

// What an engine leaves in a profile folder besides the cookie store: a
// folder, and a file whose going shows a wipe.
void FillProfile(const fs::path& folder) {
  fs::create_directories(folder / "Cache");
  WriteFileBytes(folder / "explorer-marker", "engine's");
}

void ChownTree(const fs::path& root, uid_t player) {
  if (lchown(root.c_str(), player, player) != 0)
    return;
  std::error_code error;
  for (fs::recursive_directory_iterator it(root, error), end;
       !error && it != end; it.increment(error)) {
    if (lchown(it->path().c_str(), player, player) != 0)
      break;
  }
}

void Walk(const fs::path& root, const std::string& prefix, Tree* tree) {
  std::error_code error;
  for (fs::recursive_directory_iterator it(root, error), end;
       !error && it != end; it.increment(error)) {
    struct stat info;
    if (lstat(it->path().c_str(), &info) != 0)
      continue;
    Entry entry{'?', static_cast<unsigned>(info.st_mode & 07777), ""};
    if (S_ISREG(info.st_mode)) {
      entry.type = 'f';
      entry.data = ReadFileBytes(it->path());
    } else if (S_ISDIR(info.st_mode)) {
      entry.type = 'd';
    } else if (S_ISLNK(info.st_mode)) {
      entry.type = 'l';
      entry.data = fs::read_symlink(it->path(), error).string();
    } else if (S_ISFIFO(info.st_mode)) {
      entry.type = 'p';
    }
    (*tree)[prefix + it->path().lexically_relative(root).string()] = entry;
  }
}

}  // namespace

const char* SpotPath(Spot spot) {
  return kSpotPaths[spot];
}

const char* KindName(Kind kind) {
  return kKindNames[kind];
}

bool HoldsEntries(Kind profile) {
  return profile == kFolder || profile == kLinkToFolderHere ||
         profile == kLinkToFolderOther || profile == kUnreadable ||
         profile == kReadOnly || profile == kImmutable;
}

Sandbox::Sandbox(const fs::path& row, const fs::path& other, uid_t player)
    : row_(row), other_(other), player_(player) {}

Sandbox::~Sandbox() {
  Clear();
}

void Sandbox::Build(const DiskState& state,
                    const std::string& cookies,
                    const fs::path& client,
                    const std::string& landing_page) {
  Clear();
  for (const char* folder : {"bin", "data", "elsewhere"})
    fs::create_directories(row_ / folder);
  fs::create_directories(other_);
  fs::create_symlink(client, row_ / "bin" / "game.ztv");
  WriteFileBytes(row_ / "bin" / "landing_page.ini", landing_page);
  // A store an earlier version of the client kept aside for good.
  WriteFileBytes(row_ / "data" / "ZTV.Cookies.1", cookies);

  Make(kProfile, state[kProfile], "player's ZTV");
  if (HoldsEntries(state[kProfile]))
    Make(kCookies, state[kCookies], cookies);
  Make(kSetAside, state[kSetAside], cookies);
  Make(kVersion, state[kVersion], "1");
  Make(kPrepared, state[kPrepared], "2");
  Make(kClientVersion, state[kClientVersion], "1.0.0.0");
  Make(kLock, state[kLock], "12345");

  ChownTree(row_, player_);
  ChownTree(other_, player_);
  for (auto it = protect_.rbegin(); it != protect_.rend(); ++it) {
    const bool folder = fs::is_directory(it->first);
    if (it->second == kUnreadable)
      chmod(it->first.c_str(), 0);
    else if (it->second == kReadOnly)
      chmod(it->first.c_str(), folder ? 0555 : 0444);
  }
  for (auto it = protect_.rbegin(); it != protect_.rend(); ++it) {
    if (it->second == kImmutable)
      SetImmutable(it->first, true);
  }
}

void Sandbox::Make(Spot spot, Kind kind, const std::string& content) {
  fs::path path = row_ / SpotPath(spot);
  if (spot == kCookies) {
    const std::string folder = Resolve(SpotPath(kProfile));
    path = (folder.rfind("other/", 0) == 0 ? other_ / folder.substr(6)
                                           : row_ / folder.substr(4)) /
           "Cookies";
  }
  const std::string name = path.filename().string();
  const fs::path here = row_ / "elsewhere" / name;
  const fs::path there = other_ / name;
  const bool is_profile = spot == kProfile;
  switch (kind) {
    case kAbsent:
      break;
    case kFolder:
    case kUnreadable:
    case kReadOnly:
    case kImmutable:
      if (is_profile)
        FillProfile(path);
      else if (kind == kFolder)
        fs::create_directories(path);
      else
        WriteFileBytes(path, content);
      if (kind != kFolder)
        protect_.emplace_back(path, kind);
      break;
    case kFile:
      WriteFileBytes(path, content);
      break;
    case kLinkToFileHere:
    case kLinkToFileOther:
      WriteFileBytes(kind == kLinkToFileHere ? here : there, content);
      fs::create_symlink(kind == kLinkToFileHere ? here : there, path);
      break;
    case kLinkToFolderHere:
    case kLinkToFolderOther: {
      const fs::path target = kind == kLinkToFolderHere ? here : there;
      if (is_profile)
        FillProfile(target);
      else
        fs::create_directories(target);
      fs::create_symlink(target, path);
      break;
    }
    case kDangling:
      fs::create_symlink(row_ / "elsewhere" / ("missing-" + name), path);
      break;
    case kFifo:
      mkfifo(path.c_str(), 0644);
      break;
    case kKindCount:
      break;
  }
}

Tree Sandbox::Snapshot() const {
  Tree tree;
  Walk(row_, "row/", &tree);
  Walk(other_, "other/", &tree);
  return tree;
}

std::string Sandbox::Resolve(const std::string& path) const {
  std::error_code error;
  const fs::path at = row_ / path;
  if (!fs::is_symlink(at, error))
    return "row/" + path;
  const fs::path target = fs::read_symlink(at, error);
  if (error || !fs::exists(target, error))
    return std::string();
  const fs::path in_row = target.lexically_relative(row_);
  if (!in_row.empty() && *in_row.begin() != "..")
    return "row/" + in_row.string();
  return "other/" + target.lexically_relative(other_).string();
}

void Sandbox::Clear() {
  for (const auto& entry : protect_)
    SetImmutable(entry.first, false);
  protect_.clear();
  std::error_code ignored;
  fs::remove_all(row_, ignored);
  fs::remove_all(other_, ignored);
}
