#include "fidcheck/list_export.h"

#include "host/file_replace.h"
#include "host/gbk_text.h"

namespace ff {

namespace {

std::string CsvCell(const std::string& gbk) {
  const std::string utf8 = gbk::ToUtf8(gbk);
  const bool quote = utf8.find_first_of(",\"\r\n") != std::string::npos ||
                     (!utf8.empty() && (utf8.front() == ' ' || utf8.back() == ' ' || utf8.front() == '\t' ||
                                        utf8.back() == '\t'));
  if (!quote) return utf8;
  std::string cell = "\"";
  for (char c : utf8) {
    if (c == '"') cell += '"';
    cell += c;
  }
  cell += '"';
  return cell;
}

}  // namespace

std::string TableAsTabText(const TextTable& table) {
  std::string text;
  for (const auto& row : table) {
    for (size_t i = 0; i < row.size(); ++i) {
      if (i > 0) text += '\t';
      // Tabs and line ends are single bytes that never occur inside a GBK
      // character, so a plain byte scan is safe here.
      for (char c : row[i]) text += (c == '\t' || c == '\r' || c == '\n') ? ' ' : c;
    }
    text += '\n';
  }
  return text;
}

std::string TableAsCsv(const TextTable& table) {
  std::string csv = "\xEF\xBB\xBF";
  for (const auto& row : table) {
    for (size_t i = 0; i < row.size(); ++i) {
      if (i > 0) csv += ',';
      csv += CsvCell(row[i]);
    }
    csv += "\r\n";
  }
  return csv;
}

void WriteCsvFile(const std::string& path, const TextTable& table) {
  ReplaceFile(path, TableAsCsv(table));  // the text is UTF-8 already
}

}  // namespace ff
