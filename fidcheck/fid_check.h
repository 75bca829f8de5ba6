// The three FID definition checks: FIDs that BLS or FOS parameters use
// without a definition, and defined FIDs that no parameter uses. Shared by
// the check page and the command line.
#pragma once

#include <array>
#include <string>

class CMemRecord;

namespace ff {

enum class FidCheckKind { Bls, Fos, Unused };

// In the order the command line runs them.
inline constexpr std::array<FidCheckKind, 3> kFidChecks{FidCheckKind::Bls, FidCheckKind::Fos,
                                                       FidCheckKind::Unused};

// The check's query (GBK).
const std::string& FidCheckQuery(FidCheckKind kind);
// The column definition of the check's record, for CStdRecord::Create.
const std::string& FidCheckFields(FidCheckKind kind);
// The message for a result of `count` rows: the none message below one,
// else the found message with the count.
std::string FidCheckMessage(FidCheckKind kind, int count);

// Empties the record, runs the check's query on the shared connection and
// returns the number of rows. A failed query, like a missing connection,
// throws ff::QueryError: a check that could not run is never told as
// one that found nothing.
int RunFidCheck(FidCheckKind kind, CMemRecord& record);

}  // namespace ff
