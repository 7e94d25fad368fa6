#ifndef TESTS_EXPLORER_DISK_STATE_LINUX_H_
#define TESTS_EXPLORER_DISK_STATE_LINUX_H_

#include <sys/types.h>

#include <filesystem>
#include <map>
#include <string>
#include <vector>

// The paths the client touches, and the kinds of thing each may be on disk.
enum Spot {
  kProfile,
  kCookies,
  kPreferences,  // the engine layer's own file in the folder
  kIndexedDb,    // one of Chromium's entries in the folder, idle in these runs
  kSetAside,
  kVersion,
  kPrepared,
  kClientVersion,
  kLock,
  kLog,
  kSpotCount
};

enum Kind {
  kAbsent,
  kFile,
  kFolder,
  kLinkToFileHere,
  kLinkToFileOther,
  kLinkToFolderHere,
  kLinkToFolderOther,
  kDangling,
  kFifo,
  kUnreadable,
  kReadOnly,
  kImmutable,
  kHardLink,    // a file with a second name elsewhere on the disk
  kMountTmpfs,  // a folder that is a small disk of its own
  kMountBind,   // a folder elsewhere on the same disk, bound there
  kKindCount
};

// Relative to the install's root: "data/ZTV", "bin/version.ini", ...
const char* SpotPath(Spot spot);
const char* KindName(Kind kind);

// Whether the profile folder of |profile| kind has entries to vary: it is
// a folder, or a link to one.
bool HoldsEntries(Kind profile);

// Whether |spot| may take |kind|: mounts stand only for folders, second
// names only for files.
bool Fits(Spot spot, Kind kind);

// Whether |spot| is inside the profile folder.
bool InProfile(Spot spot);

using DiskState = std::vector<Kind>;  // one kind per spot

// One thing on disk as a snapshot sees it: its type ('f' file, 'd' folder,
// 'l' link, 'p' pipe), permission bits, and a file's bytes or a link's
// target.
struct Entry {
  char type;
  unsigned mode;
  std::string data;
  bool operator==(const Entry& other) const {
    return type == other.type && mode == other.mode && data == other.data;
  }
  bool operator!=(const Entry& other) const { return !(*this == other); }
};
// Keyed "row/<path>" for the install and "other/<path>" for the second
// disk.
using Tree = std::map<std::string, Entry>;

// An install's root on one disk and a folder of its own on another, filled
// with a state and owned by the player the client runs as.
class Sandbox {
 public:
  Sandbox(const std::filesystem::path& row,
          const std::filesystem::path& other,
          uid_t player);
  ~Sandbox();

  const std::filesystem::path& row() const { return row_; }

  // Lays out |state| with the player's cookie store |cookies| wherever a
  // store stands, and the client program linked in as bin/game.ztv.
  // Without |data_folder| the folder above the profile folder is missing.
  void Build(const DiskState& state,
             const std::string& cookies,
             const std::filesystem::path& client,
             const std::string& landing_page,
             bool data_folder = true);
  Tree Snapshot() const;
  // The snapshot key of where |path| (relative to the row) leads: through
  // a link that stands for it, if any. Empty for a link to nothing.
  std::string Resolve(const std::string& path) const;
  // Snapshot keys of files planted on what was mounted or linked in the
  // folder, which nothing of the client may delete, and the key prefixes
  // under which the engine may write through such a link or bind mount.
  const std::vector<std::string>& kept() const { return kept_; }
  const std::vector<std::string>& engine_places() const {
    return engine_places_;
  }
  void Clear();

 private:
  void Make(Spot spot, Kind kind, const std::string& content);
  // The snapshot key of |path|, in the row or on the second disk.
  std::string Key(const std::filesystem::path& path) const;

  std::filesystem::path row_;
  std::filesystem::path other_;
  uid_t player_;
  // Applied once everything is in place: modes first, then the immutable
  // flag, innermost first.
  std::vector<std::pair<std::filesystem::path, Kind>> protect_;
  std::vector<std::filesystem::path> mounts_;
  std::vector<std::string> kept_;
  std::vector<std::string> engine_places_;
};

#endif  // TESTS_EXPLORER_DISK_STATE_LINUX_H_
