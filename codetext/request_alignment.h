// The column rules of a list of request variables, shared by the request
// lines of a server function and the definitions of a client snippet:
// "FidAns" becomes "Fid" in the variable name and, when the code style
// aligns, the variable and the FID code are padded so that the columns line
// up, "long" gets two blanks to the width of "string", and an empty line
// separates the type groups of a long list.
#pragma once

#include <string>
#include <vector>

#include "codetext/fid_naming.h"
#include "codetext/line_grouping.h"

class CCodeMaker;
class CMemRecord;

namespace ff::code {

class RequestAlignment {
 public:
  // Measures the widths of `record` when `maker` aligns (a pass over the
  // rows: position the record afterwards).
  RequestAlignment(const CCodeMaker& maker, CMemRecord& record);
  // The same from the rows' infos (CCodeMaker::GetFidVarInfos).
  RequestAlignment(const CCodeMaker& maker, const std::vector<FidVarInfo>& infos);

  // Applies the rules to the next row's variable info, in row order. True
  // when an empty line comes before the row.
  bool Apply(FidVarInfo& info);

  // The width of the FID code column (0 when not aligning).
  int CodeWidth() const { return codeWidth_; }

 private:
  bool align_;
  int codeWidth_ = 0;
  int varWidth_ = 0;
  LineGrouping grouping_;
};

}  // namespace ff::code
