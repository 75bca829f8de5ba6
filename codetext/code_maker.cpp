#include "codetext/code_maker.h"

#include <cerrno>
#include <cstdio>

#include "codetext/commit_behind.h"
#include "codetext/stale_check.h"
#include "host/file_access.h"
#include "host/file_error.h"
#include "host/gbk_text.h"
#include "host/query_error.h"
#include "host/user_interface.h"
#include "res/file_texts.h"

CCodeMaker::CCodeMaker() = default;
CCodeMaker::~CCodeMaker() = default;

std::string CCodeMaker::Spaces(int n) {
  // At most 1023 blanks: one very long database text must not blow every
  // other line of a file up to its width (a 10 KB code would make a
  // definition header of hundreds of megabytes).
  constexpr int kMaxSpaces = 1023;
  return n > 0 ? std::string(static_cast<size_t>(n > kMaxSpaces ? kMaxSpaces : n), ' ') : std::string();
}

bool CCodeMaker::CheckOverwrite(const std::string& path, bool noPrompt) {
  if (noPrompt) return true;
  if (!ff::IsReadableFile(path)) return true;
  // A file that may not be written is said before the question, not after
  // a Yes that could not be kept.
  if (const int refused = ff::WriteRefused(path)) throw CFileException(path, refused);
  const std::string shown = ff::gbk::PathInText(path);
  return ff::UI().AskOverwrite(shown, ff::res::OverwriteQuestion(shown));
}

void CCodeMaker::WriteGuardBegin(ff::GenFile& file, const std::string& macro) {
  file.Write(ff::res::GuardBegin(macro));
}

void CCodeMaker::WriteGuardDefine(ff::GenFile& file, const std::string& macro) {
  file.Write(ff::res::GuardDefine(macro));
}

void CCodeMaker::WriteGuardEnd(ff::GenFile& file, const std::string& macro) {
  file.Write(ff::res::GuardEnd(macro));
}

void CCodeMaker::WriteNewLine(ff::GenFile& file) { file.Write("\r\n"); }

void CCodeMaker::WriteLine(ff::GenFile& file, const std::string& text) {
  file.Write(text);
  file.Write("\r\n");
}

bool CCodeMaker::GenerateFile(const std::string& path, bool noPrompt,
                              const std::optional<std::string>& abstract,
                              const std::function<void(ff::GenFile&)>& body) {
  // The question normally comes first, before the database is read. When
  // asked to compare first, an unchanged result needs no question at all.
  try {
    if (!ff::Output().check && !askAfterCompare_ && !CheckOverwrite(path, noPrompt)) {
      lastOutcome_ = ff::FileOutcome::Declined;
      return false;
    }
    if (ff::Output().check) {
      // Nothing is asked and nothing is written: the bytes are only compared.
      lastOutcome_ = ff::CompareWithTarget(path, [&](ff::GenFile& file) {
        if (abstract) {
          comment_.SetFileName(path);
          comment_.SetAbstract(*abstract);
          file.Write(comment_.MakeFileComment());
        }
        body(file);
      });
      return true;
    }
    ff::GenFile file(path);
    if (abstract) {
      comment_.SetFileName(path);
      comment_.SetAbstract(*abstract);
      file.Write(comment_.MakeFileComment());
    }
    body(file);
    if (askAfterCompare_) {
      file.Finish();
      if (file.SameAsTarget()) {
        lastOutcome_ = ff::FileOutcome::Unchanged;
        return true;  // the temporary file goes with `file`
      }
      if (!CheckOverwrite(path, noPrompt)) {
        lastOutcome_ = ff::FileOutcome::Declined;
        return false;
      }
    }
    lastOutcome_ = file.Commit();
    return true;
  } catch (const CFileException& error) {
    // The files before this one are told first.
    if (ff::CommitBehind* behind = ff::CommitBehind::Active()) behind->Settle();
    error.ReportError();
    throw;
  } catch (const ff::QueryError& error) {
    // The temporary file went with `file`: the target keeps its bytes.
    throw error.Within("cannot generate " + path);
  }
}
