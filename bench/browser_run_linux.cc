#include "bench/runs_linux.h"

#include "bench/frame_check_linux.h"

namespace bench {

namespace {

// Memory is watched over the first seconds, the time a start takes.
constexpr double kWatchSeconds = 5;
// A step that takes longer than this counts as never done.
constexpr double kGiveUpSeconds = 60;
// How often the screen and the output are looked at while waiting.
constexpr int kPollMs = 10;

double Since(double start, double time) {
  return time < 0 ? -1 : time - start;
}

}  // namespace

BrowserRun RunBrowser(const Launch& launch,
                      const platform::X11Display& display) {
  BrowserRun run;
  WatchedProcess process(launch);
  if (!process.started())
    return run;
  process.StartSampling();
  const double start = process.start();
  const auto pid = static_cast<unsigned long>(process.pid());
  bool sampling = true;
  while (!process.Exited() && Now() < start + kGiveUpSeconds &&
         (sampling || run.first_console < 0 || run.first_frame < 0)) {
    process.Poll(kPollMs);
    if (run.first_console < 0)
      run.first_console = Since(start, process.LineTime("js: "));
    if (run.first_frame < 0) {
      // Looked up each time: Qt may replace a window's native window once
      // it knows how the window will be drawn.
      const platform::XWindow window = WindowOfProcess(display, pid);
      if (window && ShowsFrame(display, window))
        run.first_frame = Now() - start;
    }
    if (sampling && Now() >= start + kWatchSeconds) {
      run.peak_kib = process.StopSampling();
      sampling = false;
    }
  }
  if (sampling)
    run.peak_kib = process.StopSampling();
  const platform::XWindow window = WindowOfProcess(display, pid);
  if (!window || process.Exited())
    return run;
  // As the player closes it: the window manager's close request.
  const double asked = Now();
  display.RequestClose(window);
  if (process.WaitForExit(kGiveUpSeconds) && process.exit_code() == 0)
    run.close = process.exit_time() - asked;
  return run;
}

double RunToExit(const Launch& launch) {
  WatchedProcess process(launch);
  if (!process.started() || !process.WaitForExit(kGiveUpSeconds) ||
      process.exit_code() != 0) {
    return -1;
  }
  return process.exit_time() - process.start();
}

double TimeToProbe(const Launch& launch) {
  WatchedProcess process(launch);
  if (!process.started())
    return -1;
  // The probe prints the monotonic clock as it starts, and outlives the
  // launcher that started it.
  const std::string marker = "probe ";
  while (Now() < process.start() + kGiveUpSeconds) {
    process.Poll(kPollMs);
    const std::string* line = process.FirstLine(marker);
    if (line)
      return std::stod(line->substr(marker.size())) - process.start();
    if (process.Exited() && process.output_closed())
      return -1;
  }
  return -1;
}

}  // namespace bench
