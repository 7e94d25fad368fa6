#include "qtcef/src/profile.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QWebEngineProfile>
#include <QWebEngineSettings>

#include "qtcef/src/engine.h"
#include "qtcef/src/preference_registry.h"

namespace qtcef {

namespace {

// The file, directly in the profile folder, that holds the preferences set
// through CefRequestContext; Qt WebEngine keeps its own in user_prefs.json.
const char kPreferencesFile[] = "Preferences";

const char kStorageName[] = "qtcef";

QWebEngineProfile* CreateQtProfile(const ProfileOptions& options) {
  if (options.path.isEmpty())
    return new QWebEngineProfile();
  // Qt keeps its cookie database as "Cookies" directly in the storage path,
  // and the disk cache in "Cache" beside it. Before taking the paths it has
  // begun a profile in its default folder, where it writes its own
  // preferences later on; the engine removes that folder once Qt is done.
  QString created =
      QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) +
      "/QtWebEngine/" + kStorageName;
  if (!QFileInfo::exists(created)) {
    while (!QFileInfo::exists(QFileInfo(created).path()))
      created = QFileInfo(created).path();
    Engine::Get()->AddLeftoverFolder(created);
  }
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
  cookies_.reset();
  delete qt_profile_;
  qt_profile_ = nullptr;
}

}  // namespace qtcef
