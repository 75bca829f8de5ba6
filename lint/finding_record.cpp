#include "lint/finding_record.h"

#include <algorithm>

#include "codetext/text_fill.h"
#include "host/gbk_text.h"
#include "host/record.h"
#include "res/lint_texts.h"

namespace ff::lint {

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
    record.AppendRow({res::lint::SeverityShown(finding.severity == Severity::Error), finding.rule, WhereText(finding.where), finding.shownMessage});
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
