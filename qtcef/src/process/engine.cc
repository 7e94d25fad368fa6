#include "qtcef/src/process/engine.h"

#include <stdlib.h>

#include <QApplication>
#include <QDir>
#include <QLoggingCategory>
#include <QWebEngineProfile>

#include "qtcef/src/browser/browser_host_impl.h"
#include "qtcef/src/network/profile.h"
#include "qtcef/src/network/profile_file.h"
#include "qtcef/src/network/request_context_impl.h"
#include "qtcef/src/process/browser_threads.h"
#include "qtcef/src/process/chromium_flags.h"
#include "qtcef/src/process/command_line_impl.h"
#include "qtcef/src/runtime/string_util.h"
#include "qtcef/src/views/window_impl.h"

namespace qtcef {

namespace {

// Reads the process's switches, lets the application adjust them, and hands
// Qt WebEngine those it should see: with command_line_args_disabled only the
// ones the application added.
void ConfigureCommandLine(const CefMainArgs& args,
                          const CefSettings& settings,
                          CefRefPtr<CefApp> app) {
  CefRefPtr<CommandLineImpl> command_line = CommandLineImpl::Global();
  command_line->SetReadOnly(false);
  command_line->InitFromArgv(args.argc, args.argv);
  const SwitchMap from_argv = command_line->switches();
  if (app)
    app->OnBeforeCommandLineProcessing(CefString(), command_line.get());
  command_line->SetReadOnly(true);

  SwitchMap switches = settings.command_line_args_disabled
                           ? AddedSwitches(from_argv, command_line->switches())
                           : command_line->switches();
  switches.erase("type");
  for (const auto& entry : SettingsSwitches(settings))
    switches.insert(entry);
  ExportToQtWebEngine(settings, switches);
}

// Drops |object| from |list| once, if it is there.
template <typename T>
void EraseFirst(std::vector<CefRefPtr<T>>* list, T* object) {
  for (auto it = list->begin(); it != list->end(); ++it) {
    if (it->get() == object) {
      list->erase(it);
      return;
    }
  }
}

ProfileOptions GlobalProfileOptions(const CefSettings& settings) {
  ProfileOptions options;
  options.path = ToQString(settings.cache_path);
  options.persist_session_cookies = settings.persist_session_cookies;
  options.persist_user_preferences = settings.persist_user_preferences;
  return options;
}

}  // namespace

Engine* Engine::instance_ = nullptr;

bool Engine::Initialize(const CefMainArgs& args,
                        const CefSettings& settings,
                        CefRefPtr<CefApp> app) {
  if (instance_)
    return false;
  ConfigureCommandLine(args, settings, app);
  instance_ = new Engine(app);
  BrowserThreads::Open();

  std::shared_ptr<Profile> profile =
      Profile::Create(GlobalProfileOptions(settings));
  const QString user_agent = ToQString(settings.user_agent);
  if (!user_agent.isEmpty())
    profile->qt_profile()->setHttpUserAgent(user_agent);
  const QString languages = ToQString(settings.accept_language_list);
  if (!languages.isEmpty())
    profile->qt_profile()->setHttpAcceptLanguage(languages);
  instance_->global_context_ = new RequestContextImpl(profile, nullptr, true);

  // As CEF does with a message loop of the caller's, the context is ready
  // before CefInitialize returns, outside any running loop.
  if (app) {
    if (CefRefPtr<CefBrowserProcessHandler> handler =
            app->GetBrowserProcessHandler())
      handler->OnContextInitialized();
  }
  return true;
}

void Engine::Shutdown() {
  if (!instance_)
    return;
  BrowserThreads::Close();
  std::vector<CefRefPtr<BrowserHostImpl>> browsers = instance_->browsers_;
  for (const CefRefPtr<BrowserHostImpl>& browser : browsers)
    browser->Destroy(false);
  const std::vector<CefRefPtr<WindowImpl>> windows = instance_->windows_;
  for (const CefRefPtr<WindowImpl>& window : windows)
    window->Destroy(false);
  // Qt releases a deleted page's web contents from the event loop, before
  // its profile may go.
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  QCoreApplication::processEvents();
  for (const std::weak_ptr<Profile>& weak : instance_->profiles_) {
    if (std::shared_ptr<Profile> profile = weak.lock())
      profile->Close();
  }
  delete instance_;
  instance_ = nullptr;
}

Engine::Engine(CefRefPtr<CefApp> app)
    : app_(app),
      qt_argc_(1),
      program_(CommandLineImpl::Global()->GetProgram().ToString()),
      last_browser_id_(0) {
  // Browser windows are X11 windows, whose IDs CEF hands out as window
  // handles.
  if (!getenv("QT_QPA_PLATFORM"))
    setenv("QT_QPA_PLATFORM", "xcb", 1);
  QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
  // Qt would keep compiled shaders under the user's cache folder, outside
  // the profile; they are quick to make again.
  QCoreApplication::setAttribute(Qt::AA_DisableShaderDiskCache);
  // Qt WebEngine's start-up dump and its other notes at info level are off
  // unless QT_LOGGING_RULES, which takes precedence, turns them back on.
  QLoggingCategory::setFilterRules(
      "default.info=false\nqt.webenginecontext.info=false");
  // Qt sees only the program's name: the switches belong to CEF and
  // Chromium.
  qt_argv_ = {program_.data(), nullptr};
  if (!QCoreApplication::instance())
    qt_app_.reset(new QApplication(qt_argc_, qt_argv_.data()));
  // CEF keeps running until CefQuitMessageLoop, whatever windows close.
  QApplication::setQuitOnLastWindowClosed(false);
}

Engine::~Engine() {
  global_context_ = nullptr;
  // Deleting the application shuts Qt WebEngine down: its threads finish
  // and the cookie database is written before this returns.
  qt_app_.reset();
  for (const QStringList& folders : created_folders_) {
    if (folders.isEmpty())
      continue;
    RemoveFolderTree(folders.front());
    for (qsizetype i = 1; i < folders.size(); ++i)
      QDir().rmdir(folders[i]);
  }
}

CefRefPtr<RequestContextImpl> Engine::global_context() const {
  return global_context_;
}

void Engine::QueryBrowserProcessHandler() {
  if (app_)
    app_->GetBrowserProcessHandler();
}

void Engine::AddBrowser(CefRefPtr<BrowserHostImpl> browser) {
  browsers_.push_back(browser);
}

void Engine::RemoveBrowser(BrowserHostImpl* browser) {
  EraseFirst(&browsers_, browser);
}

void Engine::AddWindow(CefRefPtr<WindowImpl> window) {
  windows_.push_back(window);
}

void Engine::RemoveWindow(WindowImpl* window) {
  EraseFirst(&windows_, window);
}

void Engine::AddProfile(const std::shared_ptr<Profile>& profile) {
  profiles_.push_back(profile);
}

void Engine::AddCreatedFolders(const QStringList& folders) {
  created_folders_.push_back(folders);
}

}  // namespace qtcef
