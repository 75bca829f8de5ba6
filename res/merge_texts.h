// The texts the merge regeneration adds to a module source. GBK, CR LF.
#pragma once

#include <string>
#include <vector>

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
// The three-way merge: %Refreshed%, %Edited%, %Added%, %Retired%,
// %Restored%, %Conflicts%: counts.
const std::string& PageThreeWayLine();
const std::string& PageRestoredNamesLine();  // %Names%
const std::string& PageHeaderLine();         // %File%, %Kept%: hand-written lines of Process.h kept
const std::string& PageConflictsMarkedLine();  // %Count%
// A file without a record of the last generation, merged by the older rules.
const std::string& PageNoRecordLine();
// The question before most functions retire or another module's files
// are merged; %Reason%: why.
const std::string& PageAskRetire();
// The message of a refused merge; %Reason%: the refusal naming file and line.
const std::string& PageMergeRefused();
// The refusals in the desktop program's words: the merge's own text (the
// template it was filled from) and its Chinese twin. %Damage% of a refusal
// is matched against the damages in turn.
struct RefusalWords {
  std::string english, chinese;  // GBK
};
const std::vector<RefusalWords>& PageRefusals();
const std::vector<RefusalWords>& PageDamages();
const std::string& NameSeparator();  // "、"

}  // namespace ff::res::merge
