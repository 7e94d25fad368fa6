#ifndef CLIENT_MAIN_VERSION_GATE_H_
#define CLIENT_MAIN_VERSION_GATE_H_

#include <string>

// Process-wide state of the version gate. The page announces the client and
// web-content versions it expects in its console; a disagreement with the
// installed versions sets a flag (flags are only ever set) that the entry
// point acts on after CEF has shut down.
extern std::string client_version;       // from "client_version.ini"
extern std::string web_version;          // from "version.ini"
extern std::string pending_web_version;  // the last disagreeing announcement
extern bool client_outdated;
extern bool update_required;

// The installed web-content version and where a new one waits, beside it,
// until the update reset has succeeded.
extern const char kWebVersionFile[];
extern const char kPreparedWebVersionFile[];

// Read the first whitespace-delimited word of "version.ini" and
// "client_version.ini" in the working directory. A "version.ini" that does
// not open sets |update_required|; an empty file keeps the version.
void ReadWebVersion();
void ReadClientVersion();

// Byte-for-byte comparisons with the installed versions.
bool IsClientVersionCurrent(const std::string& version);
bool IsWebVersionCurrent(const std::string& version);

// Recording a new web-content version in three steps, so that "version.ini"
// is never empty or partial whatever fails or crashes when:
// PrepareWebVersion writes |version| (its bytes alone, no line end) to the
// prepared file and flushes it to disk; CommitWebVersion then puts that file
// in place of "version.ini" in one step and records |version| in memory;
// DiscardWebVersion drops a prepared file that is not wanted after all.
// The first two return 0 or the platform's error code.
int PrepareWebVersion(const std::string& version);
int CommitWebVersion(const std::string& version);
void DiscardWebVersion();

// Examine one console message (UTF-8). A message counts as an announcement
// only when it begins with the marker, and the version it announces is the
// first whitespace-delimited word after the marker, just as a version file
// would give it back; a message with no word there announces nothing. Each
// returns true when the announcement disagrees, after setting the flag, so
// that the browser that logged it is closed.
bool CheckClientVersionAnnouncement(const std::string& message);
bool CheckWebVersionAnnouncement(const std::string& message);

#endif  // CLIENT_MAIN_VERSION_GATE_H_
