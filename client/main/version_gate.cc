#include "client/main/version_gate.h"

#include <cstring>

#include "client/main/file_replacement.h"
#include "client/main/profile_files.h"

std::string client_version = "0.0.0.0";
std::string web_version = "0.0.0.0";
std::string pending_web_version;
bool client_outdated = false;
bool update_required = false;
std::string prepared_web_version;
bool client_announcements_ignored = false;
bool web_announcements_ignored = false;
FileError version_file_error;
FileError prepare_error;

const char kWebVersionFile[] = "version.ini";
const char kPreparedWebVersionFile[] = "version.ini.new";

namespace {

// What the version files' readers skip: the C locale's white space.
const char kWhitespace[] = " \t\n\v\f\r";

const char kClientVersionMarker[] = "ZTV-Client-Version: ";
const char kWebVersionMarker[] = "ZTV-Version: ";

// The first whitespace-delimited word of |text| from |start| on; empty when
// there is none.
std::string FirstWord(const std::string& text, size_t start = 0) {
  const size_t begin = text.find_first_not_of(kWhitespace, start);
  if (begin == std::string::npos)
    return std::string();
  return text.substr(begin, text.find_first_of(kWhitespace, begin) - begin);
}

enum class FileState { kMissing, kRead, kUnreadable };

// Reads the file's first word into |version|; an empty or all-whitespace
// file leaves it as it was. The bytes are taken as they are: in text mode
// Windows would end the file at a Ctrl-Z, and a version recorded with one
// would never read back the same. A file that is there but cannot be read
// is remembered for the log.
FileState ReadVersionFile(const char* name, std::string* version) {
  std::string bytes;
  bool found = true;
  const int error = ReadRegularFile(name, &bytes, &found);
  if (!found)
    return FileState::kMissing;
  if (error != 0) {
    version_file_error = {error, name};
    return FileState::kUnreadable;
  }
  const std::string word = FirstWord(bytes);
  if (!word.empty())
    *version = word;
  return FileState::kRead;
}

bool SameText(const std::string& a, const std::string& b) {
  return std::strcmp(a.c_str(), b.c_str()) == 0;
}

// The announced version when |message| begins with |marker| and a word
// follows it.
bool Announcement(const std::string& message,
                  const char* marker,
                  std::string* version) {
  const size_t length = std::strlen(marker);
  if (message.compare(0, length, marker) != 0)
    return false;
  *version = FirstWord(message, length);
  return !version->empty();
}

}  // namespace

void ReadWebVersion() {
  // The prepared file is the client's own and is never a link: anything
  // but a regular file there cannot tell which update was begun.
  PathKind prepared_kind = PathKind::kAbsent;
  int error = ProbePath(kPreparedWebVersionFile, &prepared_kind);
  if (error == 0 && prepared_kind != PathKind::kAbsent &&
      prepared_kind != PathKind::kFile) {
    error = kNotAFileError;
  }
  FileState prepared = FileState::kMissing;
  if (error != 0) {
    version_file_error = {error, kPreparedWebVersionFile};
    prepared = FileState::kUnreadable;
  } else if (prepared_kind == PathKind::kFile) {
    prepared = ReadVersionFile(kPreparedWebVersionFile, &prepared_web_version);
  }
  const FileState installed = ReadVersionFile(kWebVersionFile, &web_version);

  if (installed == FileState::kUnreadable ||
      prepared == FileState::kUnreadable) {
    web_announcements_ignored = true;
  } else if (installed == FileState::kMissing && prepared_web_version.empty()) {
    update_required = true;
  }
}

void ReadClientVersion() {
  if (ReadVersionFile("client_version.ini", &client_version) ==
      FileState::kUnreadable) {
    client_announcements_ignored = true;
  }
}

void ReadVersionFilesAgain() {
  client_version = web_version = "0.0.0.0";
  prepared_web_version.clear();
  update_required = false;
  client_announcements_ignored = web_announcements_ignored = false;
  version_file_error = FileError();
  ReadWebVersion();
  ReadClientVersion();
}

bool IsClientVersionCurrent(const std::string& version) {
  return SameText(version, client_version);
}

bool IsWebVersionCurrent(const std::string& version) {
  return SameText(version, web_version);
}

int PrepareWebVersion(const std::string& version) {
  return ReplaceFileDurably(kPreparedWebVersionFile, version);
}

int CommitWebVersion(const std::string& version) {
  const int moved = MoveReplacing(kPreparedWebVersionFile, kWebVersionFile);
  if (moved == 0) {
    web_version = version;
    prepared_web_version.clear();
  }
  return moved;
}

void DiscardWebVersion() {
  RemoveFile(kPreparedWebVersionFile);
}

void TakeUpPreparedWebVersion(bool may_record) {
  if (prepared_web_version.empty() || web_announcements_ignored)
    return;
  const std::string version = prepared_web_version;
  if (may_record) {
    const int committed = CommitWebVersion(version);
    if (committed == 0)
      return;
    WriteUpdateErrorLog({committed, kWebVersionFile});
  }
  web_version = version;
}

bool CheckClientVersionAnnouncement(const std::string& message) {
  std::string version;
  if (client_announcements_ignored ||
      !Announcement(message, kClientVersionMarker, &version) ||
      IsClientVersionCurrent(version)) {
    return false;
  }
  client_outdated = true;
  return true;
}

bool CheckWebVersionAnnouncement(const std::string& message) {
  std::string version;
  if (web_announcements_ignored ||
      !Announcement(message, kWebVersionMarker, &version) ||
      IsWebVersionCurrent(version)) {
    return false;
  }
  const int prepared = PrepareWebVersion(version);
  if (prepared != 0) {
    prepare_error = {prepared, kPreparedWebVersionFile};
    WriteUpdateErrorLog(prepare_error);
    web_announcements_ignored = true;
    return false;
  }
  pending_web_version = version;
  update_required = true;
  return true;
}
