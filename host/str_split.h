// The host's string splitter.
#pragma once

#include <string>
#include <string_view>
#include <vector>

// Splits `text` at every occurrence of `separator` (an ASCII character;
// trail bytes of GBK characters are never taken for it) into `pieces`,
// in order. Empty pieces are kept: "A__B" gives "A", "", "B"; "" gives
// one empty piece. Returns the number of pieces.
int SplitStrByChar(std::string_view text, char separator, std::vector<std::string>& pieces);
