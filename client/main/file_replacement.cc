#include "client/main/file_replacement.h"

#include "client/main/profile_files.h"

namespace fs = std::filesystem;

fs::path ReplacementPath(const fs::path& path) {
  fs::path replacement = path;
  replacement += ".tmp";
  return replacement;
}

int ReplaceFileDurably(const fs::path& path, const std::string& bytes) {
  PathKind kind = PathKind::kAbsent;
  int error = ProbePath(path, &kind);
  if (error == 0 && kind != PathKind::kAbsent && kind != PathKind::kFile)
    error = kNotAFileError;
  if (error != 0)
    return error;
  // Whatever an earlier, interrupted run left under the temporary name is
  // removed as a name: a link or a second name there leads nowhere after.
  const fs::path replacement = ReplacementPath(path);
  error = RemoveFile(replacement);
  if (error != 0)
    return error;
  error = CreateFileDurably(replacement, bytes);
  if (error != 0)
    return error;
  error = MoveReplacing(replacement, path);
  if (error != 0) {
    RemoveFile(replacement);
    return error;
  }
  return FlushFolderOf(path);
}
