/***********************************************************************
*         Copyright (C) 2004  北岭红隼软件有限公司 All rights reserved. 
*
*文件名称：Process.cpp
*项目名称：ZQJY 证券交易
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
*函数名称：Fun_Wt_Trade 委托买卖
*实现说明：
*    转发到交易网关
*
*
*备注：    
*    价格为0表示市价委托  
*
*历史修改记录：
*
*序号    日期             版本                作者                         
*1.      2006.03.05       v1.0.0.1            snapshot
*
**********************************************************************/
//WT_TRADE    7101    //委托买卖
long Fun_Wt_Trade( struct Service_Module* pModule )
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
    string sFidGDDM = pSvrComm->GetItem( FID_GDDM ); //股东代码
    string sFidJYMM = pSvrComm->GetItem( FID_JYMM ); //交易密码
    string sFidWTSJ = pSvrComm->GetItem( FID_WTSJ ); //委托时间
    string sFidZJZH = pSvrComm->GetItem( FID_ZJZH ); //资金账号
    string sFidZQDM = pSvrComm->GetItem( FID_ZQDM ); //证券代码
    string sFidJYS  = pSvrComm->GetItem( FID_JYS  ); //交易所
    string sFidKHH  = pSvrComm->GetItem( FID_KHH  ); //客户号
    string sFidBZ   = pSvrComm->GetItem( FID_BZ   ); //币种

    long   nFidWTFS = pSvrComm->GetLong( FID_WTFS ); //委托方式
    long   nFidWTLB = pSvrComm->GetLong( FID_WTLB ); //委托类别
    long   nFidWTSL = pSvrComm->GetLong( FID_WTSL ); //委托数量
    long   nFidWTRQ = pSvrComm->GetLong( FID_WTRQ ); //委托日期
    double dFidWTJG = pSvrComm->GetDouble( FID_WTJG ); //委托价格

    //请求变量有效性检查

    if ( ( !pSvrComm->HaveItem( FID_GDDM ) || sFidGDDM.empty() ) \
         || ( !pSvrComm->HaveItem( FID_JYMM ) || sFidJYMM.empty() ) \
         || ( !pSvrComm->HaveItem( FID_ZQDM ) || sFidZQDM.empty() ) \
         || ( !pSvrComm->HaveItem( FID_JYS ) || sFidJYS.empty() ) \
         || ( !pSvrComm->HaveItem( FID_KHH ) || sFidKHH.empty() ) \
         || ( !pSvrComm->HaveItem( FID_WTLB ) ) \
         || ( !pSvrComm->HaveItem( FID_WTSL ) ) \
         || ( !pSvrComm->HaveItem( FID_WTJG ) ) \
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
    sErrMsg = "委托买卖成功";
    pSvrComm->CreateAnswer();
    pSvrComm->SetItem(FID_CODE, nRetCode);
    pSvrComm->SetItem(FID_MESSAGE, sErrMsg);
    pSvrComm->Write();
    
    return nRetCode;
}


/***********************************************************************
*函数名称：Fun_Wt_Withdraw 委托撤单
*实现说明：
*    大额委托撤单需复核
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
//WT_WITHDRAW    7102    //委托撤单
long Fun_Wt_Withdraw( struct Service_Module* pModule )
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
    string sFidJYS   = pSvrComm->GetItem( FID_JYS   ); //交易所
    string sFidKHH   = pSvrComm->GetItem( FID_KHH   ); //客户号
    long   nFidYWSQH = pSvrComm->GetLong( FID_YWSQH ); //业务申请号
    long   nFidZLLB  = pSvrComm->GetLong( FID_ZLLB  ); //指令类别
    long   nFidWTH   = pSvrComm->GetLong( FID_WTH   ); //委托号

    long nLSH  = 0L;        //流水号
    long nCSID = 0L;        //参数编号
    long nSHFS = 0L;        //审核方式
    long nSHJS = 0L;        //审核级数
    long nHTSH = 0L;        //后台审核标志: 0-提交 1-进入后台审核
    bool bCommit = false;   //是否需要最终提交业务处理

    //请求变量有效性检查

    if ( ( !pSvrComm->HaveItem( FID_KHYYB ) || sFidKHYYB.empty() ) \
         || ( !pSvrComm->HaveItem( FID_JYS ) || sFidJYS.empty() ) \
         || ( !pSvrComm->HaveItem( FID_KHH ) || sFidKHH.empty() ) \
         || ( !pSvrComm->HaveItem( FID_ZLLB ) ) \
         || ( !pSvrComm->HaveItem( FID_WTH ) ) \
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
        //            sFidAnsZY = "委托撤单";
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
        sErrMsg = "委托撤单成功";
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
*函数名称：Fun_Cj_Search 成交查询
*实现说明：
*    转发到交易网关
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
//CJ_SEARCH    7103    //成交查询
long Fun_Cj_Search( struct Service_Module* pModule )
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
    string sFidGDDM = pSvrComm->GetItem( FID_GDDM ); //股东代码
    string sFidZQDM = pSvrComm->GetItem( FID_ZQDM ); //证券代码
    string sFidJYS  = pSvrComm->GetItem( FID_JYS  ); //交易所
    string sFidKHH  = pSvrComm->GetItem( FID_KHH  ); //客户号
    long   nFidRQ   = pSvrComm->GetLong( FID_RQ   ); //日期

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
    pClient->DirectToDest();
    pClient->More();
    //##End 结束业务处理


    pSvrComm->CreateAnswerMul();
    while ( pClient->More() )
    {
        nCount++;

        pSvrComm->SetItem( FID_CJBH, pClient->GetItem( 1 ) ); //成交编号
        pSvrComm->SetItem( FID_GDDM, pClient->GetItem( 2 ) ); //股东代码
        pSvrComm->SetItem( FID_ZQDM, pClient->GetItem( 3 ) ); //证券代码
        pSvrComm->SetItem( FID_ZQMC, pClient->GetItem( 4 ) ); //证券名称
        pSvrComm->SetItem( FID_CJSL, pClient->GetItem( 5 ) ); //成交数量
        pSvrComm->SetItem( FID_CJJE, pClient->GetItem( 6 ) ); //成交金额
        pSvrComm->SetItem( FID_CJJG, pClient->GetItem( 7 ) ); //成交价格

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
*函数名称：Function_QueryHolder 股东查询
*实现说明：
*    查询客户在各交易所的股东代码
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
//GD_QUERY    7104    //股东查询
long Function_QueryHolder( struct Service_Module* pModule )
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
    string sFidJYS = pSvrComm->GetItem( FID_JYS ); //交易所
    string sFidKHH = pSvrComm->GetItem( FID_KHH ); //客户号

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
    sErrMsg = "股东查询成功";
    pSvrComm->CreateAnswer();
    pSvrComm->SetItem(FID_CODE, nRetCode);
    pSvrComm->SetItem(FID_MESSAGE, sErrMsg);
    pSvrComm->Write();
    
    return nRetCode;
}


