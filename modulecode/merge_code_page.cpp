// The module code page with "保留手写代码" ticked: Process.cpp is merged
// with the file already there instead of overwritten.
#include <string>
#include <vector>

#include "codetext/text_fill.h"
#include "host/gbk_text.h"
#include "host/user_interface.h"
#include "merge/source_merge.h"
#include "modulecode/code_page.h"
#include "res/merge_texts.h"

namespace texts = ff::res::merge;

namespace {

std::string Joined(const std::vector<std::string>& names) {
  std::string text;
  for (const std::string& name : names) {
    if (!text.empty()) text += texts::NameSeparator();
    text += name;
  }
  return text;
}

std::string ReportLines(const std::string& file, const ff::merge::MergedSource& merged) {
  // The file as the system spells it, whatever its folder's letters.
  const std::string path = ff::gbk::PathInText(file);
  if (!merged.hadOldFile) return ff::FillTemplate(texts::PageNoEarlierFileLine(), {{"File", path}});
  const ff::merge::MergeReport& report = merged.report;
  const std::string kept = std::to_string(report.regionsKept);
  const std::string added = std::to_string(report.functionsAdded);
  const std::string retired = std::to_string(report.functionsRetired);
  std::string lines = ff::FillTemplate(texts::PageMergedLine(),
                                       {{"File", path}, {"Kept", kept}, {"Added", added}, {"Retired", retired}});
  if (!report.retired.empty()) {
    lines += ff::FillTemplate(texts::PageRetiredNamesLine(), {{"Names", Joined(report.retired)}});
  }
  return lines;
}

// A refusal in the program's own words, the file as the system spells it;
// a refusal of a kind not known here as the merge said it.
std::string RefusalInOwnWords(const std::string& refusal, const std::string& file) {
  ff::FilledValues values;
  for (const texts::RefusalWords& words : texts::PageRefusals()) {
    if (!ff::MatchFilledTemplate(words.english, refusal, values)) continue;
    bool known = true;
    for (auto& [name, value] : values) {
      if (name == "File") value = ff::gbk::PathInText(file);
      if (name == "Line") known &= !value.empty() && value.find_first_not_of("0123456789") == std::string::npos;
      if (name != "Damage") continue;
      ff::FilledValues damage;
      for (const texts::RefusalWords& d : texts::PageDamages())
        if (ff::MatchFilledTemplate(d.english, value, damage)) {
          value = ff::FillTemplateWith(d.chinese, damage);
          break;
        }
    }
    if (known) return ff::FillTemplateWith(words.chinese, values);
  }
  return refusal;
}

}  // namespace

bool CPageCode::WriteMergedModule(CCodeMaker::ModuleTexts& made, std::vector<FileResult>& files,
                                  std::string& report) {
  // The merge is made in memory first: a refused one touches no file.
  ff::merge::MergedSource merged;
  try {
    merged = ff::merge::MergeIntoModuleSourceFile(m_strCppFile, std::move(made.source));
  } catch (const ff::merge::MergeRefused& refusal) {
    ff::UI().ShowError(
        ff::FillTemplate(texts::PageMergeRefused(), {{"Reason", RefusalInOwnWords(refusal.what(), m_strCppFile)}}));
    return false;
  }
  files.push_back({m_strHeadFile, m_CodeMaker.WriteTextFile(m_strHeadFile, m_bOverWrite, made.header)});
  const bool written = m_CodeMaker.WriteTextFile(m_strCppFile, m_bOverWrite, merged.text);
  files.push_back({m_strCppFile, written});
  if (written) report = ReportLines(m_strCppFile, merged);
  return true;
}
