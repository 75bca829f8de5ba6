// The JSON Lines writer: every text becomes one valid JSON string on one line.
#include "cli/json_lines.h"

#include <gtest/gtest.h>

namespace {

using ff::cli::JsonLine;
using ff::cli::JsonQuote;

const std::string kFffd = "\xEF\xBF\xBD";

TEST(JsonQuote, EscapesWhatJsonNeedsAndReplacesEachInvalidByte) {
  const std::pair<std::string, std::string> cases[] = {
      {"", "\"\""},
      {"a\"b\\c/d", "\"a\\\"b\\\\c/d\""},
      {"\b\f\n\r\t", "\"\\b\\f\\n\\r\\t\""},
      {std::string("\0\x01\x0b\x1f\x7f", 5), "\"\\u0000\\u0001\\u000b\\u001f\\u007f\""},
      {"客户管理 é€𝄞", "\"客户管理 é€𝄞\""},
      {"A\xFF" "B", "\"A" + kFffd + "B\""},
      // Overlong '/', a surrogate, beyond U+10FFFF, cut short at the end, a
      // lone continuation byte: one replacement per byte.
      {"\xC0\xAF", "\"" + kFffd + kFffd + "\""},
      {"\xED\xA0\x80", "\"" + kFffd + kFffd + kFffd + "\""},
      {"\xF4\x90\x80\x80", "\"" + kFffd + kFffd + kFffd + kFffd + "\""},
      {"\xF5\x80\x80\x80", "\"" + kFffd + kFffd + kFffd + kFffd + "\""},
      {"x\xE5\xAE", "\"x" + kFffd + kFffd + "\""},
      {"\x80" "a", "\"" + kFffd + "a\""},
      // Line and paragraph separators would end a line for some readers.
      {"a\xE2\x80\xA8" "b\xE2\x80\xA9", "\"a\\u2028b\\u2029\""},
  };
  for (const auto& [text, quoted] : cases) EXPECT_EQ(JsonQuote(text), quoted) << text;
  // Nothing below 0x20 is ever written as it is.
  for (int c = 0; c < 0x20; ++c)
    for (char byte : JsonQuote(std::string(1, static_cast<char>(c)))) EXPECT_GE(static_cast<unsigned char>(byte), 0x20) << c;
}

TEST(JsonLine, NamedFieldsInOrderWithGbkTextAsUtf8) {
  JsonLine line;
  line.Text("name", "\xBF\xCD\xBB\xA7")  // 客户 in GBK
      .Utf8("path", "/tmp/a b")
      .Number("id", -12)
      .Number("big", 9223372036854775807LL)
      .Bool("yes", true)
      .Bool("no", false)
      .Null("none")
      .Text("odd", std::string("\x81\ttab", 5));
  EXPECT_EQ(line.Str(),
            "{\"name\":\"客户\",\"path\":\"/tmp/a b\",\"id\":-12,\"big\":9223372036854775807,"
            "\"yes\":true,\"no\":false,\"none\":null,\"odd\":\"\xEF\xBF\xBD\\ttab\"}");
  EXPECT_EQ(JsonLine().Str(), "{}");
}

}  // namespace
