#include "res/fidcheck_texts.h"

#include "res/system_format.h"
#include "res/text.h"

namespace ff::res {

// A NULL code in a NOT IN list makes the test unknown for every row, so
// the lists skip NULL codes: one FID row without a code must not make the
// check report a clean database.
const std::string& BlsUndefinedFidQuery() {
  return FF_GBK(
      "SELECT DISTINCT A.F2 FID编码, A.F3 FID名称,LTRIM(B.F2) 所在BLS FROM T162 A,T161 B "
      "WHERE A.F1 = B.ID AND A.F2 NOT IN (SELECT F2 FROM T151 WHERE F2 IS NOT NULL) ");
}
const std::string& FosUndefinedFidQuery() {
  return FF_GBK(
      "SELECT DISTINCT A.F15 FID编码, A.F3 FID名称,LTRIM(B.F19) 所在FOS/*, A.F2 FID编码_废弃*/ "
      "FROM T156 A, T154 B WHERE A.F13 = B.ID AND A.F15 NOT IN (SELECT F2 FROM T151 WHERE F2 IS NOT NULL) ");
}
const std::string& UnusedFidQuery() {
  return FF_GBK(
      "SELECT F2 FID编码, F3 FID名称 FROM T151 WHERE  "
      "(F2 NOT IN (SELECT DISTINCT F15 FROM T156 WHERE F15 IS NOT NULL )) AND "
      "(F2 NOT IN (SELECT DISTINCT F2 FROM T162 WHERE F2 IS NOT NULL ))  \r\n");
}

const std::string& BlsUndefinedFidFields() { return FF_GBK("FID编码[C30],FID名称[C30],所在BLS[C128]"); }
const std::string& FosUndefinedFidFields() { return FF_GBK("FID编码[C30],FID名称[C30], 所在FOS[C128]"); }
const std::string& UnusedFidFields() { return FF_GBK("FID编码[C30],FID名称[C30]"); }

const std::string& BlsUndefinedFidNone() { return FF_GBK("BLS定义中尚未发现任何未定义FID。"); }
std::string BlsUndefinedFidFound(std::string_view count) {
  return SystemFormat(FF_GBK("BLS定义中共发现%d个未定义FID！"), {count});
}
const std::string& FosUndefinedFidNone() { return FF_GBK("FOS定义中尚未发现任何未定义FID。"); }
std::string FosUndefinedFidFound(std::string_view count) {
  return SystemFormat(FF_GBK("FOS定义中共发现%d个未定义FID！"), {count});
}
const std::string& UnusedFidNone() { return FF_GBK("尚未发现任何未使用FID。"); }
std::string UnusedFidFound(std::string_view count) { return SystemFormat(FF_GBK("共发现%d个未使用FID！"), {count}); }

const std::string& CheckNotLoggedIn() { return FF_GBK("您尚未登录配置库，请先登录！"); }

}  // namespace ff::res
