#include "tests/explorer/disk_state_linux.h"

#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

#include "tests/support/file_flags_linux.h"
#include "tests/support/test_files.h"

namespace fs = std::filesystem;

namespace {

const char* const kSpotPaths[kSpotCount] = {"data/ZTV",
                                            "data/ZTV/Cookies",
                                            "data/ZTV/Preferences",
                                            "data/ZTV/IndexedDB",
                                            "data/ZTV.Cookies",
                                            "bin/version.ini",
                                            "bin/version.ini.new",
                                            "bin/client_version.ini",
                                            "data/ZTV.lock",
                                            "bin/update_error.log"};

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
                                            "immutable",
                                            "hard-link",
                                            "mount-tmpfs",
                                            "mount-bind"};

// A file planted on what is mounted or linked in the profile folder: what
// the reset must never reach.
const char kKeptName[] = "explorer-kept";

// What an engine leaves in a profile folder besides the spots: a file whose
// going shows a wipe.
void FillProfile(const fs::path& folder) {
  fs::create_directories(folder);
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
         profile == kReadOnly || profile == kImmutable ||
         profile == kMountTmpfs || profile == kMountBind;
}

bool Fits(Spot spot, Kind kind) {
  const bool folder = spot == kProfile || spot == kIndexedDb;
  if (kind == kMountTmpfs || kind == kMountBind)
    return folder;
  return kind != kHardLink || !folder;
}

bool InProfile(Spot spot) {
  return spot == kCookies || spot == kPreferences || spot == kIndexedDb;
}

Sandbox::Sandbox(const fs::path& row, const fs::path& other, uid_t player)
    : row_(row), other_(other), player_(player) {}

Sandbox::~Sandbox() {
  Clear();
}

void Sandbox::Build(const DiskState& state,
                    const std::string& cookies,
                    const fs::path& client,
                    const std::string& landing_page,
                    bool data_folder) {
  Clear();
  for (const char* folder : {"bin", "elsewhere"})
    fs::create_directories(row_ / folder);
  fs::create_directories(other_);
  fs::create_symlink(client, row_ / "bin" / "game.ztv");
  WriteFileBytes(row_ / "bin" / "landing_page.ini", landing_page);
  if (data_folder) {
    // A store an earlier version of the client kept aside for good.
    fs::create_directories(row_ / "data");
    WriteFileBytes(row_ / "data" / "ZTV.Cookies.1", cookies);
  }

  const std::string contents[kSpotCount] = {
      "player's ZTV", cookies, "{}",  "", cookies, "1", "2",
      "1.0.0.0",      "12345", "5\nx"};
  for (int spot = 0; spot < kSpotCount; ++spot) {
    if (!data_folder &&
        std::string(SpotPath(static_cast<Spot>(spot))).rfind("data/", 0) == 0) {
      continue;
    }
    if (!InProfile(static_cast<Spot>(spot)) || HoldsEntries(state[kProfile]))
      Make(static_cast<Spot>(spot), state[spot], contents[spot]);
  }

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
  if (InProfile(spot)) {
    const std::string folder = Resolve(SpotPath(kProfile));
    path = (folder.rfind("other/", 0) == 0 ? other_ / folder.substr(6)
                                           : row_ / folder.substr(4)) /
           path.filename();
  }
  const std::string name = path.filename().string();
  const fs::path here = row_ / "elsewhere" / name;
  const fs::path there = other_ / name;
  const bool is_profile = spot == kProfile;
  // What the engine keeps in a folder of its own in the profile: a file
  // the reset must not reach when the folder is a link or a mount.
  const auto fill = [&](const fs::path& folder, bool reached) {
    if (is_profile) {
      FillProfile(folder);
      return;
    }
    fs::create_directories(folder);
    WriteFileBytes(folder / kKeptName, "kept");
    if (reached)
      kept_.push_back(Key(folder / kKeptName));
  };
  switch (kind) {
    case kAbsent:
      break;
    case kFolder:
    case kUnreadable:
    case kReadOnly:
    case kImmutable:
      if (is_profile || (spot == kIndexedDb && kind == kFolder))
        fill(path, false);
      else if (kind == kFolder)
        fs::create_directories(path);
      else
        WriteFileBytes(path, content);
      if (kind != kFolder)
        protect_.emplace_back(path, kind);
      break;
    case kHardLink: {
      // The second name is on the same disk as the first, outside the
      // folder; a folder that is a disk of its own gets a plain file.
      std::error_code error;
      for (const fs::path& other_name : {here, there}) {
        WriteFileBytes(other_name, content);
        fs::create_hard_link(other_name, path, error);
        if (!error)
          break;
        fs::remove(other_name);
      }
      if (error)
        WriteFileBytes(path, content);
      break;
    }
    case kMountTmpfs:
      fs::create_directories(path);
      if (mount("ztv-explorer", path.c_str(), "tmpfs", 0, "size=8m") == 0)
        mounts_.push_back(path);
      fill(path, true);
      break;
    case kMountBind:
      fill(here, true);
      fs::create_directories(path);
      if (mount(here.c_str(), path.c_str(), nullptr, MS_BIND, nullptr) == 0)
        mounts_.push_back(path);
      engine_places_.push_back(Key(here) + "/");
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
      fill(target, spot == kIndexedDb);
      if (spot == kIndexedDb)
        engine_places_.push_back(Key(target) + "/");
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
  return Key(target);
}

std::string Sandbox::Key(const fs::path& path) const {
  const fs::path in_row = path.lexically_relative(row_);
  if (!in_row.empty() && *in_row.begin() != "..")
    return "row/" + in_row.string();
  return "other/" + path.lexically_relative(other_).string();
}

void Sandbox::Clear() {
  for (auto it = mounts_.rbegin(); it != mounts_.rend(); ++it)
    umount2(it->c_str(), MNT_DETACH);
  mounts_.clear();
  kept_.clear();
  engine_places_.clear();
  for (const auto& entry : protect_)
    SetImmutable(entry.first, false);
  protect_.clear();
  std::error_code ignored;
  fs::remove_all(row_, ignored);
  fs::remove_all(other_, ignored);
}
