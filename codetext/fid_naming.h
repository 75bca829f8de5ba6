// How a parameter row maps to a variable of the generated code.
#pragma once

#include <string>

namespace ff {

// What GetFidVarInfo reads from one parameter row.
struct FidVarInfo {
  std::string code;       // FID编码, trimmed
  std::string name;       // 参数名称, trimmed
  std::string variable;   // e.g. sFidAnsKHH
  std::string cType;      // "string", "long" or "double"
  std::string getter;     // "Item", "Long" or "Double"
  std::string initValue;  // "\"\"", "0L" or "0.0F"
  std::string typeTag;    // C20, I10, R16.2 ...
  int dataType = 0;       // 参数数据类型 exactly as read
};

}  // namespace ff
