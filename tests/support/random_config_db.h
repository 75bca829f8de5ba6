// Random configuration databases for comparing two ways of reading the
// same data: functions and parameters drawn from a seed, rich in the cases
// that make a query's result depend on the server (codes that differ only
// in case or trailing blanks, repeated codes, parameters that tie on every
// sort key, missing and repeated function numbers, Chinese and full-width
// codes, NULLs).
#pragma once

#include <string>

namespace ff::test {

// The rows (UTF-8 SQL after the schema): FOS modules 1 to 3 (T158) and BLS
// modules 1 to 3 (T164), their functions and parameters. The same seed
// gives the same rows. `awkward` is the share (0 to 1) of codes and numbers
// drawn from the troublesome cases instead of plain unique ones.
std::string RandomConfigSql(unsigned seed, double awkward = 0.3);

}  // namespace ff::test
