#ifndef TESTS_CLIENT_CLIENT_TEST_BASE_H_
#define TESTS_CLIENT_CLIENT_TEST_BASE_H_

#include <gtest/gtest.h>

#include <memory>

#include "client/main/version_gate.h"
#include "tests/client/recording_notices.h"
#include "tests/engine/test_engine.h"
#include "tests/support/test_files.h"

// A fresh engine, fresh version-gate state and a temporary working
// directory, as a new client process would have.
class ClientTest : public testing::Test {
 protected:
  void SetUp() override {
    NewProcess();
    cwd_ = std::make_unique<ScopedWorkingDirectory>(dir_.path());
  }

  // What a new client process starts with.
  static void NewProcess() {
    test_engine::Reset();
    client_version = "0.0.0.0";
    web_version = "0.0.0.0";
    pending_web_version.clear();
    client_outdated = false;
    update_required = false;
    prepared_web_version.clear();
    client_announcements_ignored = false;
    web_announcements_ignored = false;
    version_file_error = FileError();
    prepare_error = FileError();
    ShownNotices().clear();
  }
  void TearDown() override {
    cwd_.reset();
    test_engine::Reset();
  }

  const std::filesystem::path& dir() const { return dir_.path(); }

  // The calls the engine recorded that start with |prefix|.
  std::vector<std::string> CallsStartingWith(const std::string& prefix) const {
    std::vector<std::string> found;
    for (const std::string& call : test_engine::engine().calls) {
      if (call.rfind(prefix, 0) == 0)
        found.push_back(call);
    }
    return found;
  }

 private:
  TempDir dir_;
  std::unique_ptr<ScopedWorkingDirectory> cwd_;
};

#endif  // TESTS_CLIENT_CLIENT_TEST_BASE_H_
