// The rows of the configuration database as the lint rules see them: the
// codes, numbers and names exactly as the generators write them.
#pragma once

#include <string>
#include <vector>

#include "lint/finding.h"
#include "res/kind.h"

namespace ff::lint {

struct FidRow {
  Where where;          // T151, number, code
  std::string number;   // STR(F1), trimmed: the value of its macro
  std::string code;     // trimmed: the macro name
  std::string name;     // trimmed
  int dataType = 0;     // F4 as the naming rules read it
  std::string cType;    // "string", "long" or "double"
};

struct FunctionRow {
  Kind kind = Kind::Fos;
  Where where;          // T154 or T161, ID, code
  std::string number;   // trimmed: the value of its macro
  std::string code;     // trimmed, as the queries take it
  std::string macro;    // the code with dots turned into underscores
  std::string module;   // STR of the module column, trimmed
};

struct ModuleRow {
  Kind kind = Kind::Fos;
  Where where;          // T158 or T164, ID, name
  std::string id;       // STR(ID), trimmed: the folder of `module --all`
  std::string name;     // trimmed
};

// One macro of sysdef.h: an error code or the name of its message.
struct ErrorMacro {
  Where where;          // T470, ID, code
  std::string name;     // the macro name
  std::string value;    // the macro's value as written (quoted or bare)
  bool bare = false;    // an error code of data type 6: its value is written without quotes
};

struct ConfigRows {
  std::vector<FidRow> fids;
  std::vector<FunctionRow> functions;  // FOS, then BLS
  std::vector<ModuleRow> modules;      // FOS, then BLS
  std::vector<ErrorMacro> errorMacros;
};

}  // namespace ff::lint
