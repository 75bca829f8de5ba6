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
// Why a merge is refused or asked first, in the module code page's words
// (the command line says it in English where the merge decides it). A
// refusal names its place: %File%, or %File% and %Line%, then %Why%.
const std::string& PageAtFile();  // %File% %Why%
const std::string& PageAtLine();  // %File% %Line% %Why%
namespace why {
const std::string& CannotRead();         // %Error%: the system's words
const std::string& Unreadable();
const std::string& NotRegularFile();
const std::string& Utf8ByteOrderMark();
const std::string& Utf16ByteOrderMark();  // %Encoding%
const std::string& NotUtf8();             // %Byte%
const std::string& NoGbkForm();           // %Char%
const std::string& Utf8WithoutGbkForm();  // %Char%
const std::string& Utf8NotGbk();
const std::string& NotGbk();              // %Byte%
const std::string& NoLastLineEnd();
const std::string& ConflictMarker();      // %Marker%
const std::string& RecordUnreadable();    // %Record%
const std::string& OtherModulesRecord();  // %Kind% %Module% %Record% %OwnKind% %OwnModule%
const std::string& OtherModulesComment(); // %Line%
const std::string& MostRetire();          // %Leaving% %Total%
const std::string& Conflict();            // %Function% %First% %Last%
const std::string& ConflictDeleted();     // %Function%
const std::string& NoIdentificationLine();  // %Name%
const std::string& BracesCloseEarly();    // %Name% %Close% %Record%
const std::string& BracesUnbalanced();    // %Name% %Record%
const std::string& ConditionalMoves();
const std::string& Other();               // %Reason%: a failure said in English only
}  // namespace why
// What makes a file unmergeable (DamagedFile), said after its place.
namespace damage {
const std::string& IfZeroWithoutEndif();
const std::string& DefinedTwice();        // %Name% %First%
const std::string& MarkersNest();         // %Word% %Open% %OpenLine%
const std::string& NoOpeningMarker();     // %Word%
const std::string& MarkerMismatch();      // %Word% %Open% %OpenLine%
const std::string& NoClosingBrace();      // %Name%
const std::string& RegionNotClosed();     // %Open% %Close% %Name%
const std::string& MarkerNotClosed();     // %Open% %Close%
const std::string& OutsideFunctions();    // %Word%
const std::string& RegionWithoutPlace();  // %Word% %Name% %Places%
const std::string& NewGeneration();       // %Damage%
const std::string& NotAsGenerated();      // %Whose% %Line% %Damage%
const std::string& TheRecord();
const std::string& TheNewGeneration();
}  // namespace damage
const std::string& NameSeparator();  // "、"

}  // namespace ff::res::merge
