#include "res/settings_texts.h"

#include "res/text.h"

namespace ff::res {

const std::string& SettingsDefaultCompany() { return FF_GBK("北岭红隼软件股份有限公司"); }
const std::string& SettingsCopyRightExisting() { return FF_GBK("Copyright (c) 2004"); }
const std::string& SettingsCopyRightCreated() { return FF_GBK("CopyRight (c) 2004"); }

}  // namespace ff::res
