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

// The module code page's summary lines. %File%: the source path; %Kept%,
// %Added%, %Retired%: counts; %Names%: function names joined by "、".
const std::string& PageMergedLine();
const std::string& PageRetiredNamesLine();
const std::string& PageNoEarlierFileLine();
// The message of a refused merge; %Reason%: the refusal naming file and line.
const std::string& PageMergeRefused();
const std::string& NameSeparator();  // "、"

}  // namespace ff::res::merge
