// The findings as the rows of a record, for a list control: severity, rule,
// where and message.
#pragma once

#include <string>
#include <vector>

#include "lint/finding.h"

class CMemRecord;

namespace ff::lint {

// Replaces the record's columns and rows with the findings; the columns
// carry the captions of res::lint::FindingFields().
void FillFindingRecord(const std::vector<Finding>& findings, CMemRecord& record);

// The page's message for a finished lint: none found, or the count.
std::string FindingCountMessage(const std::vector<Finding>& findings);

}  // namespace ff::lint
