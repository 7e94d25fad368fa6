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

// Watches the client's working folder for its version file being recorded,
// and its profile folder for the reset's first deletion, which marks the
// end of the engine's shutdown. The new version is prepared before the
// window closes, so it marks nothing after it.
class UpdateWatch {
 public:
  explicit UpdateWatch(const std::filesystem::path& bin_folder)
      : fd_(inotify_init1(IN_NONBLOCK | IN_CLOEXEC)) {
    if (fd_ >= 0)
      bin_ = inotify_add_watch(fd_, bin_folder.c_str(), IN_MOVED_TO);
  }
  ~UpdateWatch() {
    if (fd_ >= 0)
      close(fd_);
  }
  UpdateWatch(const UpdateWatch&) = delete;
  UpdateWatch& operator=(const UpdateWatch&) = delete;

  // From now on, deletions in |profile| count as the reset's; the engine
  // has made the folder by the time the page speaks.
  void WatchProfile(const std::filesystem::path& profile) {
    if (fd_ >= 0 && profile_ < 0)
      profile_ = inotify_add_watch(fd_, profile.c_str(), IN_DELETE);
  }

  void Read() {
    alignas(inotify_event) char buffer[4096];
    ssize_t got;
    while (fd_ >= 0 && (got = read(fd_, buffer, sizeof(buffer))) > 0) {
      const double now = Now();
      for (ssize_t at = 0; at < got;) {
        const auto* event = reinterpret_cast<const inotify_event*>(buffer + at);
        const char* name = event->len ? event->name : "";
        // SQLite removes the cookie store's journal after each write while
        // the engine still runs; the reset never deletes the store.
        if (event->wd == profile_ && (event->mask & IN_DELETE) &&
            reset_started_ < 0 && std::strncmp(name, "Cookies", 7) != 0) {
          reset_started_ = now;
        }
        if (event->wd == bin_ && (event->mask & IN_MOVED_TO) && recorded_ < 0 &&
            std::strcmp(name, "version.ini") == 0) {
          recorded_ = now;
        }
        at += static_cast<ssize_t>(sizeof(inotify_event) + event->len);
      }
    }
  }
  double reset_started() const { return reset_started_; }
  double recorded() const { return recorded_; }

 private:
  int fd_;
  int bin_ = -1;
  int profile_ = -1;
  double reset_started_ = -1;
  double recorded_ = -1;
};

}  // namespace

UpdateCycleRun RunUpdateCycle(const Launch& launch,
                              const std::filesystem::path& bin_folder,
                              const std::filesystem::path& profile_folder,
                              const platform::X11Display& display) {
  UpdateCycleRun run;
  UpdateWatch watch(bin_folder);
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
    if (window_gone < 0 && process.LineTime(kAnnouncement) >= 0) {
      watch.WatchProfile(profile_folder);
      if (!WindowOfProcess(display, pid))
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
      announced < 0 || window_gone < 0 || watch.reset_started() < 0 ||
      watch.recorded() < 0 || notice < 0) {
    return run;
  }
  run.window_close = window_gone - announced;
  run.engine_shutdown = watch.reset_started() - window_gone;
  run.reset = watch.recorded() - watch.reset_started();
  run.notice = notice - watch.recorded();
  return run;
}

}  // namespace bench
