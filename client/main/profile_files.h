#ifndef CLIENT_MAIN_PROFILE_FILES_H_
#define CLIENT_MAIN_PROFILE_FILES_H_

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

// Makes |bytes| the whole content of the regular file |path|, creating it,
// and flushes them to disk before returning. A link or anything else but a
// regular file at |path| is left alone (an error).
int WriteFileDurably(const std::filesystem::path& path,
                     const std::string& bytes);

// Moves |from| to |to| in one step, replacing what is at |to| itself (a
// link there is replaced, never followed).
int MoveReplacing(const std::filesystem::path& from,
                  const std::filesystem::path& to);

// Deletes the file or link |path|; nothing there counts as deleted.
int RemoveFile(const std::filesystem::path& path);

// The names of the entries of |folder|, following a link that stands for
// it.
int ListFolder(const std::filesystem::path& folder,
               std::vector<std::filesystem::path>* names);

// Deletes |entry| outright (no recycle bin, no dialog): a file or a link
// itself, or a folder with everything in it. Links inside are deleted as
// links; what they point to is never touched.
int DeleteEntry(const std::filesystem::path& entry);

// Removes the empty folder |folder| (not a link standing for one).
int RemoveEmptyFolder(const std::filesystem::path& folder);

// Sets |in_use| to whether the file |path| is still open: by this process on
// Linux; by anyone on Windows, which cannot tell the two apart.
int IsFileStillOpen(const std::filesystem::path& path, bool* in_use);

#endif  // CLIENT_MAIN_PROFILE_FILES_H_
