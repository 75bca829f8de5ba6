#include "res/function_templates.h"

#include "res/text.h"

// Trailing blanks are written as separate literals ("    ") so that they
// stay visible here and survive any editor; they belong to the texts.

namespace ff::res::fn {

// BLS prologue.
const std::string& BlsPrologue() {
  return FF_GBK_LINES(R"(    //## 取出通讯连接对象
    CSvrComm* pSvrComm = (CSvrComm* )pModule->pSvrComm;)" "    " R"(
    //## 申请上级服务连接
    CFOClient* pClient = KsGetClient( pModule );

    long nRetCode  = 0L; //返回码
    long nCount    = 0L; //返回记录数
    string sErrMsg = ""; //返回说明信息

    if ( NULL == pClient )
    {
        nRetCode = -(pSvrComm->GetFunc()*1000 + ERR_GETCLIENTFAIL);
        sErrMsg = ERRSTR_GETCLIENTFAIL;
        pSvrComm->CreateAnswer();
        pSvrComm->SetErrMark();
        pSvrComm->SetItem(FID_CODE, nRetCode);
        pSvrComm->SetItem(FID_MESSAGE, sErrMsg);
        pSvrComm->Write();
        return nRetCode;
    }

)");
}

// FOS prologue.
const std::string& FosPrologue() {
  return FF_GBK_LINES(R"(    //## 取出通讯连接对象
    CSvrComm* pSvrComm = (CSvrComm* )pModule->pSvrComm;)" "   " R"(
    //## 取出当前处理线程的上下文的句柄)" "    " R"(
    HANDLE hContext = KsGetHandle( pModule );)" "    " R"(
    //## 实际的连接类型
    CSimDB* pDB = NULL;
    //## 申明一个连接池
    CKsPool KsPool( hContext );
    //## 申请连接
    pDB = (CSimDB* )KsPool.GetConnect( "NIMBUS", DB_CONNECT_NAME, 1 );
)" "    " R"(
    int  nDbType   = 0;  //数据库平台类型
    long nCount    = 0L; //返回记录数
    long nRetCode  = 0L; //返回码
    string sErrMsg = ""; //返回说明信息
)" "    " R"(
    if ( NULL == pDB )
    {
        %CreateAnswer%;
        nRetCode = -(pSvrComm->GetFunc()*1000 + ERR_GETDBLINKFAIL);
        pSvrComm->SetItem(FID_CODE, nRetCode);
        sErrMsg = ERRSTR_GETDBLINKFAIL;
        pSvrComm->SetItem(FID_MESSAGE, sErrMsg);
        pSvrComm->Write();)" " " R"(
        return nRetCode;
    }

    nDbType = pDB->GetDataBaseType();
)" " " R"(
)");
}

// FOS SQL placeholder.
const std::string& FosSqlPlaceholder() {
  return FF_GBK_LINES(R"(    //##BeginSQL 开始生成SQL
    pDB->Cmd("SELECT '...' ");
    //##EndSQL 结束生成SQL
)");
}

// BLS business step, transaction type 1.
const std::string& BlsStepForward() {
  return FF_GBK_LINES(R"(    //##Begin 开始业务处理
    pClient->CreateHead( FO_IN_VALID );
    pClient->DirectToDest();
    pClient->More();
    //##End 结束业务处理

)");
}

// BLS business step, other transaction types.
const std::string& BlsStepNoForward() {
  return FF_GBK_LINES(R"(    //##Begin 开始业务处理
    pClient->CreateHead( FO_IN_VALID );
    //pClient->DirectToDest();
    pClient->More();
    //##End 结束业务处理

)");
}

// BLS audit variables.
const std::string& BlsAuditVariables() {
  return FF_GBK_LINES(R"(    long nLSH  = 0L;        //流水号
    long nCSID = 0L;        //参数编号
    long nSHFS = 0L;        //审核方式
    long nSHJS = 0L;        //审核级数
    long nHTSH = 0L;        //后台审核标志: 0-提交 1-进入后台审核
    bool bCommit = false;   //是否需要最终提交业务处理

)");
}

namespace {

// Audit part 1; the audit code check.
const std::string& AuditPart1Text() {
  return FF_GBK_LINES(R"()" "    " R"(
    //审核业务时，审核校验码必须送入
    if (nFidZLLB && sFidSHXYM.empty())
    {
        nRetCode = -(pSvrComm->GetFunc()*1000 + ERR_INPUTPARAM);
        sErrMsg = ERRSTR_INPUTPARAM;
        pSvrComm->CreateAnswer();
        pSvrComm->SetErrMark();
        pSvrComm->SetItem(FID_CODE, nRetCode);
        pSvrComm->SetItem(FID_MESSAGE, sErrMsg);
        pSvrComm->Write();
        return nRetCode;
    }
)" "    " R"(
)");
}

// Audit part 2; start of the business step.
const std::string& AuditPart2Text() {
  return FF_GBK_LINES(R"(    //##Begin 开始业务处理
)" "    " R"(
    //判断是否业务申请
    if ( nFidZLLB == 0 )
    {
        //获取业务审核参数内容)" "        " R"(
        nCSID = Base_GetSHCS(&Mem, pClient, INVALID_YWKM, nSHFS, sFidKHYYB, sFidKHH);
)");
}

// Audit part 3; asynchronous audit request.
const std::string& AuditPart3Text() {
  return FF_GBK_LINES(R"()" "        " R"(
        //需要后台审核
        if ( nSHFS & SHFS_ASYNC )
        {
            pClient->CreateHead( FUN_CHECK_OPER_REQ );)" "           " R"(
            pClient->SetItem(FID_YWKM, INVALID_YWKM);
            pClient->SetItem(FID_KHH, sFidKHH.c_str());
            pClient->SetItem(FID_YYB, sFidKHYYB.c_str());
            pClient->SetItem(FID_KHQZ, sFidKHQZ.c_str());
            pClient->SetItem(FID_CSID, nCSID);
            pClient->SetItemBuf(FID_SQXQ, pSvrComm->GetReqBuf(), pSvrComm->GetReqSize());
)");
}

// Audit part 4; answer of the audit request.
const std::string& AuditPart4Text() {
  return FF_GBK_LINES(R"()" "            " R"(
            pClient->More();
)" "            " R"(
            nRetCode = pClient->GetCode();
            sErrMsg = pClient->GetLastErrMsg();)" "            " R"(
            if ( nRetCode < 0 )
            {
                pSvrComm->CreateAnswer();
                pSvrComm->SetErrMark();
                pSvrComm->SetItem(FID_CODE, nRetCode);
                pSvrComm->SetItem(FID_MESSAGE, sErrMsg);
                pSvrComm->Write();
                return nRetCode;
            }
)" "            " R"(
            if ( nRetCode > 0 )
            {
                nRetCode = 2;       //业务申请成功，等待审核中
                nHTSH = 1;
                nLSH = pClient->GetLong( FID_YWSQH );
            }
        }
        else
        {)" "   " R"(
            bCommit = true;
        }
)");
}

// Audit part 5; second step.
const std::string& AuditPart5Text() {
  return FF_GBK_LINES(R"(    }
    else
    {   //nFidZLLB = 1 后台审核通过，提交业务处理)" "     " R"(
        //业务审核通过，附加校验
        string sSHXYM = GetAuditCode(nFidYWSQH, sFidKHH.c_str());
)" "        " R"(
        if ( sSHXYM != sFidSHXYM )
        {
            nRetCode = -(pSvrComm->GetFunc()*1000 + ERR_ILLPACK);
            sErrMsg = ERRSTR_ILLPACK;
        }
        else
        {
            bCommit = true;
        }
    }
)");
}

// Audit part 6; final commit.
const std::string& AuditPart6Text() {
  return FF_GBK_LINES(R"()" "    " R"(
    //需要最终提交业务处理
    if ( bCommit )
    {
        pClient->CreateHead( pSvrComm->GetFunc() );
        pClient->DirectToDest();
)" "        " R"(
        pClient->More();
        nRetCode = pClient->GetCode();
        if ( nRetCode < 0 ))" " " R"(
        {   //业务处理失败处理
            sErrMsg = pClient->GetLastErrMsg();
            pSvrComm->CreateAnswer();
            pSvrComm->SetItem(FID_CODE, nRetCode);
            pSvrComm->SetItem(FID_MESSAGE, sErrMsg);
            pSvrComm->Write();
            return nRetCode;
        }
)");
}

// Audit part 7; operation record and success.
const std::string& AuditPart7Text() {
  return FF_GBK_LINES(R"()" "        " R"(
        //记录操作明细
        //        string sFidAnsZY = pSvrComm->GetItem( FID_ZY );
        //
        //        if ( sFidAnsZY.empty() )
        //        {
        //            sFidAnsZY = "%FuncName%";
        //        }
        //        pClient->CreateHead( INVALID_FUN );
        //        pClient->SetItem(FID_KHH, sFidKHH.c_str());
        //        pClient->SetItem(FID_YWKM, INVALID_YWKM);
        //        pClient->SetItem(FID_FHGY, sFidFHGY.c_str());
        //        pClient->SetItem(FID_YWSQH, nFidYWSQH);
        //        pClient->SetItem(FID_ZY, sFidAnsZY.c_str());
        //        if ( pClient->More() )
        //        {
        //            if (pClient->GetCode() >= 0)
        //            {
        //                nLSH = pClient->GetLong( FID_LSH );
        //            }
        //        }
)" "        " R"(
        nRetCode = 1;
        sErrMsg = "%FuncName%成功";
    })" "    " R"(

    //##End 结束业务处理
)");
}

// Audit part 8; answer.
const std::string& AuditPart8Text() {
  return FF_GBK_LINES(R"(
    //返回应答信息
    pSvrComm->CreateAnswer();
    if ( nRetCode <= 0 )
    {
        pSvrComm->SetErrMark();
    })" "    " R"(
    pSvrComm->SetItem(FID_CODE, nRetCode);
    pSvrComm->SetItem(FID_MESSAGE, sErrMsg);
    pSvrComm->SetItem(FID_LSH, nLSH);
    pSvrComm->SetItem(FID_HTSH, nHTSH);
    pSvrComm->Write();
)" "    " R"(
    return nRetCode;
)");
}

}  // namespace

const std::string& AuditPart(int n) {
  switch (n) {
    case 1: return AuditPart1Text();
    case 2: return AuditPart2Text();
    case 3: return AuditPart3Text();
    case 4: return AuditPart4Text();
    case 5: return AuditPart5Text();
    case 6: return AuditPart6Text();
    case 7: return AuditPart7Text();
    default: return AuditPart8Text();
  }
}

// FOS multi-row answer loop.
const std::string& FosMultiRowLoop() {
  return FF_GBK_LINES(R"(
    pSvrComm->CreateAnswerMul();
    while ( pDB->More() )
    {
        nCount++;
%Fids%        pSvrComm->Write();
        pSvrComm->CreateNextAnswer();
    }

)");
}

// BLS multi-row answer loop.
const std::string& BlsMultiRowLoop() {
  return FF_GBK_LINES(R"(
    pSvrComm->CreateAnswerMul();
    while ( pClient->More() )
    {
        nCount++;
%Fids%        pSvrComm->Write();
        pSvrComm->CreateNextAnswer();
    }

)");
}

// FOS end of a multi-row answer.
const std::string& FosMultiRowEnd() {
  return FF_GBK_LINES(R"(    pSvrComm->CreateEndMark();
)" "    " R"(
    sErrMsg = pDB->GetLastErrMsg();
    if (nCount < 1 && !sErrMsg.empty())
    {
        pSvrComm->SetErrMark();
        nRetCode = %RetCode%;
        pSvrComm->SetItem(FID_CODE, nRetCode);
        pSvrComm->SetItem(FID_MESSAGE, sErrMsg);
    }
    else if ( nCount > 0 )
    {
        nRetCode = nCount;
    }

    pSvrComm->Write();
    return nRetCode;
)");
}

// BLS end of a multi-row answer.
const std::string& BlsMultiRowEnd() {
  return FF_GBK_LINES(R"(    pSvrComm->CreateEndMark();
)" "    " R"(
    if (nCount < 1 && pClient->GetLastErrMsg() != "")
    {
        pSvrComm->SetErrMark();
        nRetCode = %RetCode%;
        pSvrComm->SetItem(FID_CODE, nRetCode);
        pSvrComm->SetItem(FID_MESSAGE, pClient->GetLastErrMsg());
    }
    else if ( nCount > 0 )
    {
        nRetCode = nCount;
    }

    pSvrComm->Write();
    return nRetCode;
)");
}

// FOS stored procedure answer.
const std::string& FosProcedureAnswer() {
  return FF_GBK_LINES(R"(
    pSvrComm->CreateAnswer();
    if ( pDB->Exec() )
    {
        nRetCode = pDB->GetLong( "o_RetCode" );
        pSvrComm->SetItem(FID_CODE, nRetCode);
        sErrMsg = pDB->Get( "o_RetNote" );)" " " R"(
        pSvrComm->SetItem(FID_MESSAGE, sErrMsg);
    }
    else
    {
        pSvrComm->SetErrMark();
        nRetCode = %RetCode%;
        pSvrComm->SetItem(FID_CODE, nRetCode);
        sErrMsg = pDB->GetLastErrMsg();
        pSvrComm->SetItem(FID_MESSAGE, sErrMsg);
    }
)" "   " R"(
    pSvrComm->Write();)" " " R"(
    return nRetCode;
)");
}

// FOS single answer.
const std::string& FosSingleAnswer() {
  return FF_GBK_LINES(R"(
    pSvrComm->CreateAnswer();
    if ( pDB->More() )
    {
        nRetCode = 1L;
        pSvrComm->SetItem(FID_CODE, nRetCode);
    %Fids%        sErrMsg = pDB->Get( "o_RetNote" );)" " " R"(
        pSvrComm->SetItem(FID_MESSAGE, sErrMsg);

        while ( pDB->More() )
        {
                continue;
        }
    }
    else
    {
        pSvrComm->SetErrMark();
        nRetCode = %RetCode%;
        pSvrComm->SetItem(FID_CODE, nRetCode);
        sErrMsg = pDB->GetLastErrMsg();
        pSvrComm->SetItem(FID_MESSAGE, sErrMsg);
    }
)" "   " R"(
    pSvrComm->Write();)" " " R"(
    return nRetCode;
)");
}

// BLS single answer.
const std::string& BlsSingleAnswer() {
  return FF_GBK_LINES(R"(    nRetCode = pClient->GetCode();
    if ( nRetCode < 0 ) //业务处理失败处理
    {
        sErrMsg = pClient->GetLastErrMsg();
        pSvrComm->CreateAnswer();
        pSvrComm->SetErrMark();
        pSvrComm->SetItem(FID_CODE, nRetCode);
        pSvrComm->SetItem(FID_MESSAGE, sErrMsg);
        pSvrComm->Write();
        return nRetCode;
    }
)" "    " R"(
    //记录柜员日志
    //string sFidAnsZY = pSvrComm->GetItem( FID_ZY );
    //if ( sFidAnsZY.empty() )
    //{
        //sFidAnsZY = "...";
    //}
    //pClient->CreateHead( FUN_USER_REGLOG );
    //pClient->SetItem(FID_YWKM, "30599");
    //pClient->SetItem(FID_ZY, sFidAnsZY.c_str());
    //pClient->Write();
)" "    " R"(
    //返回成功应答信息
    nRetCode = 1;
    sErrMsg = "%ErrMsg%成功";
    pSvrComm->CreateAnswer();
    pSvrComm->SetItem(FID_CODE, nRetCode);
    pSvrComm->SetItem(FID_MESSAGE, sErrMsg);
    pSvrComm->Write();
)" "    " R"(
    return nRetCode;
)");
}

std::vector<NamedTemplate> AllTemplates() {
  return {
      {"BLS prologue", BlsPrologue()},
      {"FOS prologue", FosPrologue()},
      {"FOS SQL placeholder", FosSqlPlaceholder()},
      {"BLS business step, transaction type 1", BlsStepForward()},
      {"BLS business step, other transaction types", BlsStepNoForward()},
      {"BLS audit variables", BlsAuditVariables()},
      {"Audit part 1", AuditPart(1)},
      {"Audit part 2", AuditPart(2)},
      {"Audit part 3", AuditPart(3)},
      {"Audit part 4", AuditPart(4)},
      {"Audit part 5", AuditPart(5)},
      {"Audit part 6", AuditPart(6)},
      {"Audit part 7", AuditPart(7)},
      {"Audit part 8", AuditPart(8)},
      {"FOS multi-row answer loop", FosMultiRowLoop()},
      {"BLS multi-row answer loop", BlsMultiRowLoop()},
      {"FOS end of a multi-row answer", FosMultiRowEnd()},
      {"BLS end of a multi-row answer", BlsMultiRowEnd()},
      {"FOS stored procedure answer", FosProcedureAnswer()},
      {"FOS single answer", FosSingleAnswer()},
      {"BLS single answer", BlsSingleAnswer()},
  };
}

// --- pieces -----------------------------------------------------------------

const std::string& OpenBrace() { return FF_GBK("{\r\n"); }
const std::string& CloseBrace() { return FF_GBK("}\r\n"); }
const std::string& RequestComment() { return FF_GBK("    //取出全部请求变量\r\n"); }
const std::string& ValidationComment() { return FF_GBK("    //请求变量有效性检查\r\n\r\n"); }
const std::string& CreateAnswerReplacement() {
  return FF_GBK("pSvrComm->CreateAnswer();\r\n        pSvrComm->SetErrMark()");
}
const std::string& RetCodeReplacement() { return FF_GBK("-(pSvrComm->GetFunc()*1000 + ERR_RUNSQL)"); }
const std::string& NewLine() { return FF_GBK("\r\n"); }
const std::string& RequestLineFormat() { return FF_GBK("    %s %s = pSvrComm->Get%s( %s ); //%s\r\n"); }
const std::string& FosAnswerLineFormat() {
  return FF_GBK("        pSvrComm->SetItem( %s, %spDB->Get( %d ) ); //%s\r\n");
}
const std::string& BlsAnswerLineFormat() {
  return FF_GBK("        pSvrComm->SetItem( %s, %spClient->GetItem( %d ) ); //%s\r\n");
}
const std::string& IdentLineFormat() { return FF_GBK("//%s    %s    //%s\r\n"); }
const std::string& PrototypeFormat() { return FF_GBK("long %s%s( struct Service_Module* pModule )\r\n"); }
const std::string& BlsNamePrefix() { return FF_GBK("Fun_"); }
const std::string& BlsNameMark() { return FF_GBK("Fun"); }
const std::string& DeclarationEnd() { return FF_GBK(";\r\n"); }

// --- captions -----------------------------------------------------------------

const std::string& CaptionId() { return FF_GBK("ID"); }
const std::string& CaptionFosNumber() { return FF_GBK("FOSID"); }
const std::string& CaptionBlsNumber() { return FF_GBK("BLSID"); }
const std::string& CaptionFosCode() { return FF_GBK("FOS编码"); }
const std::string& CaptionBlsCode() { return FF_GBK("BLS编码"); }
const std::string& CaptionFosName() { return FF_GBK("FOS名称"); }
const std::string& CaptionBlsName() { return FF_GBK("BLS名称"); }
const std::string& CaptionFunName() { return FF_GBK("FUNNAME"); }
const std::string& CaptionDesign() { return FF_GBK("DESIGN"); }
const std::string& CaptionNote() { return FF_GBK("NOTE"); }
const std::string& CaptionAnswerType() { return FF_GBK("应答类型"); }
const std::string& CaptionTransType() { return FF_GBK("交易类型"); }
const std::string& CaptionMandatory() { return FF_GBK("强制标志"); }

// --- queries ------------------------------------------------------------------

const std::string& FosSingleQuery() {
  return FF_GBK(
      "SELECT STR(ISNULL(ID, 0)) ID,STR(ISNULL(F26, 0)) MODULEID,STR(F18) FOSID, F19 FOS编码, F22 FOS名称, F24 FUNNAME, F28 DESIGN,F32 NOTE,STR(ISNULL(F34,0)) 应答类型  FROM T154 WHERE  F26 = %d  AND  F19 = '%FuncCode%' ORDER BY F18  \r\n --FOS  Single");
}

const std::string& BlsSingleQuery() {
  return FF_GBK(
      "SELECT STR(ISNULL(ID, 0)) ID, STR(ISNULL(ID, 0)) MODULEID,STR(F1) BLSID, F2 BLS编码, F3 BLS名称, F4 FUNNAME,F8 DESIGN, F12 NOTE,STR(ISNULL(F14,0)) 应答类型, STR(ISNULL(F5,1)) 交易类型 FROM T161  where F7 =%d  AND F2 = '%FuncCode%' ORDER BY F1 \r\n --BLS Single");
}

const std::string& FosRequestQuery() {
  return FF_GBK(
      "SELECT STR(B.ID) ID,A.F13 功能码,A.F15 FID编码,/*C.F2 FID编码_废弃,*/A.F3 参数名称,/*C.F3 参数名称__废弃,*/ A.F4 参数类型,STR(A.F5) 强制标志, STR(A.F7) 参数数据类型 FROM T156 A ,/*T151 C,*/ T154 B WHERE  A.F4 = 1 AND A.F13 = B.ID /*AND A.F2 = C.ID*/ AND B.ID = %d  ORDER BY A.F7,DATALENGTH(RTRIM(A.F15)) DESC, A.F15");
}

const std::string& FosAnswerQuery() {
  return FF_GBK(
      "SELECT STR(B.ID) ID,A.F13 功能码,A.F15 FID编码,/*C.F2 FID编码_废弃,*/A.F3 参数名称,/*C.F3 参数名称__废弃,*/ A.F4 参数类型,STR(A.F5) 强制标志, STR(A.F7) 参数数据类型 FROM T156 A ,/*T151 C,*/ T154 B WHERE  A.F4 = 2 AND A.F13 = B.ID /*AND A.F2 = C.ID*/ AND B.ID  = %d ORDER BY A.F7, DATALENGTH(RTRIM(A.F15)) DESC,A.F15");
}

const std::string& BlsRequestQuery() {
  return FF_GBK(
      "SELECT A.F1 功能码,A.F2 FID编码,A.F3 参数名称, STR(A.F4) 参数类型,STR(A.F5) 强制标志, A.F6 取值范围,STR(A.F7) 参数数据类型, STR(A.F8) 参数精度,STR(A.F9) 小数点长度,A.F10 备注信息,A.F11 测试默认值 FROM T162 A , T161 B WHERE  A.F4 = 1 AND A.F1 = B.ID AND B.ID = %d  ORDER BY A.F7, DATALENGTH(RTRIM(A.F2)) DESC, A.F2 --BLS");
}

const std::string& BlsAnswerQuery() {
  return FF_GBK(
      "SELECT A.F1 功能码,A.F2 FID编码,A.F3 参数名称, STR(A.F4) 参数类型,STR(A.F5) 强制标志, A.F6 取值范围,STR(A.F7) 参数数据类型, STR(A.F8) 参数精度,STR(A.F9) 小数点长度,A.F10 备注信息,A.F11 测试默认值 FROM T162 A, T161 B WHERE  A.F4 = 2 AND A.F1 = B.ID AND B.ID = %d ORDER BY A.F7, DATALENGTH(RTRIM(A.F2)) DESC,A.F2 --BLS A");
}

}  // namespace ff::res::fn
