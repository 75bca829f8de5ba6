// JSON Lines: the machine-readable output of the command line. Every
// result row becomes one JSON object on one line, fields named, text in
// UTF-8, so that scripts need not split tab-separated text.
//
//   PrintJsonLine(JsonLine().Text("name", gbkName).Number("id", 12));
//   -> {"name":"客户管理","id":12}
//
// Texts are always valid UTF-8 JSON: quotes, backslashes and every control
// character are escaped (\" \\ \n \t ... \u001f, and \u007f), and a byte
// that is not valid text becomes U+FFFD, so one odd value in the database
// cannot break a line or a JSON parser.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include <CLI/CLI.hpp>

#include "cli/commands.h"

namespace ff::cli {

// Adds `--format text|json` (default text) to a command; `json` in *format
// then asks for JSON Lines.
CLI::Option* AddFormatOption(CLI::App* command, std::string& format);
inline bool IsJson(const std::string& format) { return format == "json"; }

// One JSON object, built field by field in the order given. Field names
// are the caller's ASCII literals and are escaped like any text.
class JsonLine {
 public:
  // Engine text (GBK), converted to UTF-8.
  JsonLine& Text(std::string_view name, std::string_view gbk);
  // Text that is UTF-8 already (file names, system messages).
  JsonLine& Utf8(std::string_view name, std::string_view utf8);
  JsonLine& Number(std::string_view name, std::int64_t value);
  JsonLine& Bool(std::string_view name, bool value);
  JsonLine& Null(std::string_view name);

  // The object, without the line break.
  std::string Str() const { return "{" + body_ + "}"; }

 private:
  void Name(std::string_view name);
  std::string body_;
};

// A JSON string literal, quotes included, for UTF-8 text. Bytes that are
// not well-formed UTF-8 become U+FFFD.
std::string JsonQuote(std::string_view utf8);

// Prints the object and a line break on standard output.
inline void PrintJsonLine(const JsonLine& line) { PrintUtf8Line(line.Str()); }

}  // namespace ff::cli
