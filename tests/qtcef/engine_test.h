// The fixture of the engine tests: one real qtcef engine per test case, which
// ctest runs in a process of its own since CEF initialises once per process.

#ifndef TESTS_QTCEF_ENGINE_TEST_H_
#define TESTS_QTCEF_ENGINE_TEST_H_

#include <QTemporaryDir>
#include <functional>
#include <string>
#include <vector>

#include "gtest/gtest.h"
#include "include/cef_app.h"
#include "include/cef_browser.h"
#include "tests/qtcef/test_client.h"

class QWebEngineView;

class EngineTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Starts the engine with |switches| on its command line; with |persistent|
  // the profile lives in cache_path().
  void Initialize(const std::vector<std::string>& switches, bool persistent);
  void Shutdown();

  // Runs CefRunMessageLoop until |done| holds, for at most |timeout_ms|;
  // returns whether |done| held.
  bool RunUntil(const std::function<bool()>& done, int timeout_ms = 20000);

  // Creates a browser at |bounds| and waits for its OnAfterCreated.
  CefRefPtr<CefBrowser> OpenBrowser(const std::string& url,
                                    const CefRect& bounds);

  // Writes |html| to a file in the temporary folder; returns its file: URL.
  std::string WritePage(const std::string& name, const std::string& html);

  // The view inside a browser's window, for reading what Qt shows.
  static QWebEngineView* ViewOf(CefRefPtr<CefBrowser> browser);

  std::string cache_path() const;

  QTemporaryDir temp_dir_;
  CefRefPtr<TestClient> client_;
  CefRefPtr<TestApp> app_;
  bool initialized_ = false;
};

#endif  // TESTS_QTCEF_ENGINE_TEST_H_
