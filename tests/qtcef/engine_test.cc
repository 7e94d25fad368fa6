#include "tests/qtcef/engine_test.h"

#include <QDir>
#include <QFile>
#include <QTimer>
#include <QUrl>
#include <QWebEngineView>
#include <QWidget>

namespace {

// CEF initialises once per process.
bool engine_used = false;

}  // namespace

void EngineTest::SetUp() {
  if (engine_used)
    GTEST_SKIP() << "run each test case in its own process, as ctest does";
  ASSERT_TRUE(temp_dir_.isValid());
  client_ = new TestClient();
  app_ = new TestApp(client_.get());
}

void EngineTest::TearDown() {
  Shutdown();
  client_ = nullptr;
  app_ = nullptr;
}

void EngineTest::Initialize(const std::vector<std::string>& switches,
                            bool persistent) {
  engine_used = true;
  std::vector<std::string> args = {"qtcef_engine_tests"};
  args.insert(args.end(), switches.begin(), switches.end());
  std::vector<char*> argv;
  for (std::string& arg : args)
    argv.push_back(arg.data());
  argv.push_back(nullptr);
  CefMainArgs main_args(static_cast<int>(args.size()), argv.data());

  CefSettings settings;
  settings.no_sandbox = 1;
  if (persistent) {
    CefString(&settings.cache_path) = cache_path();
    settings.persist_session_cookies = 1;
    settings.persist_user_preferences = 1;
  }
  ASSERT_EQ(CefExecuteProcess(main_args, app_.get(), nullptr), -1);
  ASSERT_TRUE(CefInitialize(main_args, settings, app_.get(), nullptr));
  initialized_ = true;
  ASSERT_TRUE(RunUntil([this] { return app_->context_initialized > 0; }));
}

void EngineTest::Shutdown() {
  if (!initialized_)
    return;
  initialized_ = false;
  CefShutdown();
}

bool EngineTest::RunUntil(const std::function<bool()>& done, int timeout_ms) {
  if (done())
    return true;
  QTimer poll;
  QObject::connect(&poll, &QTimer::timeout, [&] {
    if (done())
      CefQuitMessageLoop();
  });
  poll.start(20);
  QTimer deadline;
  deadline.setSingleShot(true);
  QObject::connect(&deadline, &QTimer::timeout, [] { CefQuitMessageLoop(); });
  deadline.start(timeout_ms);
  CefRunMessageLoop();
  return done();
}

CefRefPtr<CefBrowser> EngineTest::OpenBrowser(const std::string& url,
                                              const CefRect& bounds) {
  CefWindowInfo window_info;
  window_info.x = bounds.x;
  window_info.y = bounds.y;
  window_info.width = bounds.width;
  window_info.height = bounds.height;
  const size_t before = client_->created.size();
  EXPECT_TRUE(CefBrowserHost::CreateBrowser(window_info, client_.get(), url,
                                            CefBrowserSettings(), nullptr));
  if (!RunUntil([&] { return client_->created.size() > before; }))
    return nullptr;
  return client_->created.back();
}

std::string EngineTest::WritePage(const std::string& name,
                                  const std::string& html) {
  const QString path =
      QDir(temp_dir_.path()).filePath(QString::fromStdString(name));
  QFile file(path);
  EXPECT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(html.data(), static_cast<qint64>(html.size()));
  return QUrl::fromLocalFile(path).toString().toStdString();
}

QWebEngineView* EngineTest::ViewOf(CefRefPtr<CefBrowser> browser) {
  QWidget* window = QWidget::find(browser->GetHost()->GetWindowHandle());
  return window ? window->findChild<QWebEngineView*>() : nullptr;
}

std::string EngineTest::cache_path() const {
  return QDir(temp_dir_.path()).filePath("profile").toStdString();
}
