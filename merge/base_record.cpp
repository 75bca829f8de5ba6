#include "merge/base_record.h"

#include <charconv>

namespace ff::merge {
namespace {

constexpr std::string_view kTitle =
    "// FidForge: Process.h and Process.cpp as last generated, the base of the next merge. "
    "Keep it with them; do not edit.";

void AppendFile(std::string& out, const std::string& name, std::string_view text) {
  std::vector<std::string_view> lines;
  size_t pos = 0;
  while (pos < text.size()) {
    size_t lf = text.find('\n', pos);
    size_t end = lf == std::string_view::npos ? text.size() : lf;
    std::string_view line = text.substr(pos, end - pos);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    lines.push_back(line);
    pos = lf == std::string_view::npos ? text.size() : lf + 1;
  }
  out += "file " + name + " " + std::to_string(lines.size()) + "\r\n";
  for (std::string_view line : lines) {
    out += '|';
    out.append(line);
    out += "\r\n";
  }
}

bool Number(std::string_view text, long& value) {
  auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  return error == std::errc() && end == text.data() + text.size();
}

}  // namespace

std::string MakeRecordText(const std::string& kind, long module, const std::string& headerName, std::string_view header,
                           const std::string& sourceName, std::string_view source) {
  std::string out;
  out.reserve(header.size() + source.size() + 4096);
  out.append(kTitle);
  out += "\r\nkind " + kind + "\r\nmodule " + std::to_string(module) + "\r\n";
  AppendFile(out, headerName, header);
  AppendFile(out, sourceName, source);
  out += "end\r\n";
  return out;
}

bool ParseRecord(std::string_view text, BaseRecord& record, std::string& why) {
  std::vector<std::string_view> lines;
  size_t pos = 0;
  while (pos < text.size()) {
    size_t lf = text.find('\n', pos);
    if (lf == std::string_view::npos) {
      why = "line " + std::to_string(lines.size() + 1) + " has no line end (the record is cut off)";
      return false;
    }
    std::string_view line = text.substr(pos, lf - pos);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    lines.push_back(line);
    pos = lf + 1;
  }
  size_t at = 0;
  auto fail = [&](const std::string& what) {
    why = "line " + std::to_string(at + 1) + ": " + what;
    return false;
  };
  auto field = [&](std::string_view name, std::string_view& value) {
    if (at >= lines.size() || lines[at].substr(0, name.size() + 1) != std::string(name) + " ") return false;
    value = lines[at].substr(name.size() + 1);
    ++at;
    return true;
  };
  if (lines.empty() || lines[0].substr(0, 10) != "// FidForg") return fail("not a FidForge generation record");
  at = 1;
  std::string_view value;
  if (!field("kind", value) || (value != "FOS" && value != "BLS")) return fail("\"kind FOS\" or \"kind BLS\" expected");
  record.kind = std::string(value);
  if (!field("module", value) || !Number(value, record.module)) return fail("\"module N\" expected");
  for (int file = 0; file < 2; ++file) {
    if (!field("file", value)) return fail("\"file NAME COUNT\" expected");
    const size_t space = value.rfind(' ');
    long count = 0;
    if (space == std::string_view::npos || space == 0 || !Number(value.substr(space + 1), count) || count < 0) {
      return fail("\"file NAME COUNT\" expected");
    }
    (file == 0 ? record.headerName : record.sourceName) = std::string(value.substr(0, space));
    std::vector<std::string>& into = file == 0 ? record.header : record.source;
    into.clear();
    for (long i = 0; i < count; ++i, ++at) {
      if (at >= lines.size() || lines[at].empty() || lines[at][0] != '|')
        return fail("a line starting with \"|\" expected");
      into.emplace_back(lines[at].substr(1));
    }
  }
  if (at >= lines.size() || lines[at] != "end" || at + 1 != lines.size())
    return fail("\"end\" expected as the last line");
  return true;
}

}  // namespace ff::merge
