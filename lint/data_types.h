// The C type the naming rules give a FID data type code, for comparing a
// parameter's type with its FID's.
#pragma once

#include <string>
#include <string_view>

class CMemRecord;

namespace ff::lint {

// The data type code of a row's column as the naming rules read it.
int DataTypeOf(const CMemRecord& row, std::string_view caption);
// "string", "long" or "double", as CCodeMaker::GetFidVarInfo maps the code.
const std::string& CTypeOf(int dataType);

}  // namespace ff::lint
