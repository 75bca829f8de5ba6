// The JSON Lines writer: every text becomes one valid JSON string on one line.
#include "cli/json_lines.h"

#include <gtest/gtest.h>

namespace {

using ff::cli::JsonLine;
using ff::cli::JsonQuote;

TEST(JsonQuote, EscapesQuotesBackslashesAndEveryControlCharacter) {
  EXPECT_EQ(JsonQuote(""), "\"\"");
  EXPECT_EQ(JsonQuote("a\"b\\c/d"), "\"a\\\"b\\\\c/d\"");
  EXPECT_EQ(JsonQuote("\b\f\n\r\t"), "\"\\b\\f\\n\\r\\t\"");
  EXPECT_EQ(JsonQuote(std::string("\0\x01\x1f\x7f", 4)), "\"\\u0000\\u0001\\u001f\\u007f\"");
  // Every other control character has the \u form; nothing below 0x20
  // or DEL is ever written as it is.
  for (int c = 0; c < 0x20; ++c) {
    const std::string quoted = JsonQuote(std::string(1, static_cast<char>(c)));
    for (char byte : quoted) EXPECT_GE(static_cast<unsigned char>(byte), 0x20) << "character " << c;
  }
  EXPECT_EQ(JsonQuote("\x0b"), "\"\\u000b\"");
  EXPECT_EQ(JsonQuote(" ~"), "\" ~\"");
}

TEST(JsonQuote, KeepsValidUtf8AndReplacesEachInvalidByte) {
  EXPECT_EQ(JsonQuote("客户管理 €𝄞"), "\"客户管理 €𝄞\"");
  const std::string fffd = "\xEF\xBF\xBD";
  EXPECT_EQ(JsonQuote("A\xFF" "B"), "\"A" + fffd + "B\"");
  // Overlong form of '/', a surrogate, beyond U+10FFFF, cut short at the
  // end, a lone continuation byte: one replacement per byte.
  EXPECT_EQ(JsonQuote("\xC0\xAF"), "\"" + fffd + fffd + "\"");
  EXPECT_EQ(JsonQuote("\xED\xA0\x80"), "\"" + fffd + fffd + fffd + "\"");
  EXPECT_EQ(JsonQuote("\xF4\x90\x80\x80"), "\"" + fffd + fffd + fffd + fffd + "\"");
  EXPECT_EQ(JsonQuote("x\xE5\xAE"), "\"x" + fffd + fffd + "\"");
  EXPECT_EQ(JsonQuote("\x80" "a"), "\"" + fffd + "a\"");
  // Line and paragraph separators would end a line for some readers.
  EXPECT_EQ(JsonQuote("a\xE2\x80\xA8" "b\xE2\x80\xA9"), "\"a\\u2028b\\u2029\"");
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
