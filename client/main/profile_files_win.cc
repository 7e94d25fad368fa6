#include "client/main/profile_files.h"

#include <windows.h>
#include <winternl.h>

#include <algorithm>
#include <vector>

#include "client/main/long_path_win.h"

const int kNotFoundError = ERROR_FILE_NOT_FOUND;
const int kNotAFolderError = ERROR_DIRECTORY;
const int kNotAFileError = ERROR_BAD_FILE_TYPE;
const int kAlreadyExistsError = ERROR_ALREADY_EXISTS;
const int kInUseError = ERROR_SHARING_VIOLATION;
const int kNotEmptyError = ERROR_DIR_NOT_EMPTY;
const int kFolderReplacedError = ERROR_FILE_INVALID;
const int kOtherMountError = ERROR_NOT_SAME_DEVICE;

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

HANDLE AsHandle(std::intptr_t handle) {
  return reinterpret_cast<HANDLE>(handle);
}

// What an open handle leads to: attributes, volume and file ID.
struct OpenEntry {
  HANDLE handle = INVALID_HANDLE_VALUE;
  BY_HANDLE_FILE_INFORMATION info = {};

  OpenEntry() = default;
  ~OpenEntry() {
    if (handle != INVALID_HANDLE_VALUE)
      CloseHandle(handle);
  }
  OpenEntry(const OpenEntry&) = delete;
  OpenEntry& operator=(const OpenEntry&) = delete;

  bool IsFolder() const {
    return (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) &&
           !(info.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT);
  }
  bool IsFile() const {
    return !(info.dwFileAttributes &
             (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT));
  }
  FolderIdentity Identity() const {
    FolderIdentity identity;
    identity.volume = info.dwVolumeSerialNumber;
    identity.file = (static_cast<std::uint64_t>(info.nFileIndexHigh) << 32) |
                    info.nFileIndexLow;
    return identity;
  }
  // Reads what the handle leads to.
  int Describe() {
    return GetFileInformationByHandle(handle, &info) ? 0 : LastError();
  }
};

// Opens the entry |name| of the folder |parent| itself: a reparse point
// (a junction, a symbolic link) is opened, never followed, and the name is
// taken as it is, so "Cookies." is not "Cookies". Names are matched as the
// engine's own opens match them, without regard to case.
int OpenAt(HANDLE parent,
           const std::wstring& name,
           ACCESS_MASK access,
           OpenEntry* entry) {
  UNICODE_STRING object_name;
  object_name.Buffer = const_cast<wchar_t*>(name.c_str());
  object_name.Length = static_cast<USHORT>(name.size() * sizeof(wchar_t));
  object_name.MaximumLength = object_name.Length;
  OBJECT_ATTRIBUTES attributes;
  InitializeObjectAttributes(&attributes, &object_name, OBJ_CASE_INSENSITIVE,
                             parent, nullptr);
  IO_STATUS_BLOCK io = {};
  const NTSTATUS status = NtCreateFile(
      &entry->handle, access | SYNCHRONIZE | FILE_READ_ATTRIBUTES, &attributes,
      &io, nullptr, 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
      FILE_OPEN,
      FILE_OPEN_REPARSE_POINT | FILE_OPEN_FOR_BACKUP_INTENT |
          FILE_SYNCHRONOUS_IO_NONALERT,
      nullptr, 0);
  if (status < 0) {
    entry->handle = INVALID_HANDLE_VALUE;
    return static_cast<int>(RtlNtStatusToDosError(status));
  }
  return entry->Describe();
}

// The names in the open folder |folder|, listed through its handle.
int ListNames(HANDLE folder, std::vector<std::wstring>* names) {
  names->clear();
  std::vector<LONGLONG> buffer(8192);
  FILE_INFO_BY_HANDLE_CLASS next = FileIdBothDirectoryRestartInfo;
  for (;;) {
    if (!GetFileInformationByHandleEx(folder, next, buffer.data(),
                                      buffer.size() * sizeof(LONGLONG))) {
      const int error = LastError();
      return error == ERROR_NO_MORE_FILES ? 0 : error;
    }
    next = FileIdBothDirectoryInfo;
    const char* at = reinterpret_cast<const char*>(buffer.data());
    for (;;) {
      const auto* entry = reinterpret_cast<const FILE_ID_BOTH_DIR_INFO*>(at);
      const std::wstring name(entry->FileName,
                              entry->FileNameLength / sizeof(wchar_t));
      if (name != L"." && name != L"..")
        names->push_back(name);
      if (entry->NextEntryOffset == 0)
        break;
      at += entry->NextEntryOffset;
    }
  }
}

// Deletes what |entry| was opened on, through its handle: the name goes
// when the handle is closed. The shell deletes read-only files without
// asking; so does the reset.
int DeleteOpened(const OpenEntry& entry) {
  const DWORD attributes = entry.info.dwFileAttributes;
  if (attributes & FILE_ATTRIBUTE_READONLY) {
    FILE_BASIC_INFO basic = {};
    basic.FileAttributes =
        attributes & ~(FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY |
                       FILE_ATTRIBUTE_REPARSE_POINT);
    if (basic.FileAttributes == 0)
      basic.FileAttributes = FILE_ATTRIBUTE_NORMAL;
    SetFileInformationByHandle(entry.handle, FileBasicInfo, &basic,
                               sizeof(basic));
  }
  FILE_DISPOSITION_INFO disposition = {TRUE};
  return SetFileInformationByHandle(entry.handle, FileDispositionInfo,
                                    &disposition, sizeof(disposition))
             ? 0
             : LastError();
}

// Deletes the entry |name| of the open folder |parent|, which is on the
// volume of |top|: a file or a reparse point itself, or a folder with its
// content. What is deleted is what was opened and looked at, so nothing
// swapped in at the name meanwhile is entered.
int DeleteAt(HANDLE parent,
             const std::wstring& name,
             const FolderIdentity& top) {
  OpenEntry entry;
  int error =
      OpenAt(parent, name, DELETE | FILE_WRITE_ATTRIBUTES | FILE_LIST_DIRECTORY,
             &entry);
  if (error != 0)
    return IsNotFound(error) ? 0 : error;
  if (entry.info.dwVolumeSerialNumber != top.volume)
    return kOtherMountError;
  if (entry.IsFolder()) {
    std::vector<std::wstring> names;
    error = ListNames(entry.handle, &names);
    for (size_t i = 0; error == 0 && i < names.size(); ++i)
      error = DeleteAt(entry.handle, names[i], top);
  }
  return error == 0 ? DeleteOpened(entry) : error;
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

int CreateFileDurably(const std::filesystem::path& path,
                      const std::string& bytes) {
  const std::wstring name = ExtendedLengthPath(path);
  const HANDLE file = CreateFileW(
      name.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
      FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
  if (file == INVALID_HANDLE_VALUE)
    return LastError();
  int error = 0;
  DWORD written = 0;
  if (!WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written,
                 nullptr) ||
      written != bytes.size() || !FlushFileBuffers(file)) {
    error = LastError();
    if (error == 0)
      error = ERROR_WRITE_FAULT;
  }
  if (!CloseHandle(file) && error == 0)
    error = LastError();
  if (error != 0)
    DeleteFileW(name.c_str());
  return error;
}

int FlushFolderOf(const std::filesystem::path&) {
  return 0;
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

int MakeFolderAndIdentify(const std::filesystem::path& folder,
                          FolderIdentity* identity) {
  if (!CreateDirectoryW(ExtendedLengthPath(folder).c_str(), nullptr) &&
      GetLastError() != ERROR_ALREADY_EXISTS) {
    return LastError();
  }
  OpenedFolder opened;
  const int error = opened.Open(folder);
  *identity = opened.identity();
  return error;
}

OpenedFolder::~OpenedFolder() {
  if (handle_ != -1)
    CloseHandle(AsHandle(handle_));
}

int OpenedFolder::Open(const std::filesystem::path& path) {
  OpenEntry folder;
  // A link that stands for the folder is followed: its folder is the one.
  folder.handle =
      CreateFileW(ExtendedLengthPath(path).c_str(),
                  FILE_LIST_DIRECTORY | FILE_READ_ATTRIBUTES | SYNCHRONIZE,
                  FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                  nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  if (folder.handle == INVALID_HANDLE_VALUE) {
    const int error = LastError();
    return IsNotFound(error) ? kNotFoundError : error;
  }
  int error = folder.Describe();
  if (error == 0 && !(folder.info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
    error = kNotAFolderError;
  if (error != 0)
    return error;
  identity_ = folder.Identity();
  handle_ = reinterpret_cast<std::intptr_t>(folder.handle);
  folder.handle = INVALID_HANDLE_VALUE;
  return 0;
}

int OpenedFolder::List(std::vector<std::filesystem::path>* names,
                       std::filesystem::path* cookies) const {
  names->clear();
  cookies->clear();
  std::vector<std::wstring> found;
  int error = ListNames(AsHandle(handle_), &found);
  if (error != 0)
    return error;
  // The engine opens "Cookies" without regard to case, so an entry listed
  // as "cookies" is its store: the one that is the same file.
  OpenEntry store;
  error = OpenAt(AsHandle(handle_), L"Cookies", 0, &store);
  if (error != 0 && !IsNotFound(error))
    return error;
  const bool has_store = error == 0 && store.IsFile();
  if (has_store &&
      std::find(found.begin(), found.end(), L"Cookies") != found.end()) {
    *cookies = L"Cookies";
  }
  // What cannot be looked at might be the store: nothing is told then.
  for (size_t i = 0; has_store && cookies->empty() && i < found.size(); ++i) {
    OpenEntry entry;
    error = OpenAt(AsHandle(handle_), found[i], 0, &entry);
    if (error != 0)
      return error;
    if (entry.Identity() == store.Identity())
      *cookies = found[i];
  }
  names->assign(found.begin(), found.end());
  return 0;
}

int OpenedFolder::Delete(const std::filesystem::path& name) const {
  return DeleteAt(AsHandle(handle_), name.native(), identity_);
}

int RemoveEmptyFolder(const std::filesystem::path& folder) {
  return RemoveDirectoryW(ExtendedLengthPath(folder).c_str()) ? 0 : LastError();
}

int CountNames(const std::filesystem::path& path, unsigned* names) {
  OpenEntry file;
  file.handle = CreateFileW(
      ExtendedLengthPath(path).c_str(), FILE_READ_ATTRIBUTES,
      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
      OPEN_EXISTING, FILE_FLAG_OPEN_REPARSE_POINT | FILE_FLAG_BACKUP_SEMANTICS,
      nullptr);
  if (file.handle == INVALID_HANDLE_VALUE)
    return LastError();
  const int error = file.Describe();
  *names = file.info.nNumberOfLinks;
  return error;
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
