// The texts of the FID definition check (GBK): its three queries, the
// column definitions of its result records and its messages.
#pragma once

#include <string>
#include <string_view>

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

// Messages: none found, and the number found ("...共发现%d个..."),
// `count` in decimal.
const std::string& BlsUndefinedFidNone();
std::string BlsUndefinedFidFound(std::string_view count);
const std::string& FosUndefinedFidNone();
std::string FosUndefinedFidFound(std::string_view count);
const std::string& UnusedFidNone();
std::string UnusedFidFound(std::string_view count);

// Shown by the check page when there is no connection.
const std::string& CheckNotLoggedIn();  // "您尚未登录配置库，请先登录！"

}  // namespace ff::res
