// The template lines of the routine comments (GBK). Trailing blanks belong
// to the texts.
#pragma once

#include <string>

namespace ff::res {

const std::string& CommentTopBorder();      // "/" and 71 "*"
const std::string& CommentBottomBorder();   // 70 "*" and "/"
const std::string& CommentPrefix();         // "*"
const std::string& CopyRightTemplate();     // "%CopyRight%  %Company% All rights reserved. "
const std::string& FileNameLine();          // "文件名称：%CurFileName%"
const std::string& ProjectLine();           // "项目名称：%CurProjectName%"
const std::string& AbstractLine();          // "摘要：    %Abstract%    "
const std::string& AuthorLine();            // "原作者：  %Author%"
const std::string& CreateDateLine();        // "创建日期：%Year%.%Month%.%Day%"
const std::string& FileRemarkLine();        // "备注："
const std::string& HistoryHeader();         // the history table header
const std::string& HistoryFirstRow();       // "1.      %Year%.%Month%.%Day%  ..."
const std::string& HistoryCreated();        // "    创建。"
const std::string& FunctionNameLine();      // "函数名称：%CurFunName%"
const std::string& FunctionDesignLine();    // "实现说明：%Imp%"
const std::string& FunctionNoteLine();      // "备注：    %Note%  "
const std::string& HistoryCaption();        // "历史修改记录："
const std::string& DefaultVersion();        // "v1.0.0.1"
const std::string& CopyRightText();         // "Copyright (C) 2004"
const std::string& CopyRightCompany();      // "北岭红隼软件有限公司"

}  // namespace ff::res
