// The texts of the FID definition check (GBK): its three queries, the
// column definitions of its result records and its messages.
#pragma once

#include <string>

namespace ff::res {

// FIDs that BLS parameters use without a definition (string 39).
const std::string& BlsUndefinedFidQuery();
// FIDs that FOS parameters use without a definition (string 40).
const std::string& FosUndefinedFidQuery();
// Defined FIDs that no parameter uses (string 50).
const std::string& UnusedFidQuery();

// Record columns, for CStdRecord::Create.
const std::string& BlsUndefinedFidFields();  // "FID编码[C30],FID名称[C30],所在BLS[C128]"
const std::string& FosUndefinedFidFields();  // "FID编码[C30],FID名称[C30], 所在FOS[C128]"
const std::string& UnusedFidFields();        // "FID编码[C30],FID名称[C30]"

// Messages: none found, and "%d" found.
const std::string& BlsUndefinedFidNone();
const std::string& BlsUndefinedFidFound();
const std::string& FosUndefinedFidNone();
const std::string& FosUndefinedFidFound();
const std::string& UnusedFidNone();
const std::string& UnusedFidFound();

// Shown by the check page when there is no connection.
const std::string& CheckNotLoggedIn();  // "您尚未登录配置库，请先登录！"

}  // namespace ff::res
