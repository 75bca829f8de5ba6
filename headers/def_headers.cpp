// The five definition headers: fiddef.h, fosdef.h, blsdef.h, fixdef.h and
// sysdef.h. Each is written line by line as its rows are read, after a first
// pass over the rows that measures the column widths.
#include <algorithm>
#include <string>

#include "codetext/code_maker.h"
#include "codetext/text_fill.h"
#include "host/gbk_text.h"
#include "host/record.h"
#include "host/sim_db.h"
#include "login/config_db.h"
#include "res/header_texts.h"

namespace gbk = ff::gbk;
namespace res = ff::res;

namespace {

// Runs one query on the shared connection. The result is not checked: a
// failed query, like a missing connection, leaves the record empty.
void SelectAll(const std::string& query, CMemRecord& record) {
  if (g_pConfigDB == nullptr) return;
  g_pConfigDB->Cmd(query);
  g_pConfigDB->SelectInto(&record, true);
}

std::string Trimmed(const CMemRecord& record, const std::string& caption) {
  return gbk::Trim(record.GetRef(caption));
}

int Len(const std::string& text) { return static_cast<int>(text.size()); }

// The blank run that aligns a column. The columns hold database texts of
// any length, so the run is exact however long it gets.
std::string Pad(int n) { return n > 0 ? std::string(static_cast<size_t>(n), ' ') : std::string(); }

// fosdef.h and blsdef.h: one macro per code, dots turned into underscores.
void WriteCodeDefines(ff::GenFile& file, const std::string& query, const std::string& numberCaption,
                      const std::string& codeCaption, const std::string& nameCaption) {
  CMemRecord record;
  SelectAll(query, record);
  int width = 0;
  for (record.GoTop(); !record.Eof(); record.Skip()) width = std::max(width, Len(Trimmed(record, codeCaption)));
  for (record.GoTop(); !record.Eof(); record.Skip()) {
    const std::string code = gbk::Replaced(Trimmed(record, codeCaption), ".", "_");
    file.Write(ff::FillTemplate(res::CodeDefLine(), {{"Code", code},
                                                     {"Pad", Pad(width - Len(code) + 2)},
                                                     {"Number", Trimmed(record, numberCaption)},
                                                     {"Name", Trimmed(record, nameCaption)}}));
  }
}

}  // namespace

bool CCodeMaker::MakeFidDefFile(const std::string& path, bool noPrompt) {
  return GenerateFile(path, noPrompt, res::FidDefAbstract(), [](ff::GenFile& file) {
    CMemRecord record;
    SelectAll(res::FidDefQuery(), record);
    file.Write(res::FidDefBegin());
    int width = 0;
    for (record.GoTop(); !record.Eof(); record.Skip()) {
      width = std::max(width, Len(Trimmed(record, res::FidCodeCaption())));
    }
    for (record.GoTop(); !record.Eof(); record.Skip()) {
      const std::string code = Trimmed(record, res::FidCodeCaption());
      std::string line = ff::FillTemplate(res::FidDefLine(), {{"Code", code},
                                                              {"Pad", Pad(width - Len(code) + 2)},
                                                              {"Number", Trimmed(record, res::FidNumberCaption())},
                                                              {"Name", Trimmed(record, res::FidNameCaption())}});
      const std::string dataType = Trimmed(record, res::FidTypeCaption());
      if (!dataType.empty()) line += ff::FillTemplate(res::FidDefDetail(), {{"Text", dataType}});
      // The note goes in as delivered, blanks and all.
      const std::string& note = record.GetRef(res::FidNoteCaption());
      if (!note.empty()) line += ff::FillTemplate(res::FidDefDetail(), {{"Text", note}});
      line += res::LineEnd();
      file.Write(line);
    }
    file.Write(res::FidDefEnd());
  });
}

bool CCodeMaker::MakeFosDefFile(const std::string& path, bool noPrompt) {
  return GenerateFile(path, noPrompt, res::FosDefAbstract(), [](ff::GenFile& file) {
    file.Write(res::FosDefBegin());
    WriteCodeDefines(file, res::FosDefQuery(), res::FosNumberCaption(), res::FosCodeCaption(),
                     res::FosNameCaption());
    file.Write(res::FosDefEnd());
  });
}

bool CCodeMaker::MakeBlsDefFile(const std::string& path, bool noPrompt) {
  return GenerateFile(path, noPrompt, res::BlsDefAbstract(), [](ff::GenFile& file) {
    file.Write(res::BlsDefBegin());
    WriteCodeDefines(file, res::BlsDefQuery(), res::BlsNumberCaption(), res::BlsCodeCaption(),
                     res::BlsNameCaption());
    file.Write(res::BlsDefEnd());
  });
}

bool CCodeMaker::MakeFixDefFile(const std::string& path, bool noPrompt) {
  return GenerateFile(path, noPrompt, res::FixDefAbstract(),
                      [](ff::GenFile& file) { file.Write(res::FixDefText()); });
}

bool CCodeMaker::MakeSysDefFile(const std::string& path, bool noPrompt) {
  return GenerateFile(path, noPrompt, res::SysDefAbstract(), [](ff::GenFile& file) {
    CMemRecord record;
    SelectAll(res::SysDefQuery(), record);
    file.Write(res::SysDefBegin());

    // Kind 6 values are numbers and stand bare; every other kind is a
    // quoted string. Names and messages line up in two columns.
    auto kindOf = [&record] { return gbk::AtoL(record.GetRef(res::ErrorKindCaption())); };
    int nameWidth = 0;   // code names and message names together
    int valueWidth = 0;  // messages + 2, quoted values + 2
    for (record.GoTop(); !record.Eof(); record.Skip()) {
      nameWidth = std::max({nameWidth, Len(Trimmed(record, res::ErrorCodeCaption())),
                            Len(Trimmed(record, res::ErrorMsgNameCaption()))});
      valueWidth = std::max(valueWidth, Len(Trimmed(record, res::ErrorMessageCaption())) + 2);
      if (kindOf() != 6) valueWidth = std::max(valueWidth, Len(Trimmed(record, res::ErrorValueCaption())) + 2);
    }

    std::string lastCategory;
    for (record.GoTop(); !record.Eof(); record.Skip()) {
      const std::string category = Trimmed(record, res::ErrorCategoryCaption());
      if (category != lastCategory) {
        lastCategory = category;
        file.Write(ff::FillTemplate(res::ErrorCategoryHeading(), {{"Category", category}}));
      }
      const std::string code = Trimmed(record, res::ErrorCodeCaption());
      const std::string value = Trimmed(record, res::ErrorValueCaption());
      const std::string message = Trimmed(record, res::ErrorMessageCaption());
      const bool number = kindOf() == 6;
      file.Write(ff::FillTemplate(number ? res::ErrorNumberLine() : res::ErrorTextLine(),
                                  {{"Code", code},
                                   {"Pad", Pad(nameWidth - Len(code) + 2)},
                                   {"Value", value},
                                   {"ValuePad", Pad(valueWidth - Len(value) + (number ? 2 : 0))},
                                   {"Message", message}}));
      const std::string messageName = Trimmed(record, res::ErrorMsgNameCaption());
      if (!messageName.empty()) {
        file.Write(ff::FillTemplate(res::ErrorMessageLine(), {{"Name", messageName},
                                                              {"Pad", Pad(nameWidth - Len(messageName) + 2)},
                                                              {"Message", message}}));
      }
    }
    file.Write(res::SysDefEnd());
  });
}
