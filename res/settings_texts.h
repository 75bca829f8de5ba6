// The texts of the comment settings (GBK).
#pragma once

#include <string>

namespace ff::res {

const std::string& SettingsDefaultCompany();      // "北岭红隼软件股份有限公司"
const std::string& SettingsCopyRightExisting();   // "Copyright (c) 2004": key found, value empty
const std::string& SettingsCopyRightCreated();    // "CopyRight (c) 2004": key created

}  // namespace ff::res
