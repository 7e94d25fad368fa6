#ifndef CLIENT_MAIN_PROFILE_FILES_H_
#define CLIENT_MAIN_PROFILE_FILES_H_

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

// Platform file operations of the version files, the update reset and the
// start-up checks of the profile folder. Each returns 0 on success, else the
// platform's error code. Only a path at which nothing at all stands counts
// as absent: any other trouble is an error, so that nothing is ever deleted
// or started afresh on a guess. Nothing is written through a link.

// Codes of the platform for what the client itself finds wrong.
extern const int kNotFoundError;    // nothing at the path
extern const int kNotAFolderError;  // a folder was expected
extern const int kNotAFileError;    // a regular file was expected
extern const int kAlreadyExistsError;
extern const int kInUseError;     // a file is still open in this process
extern const int kNotEmptyError;  // a folder holds more than it should
// The folder the engine used is no longer what stands at its path.
extern const int kFolderReplacedError;
// An entry is on another mount or volume than its folder.
extern const int kOtherMountError;

// How the platform's text-mode files end a line.
extern const char kLogLineEnd[];

// What stands at a path.
enum class PathKind { kAbsent, kFile, kFolder, kLink, kOther };

// What stands at |path| itself; a link is not followed.
int ProbePath(const std::filesystem::path& path, PathKind* kind);

// What a link at |path| leads to; kAbsent when its target is missing.
int ProbeLinkTarget(const std::filesystem::path& path, PathKind* kind);

// Reads the whole of the regular file at |path|, following a link. Sets
// |found| to false only when nothing at all is at |path|. Something that is
// not a regular file, or a link to nothing, is an error, and nothing here
// ever waits on a pipe or a device.
int ReadRegularFile(const std::filesystem::path& path,
                    std::string* bytes,
                    bool* found);

// Creates the file |path|, which must not exist yet (a link there is not
// followed), with |bytes| as its whole content, flushed to disk. A file it
// could not fill is removed again.
int CreateFileDurably(const std::filesystem::path& path,
                      const std::string& bytes);

// Makes what is written beside the file |path| durable: its folder's
// entries. Nothing to do on Windows, whose moves write through.
int FlushFolderOf(const std::filesystem::path& path);

// Moves |from| to |to| in one step, replacing what is at |to| itself (a
// link there is replaced, never followed).
int MoveReplacing(const std::filesystem::path& from,
                  const std::filesystem::path& to);

// Deletes the file or link |path|; nothing there counts as deleted.
int RemoveFile(const std::filesystem::path& path);

// What a folder is, whichever path leads to it: its volume (the device on
// Linux), its file ID (the inode), and on Linux the mount it was reached
// through, so that a bind mount of the same disk is another place.
struct FolderIdentity {
  std::uint64_t volume = 0;
  std::uint64_t file = 0;
  std::uint64_t mount = 0;
  bool operator==(const FolderIdentity& other) const {
    return volume == other.volume && file == other.file && mount == other.mount;
  }
  bool operator!=(const FolderIdentity& other) const {
    return !(*this == other);
  }
};

// Creates the folder |folder| when nothing stands at its path (its parent
// must exist), and tells what stands there now, following a link that
// stands for it.
int MakeFolderAndIdentify(const std::filesystem::path& folder,
                          FolderIdentity* identity);

// A folder opened once: whatever is moved to its path or swapped in at
// the path of an entry meanwhile, everything done through it stays inside
// what was opened, on its own mount or volume, and never follows a link.
class OpenedFolder {
 public:
  OpenedFolder() = default;
  ~OpenedFolder();
  OpenedFolder(const OpenedFolder&) = delete;
  OpenedFolder& operator=(const OpenedFolder&) = delete;

  // Opens what |path| leads to, following a link that stands for it.
  // kNotFoundError when nothing is there.
  int Open(const std::filesystem::path& path);
  // The same, and kFolderReplacedError unless it is the folder |expected|.
  int Open(const std::filesystem::path& path, const FolderIdentity& expected);
  const FolderIdentity& identity() const { return identity_; }

  // The names of its entries, and in |cookies| the listed name of the
  // regular file that opening "Cookies" in it reaches, whatever the case of
  // its name; empty when there is none.
  int List(std::vector<std::filesystem::path>* names,
           std::filesystem::path* cookies) const;

  // Deletes its entry |name| outright (no recycle bin, no dialog): a file
  // or a link itself, or a folder with everything in it. Nothing on another
  // mount or volume is deleted (kOtherMountError), and nothing a link
  // points to.
  int Delete(const std::filesystem::path& name) const;

 private:
  // A descriptor on Linux, a handle on Windows.
  std::intptr_t handle_ = -1;
  FolderIdentity identity_;
};

// Removes the empty folder |folder| (not a link standing for one).
int RemoveEmptyFolder(const std::filesystem::path& folder);

// Sets |names| to how many names the file |path| has (hard links), not
// following a link.
int CountNames(const std::filesystem::path& path, unsigned* names);

// Sets |in_use| to whether the file |path| is still open: by this process on
// Linux; by anyone on Windows, which cannot tell the two apart.
int IsFileStillOpen(const std::filesystem::path& path, bool* in_use);

#endif  // CLIENT_MAIN_PROFILE_FILES_H_
