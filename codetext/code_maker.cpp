#include "codetext/code_maker.h"

#include <cerrno>
#include <cstdio>

#include "host/query_error.h"
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

ff::GenFile CCodeMaker::MakeFile(const std::string& path, const std::optional<std::string>& abstract,
                                 const std::function<void(ff::GenFile&)>& body) {
  ff::GenFile file(path);
  try {
    if (abstract) {
      comment_.SetFileName(path);
      comment_.SetAbstract(*abstract);
      file.Write(comment_.MakeFileComment());
    }
    body(file);
  } catch (const ff::QueryError& error) {
    throw error.Within("cannot generate " + path);
  }
  return file;
}

bool CCodeMaker::WriteMade(const std::string& path, bool noPrompt, const std::function<ff::GenFile()>& make) {
  // The question comes first, before the database is read.
  if (!writer_.Options().askAfterCompare && !writer_.MayOverwrite(path, noPrompt)) {
    lastOutcome_ = ff::FileOutcome::Declined;
    return false;
  }
  lastOutcome_ = writer_.Write(make(), noPrompt);
  return lastOutcome_ != ff::FileOutcome::Declined;
}
