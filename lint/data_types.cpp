#include "lint/data_types.h"

#include <algorithm>
#include <climits>
#include <map>
#include <mutex>

#include "codetext/code_maker.h"
#include "host/gbk_text.h"
#include "host/record.h"
#include "res/param_captions.h"

namespace ff::lint {

int DataTypeOf(const CMemRecord& row, std::string_view caption) {
  return static_cast<int>(std::clamp<long>(gbk::AtoL(row.GetRef(caption)), INT_MIN, INT_MAX));
}

const std::string& CTypeOf(int dataType) {
  // Asks the naming rules once per code: a one-row parameter record that
  // holds only the data type.
  static std::mutex lock;
  static std::map<int, std::string> known;
  const std::lock_guard guard(lock);
  auto found = known.find(dataType);
  if (found == known.end()) {
    CMemRecord row;
    row.SetColumns({res::CaptionDataType()});
    row.AppendRow({std::to_string(dataType)});
    row.GoTop();
    found = known.emplace(dataType, CCodeMaker().GetFidVarInfo(row).cType).first;
  }
  return found->second;
}

}  // namespace ff::lint
