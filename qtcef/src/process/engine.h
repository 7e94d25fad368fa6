// The process-wide state of qtcef between CefInitialize and CefShutdown.

#ifndef QTCEF_SRC_PROCESS_ENGINE_H_
#define QTCEF_SRC_PROCESS_ENGINE_H_

#include <QString>
#include <QStringList>
#include <memory>
#include <string>
#include <vector>

#include "include/cef_app.h"
#include "qtcef/src/process/message_loop.h"

class QApplication;

namespace qtcef {

class BrowserHostImpl;
class Profile;
class RequestContextImpl;
class WindowImpl;

class Engine {
 public:
  // NULL outside CefInitialize ... CefShutdown.
  static Engine* Get() { return instance_; }

  static bool Initialize(const CefMainArgs& args,
                         const CefSettings& settings,
                         CefRefPtr<CefApp> app);
  static void Shutdown();

  MessageLoop& message_loop() { return message_loop_; }
  CefRefPtr<RequestContextImpl> global_context() const;

  // Asks the application for its browser process handler, as CEF does once
  // a browser's window exists.
  void QueryBrowserProcessHandler();

  int NextBrowserId() { return ++last_browser_id_; }
  void AddBrowser(CefRefPtr<BrowserHostImpl> browser);
  void RemoveBrowser(BrowserHostImpl* browser);
  // The Views windows that are open.
  void AddWindow(CefRefPtr<WindowImpl> window);
  void RemoveWindow(WindowImpl* window);
  void AddProfile(const std::shared_ptr<Profile>& profile);
  // Folders that Qt WebEngine creates and qtcef does not need, deepest
  // first, removed at shutdown: the first with what Qt wrote in it, the
  // others only if empty.
  void AddCreatedFolders(const QStringList& folders);

 private:
  explicit Engine(CefRefPtr<CefApp> app);
  ~Engine();

  static Engine* instance_;

  CefRefPtr<CefApp> app_;
  // QApplication keeps a reference to its argc.
  int qt_argc_;
  std::string program_;
  std::vector<char*> qt_argv_;
  std::unique_ptr<QApplication> qt_app_;
  MessageLoop message_loop_;
  std::vector<std::weak_ptr<Profile>> profiles_;
  std::vector<QStringList> created_folders_;
  CefRefPtr<RequestContextImpl> global_context_;
  std::vector<CefRefPtr<BrowserHostImpl>> browsers_;
  std::vector<CefRefPtr<WindowImpl>> windows_;
  int last_browser_id_;
};

}  // namespace qtcef

#endif  // QTCEF_SRC_PROCESS_ENGINE_H_
