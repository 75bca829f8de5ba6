/***********************************************************************
*         Copyright (C) 2004  北岭红隼软件有限公司 All rights reserved. 
*
*文件名称：Process.cpp
*项目名称：KHFW 客户服务
*摘要：    BLS 实现文件。    
*
*原作者：  snapshot
*创建日期：2006.03.05
*备注：
*
*历史修改记录：
*
*序号    日期             版本                作者                         
*1.      2006.03.05       v1.0.0.1            snapshot
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
*    转发到客户中心查询
*
*
*备注：      
*
*历史修改记录：
*
*序号    日期             版本                作者                         
*1.      2006.03.05       v1.0.0.1            snapshot
*
**********************************************************************/
//QUERY_USER    5101    //查询用户
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
    string sFidZJZH = pSvrComm->GetItem( FID_ZJZH ); //资金账号
    string sFidKHH  = pSvrComm->GetItem( FID_KHH  ); //客户号
    long   nFidYYB  = pSvrComm->GetLong( FID_YYB  ); //营业部
    double dFidJE   = pSvrComm->GetDouble( FID_JE ); //金额

    //请求变量有效性检查

    if ( ( !pSvrComm->HaveItem( FID_ZJZH ) || sFidZJZH.empty() ) \
         || ( !pSvrComm->HaveItem( FID_YYB ) ) \
       ) 
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
*函数名称：Fun_Query_User_List 查询用户列表
*实现说明：
*    转发到客户中心分页查询
*
*
*备注：    
*    每页最多100行  
*
*历史修改记录：
*
*序号    日期             版本                作者                         
*1.      2006.03.05       v1.0.0.1            snapshot
*
**********************************************************************/
//QUERY_USER_LIST    5102    //查询用户列表
long Fun_Query_User_List( struct Service_Module* pModule )
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
    string sFidZJZH = pSvrComm->GetItem( FID_ZJZH ); //资金账号
    string sFidKHH  = pSvrComm->GetItem( FID_KHH  ); //客户号

    //请求变量有效性检查

    if ( ( !pSvrComm->HaveItem( FID_ZJZH ) || sFidZJZH.empty() ) ) 
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
*函数名称：Fun_User_Query 用户查询
*实现说明：
*    本地缓存查询，不转发
*
*
*备注：      
*
*历史修改记录：
*
*序号    日期             版本                作者                         
*1.      2006.03.05       v1.0.0.1            snapshot
*
**********************************************************************/
//USER_QUERY    5103    //用户查询
long Fun_User_Query( struct Service_Module* pModule )
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
    string sFidKHH        = pSvrComm->GetItem( FID_KHH         ); //客户号
    long   nFidZJZHUPDate = pSvrComm->GetLong( FID_ZJZH_UPDATE ); //资金账号更新标志

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
    sErrMsg = "用户查询成功";
    pSvrComm->CreateAnswer();
    pSvrComm->SetItem(FID_CODE, nRetCode);
    pSvrComm->SetItem(FID_MESSAGE, sErrMsg);
    pSvrComm->Write();
    
    return nRetCode;
}


/***********************************************************************
*函数名称：Fun_ModifyCust 修改客户资料
*实现说明：
*    柜台申请，后台复核通过后提交
*
*
*备注：    
*    需复核柜员  
*
*历史修改记录：
*
*序号    日期             版本                作者                         
*1.      2006.03.05       v1.0.0.1            snapshot
*
**********************************************************************/
//KH_XGZL    5104    //修改客户资料
long Fun_ModifyCust( struct Service_Module* pModule )
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
    string sFidKHYYB = pSvrComm->GetItem( FID_KHYYB ); //客户营业部
    string sFidSHXYM = pSvrComm->GetItem( FID_SHXYM ); //审核校验码
    string sFidFHGY  = pSvrComm->GetItem( FID_FHGY  ); //复核柜员
    string sFidKHQZ  = pSvrComm->GetItem( FID_KHQZ  ); //客户群组
    string sFidKHH   = pSvrComm->GetItem( FID_KHH   ); //客户号
    string sFidDH    = pSvrComm->GetItem( FID_DH    ); //联系电话
    string sFidDZ    = pSvrComm->GetItem( FID_DZ    ); //联系地址
    string sFidZY    = pSvrComm->GetItem( FID_ZY    ); //摘要
    long   nFidYWSQH = pSvrComm->GetLong( FID_YWSQH ); //业务申请号
    long   nFidZLLB  = pSvrComm->GetLong( FID_ZLLB  ); //指令类别

    long nLSH  = 0L;        //流水号
    long nCSID = 0L;        //参数编号
    long nSHFS = 0L;        //审核方式
    long nSHJS = 0L;        //审核级数
    long nHTSH = 0L;        //后台审核标志: 0-提交 1-进入后台审核
    bool bCommit = false;   //是否需要最终提交业务处理

    //请求变量有效性检查

    if ( ( !pSvrComm->HaveItem( FID_KHYYB ) || sFidKHYYB.empty() ) \
         || ( !pSvrComm->HaveItem( FID_KHH ) || sFidKHH.empty() ) \
         || ( !pSvrComm->HaveItem( FID_ZLLB ) ) \
       ) 
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
        //            sFidAnsZY = "修改客户资料";
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
        sErrMsg = "修改客户资料成功";
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
*函数名称：Fun_OpenAccount 客户开户
*实现说明：
*    1. 柜台录入开户资料
*    2. 后台审核
*    3. 审核通过后提交客户中心开户
*
*
*备注：      
*
*历史修改记录：
*
*序号    日期             版本                作者                         
*1.      2006.03.05       v1.0.0.1            snapshot
*
**********************************************************************/
//KH_APPLY    5105    //客户开户
long Fun_OpenAccount( struct Service_Module* pModule )
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
    string sFidZipCode = pSvrComm->GetItem( FID_ZIPCODE ); //邮编
    string sFidEmail   = pSvrComm->GetItem( FID_EMAIL   ); //电子邮件
    string sFidKHYYB   = pSvrComm->GetItem( FID_KHYYB   ); //客户营业部
    string sFidSHXYM   = pSvrComm->GetItem( FID_SHXYM   ); //审核校验码
    string sFidFHGY    = pSvrComm->GetItem( FID_FHGY    ); //复核柜员
    string sFidJYMM    = pSvrComm->GetItem( FID_JYMM    ); //交易密码
    string sFidKHQZ    = pSvrComm->GetItem( FID_KHQZ    ); //客户群组
    string sFidKHXM    = pSvrComm->GetItem( FID_KHXM    ); //客户姓名
    string sFidZJBH    = pSvrComm->GetItem( FID_ZJBH    ); //证件编号
    string sFidZJMM    = pSvrComm->GetItem( FID_ZJMM    ); //资金密码
    string sFidKHH     = pSvrComm->GetItem( FID_KHH     ); //客户号
    string sFidDH      = pSvrComm->GetItem( FID_DH      ); //联系电话
    string sFidXB      = pSvrComm->GetItem( FID_XB      ); //性别
    string sFidSQXQ    = pSvrComm->GetItem( FID_SQXQ    ); //申请详情

    long   nFidYWSQH   = pSvrComm->GetLong( FID_YWSQH   ); //业务申请号
    long   nFidKHLB    = pSvrComm->GetLong( FID_KHLB    ); //客户类别
    long   nFidZJLB    = pSvrComm->GetLong( FID_ZJLB    ); //证件类别
    long   nFidZLLB    = pSvrComm->GetLong( FID_ZLLB    ); //指令类别
    long   nFidCSRQ    = pSvrComm->GetLong( FID_CSRQ    ); //出生日期

    long nLSH  = 0L;        //流水号
    long nCSID = 0L;        //参数编号
    long nSHFS = 0L;        //审核方式
    long nSHJS = 0L;        //审核级数
    long nHTSH = 0L;        //后台审核标志: 0-提交 1-进入后台审核
    bool bCommit = false;   //是否需要最终提交业务处理

    //请求变量有效性检查

    if ( ( !pSvrComm->HaveItem( FID_KHYYB ) || sFidKHYYB.empty() ) \
         || ( !pSvrComm->HaveItem( FID_JYMM ) || sFidJYMM.empty() ) \
         || ( !pSvrComm->HaveItem( FID_KHXM ) || sFidKHXM.empty() ) \
         || ( !pSvrComm->HaveItem( FID_ZJBH ) || sFidZJBH.empty() ) \
         || ( !pSvrComm->HaveItem( FID_ZJMM ) || sFidZJMM.empty() ) \
         || ( !pSvrComm->HaveItem( FID_XB ) ) \
         || ( !pSvrComm->HaveItem( FID_SQXQ ) || sFidSQXQ.empty() ) \
         || ( !pSvrComm->HaveItem( FID_ZJLB ) ) \
         || ( !pSvrComm->HaveItem( FID_ZLLB ) ) \
       ) 
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
        //            sFidAnsZY = "客户开户";
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
        sErrMsg = "客户开户成功";
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


