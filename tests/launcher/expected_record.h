#ifndef TESTS_LAUNCHER_EXPECTED_RECORD_H_
#define TESTS_LAUNCHER_EXPECTED_RECORD_H_

#include <string>

// How the probe records being started with |command_line|: the raw command
// line on Windows, one argv entry a line on Linux.
std::string ExpectedCommandRecord(const std::string& command_line);

// Whether the launcher takes bin/ from its own folder (Windows, where it runs
// elevated) rather than from the current folder (Linux).
extern const bool kLauncherTrustsOnlyItsOwnFolder;

#endif  // TESTS_LAUNCHER_EXPECTED_RECORD_H_
