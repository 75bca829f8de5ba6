// What the module code page and the two single-function pages share: the
// output folder with its folder button, the module and test file names that
// two check boxes fill in from the folder, the overwrite switch, the FOS/BLS
// kind, and the registry values they keep together ("ModulePath",
// "ModuleFilesOverWrite", "ModuleNeed", "ModuleTestNeed", "ModuleSelectBLS",
// "ModuleHeadFile", "ModuleCppFile"): the page that stored them last gives
// the others their starting values.
#pragma once

#include <string>

#include "module/property_page.h"
#include "res/kind.h"

class CModuleFilesPage : public CPropertyPage {
 public:
  // The names joined to the folder: module header and source, test header
  // and source.
  struct FileNames {
    std::string header, source, testHeader, testSource;
  };
  CModuleFilesPage(int templateId, FileNames names);
  ~CModuleFilesPage() override;

  // The fields (GBK texts).
  bool m_bModuleNeed = false;     // check 9021: fill in the module file names
  bool m_bOverWrite = false;      // check 9033: overwrite without a question
  bool m_bTestNeed = false;       // check 9027: fill in the test file names
  // Paths are the system's bytes (UTF-8), never GBK.
  std::string m_strPath;          // edit 9013: the folder
  std::string m_strCppFile;       // edit 9023
  std::string m_strHeadFile;      // edit 9030
  std::string m_strTestCppFile;   // edit 9028 (nothing writes it)
  std::string m_strTestHeadFile;  // edit 9024 (nothing writes it)
  int m_nKind = -1;               // radio group 9034 (FOS) / 9035 (BLS)
  bool m_bBLS = false;            // the page works on BLS functions
  // The kind m_bBLS names, for the engine.
  ff::Kind PageKind() const { return m_bBLS ? ff::Kind::Bls : ff::Kind::Fos; }

  void OnModuleNeed();    // check 9021
  void OnTestNeed();      // check 9027
  void OnOverWrite();     // check 9033
  void OnChooseFolder();  // button 9014

  // `name` in `folder`.
  static std::string InFolder(const std::string& folder, const std::string& name);

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  void MessageMap() override;

  // At start without a connection: the login dialog, whatever its outcome.
  static void OfferLogin();
  // Shows the not-logged-in message when there is no connection.
  static bool CheckLoggedIn();
  // The start values: the folder (stored, else the user's output folder),
  // the four switches, the names of the switches that are on and the
  // kind. The stored file names are not consulted. Nothing is shown yet.
  void ReadFolderAndSwitches();
  // Before OK writes the module files: the folder is set, both names are
  // set, and their folders exist (made if the user agrees). Says what is
  // missing and returns false otherwise.
  bool ReadyToWriteModuleFiles() const;
  // The registry values, after a successful OK.
  void StoreValues() const;
  // What the user typed into the folder and file name edits counts: read
  // before OK writes (and when the folder edit is left). A new folder
  // takes along the file names that were in the old one; it is checked
  // and made, after a question, when the files are written.
  void ReadTypedPaths();

 private:
  void FillModuleNames(const std::string& folder);
  void FillTestNames(const std::string& folder);
  // Writes the folder and the four file names to their edits.
  void ShowPaths();

  FileNames names_;
};
