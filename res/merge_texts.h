// The texts the merge regeneration adds to a module source. GBK, CR LF.
#pragma once

#include <string>

namespace ff::res::merge {

// A function that left the configuration database, kept disabled at the
// end of the file. %Name%: the function name; %Text%: its old text, from
// its comment box to its closing brace line.
const std::string& RetiredFunctionBlock();
// Hand-written text whose neighbouring functions are both gone, kept at
// the end of the file. %Text%: the text as it stood.
const std::string& MovedTextBlock();

}  // namespace ff::res::merge
