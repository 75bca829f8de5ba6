#include "res/comment_texts.h"

#include "res/text.h"

namespace ff::res {

const std::string& CommentTopBorder() {
  return FF_GBK("/***********************************************************************");
}
const std::string& CommentBottomBorder() {
  return FF_GBK("**********************************************************************/");
}
const std::string& CommentPrefix() { return FF_GBK("*"); }
const std::string& CopyRightTemplate() { return FF_GBK("%CopyRight%  %Company% All rights reserved. "); }
const std::string& FileNameLine() { return FF_GBK("文件名称：%CurFileName%"); }
const std::string& ProjectLine() { return FF_GBK("项目名称：%CurProjectName%"); }
const std::string& AbstractLine() { return FF_GBK("摘要：    %Abstract%    "); }
const std::string& AuthorLine() { return FF_GBK("原作者：  %Author%"); }
const std::string& CreateDateLine() { return FF_GBK("创建日期：%Year%.%Month%.%Day%"); }
const std::string& FileRemarkLine() { return FF_GBK("备注："); }
const std::string& HistoryHeader() {
  return FF_GBK("序号    日期             版本                作者                         ");
}
const std::string& HistoryFirstRow() {
  return FF_GBK("1.      %Year%.%Month%.%Day%       %Version%            %Author%");
}
const std::string& HistoryCreated() { return FF_GBK("    创建。"); }
const std::string& FunctionNameLine() { return FF_GBK("函数名称：%CurFunName%"); }
const std::string& FunctionDesignLine() { return FF_GBK("实现说明：%Imp%"); }
const std::string& FunctionNoteLine() { return FF_GBK("备注：    %Note%  "); }
const std::string& HistoryCaption() { return FF_GBK("历史修改记录："); }
const std::string& DefaultVersion() { return FF_GBK("v1.0.0.1"); }
const std::string& CopyRightText() { return FF_GBK("Copyright (C) 2004"); }
const std::string& CopyRightCompany() { return FF_GBK("北岭红隼软件有限公司"); }

}  // namespace ff::res
