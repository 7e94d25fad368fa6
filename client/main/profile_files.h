#ifndef CLIENT_MAIN_PROFILE_FILES_H_
#define CLIENT_MAIN_PROFILE_FILES_H_

#include <filesystem>
#include <string>

// Platform file operations of the update reset and of recording the web
// version. Each returns 0 on success, else the platform's error code. Only a
// path that is really not there counts as absent: any other trouble is an
// error, so that nothing is ever deleted on a guess.

// The code a move without replacing gives when its target exists.
extern const int kAlreadyExistsError;

// Sets |exists| to whether anything is at |path|, without following a link.
int ProbePath(const std::filesystem::path& path, bool* exists);

// Deletes |folder| and everything in it, outright (no recycle bin) and
// without any dialog.
int DeleteProfileFolder(const std::filesystem::path& folder);

// Creates |folder| (its parent must exist).
int CreateProfileFolder(const std::filesystem::path& folder);

// Moves |from| to |to| in one step, replacing a file already at |to|.
int MoveReplacing(const std::filesystem::path& from,
                  const std::filesystem::path& to);

// Moves |from| to |to| in one step unless something is at |to|, which then
// stays as it is (kAlreadyExistsError).
int MoveWithoutReplacing(const std::filesystem::path& from,
                         const std::filesystem::path& to);

// Makes |bytes| the whole content of the file |path| and flushes them to
// disk before returning.
int WriteFileDurably(const std::filesystem::path& path,
                     const std::string& bytes);

// Deletes the file |path|; one that is not there counts as deleted.
int RemoveFile(const std::filesystem::path& path);

#endif  // CLIENT_MAIN_PROFILE_FILES_H_
