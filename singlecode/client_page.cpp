#include "singlecode/client_page.h"

#include "host/config_db.h"
#include "host/gbk_text.h"
#include "host/query_error.h"
#include "host/user_interface.h"
#include "res/code_page_texts.h"

CPageCodeClientSingle::CPageCodeClientSingle() : CModuleTreePage(ff::res::IDD_CLIENT_PAGE) {}

CPageCodeClientSingle::~CPageCodeClientSingle() = default;

bool CPageCodeClientSingle::OnInitDialog() {
  CModuleTreePage::OnInitDialog();
  OfferLoginAndReadCodeStyle();
  ReadFolderAndSwitches();
  UpdateData(false);
  FillModuleTree();
  return true;
}

bool CPageCodeClientSingle::MakeSnippet(long module, const std::string& code, std::string& text) {
  SetAuthorAndProject();
  if (m_bBLS) return m_CodeMaker.MakeBlsClientSnippet(module, m_bOverWrite, code, text);
  return m_CodeMaker.MakeFosClientSnippet(module, m_bOverWrite, code, text);
}

void CPageCodeClientSingle::RefreshPreview() {
  if (!CheckLoggedIn()) return;
  m_strSelect = ff::gbk::Trim(SelectedNote());
  // This page keeps the code's trailing blanks while previewing.
  const std::string identifier = SelectedIdentifier();
  if (!ff::gbk::Contains(identifier, "|")) {
    m_strPreview.clear();
  } else {
    ff::WaitCursor wait;
    ConfigSnapshot snapshot;
    std::string text;
    try {
      if (MakeSnippet(ModuleNumberOf(identifier), FunctionCodeOf(identifier), text))
        m_strPreview = text;
      else
        // FOS functions have no snippet: the preview shows one apostrophe.
        m_strPreview = m_bBLS ? std::string() : std::string("'");
    } catch (const ff::QueryError& error) {
      // The preview stays as it was.
      error.ReportError();
    }
  }
  UpdateData(false);
}

void CPageCodeClientSingle::OnOK() {
  ff::WaitCursor wait;
  if (!CheckLoggedIn()) return;
  // The folder and names as typed are the ones kept.
  ReadTypedPaths();
  const std::string identifier = ShowSelectedIdentifier();
  std::string text;
  try {
    ConfigSnapshot snapshot;
    m_strPreview =
        MakeSnippet(ModuleNumberOf(identifier), FunctionCodeOf(identifier), text) ? text : std::string();
  } catch (const ff::QueryError& error) {
    // Nothing is stored.
    error.ReportError();
    return;
  }
  UpdateData(false);
  StoreValues();
  ff::UI().ShowMessage(ff::res::codepage::SnippetSettingsSaved(
      PageKind(), {.folder = ff::gbk::PathInText(m_strPath),
                .header = ff::gbk::PathInText(m_strHeadFile),
                .source = ff::gbk::PathInText(m_strCppFile)}));
}
