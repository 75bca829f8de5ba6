#include "headers/export_page.h"

#include "codetext/text_fill.h"
#include "docsite/dictionary_site.h"
#include "host/config_db.h"
#include "host/file_error.h"
#include "host/query_error.h"
#include "host/registry.h"
#include "host/user_interface.h"
#include "module/host_app.h"
#include "module/output_folder.h"
#include "modulecode/code_page.h"
#include "res/control_ids.h"
#include "res/desktop_texts.h"
#include "res/docsite_templates.h"
#include "res/gui_texts.h"

namespace ctl = ff::res::ctl;

CPageExport::CPageExport() : CPropertyPage(ff::res::IDD_EXPORT_PAGE) {}

CPageExport::~CPageExport() = default;

void CPageExport::DoDataExchange(CDataExchange* pDX) {
  DDX_Check(pDX, ctl::exporting::kNoPrompt, m_bOverWrite);
  DDX_Path(pDX, ctl::exporting::kBlsDefFile, m_strBlsDefFile);
  DDX_Path(pDX, ctl::exporting::kFolder, m_strPath);
  DDX_Path(pDX, ctl::exporting::kFidDefFile, m_strFidDefFile);
  DDX_Path(pDX, ctl::exporting::kFosDefFile, m_strFosDefFile);
  DDX_Path(pDX, ctl::exporting::kSysDefFile, m_strSysDefFile);
}

void CPageExport::MessageMap() {
  OnCommand(ctl::exporting::kBrowseFolder, [this] { OnChooseFolder(); });
  OnEditChange(ctl::exporting::kFolder, [this] { OnFolderChanged(); });
  OnCommand(ctl::exporting::kNoPrompt, [this] { OnOverWrite(); });
  OnCommand(ctl::exporting::kMakeSite, [this] { OnMakeSite(); });
  // The "..." buttons kBrowseFidDef, kBrowseFosDef, kBrowseBlsDef and kBrowseSysDef have no action.
}

bool CPageExport::OnInitDialog() {
  CPropertyPage::OnInitDialog();
  m_bOverWrite = ff::IsSwitchOn(theReg.GetReg("FixFilesOverWrite"));
  m_strPath = ff::gui::StartFolder(theReg.GetPath("FixPath"));
  RebuildPaths();
  return true;
}

void CPageExport::RebuildPaths() {
  const std::string folder = ff::gui::AbsoluteFolder(m_strPath);
  m_strFidDefFile = ff::gui::FileInFolder(folder, "fiddef.h");
  m_strFosDefFile = ff::gui::FileInFolder(folder, "fosdef.h");
  m_strBlsDefFile = ff::gui::FileInFolder(folder, "blsdef.h");
  m_strFixDefFile = ff::gui::FileInFolder(folder, "fixdef.h");
  m_strSysDefFile = ff::gui::FileInFolder(folder, "sysdef.h");
  UpdateData(false);
}

void CPageExport::OnFolderChanged() {
  UpdateData(true);
  RebuildPaths();
}

void CPageExport::OnChooseFolder() {
  // The browser opens at the folder of the edit; cancelling keeps it.
  UpdateData(true);
  const std::optional<std::string> picked =
      ff::UI().BrowseForFolderFrom(ff::res::gui::FolderBrowserTitle(), ff::gui::AbsoluteFolder(m_strPath));
  if (!picked || picked->empty()) return;
  m_strPath = ff::gui::AbsoluteFolder(*picked);
  RebuildPaths();
}

void CPageExport::OnOverWrite() { m_bOverWrite = !m_bOverWrite; }

void CPageExport::OnOK() {
  ff::WaitCursor wait;
  if (!g_pConfigDB) {
    ff::UI().ShowMessage(ff::res::gui::NotLoggedInGenerate());
    return;
  }
  UpdateData(true);
  if (!ReadyToWrite()) return;
  ff::gui::HeldFolders held;
  if (!held.Hold({ff::gui::FolderOf(m_strFidDefFile), ff::gui::FolderOf(m_strFixDefFile),
                  ff::gui::FolderOf(m_strBlsDefFile), ff::gui::FolderOf(m_strFosDefFile),
                  ff::gui::FolderOf(m_strSysDefFile)}))
    return;
  ConfigSnapshot snapshot;
  try {
    // A file the user declines is skipped; the next one is still written.
    const bool fid = m_CodeMaker.MakeFidDefFile(m_strFidDefFile, m_bOverWrite);
    const bool fix = m_CodeMaker.MakeFixDefFile(m_strFixDefFile, m_bOverWrite);
    const bool bls = m_CodeMaker.MakeBlsDefFile(m_strBlsDefFile, m_bOverWrite);
    const bool fos = m_CodeMaker.MakeFosDefFile(m_strFosDefFile, m_bOverWrite);
    const bool sys = m_CodeMaker.MakeSysDefFile(m_strSysDefFile, m_bOverWrite);
    // The files written, and apart the ones the user chose to keep, in the
    // order of the page's summary.
    ff::UI().ShowReport(CPageCode::WrittenSummary(ff::res::desktop::ExportSummaryHead(),
                                                  {{m_strFixDefFile, fix},
                                                   {m_strFidDefFile, fid},
                                                   {m_strFosDefFile, fos},
                                                   {m_strBlsDefFile, bls},
                                                   {m_strSysDefFile, sys}}),
                        ff::gui::AbsoluteFolder(m_strPath));
    theReg.WritePath("FixPath", ff::gui::AbsoluteFolder(m_strPath));
    theReg.WritePath("FidDefFile", m_strFidDefFile);
    theReg.WritePath("FOSDefFile", m_strFosDefFile);
    theReg.WritePath("BLSDefFile", m_strBlsDefFile);
    theReg.WritePath("SysDefFile", m_strSysDefFile);
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

bool CPageExport::ReadyToWrite() const {
  if (m_strPath.empty()) return ff::gui::ReadyToWrite(m_strPath);  // says the folder is empty
  for (const std::string* path :
       {&m_strFidDefFile, &m_strFixDefFile, &m_strBlsDefFile, &m_strFosDefFile, &m_strSysDefFile}) {
    if (path->empty()) {
      ff::UI().ShowError(ff::res::desktop::FileNameEmpty(ff::res::desktop::HeaderFileWhat()));
      return false;
    }
    const size_t slash = path->rfind('/');
    const std::string folder = slash == std::string::npos ? std::string(".") : path->substr(0, slash + 1);
    if (!ff::gui::ReadyToWrite(ff::gui::AbsoluteFolder(folder))) return false;
  }
  return true;
}

void CPageExport::OnMakeSite() {
  if (!g_pConfigDB) {
    ff::UI().ShowMessage(ff::res::gui::NotLoggedInGenerate());
    return;
  }
  const std::optional<std::string> folder = ff::UI().BrowseForFolder(ff::res::site::FolderBrowserTitle());
  if (!folder || folder->empty()) return;
  UpdateData(true);
  ff::site::SiteOptions options;
  options.folder = *folder;
  options.database = ConfigDBName();
  // The page's switch also spares the question for files the site did not write.
  options.noPrompt = m_bOverWrite;
  {
    ff::WaitCursor wait;
    ff::gui::HeldFolders held;
    if (!held.Hold({*folder})) return;
    try {
      ff::site::MakeDictionarySite(options);
    } catch (const ff::QueryError& failure) {
      ff::UI().ShowError(ff::FillTemplate(ff::res::site::SiteFailed(), {{"Reason", failure.Message()}}));
      return;
    } catch (const CFileException&) {
      return;  // reported by the site writer
    }
  }
  const std::string index = *folder + "/index.html";
  if (!ff::UI().OpenWithDefaultApp(index))
    ff::UI().ShowError(ff::res::desktop::NoLauncher(ff::gbk::PathInText(index)));
}

void CPageExport::OnCancel() { CPropertyPage::OnCancel(); }
