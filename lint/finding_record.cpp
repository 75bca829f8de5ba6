#include "lint/finding_record.h"

#include <algorithm>

#include "codetext/text_fill.h"
#include "host/gbk_text.h"
#include "host/record.h"
#include "res/lint_texts.h"

namespace ff::lint {

namespace {

// The message in the desktop program's words; as it is when it was made
// from no known template.
std::string InOwnWords(const std::string& english) {
  FilledValues values;
  for (const res::lint::ShownMessage& m : res::lint::ShownMessages()) {
    if (!MatchFilledTemplate(m.english(), english, values)) continue;
    for (auto& [name, value] : values)
      if (std::string word = res::lint::ShownWord(value); !word.empty()) value = std::move(word);
    return FillTemplateWith(m.chinese, values);
  }
  return english;
}

}  // namespace

void FillFindingRecord(const std::vector<Finding>& findings, CMemRecord& record) {
  // The captions of the display fields, so that the list finds its values.
  std::vector<std::string> captions;
  for (const RecordField& field : record.Fields()) captions.push_back(field.caption);
  if (captions.size() != 4) {
    record.Create(res::lint::FindingFields(), 0);
    captions.clear();
    for (const RecordField& field : record.Fields()) captions.push_back(field.caption);
  }
  record.SetColumns(std::move(captions));
  record.ReserveRows(findings.size());
  for (const Finding& finding : findings) {
    record.AppendRow({res::lint::SeverityShown(finding.severity == Severity::Error), finding.rule, WhereText(finding.where), InOwnWords(finding.message)});
  }
  record.GoTop();
}

std::string FindingCountMessage(const std::vector<Finding>& findings) {
  if (findings.empty()) return res::lint::PageNone();
  const auto errors = std::count_if(findings.begin(), findings.end(),
                                    [](const Finding& f) { return f.severity == Severity::Error; });
  return FillTemplate(res::lint::PageFound(),
                      {{"Count", std::to_string(findings.size())}, {"Errors", std::to_string(errors)}});
}

}  // namespace ff::lint
