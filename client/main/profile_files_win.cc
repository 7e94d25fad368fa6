#include "client/main/profile_files.h"

#include <windows.h>

#include "client/main/long_path_win.h"

const int kNotFoundError = ERROR_FILE_NOT_FOUND;
const int kNotAFolderError = ERROR_DIRECTORY;
const int kNotAFileError = ERROR_BAD_FILE_TYPE;
const int kAlreadyExistsError = ERROR_ALREADY_EXISTS;
const int kInUseError = ERROR_SHARING_VIOLATION;
const int kNotEmptyError = ERROR_DIR_NOT_EMPTY;

const char kLogLineEnd[] = "\r\n";

namespace {

int LastError() {
  return static_cast<int>(GetLastError());
}

bool IsNotFound(int error) {
  return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
}

PathKind KindOf(DWORD attributes) {
  // Junctions and symbolic links are reparse points, of folders or files.
  if (attributes & FILE_ATTRIBUTE_REPARSE_POINT)
    return PathKind::kLink;
  if (attributes & FILE_ATTRIBUTE_DIRECTORY)
    return PathKind::kFolder;
  return PathKind::kFile;
}

// The error of an open handle that is not a regular file on disk, or 0.
int RegularFileError(HANDLE file) {
  BY_HANDLE_FILE_INFORMATION info = {};
  if (!GetFileInformationByHandle(file, &info))
    return LastError();
  if (GetFileType(file) != FILE_TYPE_DISK ||
      (info.dwFileAttributes &
       (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT))) {
    return kNotAFileError;
  }
  return 0;
}

// Deletes a file, a link, or a folder with its content; a link, a folder's
// or a file's, is removed itself and never entered. |path| is in the
// extended-length form, and so is every path built from it.
int DeleteTree(const std::wstring& path) {
  const DWORD attributes = GetFileAttributesW(path.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) {
    const int error = LastError();
    return IsNotFound(error) ? 0 : error;
  }
  const bool folder = attributes & FILE_ATTRIBUTE_DIRECTORY;
  if (folder && !(attributes & FILE_ATTRIBUTE_REPARSE_POINT)) {
    WIN32_FIND_DATAW found;
    const HANDLE search = FindFirstFileW((path + L"\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
      return LastError();
    int error = 0;
    do {
      const std::wstring name = found.cFileName;
      if (name != L"." && name != L"..")
        error = DeleteTree(path + L"\\" + name);
    } while (error == 0 && FindNextFileW(search, &found));
    if (error == 0 && GetLastError() != ERROR_NO_MORE_FILES)
      error = LastError();
    FindClose(search);
    if (error != 0)
      return error;
  }
  // The shell deletes read-only files without asking; so does the reset.
  if (attributes & FILE_ATTRIBUTE_READONLY)
    SetFileAttributesW(path.c_str(), attributes & ~FILE_ATTRIBUTE_READONLY);
  const BOOL deleted =
      folder ? RemoveDirectoryW(path.c_str()) : DeleteFileW(path.c_str());
  return deleted ? 0 : LastError();
}

}  // namespace

int ProbePath(const std::filesystem::path& path, PathKind* kind) {
  const DWORD attributes = GetFileAttributesW(ExtendedLengthPath(path).c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES) {
    *kind = KindOf(attributes);
    return 0;
  }
  *kind = PathKind::kAbsent;
  const int error = LastError();
  return IsNotFound(error) ? 0 : error;
}

int ProbeLinkTarget(const std::filesystem::path& path, PathKind* kind) {
  *kind = PathKind::kAbsent;
  // Opened through the link, for its attributes only.
  const HANDLE target =
      CreateFileW(ExtendedLengthPath(path).c_str(), 0,
                  FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                  nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  if (target == INVALID_HANDLE_VALUE) {
    const int error = LastError();
    return IsNotFound(error) ? 0 : error;
  }
  BY_HANDLE_FILE_INFORMATION info = {};
  int error = 0;
  if (GetFileInformationByHandle(target, &info))
    *kind = KindOf(info.dwFileAttributes & ~FILE_ATTRIBUTE_REPARSE_POINT);
  else
    error = LastError();
  CloseHandle(target);
  return error;
}

int ReadRegularFile(const std::filesystem::path& path,
                    std::string* bytes,
                    bool* found) {
  *found = true;
  bytes->clear();
  const HANDLE file =
      CreateFileW(ExtendedLengthPath(path).c_str(), GENERIC_READ,
                  FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                  FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    const int error = LastError();
    PathKind kind = PathKind::kAbsent;
    if (IsNotFound(error) && ProbePath(path, &kind) == 0 &&
        kind == PathKind::kAbsent) {
      *found = false;
    }
    return error;
  }
  BY_HANDLE_FILE_INFORMATION info = {};
  int error = 0;
  if (GetFileType(file) != FILE_TYPE_DISK)
    error = kNotAFileError;
  else if (!GetFileInformationByHandle(file, &info))
    error = LastError();
  char buffer[4096];
  DWORD got = 0;
  while (error == 0) {
    if (!ReadFile(file, buffer, sizeof(buffer), &got, nullptr))
      error = LastError();
    else if (got == 0)
      break;
    else
      bytes->append(buffer, got);
  }
  CloseHandle(file);
  return error;
}

int WriteFileDurably(const std::filesystem::path& path,
                     const std::string& bytes) {
  // The reparse point itself is opened, not followed, and then refused;
  // the file is emptied only once it is known to be a regular one.
  const HANDLE file = CreateFileW(
      ExtendedLengthPath(path).c_str(), GENERIC_WRITE, 0, nullptr, OPEN_ALWAYS,
      FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
  if (file == INVALID_HANDLE_VALUE)
    return LastError();
  int error = RegularFileError(file);
  DWORD written = 0;
  if (error == 0 && !SetEndOfFile(file))
    error = LastError();
  if (error == 0 &&
      (!WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()),
                  &written, nullptr) ||
       written != bytes.size() || !FlushFileBuffers(file))) {
    error = LastError();
    if (error == 0)
      error = ERROR_WRITE_FAULT;
  }
  if (!CloseHandle(file) && error == 0)
    error = LastError();
  return error;
}

int MoveReplacing(const std::filesystem::path& from,
                  const std::filesystem::path& to) {
  if (MoveFileExW(ExtendedLengthPath(from).c_str(),
                  ExtendedLengthPath(to).c_str(),
                  MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    return 0;
  }
  return LastError();
}

int RemoveFile(const std::filesystem::path& path) {
  if (DeleteFileW(ExtendedLengthPath(path).c_str()))
    return 0;
  const int error = LastError();
  return IsNotFound(error) ? 0 : error;
}

int ListFolder(const std::filesystem::path& folder,
               std::vector<std::filesystem::path>* names) {
  names->clear();
  WIN32_FIND_DATAW found;
  const HANDLE search =
      FindFirstFileW((ExtendedLengthPath(folder) + L"\\*").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE)
    return LastError();
  do {
    const std::wstring name = found.cFileName;
    if (name != L"." && name != L"..")
      names->emplace_back(name);
  } while (FindNextFileW(search, &found));
  const int error = LastError();
  FindClose(search);
  return error == ERROR_NO_MORE_FILES ? 0 : error;
}

int DeleteEntry(const std::filesystem::path& entry) {
  return DeleteTree(ExtendedLengthPath(entry));
}

int RemoveEmptyFolder(const std::filesystem::path& folder) {
  return RemoveDirectoryW(ExtendedLengthPath(folder).c_str()) ? 0 : LastError();
}

int IsFileStillOpen(const std::filesystem::path& path, bool* in_use) {
  // Windows cannot list a process's handles by file; a file that cannot be
  // opened without sharing is still open somewhere, which is the same
  // warning for the reset.
  *in_use = false;
  const HANDLE file =
      CreateFileW(ExtendedLengthPath(path).c_str(), GENERIC_READ, 0, nullptr,
                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file != INVALID_HANDLE_VALUE) {
    CloseHandle(file);
    return 0;
  }
  const int error = LastError();
  if (error == ERROR_SHARING_VIOLATION) {
    *in_use = true;
    return 0;
  }
  return IsNotFound(error) ? 0 : error;
}
