#ifndef TESTS_LAUNCHER_EXPECTED_RECORD_H_
#define TESTS_LAUNCHER_EXPECTED_RECORD_H_

#include <string>

// How the probe records being started with |command_line|: the raw command
// line on Windows, one argv entry a line on Linux.
std::string ExpectedCommandRecord(const std::string& command_line);

#endif  // TESTS_LAUNCHER_EXPECTED_RECORD_H_
