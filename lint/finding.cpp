#include "lint/finding.h"

#include <utility>

#include "host/gbk_text.h"

namespace ff::lint {

const char* SeverityName(Severity severity) { return severity == Severity::Error ? "error" : "warning"; }

std::string WhereText(const Where& where) {
  std::string text;
  for (const std::string* part : {&where.table, &where.id, &where.code}) {
    if (part->empty()) continue;
    if (!text.empty()) text += ' ';
    text += *part;
  }
  return text;
}

namespace {

// As git quotes odd bytes in paths. A backslash that is the trail byte of
// a GBK character is part of that character and stays as it is.
void AppendEscaped(std::string& line, std::string_view text) {
  static constexpr char kHex[] = "0123456789abcdef";
  for (size_t i = 0; i < text.size();) {
    const size_t length = gbk::CharLength(text, i);
    const unsigned char c = static_cast<unsigned char>(text[i]);
    if (length > 1 || (c >= 0x20 && c != 0x7F && c != '\\')) {
      line.append(text.substr(i, length));
    } else if (c == '\\') {
      line += "\\\\";
    } else if (c == '\n') {
      line += "\\n";
    } else if (c == '\t') {
      line += "\\t";
    } else if (c == 0) {
      line += "\\0";
    } else {
      line += "\\x";
      line += kHex[c >> 4];
      line += kHex[c & 15];
    }
    i += length;
  }
}

}  // namespace

std::string FindingLine(const Finding& finding) {
  std::string line = SeverityName(finding.severity);
  for (const std::string* field :
       {&finding.rule, &finding.where.table, &finding.where.id, &finding.where.code, &finding.message}) {
    line += '\t';
    AppendEscaped(line, *field);
  }
  return line;
}

void FindingSink::Add(Severity severity, std::string_view rule, Where where, std::string message,
                      std::string shownMessage) {
  findings_.push_back(
      Finding{severity, std::string(rule), std::move(where), std::move(message), std::move(shownMessage)});
}

}  // namespace ff::lint
