#ifndef TESTS_LAUNCHER_EXPECTED_RECORD_H_
#define TESTS_LAUNCHER_EXPECTED_RECORD_H_

#include <string>

// How the probe records being started with |command_line|: the raw command
// line on Windows, one argv entry a line on Linux.
std::string ExpectedCommandRecord(const std::string& command_line);

// Whether the launcher trusts only its own folder (Windows, where it runs
// elevated): it takes bin/ from there rather than from the current folder
// (Linux), and starts nothing that anyone else may change.
extern const bool kLauncherTrustsOnlyItsOwnFolder;

// The switches the launcher passes the client: on Windows with the sandbox
// off that the Flash plug-in needs, on Linux without.
extern const char kExpectedClientSwitches[];

#endif  // TESTS_LAUNCHER_EXPECTED_RECORD_H_
