#ifndef CLIENT_MAIN_VERSION_GATE_H_
#define CLIENT_MAIN_VERSION_GATE_H_

#include <string>

#include "client/main/update_error_log.h"

// Process-wide state of the version gate. The page announces the client and
// web-content versions it expects in its console; a disagreement with the
// installed versions sets a flag (flags are only ever set) that the entry
// point acts on after CEF has shut down.
//
// Everything here belongs to the main thread, which is CEF's UI thread: the
// readers run at start-up before CEF, the checks in the console callback,
// the rest at start-up in the browser process and after CefShutdown.
extern std::string client_version;       // from "client_version.ini"
extern std::string web_version;          // from "version.ini"
extern std::string pending_web_version;  // the last disagreeing announcement
extern bool client_outdated;
extern bool update_required;

// The version in "version.ini.new": an update to it was begun and never
// recorded. It is written, and flushed, before the profile is touched, so
// that whatever fails afterwards, the profile is wiped at most once for a
// version. Empty when there is none.
extern std::string prepared_web_version;

// Set when the run cannot act on a marker: a version file of it exists but
// cannot be read, or (web) the run gave up its profile folder or could not
// prepare a new version. Its announcements then change nothing, so that no
// failure closes the game at every start.
extern bool client_announcements_ignored;
extern bool web_announcements_ignored;

// A version file that could not be read at start-up (logged by the browser
// process), and a new version that could not be prepared (logged at once,
// and told after shutdown).
extern FileError version_file_error;
extern FileError prepare_error;

// The installed web-content version, and where a new one waits beside it.
extern const char kWebVersionFile[];
extern const char kPreparedWebVersionFile[];

// Read the first whitespace-delimited word of "version.ini" (and of
// "version.ini.new") and of "client_version.ini" in the working directory.
// Only a file that is not there counts as missing: a missing "version.ini"
// sets |update_required| unless a prepared version stands in for it; a file
// that is there but cannot be read ignores its marker. An empty file keeps
// the version.
void ReadWebVersion();
void ReadClientVersion();

// Forgets what the readers above found and reads both files again.
void ReadVersionFilesAgain();

// Byte-for-byte comparisons with the installed versions.
bool IsClientVersionCurrent(const std::string& version);
bool IsWebVersionCurrent(const std::string& version);

// Recording a new web-content version in two steps, so that "version.ini"
// is never empty or partial whatever fails or crashes when:
// PrepareWebVersion writes |version| (its bytes alone, no line end) to the
// prepared file and flushes it to disk; CommitWebVersion then puts that file
// in place of "version.ini" in one step and records |version| in memory.
// Both return 0 or the platform's error code. DiscardWebVersion drops a
// prepared file that is not wanted after all.
int PrepareWebVersion(const std::string& version);
int CommitWebVersion(const std::string& version);
void DiscardWebVersion();

// At the start of the browser process: an update that an earlier run began
// but did not record counts as done, so that it never wipes the profile a
// second time. With |may_record| (the profile folder holds nothing the
// update would have wiped) its version is recorded in "version.ini";
// otherwise, or if that fails, it is taken as the web version in memory.
void TakeUpPreparedWebVersion(bool may_record);

// Examine one console message (UTF-8). A message counts as an announcement
// only when it begins with the marker, and the version it announces is the
// first whitespace-delimited word after the marker, just as a version file
// would give it back; a message with no word there announces nothing. Each
// returns true when the announcement disagrees, after setting the flag, so
// that the browser that logged it is closed. A disagreeing web version is
// prepared first; if it cannot be, the game goes on and the failure is
// reported.
bool CheckClientVersionAnnouncement(const std::string& message);
bool CheckWebVersionAnnouncement(const std::string& message);

#endif  // CLIENT_MAIN_VERSION_GATE_H_
