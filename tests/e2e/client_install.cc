#include "tests/e2e/client_install.h"

#include <unistd.h>

namespace fs = std::filesystem;

namespace {

// Ports for remote debugging, one per install of this test process.
int NextDebuggingPort() {
  static int next = 9300 + (getpid() % 500) * 4;
  return next++;
}

}  // namespace

ClientInstall::ClientInstall()
    : debugging_port_(NextDebuggingPort()),
      environment_{{"XDG_DATA_HOME", data().string()},
                   {"HOME", root().string()}} {
  fs::create_directories(bin());
  fs::create_directories(data());
  fs::copy_file(ZTV_LAUNCHER_PATH, root() / "ZTV");
  fs::copy_file(ZTV_CLIENT_PATH, bin() / "game.ztv");
}

void ClientInstall::SetLandingPage(const std::string& url) {
  WriteFileBytes(bin() / "landing_page.ini", url + "\n");
}

void ClientInstall::SetVersions(const std::string& web,
                                const std::string& client) {
  WriteFileBytes(bin() / "version.ini", web);
  WriteFileBytes(bin() / "client_version.ini", client + "\n");
}

void ClientInstall::SetEnvironment(const std::string& name,
                                   std::optional<std::string> value) {
  environment_[name] = std::move(value);
}

ChildProcess::Options ClientInstall::Options(const fs::path& program,
                                             const fs::path& working_dir) {
  ChildProcess::Options options;
  options.program = program;
  options.working_dir = working_dir;
  options.environment = environment_;
  options.stderr_file = root() / "client.log";
  return options;
}

std::unique_ptr<ChildProcess> ClientInstall::StartClient(
    std::vector<std::string> extra_args) {
  ChildProcess::Options options = Options(bin() / "game.ztv", bin());
  options.args = {"--no-sandbox", "--disable-gpu",
                  "--remote-debugging-port=" + std::to_string(debugging_port_)};
  options.args.insert(options.args.end(), extra_args.begin(), extra_args.end());
  return std::make_unique<ChildProcess>(options);
}

std::unique_ptr<ChildProcess> ClientInstall::StartLauncher() {
  return std::make_unique<ChildProcess>(Options(root() / "ZTV", root()));
}

std::string ClientInstall::ClientLog() const {
  return ReadFileBytes(root() / "client.log");
}

bool ClientRunning(const ClientInstall& install) {
  const fs::path client = install.bin() / "game.ztv";
  for (const auto& entry : fs::directory_iterator("/proc")) {
    std::error_code error;
    if (fs::read_symlink(entry.path() / "exe", error) == client)
      return true;
  }
  return false;
}
