// One finding of the configuration database lint: what is wrong, how bad,
// and which row it is about. Texts are GBK, as everywhere in the engine.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace ff::lint {

enum class Severity { Error, Warning };

// The row a finding is about: its table, its key and its code. The key is
// the row's own id or number as the database holds it; any part may be
// empty (a finding about a FID code used by several rows has no key).
struct Where {
  std::string table;
  std::string id;
  std::string code;
};

struct Finding {
  Severity severity = Severity::Error;
  std::string rule;  // a stable rule name, e.g. "macro-redefined"
  Where where;
  std::string message;       // English: the text report, the JSON lines, the site
  std::string shownMessage;  // Chinese: the desktop program's list
};

// "error" or "warning".
const char* SeverityName(Severity severity);
// The parts of a Where that are not empty, joined by blanks: "T154 12 KH_OPEN".
std::string WhereText(const Where& where);
// One line of the text report: severity, rule, table, id, code and message,
// separated by tabs (GBK, no line end); an empty field stays empty. Control
// bytes and backslashes are escaped (\n, \t, \0, \\, others as \xNN), so
// that a finding is one line of six fields however odd its row.
std::string FindingLine(const Finding& finding);

// Where the rules put their findings.
class FindingSink {
 public:
  void Add(Severity severity, std::string_view rule, Where where, std::string message, std::string shownMessage);
  const std::vector<Finding>& Findings() const { return findings_; }
  std::vector<Finding>& Findings() { return findings_; }

 private:
  std::vector<Finding> findings_;
};

}  // namespace ff::lint
