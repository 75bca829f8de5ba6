/***********************************************************************
*         Copyright (C) 2004  北岭红隼软件有限公司 All rights reserved. 
*
*文件名称：Process.cpp
*项目名称：FN 函数
*摘要：    BLS 实现文件。    
*
*原作者：  edge
*创建日期：2006.03.05
*备注：
*
*历史修改记录：
*
*序号    日期             版本                作者                         
*1.      2006.03.05       v1.0.0.1            edge
*    创建。
*
**********************************************************************/

#include "stdafx.h"
#include "process.h"

#include <algorithm>
#include <string>

using namespace std;

/***********************************************************************
*函数名称：Fun_Query_User 查询用户
*实现说明：
*
*
*备注：      
*
*历史修改记录：
*
*序号    日期             版本                作者                         
*1.      2006.03.05       v1.0.0.1            edge
*
**********************************************************************/
//QUERY_USER    2001    //查询用户
long Fun_Query_User( struct Service_Module* pModule )
{
    //## 取出通讯连接对象
    CSvrComm* pSvrComm = (CSvrComm* )pModule->pSvrComm;    
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

    //取出全部请求变量

    //请求变量有效性检查


    //##Begin 开始业务处理
    pClient->CreateHead( FO_IN_VALID );
    pClient->DirectToDest();
    pClient->More();
    //##End 结束业务处理

    nRetCode = pClient->GetCode();
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
    
    //返回成功应答信息
    nRetCode = 1;
    sErrMsg = "查询用户成功";
    pSvrComm->CreateAnswer();
    pSvrComm->SetItem(FID_CODE, nRetCode);
    pSvrComm->SetItem(FID_MESSAGE, sErrMsg);
    pSvrComm->Write();
    
    return nRetCode;
}


/***********************************************************************
*函数名称：Fun_Audit_Op 审核操作
*实现说明：
*
*
*备注：      
*
*历史修改记录：
*
*序号    日期             版本                作者                         
*1.      2006.03.05       v1.0.0.1            edge
*
**********************************************************************/
//AUDIT_OP    2002    //审核操作
long Fun_Audit_Op( struct Service_Module* pModule )
{
    //## 取出通讯连接对象
    CSvrComm* pSvrComm = (CSvrComm* )pModule->pSvrComm;    
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

    //取出全部请求变量
    string sFidKHH = pSvrComm->GetItem( FID_KHH ); //客户号

    long nLSH  = 0L;        //流水号
    long nCSID = 0L;        //参数编号
    long nSHFS = 0L;        //审核方式
    long nSHJS = 0L;        //审核级数
    long nHTSH = 0L;        //后台审核标志: 0-提交 1-进入后台审核
    bool bCommit = false;   //是否需要最终提交业务处理

    //请求变量有效性检查

    if ( ( !pSvrComm->HaveItem( FID_KHH ) || sFidKHH.empty() ) ) 
    {
        pSvrComm->CreateAnswer();
        pSvrComm->SetErrMark();
        nRetCode = -(pSvrComm->GetFunc()*1000 + ERR_INPUTPARAM);
        sErrMsg = ERRSTR_INPUTPARAM;
        pSvrComm->SetItem(FID_CODE, nRetCode);
        pSvrComm->SetItem(FID_MESSAGE, sErrMsg);
        pSvrComm->Write();
        return nRetCode;
    }


    
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
    
    //##Begin 开始业务处理
    
    //判断是否业务申请
    if ( nFidZLLB == 0 )
    {
        //获取业务审核参数内容        
        nCSID = Base_GetSHCS(&Mem, pClient, INVALID_YWKM, nSHFS, sFidKHYYB, sFidKHH);
        
        //需要后台审核
        if ( nSHFS & SHFS_ASYNC )
        {
            pClient->CreateHead( FUN_CHECK_OPER_REQ );           
            pClient->SetItem(FID_YWKM, INVALID_YWKM);
            pClient->SetItem(FID_KHH, sFidKHH.c_str());
            pClient->SetItem(FID_YYB, sFidKHYYB.c_str());
            pClient->SetItem(FID_KHQZ, sFidKHQZ.c_str());
            pClient->SetItem(FID_CSID, nCSID);
            pClient->SetItemBuf(FID_SQXQ, pSvrComm->GetReqBuf(), pSvrComm->GetReqSize());
            
            pClient->More();
            
            nRetCode = pClient->GetCode();
            sErrMsg = pClient->GetLastErrMsg();            
            if ( nRetCode < 0 )
            {
                pSvrComm->CreateAnswer();
                pSvrComm->SetErrMark();
                pSvrComm->SetItem(FID_CODE, nRetCode);
                pSvrComm->SetItem(FID_MESSAGE, sErrMsg);
                pSvrComm->Write();
                return nRetCode;
            }
            
            if ( nRetCode > 0 )
            {
                nRetCode = 2;       //业务申请成功，等待审核中
                nHTSH = 1;
                nLSH = pClient->GetLong( FID_YWSQH );
            }
        }
        else
        {   
            bCommit = true;
        }
    }
    else
    {   //nFidZLLB = 1 后台审核通过，提交业务处理     
        //业务审核通过，附加校验
        string sSHXYM = GetAuditCode(nFidYWSQH, sFidKHH.c_str());
        
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
    
    //需要最终提交业务处理
    if ( bCommit )
    {
        pClient->CreateHead( pSvrComm->GetFunc() );
        pClient->DirectToDest();
        
        pClient->More();
        nRetCode = pClient->GetCode();
        if ( nRetCode < 0 ) 
        {   //业务处理失败处理
            sErrMsg = pClient->GetLastErrMsg();
            pSvrComm->CreateAnswer();
            pSvrComm->SetItem(FID_CODE, nRetCode);
            pSvrComm->SetItem(FID_MESSAGE, sErrMsg);
            pSvrComm->Write();
            return nRetCode;
        }
        
        //记录操作明细
        //        string sFidAnsZY = pSvrComm->GetItem( FID_ZY );
        //
        //        if ( sFidAnsZY.empty() )
        //        {
        //            sFidAnsZY = "审核操作";
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
        
        nRetCode = 1;
        sErrMsg = "审核操作成功";
    }    

    //##End 结束业务处理

    //返回应答信息
    pSvrComm->CreateAnswer();
    if ( nRetCode <= 0 )
    {
        pSvrComm->SetErrMark();
    }    
    pSvrComm->SetItem(FID_CODE, nRetCode);
    pSvrComm->SetItem(FID_MESSAGE, sErrMsg);
    pSvrComm->SetItem(FID_LSH, nLSH);
    pSvrComm->SetItem(FID_HTSH, nHTSH);
    pSvrComm->Write();
    
    return nRetCode;
}


/***********************************************************************
*函数名称：Fun_No_Forward 不转发
*实现说明：
*
*
*备注：      
*
*历史修改记录：
*
*序号    日期             版本                作者                         
*1.      2006.03.05       v1.0.0.1            edge
*
**********************************************************************/
//NO_FORWARD    2003    //不转发
long Fun_No_Forward( struct Service_Module* pModule )
{
    //## 取出通讯连接对象
    CSvrComm* pSvrComm = (CSvrComm* )pModule->pSvrComm;    
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

    //取出全部请求变量

    //请求变量有效性检查


    //##Begin 开始业务处理
    pClient->CreateHead( FO_IN_VALID );
    //pClient->DirectToDest();
    pClient->More();
    //##End 结束业务处理

    nRetCode = pClient->GetCode();
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
    
    //返回成功应答信息
    nRetCode = 1;
    sErrMsg = "不转发成功";
    pSvrComm->CreateAnswer();
    pSvrComm->SetItem(FID_CODE, nRetCode);
    pSvrComm->SetItem(FID_MESSAGE, sErrMsg);
    pSvrComm->Write();
    
    return nRetCode;
}


/***********************************************************************
*函数名称：Fun_User_List 用户列表
*实现说明：
*
*
*备注：      
*
*历史修改记录：
*
*序号    日期             版本                作者                         
*1.      2006.03.05       v1.0.0.1            edge
*
**********************************************************************/
//USER_LIST    2004    //用户列表
long Fun_User_List( struct Service_Module* pModule )
{
    //## 取出通讯连接对象
    CSvrComm* pSvrComm = (CSvrComm* )pModule->pSvrComm;    
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

    //取出全部请求变量

    //请求变量有效性检查


    //##Begin 开始业务处理
    pClient->CreateHead( FO_IN_VALID );
    pClient->DirectToDest();
    pClient->More();
    //##End 结束业务处理


    pSvrComm->CreateAnswerMul();
    while ( pClient->More() )
    {
        nCount++;

        pSvrComm->SetItem( FID_KHXM, pClient->GetItem( 1 ) ); //客户姓名
        pSvrComm->SetItem( FID_YE,   pClient->GetItem( 2 ) ); //余额

        pSvrComm->Write();
        pSvrComm->CreateNextAnswer();
    }

    pSvrComm->CreateEndMark();
    
    if (nCount < 1 && pClient->GetLastErrMsg() != "")
    {
        pSvrComm->SetErrMark();
        nRetCode = -(pSvrComm->GetFunc()*1000 + ERR_RUNSQL);
        pSvrComm->SetItem(FID_CODE, nRetCode);
        pSvrComm->SetItem(FID_MESSAGE, pClient->GetLastErrMsg());
    }
    else if ( nCount > 0 )
    {
        nRetCode = nCount;
    }

    pSvrComm->Write();
    return nRetCode;
}


/***********************************************************************
*函数名称：Fun_Default_Type 缺省类型
*实现说明：
*
*
*备注：      
*
*历史修改记录：
*
*序号    日期             版本                作者                         
*1.      2006.03.05       v1.0.0.1            edge
*
**********************************************************************/
//DEFAULT_TYPE    2005    //缺省类型
long Fun_Default_Type( struct Service_Module* pModule )
{
    //## 取出通讯连接对象
    CSvrComm* pSvrComm = (CSvrComm* )pModule->pSvrComm;    
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

    //取出全部请求变量

    //请求变量有效性检查


    //##Begin 开始业务处理
    pClient->CreateHead( FO_IN_VALID );
    pClient->DirectToDest();
    pClient->More();
    //##End 结束业务处理

    nRetCode = pClient->GetCode();
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
    
    //返回成功应答信息
    nRetCode = 1;
    sErrMsg = "缺省类型成功";
    pSvrComm->CreateAnswer();
    pSvrComm->SetItem(FID_CODE, nRetCode);
    pSvrComm->SetItem(FID_MESSAGE, sErrMsg);
    pSvrComm->Write();
    
    return nRetCode;
}


