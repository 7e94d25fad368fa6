#ifndef TESTS_LAUNCHER_PROBE_H_
#define TESTS_LAUNCHER_PROBE_H_

#include <string>

// Names of the environment variables through which a test talks to the
// probe: the file to record into, and a file whose appearance lets it end.
constexpr char kProbeRecordVariable[] = "ZTV_PROBE_RECORD";
constexpr char kProbeReleaseVariable[] = "ZTV_PROBE_RELEASE";

// Writes "<cwd>\n<program>\n<command>" to the record file (atomically, via
// a rename), where <program> is the file the system ran, waits for the
// release file, then creates "<record>.done".
int RunProbe(const std::string& cwd,
             const std::string& program,
             const std::string& command);

#endif  // TESTS_LAUNCHER_PROBE_H_
