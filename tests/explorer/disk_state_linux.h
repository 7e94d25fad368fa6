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
  kSetAside,
  kVersion,
  kPrepared,
  kClientVersion,
  kLock,
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
  kKindCount
};

// Relative to the install's root: "data/ZTV", "bin/version.ini", ...
const char* SpotPath(Spot spot);
const char* KindName(Kind kind);

// Whether the profile folder of |profile| kind has a cookie store to vary:
// it is a folder, or a link to one.
bool HoldsEntries(Kind profile);

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
  void Build(const DiskState& state,
             const std::string& cookies,
             const std::filesystem::path& client,
             const std::string& landing_page);
  Tree Snapshot() const;
  // The snapshot key of where |path| (relative to the row) leads: through
  // a link that stands for it, if any. Empty for a link to nothing.
  std::string Resolve(const std::string& path) const;
  void Clear();

 private:
  void Make(Spot spot, Kind kind, const std::string& content);

  std::filesystem::path row_;
  std::filesystem::path other_;
  uid_t player_;
  // Applied once everything is in place: modes first, then the immutable
  // flag, innermost first.
  std::vector<std::pair<std::filesystem::path, Kind>> protect_;
};

#endif  // TESTS_EXPLORER_DISK_STATE_LINUX_H_
