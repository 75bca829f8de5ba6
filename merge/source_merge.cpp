#include "merge/source_merge.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <iterator>
#include <sstream>
#include <sys/stat.h>

#include "codetext/code_maker.h"
#include "codetext/gen_file.h"
#include "host/gbk_text.h"
#include "host/query_error.h"

namespace ff::merge {
namespace {

// Reads the whole file; false when there is none. Throws MergeRefused when
// it exists but cannot be read.
bool ReadOld(const std::string& path, std::string& bytes) {
  const std::string& native = path;  // the system's bytes
  struct stat st {};
  if (::stat(native.c_str(), &st) != 0) {
    if (errno == ENOENT) return false;
    throw MergeRefused(gbk::FromUtf8(path) + ": " + gbk::FromUtf8(std::strerror(errno)));
  }
  if (!S_ISREG(st.st_mode)) throw MergeRefused(gbk::FromUtf8(path) + ": not a regular file");
  std::ifstream in(native, std::ios::binary);
  if (!in) throw MergeRefused(gbk::FromUtf8(path) + ": " + gbk::FromUtf8(std::strerror(errno)));
  bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  if (in.bad()) throw MergeRefused(gbk::FromUtf8(path) + ": cannot be read");
  return true;
}

// UTF-8 text that survives the way to GBK and back unchanged.
bool IsUtf8InGbk(const std::string& bytes) { return gbk::ToUtf8(gbk::FromUtf8(bytes)) == bytes; }

// The old file as GBK text, or a refusal when it is not in `utf8`'s encoding.
std::string AsGbk(const std::string& path, const std::string& bytes, bool utf8) {
  if (utf8) {
    if (!IsUtf8InGbk(bytes)) {
      throw MergeRefused(gbk::FromUtf8(path) + ": not UTF-8 text that GBK can hold (written with --encoding gbk?); not merged");
    }
    return gbk::FromUtf8(bytes);
  }
  if (!gbk::IsAscii(bytes) && IsUtf8InGbk(bytes)) {
    throw MergeRefused(gbk::FromUtf8(path) + ": UTF-8 text (written with --encoding utf-8?); not merged as GBK");
  }
  return bytes;
}

void AppendNames(std::ostringstream& out, const std::vector<std::string>& names) {
  if (names.empty()) return;
  out << " (";
  for (size_t i = 0; i < names.size(); ++i) out << (i ? ", " : "") << names[i];
  out << ")";
}

}  // namespace

MergedSource MergeModuleSourceFile(CCodeMaker& maker, bool bls, const std::string& path, long moduleId) {
  std::string fresh;
  try {
    fresh = bls ? maker.MakeBlsModuleSourceText(path, moduleId) : maker.MakeFosModuleSourceText(path, moduleId);
  } catch (const QueryError& error) {
    throw error.Within("cannot generate " + path);
  }
  return MergeIntoModuleSourceFile(path, std::move(fresh));
}

MergedSource MergeIntoModuleSourceFile(const std::string& path, std::string fresh) {
  MergedSource result;
  std::string bytes;
  result.hadOldFile = ReadOld(path, bytes);
  const std::string old = result.hadOldFile ? AsGbk(path, bytes, Output().utf8) : std::string();
  if (!result.hadOldFile) {
    result.text = std::move(fresh);
    return result;
  }
  try {
    result.text = MergeModuleSource(old, fresh, result.report);
  } catch (const DamagedFile& damage) {
    throw MergeRefused(gbk::FromUtf8(path) + ":" + std::to_string(damage.Line()) + ": " + damage.what() +
                       "; not merged, the file is left as it was");
  } catch (const std::runtime_error& error) {
    throw MergeRefused(gbk::FromUtf8(path) + ": " + error.what() + "; not merged, the file is left as it was");
  }
  return result;
}

std::string DescribeReport(const MergeReport& report) {
  std::ostringstream out;
  out << "regions kept " << report.regionsKept << ", functions added " << report.functionsAdded;
  AppendNames(out, report.added);
  out << ", functions retired " << report.functionsRetired;
  AppendNames(out, report.retired);
  if (report.outsideTextsKept > 0) out << ", texts outside functions kept " << report.outsideTextsKept;
  return out.str();
}

}  // namespace ff::merge
