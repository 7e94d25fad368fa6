// Explores the states the disk can be in around the real Linux client and
// checks the player-data invariants after each of two starts:
//   I1 the login survives, and no new cookie store is begun while the
//      player's waits elsewhere;
//   I2 nothing outside the profile folder's own entries changes but the
//      client's few files, and nothing is written through a link;
//   I3 "Client Update", exit code 1 and a recorded version mean the folder
//      holds only its cookie file; a run without its folder records nothing;
//   I4 one wipe per announced version, and no start closed by the gate
//      after one that was;
//   I5 what cannot be read is not absent, and no start blocks.
//
// The space: every path the client touches (the profile folder, its cookie
// store, the store earlier versions set aside, "version.ini", the prepared
// "version.ini.new", "client_version.ini", the lock) takes one of twelve
// kinds; with an announcement or none and a second start or none, these
// factors are combined pairwise. To that come the client's own file-system
// calls, recorded in two plain runs, each made to fail (EIO) or to kill the
// client in a run of its own, and in turn in every third pairwise case.
//
// Usage: ztv_explorer <client> <fault shim> [--sample N | --case N[,N...]]
// (--case tells each start in full). Runs as root, which it needs to start
// the client as an unprivileged player, mount the second disk and make files
// immutable.
#include <signal.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <map>
#include <memory>
#include <set>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "tests/explorer/covering_array.h"
#include "tests/explorer/disk_state_linux.h"
#include "tests/support/child_process.h"
#include "tests/support/demo_server.h"
#include "tests/support/dialog.h"
#include "tests/support/test_files.h"
#include "tests/support/x11_windows_linux.h"

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;

namespace {

// Where the engine keeps its scratch folder in the install:
// $XDG_DATA_HOME/<program>/QtWebEngine/qtcef.
const char kScratchParent[] = "row/data/game.ztv";

// The player the client runs as: nobody, so that permissions bite.
constexpr uid_t kPlayer = 65534;
constexpr auto kStartTimeout = std::chrono::seconds(60);
// How long a page stays after its title has come, for the version gate to
// act on its announcement, before the player closes the window.
constexpr auto kSettle = milliseconds(800);
const char* const kNotices[] = {"ZTV - Client Update", "ZTV - Error",
                                "ZTV - Client Outdated"};

struct Fault {
  std::string call;     // "<call> <path>#<n>"; empty for none
  std::string outcome;  // as the fault shim takes it: "EIO", "KILL", ...
};

struct Case {
  DiskState state;
  bool announce = false;
  // With a fault that stalls, the second start comes during the stall.
  bool second_start = false;
  Fault fault;
  std::string origin;  // "pairwise", "fault" or "missing parent"
  bool data_folder = true;
};

std::string Describe(const Case& c) {
  std::ostringstream text;
  for (int spot = 0; spot < kSpotCount; ++spot) {
    if ((InProfile(static_cast<Spot>(spot)) &&
         !HoldsEntries(c.state[kProfile])) ||
        (!c.data_folder && SpotPath(static_cast<Spot>(spot))[0] == 'd')) {
      continue;
    }
    text << SpotPath(static_cast<Spot>(spot)) << "=" << KindName(c.state[spot])
         << " ";
  }
  if (!c.data_folder)
    text << "data=absent ";
  text << (c.announce ? "announce=2" : "announce=none");
  if (c.second_start)
    text << " second-start";
  if (!c.fault.call.empty())
    text << " fault=[" << c.fault.call << ":" << c.fault.outcome << "]";
  return text.str();
}

struct StartResult {
  bool ended = false;
  int exit_code = -1;
  bool shown = false;
  std::string title;
  bool closed_by_gate = false;
  std::vector<std::string> notices;
  bool gave_up = false;
  bool second_started = false;
  int second_exit = -1;
  bool Noticed(const std::string& title_wanted) const {
    return std::find(notices.begin(), notices.end(), title_wanted) !=
           notices.end();
  }
};

bool Contains(const std::string& text, const std::string& part) {
  return text.find(part) != std::string::npos;
}

const Entry* Find(const Tree& tree, const std::string& key) {
  auto it = tree.find(key);
  return it == tree.end() ? nullptr : &it->second;
}

// Whether |folder| (a snapshot key) holds nothing but "Cookies", or is not
// there.
bool HoldsOnlyCookies(const Tree& tree, const std::string& folder) {
  for (auto it = tree.lower_bound(folder + "/");
       it != tree.end() && it->first.rfind(folder + "/", 0) == 0; ++it) {
    if (it->first != folder + "/Cookies")
      return false;
  }
  return true;
}

// Whether the player can read what |key| holds, following one link: a
// regular file with its owner's read bit.
bool PlayerCanRead(const Tree& tree, const std::string& key, bool follow) {
  const Entry* entry = Find(tree, key);
  if (entry && entry->type == 'l' && follow) {
    const std::string& target = entry->data;
    const size_t at = target.find("/elsewhere/");
    const std::string target_key =
        at != std::string::npos
            ? "row" + target.substr(at)
            : "other/" + fs::path(target).filename().string();
    entry = Find(tree, target_key);
  }
  return entry && entry->type == 'f' && (entry->mode & 0400);
}

// The state of a player who has played before: a profile folder with its
// cookie store, the version files, a lock left by the last run.
DiskState PlainState() {
  DiskState state(kSpotCount, kFile);
  state[kProfile] = kFolder;
  state[kIndexedDb] = kFolder;
  state[kSetAside] = kAbsent;
  state[kPrepared] = kAbsent;
  state[kLog] = kAbsent;
  return state;
}

// What the player owns outside the install, by path: its mode, size and
// time of change. The places are every one the player may write to on
// these machines (found once by trying each folder as uid 65534): the
// shared temporary and lock folders and the player's home and runtime
// folders.
using Owned = std::map<std::string, std::string>;

Owned PlayerOwned(const fs::path& work) {
  Owned owned;
  const fs::path roots[] = {"/tmp",      "/var/tmp",    "/dev/shm",
                            "/run/lock", work / "home", work / "runtime"};
  for (const fs::path& root : roots) {
    std::error_code error;
    for (fs::recursive_directory_iterator
             it(root, fs::directory_options::skip_permission_denied, error),
         end;
         !error && it != end; it.increment(error)) {
      // The installs are checked on their own, the logs are the explorer's.
      if (it->path() == work) {
        it.disable_recursion_pending();
        continue;
      }
      struct stat info;
      if (lstat(it->path().c_str(), &info) != 0 || info.st_uid != kPlayer)
        continue;
      owned[it->path().string()] = std::to_string(info.st_mode) + " " +
                                   std::to_string(info.st_size) + " " +
                                   std::to_string(info.st_mtim.tv_sec) + "." +
                                   std::to_string(info.st_mtim.tv_nsec);
    }
  }
  return owned;
}

// Every process of the player, ended, so that nothing of one start outlives
// it into the next.
void EndPlayerProcesses() {
  for (int round = 0; round < 50; ++round) {
    bool any = false;
    for (const auto& entry : fs::directory_iterator("/proc")) {
      struct stat info;
      const std::string name = entry.path().filename().string();
      if (name.find_first_not_of("0123456789") == std::string::npos &&
          stat(entry.path().c_str(), &info) == 0 && info.st_uid == kPlayer) {
        kill(std::stoi(name), SIGKILL);
        any = true;
      }
    }
    if (!any)
      return;
    std::this_thread::sleep_for(milliseconds(100));
  }
}

// What changed among the player's files outside the install, but for
// Chromium's shared memory, which it unlinks as soon as it has mapped it and
// which a process ended abruptly at that moment leaves behind (the explorer
// kills whatever is left of each start).
std::vector<std::string> OutsideChanges(const Owned& before,
                                        const Owned& after) {
  std::set<std::string> keys;
  for (const auto& entry : before)
    keys.insert(entry.first);
  for (const auto& entry : after)
    keys.insert(entry.first);
  std::vector<std::string> changes;
  for (const std::string& key : keys) {
    auto was = before.find(key);
    auto is = after.find(key);
    if ((was != before.end() && is != after.end() &&
         was->second == is->second) ||
        key.rfind("/dev/shm/.org.chromium.Chromium.", 0) == 0) {
      continue;
    }
    changes.push_back(key + (was == before.end() ? " appeared"
                             : is == after.end() ? " went"
                                                 : " changed"));
  }
  return changes;
}

// The fault of |c| when its first start met it in a plain state, whose own
// failures cannot come first; a kill in any state.
Fault FaultMet(const Sandbox& box, const Case& c) {
  if (!fs::exists(box.row() / "fault-hit"))
    return Fault();
  return c.origin == "fault" || c.fault.outcome == "KILL" ? c.fault : Fault();
}

class Explorer {
 public:
  Explorer(fs::path client, fs::path shim)
      : client_(std::move(client)),
        shim_(std::move(shim)),
        same_("1.0.0.0", "1"),
        newer_("1.0.0.0", "2") {}

  bool SetUp();
  void TearDown();
  std::vector<Case> Space(std::vector<Case>* faults);
  // Runs |c| and returns the broken invariants, one a line.
  std::vector<std::string> Run(const Case& c, int index);
  // How many cases' faults were met: the call was made.
  int faults_met() const { return faults_met_; }
  // Whether SetUp failed only for want of what this machine cannot give.
  bool skipped() const { return skipped_; }

 private:
  std::map<std::string, std::string> Environment(const Sandbox& box) const;
  StartResult Start(const Sandbox& box,
                    const Fault& fault,
                    bool second_start,
                    const std::string& log_name,
                    const fs::path& call_log);
  std::map<std::string, int> RecordCalls(bool announce);
  void PlantMarker(const Sandbox& box, const std::string& folder) const;
  std::vector<std::string> Check(const Sandbox& box,
                                 const std::string& folder,
                                 const Tree& before,
                                 const Tree& after,
                                 const StartResult& start,
                                 const Fault& fault_met) const;

  fs::path client_;
  fs::path shim_;
  DemoServer same_;
  DemoServer newer_;
  TempDir work_;
  fs::path other_disk_;
  std::string cookies_;
  X11Windows windows_;
  int faults_met_ = 0;
  bool mounted_ = false;
  bool skipped_ = false;

 public:
  // Says what each start did.
  bool verbose_ = false;
};

bool Explorer::SetUp() {
  if (!same_.started() || !newer_.started() || !windows_.connected()) {
    std::cerr << "explorer: needs the demo server and an X display\n";
    return false;
  }
  // The player's own folders, outside what is checked.
  for (const char* folder : {"home", "runtime", "logs", "other"}) {
    fs::create_directories(work_.path() / folder);
    if (chown((work_.path() / folder).c_str(), kPlayer, kPlayer) != 0)
      return false;
  }
  chmod((work_.path() / "runtime").c_str(), 0700);
  if (const char* auth = std::getenv("XAUTHORITY")) {
    fs::copy_file(auth, work_.path() / "Xauthority");
    if (chown((work_.path() / "Xauthority").c_str(), kPlayer, kPlayer) != 0)
      return false;
  }
  // The second disk: a small tmpfs of its own.
  other_disk_ = work_.path() / "other";
  if (mount("ztv-explorer", other_disk_.c_str(), "tmpfs", 0,
            "size=64m,mode=0755") != 0) {
    std::perror("explorer: skipped, the second disk cannot be mounted");
    skipped_ = true;
    return false;
  }
  mounted_ = true;

  // The player's login, made by the real client in a plain install.
  Sandbox box(work_.path() / "template", other_disk_ / "template", kPlayer);
  DiskState fresh = PlainState();
  fresh[kProfile] = kAbsent;
  box.Build(fresh, "", client_, newer_.Url("/login?player=hero"));
  WriteFileBytes(box.row() / "bin" / "version.ini", "2");
  const StartResult made = Start(box, Fault(), false, "template", "");
  cookies_ = ReadFileBytes(box.row() / "data" / "ZTV" / "Cookies");
  if (made.title != "Zentrova - Realm" || !Contains(cookies_, "ztv_session")) {
    std::cerr << "explorer: the login could not be made (" << made.title
              << ", exit " << made.exit_code << ")\n"
              << ReadFileBytes(work_.path() / "logs" / "template.log");
    return false;
  }
  return true;
}

void Explorer::TearDown() {
  EndPlayerProcesses();
  if (mounted_)
    umount(other_disk_.c_str());
}

std::map<std::string, std::string> Explorer::Environment(
    const Sandbox& box) const {
  std::map<std::string, std::string> env = {
      {"XDG_DATA_HOME", (box.row() / "data").string()},
      {"HOME", (work_.path() / "home").string()},
      {"XDG_CACHE_HOME", (work_.path() / "home" / ".cache").string()},
      {"XDG_CONFIG_HOME", (work_.path() / "home" / ".config").string()},
      {"XDG_RUNTIME_DIR", (work_.path() / "runtime").string()},
      {"LD_PRELOAD", shim_.string()},
      {"ZTV_FAULT_ROOT", box.row().string()},
      {"ZTV_FAULT_FOLDER", "data/ZTV"},
  };
  if (fs::exists(work_.path() / "Xauthority"))
    env["XAUTHORITY"] = (work_.path() / "Xauthority").string();
  return env;
}

StartResult Explorer::Start(const Sandbox& box,
                            const Fault& fault,
                            bool second_start,
                            const std::string& log_name,
                            const fs::path& call_log) {
  ChildProcess::Options options;
  options.program = "/usr/bin/setpriv";
  options.args = {"--reuid=65534",
                  "--regid=65534",
                  "--clear-groups",
                  "--",
                  (box.row() / "bin" / "game.ztv").string(),
                  "--disable-gpu"};
  options.working_dir = box.row() / "bin";
  for (const auto& [name, value] : Environment(box))
    options.environment[name] = value;
  ChildProcess::Options second = options;
  if (!fault.call.empty())
    options.environment["ZTV_FAULT_AT"] = fault.call + ":" + fault.outcome;
  if (!call_log.empty())
    options.environment["ZTV_FAULT_LOG"] = call_log.string();
  options.stderr_file = work_.path() / "logs" / (log_name + ".log");
  second.stderr_file = work_.path() / "logs" / (log_name + "-second.log");

  const bool at_stall = fault.outcome == "STALL";
  StartResult result;
  ChildProcess client(options);
  std::unique_ptr<ChildProcess> other;
  const auto deadline = Clock::now() + kStartTimeout;
  Clock::time_point titled;
  bool closed_by_player = false;
  bool vanished = false;
  while (Clock::now() < deadline) {
    const bool done = client.Wait(milliseconds(0), &result.exit_code);
    const std::vector<unsigned long> shown = windows_.FindAll("Zentrova");
    if (!shown.empty()) {
      // Qt may remake a window as it sets it up; only a game window that
      // stays gone has been closed.
      vanished = false;
      result.shown = true;
      const std::string title = windows_.Title(shown.front());
      if (title.rfind("Zentrova - ", 0) == 0 && result.title.empty()) {
        titled = Clock::now();
        if (second_start && !at_stall && !other) {
          other = std::make_unique<ChildProcess>(second);
          result.second_started = true;
        }
      }
      if (title.rfind("Zentrova - ", 0) == 0)
        result.title = title;
      if (!result.title.empty() && Clock::now() - titled > kSettle) {
        for (unsigned long window : shown)
          windows_.Close(window);
        closed_by_player = true;
      }
    } else if (!result.title.empty() && !closed_by_player && !done) {
      vanished = true;
    }
    if (second_start && at_stall && !other &&
        fs::exists(box.row() / "fault-hit")) {
      other = std::make_unique<ChildProcess>(second);
      result.second_started = true;
    }
    for (const char* title : kNotices) {
      DialogInfo box_info;
      if (TopLevelWindowExists(title) &&
          ReadAndDismissDialog(title, milliseconds(3000), &box_info)) {
        result.notices.push_back(title);
      }
    }
    const bool other_done =
        !other || other->Wait(milliseconds(0), &result.second_exit);
    if (done && other_done && !TopLevelWindowExists("ZTV - Error") &&
        !TopLevelWindowExists("ZTV - Client Update") &&
        !TopLevelWindowExists("ZTV - Client Outdated")) {
      result.ended = true;
      break;
    }
    std::this_thread::sleep_for(milliseconds(50));
  }
  if (!result.ended) {
    client.Kill();
    if (other)
      other->Kill();
  }
  EndPlayerProcesses();
  result.closed_by_gate = vanished && result.exit_code != 128 + SIGKILL;
  result.gave_up = Contains(ReadFileBytes(options.stderr_file),
                            "the profile folder cannot be used");
  return result;
}

std::map<std::string, int> Explorer::RecordCalls(bool announce) {
  Sandbox box(work_.path() / "record", other_disk_ / "record", kPlayer);
  box.Build(PlainState(), cookies_, client_,
            (announce ? newer_ : same_).Url("/login_standalone.html"));
  const fs::path log = work_.path() / "logs" / "calls.log";
  fs::remove(log);
  Start(box, Fault(), false, "record", log);
  std::map<std::string, int> counts;
  std::istringstream lines(ReadFileBytes(log));
  for (std::string line; std::getline(lines, line);)
    ++counts[line];
  return counts;
}

// How each of the client's calls is made to fail: every first call with EIO
// or a kill, and with the errors its kind of call meets on a full disk or in
// a folder it may not change; a second call of the same kind with EIO.
std::vector<std::string> Outcomes(const std::string& call, int occurrence) {
  if (occurrence > 1)
    return {"EIO"};
  std::vector<std::string> outcomes = {"EIO", "KILL"};
  const std::string verb = call.substr(0, call.find(' '));
  if (verb == "write")
    outcomes.insert(outcomes.end(), {"ENOSPC", "SHORT"});
  else if (verb == "fsync")
    outcomes.push_back("ENOSPC");
  else if (verb == "open" || verb == "openat" || verb == "mkdir" ||
           verb == "rename" || verb == "unlink" || verb == "unlinkat" ||
           verb == "rmdirat" || verb == "rmdir")
    outcomes.push_back("EACCES");
  return outcomes;
}

std::vector<Case> Explorer::Space(std::vector<Case>* faults) {
  // The client's own calls in a plain state, each failed or killed once per
  // occurrence (up to the second); and a second start while each kind of
  // deletion of the reset is under way.
  const DiskState plain = PlainState();
  std::vector<Fault> levels;
  const auto seen = [&](const Fault& fault) {
    return std::any_of(faults->begin(), faults->end(), [&](const Case& c) {
      return c.fault.call == fault.call && c.fault.outcome == fault.outcome;
    });
  };
  for (bool announce : {false, true}) {
    for (const auto& [call, count] : RecordCalls(announce)) {
      for (int n = 1; n <= std::min(count, 2); ++n) {
        for (const std::string& outcome : Outcomes(call, n)) {
          const Fault fault{call + "#" + std::to_string(n), outcome};
          if (seen(fault))
            continue;
          faults->push_back({plain, announce, false, fault, "fault"});
          levels.push_back(fault);
        }
      }
      const Fault stall{call + "#1", "STALL"};
      if (announce && call.find(" data/ZTV/*") != std::string::npos &&
          call.rfind("unlinkat", 0) == 0 && !seen(stall)) {
        faults->push_back({plain, true, true, stall, "fault"});
      }
    }
  }
  // The folders above the profile folder missing.
  for (bool announce : {false, true}) {
    Case missing{plain, announce, false, Fault(), "missing parent"};
    missing.data_folder = false;
    faults->push_back(missing);
  }

  // The kinds of every path, pairwise, with the two events.
  std::vector<int> factors(kSpotCount, kKindCount);
  factors.push_back(2);  // announcement
  factors.push_back(2);  // second start
  const auto allowed = [](const Row& row) {
    for (int spot = 0; spot < kSpotCount; ++spot) {
      if (row[spot] < 0)
        continue;
      const Kind kind = static_cast<Kind>(row[spot]);
      if (!Fits(static_cast<Spot>(spot), kind))
        return false;
      if (InProfile(static_cast<Spot>(spot)) && kind != kAbsent &&
          row[kProfile] >= 0 &&
          !HoldsEntries(static_cast<Kind>(row[kProfile]))) {
        return false;
      }
    }
    return true;
  };
  const std::vector<Row> rows = PairwiseRows(factors, allowed);
  if (UncoveredPairs(factors, allowed, rows) != 0)
    std::cerr << "explorer: the pairwise rows leave pairs uncovered\n";
  std::vector<Case> cases;
  for (size_t i = 0; i < rows.size(); ++i) {
    Case c;
    for (int spot = 0; spot < kSpotCount; ++spot)
      c.state.push_back(static_cast<Kind>(rows[i][spot]));
    c.announce = rows[i][kSpotCount] == 1;
    c.second_start = rows[i][kSpotCount + 1] == 1;
    if (i % 3 == 2 && !levels.empty())
      c.fault = levels[(i / 3) % levels.size()];
    c.origin = "pairwise";
    cases.push_back(c);
  }
  return cases;
}

void Explorer::PlantMarker(const Sandbox& box,
                           const std::string& folder) const {
  const fs::path path =
      folder.rfind("other/", 0) == 0
          ? other_disk_ / box.row().filename() / folder.substr(6)
          : box.row() / folder.substr(4);
  WriteFileBytes(path / "explorer-marker", "engine's");
  if (lchown((path / "explorer-marker").c_str(), kPlayer, kPlayer) != 0)
    fs::remove(path / "explorer-marker");
}

std::vector<std::string> Explorer::Check(const Sandbox& box,
                                         const std::string& folder,
                                         const Tree& before,
                                         const Tree& after,
                                         const StartResult& start,
                                         const Fault& fault_met) const {
  std::vector<std::string> broken;
  const auto fail = [&broken](const std::string& what) {
    broken.push_back(what);
  };
  const bool killed = start.exit_code == 128 + SIGKILL;
  if (!start.ended)
    fail("I5: the start never ended (blocked?)");
  const bool fault_kill = fault_met.outcome == "KILL";
  if (start.exit_code != 0 && start.exit_code != 1 && !(killed && fault_kill)) {
    fail("the client ended with " + std::to_string(start.exit_code));
  }

  // I2: nothing but the client's own paths and the folder's entries.
  const std::set<std::string> own = {"row/bin/version.ini",
                                     "row/bin/version.ini.new",
                                     "row/bin/version.ini.new.tmp",
                                     "row/bin/update_error.log",
                                     "row/bin/update_error.log.tmp",
                                     "row/data/ZTV.lock",
                                     "row/fault-hit"};
  // The folder's own entries, where it is a folder (or comes to be one).
  const Entry* folder_entry = folder.empty() ? nullptr : Find(before, folder);
  const bool is_folder =
      !folder.empty() && (!folder_entry || folder_entry->type == 'd');
  std::set<std::string> keys;
  for (const auto& entry : before)
    keys.insert(entry.first);
  for (const auto& entry : after)
    keys.insert(entry.first);
  // What the engine reaches through a link or a bind mount in the folder
  // is the engine's to write, but for what was planted there.
  const auto engine_place = [&box](const std::string& key) {
    return std::any_of(
        box.engine_places().begin(), box.engine_places().end(),
        [&key](const std::string& place) { return key.rfind(place, 0) == 0; });
  };
  for (const std::string& key : box.kept()) {
    const Entry* was = Find(before, key);
    const Entry* is = Find(after, key);
    if (was && (!is || *was != *is))
      fail("I2: " + key + ", on a mount or behind a link in the folder, " +
           (is ? "changed" : "went"));
  }
  for (const std::string& key : keys) {
    const bool inside =
        (is_folder && key.rfind(folder + "/", 0) == 0) || engine_place(key);
    const bool folder_itself =
        is_folder && key == "row/data/ZTV" && folder == key;
    const bool scratch = key.rfind(kScratchParent, 0) == 0;
    if (own.count(key) || inside || folder_itself || scratch)
      continue;
    const Entry* was = Find(before, key);
    const Entry* is = Find(after, key);
    // The folders above the profile folder are made as the engine would.
    const bool made_above = !was && is && is->type == 'd' &&
                            (folder + "/").rfind(key + "/", 0) == 0;
    if ((!was || !is || *was != *is) && !made_above)
      fail("I2: " + key + (was ? (is ? " changed" : " went") : " appeared"));
  }

  // The engine's scratch folder is written and removed by the engine layer;
  // it stays only after a kill, or a failure of its own removal.
  const std::string scratch_folder =
      std::string(kScratchParent) + "/QtWebEngine/qtcef";
  if (!killed && Find(after, scratch_folder) &&
      fault_met.call.find(kScratchParent + 4) == std::string::npos) {
    fail("I2: the engine's scratch folder stayed");
  }

  // I1: every store of the player's is still there with the login in it;
  // the engine reads it when it uses the folder; and no new store is
  // begun while one waits elsewhere.
  for (const auto& [key, entry] : before) {
    if (entry.type == 'f' && entry.data == cookies_) {
      const Entry* is = Find(after, key);
      if (!is || is->type != 'f' || !Contains(is->data, "ztv_session"))
        fail("I1: the store " + key + " lost the login");
    }
  }
  const std::string store = folder.empty() ? "" : folder + "/Cookies";
  const Entry* store_before = store.empty() ? nullptr : Find(before, store);
  if (!start.gave_up && store_before &&
      Contains(store_before->data, "ztv_session") &&
      PlayerCanRead(before, store, false) && !start.title.empty() &&
      start.title != "Zentrova - Realm") {
    fail("I1: the engine did not read the player's login (" + start.title +
         ")");
  }
  const Entry* link = Find(before, "row/data/ZTV");
  const bool waits_elsewhere = (!store.empty() && !store_before &&
                                Find(before, "row/data/ZTV.Cookies")) ||
                               (link && link->type == 'l' && folder.empty());
  if (waits_elsewhere) {
    if (!store.empty() && Find(after, store))
      fail("I1: a new cookie store was begun while the player's waits");
    if (!killed && !start.Noticed("ZTV - Error") &&
        !start.Noticed("ZTV - Client Outdated")) {
      fail("I1: the player was not told that the login is elsewhere");
    }
  }

  // I3: the notices, the exit code and the recorded version tell the truth.
  const bool updated = start.Noticed("ZTV - Client Update");
  if (updated && (start.exit_code != 1 || !HoldsOnlyCookies(after, folder)))
    fail("I3: \"Client Update\" but the folder holds more than its cookies");
  if (start.exit_code == 1 && !updated)
    fail("I3: exit code 1 without \"Client Update\"");
  const Entry* version_before = Find(before, "row/bin/version.ini");
  const Entry* version_after = Find(after, "row/bin/version.ini");
  const bool recorded = version_after && version_after->type == 'f' &&
                        (!version_before || *version_before != *version_after);
  if (recorded && !updated && !HoldsOnlyCookies(before, folder))
    fail("I3: a version was recorded for a folder that was not reset");
  if (start.gave_up && (recorded || updated))
    fail("I3: a run without its folder recorded the update");

  // I5: a version file that cannot be read is not a missing one.
  const bool version_unreadable =
      version_before && !PlayerCanRead(before, "row/bin/version.ini", true);
  const Entry* prepared = Find(before, "row/bin/version.ini.new");
  const bool prepared_unreadable =
      prepared && !PlayerCanRead(before, "row/bin/version.ini.new", false);
  const bool outdated = start.Noticed("ZTV - Client Outdated");
  if ((version_unreadable || prepared_unreadable) &&
      (updated || (start.closed_by_gate && !outdated))) {
    fail("I5: an unreadable version file was taken for a missing one");
  }
  const Entry* client_version = Find(before, "row/bin/client_version.ini");
  if (client_version &&
      !PlayerCanRead(before, "row/bin/client_version.ini", true) && outdated) {
    fail("I5: an unreadable client version made the client outdated");
  }

  // The log names the failure that decided the run: in a plain state, the
  // error the fault gave.
  const std::map<std::string, int> codes = {
      {"EIO", EIO}, {"EACCES", EACCES}, {"ENOSPC", ENOSPC}};
  const auto code = codes.find(fault_met.outcome);
  const Entry* log = Find(after, "row/bin/update_error.log");
  if (code != codes.end() && start.Noticed("ZTV - Error") && log &&
      std::atoi(log->data.c_str()) != code->second) {
    fail("the log names " + log->data.substr(0, log->data.find('\n')) +
         ", not the " + fault_met.outcome + " that decided the run");
  }
  return broken;
}

std::vector<std::string> Explorer::Run(const Case& c, int index) {
  Sandbox box(work_.path() / ("case" + std::to_string(index)),
              other_disk_ / ("case" + std::to_string(index)), kPlayer);
  box.Build(c.state, cookies_, client_,
            (c.announce ? newer_ : same_).Url("/login_standalone.html"),
            c.data_folder);
  const std::string folder = box.Resolve("data/ZTV");
  std::vector<std::string> broken;
  std::vector<StartResult> starts;
  std::vector<bool> wiped;
  for (int n = 0; n < 2; ++n) {
    Tree before = box.Snapshot();
    // The folder is marked as holding the engine's files (the first start
    // finds it so), so that a wipe shows; one that holds only its cookie
    // file is left so, for the roll-forward to see.
    if (n == 1 && !folder.empty() && !HoldsOnlyCookies(before, folder) &&
        Find(before, folder) && Find(before, folder)->type == 'd') {
      PlantMarker(box, folder);
      before = box.Snapshot();
    }
    const bool has_marker =
        !folder.empty() && Find(before, folder + "/explorer-marker");
    const Owned outside_before = PlayerOwned(work_.path());
    const StartResult start =
        Start(box, n == 0 ? c.fault : Fault(), n == 0 && c.second_start,
              "case" + std::to_string(index) + "-" + std::to_string(n), "");
    const Tree after = box.Snapshot();
    const Owned outside_after = PlayerOwned(work_.path());
    if (verbose_) {
      std::cout << "  the player's files outside: " << outside_after.size()
                << "\n";
      for (const auto& entry : outside_after)
        std::cout << "    " << entry.first << "\n";
    }
    for (const std::string& what :
         OutsideChanges(outside_before, outside_after)) {
      broken.push_back("start " + std::to_string(n + 1) + ": I2: " + what);
    }
    if (n == 0 && fs::exists(box.row() / "fault-hit"))
      ++faults_met_;
    for (const std::string& what : Check(box, folder, before, after, start,
                                         n == 0 ? FaultMet(box, c) : Fault())) {
      broken.push_back("start " + std::to_string(n + 1) + ": " + what);
    }
    if (start.second_started && start.second_exit != 0) {
      broken.push_back("start 1: the second start ended with " +
                       std::to_string(start.second_exit));
    }
    if (verbose_) {
      std::cout << "  start " << n + 1 << ": exit " << start.exit_code
                << (start.ended ? "" : " (never ended)") << ", title \""
                << start.title << "\""
                << (start.closed_by_gate ? ", closed by the gate" : "")
                << (start.gave_up ? ", folder given up" : "");
      for (const std::string& notice : start.notices)
        std::cout << ", notice \"" << notice << "\"";
      std::cout << "\n";
    }
    wiped.push_back(has_marker && !Find(after, folder + "/explorer-marker"));
    starts.push_back(start);
  }
  // I4: one wipe per announced version, and the game is not closed again.
  if (c.announce && wiped[0] && wiped[1])
    broken.push_back("I4: the profile was wiped twice for one version");
  if (c.announce && starts[0].closed_by_gate && starts[1].closed_by_gate &&
      !starts[1].Noticed("ZTV - Client Outdated")) {
    broken.push_back("I4: the game was closed at the start after a reset");
  }
  return broken;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::cerr << "usage: ztv_explorer <client> <fault shim> "
                 "[--sample N | --case N[,N...]]\n";
    return 2;
  }
  if (geteuid() != 0) {
    std::cout << "explorer: skipped, it needs root\n";
    return 77;
  }
  long sample = -1;
  std::vector<int> only;
  for (int i = 3; i + 1 < argc; i += 2) {
    const std::string option = argv[i];
    if (option == "--sample")
      sample = std::atol(argv[i + 1]);
    else if (option == "--case") {
      std::istringstream list(argv[i + 1]);
      for (std::string index; std::getline(list, index, ',');)
        only.push_back(std::atoi(index.c_str()));
    }
  }

  const auto began = Clock::now();
  Explorer explorer(fs::absolute(argv[1]), fs::absolute(argv[2]));
  if (!explorer.SetUp()) {
    explorer.TearDown();
    return explorer.skipped() ? 77 : 1;
  }
  std::vector<Case> faults;
  const std::vector<Case> pairwise = explorer.Space(&faults);
  std::vector<Case> cases = pairwise;
  cases.insert(cases.end(), faults.begin(), faults.end());
  std::cout << "explorer: " << pairwise.size() << " pairwise cases over "
            << kSpotCount << " paths of " << kKindCount
            << " kinds, with an announcement or none and a second start or "
               "none; "
            << faults.size() << " cases of a failure or kill at each of the "
            << "client's own calls; " << cases.size() << " in all\n";

  // The sample: the first pairwise cases, which cover most pairs, and
  // faults spread over the list.
  std::vector<int> chosen;
  for (int i = 0; i < static_cast<int>(cases.size()); ++i)
    chosen.push_back(i);
  if (!only.empty()) {
    chosen = only;
    explorer.verbose_ = true;
  } else if (sample >= 0) {
    chosen.clear();
    const int from_pairs = static_cast<int>(sample * 2 / 3);
    for (int i = 0; i < from_pairs && i < static_cast<int>(pairwise.size());
         ++i) {
      chosen.push_back(i);
    }
    const int from_faults = static_cast<int>(sample) - from_pairs;
    for (int i = 0; i < from_faults && !faults.empty(); ++i) {
      chosen.push_back(
          static_cast<int>(pairwise.size() + i * faults.size() / from_faults));
    }
  }

  int broken_cases = 0;
  for (int index : chosen) {
    if (index >= static_cast<int>(cases.size()))
      continue;
    const std::vector<std::string> broken = explorer.Run(cases[index], index);
    if (!broken.empty()) {
      ++broken_cases;
      std::cout << "case " << index << " (" << cases[index].origin
                << "): " << Describe(cases[index]) << "\n";
      for (const std::string& what : broken)
        std::cout << "  " << what << "\n";
      std::cout << std::flush;
    }
  }
  explorer.TearDown();
  const auto seconds =
      std::chrono::duration_cast<std::chrono::seconds>(Clock::now() - began)
          .count();
  const long faulted =
      std::count_if(chosen.begin(), chosen.end(), [&](int index) {
        return index < static_cast<int>(cases.size()) &&
               !cases[index].fault.call.empty();
      });
  std::cout << "explorer: " << chosen.size() << " cases run in " << seconds
            << " s; the fault was met in " << explorer.faults_met() << " of "
            << faulted << " with one; " << broken_cases
            << " broke an invariant\n";
  return broken_cases == 0 ? 0 : 1;
}
