#ifndef TESTS_SUPPORT_DEMO_SERVER_H_
#define TESTS_SUPPORT_DEMO_SERVER_H_

#include <memory>
#include <string>

#include "tests/support/child_process.h"
#include "tests/support/test_files.h"

// The demo game server on a free port of 127.0.0.1, for as long as the
// object lives.
class DemoServer {
 public:
  DemoServer(const std::string& client_version, const std::string& web_version);

  bool started() const { return port_ > 0; }
  // "http://127.0.0.1:<port><path>".
  std::string Url(const std::string& path) const;

 private:
  TempDir dir_;
  std::unique_ptr<ChildProcess> process_;
  int port_ = 0;
};

#endif  // TESTS_SUPPORT_DEMO_SERVER_H_
