#include "docsite/html_text.h"

#include "docsite/site_pages.h"

#include <gtest/gtest.h>

namespace ff::site {
namespace {

TEST(HtmlText, MarkupCharactersBecomeReferencesAndGbkStaysWhole) {
  EXPECT_EQ("&lt;script&gt;alert(&quot;x&quot;)&lt;/script&gt; &amp; &#39;a&#39;",
            Html("<script>alert(\"x\")</script> & 'a'"));
  // A double-byte character whose trail byte is '\\' or '|' passes as it is.
  EXPECT_EQ("\x95\x5C\xB0\x7C", Html("\x95\x5C\xB0\x7C"));
  // Control characters XML forbids become U+FFFD; tab and line breaks stay.
  EXPECT_EQ("a&#xFFFD;b\t\r\n&#xFFFD;", Html(std::string("a\x01" "b\t\r\n\x1F", 7)));
  EXPECT_EQ("", Html(""));
  EXPECT_EQ("%Name%", Html("%Name%"));
}

TEST(HtmlText, JavaScriptStringsCannotEndTheirLiteralOrScript) {
  EXPECT_EQ("\\u0022);alert(1);//", JsString("\");alert(1);//"));
  EXPECT_EQ("\\u003C/script\\u003E", JsString("</script>"));
  EXPECT_EQ("a\\u005Cb\\u000A\\u0027", JsString("a\\b\n'"));
  // The trail byte 0x5C of a GBK character is not a backslash.
  EXPECT_EQ("\x95\x5C", JsString("\x95\x5C"));
}

TEST(HtmlText, AnchorsAreAsciiAndUniquePerPage) {
  EXPECT_EQ("fid-FID_KHH", AnchorId("fid-", "FID_KHH"));
  EXPECT_EQ("f-A.B-1", AnchorId("f-", "A.B-1"));
  EXPECT_EQ("fid-~3Ca~20~22~23~D6~D0", AnchorId("fid-", "<a \"#\xD6\xD0"));
  EXPECT_EQ("fid-", AnchorId("fid-", ""));

  UniqueIds ids;
  EXPECT_EQ("f1", ids.Take("f1"));
  EXPECT_EQ("f1-2", ids.Take("f1"));
  EXPECT_EQ("f1-3", ids.Take("f1"));
  EXPECT_EQ("f1-2-2", ids.Take("f1-2"));
}

// A FID's page follows from its code alone: file names in one case (a site
// copied to a case-blind file system keeps its pages apart), any odd byte
// "_", the "FID_" prefix skipped whatever its case.
TEST(HtmlText, FidPagesFollowTheCodesStart) {
  struct Case {
    const char* code;
    const char* letter;
    const char* pair;
  };
  for (const Case& c : std::initializer_list<Case>{{"FID_KHH", "K", "KH"},
                                                    {"fid_khh", "K", "KH"},
                                                    {"Fid_k", "K", "K"},
                                                    {"KHH", "K", "KH"},
                                                    {"FIDX", "F", "FI"},
                                                    {"FID_9a", "9", "9A"},
                                                    {"FID_", "_", "_"},
                                                    {"", "_", "_"},
                                                    {"FID_<a", "_", "_A"},
                                                    {"FID_\xD6\xD0", "_", "__"},
                                                    {"FID_K_X", "K", "K_"}}) {
    EXPECT_EQ(c.letter, FidStart(c.code, 1)) << c.code;
    EXPECT_EQ(c.pair, FidStart(c.code, 2)) << c.code;
  }
  SiteModel site;
  site.splitLetters.insert("K");
  EXPECT_EQ("fids-KH.html#fid-FID_KHH", FidHref(site, "FID_KHH"));
  EXPECT_EQ("fids-Z.html#fid-FID_ZJZH", FidHref(site, "FID_ZJZH"));
}

}  // namespace
}  // namespace ff::site
