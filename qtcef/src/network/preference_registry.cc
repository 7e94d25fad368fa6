#include "qtcef/src/network/preference_registry.h"

namespace qtcef {

const char kPluginsContentSetting[] =
    "profile.default_content_setting_values.plugins";
const char kJavascriptContentSetting[] =
    "profile.default_content_setting_values.javascript";
const char kImagesContentSetting[] =
    "profile.default_content_setting_values.images";
const char kPluginsEnabled[] = "webkit.webprefs.plugins_enabled";
const char kJavascriptEnabled[] = "webkit.webprefs.javascript_enabled";
const char kImagesEnabled[] = "webkit.webprefs.loads_images_automatically";
const char kLocalStorageEnabled[] = "webkit.webprefs.local_storage_enabled";
const char kDefaultFontSize[] = "webkit.webprefs.default_font_size";
const char kMinimumFontSize[] = "webkit.webprefs.minimum_font_size";

const std::vector<PreferenceInfo>& RegisteredPreferences() {
  // The defaults are Chromium 70's.
  static const std::vector<PreferenceInfo> preferences = {
      {kPluginsContentSetting, VTYPE_INT, false,
       kContentSettingDetectImportantContent},
      {kJavascriptContentSetting, VTYPE_INT, false, kContentSettingAllow},
      {kImagesContentSetting, VTYPE_INT, false, kContentSettingAllow},
      {"plugins.run_all_flash_in_allow_mode", VTYPE_BOOL, false, 0},
      {"plugins.allow_outdated", VTYPE_BOOL, false, 0},
      {kPluginsEnabled, VTYPE_BOOL, true, 0},
      {kJavascriptEnabled, VTYPE_BOOL, true, 0},
      {kImagesEnabled, VTYPE_BOOL, true, 0},
      {kLocalStorageEnabled, VTYPE_BOOL, true, 0},
      {kDefaultFontSize, VTYPE_INT, false, 16},
      {kMinimumFontSize, VTYPE_INT, false, 0},
  };
  return preferences;
}

const PreferenceInfo* FindPreference(const std::string& name) {
  for (const PreferenceInfo& info : RegisteredPreferences()) {
    if (name == info.name)
      return &info;
  }
  return nullptr;
}

CefRefPtr<CefValue> DefaultValue(const PreferenceInfo& info) {
  CefRefPtr<CefValue> value = CefValue::Create();
  if (info.type == VTYPE_BOOL)
    value->SetBool(info.bool_default);
  else
    value->SetInt(info.int_default);
  return value;
}

}  // namespace qtcef
