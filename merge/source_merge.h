// The report line of a merge by the rules for files without a record.
#pragma once

#include <string>

#include "merge/module_merge.h"

namespace ff::merge {

// One line for people: "regions kept 2, functions added 1 (Fun_New),
// functions retired 1 (Fun_Old)". GBK.
std::string DescribeReport(const MergeReport& report);

}  // namespace ff::merge
