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

const char kDictionary[] =
    // FOS module 5 and its functions.
    "INSERT INTO T158 VALUES (5, '<b>模块</b>', 'M&M');"
    "INSERT INTO T154 (ID, F18, F19, F22, F24, F26, F34) VALUES (501, 5002, 'QRY.USER_LIST', '查询', '  ', 5, 0);"
    "INSERT INTO T154 (ID, F18, F19, F22, F24, F26, F34) VALUES (502, 5003, 'GET_INFO', '信息', 'GetUserInfo', 5, 1);"
    "INSERT INTO T154 (ID, F18, F19, F22, F26, F28, F32, F34) VALUES (503, 5004, 'X<script>', "
    "  '<script>alert(1)</script>&amp;', 5, '\"quoted\" & <b>', 'a' || char(1) || '%Name%', 0);"
    "INSERT INTO T156 (F13, F15, F3, F4, F5, F7) VALUES (501, 'FID_KHH', '客户号', 1, 1, 1);"
    "INSERT INTO T156 (F13, F15, F3, F4, F5, F7) VALUES (503, '<img src=x>', '&', 1, 0, 1);"
    // BLS module 7.
    "INSERT INTO T164 VALUES (7, 7, '交易', 'JY');"
    "INSERT INTO T161 (ID, F1, F2, F3, F4, F5, F7, F14) VALUES (700, 7001, 'USER.QUERY', '用户查询', 'GetUserInfo', 2, 7, 2);"
    "INSERT INTO T162 (F1, F2, F3, F4, F5, F6, F7, F8, F9, F10, F11) "
    "  VALUES (700, 'FID_LOGINPWD', '登录密码', 1, 1, '1-9', 1, 20, 0, '备注', 'abc');"
    "INSERT INTO T162 (F1, F2, F3, F4, F5, F7, F8) VALUES (700, 'FID_ZJZH_UPDATE', '更新', 2, 0, 4, 10);"
    "INSERT INTO T162 (F1, F2, F3, F4, F5, F7, F8, F9) VALUES (700, 'FID_BZ', '币种', 2, 0, 6, 16, 2);"
    // FIDs: one nothing uses, with text that tries to leave the page.
    "INSERT INTO T151 VALUES (1, 'FID_KHH', '客户号', 1, NULL);"
    "INSERT INTO T151 VALUES (2, 'FID_LOGINPWD', '登录密码', 1, NULL);"
    "INSERT INTO T151 VALUES (3, 'FID_ZJZH_UPDATE', '更新', 4, NULL);"
    "INSERT INTO T151 VALUES (4, 'FID_BZ', '币种', 6, NULL);"
    "INSERT INTO T151 VALUES (999, 'FID_EVIL', '</script><script>alert(2)</script>', 1, '<!-- -->');"
    // A FOS function of a module that does not exist.
    "INSERT INTO T154 (ID, F18, F19, F22, F26, F34) VALUES (601, 6001, 'ORPHAN', '孤儿', 66, 0);"
    // Error codes.
    "INSERT INTO T471 VALUES (1, '<i>cat</i>', 2, 2, 0);"
    "INSERT INTO T470 (ID, F1, F2, F3, F6, F8, F10) VALUES (1, '-1', 'ERR_X', 'a \"b\" <c>', 'MSG_X', 1, 6);";

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
  TestDatabase db_{kDictionary};
  TempDir out_;
  std::map<std::string, ParsedPage> pages_;
};

TEST_F(ContentSite, FunctionsCarryTheGeneratorsNames) {
  const std::string fos = Raw("fos-5.html");
  // A blank FUNNAME counts as empty: the name comes from the macro name.
  EXPECT_NE(std::string::npos, fos.find("<tr><th>宏名</th><td><code>QRY_USER_LIST</code></td></tr>"));
  EXPECT_NE(std::string::npos, fos.find("<tr><th>函数名</th><td><code>Qry_User_List</code></td></tr>"));
  EXPECT_NE(std::string::npos, fos.find("<tr><th>应答类型</th><td>0（多行应答）</td></tr>"));
  // A FOS never gets the Fun_ prefix; answer type 1 is the stored procedure answer.
  EXPECT_NE(std::string::npos, fos.find("<code>long GetUserInfo( struct Service_Module* pModule )</code>"));
  EXPECT_NE(std::string::npos, fos.find("<td>1（存储过程应答 o_RetCode、o_RetNote）</td>"));
  EXPECT_NE(std::string::npos,
            fos.find("<tr><td>1</td><td><a href=\"fids-K.html#fid-FID_KHH\">FID_KHH</a></td><td>客户号</td><td>1</td>"
                     "<td>string</td><td>sFidKHH</td><td>是</td></tr>"));

  const std::string bls = Raw("bls-7.html");
  EXPECT_NE(std::string::npos, bls.find("<code>long Fun_GetUserInfo( struct Service_Module* pModule )</code>"));
  EXPECT_NE(std::string::npos, bls.find("<tr><th>交易类型</th><td>2（复核两步流程）</td></tr>"));
  EXPECT_NE(std::string::npos, bls.find("<tr><th>宏名</th><td><code>USER_QUERY</code></td></tr>"));
  // Request variables lose "Ans" as in the server code; answers keep it.
  EXPECT_NE(std::string::npos,
            bls.find(">FID_LOGINPWD</a></td><td>登录密码</td><td>1</td><td>C20</td><td>string</td><td>sFidLoginPWD</td>"
                     "<td>是</td><td>20</td><td>0</td><td>1-9</td><td>abc</td><td>备注</td></tr>"));
  EXPECT_NE(std::string::npos, bls.find("<td>I10</td><td>long</td><td>nFidAnsZJZHUPDate</td>"));
  EXPECT_NE(std::string::npos, bls.find("<td>R16.2</td><td>double</td><td>dFidAnsBZ</td>"));
  // Parameters in the generators' order: by data type, so the long comes before the double.
  EXPECT_LT(bls.find("FID_ZJZH_UPDATE"), bls.find("FID_BZ"));
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

TEST_F(ContentSite, FidPagesMarkWhatTheFidCheckFinds) {
  EXPECT_NE(std::string::npos, Raw("fids-E.html").find("<tr id=\"fid-FID_EVIL\" class=\"unused\">"));
  const std::string k = Raw("fids-K.html");
  EXPECT_NE(std::string::npos, k.find("<tr id=\"fid-FID_KHH\" class=\"used\">"));
  // Used by one FOS function, linked to its section.
  EXPECT_NE(std::string::npos, k.find("<a href=\"fos-5.html#f501\">QRY.USER_LIST</a>"));
  // An undefined FID of a FOS parameter, with the parameter's name; a code
  // that starts with no letter or digit is paged under "_".
  EXPECT_NE(std::string::npos,
            Raw("fids-_.html").find("<tr id=\"fid-~3Cimg~20src~3Dx~3E\" class=\"undefined\"><td>&lt;img src=x&gt;</td>"
                                    "<td>&amp;</td><td><span class=\"mark\">FOS中未定义</span> "));
  EXPECT_NE(std::string::npos, Raw("index.html").find("FID 5 个</a>（未定义 1 个，未使用 1 个）"));
  // The overview lists both and links every letter's page.
  const ParsedPage& overview = pages_["fids.html"];
  for (const char* link : {"fids-E.html#fid-FID_EVIL", "fids-_.html#fid-~3Cimg~20src~3Dx~3E", "fids-B.html",
                           "fids-K.html", "fids-L.html", "fids-Z.html"}) {
    EXPECT_EQ(1, std::count(overview.links.begin(), overview.links.end(), link)) << link;
  }
  // Every heading in Chinese.
  EXPECT_NE(std::string::npos, k.find("<th>FID</th><th>FID编码</th><th>FID名称</th><th>数据类型</th><th>备注</th>"));
}

// The lint's findings on the page of the row they are about, each linked to
// its rule; what belongs to no page is listed with the rules.
TEST_F(ContentSite, FindingsStandWhereTheirRowsAre) {
  const std::string fos = Raw("fos-5.html");
  const size_t section = fos.find("<section class=\"function\" id=\"f503\">");
  const size_t finding = fos.find("<a href=\"rules.html#code-not-identifier\"><code>code-not-identifier</code></a> "
                                  "<code class=\"where\">T154 503 X&lt;script&gt;</code>");
  EXPECT_LT(section, finding);
  EXPECT_NE(std::string::npos, finding);
  EXPECT_NE(std::string::npos, fos.find("<li><a href=\"#f503\">")) << "the module's summary names the function";
  EXPECT_NE(std::string::npos, Raw("index.html").find("<a class=\"mark\" href=\"fos-5.html#lint\">检查：错误 1 个，警告 0 个</a>"));
  EXPECT_NE(std::string::npos, Raw("index.html").find("代码检查：错误 3 个，警告 2 个"));

  EXPECT_NE(std::string::npos, Raw("fids-E.html").find("<code>fid-unused</code></a> <code class=\"where\">T151 FID_EVIL</code>"));
  EXPECT_NE(std::string::npos, Raw("fids-_.html").find("<code>fid-undefined-fos</code></a> <code class=\"where\">T156 &lt;img src=x&gt;</code>"));

  const std::string rules = Raw("rules.html");
  EXPECT_NE(std::string::npos, rules.find("<tr id=\"string-literal-break\"><td><code>string-literal-break</code></td><td>错误</td>"));
  EXPECT_NE(std::string::npos, Raw("errors.html").find("<td>6</td><td><ul class=\"findings\">\n<li class=\"error\">"
                                                       "<span class=\"sev\">错误</span> <a href=\"rules.html#string-literal-break\">"));
  // A function of a module that does not exist has no page: its finding
  // stands with the rules.
  const size_t other = rules.find("<h2 id=\"other\">");
  EXPECT_LT(other, rules.find("<code class=\"where\">T154 601 ORPHAN</code>"));
  EXPECT_NE(std::string::npos, other);
}

}  // namespace
}  // namespace ff::test
