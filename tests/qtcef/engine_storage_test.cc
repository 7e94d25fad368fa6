// Request contexts, preferences and cookies, and what CefShutdown leaves in
// the profile folder.

#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QWebEngineSettings>
#include <QWebEngineView>

#include "include/cef_cookie.h"
#include "include/cef_request_context.h"
#include "tests/qtcef/engine_test.h"

namespace {

const char kPluginsEnabled[] = "webkit.webprefs.plugins_enabled";
const char kSite[] = "http://zentrova.test/";

class SetCallback : public CefSetCookieCallback {
 public:
  void OnComplete(bool success) override { results.push_back(success); }
  std::vector<bool> results;
  IMPLEMENT_REFCOUNTING(SetCallback);
};

class DeleteCallback : public CefDeleteCookiesCallback {
 public:
  void OnComplete(int num_deleted) override { counts.push_back(num_deleted); }
  std::vector<int> counts;
  IMPLEMENT_REFCOUNTING(DeleteCallback);
};

class ContextHandler : public CefRequestContextHandler {
  IMPLEMENT_REFCOUNTING(ContextHandler);
};

CefCookie MakeCookie(const std::string& name,
                     const std::string& value,
                     const std::string& domain,
                     bool expires) {
  CefCookie cookie;
  CefString(&cookie.name) = name;
  CefString(&cookie.value) = value;
  CefString(&cookie.domain) = domain;
  CefString(&cookie.path) = "/";
  if (expires) {
    cookie.has_expires = 1;
    cookie.expires = {2100, 1, 5, 1, 0, 0, 0, 0};
  }
  return cookie;
}

// ctest selects qtcef's tests by the "qtcef" in their suite names.
class qtcef_Storage : public EngineTest {
 protected:
  // What document.cookie shows on a page at |url|, once it equals
  // |expected|: the store's real content, not qtcef's record of it.
  bool PageCookiesBecome(CefRefPtr<CefBrowser> browser,
                         const std::string& url,
                         const std::string& expected) {
    const std::string want = "cookies=[" + expected + "]";
    for (int attempt = 0; attempt < 20; ++attempt) {
      client_->console.clear();
      browser->GetMainFrame()->LoadString(
          "<script>console.log('cookies=[' + document.cookie + ']');"
          "</script>",
          url);
      if (!RunUntil([&] { return client_->HasConsole("cookies="); }))
        return false;
      if (client_->HasConsole(want))
        return true;
    }
    ADD_FAILURE() << "last seen: " << client_->console.back().message;
    return false;
  }
};

TEST_F(qtcef_Storage, PreferencesAreSetReadBackAndRefused) {
  Initialize({}, true);
  CefRefPtr<CefRequestContext> context = CefRequestContext::GetGlobalContext();
  ASSERT_TRUE(context);
  EXPECT_TRUE(context->IsGlobal());
  CefRefPtr<CefBrowser> browser = OpenBrowser("", CefRect(0, 0, 300, 200));
  ASSERT_TRUE(browser);
  QWebEngineSettings* settings = ViewOf(browser)->page()->settings();
  EXPECT_TRUE(settings->testAttribute(QWebEngineSettings::PluginsEnabled));

  for (const char* name :
       {kPluginsEnabled, "profile.default_content_setting_values.plugins",
        "plugins.run_all_flash_in_allow_mode", "plugins.allow_outdated",
        "webkit.webprefs.javascript_enabled"}) {
    EXPECT_TRUE(context->HasPreference(name)) << name;
    EXPECT_TRUE(context->CanSetPreference(name)) << name;
  }
  CefRefPtr<CefValue> value = context->GetPreference(kPluginsEnabled);
  ASSERT_TRUE(value);
  EXPECT_EQ(value->GetType(), VTYPE_BOOL);
  EXPECT_TRUE(value->GetBool());

  // A copy: changing it changes nothing.
  value->SetBool(false);
  EXPECT_TRUE(context->GetPreference(kPluginsEnabled)->GetBool());

  CefString error;
  EXPECT_TRUE(context->SetPreference(kPluginsEnabled, value, error));
  EXPECT_FALSE(context->GetPreference(kPluginsEnabled)->GetBool());
  EXPECT_FALSE(settings->testAttribute(QWebEngineSettings::PluginsEnabled));

  CefRefPtr<CefValue> block = CefValue::Create();
  block->SetInt(2);
  EXPECT_TRUE(context->SetPreference(
      "profile.default_content_setting_values.plugins", block, error));
  EXPECT_TRUE(context->SetPreference(kPluginsEnabled, nullptr, error));
  EXPECT_TRUE(context->GetPreference(kPluginsEnabled)->GetBool());
  // Blocked by the content setting even with plug-ins enabled.
  EXPECT_FALSE(settings->testAttribute(QWebEngineSettings::PluginsEnabled));

  CefRefPtr<CefValue> text = CefValue::Create();
  text->SetString("yes");
  EXPECT_FALSE(context->SetPreference(kPluginsEnabled, text, error));
  EXPECT_FALSE(error.empty());
  error.clear();
  EXPECT_FALSE(context->HasPreference("ztv.no_such_preference"));
  EXPECT_FALSE(context->CanSetPreference("ztv.no_such_preference"));
  EXPECT_FALSE(context->GetPreference("ztv.no_such_preference"));
  EXPECT_FALSE(context->SetPreference("ztv.no_such_preference", block, error));
  EXPECT_FALSE(error.empty());

  CefRefPtr<CefDictionaryValue> all = context->GetAllPreferences(false);
  ASSERT_TRUE(all->HasKey("profile"));
  EXPECT_FALSE(all->HasKey("webkit"));

  // A context sharing the global one's storage sees the same values.
  CefRefPtr<ContextHandler> handler = new ContextHandler();
  CefRefPtr<CefRequestContext> shared =
      CefRequestContext::CreateContext(context, handler.get());
  EXPECT_TRUE(shared->IsSharingWith(context));
  EXPECT_FALSE(shared->IsSame(context));
  EXPECT_FALSE(shared->IsGlobal());
  EXPECT_EQ(shared->GetHandler().get(),
            static_cast<CefRequestContextHandler*>(handler.get()));
  EXPECT_EQ(
      shared->GetPreference("profile.default_content_setting_values.plugins")
          ->GetInt(),
      2);

  // Kept as JSON in the profile folder for the next start, written once
  // the caller has gone on.
  const QString path = QString::fromStdString(cache_path()) + "/Preferences";
  auto saved_plugins = [&] {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
      return -1;
    const QJsonObject root = QJsonDocument::fromJson(file.readAll()).object();
    return root["profile"]["default_content_setting_values"]["plugins"].toInt(
        -1);
  };
  EXPECT_TRUE(RunUntil([&] { return saved_plugins() == 2; }));
  // A value set again unchanged is not written again.
  ASSERT_TRUE(QFile::remove(path));
  EXPECT_TRUE(context->SetPreference(
      "profile.default_content_setting_values.plugins", block, error));
  EXPECT_FALSE(RunUntil([&] { return QFile::exists(path); }, 300));
}

TEST_F(qtcef_Storage, DeleteCookiesFollowsCefsRules) {
  Initialize({}, false);
  CefRefPtr<CefBrowser> browser = OpenBrowser("", CefRect(0, 0, 300, 200));
  ASSERT_TRUE(browser);
  CefRefPtr<CefCookieManager> manager =
      CefCookieManager::GetGlobalManager(nullptr);
  ASSERT_TRUE(manager);
  CefRefPtr<SetCallback> set = new SetCallback();
  EXPECT_TRUE(
      manager->SetCookie(kSite, MakeCookie("host", "1", "", false), set.get()));
  EXPECT_TRUE(manager->SetCookie(
      kSite, MakeCookie("domain", "2", ".zentrova.test", false), set.get()));
  EXPECT_TRUE(manager->SetCookie(
      "http://other.test/", MakeCookie("other", "3", "", false), set.get()));
  EXPECT_FALSE(manager->SetCookie(
      "zentrova.test/", MakeCookie("bad", "4", "", false), set.get()));
  ASSERT_TRUE(RunUntil([&] { return set->results.size() == 3; }));
  EXPECT_EQ(set->results, std::vector<bool>({true, true, true}));
  ASSERT_TRUE(PageCookiesBecome(browser, kSite, "host=1; domain=2"));
  // Only the domain cookie reaches a subdomain.
  ASSERT_TRUE(
      PageCookiesBecome(browser, "http://www.zentrova.test/", "domain=2"));

  CefRefPtr<DeleteCallback> deleted = new DeleteCallback();
  // Not a URL: nothing happens, not even the callback.
  EXPECT_FALSE(manager->DeleteCookies("www.zentrova.test/", "", deleted.get()));
  // A URL alone: its host's host cookies, not its domain cookies.
  EXPECT_TRUE(manager->DeleteCookies(kSite, "", deleted.get()));
  ASSERT_TRUE(RunUntil([&] { return deleted->counts.size() == 1; }));
  EXPECT_EQ(deleted->counts.front(), 1);
  ASSERT_TRUE(PageCookiesBecome(browser, kSite, "domain=2"));

  // With a name: the matching domain cookie too; CEF 3538 counts -1.
  EXPECT_TRUE(manager->DeleteCookies(kSite, "domain", deleted.get()));
  ASSERT_TRUE(RunUntil([&] { return deleted->counts.size() == 2; }));
  EXPECT_EQ(deleted->counts.back(), -1);
  ASSERT_TRUE(PageCookiesBecome(browser, kSite, ""));
  ASSERT_TRUE(PageCookiesBecome(browser, "http://other.test/", "other=3"));

  // No URL: everything.
  EXPECT_TRUE(manager->DeleteCookies("", "", deleted.get()));
  ASSERT_TRUE(RunUntil([&] { return deleted->counts.size() == 3; }));
  EXPECT_EQ(deleted->counts.back(), 1);
  ASSERT_TRUE(PageCookiesBecome(browser, "http://other.test/", ""));
  EXPECT_EQ(deleted->counts.size(), 3u);
}

TEST_F(qtcef_Storage, ShutdownLeavesCookiesInTheProfilesCookiesFile) {
  const QString data_home = temp_dir_.filePath("data");
  qputenv("XDG_DATA_HOME", data_home.toLocal8Bit());
  Initialize({}, true);
  CefRefPtr<CefBrowser> browser = OpenBrowser("", CefRect(0, 0, 300, 200));
  ASSERT_TRUE(browser);
  CefRefPtr<CefCookieManager> manager =
      CefCookieManager::GetGlobalManager(nullptr);
  CefRefPtr<SetCallback> set = new SetCallback();
  manager->SetCookie(kSite, MakeCookie("ztv_lasting_probe", "1", "", true),
                     set.get());
  // persist_session_cookies keeps a session cookie as well.
  manager->SetCookie(kSite, MakeCookie("ztv_session_probe", "2", "", false),
                     set.get());
  ASSERT_TRUE(RunUntil([&] { return set->results.size() == 2; }));
  ASSERT_TRUE(PageCookiesBecome(browser, kSite,
                                "ztv_lasting_probe=1; ztv_session_probe=2"));
  browser = nullptr;

  Shutdown();
  QFile file(QString::fromStdString(cache_path()) + "/Cookies");
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QByteArray content = file.readAll();
  EXPECT_TRUE(content.startsWith("SQLite format 3"));
  EXPECT_TRUE(content.contains("ztv_lasting_probe"));
  EXPECT_TRUE(content.contains("ztv_session_probe"));
  // Nothing is left outside the profile folder.
  EXPECT_FALSE(QFileInfo::exists(data_home));
}

TEST_F(qtcef_Storage, OffTheRecordProfileWritesNothing) {
  const QString data_home = temp_dir_.filePath("data");
  qputenv("XDG_DATA_HOME", data_home.toLocal8Bit());
  Initialize({}, false);
  CefRefPtr<CefBrowser> browser = OpenBrowser("", CefRect(0, 0, 300, 200));
  ASSERT_TRUE(browser);
  CefRefPtr<CefCookieManager> manager =
      CefCookieManager::GetGlobalManager(nullptr);
  manager->SetCookie(kSite, MakeCookie("ztv_memory", "1", "", true), nullptr);
  ASSERT_TRUE(PageCookiesBecome(browser, kSite, "ztv_memory=1"));
  EXPECT_TRUE(CefRequestContext::GetGlobalContext()->GetCachePath().empty());
  browser = nullptr;
  Shutdown();
  EXPECT_FALSE(QFileInfo::exists(data_home));
  EXPECT_FALSE(QFileInfo::exists(QString::fromStdString(cache_path())));
}

}  // namespace
