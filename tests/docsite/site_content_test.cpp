// What the pages say: the names the code generators give, and database text
// that tries to be markup shown as text.
#include <stdlib.h>

#include <algorithm>
#include <filesystem>
#include <string>

#include "docsite/dictionary_site.h"
#include "tests/docsite/site_check.h"
#include "tests/support/test_support.h"

namespace ff::test {
namespace {


class ContentSite : public ::testing::Test {
 protected:
  void SetUp() override {
    site::SiteOptions options;
    options.folder = out_.path().string();
    options.database = "<db & co>";
    site::MakeDictionarySite(options);
    pages_ = ParseSite(options.folder);
  }
  std::string Raw(const std::string& name) const { return ReadFile(out_ / name); }

  SettingsSandbox sandbox_;
  TestDatabase db_{ReadFile(FF_SOURCE_DIR "/tests/docsite/content_site.sql")};
  TempDir out_;
  std::map<std::string, ParsedPage> pages_;
};

// What the pages say, each a part of a page's bytes.
struct Says {
  const char* page;
  const char* text;
};
const Says kSays[] = {
    // A blank FUNNAME counts as empty: the name comes from the macro name.
    {"fos-5.html", "<tr><th>宏名</th><td><code>QRY_USER_LIST</code></td></tr>"},
    {"fos-5.html", "<tr><th>函数名</th><td><code>Qry_User_List</code></td></tr>"},
    {"fos-5.html", "<tr><th>应答类型</th><td>0（多行应答）</td></tr>"},
    // A FOS never gets the Fun_ prefix; answer type 1 is the stored procedure answer.
    {"fos-5.html", "<code>long GetUserInfo( struct Service_Module* pModule )</code>"},
    {"fos-5.html", "<td>1（存储过程应答 o_RetCode、o_RetNote）</td>"},
    {"fos-5.html", "<tr><td>1</td><td><a href=\"fids-K.html#fid-FID_KHH\">FID_KHH</a></td><td>客户号</td><td>1</td>"
                   "<td>string</td><td>sFidKHH</td><td>是</td></tr>"},
    {"bls-7.html", "<code>long Fun_GetUserInfo( struct Service_Module* pModule )</code>"},
    {"bls-7.html", "<tr><th>交易类型</th><td>2（复核两步流程）</td></tr>"},
    {"bls-7.html", "<tr><th>宏名</th><td><code>USER_QUERY</code></td></tr>"},
    // Request variables lose "Ans" as in the server code; answers keep it.
    {"bls-7.html", ">FID_LOGINPWD</a></td><td>登录密码</td><td>1</td><td>C20</td><td>string</td><td>sFidLoginPWD</td>"
                   "<td>是</td><td>20</td><td>0</td><td>1-9</td><td>abc</td><td>备注</td></tr>"},
    {"bls-7.html", "<td>I10</td><td>long</td><td>nFidAnsZJZHUPDate</td>"},
    {"bls-7.html", "<td>R16.2</td><td>double</td><td>dFidAnsBZ</td>"},
    // The FID pages mark what the FID check finds, and link the users.
    {"fids-E.html", "<tr id=\"fid-FID_EVIL\" class=\"unused\">"},
    {"fids-K.html", "<tr id=\"fid-FID_KHH\" class=\"used\">"},
    {"fids-K.html", "<a href=\"fos-5.html#f501\">QRY.USER_LIST</a>"},
    {"fids-K.html", "<th>FID</th><th>FID编码</th><th>FID名称</th><th>数据类型</th><th>备注</th>"},
    // An undefined FID of a FOS parameter, with the parameter's name; a code
    // that starts with no letter or digit is paged under "_".
    {"fids-_.html", "<tr id=\"fid-~3Cimg~20src~3Dx~3E\" class=\"undefined\"><td>&lt;img src=x&gt;</td>"
                    "<td>&amp;</td><td><span class=\"mark\">FOS中未定义</span> "},
    {"index.html", "FID 5 个</a>（未定义 1 个，未使用 1 个）"},
    // The lint's findings on the page of the row they are about, each linked
    // to its rule; what belongs to no page is listed with the rules.
    {"fos-5.html", "<li><a href=\"#f503\">"},
    {"index.html", "<a class=\"mark\" href=\"fos-5.html#lint\">检查：错误 1 个，警告 0 个</a>"},
    {"index.html", "代码检查：错误 3 个，警告 2 个"},
    {"fids-E.html", "<code>fid-unused</code></a> <code class=\"where\">T151 FID_EVIL</code>"},
    {"fids-_.html", "<code>fid-undefined-fos</code></a> <code class=\"where\">T156 &lt;img src=x&gt;</code>"},
    {"rules.html", "<tr id=\"string-literal-break\"><td><code>string-literal-break</code></td><td>错误</td>"},
    {"errors.html", "<td>6</td><td><ul class=\"findings\">\n<li class=\"error\"><span class=\"sev\">错误</span> "
                    "<a href=\"rules.html#string-literal-break\">"},
};

TEST_F(ContentSite, PagesSayWhatTheGeneratorsAndChecksSay) {
  for (const Says& says : kSays) EXPECT_NE(std::string::npos, Raw(says.page).find(says.text)) << says.page << ": " << says.text;
  // In the generators' order: by data type, so the long comes before the double.
  EXPECT_LT(Raw("bls-7.html").find("FID_ZJZH_UPDATE"), Raw("bls-7.html").find("FID_BZ"));
  // A finding in the section of its function.
  const std::string fos = Raw("fos-5.html");
  const size_t finding = fos.find("<a href=\"rules.html#code-not-identifier\"><code>code-not-identifier</code></a> "
                                  "<code class=\"where\">T154 503 X&lt;script&gt;</code>");
  EXPECT_LT(fos.find("<section class=\"function\" id=\"f503\">"), finding);
  EXPECT_NE(std::string::npos, finding);
  // A function of a module that does not exist has no page: its finding
  // stands with the rules.
  const std::string rules = Raw("rules.html");
  EXPECT_LT(rules.find("<h2 id=\"other\">"), rules.find("<code class=\"where\">T154 601 ORPHAN</code>"));
  // The overview links every letter's page and both marked FIDs.
  const ParsedPage& overview = pages_["fids.html"];
  for (const char* link : {"fids-E.html#fid-FID_EVIL", "fids-_.html#fid-~3Cimg~20src~3Dx~3E", "fids-B.html",
                           "fids-K.html", "fids-L.html", "fids-Z.html"})
    EXPECT_EQ(1, std::count(overview.links.begin(), overview.links.end(), link)) << link;
}

TEST_F(ContentSite, DatabaseTextIsShownAsTextEverywhere) {
  for (const auto& [name, page] : pages_) EXPECT_EQ("", page.error) << name;
  EXPECT_EQ(std::vector<std::string>{}, BrokenLinks(out_.path().string(), pages_));
  for (const auto& entry : std::filesystem::directory_iterator(out_.path())) {
    const std::string bytes = ReadFile(entry.path().string());
    for (const char* markup : {"<script>alert", "<img", "<b>", "<i>", "<c>", "<!-- -->", "<db"}) {
      EXPECT_EQ(std::string::npos, bytes.find(markup)) << entry.path() << " holds " << markup;
    }
  }
  // The parsed text holds the database's text exactly.
  EXPECT_NE(std::string::npos, pages_["fos-5.html"].text.find("<script>alert(1)</script>&amp;"));
  EXPECT_NE(std::string::npos, pages_["fos-5.html"].text.find("\"quoted\" & <b>"));
  EXPECT_NE(std::string::npos, pages_["fos-5.html"].text.find("a\xEF\xBF\xBD%Name%")) << "a control character shows as U+FFFD";
  EXPECT_NE(std::string::npos, pages_["fids.html"].text.find("</script><script>alert(2)</script>"));
  EXPECT_NE(std::string::npos, pages_["errors.html"].text.find("a \"b\" <c>"));
  EXPECT_NE(std::string::npos, pages_["index.html"].text.find("<db & co>"));
  // The search entries are JavaScript strings that no text can end.
  const std::string index = Raw("search-index.js");
  EXPECT_EQ(std::string::npos, index.find('<'));
  EXPECT_NE(std::string::npos, index.find("\\u003C/script\\u003E\\u003Cscript\\u003Ealert(2)"));
}

}  // namespace
}  // namespace ff::test
