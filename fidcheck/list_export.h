// The rows of a result list as text for other programs: tab-separated for
// the clipboard (spreadsheets paste it into cells), and CSV files that
// spreadsheet programs open with the Chinese intact.
#pragma once

#include <string>
#include <vector>

namespace ff {

// The captions first, then one entry per row; cells are GBK.
using TextTable = std::vector<std::vector<std::string>>;

// Cells separated by tabs, rows ended by LF (GBK). A tab or line break
// inside a cell becomes a blank: it would split the cell when pasted.
std::string TableAsTabText(const TextTable& table);

// RFC 4180 CSV in UTF-8 with a byte order mark (without it spreadsheet
// programs read the bytes in the locale's code page): rows end with CR LF;
// a cell holding a comma, a quote, a line break or blanks at either end is
// quoted, its quotes doubled.
std::string TableAsCsv(const TextTable& table);

// Writes TableAsCsv to `path` (the system's bytes) as one: a failed write
// leaves no half-written file and the old one as it was. Throws
// CFileException.
void WriteCsvFile(const std::string& path, const TextTable& table);

}  // namespace ff
