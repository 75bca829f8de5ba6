// The five definition headers: fiddef.h, fosdef.h, blsdef.h, fixdef.h and
// sysdef.h. Each header's query runs twice: the first run measures the
// column widths, the second writes each line as its row arrives. The rows
// are streamed both times, never held together, so a header of any size
// takes the memory of one row.
#include <algorithm>
#include <functional>
#include <string>
#include <string_view>

#include "codetext/code_maker.h"
#include "codetext/config_query.h"
#include "codetext/text_fill.h"
#include "host/config_db.h"
#include "host/gbk_text.h"
#include "host/query_error.h"
#include "host/record.h"
#include "host/sim_db.h"
#include "res/function_templates.h"
#include "res/header_texts.h"

namespace gbk = ff::gbk;
namespace res = ff::res;
using ff::code::Trimmed;

namespace {

// Runs one query on the shared connection and hands its rows to `onRow`
// one at a time. A failed query, like a missing connection, throws
// ff::QueryError: the header being written is abandoned.
void EachRow(const std::string& query, const std::function<void(const CMemRecord& row)>& onRow) {
  if (g_pConfigDB == nullptr) throw ff::QueryError(ff::kNotConnected);
  g_pConfigDB->Cmd(query);
  g_pConfigDB->SelectEachChecked([&onRow](const CMemRecord& row) {
    onRow(row);
    return true;
  });
}

int Len(const std::string& text) { return static_cast<int>(text.size()); }

// The length of the value once trimmed, without making the trimmed copy:
// the measuring run looks at every row.
int TrimmedLen(const CMemRecord& record, const std::string& caption) {
  std::string_view text = record.GetRef(caption);
  size_t b = 0, e = text.size();
  while (b < e && text[b] == ' ') ++b;
  while (e > b && text[e - 1] == ' ') --e;
  return static_cast<int>(e - b);
}

// fosdef.h and blsdef.h: one macro per code, dots turned into underscores.
void WriteCodeDefines(ff::GenFile& file, const std::string& query, const std::string& numberCaption,
                      const std::string& codeCaption, const std::string& nameCaption) {
  int width = 0;
  EachRow(query, [&](const CMemRecord& row) { width = std::max(width, TrimmedLen(row, codeCaption)); });
  EachRow(query, [&](const CMemRecord& row) {
    const std::string code = gbk::Replaced(Trimmed(row, codeCaption), ".", "_");
    file.Write(ff::FillTemplate(res::CodeDefLine(), {{"Code", code},
                                                     {"Pad", CCodeMaker::Spaces(width - Len(code) + 2)},
                                                     {"Number", Trimmed(row, numberCaption)},
                                                     {"Name", Trimmed(row, nameCaption)}}));
  });
}

}  // namespace

bool CCodeMaker::MakeFidDefFile(const std::string& path, bool noPrompt) {
  return WriteMade(path, noPrompt, [&] { return MakeFidDefText(path); });
}

ff::GenFile CCodeMaker::MakeFidDefText(const std::string& path) {
  return MakeFile(path, res::FidDefAbstract(), [](ff::GenFile& file) {
    const std::string& query = res::FidDefQuery();
    file.Write(res::FidDefBegin());
    int width = 0;
    EachRow(query, [&](const CMemRecord& row) { width = std::max(width, TrimmedLen(row, res::FidCodeCaption())); });
    EachRow(query, [&](const CMemRecord& row) {
      const std::string code = Trimmed(row, res::FidCodeCaption());
      std::string line = ff::FillTemplate(res::FidDefLine(), {{"Code", code},
                                                              {"Pad", CCodeMaker::Spaces(width - Len(code) + 2)},
                                                              {"Number", Trimmed(row, res::FidNumberCaption())},
                                                              {"Name", Trimmed(row, res::FidNameCaption())}});
      const std::string dataType = Trimmed(row, res::FidTypeCaption());
      if (!dataType.empty()) line += ff::FillTemplate(res::FidDefDetail(), {{"Text", dataType}});
      // The note goes in as delivered, blanks and all.
      const std::string& note = row.GetRef(res::FidNoteCaption());
      if (!note.empty()) line += ff::FillTemplate(res::FidDefDetail(), {{"Text", note}});
      line += res::LineEnd();
      file.Write(line);
    });
    file.Write(res::FidDefEnd());
  });
}

bool CCodeMaker::MakeFosDefFile(const std::string& path, bool noPrompt) {
  return WriteMade(path, noPrompt, [&] { return MakeFosDefText(path); });
}

ff::GenFile CCodeMaker::MakeFosDefText(const std::string& path) {
  return MakeFile(path, res::FosDefAbstract(), [](ff::GenFile& file) {
    file.Write(res::FosDefBegin());
    WriteCodeDefines(file, res::FosDefQuery(), res::fn::CaptionFosNumber(), res::fn::CaptionFosCode(),
                     res::fn::CaptionFosName());
    file.Write(res::FosDefEnd());
  });
}

bool CCodeMaker::MakeBlsDefFile(const std::string& path, bool noPrompt) {
  return WriteMade(path, noPrompt, [&] { return MakeBlsDefText(path); });
}

ff::GenFile CCodeMaker::MakeBlsDefText(const std::string& path) {
  return MakeFile(path, res::BlsDefAbstract(), [](ff::GenFile& file) {
    file.Write(res::BlsDefBegin());
    WriteCodeDefines(file, res::BlsDefQuery(), res::fn::CaptionBlsNumber(), res::fn::CaptionBlsCode(),
                     res::fn::CaptionBlsName());
    file.Write(res::BlsDefEnd());
  });
}

bool CCodeMaker::MakeFixDefFile(const std::string& path, bool noPrompt) {
  return WriteMade(path, noPrompt, [&] { return MakeFixDefText(path); });
}

ff::GenFile CCodeMaker::MakeFixDefText(const std::string& path) {
  return MakeFile(path, res::FixDefAbstract(),
                      [](ff::GenFile& file) { file.Write(res::FixDefText()); });
}

bool CCodeMaker::MakeSysDefFile(const std::string& path, bool noPrompt) {
  return WriteMade(path, noPrompt, [&] { return MakeSysDefText(path); });
}

ff::GenFile CCodeMaker::MakeSysDefText(const std::string& path) {
  return MakeFile(path, res::SysDefAbstract(), [](ff::GenFile& file) {
    const std::string& query = res::SysDefQuery();
    file.Write(res::SysDefBegin());

    // Kind 6 values are numbers and stand bare; every other kind is a
    // quoted string. Names and messages line up in two columns.
    auto kindOf = [](const CMemRecord& row) { return gbk::AtoL(row.GetRef(res::ErrorKindCaption())); };
    int nameWidth = 0;   // code names and message names together
    int valueWidth = 0;  // messages + 2, quoted values + 2
    EachRow(query, [&](const CMemRecord& row) {
      nameWidth = std::max({nameWidth, TrimmedLen(row, res::ErrorCodeCaption()),
                            TrimmedLen(row, res::ErrorMsgNameCaption())});
      valueWidth = std::max(valueWidth, TrimmedLen(row, res::ErrorMessageCaption()) + 2);
      if (kindOf(row) != 6) valueWidth = std::max(valueWidth, TrimmedLen(row, res::ErrorValueCaption()) + 2);
    });

    std::string lastCategory;
    EachRow(query, [&](const CMemRecord& row) {
      const std::string category = Trimmed(row, res::ErrorCategoryCaption());
      if (category != lastCategory) {
        lastCategory = category;
        file.Write(ff::FillTemplate(res::ErrorCategoryHeading(), {{"Category", category}}));
      }
      const std::string code = Trimmed(row, res::ErrorCodeCaption());
      const std::string value = Trimmed(row, res::ErrorValueCaption());
      const std::string message = Trimmed(row, res::ErrorMessageCaption());
      const bool number = kindOf(row) == 6;
      file.Write(ff::FillTemplate(number ? res::ErrorNumberLine() : res::ErrorTextLine(),
                                  {{"Code", code},
                                   {"Pad", CCodeMaker::Spaces(nameWidth - Len(code) + 2)},
                                   {"Value", value},
                                   {"ValuePad", CCodeMaker::Spaces(valueWidth - Len(value) + (number ? 2 : 0))},
                                   {"Message", message}}));
      const std::string messageName = Trimmed(row, res::ErrorMsgNameCaption());
      if (!messageName.empty()) {
        file.Write(ff::FillTemplate(res::ErrorMessageLine(), {{"Name", messageName},
                                                              {"Pad", CCodeMaker::Spaces(nameWidth - Len(messageName) + 2)},
                                                              {"Message", message}}));
      }
    });
    file.Write(res::SysDefEnd());
  });
}
