// The modules of one kind with their ids exactly as stored. The module
// list the pages show reads the id through STR, whose ten characters
// turn an eleven-digit id into "**********"; a module is generated, and
// its folder named, by this exact id instead, so that no two modules
// ever share one.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "res/kind.h"

namespace ff::code {

struct ModuleRow {
  enum class Problem {
    None,
    NoId,        // NULL or empty
    NotANumber,  // a fraction, a text, or past what a module number holds
    Repeated,    // an id another module of the kind claims too
  };
  long id = 0;
  std::string idText;       // the id in decimal: its folder's name
  std::string stored;       // the id as the database gave it, trimmed
  std::string name;         // 模块名称, as delivered
  std::string chineseName;  // 模块中文名称, as delivered
  Problem problem = Problem::None;
  std::string sharedWith;   // Repeated: the other modules' names, trimmed, ", " between
};

// The id as a whole integer in decimal, or nullopt.
std::optional<long> ExactModuleId(const std::string& text);

// Every module of the kind, in the order of the module list. Every module
// of an id that more than one module claims is Repeated: no folder is
// named by an id that could belong to another module. Throws QueryError
// when the list cannot be read.
std::vector<ModuleRow> ReadModules(Kind kind);

}  // namespace ff::code
