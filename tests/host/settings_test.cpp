// The program's own settings and the comment settings the generators share
// with the other tools of the suite (the KestrelComment key), as earlier
// sessions or hand edits left them.
#include <QSettings>
#include <filesystem>

#include "host/registry.h"
#include "login/comment_settings.h"
#include "tests/support/test_support.h"

namespace {

using ff::test::G;

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

// The key as a settings file (values in UTF-8).
class CommentKey {
 public:
  explicit CommentKey(const ff::test::SettingsSandbox& sandbox)
      : file_(QString::fromStdString((sandbox.dir().path() / "config" / "KestrelSoft" / "AddIns.ini").string()),
              QSettings::IniFormat) {}
  void Set(const char* name, const std::string& utf8) {
    file_.setValue(Key(name), QString::fromStdString(utf8));
    file_.sync();
  }
  std::string Get(const char* name) {
    file_.sync();
    return file_.contains(Key(name)) ? file_.value(Key(name)).toString().toStdString() : "<none>";
  }

 private:
  static QString Key(const char* name) { return QStringLiteral("KestrelComment/") + QLatin1String(name); }
  QSettings file_;
};

// What is stored (nullptr: no value), what is read (author|company|copyright|
// the comments' company|the comments' copyright, "" there: the comments' own
// text) and what is then stored (author|company|copyright); USER stands for
// the user's name. All UTF-8.
struct Stored {
  const char* name;
  const char* author;
  const char* company;
  const char* copyRight;
  std::string read, stored;
};

void PrintTo(const Stored& c, std::ostream* out) { *out << c.name; }

class CommentSettings : public ::testing::TestWithParam<Stored> {};

const std::string kCompany = "北岭红隼软件股份有限公司";
const std::string kLongAuthor(1024, 'x');

TEST_P(CommentSettings, AreReadAndMissingOrBlankValuesFilled) {
  const Stored& c = GetParam();
  ff::test::SettingsSandbox sandbox;
  CommentKey key(sandbox);
  const std::string user = ff::test::U(ff::CurrentUserName());
  ASSERT_FALSE(user.empty());
  auto fill = [&](std::string text) { return text.starts_with("USER|") ? user + text.substr(4) : text; };
  if (c.author) key.Set("Author", c.author);
  if (c.company) key.Set("Company", c.company);
  if (c.copyRight) key.Set("CopyRight", c.copyRight);
  CCommentSettings settings;
  settings.Load();
  EXPECT_EQ(fill(c.read), ff::test::U(settings.GetAuthor() + "|" + settings.Company() + "|" + settings.CopyRight() + "|" +
                                      settings.CommentCompany() + "|" + settings.CommentCopyRight()));
  EXPECT_EQ(fill(c.stored), key.Get("Author") + "|" + key.Get("Company") + "|" + key.Get("CopyRight"));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CommentSettings,
    ::testing::Values(
        Stored{"MissingKeyGetsTheDefaults", nullptr, nullptr, nullptr, "USER|" + kCompany + "|CopyRight (c) 2004||",
               "USER|" + kCompany + "|CopyRight (c) 2004"},
        // A key that exists gets the copyright with a lower-case r.
        Stored{"AuthorTrimmedOnTheLeftOnlyAndNotWrittenBack", "  张三 ", nullptr, nullptr,
               "张三 |" + kCompany + "|Copyright (c) 2004||", "  张三 |" + kCompany + "|Copyright (c) 2004"},
        Stored{"BlankAuthorIsTheUser", "   ", nullptr, "(c) Someone", "USER|" + kCompany + "|(c) Someone||(c) Someone",
               "USER|" + kCompany + "|(c) Someone"},
        Stored{"OverlongAuthorCountsAsUnread", kLongAuthor.c_str(), nullptr, nullptr,
               "USER|" + kCompany + "|Copyright (c) 2004||", "USER|" + kCompany + "|Copyright (c) 2004"},
        // The user's own company stays (the desktop program sets it).
        Stored{"AnotherCompanyKeptEmptyCopyRightFilled", "li", "Other Ltd", "",
               "li|Other Ltd|Copyright (c) 2004|Other Ltd|", "li|Other Ltd|Copyright (c) 2004"},
        Stored{"BlankCompanyIsTheDefault", "li", "  ", nullptr, "li|" + kCompany + "|Copyright (c) 2004||",
               "li|" + kCompany + "|Copyright (c) 2004"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CommentSetting, SavedValuesAreReadBackEmptyOnesBecomeDefaultsAndLoadingIsOnceUntilClosed) {
  ff::test::SettingsSandbox sandbox;
  CommentKey key(sandbox);
  CCommentSettings settings;
  ASSERT_TRUE(settings.Save(G("王五"), G("红隼公司"), "(C) 2026"));
  EXPECT_EQ(key.Get("Author"), "王五");
  EXPECT_EQ(key.Get("Company"), "红隼公司");
  EXPECT_EQ(settings.GetAuthor(), G("王五"));
  EXPECT_EQ(settings.CommentCompany(), G("红隼公司"));
  EXPECT_EQ(settings.CommentCopyRight(), "(C) 2026");
  ASSERT_TRUE(settings.Save("", "", ""));
  EXPECT_EQ(settings.GetAuthor(), ff::CurrentUserName());
  EXPECT_EQ(settings.Company(), G(kCompany));
  EXPECT_EQ(settings.CommentCopyRight(), "");
  key.Set("Author", "second");
  EXPECT_EQ(settings.GetAuthor(), ff::CurrentUserName());
  settings.Close();
  EXPECT_EQ(settings.GetAuthor(), "second");
  // The folder of the file taken by a file: the save says it failed.
  std::filesystem::remove_all(sandbox.dir().path() / "config" / "KestrelSoft");
  ff::test::WriteFile((sandbox.dir().path() / "config" / "KestrelSoft").string(), "not a folder");
  EXPECT_FALSE(settings.Save("a", "b", "c"));
}

}  // namespace
