#include "codetext/routine_comment.h"

#include <cstdio>
#include <cstdlib>
#include <ctime>

#include "codetext/text_fill.h"
#include "host/file_access.h"
#include "host/gbk_text.h"
#include "res/comment_texts.h"

namespace gbk = ff::gbk;
namespace res = ff::res;

namespace {

const char kCrLf[] = "\r\n";

// Line breaks of a design or note text become continuation lines of the
// comment box: "\r\n*    " before every line, the first one included.
std::string CommentForm(const std::string& text) {
  std::string s = gbk::Replaced(text, "\r\n", "\n");
  gbk::ReplaceAll(s, "\r", "\n");
  gbk::ReplaceAll(s, "\n", "\r\n*    ");
  if (!s.empty()) s.insert(0, "\r\n*    ");
  return s;
}

// Removes every `open` .. `close` span (close included when `keepClose` is
// false). A span without its end runs to the end of the text.
void RemoveSpans(std::string& text, std::string_view open, std::string_view close, bool keepClose) {
  for (;;) {
    size_t begin = gbk::Find(text, open);
    if (begin == std::string::npos) return;
    size_t end = gbk::Find(text, close, begin + open.size());
    if (end == std::string::npos) {
      text.erase(begin);
    } else {
      if (!keepClose) end += close.size();
      text.erase(begin, end - begin);
    }
  }
}

void CollapseBlanks(std::string& text) {
  std::string out;
  out.reserve(text.size());
  for (char c : text) {
    if (c == ' ' && !out.empty() && out.back() == ' ') continue;
    out += c;
  }
  text.swap(out);
}

// The first row of the change history, shared by both comments.
std::string HistoryRow(const ff::CommentDate& date, const std::string& author, const std::string& version) {
  return ff::FillTemplate(res::HistoryFirstRow(), {{"Year", date.year},
                                                   {"Month", date.month},
                                                   {"Day", date.day},
                                                   {"Author", author},
                                                   {"Version", version}});
}

std::string TwoDigits(int n) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "%02d", n);
  return buf;
}

}  // namespace

namespace ff {

CommentDate TodayForComments() {
  std::tm tm{};
  bool done = false;
  if (const char* epoch = std::getenv("SOURCE_DATE_EPOCH"); epoch && *epoch) {
    // Reproducible builds: the date is that of the given moment, in UTC.
    char* end = nullptr;
    long long seconds = std::strtoll(epoch, &end, 10);
    if (end && *end == '\0' && seconds >= 0) {
      std::time_t t = static_cast<std::time_t>(seconds);
      done = gmtime_r(&t, &tm) != nullptr;
    }
  }
  if (!done) {
    std::time_t now = std::time(nullptr);
    localtime_r(&now, &tm);
  }
  char year[16];
  std::snprintf(year, sizeof year, "%04d", tm.tm_year + 1900);
  return CommentDate{year, TwoDigits(tm.tm_mon + 1), TwoDigits(tm.tm_mday)};
}

}  // namespace ff

CRoutineComment::CRoutineComment() = default;
CRoutineComment::~CRoutineComment() = default;

void CRoutineComment::SetFileName(const std::string& path) {
  // The path is the system's (UTF-8); the comment shows its name in GBK.
  size_t slash = ff::LastSeparator(path);
  fileName_ = gbk::FromUtf8(slash == std::string::npos ? path : path.substr(slash + 1));
  version_ = GetFileVersion(path);
  if (version_.empty()) version_ = res::DefaultVersion();
}

void CRoutineComment::SetDesign(const std::string& text) { design_ = CommentForm(text); }
void CRoutineComment::SetNote(const std::string& text) { note_ = CommentForm(text); }

std::string CRoutineComment::GetAuthor() {
  if (author_.empty()) author_ = gbk::FromUtf8(ff::ProgramName());
  return author_;
}

std::string CRoutineComment::GetFileVersion(const std::string& /*path*/) {
  // Generated files carry no version resource.
  return {};
}

std::string CRoutineComment::MakeCopyRightLine() const {
  const std::string text =
      ff::FillTemplate(res::CopyRightTemplate(), {{"CopyRight", copyRight_.empty() ? res::CopyRightText() : copyRight_},
                                                  {"Company", company_.empty() ? res::CopyRightCompany() : company_}});
  // Right-aligned so that "*" + the line is as wide as the top border; a
  // longer line (the user's own texts) is kept whole rather than cut.
  const size_t keep = res::CommentTopBorder().size() - 1;
  return text.size() >= keep ? text : std::string(keep - text.size(), ' ') + text;
}

std::string CRoutineComment::MakeFileComment() {
  const ff::CommentDate date = ff::TodayForComments();
  const std::string author = GetAuthor();
  const std::string& star = res::CommentPrefix();
  const std::string blank = star + kCrLf;

  const std::string dateLine =
      star + ff::FillTemplate(res::CreateDateLine(), {{"Year", date.year}, {"Month", date.month}, {"Day", date.day}});

  std::string out;
  out += res::CommentTopBorder() + kCrLf;
  out += star + MakeCopyRightLine() + kCrLf;
  out += blank;
  out += star + ff::FillTemplate(res::FileNameLine(), {{"CurFileName", fileName_}}) + kCrLf;
  out += star + ff::FillTemplate(res::ProjectLine(), {{"CurProjectName", projectName_}}) + kCrLf;
  out += star + ff::FillTemplate(res::AbstractLine(), {{"Abstract", abstract_}}) + kCrLf;
  out += blank;
  out += star + ff::FillTemplate(res::AuthorLine(), {{"Author", author}}) + kCrLf;
  out += dateLine + kCrLf;
  out += star + res::FileRemarkLine() + kCrLf;
  out += blank;
  out += star + res::HistoryCaption() + kCrLf;
  out += blank;
  out += star + res::HistoryHeader() + kCrLf;
  out += star + HistoryRow(date, author, version_) + kCrLf;
  out += star + res::HistoryCreated() + kCrLf;
  out += blank;
  out += res::CommentBottomBorder() + kCrLf;
  out += kCrLf;
  return out;
}

std::string CRoutineComment::MakeFunctionComment() {
  // 1. The prototype loses its comments and line breaks; the stored value
  //    keeps the result.
  RemoveSpans(prototype_, "//", "\n", true);
  RemoveSpans(prototype_, "/*", "*/", false);
  gbk::ReplaceAll(prototype_, "\n", " ");

  // 2. The indent of the comment follows that of the prototype.
  int indent = 0;
  for (char c : prototype_) {
    if (c == ' ') {
      indent += 1;
    } else if (c == '\t') {
      indent += 4;
    } else {
      break;
    }
    if (indent >= 8) break;
  }
  indent_ = indent > 8 ? 8 : indent;

  // 3. One blank between words, none around "::".
  std::string text = gbk::Replaced(prototype_, "\t", " ");
  text = gbk::Trim(text);
  CollapseBlanks(text);
  gbk::ReplaceAll(text, " ::", "::");
  gbk::ReplaceAll(text, ":: ", "::");

  // 4. The head is what stands before the parameter list.
  size_t close = gbk::FindLast(text, ")");
  text = close == std::string::npos ? std::string() : gbk::TrimRight(text.substr(0, close));
  size_t open = gbk::FindLast(text, "(");
  std::string head = open == std::string::npos ? std::string() : text.substr(0, open);

  // 5. The word is the last blank-separated piece of the head.
  head = gbk::TrimRight(head);
  size_t blank = gbk::FindLast(head, " ");
  std::string word = gbk::TrimLeft(blank == std::string::npos ? head : head.substr(blank + 1));

  // 6. The name drops class qualifiers and pointer stars.
  std::string name = word;
  for (size_t q = gbk::Find(name, "::"); q != std::string::npos && q > 0; q = gbk::Find(name, "::")) {
    name.erase(0, q + 2);
  }
  size_t lead = 0;
  while (lead < name.size() && name[lead] == '*') {
    ++lead;
    while (lead < name.size() && name[lead] == ' ') ++lead;
  }
  name.erase(0, lead);

  // 7. Nothing to name: no comment.
  if (name.empty() && word.empty()) return {};

  // 8. The box, indented like the prototype.
  const ff::CommentDate date = ff::TodayForComments();
  const std::string author = GetAuthor();
  const std::string in(static_cast<size_t>(indent_), ' ');
  const std::string star = in + res::CommentPrefix();

  const std::string nameLine =
      ff::FillTemplate(res::FunctionNameLine(), {{"CurFunName", name + " " + functionTitle_}});
  // "%Design%" is the line's other name for the design text, should a
  // template hold it.
  const std::string designLine = ff::FillTemplate(res::FunctionDesignLine(), {{"Imp", design_}, {"Design", design_}});
  const std::string noteLine = ff::FillTemplate(res::FunctionNoteLine(), {{"Note", note_}});

  std::string out;
  out += in + res::CommentTopBorder() + kCrLf;
  out += star + nameLine + kCrLf;
  out += star + designLine + kCrLf;
  out += star + kCrLf;
  out += star + kCrLf;
  out += star + noteLine + kCrLf;
  out += star + kCrLf;
  out += star + res::HistoryCaption() + kCrLf;
  out += star + kCrLf;
  out += star + res::HistoryHeader() + kCrLf;
  out += star + HistoryRow(date, author, version_) + kCrLf;
  out += star + kCrLf;
  out += in + res::CommentBottomBorder() + kCrLf;
  return out;
}
