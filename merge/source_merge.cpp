#include "merge/source_merge.h"

#include <sstream>

namespace ff::merge {
namespace {

void AppendNames(std::ostringstream& out, const std::vector<std::string>& names) {
  if (names.empty()) return;
  out << " (";
  for (size_t i = 0; i < names.size(); ++i) out << (i ? ", " : "") << names[i];
  out << ")";
}

}  // namespace

std::string DescribeReport(const MergeReport& report) {
  std::ostringstream out;
  out << "regions kept " << report.regionsKept << ", functions added " << report.functionsAdded;
  AppendNames(out, report.added);
  out << ", functions retired " << report.functionsRetired;
  AppendNames(out, report.retired);
  if (report.outsideTextsKept > 0) out << ", texts outside functions kept " << report.outsideTextsKept;
  return out.str();
}

}  // namespace ff::merge
