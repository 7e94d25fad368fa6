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

// Read the first whitespace-delimited word of "version.ini" and
// "client_version.ini" in the working directory. A "version.ini" that does
// not open sets |update_required|; an empty file keeps the version.
void ReadWebVersion();
void ReadClientVersion();

// Byte-for-byte comparisons with the installed versions.
bool IsClientVersionCurrent(const std::string& version);
bool IsWebVersionCurrent(const std::string& version);

// Records |version| as the installed web-content version, in memory and in
// "version.ini" (its bytes alone, no line end).
void WriteWebVersion(const std::string& version);

// Examine one console message (UTF-8). A message counts as an announcement
// only when it begins with the marker; the version is all the rest of it.
// Each returns true when the announcement disagrees, after setting the flag,
// so that the browser that logged it is closed.
bool CheckClientVersionAnnouncement(const std::string& message);
bool CheckWebVersionAnnouncement(const std::string& message);

#endif  // CLIENT_MAIN_VERSION_GATE_H_
