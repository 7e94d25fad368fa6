#include <sys/inotify.h>
#include <unistd.h>

#include <cstring>

#include "bench/frame_check_linux.h"
#include "bench/runs_linux.h"

namespace bench {

namespace {

constexpr double kGiveUpSeconds = 60;
constexpr int kPollMs = 2;
constexpr char kNoticeTitle[] = "ZTV - Client Update";
// The page's announcement of its web version, as the client logs it.
constexpr char kAnnouncement[] = "js: ZTV-Version: ";

// Watches a folder for the client's version file: first the new version
// prepared beside it, then moved into place.
class VersionFileWatch {
 public:
  explicit VersionFileWatch(const std::filesystem::path& folder)
      : fd_(inotify_init1(IN_NONBLOCK | IN_CLOEXEC)) {
    if (fd_ >= 0)
      inotify_add_watch(fd_, folder.c_str(), IN_CREATE | IN_MOVED_TO);
  }
  ~VersionFileWatch() {
    if (fd_ >= 0)
      close(fd_);
  }
  VersionFileWatch(const VersionFileWatch&) = delete;
  VersionFileWatch& operator=(const VersionFileWatch&) = delete;

  void Read() {
    alignas(inotify_event) char buffer[4096];
    ssize_t got;
    while (fd_ >= 0 && (got = read(fd_, buffer, sizeof(buffer))) > 0) {
      const double now = Now();
      for (ssize_t at = 0; at < got;) {
        const auto* event = reinterpret_cast<const inotify_event*>(buffer + at);
        const char* name = event->len ? event->name : "";
        if ((event->mask & IN_CREATE) && prepared_ < 0 &&
            std::strcmp(name, "version.ini.new") == 0) {
          prepared_ = now;
        }
        if ((event->mask & IN_MOVED_TO) && recorded_ < 0 &&
            std::strcmp(name, "version.ini") == 0) {
          recorded_ = now;
        }
        at += static_cast<ssize_t>(sizeof(inotify_event) + event->len);
      }
    }
  }
  double prepared() const { return prepared_; }
  double recorded() const { return recorded_; }

 private:
  int fd_;
  double prepared_ = -1;
  double recorded_ = -1;
};

}  // namespace

UpdateCycleRun RunUpdateCycle(const Launch& launch,
                              const std::filesystem::path& bin_folder,
                              const platform::X11Display& display) {
  UpdateCycleRun run;
  VersionFileWatch watch(bin_folder);
  WatchedProcess process(launch);
  if (!process.started())
    return run;
  const auto pid = static_cast<unsigned long>(process.pid());
  double window_gone = -1;
  double notice = -1;
  while (notice < 0 && !process.Exited() &&
         Now() < process.start() + kGiveUpSeconds) {
    process.Poll(kPollMs);
    watch.Read();
    // Once the page has announced the version, the game window goes.
    if (window_gone < 0 && process.LineTime(kAnnouncement) >= 0 &&
        !WindowOfProcess(display, pid)) {
      window_gone = Now();
    }
    const platform::XWindow notice_window =
        display.FindWindowByTitle(kNoticeTitle);
    if (notice_window && display.Viewable(notice_window)) {
      notice = Now();
      display.RequestClose(notice_window);
    }
  }
  // A completed update ends with exit code 1, once the notice is closed.
  const double announced = process.LineTime(kAnnouncement);
  if (!process.WaitForExit(kGiveUpSeconds) || process.exit_code() != 1 ||
      announced < 0 || window_gone < 0 || watch.prepared() < 0 ||
      watch.recorded() < 0 || notice < 0) {
    return run;
  }
  run.window_close = window_gone - announced;
  run.engine_shutdown = watch.prepared() - window_gone;
  run.reset = watch.recorded() - watch.prepared();
  run.notice = notice - watch.recorded();
  return run;
}

}  // namespace bench
