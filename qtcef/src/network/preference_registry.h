// The preferences a request context knows, with their types and defaults.

#ifndef QTCEF_SRC_NETWORK_PREFERENCE_REGISTRY_H_
#define QTCEF_SRC_NETWORK_PREFERENCE_REGISTRY_H_

#include <string>
#include <vector>

#include "include/cef_values.h"

namespace qtcef {

// Chromium's content setting values, as stored in the content setting
// preferences.
enum ContentSetting {
  kContentSettingAllow = 1,
  kContentSettingBlock = 2,
  kContentSettingDetectImportantContent = 5,
};

// Names of the preferences that qtcef applies to Qt WebEngine.
extern const char kPluginsContentSetting[];
extern const char kJavascriptContentSetting[];
extern const char kImagesContentSetting[];
extern const char kPluginsEnabled[];
extern const char kJavascriptEnabled[];
extern const char kImagesEnabled[];
extern const char kLocalStorageEnabled[];
extern const char kDefaultFontSize[];
extern const char kMinimumFontSize[];

// Every preference is a boolean or an integer.
struct PreferenceInfo {
  const char* name;
  CefValueType type;
  bool bool_default;
  int int_default;
};

const std::vector<PreferenceInfo>& RegisteredPreferences();

// NULL for an unknown name.
const PreferenceInfo* FindPreference(const std::string& name);

// A new value holding the default of |info|.
CefRefPtr<CefValue> DefaultValue(const PreferenceInfo& info);

}  // namespace qtcef

#endif  // QTCEF_SRC_NETWORK_PREFERENCE_REGISTRY_H_
