#include "res/header_texts.h"

#include "res/text.h"

namespace ff::res {

const std::string& FosDefQuery() {
  return FF_GBK(" SELECT STR(F18) FOSID, F19 FOS编码, F22 FOS名称 FROM T154 ORDER BY F18  ");
}
const std::string& FidDefQuery() {
  return FF_GBK(" SELECT STR(F1) FID, F2 FID编码, F3 FID名称, F4 DATATYPE, F5 NOTE from t151 ORDER BY F1 ");
}
const std::string& BlsDefQuery() {
  return FF_GBK(" SELECT STR(F1) BLSID, F2 BLS编码, F3 BLS名称 FROM T161  ORDER BY F1 ");
}
const std::string& SysDefQuery() {
  return FF_GBK(
      "SELECT A.F1 AS 错误码,STR(A.F10) AS 错误码数据类型, A.F2 AS 错误码编码,A.F6 AS 错误信息编码,"
      "RTRIM(A.F3) AS 错误信息,RTRIM(LTRIM(B.NAME)) AS 错误代码分类, A.F8 AS ERRID FROM T470 A, T471 B "
      "WHERE A.F8 = B.ID AND B.GRADE=2 AND B.FID=2 AND B.TYPE=0 ORDER BY A.F8\n");
}

const std::string& FidDefAbstract() { return FF_GBK("信息元定义c/c++编程用头文件。"); }
const std::string& FosDefAbstract() { return FF_GBK("生成FOS定义c/c++编程用头文件。"); }
const std::string& BlsDefAbstract() { return FF_GBK("BLS定义c/c++编程用头文件。"); }
const std::string& FixDefAbstract() {
  return FF_GBK("fix定义c/c++编程用头文件，包含fiddef.h，fosdef.h和blsdef.h");
}
const std::string& SysDefAbstract() { return FF_GBK("杂类错误码定义c/c++编程用头文件。"); }

const std::string& FidDefBegin() {
  return FF_GBK(
      "#if !defined(_FIDDEF_DEFINE_H)\r\n"
      "#define _FIDDEF_DEFINE_H\r\n\r\n");
}
const std::string& FidDefEnd() { return FF_GBK("\r\n#endif // !defined(_FIDDEF_DEFINE_H)\r\n"); }
const std::string& FosDefBegin() {
  return FF_GBK(
      "#if !defined(_FOSDEF_DEFINE_H)\r\n"
      "#define _FOSDEF_DEFINE_H\r\n\r\n"
      "#include \"fiddef.h\"  //信息元定义\r\n\r\n");
}
const std::string& FosDefEnd() { return FF_GBK("\r\n#endif // !defined(_FOSDEF_DEFINE_H)\r\n"); }
const std::string& BlsDefBegin() {
  return FF_GBK(
      "#if !defined(_BLSDEF_DEFINE_H)\r\n"
      "#define _BLSDEF_DEFINE_H\r\n\r\n"
      "#include \"fiddef.h\"  //信息元定义\r\n\r\n");
}
const std::string& BlsDefEnd() { return FF_GBK("\r\n#endif // !defined(_BLSDEF_DEFINE_H)\r\n"); }
const std::string& SysDefBegin() {
  return FF_GBK(
      "#if !defined(_SYSDEF)\r\n"
      "#define _SYSDEF\r\n\r\n");
}
const std::string& SysDefEnd() { return FF_GBK("\r\n#endif // !defined(_SYSDEF)\r\n"); }
const std::string& FixDefText() {
  return FF_GBK(
      "#if !defined(__FIXDEF_DEFINE__)\r\n"
      "#define __FIXDEF_DEFINE__\r\n\r\n"
      "#include \"fiddef.h\"  //信息元定义\r\n"
      "#include \"blsdef.h\"  //BLS交易码定义\r\n"
      "#include \"fosdef.h\"  //FOS操作码定义\r\n"
      "#include \"sysdef.h\"  //系统基础宏定义\r\n"
      "\r\n#endif // !defined(__FIXDEF_DEFINE__)\r\n");
}

const std::string& FidDefLine() { return FF_GBK("#define  %Code%%Pad%%Number%  //%Name%  "); }
const std::string& FidDefDetail() { return FF_GBK("DT：%Text%  "); }
const std::string& LineEnd() { return FF_GBK("\r\n"); }
const std::string& CodeDefLine() { return FF_GBK("#define  %Code%%Pad%%Number%  //%Name%\r\n"); }
const std::string& ErrorCategoryHeading() { return FF_GBK("\r\n//%Category%\r\n"); }
const std::string& ErrorNumberLine() { return FF_GBK("#define  %Code%%Pad%%Value%%ValuePad%//%Message%\r\n"); }
const std::string& ErrorTextLine() {
  return FF_GBK("#define  %Code%%Pad%\"%Value%\"%ValuePad%//%Message%\r\n");
}
const std::string& ErrorMessageLine() { return FF_GBK("#define  %Name%%Pad%\"%Message%\"\r\n"); }

const std::string& FidNumberCaption() { return FF_GBK("FID"); }
const std::string& FidCodeCaption() { return FF_GBK("FID编码"); }
const std::string& FidNameCaption() { return FF_GBK("FID名称"); }
const std::string& FidTypeCaption() { return FF_GBK("DATATYPE"); }
const std::string& FidNoteCaption() { return FF_GBK("NOTE"); }
const std::string& ErrorValueCaption() { return FF_GBK("错误码"); }
const std::string& ErrorKindCaption() { return FF_GBK("错误码数据类型"); }
const std::string& ErrorCodeCaption() { return FF_GBK("错误码编码"); }
const std::string& ErrorMsgNameCaption() { return FF_GBK("错误信息编码"); }
const std::string& ErrorMessageCaption() { return FF_GBK("错误信息"); }
const std::string& ErrorCategoryCaption() { return FF_GBK("错误代码分类"); }

}  // namespace ff::res
