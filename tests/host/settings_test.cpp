#include <QSettings>
#include <filesystem>

#include "host/registry.h"
#include "host/sim_db.h"
#include "login/comment_settings.h"
#include "host/config_db.h"
#include "tests/support/test_support.h"

namespace {

using ff::test::G;

// The module's key as a settings file, written the way a user's earlier
// session (or a hand edit) left it.
class CommentKey {
 public:
  explicit CommentKey(const ff::test::SettingsSandbox& sandbox)
      : file_(QString::fromStdString((sandbox.dir().path() / "config" / "KestrelSoft" / "AddIns.ini").string()),
              QSettings::IniFormat) {}
  void Set(const char* name, const std::string& utf8) {
    file_.setValue(QStringLiteral("KestrelComment/") + QLatin1String(name), QString::fromStdString(utf8));
    file_.sync();
  }
  std::string Get(const char* name) {
    file_.sync();
    return file_.value(QStringLiteral("KestrelComment/") + QLatin1String(name)).toString().toStdString();
  }
  bool Has(const char* name) {
    file_.sync();
    return file_.contains(QStringLiteral("KestrelComment/") + QLatin1String(name));
  }

 private:
  QSettings file_;
};

TEST(Registry, ValuesRoundTripAndAMissingValueReadsEmpty) {
  ff::test::SettingsSandbox sandbox;
  EXPECT_EQ(theReg.GetReg("ModulePath"), "");
  theReg.Write("ModulePath", G("/home/开发/src"));
  theReg.Write("ModuleSelectBLS", ff::SwitchText(true));
  EXPECT_EQ(theReg.GetReg("ModulePath"), G("/home/开发/src"));
  EXPECT_TRUE(ff::IsSwitchOn(theReg.GetReg("ModuleSelectBLS")));
  EXPECT_FALSE(ff::IsSwitchOn("true"));
  EXPECT_TRUE(std::filesystem::exists(sandbox.dir().path() / "config" / "FidForge" / "fidforge.ini"));
}

TEST(CommentSettings, AMissingKeyIsCreatedWithTheDefaults) {
  ff::test::SettingsSandbox sandbox;
  CommentKey key(sandbox);
  const std::string user = ff::CurrentUserName();
  ASSERT_FALSE(user.empty());
  CCommentSettings settings;
  EXPECT_EQ(settings.GetAuthor(), user);
  EXPECT_EQ(settings.Company(), G("北岭红隼软件股份有限公司"));
  EXPECT_EQ(settings.CopyRight(), "CopyRight (c) 2004");
  EXPECT_EQ(key.Get("Author"), user);
  EXPECT_EQ(key.Get("Company"), "北岭红隼软件股份有限公司");
  EXPECT_EQ(key.Get("CopyRight"), "CopyRight (c) 2004");
}

TEST(CommentSettings, AStoredAuthorIsTrimmedOnTheLeftOnly) {
  ff::test::SettingsSandbox sandbox;
  CommentKey key(sandbox);
  key.Set("Author", "  张三 ");
  CCommentSettings settings;
  EXPECT_EQ(settings.GetAuthor(), G("张三 "));
  EXPECT_EQ(key.Get("Author"), "  张三 ");  // not written back
}

TEST(CommentSettings, ABlankAuthorIsReplacedByTheUserName) {
  ff::test::SettingsSandbox sandbox;
  CommentKey key(sandbox);
  key.Set("Author", "   ");
  key.Set("CopyRight", "(c) Someone");
  CCommentSettings settings;
  EXPECT_EQ(settings.GetAuthor(), ff::CurrentUserName());
  EXPECT_EQ(key.Get("Author"), ff::CurrentUserName());
  EXPECT_EQ(settings.CopyRight(), "(c) Someone");  // a stored copyright stays
  EXPECT_EQ(key.Get("CopyRight"), "(c) Someone");
}

TEST(CommentSettings, AnotherCompanyIsKeptAndEmptyValuesFilled) {
  ff::test::SettingsSandbox sandbox;
  CommentKey key(sandbox);
  key.Set("Author", "li");
  key.Set("Company", "Other Ltd");
  key.Set("CopyRight", "");
  CCommentSettings settings;
  settings.Load();
  EXPECT_EQ(settings.GetAuthor(), "li");
  // The user's own company stays (the desktop program sets it).
  EXPECT_EQ(settings.Company(), "Other Ltd");
  EXPECT_EQ(key.Get("Company"), "Other Ltd");
  EXPECT_EQ(settings.CommentCompany(), "Other Ltd");
  EXPECT_EQ(settings.CopyRight(), "Copyright (c) 2004");  // lower-case r: the key existed
  EXPECT_EQ(key.Get("CopyRight"), "Copyright (c) 2004");
  EXPECT_EQ(settings.CommentCopyRight(), "");  // the default: the comments' own text

  key.Set("Company", "  ");
  CCommentSettings again;
  EXPECT_EQ(again.Company(), "");  // not loaded yet
  again.Load();
  EXPECT_EQ(again.Company(), G("北岭红隼软件股份有限公司"));
  EXPECT_EQ(key.Get("Company"), "北岭红隼软件股份有限公司");
  EXPECT_EQ(again.CommentCompany(), "");
}

TEST(CommentSettings, SavedValuesAreReadBackAndEmptyOnesBecomeDefaults) {
  ff::test::SettingsSandbox sandbox;
  CommentKey key(sandbox);
  CCommentSettings settings;
  EXPECT_EQ(settings.CommentCopyRight(), "");  // a new key: "CopyRight (c) 2004"
  ASSERT_TRUE(settings.Save(G("王五"), G("红隼公司"), "(C) 2026"));
  EXPECT_EQ(key.Get("Author"), "王五");
  EXPECT_EQ(key.Get("Company"), "红隼公司");
  EXPECT_EQ(settings.GetAuthor(), G("王五"));
  EXPECT_EQ(settings.CommentCompany(), G("红隼公司"));
  EXPECT_EQ(settings.CommentCopyRight(), "(C) 2026");
  ASSERT_TRUE(settings.Save("", "", ""));
  EXPECT_EQ(settings.GetAuthor(), ff::CurrentUserName());
  EXPECT_EQ(settings.Company(), G("北岭红隼软件股份有限公司"));
  EXPECT_EQ(settings.CommentCopyRight(), "");
}

TEST(CommentSettings, ASettingsFileThatCannotBeWrittenIsSaid) {
  ff::test::SettingsSandbox sandbox;
  // The folder of the file is taken by a file.
  std::filesystem::create_directories(sandbox.dir().path() / "config");
  ff::test::WriteFile((sandbox.dir().path() / "config" / "KestrelSoft").string(), "not a folder");
  CCommentSettings settings;
  EXPECT_FALSE(settings.Save("a", "b", "c"));
}

TEST(CommentSettings, LoadsOnceUntilClosed) {
  ff::test::SettingsSandbox sandbox;
  CommentKey key(sandbox);
  key.Set("Author", "first");
  CCommentSettings settings;
  EXPECT_EQ(settings.GetAuthor(), "first");
  key.Set("Author", "second");
  EXPECT_EQ(settings.GetAuthor(), "first");
  settings.Close();
  EXPECT_EQ(settings.GetAuthor(), "second");
}

TEST(CommentSettings, AnOverlongAuthorCountsAsUnread) {
  ff::test::SettingsSandbox sandbox;
  CommentKey key(sandbox);
  key.Set("Author", std::string(1024, 'x'));
  CCommentSettings settings;
  EXPECT_EQ(settings.GetAuthor(), ff::CurrentUserName());
}

TEST(ConfigDB, AFailedLoginAfterASuccessfulOneLeavesNoConnection) {
  ff::test::ScriptedUI ui;
  ff::test::TestDatabase db;  // connects
  ASSERT_NE(g_pConfigDB, nullptr);
  EXPECT_FALSE(ConnectConfigDB("sqlite", "sa", "482913", db.path() + ".missing"));
  EXPECT_EQ(g_pConfigDB, nullptr);
  ASSERT_EQ(ui.messages.size(), 1u);  // the database's own reason
  EXPECT_NE(ui.messages[0].find(".missing"), std::string::npos) << ui.messages[0];
  EXPECT_TRUE(ConnectConfigDB("sqlite", "", "", db.path()));
  EXPECT_NE(g_pConfigDB, nullptr);
  EXPECT_EQ(ui.messages.size(), 1u);
}

}  // namespace
