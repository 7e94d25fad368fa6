// Preferences: known names only, type-checked, kept as nested JSON.

#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
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

// The file in the profile folder may be anything the player's programs put
// there: it is read only when it is a regular file of its own, never waited
// on, and saved as a new file, so nothing outside the folder changes.
TEST(qtcef_Preferences, NeverReachOutsideNorWaitOnAPipe) {
  const std::string saved =
      "{\"profile\":{\"default_content_setting_values\":{\"plugins\":2}}}";
  const int unset = qtcef::Preferences(QString()).Get(kContent)->GetInt();
  const struct {
    const char* label;
    int (*make)(const char* outside, const char* file);
    bool read;  // whether what stands there is read
  } cases[] = {
      {"a pipe",
       [](const char*, const char* file) { return mkfifo(file, 0600); }, false},
      {"a link",
       [](const char* outside, const char* file) {
         return symlink(outside, file);
       },
       false},
      {"a second name",
       [](const char* outside, const char* file) {
         return link(outside, file);
       },
       true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.label);
    QTemporaryDir dir;
    const QByteArray outside = QFile::encodeName(dir.filePath("outside"));
    const QString file = dir.filePath("Preferences");
    QFile written(dir.filePath("outside"));
    ASSERT_TRUE(written.open(QIODevice::WriteOnly));
    written.write(QByteArray::fromStdString(saved));
    written.close();
    ASSERT_EQ(c.make(outside.constData(), QFile::encodeName(file).constData()),
              0);
    std::string error;
    {
      qtcef::Preferences preferences(file);
      EXPECT_EQ(preferences.Get(kContent)->GetInt(), c.read ? 2 : unset);
      ASSERT_TRUE(preferences.Set(kContent, Int(1), &error));
    }
    QFile kept(dir.filePath("outside"));
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll().toStdString(), saved);
    EXPECT_EQ(qtcef::Preferences(file).Get(kContent)->GetInt(), 1);
  }
}

}  // namespace
