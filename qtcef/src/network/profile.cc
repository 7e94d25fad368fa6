#include "qtcef/src/network/profile.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QStandardPaths>
#include <QThread>
#include <QWebEngineProfile>
#include <QWebEngineSettings>

#include "qtcef/src/network/preference_registry.h"
#include "qtcef/src/network/profile_file.h"
#include "qtcef/src/process/engine.h"

namespace qtcef {

namespace {

// The file, directly in the profile folder, that holds the preferences set
// through CefRequestContext; Qt WebEngine keeps its own in user_prefs.json.
const char kPreferencesFile[] = "Preferences";

const char kStorageName[] = "qtcef";

// How long closing a profile waits for Chromium to close its cookie store;
// it takes a few milliseconds.
constexpr qint64 kCookieStoreCloseTimeoutMs = 5000;

QWebEngineProfile* CreateQtProfile(const ProfileOptions& options) {
  if (options.path.isEmpty())
    return new QWebEngineProfile();
  // Qt keeps its cookie database as "Cookies" directly in the storage path,
  // and the disk cache in "Cache" beside it. Before taking the paths it
  // begins a profile in its default folder, where it writes its own
  // preferences later on. That folder is the engine's scratch: the engine
  // removes it once Qt is done, also when a run that was killed left it
  // behind, and each parent only if this run had to create it and nothing
  // else has been put there since. A link counts as there, so that nothing
  // is ever removed through one.
  const QString scratch =
      QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) +
      "/QtWebEngine/" + kStorageName;
  QStringList created = {scratch};
  for (QString folder = QFileInfo(scratch).path();
       !QFileInfo::exists(folder) && !QFileInfo(folder).isSymLink();
       folder = QFileInfo(folder).path()) {
    created.append(folder);
  }
  Engine::Get()->AddCreatedFolders(created);
  QDir().mkpath(options.path);
  QWebEngineProfile* profile = new QWebEngineProfile(kStorageName);
  profile->setPersistentStoragePath(options.path);
  profile->setCachePath(options.path);
  profile->setPersistentCookiesPolicy(
      options.persist_session_cookies
          ? QWebEngineProfile::ForcePersistentCookies
          : QWebEngineProfile::AllowPersistentCookies);
  return profile;
}

QString PreferencesFile(const ProfileOptions& options) {
  if (options.path.isEmpty() || !options.persist_user_preferences)
    return QString();
  return QDir(options.path).filePath(kPreferencesFile);
}

bool Enabled(const Preferences& preferences,
             const char* enabled_name,
             const char* content_setting_name) {
  return preferences.Get(enabled_name)->GetBool() &&
         preferences.Get(content_setting_name)->GetInt() !=
             kContentSettingBlock;
}

}  // namespace

std::shared_ptr<Profile> Profile::Create(const ProfileOptions& options) {
  std::shared_ptr<Profile> profile = std::make_shared<Profile>(options);
  Engine::Get()->AddProfile(profile);
  return profile;
}

Profile::Profile(const ProfileOptions& options)
    : path_(options.path),
      qt_profile_(CreateQtProfile(options)),
      cookies_(new CookieTracker(qt_profile_->cookieStore())),
      preferences_(PreferencesFile(options)) {
  ApplyPreferences();
}

Profile::~Profile() {
  Close();
}

void Profile::ApplyPreferences() {
  if (!qt_profile_)
    return;
  QWebEngineSettings* settings = qt_profile_->settings();
  settings->setAttribute(
      QWebEngineSettings::PluginsEnabled,
      Enabled(preferences_, kPluginsEnabled, kPluginsContentSetting));
  settings->setAttribute(
      QWebEngineSettings::JavascriptEnabled,
      Enabled(preferences_, kJavascriptEnabled, kJavascriptContentSetting));
  settings->setAttribute(
      QWebEngineSettings::AutoLoadImages,
      Enabled(preferences_, kImagesEnabled, kImagesContentSetting));
  settings->setAttribute(QWebEngineSettings::LocalStorageEnabled,
                         preferences_.Get(kLocalStorageEnabled)->GetBool());
  settings->setFontSize(QWebEngineSettings::DefaultFontSize,
                        preferences_.Get(kDefaultFontSize)->GetInt());
  settings->setFontSize(QWebEngineSettings::MinimumFontSize,
                        preferences_.Get(kMinimumFontSize)->GetInt());
}

void Profile::Close() {
  preferences_.Flush();
  if (!qt_profile_)
    return;
  cookies_.reset();
  const QString cookie_file =
      path_.isEmpty() ? QString() : QDir(path_).filePath("Cookies");
  delete qt_profile_;
  qt_profile_ = nullptr;
  // Chromium closes the cookie store, writing the cookies it still holds,
  // on threads of its own a few milliseconds after the profile has gone. If
  // Qt WebEngine shut down first, that write would be dropped and the last
  // cookies set (a login just before an update, say) lost. The store has
  // closed once no descriptor of this process refers to its file.
  QElapsedTimer waited;
  waited.start();
  while (!cookie_file.isEmpty() && IsOpenInThisProcess(cookie_file)) {
    if (waited.elapsed() >= kCookieStoreCloseTimeoutMs) {
      // The client checks again before it touches the folder.
      qWarning("qtcef: the cookie store %s did not close within %lld ms",
               qUtf8Printable(cookie_file), kCookieStoreCloseTimeoutMs);
      return;
    }
    QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    QThread::msleep(1);
  }
}

}  // namespace qtcef
