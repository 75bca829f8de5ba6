#include "headers/export_page.h"

#include "codetext/code_format.h"
#include "host/file_error.h"
#include "host/query_error.h"
#include "host/registry.h"
#include "host/user_interface.h"
#include "host/config_db.h"
#include "module/host_app.h"
#include "res/gui_texts.h"

CPageExport::CPageExport() : CPropertyPage(ff::res::IDD_EXPORT_PAGE) {}

CPageExport::~CPageExport() = default;

void CPageExport::DoDataExchange(CDataExchange* pDX) {
  DDX_Check(pDX, 9033, m_bOverWrite);
  DDX_Text(pDX, 9017, m_strBlsDefFile);
  DDX_Text(pDX, 9013, m_strPath);
  DDX_Text(pDX, 9015, m_strFidDefFile);
  DDX_Text(pDX, 9016, m_strFosDefFile);
  DDX_Text(pDX, 9021, m_strSysDefFile);
}

void CPageExport::MessageMap() {
  OnCommand(9014, [this] { OnChooseFolder(); });
  OnEditChange(9013, [this] { OnFolderChanged(); });
  OnCommand(9033, [this] { OnOverWrite(); });
  // The "..." buttons 9018, 9019, 9020 and 9022 have no action.
}

bool CPageExport::OnInitDialog() {
  CPropertyPage::OnInitDialog();
  m_bOverWrite = ff::IsSwitchOn(theReg.GetReg("FixFilesOverWrite"));
  m_strPath = ff::gui::StartFolder(theReg.GetReg("FixPath"));
  RebuildPaths();
  return true;
}

void CPageExport::RebuildPaths() {
  const std::string folder = m_strPath.empty() ? std::string(".") : m_strPath;
  m_strFidDefFile = folder + "/" + "fiddef.h";
  m_strFosDefFile = folder + "/" + "fosdef.h";
  m_strBlsDefFile = folder + "/" + "blsdef.h";
  m_strFixDefFile = folder + "/" + "fixdef.h";
  m_strSysDefFile = folder + "/" + "sysdef.h";
  UpdateData(false);
}

void CPageExport::OnFolderChanged() {
  UpdateData(true);
  RebuildPaths();
}

void CPageExport::OnChooseFolder() {
  const std::optional<std::string> picked = ff::UI().BrowseForFolder(ff::res::gui::FolderBrowserTitle());
  // Cancelling empties the folder; the paths then lie in ".".
  m_strPath = picked.value_or(std::string());
  RebuildPaths();
}

void CPageExport::OnOverWrite() { m_bOverWrite = !m_bOverWrite; }

void CPageExport::OnOK() {
  ff::WaitCursor wait;
  if (!g_pConfigDB) {
    ff::UI().ShowMessage(ff::res::gui::NotLoggedInGenerate());
    return;
  }
  ConfigSnapshot snapshot;
  try {
    UpdateData(true);
    // A file the user declines is skipped; the next one is still written.
    m_CodeMaker.MakeFidDefFile(m_strFidDefFile, m_bOverWrite);
    m_CodeMaker.MakeFixDefFile(m_strFixDefFile, m_bOverWrite);
    m_CodeMaker.MakeBlsDefFile(m_strBlsDefFile, m_bOverWrite);
    m_CodeMaker.MakeFosDefFile(m_strFosDefFile, m_bOverWrite);
    m_CodeMaker.MakeSysDefFile(m_strSysDefFile, m_bOverWrite);
    ff::UI().ShowMessage(ff::code::Format(ff::res::gui::ExportSummaryFormat(),
                                             {m_strFixDefFile, m_strFidDefFile, m_strFosDefFile,
                                              m_strBlsDefFile, m_strSysDefFile}));
    theReg.Write("FixPath", m_strPath);
    theReg.Write("FidDefFile", m_strFidDefFile);
    theReg.Write("FOSDefFile", m_strFosDefFile);
    theReg.Write("BLSDefFile", m_strBlsDefFile);
    theReg.Write("SysDefFile", m_strSysDefFile);
    theReg.Write("FixFilesOverWrite", ff::SwitchText(m_bOverWrite));
  } catch (const CFileException& error) {
    // Already reported by the generator; reported once more and dropped.
    error.ReportError();
  } catch (const ff::QueryError& error) {
    // The header being written keeps its old bytes; the rest are not made.
    error.ReportError();
  }
  CPropertyPage::OnOK();
}

void CPageExport::OnCancel() { CPropertyPage::OnCancel(); }
