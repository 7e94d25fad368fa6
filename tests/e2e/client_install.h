#ifndef TESTS_E2E_CLIENT_INSTALL_H_
#define TESTS_E2E_CLIENT_INSTALL_H_

#include <filesystem>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "tests/support/child_process.h"
#include "tests/support/test_files.h"

// A fresh install of the real programs, ZTV at its root and the client as
// bin/game.ztv, with its own per-user data folder.
class ClientInstall {
 public:
  ClientInstall();

  const std::filesystem::path& root() const { return dir_.path(); }
  std::filesystem::path bin() const { return root() / "bin"; }
  std::filesystem::path data() const { return root() / "data"; }
  std::filesystem::path profile() const { return data() / "ZTV"; }

  // Writes the one-word files of bin/.
  void SetLandingPage(const std::string& url);
  void SetVersions(const std::string& web, const std::string& client);
  // Changes the environment the programs start with; no value removes the
  // variable. By default XDG_DATA_HOME is data() and HOME is root().
  void SetEnvironment(const std::string& name,
                      std::optional<std::string> value);

  // The client started directly from bin/, as ZTV starts it, with Chromium's
  // remote debugging on a port of its own so that tests can read the page.
  std::unique_ptr<ChildProcess> StartClient(
      std::vector<std::string> extra_args = {});
  std::unique_ptr<ChildProcess> StartLauncher();
  int debugging_port() const { return debugging_port_; }

  // The client's standard error so far.
  std::string ClientLog() const;

 private:
  ChildProcess::Options Options(const std::filesystem::path& program,
                                const std::filesystem::path& working_dir);

  TempDir dir_;
  int debugging_port_;
  std::map<std::string, std::optional<std::string>> environment_;
};

// Whether a process of the installed client is still running.
bool ClientRunning(const ClientInstall& install);

#endif  // TESTS_E2E_CLIENT_INSTALL_H_
