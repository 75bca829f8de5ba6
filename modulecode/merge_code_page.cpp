// The module code page with "保留手写代码" ticked: Process.cpp is merged
// with the file already there instead of overwritten.
#include <string>
#include <vector>

#include "codetext/text_fill.h"
#include "host/gbk_text.h"
#include "host/user_interface.h"
#include "merge/regeneration.h"
#include "modulecode/code_page.h"
#include "res/merge_texts.h"

namespace texts = ff::res::merge;

bool CPageCode::WriteMergedModule(long module, CCodeMaker::ModuleTexts& made, std::vector<FileResult>& files,
                                  std::string& report) {
  // Both files and the merge are made in memory first: a refused merge
  // touches no file. The same plan as the command line's, asked instead
  // of refused where --force-retire would be needed.
  ff::merge::ModuleFilesRequest request{.kind = PageKind(),
                                        .module = module,
                                        .headerPath = m_strHeadFile,
                                        .sourcePath = m_strCppFile,
                                        .freshHeader = std::move(made.header),
                                        .freshSource = std::move(made.source)};
  request.merge = true;
  ff::merge::ModuleFilesPlan plan = ff::merge::PlanModuleFiles(request);
  if (plan.verdict == ff::merge::ModuleFilesPlan::Verdict::AskFirst) {
    if (!ff::UI().AskYesNo(ff::FillTemplate(texts::PageAskRetire(), {{"Reason", plan.pageReason}}))) return false;
    request.forceRetire = true;
    plan = ff::merge::PlanModuleFiles(request);
  }
  if (plan.verdict != ff::merge::ModuleFilesPlan::Verdict::Write) {
    ff::UI().ShowError(ff::FillTemplate(texts::PageMergeRefused(), {{"Reason", plan.pageReason}}));
    return false;
  }
  const bool headerWritten = m_CodeMaker.WriteTextFile(m_strHeadFile, m_bOverWrite, plan.header);
  files.push_back({m_strHeadFile, headerWritten});
  const bool sourceWritten = m_CodeMaker.WriteTextFile(m_strCppFile, m_bOverWrite, plan.source);
  files.push_back({m_strCppFile, sourceWritten});
  ff::merge::WriteRecord(m_CodeMaker.Writer(), m_strCppFile,
                         ff::merge::RecordAfterWriting(request, plan, headerWritten, sourceWritten));
  if (sourceWritten) {
    for (const std::string& line : plan.pageReport) report += line;
  }
  return true;
}

// The record of a plain generation, so that the next merge is three-way.
void CPageCode::WriteModuleRecord(long module, const CCodeMaker::ModuleTexts& made, bool headerWritten,
                                  bool sourceWritten) {
  if (!headerWritten && !sourceWritten) return;
  const ff::merge::ModuleFilesRequest request{.kind = PageKind(),
                                              .module = module,
                                              .headerPath = m_strHeadFile,
                                              .sourcePath = m_strCppFile,
                                              .freshHeader = made.header,
                                              .freshSource = made.source};
  const ff::merge::ModuleFilesPlan plan = ff::merge::PlanModuleFiles(request);
  ff::merge::WriteRecord(m_CodeMaker.Writer(), m_strCppFile,
                         ff::merge::RecordAfterWriting(request, plan, headerWritten, sourceWritten));
}
