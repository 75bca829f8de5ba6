#include "lint/finding.h"

#include <utility>

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

// Control characters would split the line or the column they stand in.
std::string OneLine(std::string text) {
  for (char& c : text) {
    if (c == '\t' || c == '\r' || c == '\n') c = ' ';
  }
  return text;
}

}  // namespace

std::string FindingLine(const Finding& finding) {
  std::string line = SeverityName(finding.severity);
  line += '\t';
  line += OneLine(finding.rule);
  line += '\t';
  line += OneLine(WhereText(finding.where));
  line += '\t';
  line += OneLine(finding.message);
  return line;
}

void FindingSink::Add(Severity severity, std::string_view rule, Where where, std::string message) {
  findings_.push_back(Finding{severity, std::string(rule), std::move(where), std::move(message)});
}

}  // namespace ff::lint
