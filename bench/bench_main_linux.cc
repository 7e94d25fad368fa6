// Measures the client against anchors of its own kind, side by side, the
// runs of each pair alternating so that neither gains from the other's
// warm-up: the start (fresh and warm profile) against a bare Qt WebEngine
// host, the close, the update cycle step by step, the update reset against
// rm -rf, and the launcher against a bare posix_spawn. Not a test: the
// figures depend on the machine.
//
// ztv_bench <client> <bare host> <demo server> <reset runner> <launcher>
//           <time probe> [runs]
#include <signal.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "bench/runs_linux.h"

namespace fs = std::filesystem;

namespace {

constexpr int kResetFiles = 20000;
constexpr size_t kResetFileBytes = 10000;
constexpr long long kLargeCookieBytes = 1LL << 30;

// The client's own switches, as the launcher passes them.
const std::vector<std::string> kClientSwitches = {
    "--enable-system-flash", "--allow-outdated-plugins",
    "--plugin-policy=allow", "--no-sandbox"};

// The figures of one kind over all runs; failed runs are counted apart.
struct Series {
  std::vector<double> values;
  int failed = 0;

  void Add(double value) {
    if (value < 0)
      ++failed;
    else
      values.push_back(value);
  }
  double Min() const {
    return values.empty() ? -1
                          : *std::min_element(values.begin(), values.end());
  }
  double Median() const {
    if (values.empty())
      return -1;
    std::vector<double> sorted = values;
    std::sort(sorted.begin(), sorted.end());
    const size_t middle = sorted.size() / 2;
    return sorted.size() % 2 ? sorted[middle]
                             : (sorted[middle - 1] + sorted[middle]) / 2;
  }
};

std::string Figure(const Series& series, double scale, const char* format) {
  char text[64];
  std::snprintf(text, sizeof(text), format, series.Min() * scale);
  std::string result = text;
  std::snprintf(text, sizeof(text), format, series.Median() * scale);
  result += std::string(" / ") + text;
  if (series.failed)
    result += " (" + std::to_string(series.failed) + " failed)";
  return result;
}

// One row: the figure's min / median for the client and its anchor, and
// the ratio of medians.
void PrintPair(const char* label,
               const Series& client,
               const Series& anchor,
               double scale,
               const char* format) {
  const double anchor_median = anchor.Median();
  std::printf("| %-34s | %-22s | %-22s | %5.2f |\n", label,
              Figure(client, scale, format).c_str(),
              Figure(anchor, scale, format).c_str(),
              anchor_median > 0 ? client.Median() / anchor_median : 0.0);
  std::fflush(stdout);
}

void PrintSingle(const char* label,
                 const Series& client,
                 double scale,
                 const char* format) {
  std::printf("| %-34s | %-22s | %-22s | %5s |\n", label,
              Figure(client, scale, format).c_str(), "", "");
  std::fflush(stdout);
}

// The first value of |field| in a /proc file such as /proc/cpuinfo.
std::string ProcField(const char* file, const std::string& field) {
  std::ifstream in(file);
  std::string line;
  while (std::getline(in, line)) {
    if (line.rfind(field, 0) == 0) {
      const size_t value = line.find_first_not_of(" \t:", field.size());
      return value == std::string::npos ? std::string() : line.substr(value);
    }
  }
  return std::string();
}

// What the figures were measured on, and when.
void PrintMachine() {
  char date[32] = "";
  const time_t now = time(nullptr);
  strftime(date, sizeof(date), "%Y-%m-%d", gmtime(&now));
  const double memory_gib =
      std::atof(ProcField("/proc/meminfo", "MemTotal").c_str()) / (1 << 20);
  std::printf("%s, %s, %u cores, %.0f GiB of memory\n", date,
              ProcField("/proc/cpuinfo", "model name").c_str(),
              std::thread::hardware_concurrency(), memory_gib);
}

void WriteFile(const fs::path& path, const std::string& text) {
  std::ofstream(path, std::ios::binary | std::ios::trunc) << text;
}

struct BrowserSeries {
  Series first_console, first_frame, peak;
  void Add(const bench::BrowserRun& run) {
    first_console.Add(run.first_console);
    first_frame.Add(run.first_frame);
    peak.Add(run.peak_kib > 0 ? static_cast<double>(run.peak_kib) : -1);
  }
};

// Runs |first| and |second| |runs| times each, alternating which goes
// first.
void Alternate(int runs,
               const std::function<void()>& first,
               const std::function<void()>& second) {
  for (int run = 0; run < runs; ++run) {
    if (run % 2 == 0) {
      first();
      second();
    } else {
      second();
      first();
    }
  }
}

// Where the benchmark works, and what every browser run shares.
struct Setup {
  fs::path work;
  std::string url;
  std::vector<std::string> client_argv;
  std::map<std::string, std::optional<std::string>> environment;
  fs::path data;  // XDG_DATA_HOME, where both keep their profiles
};

// Starts the demo server, which announces web version 2, and returns its
// landing page's address, or an empty string.
std::string StartDemoServer(const std::string& program,
                            const fs::path& work,
                            std::unique_ptr<bench::WatchedProcess>* server) {
  const std::string port =
      bench::StartDemoServer(program, work.string(), "2", server);
  // The landing page logs the player in, so that every profile holds a
  // login, and leads to the game page, which announces the web version.
  return port.empty() ? std::string()
                      : "http://127.0.0.1:" + port + "/login?player=bench";
}

// A client's working folder with its one-word files.
fs::path ClientBin(const Setup& setup,
                   const char* name,
                   const char* web_version) {
  const fs::path bin = setup.work / name / "bin";
  fs::create_directories(bin);
  WriteFile(bin / "landing_page.ini", setup.url);
  WriteFile(bin / "client_version.ini", "1.0.0.0");
  WriteFile(bin / "version.ini", web_version);
  return bin;
}

void MeasureStarts(const Setup& setup,
                   const std::string& bare_host,
                   const platform::X11Display& display,
                   int runs) {
  const fs::path bin = ClientBin(setup, "start", "2");
  const bench::Launch client = {setup.client_argv, bin, setup.environment};
  const bench::Launch bare = {
      {bare_host, setup.url, (setup.data / "bare").string()},
      bin,
      setup.environment};
  BrowserSeries client_fresh, client_warm, bare_fresh, bare_warm;
  Series client_close, bare_close;
  // Each run starts fresh, and once more on the profile it left.
  auto run_pair = [&](const bench::Launch& launch, BrowserSeries* fresh,
                      BrowserSeries* warm, Series* close) {
    fs::remove_all(setup.data);
    for (BrowserSeries* series : {fresh, warm}) {
      const bench::BrowserRun run = bench::RunBrowser(launch, display);
      series->Add(run);
      close->Add(run.close);
    }
  };
  Alternate(
      runs,
      [&] { run_pair(client, &client_fresh, &client_warm, &client_close); },
      [&] { run_pair(bare, &bare_fresh, &bare_warm, &bare_close); });
  PrintPair("start, fresh: first console (s)", client_fresh.first_console,
            bare_fresh.first_console, 1, "%.3f");
  PrintPair("start, fresh: first frame (s)", client_fresh.first_frame,
            bare_fresh.first_frame, 1, "%.3f");
  PrintPair("start, fresh: peak memory (MiB)", client_fresh.peak,
            bare_fresh.peak, 1.0 / 1024, "%.0f");
  PrintPair("start, warm: first console (s)", client_warm.first_console,
            bare_warm.first_console, 1, "%.3f");
  PrintPair("start, warm: first frame (s)", client_warm.first_frame,
            bare_warm.first_frame, 1, "%.3f");
  PrintPair("start, warm: peak memory (MiB)", client_warm.peak, bare_warm.peak,
            1.0 / 1024, "%.0f");
  PrintPair("close -> exit (s)", client_close, bare_close, 1, "%.3f");
}

void MeasureUpdateCycles(const Setup& setup,
                         const platform::X11Display& display,
                         int runs) {
  // The installed web version is older than the page's.
  const fs::path bin = ClientBin(setup, "update", "1");
  Series window_close, engine_shutdown, reset, notice, cycle;
  for (int run = 0; run < runs; ++run) {
    fs::remove_all(setup.data);
    WriteFile(bin / "version.ini", "1");
    const bench::UpdateCycleRun result =
        bench::RunUpdateCycle({setup.client_argv, bin, setup.environment}, bin,
                              setup.data / "ZTV", display);
    window_close.Add(result.window_close);
    engine_shutdown.Add(result.engine_shutdown);
    reset.Add(result.reset);
    notice.Add(result.notice);
    cycle.Add(result.notice < 0 ? -1
                                : result.window_close + result.engine_shutdown +
                                      result.reset + result.notice);
  }
  PrintSingle("update: announcement -> notice (s)", cycle, 1, "%.3f");
  PrintSingle("  window close (s)", window_close, 1, "%.3f");
  PrintSingle("  engine shutdown (s)", engine_shutdown, 1, "%.3f");
  PrintSingle("  reset and version (s)", reset, 1, "%.3f");
  PrintSingle("  notice (s)", notice, 1, "%.3f");
}

void MeasureResets(const Setup& setup,
                   const std::string& reset_runner,
                   int runs) {
  // A long-played profile, reset and deleted as it lies on disk.
  const fs::path tree = setup.work / "reset" / "ZTV";
  Series reset, rm;
  auto timed_delete = [&](const bench::Launch& launch, Series* series) {
    fs::remove_all(tree.parent_path());
    bench::BuildProfileTree(tree, kResetFiles, kResetFileBytes);
    sync();
    series->Add(bench::RunToExit(launch));
  };
  Alternate(
      runs,
      [&] {
        timed_delete({{reset_runner, tree.string()}, "", {}}, &reset);
      },
      [&] {
        timed_delete({{"/bin/rm", "-rf", tree.string()}, "", {}}, &rm);
      });
  PrintPair("reset, 20,000 files / 200 MB (s)", reset, rm, 1, "%.3f");

  Series extra_memory;
  for (int run = 0; run < runs; ++run) {
    fs::remove_all(tree.parent_path());
    bench::BuildProfileTree(tree, 100, kResetFileBytes);
    fs::resize_file(tree / "Cookies", kLargeCookieBytes);
    const long kib = bench::ResetExtraMemoryKib(reset_runner, tree);
    extra_memory.Add(static_cast<double>(kib));
  }
  fs::remove_all(tree.parent_path());
  PrintSingle("reset extra memory, 1 GiB (MiB)", extra_memory, 1.0 / 1024,
              "%.1f");
}

void MeasureLauncher(const Setup& setup,
                     const std::string& launcher,
                     const std::string& time_probe,
                     int runs) {
  // The launcher in an install folder, starting the probe in the client's
  // place, against starting the probe directly.
  const fs::path install = setup.work / "install";
  const fs::path probe = install / "bin" / "probe.ztv";
  fs::create_directories(install / "bin");
  WriteFile(install / "bin" / "config.ini", "probe ztv");
  fs::copy_file(time_probe, probe);
  Series through_launcher, direct;
  Alternate(
      runs,
      [&] {
        through_launcher.Add(bench::TimeToProbe({{launcher}, install, {}}));
      },
      [&] {
        direct.Add(bench::TimeToProbe({{probe}, probe.parent_path(), {}}));
      });
  PrintPair("launcher -> client running (ms)", through_launcher, direct, 1000,
            "%.2f");
  std::printf("\nlauncher overhead (difference of medians): %.2f ms\n",
              (through_launcher.Median() - direct.Median()) * 1000);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 7) {
    std::fprintf(stderr,
                 "usage: %s <client> <bare host> <demo server> <reset runner> "
                 "<launcher> <time probe> [runs]\n",
                 argv[0]);
    return 2;
  }
  // The programs run in folders of their own.
  std::vector<std::string> programs;
  for (int i = 1; i < 7; ++i)
    programs.push_back(fs::absolute(argv[i]));
  const int runs = argc > 7 ? std::max(1, std::atoi(argv[7])) : 15;
  const platform::X11Display display;
  if (!display.connected()) {
    std::fprintf(stderr, "no display\n");
    return 1;
  }

  Setup setup;
  setup.work = fs::temp_directory_path() / "ztv-bench";
  fs::remove_all(setup.work);
  fs::create_directories(setup.work);
  std::unique_ptr<bench::WatchedProcess> server;
  setup.url = StartDemoServer(programs[2], setup.work, &server);
  if (setup.url.empty()) {
    std::fprintf(stderr, "the demo server did not start\n");
    return 1;
  }
  setup.client_argv = {programs[0]};
  setup.client_argv.insert(setup.client_argv.end(), kClientSwitches.begin(),
                           kClientSwitches.end());
  setup.data = setup.work / "data";
  // Both browsers log the page's console messages through Qt's "js"
  // category, which says nothing at info level unless asked.
  setup.environment = {{"XDG_DATA_HOME", setup.data.string()},
                       {"QTWEBENGINE_DISABLE_SANDBOX", "1"},
                       {"QT_LOGGING_RULES", "js.info=true"}};

  PrintMachine();
  std::printf("%d runs of each, alternating; min / median\n\n", runs);
  std::printf("| %-34s | %-22s | %-22s | %5s |\n", "figure", "client", "anchor",
              "ratio");
  std::printf("|%s|%s|%s|%s|\n", std::string(36, '-').c_str(),
              std::string(24, '-').c_str(), std::string(24, '-').c_str(),
              std::string(7, '-').c_str());
  std::fflush(stdout);
  MeasureStarts(setup, programs[1], display, runs);
  MeasureUpdateCycles(setup, display, runs);
  MeasureResets(setup, programs[3], runs);
  MeasureLauncher(setup, programs[4], programs[5], runs);

  kill(server->pid(), SIGTERM);
  server->WaitForExit(10);
  fs::remove_all(setup.work);
  return 0;
}
