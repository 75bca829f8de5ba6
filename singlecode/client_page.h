// Tab "单一FOS/BLS客户端访问代码片": the client access snippet of one BLS
// function, previewed with or without aligned columns, copied or edited.
#pragma once

#include "singlecode/module_tree_page.h"

class CPageCodeClientSingle : public CModuleTreePage {
 public:
  CPageCodeClientSingle();
  ~CPageCodeClientSingle() override;

  void RefreshPreview() override;
  // Button 1: the snippet once more, and the folder, file names and
  // switches stored for the next start. Writes no file.
  void OnOK() override;

 protected:
  bool OnInitDialog() override;

 private:
  // The snippet of the function `code` of `module` into `text`; false when
  // there is none (every FOS function, or a failure while building).
  bool MakeSnippet(long module, const std::string& code, std::string& text);
};
