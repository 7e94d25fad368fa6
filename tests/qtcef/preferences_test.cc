// Preferences: known names only, type-checked, kept as nested JSON.

#include <QDir>
#include <QTemporaryDir>

#include "gtest/gtest.h"
#include "qtcef/src/network/preferences.h"

namespace {

const char kPlugins[] = "webkit.webprefs.plugins_enabled";
const char kContent[] = "profile.default_content_setting_values.plugins";

CefRefPtr<CefValue> Int(int number) {
  CefRefPtr<CefValue> value = CefValue::Create();
  value->SetInt(number);
  return value;
}

TEST(qtcef_Preferences, RefusesUnknownNamesAndWrongTypes) {
  qtcef::Preferences preferences{QString()};
  std::string error;
  EXPECT_FALSE(preferences.Set("no.such.name", Int(1), &error));
  EXPECT_EQ(error, "Trying to modify an unregistered preference");
  EXPECT_FALSE(preferences.Set(kPlugins, Int(1), &error));
  EXPECT_EQ(error,
            "Trying to set a preference of type boolean to a value of "
            "type integer");
  EXPECT_TRUE(preferences.Get(kPlugins)->GetBool());
  EXPECT_TRUE(preferences.Set(kContent, Int(2), &error));
  EXPECT_EQ(preferences.Get(kContent)->GetInt(), 2);
  EXPECT_TRUE(preferences.Set(kContent, nullptr, &error));
  EXPECT_EQ(preferences.Get(kContent)->GetInt(), 5);
}

TEST(qtcef_Preferences, NestsNamesInTheListOfAll) {
  qtcef::Preferences preferences{QString()};
  std::string error;
  ASSERT_TRUE(preferences.Set(kContent, Int(1), &error));
  CefRefPtr<CefDictionaryValue> set = preferences.GetAll(false);
  ASSERT_EQ(set->GetSize(), 1u);
  EXPECT_EQ(set->GetValue("profile")
                ->GetDictionary()
                ->GetValue("default_content_setting_values")
                ->GetDictionary()
                ->GetValue("plugins")
                ->GetInt(),
            1);
  EXPECT_TRUE(preferences.GetAll(true)->HasKey("webkit"));
}

TEST(qtcef_Preferences, SavedValuesComeBackAtTheNextStart) {
  QTemporaryDir dir;
  const QString file = QDir(dir.path()).filePath("Preferences");
  std::string error;
  {
    qtcef::Preferences preferences(file);
    CefRefPtr<CefValue> off = CefValue::Create();
    off->SetBool(false);
    ASSERT_TRUE(preferences.Set(kPlugins, off, &error));
    ASSERT_TRUE(preferences.Set(kContent, Int(2), &error));
  }
  qtcef::Preferences reloaded(file);
  EXPECT_FALSE(reloaded.Get(kPlugins)->GetBool());
  EXPECT_EQ(reloaded.Get(kContent)->GetInt(), 2);
}

}  // namespace
