#ifndef BENCH_RUNS_LINUX_H_
#define BENCH_RUNS_LINUX_H_

#include <filesystem>
#include <string>

#include "bench/watched_process_linux.h"
#include "platform/x11_display_linux.h"

namespace bench {

// One start of a browser program, the client or the bare host, watched
// through its first seconds and then closed as the player closes it. Times
// are in seconds; a step that never happened stays negative.
struct BrowserRun {
  double first_console = -1;  // start -> first console message
  double first_frame = -1;    // start -> first rendered frame on screen
  long peak_kib = 0;          // the process tree's peak over the first 5 s
  double close = -1;          // close request -> exit
};
BrowserRun RunBrowser(const Launch& launch,
                      const platform::X11Display& display);

// One update cycle of the client, from the page's announcement of a new web
// version to the update notice on screen, step by step. |bin_folder| is the
// client's working folder, where it records the version; |profile_folder|
// the folder it resets.
struct UpdateCycleRun {
  double window_close = -1;     // announcement -> window gone
  double engine_shutdown = -1;  // -> the reset deletes its first entry
  double reset = -1;            // -> profile reset and version recorded
  double notice = -1;           // -> the notice on screen
};
UpdateCycleRun RunUpdateCycle(const Launch& launch,
                              const std::filesystem::path& bin_folder,
                              const std::filesystem::path& profile_folder,
                              const platform::X11Display& display);

// Seconds from starting |launch| to its exit; negative if it failed or took
// longer than a minute.
double RunToExit(const Launch& launch);

// Fills |folder| (created) with |files| files of |file_bytes| bytes each in
// nested folders, as a long-played cache lies, and a "Cookies" file.
void BuildProfileTree(const std::filesystem::path& folder,
                      int files,
                      size_t file_bytes);

// The memory, in KiB, that the client's update reset adds to its process
// while resetting |folder|, as measured by |reset_runner|; negative if the
// reset failed.
long ResetExtraMemoryKib(const std::string& reset_runner,
                         const std::filesystem::path& folder);

// Seconds from starting |launch| until the program it starts in turn, the
// time probe, reports that it is running; negative if it never does.
double TimeToProbe(const Launch& launch);

}  // namespace bench

#endif  // BENCH_RUNS_LINUX_H_
