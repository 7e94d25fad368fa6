// The storage behind request contexts: a QWebEngineProfile with its
// preferences and cookies. Request contexts that share storage share one
// Profile.

#ifndef QTCEF_SRC_NETWORK_PROFILE_H_
#define QTCEF_SRC_NETWORK_PROFILE_H_

#include <QString>
#include <memory>

#include "qtcef/src/network/cookie_tracker.h"
#include "qtcef/src/network/preferences.h"

class QWebEngineProfile;

namespace qtcef {

struct ProfileOptions {
  // Empty for an off-the-record profile that writes nothing to disk.
  QString path;
  bool persist_session_cookies = false;
  bool persist_user_preferences = false;
};

class Profile {
 public:
  // Creates the profile and registers it with the engine, which closes it
  // at shutdown.
  static std::shared_ptr<Profile> Create(const ProfileOptions& options);

  explicit Profile(const ProfileOptions& options);
  ~Profile();

  // NULL once closed.
  QWebEngineProfile* qt_profile() const { return qt_profile_; }
  // NULL once closed.
  CookieTracker* cookies() const { return cookies_.get(); }
  Preferences& preferences() { return preferences_; }
  const QString& path() const { return path_; }

  // Makes the profile's browsers follow the current preference values.
  void ApplyPreferences();

  // Deletes the Qt profile; every page using it must be gone.
  void Close();

 private:
  QString path_;
  QWebEngineProfile* qt_profile_;
  std::unique_ptr<CookieTracker> cookies_;
  Preferences preferences_;
};

}  // namespace qtcef

#endif  // QTCEF_SRC_NETWORK_PROFILE_H_
