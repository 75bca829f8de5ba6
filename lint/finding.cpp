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

std::string FindingLine(const Finding& finding) {
  std::string line = SeverityName(finding.severity);
  for (const std::string* field :
       {&finding.rule, &finding.where.table, &finding.where.id, &finding.where.code, &finding.message}) {
    line += '\t';
    line += gbk::EscapedField(*field);
  }
  return line;
}

void FindingSink::Add(Severity severity, std::string_view rule, Where where, std::string message,
                      std::string shownMessage) {
  findings_.push_back(
      Finding{severity, std::string(rule), std::move(where), std::move(message), std::move(shownMessage)});
}

}  // namespace ff::lint
