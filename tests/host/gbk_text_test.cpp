#include "host/gbk_text.h"

#include <algorithm>
#include <climits>
#include <thread>

#include "tests/support/test_support.h"

namespace ff::gbk {
namespace {

using test::G;

// GBK characters whose trail byte equals an ASCII character.
const std::string kTrailBackslash = "\x81\x5C";  // 乗
const std::string kTrailBar = "\x81\x7C";        // 亅
const std::string kTrailUpperA = "\x81\x41";     // 丄
const std::string kTrailLowerA = "\x81\x61";     // 乤

TEST(GbkConversion, ChineseRoundTripsAndAsciiPassesThrough) {
  EXPECT_EQ(FromUtf8("客户号 FID_KHH"), "\xBF\xCD\xBB\xA7\xBA\xC5 FID_KHH");
  EXPECT_EQ(ToUtf8("\xBF\xCD\xBB\xA7\xBA\xC5 FID_KHH"), "客户号 FID_KHH");
  EXPECT_EQ(FromUtf8("乗亅"), kTrailBackslash + kTrailBar);
  EXPECT_EQ(ToUtf8(kTrailBackslash + "\\" + kTrailBar + "|"), "乗\\亅|");
  EXPECT_EQ(FromUtf8(""), "");
  EXPECT_EQ(ToUtf8(std::string("a\0b", 3)), std::string("a\0b", 3));
  EXPECT_TRUE(IsAscii("plain text\r\n"));
  EXPECT_FALSE(IsAscii("12345678\x81"));
}

TEST(GbkConversion, InvalidUtf8AndUnmappableCharactersBecomeQuestionMarks) {
  EXPECT_EQ(FromUtf8("a\xFF" "b"), "a?b");             // not UTF-8 at all
  EXPECT_EQ(FromUtf8("a\xC0\xAF" "b"), "a??b");        // overlong form: two bad bytes
  EXPECT_EQ(FromUtf8("\xE4\xB8"), "??");               // cut off at the end
  EXPECT_EQ(FromUtf8("x😀y"), "x?y");                  // GBK lacks it: one '?'
  EXPECT_EQ(FromUtf8("中\xED\xA0\x80文"), G("中") + "???" + G("文"));  // a surrogate
}

// The characters of the Basic Multilingual Plane from `first` to `last`
// (surrogates aside) in UTF-8, with some ASCII between them.
std::string BmpCharacters(unsigned first, unsigned last) {
  std::string text;
  for (unsigned cp = first; cp <= last; ++cp) {
    if (cp >= 0xD800 && cp <= 0xDFFF) continue;
    if (cp < 0x800) {
      text += static_cast<char>(0xC0 | (cp >> 6));
    } else {
      text += static_cast<char>(0xE0 | (cp >> 12));
      text += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    }
    text += static_cast<char>(0x80 | (cp & 0x3F));
    if (cp % 64 == 0) text += "a";
  }
  return text;
}

TEST(GbkConversion, CharacterByCharacterEqualsTheWholeTextConverter) {
  // A text that is all valid UTF-8 of the plane is converted a character
  // at a time (and each character remembered); one stray byte at its end
  // sends the whole text through the converter at once. Both must agree
  // on every character, the ones GBK lacks ('?') included, whether the
  // character is met for the first time or again, in any thread.
  int differing = 0;
  std::string mixed;
  for (unsigned first = 0x80; first <= 0xFFFF; first += 256) {
    const std::string text = BmpCharacters(first, std::min(first + 255, 0xFFFFu));
    const std::string byCharacter = FromUtf8(text);
    differing += byCharacter + "?" != FromUtf8(text + "\xFF");
    differing += FromUtf8(text) != byCharacter;
    mixed += byCharacter;
  }
  EXPECT_EQ(differing, 0);
  std::string other;
  std::thread([&] { other = FromUtf8(BmpCharacters(0x80, 0xFFFF)); }).join();
  EXPECT_TRUE(other == mixed);
  EXPECT_EQ(FromUtf8("中文"), "\xD6\xD0\xCE\xC4");
  EXPECT_EQ(FromUtf8("中😀文"), "\xD6\xD0?\xCE\xC4");  // beyond the plane, among known ones
}

// Text meant only for UTF-8 output keeps what GBK lacks, as one character
// that no GBK text can hold; a broken or stray mark is no character.
TEST(GbkConversion, KeptCharactersComeBackInUtf8) {
  const std::string utf8 = "a\u2028b\U0001F600\u4E2D?\xFFz";
  const std::string kept = gbk::FromUtf8Keeping(utf8);
  EXPECT_EQ("a\u2028b\U0001F600\u4E2D??z", gbk::ToUtf8(kept));  // a byte that is no UTF-8 stays lost
  EXPECT_EQ(gbk::FromUtf8(utf8), "a?b?" + gbk::FromUtf8("\u4E2D") + "??z");
  EXPECT_EQ(2u, gbk::CountKept(kept));
  EXPECT_EQ(6u, gbk::CharLength(kept, 1));  // 0xFF 2028 0xFF
  EXPECT_EQ(kept.substr(8, 7), gbk::ToLower(kept.substr(8, 7)));  // 0xFF 1F600 0xFF: one character
  for (const char* broken : {"\xFF" "2028", "\xFF" "D800\xFF", "\xFF" "110000\xFF", "\xFF\xFF", "\xFF" "41\xFF"}) {
    EXPECT_EQ(0u, gbk::KeptLength(broken, 0)) << broken;
    EXPECT_EQ(0u, gbk::ToUtf8(broken).rfind("\xEF\xBF\xBD", 0)) << broken;
  }
  EXPECT_EQ(gbk::FromUtf8("\u4E2D"), gbk::FromUtf8Keeping("\u4E2D"));  // nothing lost, nothing kept
}

TEST(GbkConversion, InvalidGbkBecomesReplacementCharacters) {
  EXPECT_EQ(ToUtf8("a\x80" "b"), "a€b");  // code page 936's one single-byte extra
  EXPECT_EQ(FromUtf8("€"), "\x80");
  EXPECT_EQ(ToUtf8("a\xFF" "b"), "a\xEF\xBF\xBD" "b");
  EXPECT_EQ(ToUtf8("\xD6\xD0\xD6"), "中\xEF\xBF\xBD");      // lead byte at the end
  EXPECT_EQ(ToUtf8("\xD6\x7F" "A"), "\xEF\xBF\xBD\x7F" "A");  // 0x7F is no trail: kept as ASCII
  EXPECT_EQ(CharLength("\xD6\x7F", 0), 1u);
  EXPECT_EQ(CharLength("\xD6\xD0", 0), 2u);
  EXPECT_EQ(CharLength("\xD6", 0), 1u);
}

TEST(GbkText, TrimRemovesBlanksOnly) {
  EXPECT_EQ(Trim("  KH_OPEN  "), "KH_OPEN");
  EXPECT_EQ(Trim("\tKH \r\n"), "\tKH \r\n");
  EXPECT_EQ(TrimLeft("  a  "), "a  ");
  EXPECT_EQ(TrimRight("  a  "), "  a");
  EXPECT_EQ(Trim("    "), "");
  EXPECT_EQ(Trim(G(" 中文 ")), G("中文"));
}

TEST(GbkText, SearchNeverMatchesATrailByte) {
  const std::string text = "A" + kTrailBackslash + kTrailBar + "\\|";
  EXPECT_EQ(Find(text, "\\"), 5u);
  EXPECT_EQ(Find(text, "|"), 6u);
  EXPECT_EQ(FindLast(kTrailBar + kTrailBar, "|"), std::string_view::npos);
  EXPECT_EQ(FindLast("|a|" + kTrailBar, "|"), 2u);
  EXPECT_EQ(Find(kTrailUpperA + "A", "A"), 2u);
  EXPECT_EQ(Find(text, kTrailBar), 3u);
  EXPECT_EQ(Find("abcabc", "bc", 2), 4u);
  EXPECT_FALSE(Contains(kTrailBackslash, "\\"));
  EXPECT_TRUE(Contains(G("客户号"), G("户")));
}

TEST(GbkText, ReplaceAllSkipsTrailBytesAndChains) {
  std::string text = kTrailBackslash + "\\" + kTrailBar + "|";
  ReplaceAll(text, "\\", "/");
  ReplaceAll(text, "|", "!");
  EXPECT_EQ(text, kTrailBackslash + "/" + kTrailBar + "!");
  EXPECT_EQ(Replaced("%A%-%A%", "%A%", "%A%%A%"), "%A%%A%-%A%%A%");  // no re-scan of output
  EXPECT_EQ(Replaced("abc", "", "x"), "abc");
  EXPECT_EQ(Replaced(G("名称：%Name%"), "%Name%", G("客户")), G("名称：客户"));
}

TEST(GbkText, CaseChangesLeaveDoubleByteCharactersAlone) {
  EXPECT_EQ(ToUpper("fid_khh" + kTrailLowerA + "z"), "FID_KHH" + kTrailLowerA + "Z");
  EXPECT_EQ(ToLower("FID" + kTrailUpperA + "Z"), "fid" + kTrailUpperA + "z");
  EXPECT_EQ(ToUpper(G("客户号abc")), G("客户号ABC"));
}

TEST(GbkText, AtoLReadsAsCDoes) {
  EXPECT_EQ(AtoL("        12"), 12);
  EXPECT_EQ(AtoL(" \t\n-34xyz"), -34);
  EXPECT_EQ(AtoL("+7"), 7);
  EXPECT_EQ(AtoL(""), 0);
  EXPECT_EQ(AtoL("abc"), 0);
  EXPECT_EQ(AtoL("- 5"), 0);
  EXPECT_EQ(AtoL("99999999999999999999999"), LONG_MAX);
  EXPECT_EQ(AtoL("-99999999999999999999999"), LONG_MIN);
  EXPECT_EQ(AtoL("-9223372036854775808"), LONG_MIN);
}

}  // namespace
}  // namespace ff::gbk
