#include "host/tsql_dialect.h"

namespace ff::tsql {
namespace {

bool IsWordByte(unsigned char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_' ||
         c == '$' || c == '@' || c == '#' || c >= 0x80;
}

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f' || c == '\v'; }

bool EqualsNoCase(std::string_view word, std::string_view upper) {
  if (word.size() != upper.size()) return false;
  for (size_t i = 0; i < word.size(); ++i) {
    char c = word[i];
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    if (c != upper[i]) return false;
  }
  return true;
}

// Position just past a quoted part that opens at `pos` with `open` and
// closes with `close`; a doubled closing character stays inside.
size_t SkipQuoted(std::string_view sql, size_t pos, char close) {
  size_t i = pos + 1;
  while (i < sql.size()) {
    if (sql[i] == close) {
      if (i + 1 < sql.size() && sql[i + 1] == close) {
        i += 2;
        continue;
      }
      return i + 1;
    }
    ++i;
  }
  return sql.size();
}

}  // namespace

bool AdaptForSqliteInPlace(std::string& sql) {
  // Most queries have no ISNULL at all.
  bool any = false;
  for (size_t i = 0; i + 6 <= sql.size() && !any; ++i)
    any = (sql[i] == 'I' || sql[i] == 'i') && EqualsNoCase(std::string_view(sql).substr(i, 6), "ISNULL");
  if (!any) return false;

  bool changed = false;
  const std::string_view text(sql);
  size_t i = 0;
  while (i < text.size()) {
    char c = text[i];
    if (c == '\'' || c == '"' || c == '`') {
      i = SkipQuoted(text, i, c);
    } else if (c == '[') {
      i = SkipQuoted(text, i, ']');
    } else if (c == '-' && i + 1 < text.size() && text[i + 1] == '-') {
      size_t eol = text.find('\n', i);
      i = eol == std::string_view::npos ? text.size() : eol + 1;
    } else if (c == '/' && i + 1 < text.size() && text[i + 1] == '*') {
      size_t end = text.find("*/", i + 2);
      i = end == std::string_view::npos ? text.size() : end + 2;
    } else if (IsWordByte(static_cast<unsigned char>(c))) {
      size_t start = i;
      while (i < text.size() && IsWordByte(static_cast<unsigned char>(text[i]))) ++i;
      if (EqualsNoCase(text.substr(start, i - start), "ISNULL")) {
        size_t j = i;
        while (j < text.size() && IsBlank(text[j])) ++j;
        if (j < text.size() && text[j] == '(') {
          sql[start + 1] = 'F';  // ISNULL -> IFNULL, same length
          sql[start] = 'I';
          for (size_t k = start + 2; k < i; ++k)
            if (sql[k] >= 'a' && sql[k] <= 'z') sql[k] = static_cast<char>(sql[k] - 'a' + 'A');
          changed = true;
        }
      }
    } else {
      ++i;
    }
  }
  return changed;
}

std::string AdaptForSqlite(std::string_view sql) {
  std::string out(sql);
  AdaptForSqliteInPlace(out);
  return out;
}

}  // namespace ff::tsql
