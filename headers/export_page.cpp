#include "headers/export_page.h"

#include "host/config_db.h"
#include "host/file_error.h"
#include "host/query_error.h"
#include "host/registry.h"
#include "host/user_interface.h"
#include "module/host_app.h"
#include "res/control_ids.h"
#include "res/gui_texts.h"

namespace ctl = ff::res::ctl;

CPageExport::CPageExport() : CPropertyPage(ff::res::IDD_EXPORT_PAGE) {}

CPageExport::~CPageExport() = default;

void CPageExport::DoDataExchange(CDataExchange* pDX) {
  DDX_Check(pDX, ctl::exporting::kNoPrompt, m_bOverWrite);
  DDX_Text(pDX, ctl::exporting::kBlsDefFile, m_strBlsDefFile);
  DDX_Text(pDX, ctl::exporting::kFolder, m_strPath);
  DDX_Text(pDX, ctl::exporting::kFidDefFile, m_strFidDefFile);
  DDX_Text(pDX, ctl::exporting::kFosDefFile, m_strFosDefFile);
  DDX_Text(pDX, ctl::exporting::kSysDefFile, m_strSysDefFile);
}

void CPageExport::MessageMap() {
  OnCommand(ctl::exporting::kBrowseFolder, [this] { OnChooseFolder(); });
  OnEditChange(ctl::exporting::kFolder, [this] { OnFolderChanged(); });
  OnCommand(ctl::exporting::kNoPrompt, [this] { OnOverWrite(); });
  // The "..." buttons kBrowseFidDef, kBrowseFosDef, kBrowseBlsDef and kBrowseSysDef have no action.
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
    ff::UI().ShowMessage(ff::res::gui::ExportSummary({.fixdef = m_strFixDefFile,
                                                      .fiddef = m_strFidDefFile,
                                                      .fosdef = m_strFosDefFile,
                                                      .blsdef = m_strBlsDefFile,
                                                      .sysdef = m_strSysDefFile}));
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
