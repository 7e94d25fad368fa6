#include "tests/support/demo_server.h"

DemoServer::DemoServer(const std::string& client_version,
                       const std::string& web_version) {
  const std::filesystem::path port_file = dir_.path() / "port";
  ChildProcess::Options options;
  options.program = ZTV_DEMO_SERVER_PATH;
  options.args = {"--port-file",  port_file.string(), "--client-version",
                  client_version, "--web-version",    web_version};
  options.stderr_file = dir_.path() / "server.log";
  process_ = std::make_unique<ChildProcess>(options);
  if (process_->started() &&
      WaitUntil([&] { return std::filesystem::exists(port_file); },
                std::chrono::seconds(30))) {
    port_ = std::stoi(ReadFileBytes(port_file));
  }
}

std::string DemoServer::Url(const std::string& path) const {
  return "http://127.0.0.1:" + std::to_string(port_) + path;
}
